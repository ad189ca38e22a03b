#include "windows/main/pestanadris.h"

#include "windows/main/ventanaprincipal.h"

PestanaDRIs::PestanaDRIs(VentanaPrincipal& f) : QObject(&f), m_f(f) {}

void PestanaDRIs::cargar() {}

void PestanaDRIs::confirmarEdiciones() {}

void PestanaDRIs::liberar() {}
