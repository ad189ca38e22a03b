#include "storage/registro.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>

#include <memory>

namespace {

std::unique_ptr<QFile>& flujoLog()
{
    static std::unique_ptr<QFile> flujo;
    return flujo;
}

QString fechaHora(const QDateTime& ahora)
{
    // The user's short date form, widened to a four-digit year so that the
    // entry stays unambiguous; the time always carries seconds.
    const QLocale local = QLocale::system();
    QString formato = local.dateFormat(QLocale::ShortFormat);
    if (!formato.contains(QLatin1String("yyyy")))
        formato.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return local.toString(ahora.date(), formato) + QLatin1String(" - ") +
           ahora.time().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

void abrirLog(const QString& ruta)
{
    auto archivo = std::make_unique<QFile>(ruta);
    if (archivo->open(QIODevice::WriteOnly | QIODevice::Append))
        flujoLog() = std::move(archivo);
    else
        flujoLog().reset();
}

void cerrarLog()
{
    flujoLog().reset();
}

void escribirLog(const QString& mensaje)
{
    QFile* archivo = flujoLog().get();
    if (!archivo)
        return;
    const QString salto = QStringLiteral("\r\n\r\n");
    const QString entrada = fechaHora(QDateTime::currentDateTime()) + salto + mensaje + salto +
                            QString(92, QLatin1Char('-')) + salto;
    archivo->write(entrada.toLocal8Bit());
    archivo->flush();
}

QString conSentencia(const QString& descripcion, const QString& sentencia)
{
    return descripcion + QStringLiteral("\r\n\r\n\"") + sentencia + QLatin1Char('"');
}
