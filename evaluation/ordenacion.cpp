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
// zero-filled form comes back as.
void prepararColumnaNumerica(QTreeWidget* lista, int columna)
{
    const int filas = lista->topLevelItemCount();
    QList<QTreeWidgetItem*> cambiadas;
    {
        // The sort texts are not shown: the views need not hear of them.
        const QSignalBlocker bloqueo(lista->model());
        for (int i = 0; i < filas; ++i) {
            QTreeWidgetItem* fila = lista->topLevelItem(i);
            const QString texto = fila->text(columna);
            // An empty cell has no value to show (a nutrient without a
            // reference, say): it stays empty and sorts below every number.
            const QString clave = texto.isEmpty() ? QString() : clavePadded(texto);
            fila->setData(columna, RolClaveOrden, clave);
            if (!texto.isEmpty() && textoRestaurado(clave) != texto)
                cambiadas << fila;
        }
    }
    for (QTreeWidgetItem* fila : std::as_const(cambiadas))
        fila->setText(columna, textoRestaurado(fila->data(columna, RolClaveOrden).toString()));
}

void ordenar(QTreeWidget* lista, int columna, Qt::SortOrder orden, bool numerica)
{
    if (numerica)
        prepararColumnaNumerica(lista, columna);
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
    ordenar(lista, columna, orden,
            clave == QLatin1String("tres") || clave == QLatin1String("cuatro"));
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
