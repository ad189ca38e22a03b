#pragma once

#include "evaluation/informe.h"

#include <QString>

class QWidget;

// The week's report on paper and in files.
namespace salidaInforme {

// The report as a standalone HTML file, its energy chart an embedded image.
QString html(const Informe& informe);

// Lays the report out on A4 or Letter pages (by the user's locale) and
// writes it as PDF to a temporary file beside `ruta`, renamed at the end;
// false, with the reason in `fallo` and no file left, when it could not. `paginas` gets the
// number of pages written.
bool escribirPdf(const Informe& informe, const QString& ruta, QString* fallo,
                 int* paginas = nullptr);

// Shows the print preview of the report, from which it is printed.
void imprimir(QWidget* padre, const Informe& informe);

} // namespace salidaInforme
