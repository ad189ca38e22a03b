#pragma once

#include <QString>

#include <functional>

class QWidget;

// The week's report on paper and in files: the PDF and the printout are
// drawn from the same HTML that the HTML file holds.
namespace salidaInforme {

// Asks for the file to save to (empty: the user cancelled); tests answer it
// in place of the file dialog.
using Elector =
    std::function<QString(const QString& titulo, const QString& propuesto, const QString& filtro)>;
// Replaces the file dialog (an empty function restores it).
void instalarElector(Elector elector);
QString elegirArchivo(QWidget* padre, const QString& titulo, const QString& propuesto,
                      const QString& filtro);

// The same for a file to open.
QString elegirArchivoExistente(QWidget* padre, const QString& titulo, const QString& filtro);

// Lays the report out on A4 or Letter pages (by the user's locale) and
// writes it as PDF to a temporary file beside `ruta`, renamed at the end;
// false, with the reason in `fallo`, when it could not.
bool escribirPdf(const QString& html, const QString& ruta, QString* fallo);

// Shows the print preview of the report, from which it is printed.
void imprimir(QWidget* padre, const QString& html);

} // namespace salidaInforme
