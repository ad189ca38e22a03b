#pragma once

#include <QList>
#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

// The one database connection of the program and the two paths through which
// every routine reaches it: `ejecutarSQL` for statements that change data and
// `consultar` for static, read-only snapshots.
namespace almacen {

// The database file, relative to the working directory.
inline const QString archivoBase = QStringLiteral("sr18.mdb");

// Why the database could not be opened or a statement failed.
enum class Motivo {
    Ninguno,
    NoEncontrada, // the file is missing
    EnUso,        // another program holds a lock on it
    NoEsBase,     // the file is not an SQLite database (or is damaged)
    SoloLectura,  // the file (or its folder) cannot be written
    Lleno,        // the disk (or the database's own limit) is full
    Otro,
};

// Opens the database file read-write. A missing file is not created, and a
// file that is not a database is refused. A lock held by another program is
// waited for up to `esperaMs` milliseconds. Returns the failure's
// description, empty on success; the failure is kept for estadoBase().
QString abrirBase(const QString& ruta = archivoBase, int esperaMs = 3000);

// Opens the database again when it is not open (the last opening failed),
// waiting briefly for a lock; returns true when it is open. A failure is
// logged with `etiqueta` in front of its description.
bool reabrirSiCerrada(const QString& etiqueta);

// The state of the database in plain words for the status bar: empty while it
// is open, otherwise "No database: ..." with the cause of the last opening.
QString estadoBase();

// The cause of the most recent failed opening or statement (Ninguno after a
// statement that worked).
Motivo ultimoMotivo();
// The line an error box adds for a failed write: "The database is read-only",
// "The database is in use by another program" or "The disk holding the
// database is full"; empty for other causes.
QString lineaMotivo(Motivo motivo);

// The longest search pattern SQLite's LIKE accepts, in UTF-8 bytes
// (SQLITE_LIMIT_LIKE_PATTERN_LENGTH of the open connection).
int limitePatronLike();

// Closes and releases the connection.
void cerrarBase();

bool baseAbierta();

// Whether the open database has the table `nombre`.
bool hayTabla(const QString& nombre);

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

// Writes a consistent copy of the whole open database to `ruta` (SQLite's
// VACUUM INTO a temporary file beside it, renamed over `ruta` at the end);
// false, with the reason in `fallo` (in the user's language), when it could
// not (nothing is left then).
bool respaldar(const QString& ruta, QString* fallo);

// What a backup file brings: the user's rows, each checked. Nothing else of
// the file (its other tables, views, triggers, constraints) is ever used.
struct Respaldo
{
    QList<QVariantList> perfiles; // id, name, last, age, gender, weight
    QList<QVariantList> ingestas; // id (null: a new one), food_id, prof_id, intake
    // Reference values: table ("DRIs", "ULs", "EARs"), nutrient key, group column,
    // value (a number, or null for none).
    QList<QVariantList> valores;
    // How many of those differ from the open database's.
    int valoresDistintos = 0;
    // How many values of the file the user had edited (they differ from the
    // values delivered with the file); every other value is the delivered one.
    int editados = 0;
    // The columns of `total` that both files have: the order of the values
    // of `retirados` and `propios`.
    QStringList columnasAlimentos;
    // Foods the file's intakes and ingredients name that the food table no
    // longer has, as the file describes them: carried over marked
    // withdrawn, so that a week keeps its foods.
    QMap<qint64, QVariantList> retirados;
    // The user's own foods and recipes (none in a file of an earlier
    // release): their rows of `total` by id; of own_foods (id, kind,
    // cooked_weight, servings); of measures (id, food_id, seq, amount, name,
    // grams); of own_ingredients (id, recipe_id, seq, food_id, grams,
    // measure); of own_unknown (food_id, nutrient, ingredients). A measure
    // or ingredient whose id is null or taken gets a new one.
    QMap<qint64, QVariantList> propios;
    QList<QVariantList> marcasPropias;
    QList<QVariantList> medidasPropias;
    QList<QVariantList> ingredientes;
    QList<QVariantList> desconocidos;
    int alimentosPropios() const { return int(propios.size()); }
    // Rows and values left out because they are not valid (a name too long,
    // an intake that is no whole number of grams, a food the table lacks).
    int omitidas = 0;
};

// Reads the user's rows of the backup `ruta`: an intact database of this
// program (read only, as SQLite reads it, a journal beside it included) with
// the tables profiles, saves and DRIs. None, with the reason in `fallo`, when
// it is refused; `fallo` is in the user's language, `falloRegistro`, when
// given, gets it as the log has it.
// `avance`, when given, is called now and then while the file is read and
// checked (a large file takes seconds), for a window to show progress.
std::optional<Respaldo> leerRespaldo(const QString& ruta, QString* fallo,
                                     const std::function<void()>& avance = {},
                                     QString* falloRegistro = nullptr);

// Puts the rows of `respaldo` in place of the open database's profiles,
// intakes, reference values and own foods and recipes (an open database
// without the tables of own foods gets none), in one transaction on the open
// connection; the USDA foods and everything else stay. False, with the reason in
// `fallo` (and as the log has it in `falloRegistro`, when given), when it
// could not: the data are then as they were.
bool restaurar(const Respaldo& respaldo, QString* fallo, QString* falloRegistro = nullptr);

// Quotes a column name taken from the data (a nutrient key) for composing it
// into a statement; returns an empty string when it is not a plain identifier.
QString identificador(const QString& nombre);

} // namespace almacen
