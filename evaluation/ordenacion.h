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

// The text a numeric cell sorts by, set for the sorted column just before a
// numeric sort.
enum { RolClaveOrden = Qt::UserRole + 2 };

// A list row whose numeric cells sort in numeric order. The order is that of
// the cell texts with their integer part left-filled with zeros to ten
// digits, which for the numbers the program shows is their numeric order; an
// empty cell sorts below every number.
class FilaNumerica : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& otra) const override;
};

// A number as the lists show it: the user's decimal separator, plain digits
// (no thousands separators, never an exponent), up to 15 significant digits
// and no trailing zeros.
QString textoNumero(double valor);

// Shows `valor` in the cell as text in the user's number format.
void ponerNumero(QTreeWidgetItem* fila, int columna, double valor);

// The sort text of a numeric cell: the integer part left-filled with "0" to a
// length of 10, then the separator and the decimals as written.
QString clavePadded(const QString& texto);
// The cell text that the sort text stands for: the filling zeros removed.
QString textoRestaurado(const QString& clave);

// The results list (tab 5): a click on a header toggles that column's
// direction and sorts; with `reaplicar` the list's current direction is kept
// (used when the rebuilt list is sorted again). Remembers the column.
void ordenarColumnasWRI(QTreeWidget* lista, int columna, bool reaplicar = false);

// The ranking list (tab 3): a click on a header toggles and sorts.
void ordenarColumnasOrdenado(QTreeWidget* lista, int columna);
