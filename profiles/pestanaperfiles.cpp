#include "profiles/pestanaperfiles.h"

#include "windows/main/ventanaprincipal.h"

PestanaPerfiles::PestanaPerfiles(VentanaPrincipal& f) : QObject(&f), m_f(f) {}

void PestanaPerfiles::cargarPerfiles() {}

void PestanaPerfiles::cerrarDialogo() {}
