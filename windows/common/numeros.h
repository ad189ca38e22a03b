#pragma once

#include <QLocale>
#include <QString>
#include <QTreeWidgetItem>

// Numbers as the lists show and sort them.

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

// A number as the lists show it: the user's decimal separator and digits,
// (no thousands separators, never an exponent), up to 15 significant digits
// and no trailing zeros.
QString textoNumero(double valor);

// Shows `valor` in the cell as text in the user's number format.
void ponerNumero(QTreeWidgetItem* fila, int columna, double valor);

// The sort text of a numeric cell: the integer part left-filled with "0" to a
// length of 10, then the separator and the decimals as written; in ASCII
// digits (and a point for a separator other than "." and ",") whatever the
// user's digits are.
QString clavePadded(const QString& texto);
QString clavePadded(const QString& texto, const QLocale& local);
// The cell text that the sort text stands for: the filling zeros removed, in
// the user's digits.
QString textoRestaurado(const QString& clave);
QString textoRestaurado(const QString& clave, const QLocale& local);
