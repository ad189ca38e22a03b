#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

// The one database connection of the program and the two paths through which
// every routine reaches it: `ejecutarSQL` for statements that change data and
// `consultar` for static, read-only snapshots.
namespace almacen {

// The database file, relative to the working directory.
inline const QString archivoBase = QStringLiteral("sr18.mdb");

// Opens the database file read-write. A missing file is not created, and a
// file that is not a database is refused. Returns the failure's description,
// empty on success.
QString abrirBase(const QString& ruta = archivoBase);

// Closes and releases the connection.
void cerrarBase();

bool baseAbierta();

// The shared connection (invalid while no database is open).
QSqlDatabase base();

// Runs one insert, update or delete; values typed by a person go in `valores`
// and are bound to the statement's `?` placeholders. Returns the number of
// rows affected, 0 when the statement failed; a failure is logged with the
// statement. Shows the busy pointer while it works.
int ejecutarSQL(const QString& sentencia, const QVariantList& valores = {});

// Runs one insert like ejecutarSQL and returns the id the database gave the
// new row, 0 when nothing was inserted.
qint64 insertarSQL(const QString& sentencia, const QVariantList& valores = {});

// A static, read-only snapshot of one query.
struct Consulta
{
    bool ok = false;
    QString error;     // the driver's description when !ok
    QString sentencia; // the statement; when it failed, with its bound values written in
    QStringList columnas;
    QList<QVariantList> filas;

    bool vacia() const { return filas.isEmpty(); }
    // The message of a log entry about this query: tag, description, statement.
    QString entradaLog(const QString& etiqueta) const;
};

Consulta consultar(const QString& sentencia, const QVariantList& valores = {});

// Runs a group of statements as one action: rolled back unless confirmed.
class Transaccion
{
public:
    Transaccion();
    ~Transaccion();
    Transaccion(const Transaccion&) = delete;
    Transaccion& operator=(const Transaccion&) = delete;

    bool iniciada() const { return m_iniciada; }
    // Commits; returns false (and rolls back) when the commit fails.
    bool confirmar();
    QString error() const { return m_error; }

private:
    bool m_iniciada = false;
    bool m_terminada = false;
    QString m_error;
};

// Runs `accion` as one transaction: committed when it returns true, rolled
// back otherwise, so that a multi-statement action is never left half done.
// Returns true when committed; `fallo` gets the description of a failed begin
// or commit (failing statements are logged by ejecutarSQL).
bool enTransaccion(const std::function<bool()>& accion, QString* fallo = nullptr);

// Shows the busy pointer for as long as it lives. The window layer installs
// the two functions; without them it does nothing.
class Ocupado
{
public:
    Ocupado();
    ~Ocupado();
    Ocupado(const Ocupado&) = delete;
    Ocupado& operator=(const Ocupado&) = delete;

    static void instalar(void (*poner)(), void (*quitar)());
};

// Quotes a column name taken from the data (a nutrient key) for composing it
// into a statement; returns an empty string when it is not a plain identifier.
QString identificador(const QString& nombre);

} // namespace almacen
