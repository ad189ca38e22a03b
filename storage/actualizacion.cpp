#include "storage/actualizacion.h"

#include "storage/archivos.h"
#include "storage/basedatos.h"
#include "storage/esquema.h"
#include "storage/registro.h"

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

QString cuenta(int n, const char* uno, const char* varios)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? uno : varios));
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

std::optional<Actualizacion> actualizar(const QString& trabajo, const QString& entregada,
                                        const QString& version, QString* fallo)
{
    QString motivo;
    const auto fallar = [&motivo, fallo]() -> std::optional<Actualizacion> {
        escribirLog(QStringLiteral("actualizar() -> ") + motivo);
        if (fallo)
            *fallo = motivo;
        cerrarBase();
        return std::nullopt;
    };
    const QString objetivo = QFileInfo(trabajo).canonicalFilePath();
    if (objetivo.isEmpty()) {
        motivo = QStringLiteral("%1 does not exist").arg(trabajo);
        return fallar();
    }
    const QFileInfo info(objetivo);
    const QDir carpeta = info.absoluteDir();
    quitarIntentosViejos(carpeta, info.fileName());

    // The old file is held for writing until the new one is in its place, so
    // that no other program changes it meanwhile; opening it for writing also
    // rolls back a journal a crash left and empties a write-ahead log.
    const QString nombreViejo =
        QStringLiteral("alimetra-anterior-") + QUuid::createUuid().toString();
    std::optional<Actualizacion> hecha;
    {
        QSqlDatabase vieja = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombreViejo);
        vieja.setDatabaseName(objetivo);
        vieja.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
        [&] {
            QSqlQuery q(vieja);
            if (!vieja.open() || !q.exec(QStringLiteral("pragma wal_checkpoint(truncate)")) ||
                !q.exec(QStringLiteral("begin immediate"))) {
                motivo =
                    QStringLiteral("%1 cannot be read: %2")
                        .arg(objetivo, (vieja.isOpen() ? q.lastError() : vieja.lastError()).text());
                return;
            }
            QTemporaryFile nueva(
                carpeta.filePath(QStringLiteral(".%1.upgrade-XXXXXX").arg(info.fileName())));
            if (!nueva.open()) {
                motivo = QStringLiteral("%1: %2").arg(carpeta.path(), nueva.errorString());
                return;
            }
            if (!copiarEn(entregada, nueva, &motivo))
                return;
            nueva.close();
            motivo = abrirBase(nueva.fileName());
            if (!motivo.isEmpty())
                return;
            const std::optional<Respaldo> filas = leerRespaldo(objetivo, &motivo);
            if (!filas || !restaurar(*filas, &motivo))
                return;
            cerrarBase();
            if (!nueva.open() || ::fsync(nueva.handle()) != 0) {
                motivo = QStringLiteral("%1: %2").arg(nueva.fileName(), errorSistema());
                return;
            }
            nueva.close();
            // The new file gets the old one's permissions.
            struct stat modo;
            if (::stat(QFile::encodeName(objetivo).constData(), &modo) == 0)
                ::chmod(QFile::encodeName(nueva.fileName()).constData(), modo.st_mode & 07777);
            QString anterior = objetivo + QStringLiteral(".before-") + version;
            for (int n = 2; QFileInfo::exists(anterior); ++n)
                anterior = objetivo + QStringLiteral(".before-%1-%2").arg(version).arg(n);
            if (!guardarAnterior(objetivo, anterior, &motivo))
                return;
            if (std::rename(QFile::encodeName(nueva.fileName()).constData(),
                            QFile::encodeName(objetivo).constData()) != 0) {
                motivo = QStringLiteral("%1: %2").arg(objetivo, errorSistema());
                QFile::remove(anterior);
                return;
            }
            nueva.setAutoRemove(false);
            sincronizarCarpeta(carpeta.path());
            Actualizacion a;
            a.perfiles = int(filas->perfiles.size());
            a.ingestas = int(filas->ingestas.size());
            a.editados = filas->editados;
            a.retirados = int(filas->retirados.size());
            a.anterior = anterior;
            hecha = a;
        }();
        QSqlQuery(vieja).exec(QStringLiteral("rollback"));
        vieja.close();
    }
    QSqlDatabase::removeDatabase(nombreViejo);
    if (!hecha)
        return fallar();
    return hecha;
}

QString textoActualizacion(const Actualizacion& a)
{
    QString texto =
        QStringLiteral("Your data moved to the new food table: %1, %2, %3")
            .arg(cuenta(a.perfiles, "profile", "profiles"), cuenta(a.ingestas, "intake", "intakes"),
                 cuenta(a.editados, "edited reference value", "edited reference values"));
    if (a.retirados > 0)
        texto += QStringLiteral(" (%1 kept for your intakes, marked withdrawn)")
                     .arg(cuenta(a.retirados, "food the table no longer has",
                                 "foods the table no longer has"));
    return texto;
}

} // namespace almacen
