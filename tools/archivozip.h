#pragma once

#include <QByteArray>
#include <QString>

struct zip;

namespace construccion {

// A zip archive opened read-only through libzip. Entries are read whole.
class ArchivoZip
{
public:
    ArchivoZip() = default;
    ~ArchivoZip();
    ArchivoZip(const ArchivoZip&) = delete;
    ArchivoZip& operator=(const ArchivoZip&) = delete;

    // Opens `ruta`; on failure returns false and leaves the reason in error().
    bool abrir(const QString& ruta);
    void cerrar();

    bool contiene(const QString& nombre) const;

    // The whole content of entry `nombre`. On failure returns false and sets error().
    bool leerEntrada(const QString& nombre, QByteArray* contenido);

    QString error() const { return error_; }

private:
    zip* archivo_ = nullptr;
    QString ruta_;
    QString error_;
};

} // namespace construccion
