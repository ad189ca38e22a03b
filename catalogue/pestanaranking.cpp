#include "catalogue/pestanaranking.h"

#include "windows/main/ventanaprincipal.h"

PestanaRanking::PestanaRanking(VentanaPrincipal& f) : QObject(&f), m_f(f) {}

void PestanaRanking::poblarComboNutrientes() {}

void PestanaRanking::poblarComboCategorias() {}

void PestanaRanking::cerrarDialogos() {}
