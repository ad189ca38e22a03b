#include "storage/archivos.h"

#include "storage/descripcion.h"

#include <QFile>
#include <QSaveFile>
#include <QTextBoundaryFinder>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace almacen {

namespace {

// The reason of a failed write: Qt's description, or the system's for the
// error `numero` where Qt has none (it keeps none after a short write).
QString motivoEscritura(const QFileDevice& archivo, int numero)
{
    const QString texto = archivo.errorString();
    if (archivo.error() != QFileDevice::NoError && !texto.isEmpty() &&
        texto != QLatin1String("Unknown error"))
        return texto;
    if (numero != 0)
        return QString::fromLocal8Bit(std::strerror(numero));
    return QCoreApplication::translate("almacen", "The file could not be written whole");
}

} // namespace

bool escribirEntero(QFileDevice& archivo, const QByteArray& datos, QString* fallo)
{
    const auto fallar = [&](int numero) {
        if (fallo)
            *fallo = motivoEscritura(archivo, numero);
        return false;
    };
    qint64 hecho = 0;
    while (hecho < datos.size()) {
        errno = 0;
        const qint64 escrito = archivo.write(datos.constData() + hecho, datos.size() - hecho);
        if (escrito <= 0)
            return fallar(errno);
        hecho += escrito;
    }
    // Qt's buffer goes out in pieces; a piece written short is followed by
    // the rest until the system says why it takes no more.
    while (archivo.bytesToWrite() > 0) {
        const qint64 antes = archivo.bytesToWrite();
        errno = 0;
        if (!archivo.flush() && archivo.bytesToWrite() >= antes)
            return fallar(errno);
    }
    errno = 0;
    if (!archivo.flush())
        return fallar(errno);
    // A device that cannot be synchronised (EINVAL) has nothing held back.
    if (::fsync(archivo.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return fallar(errno);
    return true;
}

bool guardarArchivos(const QList<QPair<QString, QByteArray>>& archivos, QString* fallido,
                     QString* fallo)
{
    // Until committed, a QSaveFile removes its temporary file when it goes.
    std::vector<std::unique_ptr<QSaveFile>> escritos;
    for (const auto& [ruta, datos] : archivos) {
        auto archivo = std::make_unique<QSaveFile>(ruta);
        QString motivo;
        if (!archivo->open(QIODevice::WriteOnly))
            motivo = motivoEscritura(*archivo, 0);
        else if (escribirEntero(*archivo, datos, &motivo))
            escritos.push_back(std::move(archivo));
        if (!motivo.isEmpty()) {
            if (fallido)
                *fallido = ruta;
            if (fallo)
                *fallo = motivo;
            return false;
        }
    }
    for (const std::unique_ptr<QSaveFile>& archivo : escritos) {
        if (!archivo->commit()) {
            if (fallido)
                *fallido = archivo->fileName();
            if (fallo)
                *fallo = motivoEscritura(*archivo, 0);
            return false;
        }
    }
    return true;
}

bool guardarArchivo(const QString& ruta, const QByteArray& datos, QString* fallo)
{
    return guardarArchivos({{ruta, datos}}, nullptr, fallo);
}

bool mismoArchivo(const QString& a, const QString& b)
{
    struct stat x;
    struct stat y;
    return ::stat(QFile::encodeName(a).constData(), &x) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &y) == 0 && x.st_dev == y.st_dev &&
           x.st_ino == y.st_ino;
}

bool esArchivoNormal(const QString& ruta, Descripcion* motivo)
{
    struct stat datos;
    Descripcion texto;
    if (::stat(QFile::encodeName(ruta).constData(), &datos) != 0)
        texto = errno == ENOENT || errno == ENOTDIR
                    ? describir(QT_TRANSLATE_NOOP("almacen", "%1 was not found"), ruta)
                    : describir(QT_TRANSLATE_NOOP("almacen", "%1 cannot be read: %2"), ruta,
                                QString::fromLocal8Bit(std::strerror(errno)));
    else if (S_ISDIR(datos.st_mode))
        texto = describir(QT_TRANSLATE_NOOP("almacen", "%1 is a folder, not a file"), ruta);
    else if (!S_ISREG(datos.st_mode))
        texto = describir(QT_TRANSLATE_NOOP("almacen", "%1 is not a regular file"), ruta);
    if (motivo)
        *motivo = texto;
    return texto.registro.isEmpty();
}

QString nombreArchivo(const QString& nombre, const QString& sufijo, int reserva)
{
    QString limpio;
    for (const char32_t c : nombre.toUcs4()) {
        const QChar::Category clase = QChar::category(c);
        if (c < 0x80 && std::strchr("/\\:*?\"<>|", char(c)) && c != 0)
            limpio += QLatin1Char('-');
        else if (clase == QChar::Other_Control || QChar::isSpace(c) ||
                 clase == QChar::Separator_Line || clase == QChar::Separator_Paragraph)
            limpio += QLatin1Char(' ');
        else if (clase != QChar::Other_Format && clase != QChar::Other_Surrogate)
            limpio += QString::fromUcs4(&c, 1);
    }
    limpio = limpio.simplified();
    // Not a hidden file, nor one a command takes for an option.
    while (limpio.startsWith(QLatin1Char('.')) || limpio.startsWith(QLatin1Char('-')) ||
           limpio.startsWith(QLatin1Char(' ')))
        limpio.remove(0, 1);

    // Whole characters (a letter with its accents, an emoji with its parts)
    // until the bytes run out.
    const qsizetype cabe = 255 - sufijo.toUtf8().size() - reserva;
    QTextBoundaryFinder limites(QTextBoundaryFinder::Grapheme, limpio);
    qsizetype corte = 0;
    qsizetype bytes = 0;
    for (qsizetype desde = 0, hasta = limites.toNextBoundary(); hasta > 0;
         desde = hasta, hasta = limites.toNextBoundary()) {
        bytes += limpio.mid(desde, hasta - desde).toUtf8().size();
        if (bytes > cabe)
            break;
        corte = hasta;
    }
    limpio = limpio.left(corte).trimmed();
    if (limpio.isEmpty())
        limpio = QStringLiteral("alimetra");
    return limpio + sufijo;
}

QString campoCsv(const QString& campo)
{
    if (!campo.contains(QLatin1Char(',')) && !campo.contains(QLatin1Char('"')) &&
        !campo.contains(QLatin1Char('\n')) && !campo.contains(QLatin1Char('\r')))
        return campo;
    QString t = campo;
    t.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

} // namespace almacen
