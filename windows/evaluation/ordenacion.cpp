#include "windows/evaluation/ordenacion.h"

#include "storage/basedatos.h"
#include "windows/common/numeros.h"
#include "windows/common/roles.h"
#include "windows/evaluation/modeloresultados.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeView>
#include <QTreeWidget>

namespace {

// Flips the remembered direction of the clicked column's caption.
Qt::SortOrder alternar(const QString& titulo, QHash<QString, bool>& ordenColumnas)
{
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
    const QLocale local;
    QList<QTreeWidgetItem*> cambiadas;
    {
        // The sort texts are not shown: the views need not hear of them.
        const QSignalBlocker bloqueo(lista->model());
        for (int i = 0; i < filas; ++i) {
            QTreeWidgetItem* fila = lista->topLevelItem(i);
            const QString texto = fila->text(columna);
            // An empty cell has no value to show (a nutrient without a
            // reference, say): it stays empty and sorts below every number.
            const QString clave = texto.isEmpty() ? QString() : clavePadded(texto, local);
            fila->setData(columna, RolClaveOrden, clave);
            if (!texto.isEmpty() && textoRestaurado(clave, local) != texto)
                cambiadas << fila;
        }
    }
    for (QTreeWidgetItem* fila : std::as_const(cambiadas))
        fila->setText(columna,
                      textoRestaurado(fila->data(columna, RolClaveOrden).toString(), local));
}

void ordenar(QTreeWidget* lista, int columna, Qt::SortOrder orden, bool numerica)
{
    if (numerica)
        prepararColumnaNumerica(lista, columna);
    lista->header()->setSortIndicatorShown(true);
    lista->sortItems(columna, orden);
}

} // namespace

void ordenarColumnasWRI(QTreeView* lista, int columna, QHash<QString, bool>& ordenColumnas,
                        QString& ultimaColumnaWRI, bool reaplicar)
{
    auto* orden = qobject_cast<OrdenResultados*>(lista->model());
    if (!orden || columna < 0 || columna >= orden->columnCount())
        return;
    Qt::SortOrder sentido = lista->header()->sortIndicatorOrder();
    if (!reaplicar)
        sentido = alternar(ModeloResultados::tituloOriginal(columna), ordenColumnas);
    orden->ordenar(columna, sentido);
    lista->header()->setSortIndicatorShown(true);
    lista->header()->setSortIndicator(columna, sentido);
    ultimaColumnaWRI = orden->headerData(columna, Qt::Horizontal, RolClaveColumna).toString();
}

void ordenarColumnasOrdenado(QTreeWidget* lista, int columna, QHash<QString, bool>& ordenColumnas)
{
    if (columna < 0 || columna >= lista->columnCount())
        return;
    almacen::Ocupado ocupado;
    ordenar(lista, columna, alternar(lista->headerItem()->text(columna), ordenColumnas),
            claveColumna(lista, columna) == QLatin1String("dos"));
}
