#include "evaluation/ordenacion.h"

#include "storage/basedatos.h"
#include "windows/common/numeros.h"
#include "windows/common/roles.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace {

// Flips the remembered direction of the clicked column's caption.
Qt::SortOrder alternar(QTreeWidget* lista, int columna, QHash<QString, bool>& ordenColumnas)
{
    const QString titulo = lista->headerItem()->text(columna);
    const bool ascendente = !ordenColumnas.value(titulo, false);
    ordenColumnas[titulo] = ascendente;
    return ascendente ? Qt::AscendingOrder : Qt::DescendingOrder;
}

QString claveColumna(QTreeWidget* lista, int columna)
{
    return lista->headerItem()->data(columna, RolClaveColumna).toString();
}

// Gives every row its sort text for the column, and shows the text the
// zero-filled form comes back as. With `conTexto` the cells hold a number
// followed by words (a unit, what a limit applies to): the number leads the
// sort and the cell is left as it is.
void prepararColumnaNumerica(QTreeWidget* lista, int columna, bool conTexto = false)
{
    const int filas = lista->topLevelItemCount();
    const QLocale local;
    QList<QTreeWidgetItem*> cambiadas;
    {
        // The sort texts are not shown: the views need not hear of them.
        const QSignalBlocker bloqueo(lista->model());
        for (int i = 0; i < filas; ++i) {
            QTreeWidgetItem* fila = lista->topLevelItem(i);
            const QString texto = conTexto ? fila->text(columna).section(QLatin1Char(' '), 0, 0)
                                           : fila->text(columna);
            // An empty cell has no value to show (a nutrient without a
            // reference, say): it stays empty and sorts below every number.
            const QString clave = texto.isEmpty() ? QString() : clavePadded(texto, local);
            fila->setData(columna, RolClaveOrden, clave);
            if (!conTexto && !texto.isEmpty() && textoRestaurado(clave, local) != texto)
                cambiadas << fila;
        }
    }
    for (QTreeWidgetItem* fila : std::as_const(cambiadas))
        fila->setText(columna,
                      textoRestaurado(fila->data(columna, RolClaveOrden).toString(), local));
}

void ordenar(QTreeWidget* lista, int columna, Qt::SortOrder orden, bool numerica,
             bool conTexto = false)
{
    if (numerica)
        prepararColumnaNumerica(lista, columna, conTexto);
    lista->header()->setSortIndicatorShown(true);
    lista->sortItems(columna, orden);
}

} // namespace

void ordenarColumnasWRI(QTreeWidget* lista, int columna, QHash<QString, bool>& ordenColumnas,
                        QString& ultimaColumnaWRI, bool reaplicar)
{
    if (columna < 0 || columna >= lista->columnCount())
        return;
    const Qt::SortOrder orden =
        reaplicar ? lista->header()->sortIndicatorOrder() : alternar(lista, columna, ordenColumnas);
    const QString clave = claveColumna(lista, columna);
    // "Daily" is a plain number like "Intake"; "Reference" and "Upper limit"
    // follow their number with a unit.
    const bool conTexto = clave == QLatin1String("seis") || clave == QLatin1String("siete");
    ordenar(lista, columna, orden,
            conTexto || clave == QLatin1String("tres") || clave == QLatin1String("cuatro") ||
                clave == QLatin1String("cinco"),
            conTexto);
    ultimaColumnaWRI = clave;
}

void ordenarColumnasOrdenado(QTreeWidget* lista, int columna, QHash<QString, bool>& ordenColumnas)
{
    if (columna < 0 || columna >= lista->columnCount())
        return;
    almacen::Ocupado ocupado;
    ordenar(lista, columna, alternar(lista, columna, ordenColumnas),
            claveColumna(lista, columna) == QLatin1String("dos"));
}
