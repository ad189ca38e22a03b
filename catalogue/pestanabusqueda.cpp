#include "catalogue/pestanabusqueda.h"

#include "windows/main/ventanaprincipal.h"

PestanaBusqueda::PestanaBusqueda(VentanaPrincipal& f) : QObject(&f), m_f(f) {}
