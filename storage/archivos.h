#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

class QFileDevice;

// Files the program writes for the user (the report, the backup) and the
// names it proposes for them.
namespace almacen {

struct Descripcion;

// Writes the whole of `datos` to `archivo` (open for writing), on after a
// short write until the system refuses, and pushes it past Qt's buffer to
// the disk. False, with the system's reason ("No space left on device") in
// `fallo`, when it could not.
bool escribirEntero(QFileDevice& archivo, const QByteArray& datos, QString* fallo);

// Writes each file to a temporary file beside it, every one on the disk
// before any is renamed over its target; false, with the file in `fallido`
// and the reason in `fallo`, when one could not be written (no temporary
// file is left then, and no target is touched).
bool guardarArchivos(const QList<QPair<QString, QByteArray>>& archivos, QString* fallido,
                     QString* fallo);
// One file the same way.
bool guardarArchivo(const QString& ruta, const QByteArray& datos, QString* fallo);

// Whether both paths name one file (by another name, a link included).
bool mismoArchivo(const QString& a, const QString& b);

// Whether `ruta` is a regular file (a link is followed), found without
// opening it; false, with what it is instead in `motivo`, naming it.
bool esArchivoNormal(const QString& ruta, Descripcion* motivo);

// A file name "NAME-SUFFIX" that every file system takes: control, format
// (bidirectional overrides and the like) and path characters of `nombre`
// replaced, blanks collapsed, and the name cut on a character boundary so
// that the whole, with `reserva` bytes more that may be added later before
// the extension, fits 255 bytes of UTF-8. "alimetra" when nothing is left.
QString nombreArchivo(const QString& nombre, const QString& sufijo, int reserva = 0);

// A field of a CSV line (RFC 4180): as it is, or between double quotes
// (its own doubled) when it holds a comma, a quote or a line break.
QString campoCsv(const QString& campo);

} // namespace almacen
