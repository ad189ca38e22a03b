#include "storage/actualizacion.h"

#include "storage/archivos.h"
#include "storage/basedatos.h"
#include "storage/esquema.h"
#include "storage/registro.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUuid>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace almacen {

namespace {

QString errorSistema()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Copies `origen` into `destino` (open for writing) in pieces and puts it on
// the disk.
bool copiarEn(const QString& origen, QFile& destino, QString* fallo)
{
    QFile entrada(origen);
    if (!entrada.open(QIODevice::ReadOnly)) {
        *fallo = QStringLiteral("%1: %2").arg(origen, entrada.errorString());
        return false;
    }
    QByteArray trozo;
    while (!(trozo = entrada.read(1 << 20)).isEmpty())
        if (destino.write(trozo) != trozo.size()) {
            *fallo = QStringLiteral("%1: %2").arg(destino.fileName(), destino.errorString());
            return false;
        }
    if (entrada.error() != QFileDevice::NoError) {
        *fallo = QStringLiteral("%1: %2").arg(origen, entrada.errorString());
        return false;
    }
    if (!destino.flush() || ::fsync(destino.handle()) != 0) {
        *fallo = QStringLiteral("%1: %2").arg(destino.fileName(), errorSistema());
        return false;
    }
    return true;
}

bool sincronizarCarpeta(const QString& carpeta)
{
    const int fd = ::open(QFile::encodeName(carpeta).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool hecho = ::fsync(fd) == 0;
    ::close(fd);
    return hecho;
}

// Keeps the old file under `anterior`: a second name for it where the file
// system allows, a copy otherwise.
bool guardarAnterior(const QString& objetivo, const QString& anterior, QString* fallo)
{
    if (::link(QFile::encodeName(objetivo).constData(), QFile::encodeName(anterior).constData()) ==
        0)
        return true;
    QFile copia(anterior);
    if (!copia.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        *fallo = QStringLiteral("%1: %2").arg(anterior, copia.errorString());
        return false;
    }
    if (!copiarEn(objetivo, copia, fallo)) {
        copia.remove();
        return false;
    }
    return true;
}

// The temporary files an interrupted upgrade left in `carpeta`, with their
// journals.
void quitarIntentosViejos(const QDir& carpeta, const QString& nombre)
{
    const QString patron = QStringLiteral(".%1.upgrade-*").arg(nombre);
    for (const QFileInfo& f : carpeta.entryInfoList({patron}, QDir::Files | QDir::Hidden))
        QFile::remove(f.absoluteFilePath());
}

// `uno` and `varios` are texts of the context "almacen".
QString cuenta(int n, const char* uno, const char* varios)
{
    return QStringLiteral("%1 %2").arg(n).arg(
        QCoreApplication::translate("almacen", n == 1 ? uno : varios));
}

} // namespace

bool haceFaltaActualizar(const QString& trabajo, const QString& entregada)
{
    if (!QFileInfo(trabajo).isFile() || !QFileInfo(entregada).isFile() ||
        mismoArchivo(trabajo, entregada))
        return false;
    const InfoBase nueva = leerInfoBase(entregada);
    if (!nueva.legible || nueva.version < 1)
        return false;
    const InfoBase actual = leerInfoBase(trabajo);
    // A file that cannot be read as it is (a journal to roll back) is
    // looked at by the upgrade itself.
    if (!actual.legible)
        return true;
    return actual.version < nueva.version ||
           (actual.version == nueva.version && actual.huella != nueva.huella);
}

namespace {

// The name the old file keeps beside the new one: `.before-VERSION`, then
// `-2`, `-3`... where an earlier upgrade of the same version left one.
QString nombreAnterior(const QString& objetivo, const QString& version)
{
    QString anterior = objetivo + QStringLiteral(".before-") + version;
    for (int n = 2; QFileInfo::exists(anterior); ++n)
        anterior = objetivo + QStringLiteral(".before-%1-%2").arg(version).arg(n);
    return anterior;
}

// Puts the finished new file in the old one's place, the old one kept as
// `anterior`.
bool ponerEnSuSitio(QTemporaryFile& nueva, const QString& objetivo, const QString& anterior,
                    QString* motivo)
{
    if (!nueva.open() || ::fsync(nueva.handle()) != 0) {
        *motivo = QStringLiteral("%1: %2").arg(nueva.fileName(), errorSistema());
        return false;
    }
    nueva.close();
    // The new file gets the old one's permissions.
    struct stat modo;
    if (::stat(QFile::encodeName(objetivo).constData(), &modo) == 0)
        ::chmod(QFile::encodeName(nueva.fileName()).constData(), modo.st_mode & 07777);
    if (!guardarAnterior(objetivo, anterior, motivo))
        return false;
    if (std::rename(QFile::encodeName(nueva.fileName()).constData(),
                    QFile::encodeName(objetivo).constData()) != 0) {
        *motivo = QStringLiteral("%1: %2").arg(objetivo, errorSistema());
        QFile::remove(anterior);
        return false;
    }
    nueva.setAutoRemove(false);
    sincronizarCarpeta(QFileInfo(objetivo).absolutePath());
    return true;
}

// Builds the new file from the delivered one beside `objetivo`, carries the
// user's rows over and puts it in place; the old file is held by `vieja`.
std::optional<Actualizacion> rehacer(QSqlDatabase& vieja, const QString& objetivo,
                                     const QString& entregada, const QString& version,
                                     QString* motivo)
{
    QSqlQuery q(vieja);
    if (!vieja.open() || !q.exec(QStringLiteral("pragma wal_checkpoint(truncate)")) ||
        !q.exec(QStringLiteral("begin immediate"))) {
        *motivo = QStringLiteral("%1 cannot be read: %2")
                      .arg(objetivo, (vieja.isOpen() ? q.lastError() : vieja.lastError()).text());
        return std::nullopt;
    }
    const QFileInfo info(objetivo);
    QTemporaryFile nueva(
        info.absoluteDir().filePath(QStringLiteral(".%1.upgrade-XXXXXX").arg(info.fileName())));
    if (!nueva.open()) {
        *motivo = QStringLiteral("%1: %2").arg(info.absolutePath(), nueva.errorString());
        return std::nullopt;
    }
    if (!copiarEn(entregada, nueva, motivo))
        return std::nullopt;
    nueva.close();
    *motivo = abrirBase(nueva.fileName());
    if (!motivo->isEmpty())
        return std::nullopt;
    // The reason goes to the log, in its words.
    const std::optional<Respaldo> filas = leerRespaldo(objetivo, nullptr, {}, motivo);
    if (!filas || !restaurar(*filas, nullptr, motivo))
        return std::nullopt;
    cerrarBase();
    const QString anterior = nombreAnterior(objetivo, version);
    if (!ponerEnSuSitio(nueva, objetivo, anterior, motivo))
        return std::nullopt;
    Actualizacion a;
    a.perfiles = int(filas->perfiles.size());
    a.ingestas = int(filas->ingestas.size());
    a.editados = filas->editados;
    a.retirados = int(filas->retirados.size());
    a.propios = filas->alimentosPropios();
    a.anterior = anterior;
    return a;
}

} // namespace

std::optional<Actualizacion> actualizar(const QString& trabajo, const QString& entregada,
                                        const QString& version, QString* fallo)
{
    QString motivo;
    const QString objetivo = QFileInfo(trabajo).canonicalFilePath();
    std::optional<Actualizacion> hecha;
    if (objetivo.isEmpty()) {
        motivo = QStringLiteral("%1 does not exist").arg(trabajo);
    } else {
        const QFileInfo info(objetivo);
        quitarIntentosViejos(info.absoluteDir(), info.fileName());
        // The old file is held for writing until the new one is in its
        // place, so that no other program changes it meanwhile; opening it
        // for writing also rolls back a journal a crash left and empties a
        // write-ahead log.
        const QString nombreViejo =
            QStringLiteral("alimetra-anterior-") + QUuid::createUuid().toString();
        {
            QSqlDatabase vieja = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombreViejo);
            vieja.setDatabaseName(objetivo);
            vieja.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
            hecha = rehacer(vieja, objetivo, entregada, version, &motivo);
            QSqlQuery(vieja).exec(QStringLiteral("rollback"));
            vieja.close();
        }
        QSqlDatabase::removeDatabase(nombreViejo);
    }
    if (hecha)
        return hecha;
    escribirLog(QStringLiteral("actualizar() -> ") + motivo);
    if (fallo)
        *fallo = motivo;
    cerrarBase();
    return std::nullopt;
}

QString textoActualizacion(const Actualizacion& a)
{
    QString texto =
        QCoreApplication::translate("almacen", "Your data moved to the new food table: %1, %2, %3")
            .arg(cuenta(a.perfiles, QT_TRANSLATE_NOOP("almacen", "profile"),
                        QT_TRANSLATE_NOOP("almacen", "profiles")),
                 cuenta(a.ingestas, QT_TRANSLATE_NOOP("almacen", "intake"),
                        QT_TRANSLATE_NOOP("almacen", "intakes")),
                 cuenta(a.editados, QT_TRANSLATE_NOOP("almacen", "edited reference value"),
                        QT_TRANSLATE_NOOP("almacen", "edited reference values")));
    if (a.propios > 0)
        texto += QStringLiteral(", ") + cuenta(a.propios, QT_TRANSLATE_NOOP("almacen", "own food"),
                                               QT_TRANSLATE_NOOP("almacen", "own foods"));
    if (a.retirados > 0)
        texto +=
            QCoreApplication::translate("almacen", " (%1 kept for your intakes, marked withdrawn)")
                .arg(cuenta(a.retirados,
                            QT_TRANSLATE_NOOP("almacen", "food the table no longer has"),
                            QT_TRANSLATE_NOOP("almacen", "foods the table no longer has")));
    return texto;
}

} // namespace almacen
