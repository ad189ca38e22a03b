#include "storage/basedatos.h"

#include "storage/registro.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace almacen {

namespace {

const QString nombreConexion = QStringLiteral("alimetra");

void (*ponerOcupado)() = nullptr;
void (*quitarOcupado)() = nullptr;

QString descripcion(const QSqlError& e)
{
    const QString texto = e.text().trimmed();
    return texto.isEmpty() ? QStringLiteral("Unknown database error") : texto;
}

bool preparar(QSqlQuery& q, const QString& sentencia, const QVariantList& valores)
{
    if (valores.isEmpty())
        return true;
    if (!q.prepare(sentencia))
        return false;
    for (const QVariant& v : valores)
        q.addBindValue(v);
    return true;
}

bool ejecutar(QSqlQuery& q, const QString& sentencia, const QVariantList& valores)
{
    if (valores.isEmpty())
        return q.exec(sentencia);
    return preparar(q, sentencia, valores) && q.exec();
}

// The statement as a person reads it in the log: each `?` outside quotes
// replaced by its bound value, written as a literal.
QString conValores(const QString& sentencia, const QVariantList& valores)
{
    if (valores.isEmpty())
        return sentencia;
    QString texto;
    int siguiente = 0;
    QChar comilla;
    for (const QChar c : sentencia) {
        if (!comilla.isNull()) {
            if (c == comilla)
                comilla = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            comilla = c;
        } else if (c == QLatin1Char('?') && siguiente < valores.size()) {
            const QVariant& v = valores.at(siguiente++);
            if (v.isNull())
                texto += QLatin1String("null");
            else if (v.typeId() == QMetaType::QString)
                texto += QLatin1Char('\'') +
                         v.toString().replace(QLatin1String("'"), QLatin1String("''")) +
                         QLatin1Char('\'');
            else
                texto += v.toString();
            continue;
        }
        texto += c;
    }
    return texto;
}

} // namespace

QString abrirBase(const QString& ruta)
{
    cerrarBase();
    const QFileInfo info(ruta);
    if (!info.exists())
        return QStringLiteral("The database file \"%1\" was not found in %2")
            .arg(ruta, QFileInfo(QStringLiteral(".")).absoluteFilePath());
    if (!info.isFile())
        return QStringLiteral("\"%1\" is not a database file").arg(ruta);

    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombreConexion);
        db.setDatabaseName(ruta);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
        if (!db.open()) {
            error = descripcion(db.lastError());
        } else {
            // SQLite opens any file lazily; reading the schema tells a database
            // from anything else (an old Access file, say).
            QSqlQuery prueba(db);
            if (!prueba.exec(QStringLiteral("select count(*) from sqlite_master")))
                error = QStringLiteral("\"%1\" is not a usable database: %2")
                            .arg(ruta, descripcion(prueba.lastError()));
        }
    }
    if (!error.isEmpty()) {
        cerrarBase();
        return error;
    }
    return {};
}

void cerrarBase()
{
    if (QSqlDatabase::contains(nombreConexion)) {
        {
            QSqlDatabase db = QSqlDatabase::database(nombreConexion, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(nombreConexion);
    }
}

bool baseAbierta()
{
    return QSqlDatabase::contains(nombreConexion) &&
           QSqlDatabase::database(nombreConexion, false).isOpen();
}

QSqlDatabase base()
{
    return QSqlDatabase::database(nombreConexion, false);
}

namespace {

// Runs a data-changing statement; a failure is logged with the statement.
bool cambiar(QSqlQuery& q, const QString& sentencia, const QVariantList& valores)
{
    Ocupado ocupado;
    if (ejecutar(q, sentencia, valores))
        return true;
    escribirLog(conSentencia(descripcion(q.lastError()), conValores(sentencia, valores)));
    return false;
}

} // namespace

int ejecutarSQL(const QString& sentencia, const QVariantList& valores)
{
    QSqlQuery q(base());
    return cambiar(q, sentencia, valores) ? qMax(0, q.numRowsAffected()) : 0;
}

qint64 insertarSQL(const QString& sentencia, const QVariantList& valores)
{
    QSqlQuery q(base());
    if (!cambiar(q, sentencia, valores) || q.numRowsAffected() <= 0)
        return 0;
    return qMax<qint64>(0, q.lastInsertId().toLongLong());
}

QString Consulta::entradaLog(const QString& etiqueta) const
{
    return etiqueta + conSentencia(error, sentencia);
}

Consulta consultar(const QString& sentencia, const QVariantList& valores)
{
    Consulta c;
    c.sentencia = sentencia;
    QSqlQuery q(base());
    q.setForwardOnly(true);
    if (!ejecutar(q, sentencia, valores)) {
        c.error = descripcion(q.lastError());
        c.sentencia = conValores(sentencia, valores);
        return c;
    }
    const QSqlRecord registro = q.record();
    const int n = registro.count();
    c.columnas.reserve(n);
    for (int i = 0; i < n; ++i)
        c.columnas << registro.fieldName(i);
    while (q.next()) {
        QVariantList fila;
        fila.reserve(n);
        for (int i = 0; i < n; ++i)
            fila << q.value(i);
        c.filas << std::move(fila);
    }
    if (q.lastError().isValid()) {
        c.error = descripcion(q.lastError());
        return c;
    }
    c.ok = true;
    return c;
}

Transaccion::Transaccion()
{
    QSqlDatabase db = base();
    m_iniciada = db.isOpen() && db.transaction();
    if (!m_iniciada)
        m_error = descripcion(db.lastError());
}

Transaccion::~Transaccion()
{
    if (m_iniciada && !m_terminada)
        base().rollback();
}

bool Transaccion::confirmar()
{
    if (!m_iniciada || m_terminada)
        return false;
    m_terminada = true;
    QSqlDatabase db = base();
    if (db.commit())
        return true;
    m_error = descripcion(db.lastError());
    db.rollback();
    return false;
}

bool enTransaccion(const std::function<bool()>& accion, QString* fallo)
{
    Transaccion t;
    if (!t.iniciada()) {
        if (fallo)
            *fallo = t.error();
        return false;
    }
    if (!accion())
        return false;
    if (!t.confirmar()) {
        if (fallo)
            *fallo = t.error();
        return false;
    }
    return true;
}

Ocupado::Ocupado()
{
    if (ponerOcupado)
        ponerOcupado();
}

Ocupado::~Ocupado()
{
    if (quitarOcupado)
        quitarOcupado();
}

void Ocupado::instalar(void (*poner)(), void (*quitar)())
{
    ponerOcupado = poner;
    quitarOcupado = quitar;
}

QString identificador(const QString& nombre)
{
    static const QRegularExpression simple(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!simple.match(nombre).hasMatch())
        return {};
    return QLatin1Char('"') + nombre + QLatin1Char('"');
}

} // namespace almacen
