#pragma once

#include <QHash>
#include <QString>
#include <QTreeWidgetItem>

class QTreeWidget;

// Sort direction of list columns by caption: true when the last sort by that
// column was ascending. One table serves every sortable list; a missing entry
// counts as false.
QHash<QString, bool>& ordenColumnas();

// The key of the results-list column sorted last; empty until the first sort.
QString& ultimaColumnaWRI();

// The number behind a numeric cell (a double), kept beside its text.
enum { RolNumero = Qt::UserRole + 1 };

// A list row whose numeric cells sort by the number they show. A cell with no
// number (empty text) sorts below every number.
class FilaNumerica : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& otra) const override;
};

// Shows `valor` in the cell as text in the user's number format and keeps
// the number for sorting.
void ponerNumero(QTreeWidgetItem* fila, int columna, double valor);

// The results list (tab 5): a click on a header toggles that column's
// direction and sorts; with `reaplicar` the list's current direction is kept
// (used when the rebuilt list is sorted again). Remembers the column.
void ordenarColumnasWRI(QTreeWidget* lista, int columna, bool reaplicar = false);

// The ranking list (tab 3): a click on a header toggles and sorts.
void ordenarColumnasOrdenado(QTreeWidget* lista, int columna);
