#include "evaluation/pestanaresultados.h"

#include "evaluation/ordenacion.h"
#include "evaluation/resultados.h"
#include "windows/main/interfaz.h"
#include "windows/main/ventanaprincipal.h"

#include <QHeaderView>
#include <QTreeWidget>

PestanaResultados::PestanaResultados(VentanaPrincipal& f) : QObject(&f), m_f(f)
{
    QTreeWidget* lista = m_f.ui().lsv_wri;
    lista->header()->setSectionsClickable(true);
    connect(lista->header(), &QHeaderView::sectionClicked, this,
            [lista](int columna) { ordenarColumnasWRI(lista, columna); });
}

void PestanaResultados::mostrar()
{
    QTreeWidget* lista = m_f.ui().lsv_wri;
    mostrarCantidadesRecomendadas(lista);
    lista->viewport()->update();
    // The rebuilt rows keep the order the user chose last, in the direction
    // the list still shows.
    const QString ultima = ultimaColumnaWRI();
    if (ultima.isEmpty())
        return;
    for (int columna = 0; columna < lista->columnCount(); ++columna) {
        if (lista->headerItem()->data(columna, RolClaveColumna).toString() == ultima) {
            ordenarColumnasWRI(lista, columna, /*reaplicar*/ true);
            break;
        }
    }
}

void PestanaResultados::vaciar()
{
    m_f.ui().lsv_wri->clear();
}
