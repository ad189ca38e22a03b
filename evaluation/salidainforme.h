#pragma once

#include <QString>

class QWidget;

// The week's report on paper and in files: the PDF and the printout are
// drawn from the same HTML that the HTML file holds.
namespace salidaInforme {

// Lays the report out on A4 or Letter pages (by the user's locale) and
// writes it as PDF to a temporary file beside `ruta`, renamed at the end;
// false, with the reason in `fallo`, when it could not.
bool escribirPdf(const QString& html, const QString& ruta, QString* fallo);

// Shows the print preview of the report, from which it is printed.
void imprimir(QWidget* padre, const QString& html);

} // namespace salidaInforme
