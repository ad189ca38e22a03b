#pragma once

#include <QLockFile>
#include <QObject>
#include <QStringList>

class QLocalServer;

// One program per data folder: the first start holds a lock file in the
// folder and listens on a local socket; a later start finds the lock held,
// hands its arguments to the first over the socket and ends without ever
// opening the database.
class UnaInstancia : public QObject
{
    Q_OBJECT

public:
    explicit UnaInstancia(const QString& carpeta, QObject* padre = nullptr);
    ~UnaInstancia() override;

    // True when no other start holds the folder: this one then does, and
    // listens for later ones.
    bool primera();
    // Hands `argumentos` to the start that holds the folder, which comes to
    // the front; false when it did not answer within `esperaMs`.
    bool avisarALaPrimera(const QStringList& argumentos, int esperaMs = 3000);

    // The lock file's name in the data folder.
    static QString nombreCerrojo() { return QStringLiteral(".alimetra.lock"); }

signals:
    // A later start on the same folder, with its arguments.
    void otraArrancada(const QStringList& argumentos);

private:
    void atender();

    QLockFile m_cerrojo;
    QString m_nombreSocket;
    QLocalServer* m_servidor = nullptr;
};
