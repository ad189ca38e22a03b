#pragma once

#include <QHash>
#include <QString>

class QTreeView;
class QTreeWidget;

// Sorting the lists by a click on a column header. The sort direction of
// each column caption is kept in `ordenColumnas` (true when the last sort by
// that caption was ascending; a missing entry counts as false): one table,
// held by the session, serves every sortable list.

// The results list (tab 5), a view over an OrdenResultados: a click on a
// header toggles that column's direction (kept under its caption as the
// sources hold it, the same in every language) and sorts; with `reaplicar`
// the list's current direction is kept (used when the rebuilt list is sorted
// again). The column's key goes into `ultimaColumnaWRI`.
void ordenarColumnasWRI(QTreeView* lista, int columna, QHash<QString, bool>& ordenColumnas,
                        QString& ultimaColumnaWRI, bool reaplicar = false);

// The ranking list (tab 3): a click on a header toggles and sorts; its
// directions are kept under the column captions, which name the nutrient's
// unit, so that nutrients of one unit share theirs.
void ordenarColumnasOrdenado(QTreeWidget* lista, int columna, QHash<QString, bool>& ordenColumnas);
