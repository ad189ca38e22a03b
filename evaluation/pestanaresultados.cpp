#include "evaluation/pestanaresultados.h"

#include "windows/main/ventanaprincipal.h"

#include <QTreeWidget>

PestanaResultados::PestanaResultados(VentanaPrincipal& f) : QObject(&f), m_f(f) {}

void PestanaResultados::mostrar() {}

void PestanaResultados::vaciar()
{
    m_f.ui().lsv_wri->clear();
}
