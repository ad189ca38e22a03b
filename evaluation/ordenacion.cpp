#include "evaluation/ordenacion.h"

#include "storage/basedatos.h"
#include "windows/main/interfaz.h"

#include <QHeaderView>
#include <QLocale>
#include <QTreeWidget>

QHash<QString, bool>& ordenColumnas()
{
    static QHash<QString, bool> orden;
    return orden;
}

QString& ultimaColumnaWRI()
{
    static QString columna;
    return columna;
}

bool FilaNumerica::operator<(const QTreeWidgetItem& otra) const
{
    const int columna = treeWidget() ? treeWidget()->sortColumn() : 0;
    const QVariant a = data(columna, RolNumero);
    const QVariant b = otra.data(columna, RolNumero);
    if (a.isValid() || b.isValid()) {
        if (!a.isValid())
            return true;
        if (!b.isValid())
            return false;
        return a.toDouble() < b.toDouble();
    }
    return QTreeWidgetItem::operator<(otra);
}

void ponerNumero(QTreeWidgetItem* fila, int columna, double valor)
{
    fila->setText(columna, QLocale().toString(valor, 'g', 15));
    fila->setData(columna, RolNumero, valor);
}

namespace {

// Flips the remembered direction of the clicked column's caption.
Qt::SortOrder alternar(QTreeWidget* lista, int columna)
{
    const QString titulo = lista->headerItem()->text(columna);
    const bool ascendente = !ordenColumnas().value(titulo, false);
    ordenColumnas()[titulo] = ascendente;
    return ascendente ? Qt::AscendingOrder : Qt::DescendingOrder;
}

void ordenar(QTreeWidget* lista, int columna, Qt::SortOrder orden)
{
    lista->header()->setSortIndicatorShown(true);
    lista->header()->setSortIndicator(columna, orden);
    lista->sortItems(columna, orden);
}

} // namespace

void ordenarColumnasWRI(QTreeWidget* lista, int columna, bool reaplicar)
{
    if (columna < 0 || columna >= lista->columnCount())
        return;
    const Qt::SortOrder orden =
        reaplicar ? lista->header()->sortIndicatorOrder() : alternar(lista, columna);
    ordenar(lista, columna, orden);
    ultimaColumnaWRI() = lista->headerItem()->data(columna, RolClaveColumna).toString();
}

void ordenarColumnasOrdenado(QTreeWidget* lista, int columna)
{
    if (columna < 0 || columna >= lista->columnCount())
        return;
    almacen::Ocupado ocupado;
    ordenar(lista, columna, alternar(lista, columna));
}
