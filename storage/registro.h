#pragma once

#include <QString>

// The error log, "errors.log" in the working directory. Failures are never
// shown to the user; the routine that noticed one appends an entry here.

// Opens the log for appending, creating it when missing. A log that cannot be
// opened is not reported anywhere: later entries are simply lost.
void abrirLog(const QString& ruta = QStringLiteral("errors.log"));

// Closes the log; entries written afterwards are lost.
void cerrarLog();

// Appends one entry: date " - " time, a blank line, the message, a blank line,
// a rule of 92 hyphens and a blank line, all with CR LF line ends. Never fails.
void escribirLog(const QString& mensaje);

// The message of an entry about a composed statement: the description, a
// blank line and the statement between double quotes.
QString conSentencia(const QString& descripcion, const QString& sentencia);
