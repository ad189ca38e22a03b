#include "archivozip.h"

#include <QFile>

#include <zip.h>

namespace construccion {

ArchivoZip::~ArchivoZip()
{
    cerrar();
}

bool ArchivoZip::abrir(const QString& ruta)
{
    cerrar();
    ruta_ = ruta;
    int codigo = 0;
    archivo_ = zip_open(QFile::encodeName(ruta).constData(), ZIP_RDONLY, &codigo);
    if (!archivo_) {
        zip_error_t detalle;
        zip_error_init_with_code(&detalle, codigo);
        error_ = QStringLiteral("cannot open the archive %1: %2")
                     .arg(ruta, QString::fromLocal8Bit(zip_error_strerror(&detalle)));
        zip_error_fini(&detalle);
        return false;
    }
    return true;
}

void ArchivoZip::cerrar()
{
    if (archivo_) {
        zip_discard(archivo_);
        archivo_ = nullptr;
    }
}

bool ArchivoZip::contiene(const QString& nombre) const
{
    return archivo_ && zip_name_locate(archivo_, nombre.toUtf8().constData(), 0) >= 0;
}

bool ArchivoZip::leerEntrada(const QString& nombre, QByteArray* contenido)
{
    contenido->clear();
    if (!archivo_) {
        error_ = QStringLiteral("no archive is open");
        return false;
    }
    const QByteArray nombreUtf8 = nombre.toUtf8();
    const zip_int64_t indice = zip_name_locate(archivo_, nombreUtf8.constData(), 0);
    if (indice < 0) {
        error_ = QStringLiteral("%1: the archive has no entry %2").arg(ruta_, nombre);
        return false;
    }
    zip_stat_t datos;
    zip_stat_init(&datos);
    if (zip_stat_index(archivo_, zip_uint64_t(indice), 0, &datos) != 0 ||
        !(datos.valid & ZIP_STAT_SIZE)) {
        error_ = QStringLiteral("%1: cannot read the size of %2: %3")
                     .arg(ruta_, nombre, QString::fromLocal8Bit(zip_strerror(archivo_)));
        return false;
    }
    if (datos.size > zip_uint64_t(256) * 1024 * 1024) {
        error_ = QStringLiteral("%1: entry %2 is implausibly large").arg(ruta_, nombre);
        return false;
    }
    zip_file_t* entrada = zip_fopen_index(archivo_, zip_uint64_t(indice), 0);
    if (!entrada) {
        error_ = QStringLiteral("%1: cannot open %2: %3")
                     .arg(ruta_, nombre, QString::fromLocal8Bit(zip_strerror(archivo_)));
        return false;
    }
    contenido->resize(qsizetype(datos.size));
    zip_int64_t leidos = 0;
    while (leidos < zip_int64_t(datos.size)) {
        const zip_int64_t n =
            zip_fread(entrada, contenido->data() + leidos, datos.size - zip_uint64_t(leidos));
        if (n <= 0)
            break;
        leidos += n;
    }
    const bool completo = leidos == zip_int64_t(datos.size);
    if (!completo)
        error_ = QStringLiteral("%1: cannot read %2: %3")
                     .arg(ruta_, nombre, QString::fromLocal8Bit(zip_file_strerror(entrada)));
    zip_fclose(entrada);
    if (!completo)
        contenido->clear();
    return completo;
}

} // namespace construccion
