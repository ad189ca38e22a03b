#include "windows/main/unainstancia.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace {

// The socket's name: one per user and data folder, however the folder was
// named (a link, a relative path).
QString nombreSocket(const QString& carpeta)
{
    const QString canonica = QFileInfo(carpeta).canonicalFilePath();
    const QByteArray huella =
        QCryptographicHash::hash((canonica.isEmpty() ? carpeta : canonica).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QStringLiteral("alimetra-%1-%2").arg(::getuid()).arg(QString::fromLatin1(huella));
}

} // namespace

UnaInstancia::UnaInstancia(const QString& carpeta, QObject* padre)
    : QObject(padre), m_cerrojo(QDir(carpeta).filePath(nombreCerrojo())),
      m_nombreSocket(nombreSocket(carpeta))
{
    // A lock left by a start that was killed is taken over at once (its
    // process is gone); a live one never goes stale.
    m_cerrojo.setStaleLockTime(0);
}

UnaInstancia::~UnaInstancia()
{
    if (m_servidor)
        m_servidor->close();
}

bool UnaInstancia::primera()
{
    if (!m_cerrojo.tryLock(0)) {
        // A folder the lock cannot be written in cannot be shared either.
        return m_cerrojo.error() != QLockFile::LockFailedError;
    }
    m_servidor = new QLocalServer(this);
    m_servidor->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a killed start is ours to replace: we hold the lock.
    QLocalServer::removeServer(m_nombreSocket);
    m_servidor->listen(m_nombreSocket);
    connect(m_servidor, &QLocalServer::newConnection, this, &UnaInstancia::atender);
    return true;
}

bool UnaInstancia::avisarALaPrimera(const QStringList& argumentos, int esperaMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_nombreSocket);
    if (!socket.waitForConnected(esperaMs))
        return false;
    QByteArray datos;
    QDataStream flujo(&datos, QIODevice::WriteOnly);
    flujo << argumentos;
    socket.write(datos);
    if (!socket.waitForBytesWritten(esperaMs))
        return false;
    // The first start closes the connection once it has read the arguments.
    socket.waitForDisconnected(esperaMs);
    return true;
}

void UnaInstancia::atender()
{
    while (QLocalSocket* socket = m_servidor->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream flujo(socket);
            flujo.startTransaction();
            QStringList argumentos;
            flujo >> argumentos;
            if (!flujo.commitTransaction())
                return; // the rest is still on its way
            socket->disconnectFromServer();
            emit otraArrancada(argumentos);
        });
    }
}
