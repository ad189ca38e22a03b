#include "storage/basedatos.h"

#include "storage/archivos.h"
#include "storage/descripcion.h"
#include "storage/esquema.h"
#include "storage/registro.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryFile>

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace almacen {

namespace {

const QString nombreConexion = QStringLiteral("alimetra");

// What the storage library keeps between calls, in one place: the one
// connection's file and how its last opening went, the cause of the last
// failure, and how the user is shown that the program is busy. It lives as
// long as the program; only this file reads or changes it.
struct Estado
{
    void (*ponerOcupado)() = nullptr;
    void (*quitarOcupado)() = nullptr;
    // The last opening: the file's name, why it failed and its description.
    QString rutaBase = archivoBase;
    Motivo motivoApertura = Motivo::Ninguno;
    Descripcion falloApertura;
    // The cause of the last failed opening or statement.
    Motivo motivoReciente = Motivo::Ninguno;
};

Estado& estado()
{
    static Estado e;
    return e;
}

// SQLite's primary result code of an error (the driver reports it as text).
Motivo motivoDe(const QSqlError& e)
{
    bool ok = false;
    const int codigo = e.nativeErrorCode().toInt(&ok) & 0xff;
    if (!ok)
        return Motivo::Otro;
    switch (codigo) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Motivo::EnUso;
    case SQLITE_READONLY:
        return Motivo::SoloLectura;
    case SQLITE_FULL:
        return Motivo::Lleno;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return Motivo::NoEsBase;
    case SQLITE_CANTOPEN:
        return Motivo::NoEncontrada;
    }
    return Motivo::Otro;
}

QString descripcion(const QSqlError& e)
{
    const QString texto = e.text().trimmed();
    return texto.isEmpty() ? QStringLiteral("Unknown database error") : texto;
}

// The description of a failure on a connection that is not open: the cause of
// the failed opening rather than the driver's "Driver not loaded".
Descripcion sinBaseDescrita()
{
    const Descripcion& apertura = estado().falloApertura;
    if (apertura.registro.isEmpty())
        return describir(QT_TRANSLATE_NOOP("almacen", "The database is not open: it was closed"));
    return describir(QT_TRANSLATE_NOOP("almacen", "The database is not open: %1"), apertura);
}

// The same as the log keeps it.
QString sinBase()
{
    return sinBaseDescrita().registro;
}

// Writes a typed value for a log entry: line breaks and other control
// characters escaped, so that the value cannot fake an entry.
QString escapado(const QString& texto)
{
    QString r;
    r.reserve(texto.size());
    for (const QChar c : texto) {
        const char16_t u = c.unicode();
        if (u == '\n')
            r += QLatin1String("\\n");
        else if (u == '\r')
            r += QLatin1String("\\r");
        else if (u == '\t')
            r += QLatin1String("\\t");
        else if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0) || u == 0x2028 || u == 0x2029)
            r += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            r += c;
    }
    return r;
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
                         escapado(v.toString()).replace(QLatin1String("'"), QLatin1String("''")) +
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

QString abrirBase(const QString& ruta, int esperaMs)
{
    Estado& e = estado();
    cerrarBase();
    e.rutaBase = ruta;
    e.falloApertura = {};
    e.motivoApertura = Motivo::Ninguno;
    const QFileInfo info(ruta);
    if (!info.exists()) {
        e.motivoApertura = Motivo::NoEncontrada;
        e.falloApertura =
            describir(QT_TRANSLATE_NOOP("almacen", "The database file \"%1\" was not found in %2"),
                      ruta, info.absolutePath());
    } else if (!info.isFile()) {
        e.motivoApertura = Motivo::NoEsBase;
        e.falloApertura =
            describir(QT_TRANSLATE_NOOP("almacen", "\"%1\" is not a database file"), ruta);
    } else {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombreConexion);
        db.setDatabaseName(ruta);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(qMax(0, esperaMs)));
        if (!db.open()) {
            e.motivoApertura = motivoDe(db.lastError());
            e.falloApertura = igual(descripcion(db.lastError()));
        } else {
            // SQLite opens any file lazily; reading the schema tells a database
            // from anything else (an old Access file, say) and waits for a lock.
            QSqlQuery prueba(db);
            if (!prueba.exec(QStringLiteral("select count(*) from sqlite_master"))) {
                e.motivoApertura = motivoDe(prueba.lastError());
                e.falloApertura =
                    describir(QT_TRANSLATE_NOOP("almacen", "\"%1\" is not a usable database: %2"),
                              ruta, descripcion(prueba.lastError()));
            } else {
                // Later statements wait for a lock as long as before.
                prueba.exec(QStringLiteral("pragma busy_timeout=3000"));
            }
        }
    }
    if (!e.falloApertura.registro.isEmpty() && e.motivoApertura == Motivo::Ninguno)
        e.motivoApertura = Motivo::Otro;
    e.motivoReciente = e.motivoApertura;
    if (!e.falloApertura.registro.isEmpty()) {
        const Descripcion fallo = e.falloApertura;
        cerrarBase();
        e.falloApertura = fallo;
        return fallo.registro;
    }
    return {};
}

bool reabrirSiCerrada(const QString& etiqueta)
{
    if (baseAbierta())
        return true;
    Ocupado ocupado;
    const QString fallo = abrirBase(estado().rutaBase, 1000);
    if (!fallo.isEmpty())
        escribirLog(etiqueta + fallo);
    return fallo.isEmpty();
}

QString estadoBase()
{
    if (baseAbierta())
        return {};
    const QFileInfo info(estado().rutaBase);
    const QString nombre = info.fileName();
    switch (estado().motivoApertura) {
    case Motivo::EnUso:
        return QCoreApplication::translate("almacen",
                                           "No database: %1 is in use by another program")
            .arg(nombre);
    case Motivo::NoEsBase:
        return QCoreApplication::translate("almacen", "No database: %1 is not a database")
            .arg(nombre);
    case Motivo::NoEncontrada:
        return QCoreApplication::translate("almacen", "No database: %1 was not found in %2")
            .arg(nombre, QDir::toNativeSeparators(info.absolutePath()));
    case Motivo::SoloLectura:
        return QCoreApplication::translate("almacen", "No database: %1 cannot be written")
            .arg(nombre);
    case Motivo::Ninguno:
    case Motivo::Lleno:
    case Motivo::Otro:
        break;
    }
    return QCoreApplication::translate("almacen", "No database: %1 cannot be opened").arg(nombre);
}

Motivo ultimoMotivo()
{
    return estado().motivoReciente;
}

QString lineaMotivo(Motivo motivo)
{
    switch (motivo) {
    case Motivo::SoloLectura:
        return QCoreApplication::translate("almacen", "The database is read-only");
    case Motivo::EnUso:
        return QCoreApplication::translate("almacen", "The database is in use by another program");
    case Motivo::Lleno:
        return QCoreApplication::translate("almacen", "The disk holding the database is full");
    default:
        break;
    }
    return {};
}

int limitePatronLike()
{
    // SQLite's compiled-in default, for when no connection is open.
    int limite = 50000;
    const QVariant manejador = base().driver() ? base().driver()->handle() : QVariant();
    if (baseAbierta() && manejador.isValid() && qstrcmp(manejador.typeName(), "sqlite3*") == 0) {
        if (sqlite3* db = *static_cast<sqlite3* const*>(manejador.data()))
            limite = sqlite3_limit(db, SQLITE_LIMIT_LIKE_PATTERN_LENGTH, -1);
    }
    return limite;
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
    if (!baseAbierta()) {
        estado().motivoReciente = estado().motivoApertura;
        escribirLog(conSentencia(sinBase(), conValores(sentencia, valores)));
        return false;
    }
    if (ejecutar(q, sentencia, valores)) {
        estado().motivoReciente = Motivo::Ninguno;
        return true;
    }
    estado().motivoReciente = motivoDe(q.lastError());
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
    if (!baseAbierta()) {
        c.error = sinBase();
        c.sentencia = conValores(sentencia, valores);
        return c;
    }
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
    if (!m_iniciada) {
        m_error = db.isOpen() ? descripcion(db.lastError()) : sinBase();
        estado().motivoReciente = db.isOpen() ? motivoDe(db.lastError()) : estado().motivoApertura;
    }
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
    estado().motivoReciente = motivoDe(db.lastError());
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
    if (estado().ponerOcupado)
        estado().ponerOcupado();
}

Ocupado::~Ocupado()
{
    if (estado().quitarOcupado)
        estado().quitarOcupado();
}

void Ocupado::instalar(void (*poner)(), void (*quitar)())
{
    estado().ponerOcupado = poner;
    estado().quitarOcupado = quitar;
}

QString identificador(const QString& nombre)
{
    static const QRegularExpression simple(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!simple.match(nombre).hasMatch())
        return {};
    return QLatin1Char('"') + nombre + QLatin1Char('"');
}

namespace {

// Whether `destino` is the open database's file, by another name or a link
// included.
bool esLaBaseAbierta(const QFileInfo& destino)
{
    return mismoArchivo(destino.absoluteFilePath(), base().databaseName());
}

// The temporary copies that a backup interrupted for good (power cut, kill)
// left beside `destino`, ".NAME.XXXXXX" for any NAME ending in ".mdb", are
// removed once they are a day old: no backup still writes them then.
void quitarTemporalesViejos(const QFileInfo& destino)
{
    static const QRegularExpression temporal(QStringLiteral("^\\..+\\.mdb\\.[A-Za-z0-9]{6}$"));
    const QDateTime ayer = QDateTime::currentDateTime().addDays(-1);
    const QDir carpeta = destino.absoluteDir();
    for (const QFileInfo& f :
         carpeta.entryInfoList({QStringLiteral(".*.mdb.??????")}, QDir::Files | QDir::Hidden))
        if (temporal.match(f.fileName()).hasMatch() && f.lastModified() < ayer)
            QFile::remove(f.absoluteFilePath());
}

} // namespace

bool respaldar(const QString& ruta, QString* fallo)
{
    const auto fallar = [fallo](const Descripcion& motivo) {
        escribirLog(QStringLiteral("respaldar() -> ") + motivo.registro);
        if (fallo)
            *fallo = motivo.pantalla;
        return false;
    };
    if (!baseAbierta())
        return fallar(sinBaseDescrita());
    Ocupado ocupado;
    const QFileInfo destino(ruta);
    // Renamed over the working database, the copy would leave the open
    // connection writing to a file that is gone.
    if (esLaBaseAbierta(destino))
        return fallar(describir(
            QT_TRANSLATE_NOOP("almacen", "%1 is the working database: choose another file"),
            QDir::toNativeSeparators(destino.absoluteFilePath())));
    quitarTemporalesViejos(destino);
    // An empty file is a place SQLite copies into; it is removed unless the
    // copy is renamed over the target.
    QTemporaryFile temporal(destino.absolutePath() + QStringLiteral("/.") + destino.fileName() +
                            QStringLiteral(".XXXXXX"));
    if (!temporal.open())
        return fallar(igual(temporal.errorString()));
    temporal.close();
    QSqlQuery q(base());
    if (!q.prepare(QStringLiteral("vacuum into ?")))
        return fallar(igual(descripcion(q.lastError())));
    q.addBindValue(temporal.fileName());
    if (!q.exec())
        return fallar(igual(descripcion(q.lastError())));
    // SQLite leaves the copy unsynchronised: on the disk before the rename.
    if (!temporal.open())
        return fallar(igual(temporal.errorString()));
    if (::fsync(temporal.handle()) != 0)
        return fallar(igual(QString::fromLocal8Bit(std::strerror(errno))));
    temporal.close();
    if (std::rename(QFile::encodeName(temporal.fileName()).constData(),
                    QFile::encodeName(destino.absoluteFilePath()).constData()) != 0)
        return fallar(igual(QString::fromLocal8Bit(std::strerror(errno))));
    temporal.setAutoRemove(false);
    return true;
}

namespace {

// The column names of a table, read through `db`.
QStringList columnasTabla(const QSqlDatabase& db, const QString& tabla)
{
    QSqlQuery q(db);
    QStringList columnas;
    if (q.prepare(QStringLiteral("select name from pragma_table_info(?)"))) {
        q.addBindValue(tabla);
        if (q.exec())
            while (q.next())
                columnas << q.value(0).toString().toLower();
    }
    return columnas;
}

} // namespace

namespace {

// The age/sex group columns of a reference table.
QStringList columnasDeGrupo(const QStringList& columnas)
{
    static const QRegularExpression grupo(
        QStringLiteral("^(infants[12]|children[12]|males[1-6]|females[1-6])$"));
    QStringList grupos;
    for (const QString& c : columnas)
        if (grupo.match(c).hasMatch())
            grupos << c;
    return grupos;
}

// Whether a value read with its SQLite type is a whole number within
// [minimo, maximo].
bool entero(const QVariant& valor, const QString& tipo, qint64 minimo, qint64 maximo)
{
    if (tipo != QLatin1String("integer"))
        return false;
    const qint64 v = valor.toLongLong();
    return v >= minimo && v <= maximo;
}

// A reference value as read: a number, empty (null), or not valid.
struct Celda
{
    bool valida = false;
    QVariant valor;
};

bool distintas(const QVariant& a, const QVariant& b)
{
    return a.isNull() != b.isNull() || (!a.isNull() && a.toDouble() != b.toDouble());
}

// The values of the `grupos` columns of a reference table of `db`, by
// nutrient key; columns the table lacks are left out of each row.
QString leerCeldas(const QSqlDatabase& db, const QString& tabla, const QStringList& grupos,
                   QHash<QString, QHash<QString, Celda>>& celdas)
{
    const QStringList suyas = columnasTabla(db, tabla);
    QStringList presentes;
    for (const QString& g : grupos)
        if (suyas.contains(g))
            presentes << g;
    if (!suyas.contains(QStringLiteral("key")))
        return QString();
    // Table and column names come from this program's own lists.
    QString sentencia = QStringLiteral("select key");
    for (const QString& g : std::as_const(presentes))
        sentencia += QStringLiteral(", %1, typeof(%1)").arg(g);
    sentencia += QStringLiteral(" from ") + tabla;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(sentencia))
        return descripcion(q.lastError());
    while (q.next()) {
        QHash<QString, Celda>& fila = celdas[q.value(0).toString()];
        for (int i = 0; i < presentes.size(); ++i) {
            const QString tipo = q.value(2 + 2 * i).toString();
            const double v = q.value(1 + 2 * i).toDouble();
            Celda c;
            if ((tipo == QLatin1String("integer") || tipo == QLatin1String("real")) &&
                std::isfinite(v) && v >= 0 && v < 1e9) {
                c.valida = true;
                c.valor = v;
            } else if (tipo == QLatin1String("null")) {
                c.valida = true;
                c.valor = QVariant(QMetaType::fromType<double>());
            }
            fila.insert(presentes.at(i), c);
        }
    }
    return QString();
}

// The reference values `tabla` of the open database gets from the file: the
// cells the user edited there (those that differ from the values delivered
// with the file: its pristine copy, or for a file of an earlier release,
// which has none, the values delivered now, unchanged since the first
// release); every other cell gets the delivered value.
QString leerValores(const QSqlDatabase& copia, const QString& tabla, Respaldo& r)
{
    const QStringList grupos = columnasDeGrupo(columnasTabla(base(), tabla));
    if (grupos.isEmpty())
        return QString();
    QHash<QString, QHash<QString, Celda>> actuales, entregadas, suyas, suyasEntregadas;
    QString m = leerCeldas(base(), tabla, grupos, actuales);
    const QString copiaTabla = copiaEntregada(tabla);
    const bool conEntregadas = esTabla(base(), copiaTabla);
    if (m.isEmpty() && conEntregadas)
        m = leerCeldas(base(), copiaTabla, grupos, entregadas);
    if (m.isEmpty() && esTabla(copia, tabla))
        m = leerCeldas(copia, tabla, grupos, suyas);
    if (m.isEmpty()) {
        if (esTabla(copia, copiaTabla))
            m = leerCeldas(copia, copiaTabla, grupos, suyasEntregadas);
        else
            suyasEntregadas = entregadas;
    }
    if (!m.isEmpty())
        return m;
    for (auto fila = actuales.cbegin(); fila != actuales.cend(); ++fila) {
        const QString& clave = fila.key();
        for (const QString& g : grupos) {
            const Celda actual = fila->value(g);
            const Celda entregada = entregadas.value(clave).value(g);
            const auto suya = suyas.constFind(clave);
            const bool enArchivo = suya != suyas.cend() && suya->contains(g);
            QVariant valor = conEntregadas && entregada.valida ? entregada.valor : actual.valor;
            if (enArchivo && !suya->value(g).valida) {
                ++r.omitidas;
                if (!conEntregadas)
                    continue;
            } else if (enArchivo) {
                const QVariant v = suya->value(g).valor;
                const Celda antes = suyasEntregadas.value(clave).value(g);
                // Without delivered values to tell, the file's value is taken.
                if (!antes.valida || distintas(v, antes.valor)) {
                    valor = v;
                    ++r.editados;
                } else if (!conEntregadas) {
                    valor = v;
                }
            } else if (!conEntregadas) {
                continue;
            }
            if (distintas(valor, actual.valor)) {
                ++r.valoresDistintos;
                r.valores.append({tabla, clave, g, valor});
            }
        }
    }
    return QString();
}

// A value read with its SQLite type as a finite number; none when it is not
// one.
std::optional<double> numero(const QVariant& valor, const QString& tipo)
{
    if (tipo != QLatin1String("integer") && tipo != QLatin1String("real"))
        return std::nullopt;
    const double x = valor.toDouble();
    return std::isfinite(x) ? std::optional<double>(x) : std::nullopt;
}

// The length of a text in characters.
qsizetype caracteres(const QString& texto)
{
    return QStringView(texto).toUcs4().size();
}

// The largest id of an own food: above it a double no longer holds every
// whole number.
constexpr qint64 finPropios = (qint64(1) << 53) - 1;

// Whether `db` has every table of own foods and recipes.
bool conTablasPropias(const QSqlDatabase& db)
{
    for (const char* t : {"own_foods", "own_ingredients", "own_unknown", "measures"})
        if (!esTabla(db, QLatin1String(t)))
            return false;
    return true;
}

// The columns of `total` that the file and the open database both have,
// empty when the file has no such table or lacks the id, the description or
// the group.
QStringList columnasComunes(const QSqlDatabase& copia)
{
    if (!esTabla(copia, QStringLiteral("total")))
        return {};
    const QStringList suyas = columnasTabla(copia, QStringLiteral("total"));
    QStringList comunes;
    for (const QString& c : columnasTabla(base(), QStringLiteral("total")))
        if (suyas.contains(c) && !identificador(c).isEmpty())
            comunes << c;
    for (const char* necesaria : {"id", "description", "group_id"})
        if (!comunes.contains(QLatin1String(necesaria)))
            return {};
    return comunes;
}

// How a food of the file is checked: the longest description and, for an
// own food, the groups of the open database (any other group becomes "My
// foods"); without them any group of 1 to 20 characters is taken.
struct ReglasAlimento
{
    qsizetype largoDescripcion;
    const QSet<QString>* grupos;
};

// The row `q` holds (each column of `columnas` followed by its type) as it
// goes into the open database, the food's id `id`; false when it is not
// valid.
bool filaAlimento(const QSqlQuery& q, const QStringList& columnas, qint64 id,
                  const ReglasAlimento& reglas, QVariantList& fila)
{
    for (int i = 0; i < columnas.size(); ++i) {
        const QString& c = columnas.at(i);
        const QString tipo = q.value(2 * i + 1).toString();
        const QVariant v = q.value(2 * i);
        const bool texto = tipo == QLatin1String("text");
        if (c == QLatin1String("id")) {
            fila << id;
        } else if (c == QLatin1String("description")) {
            const qsizetype largo = caracteres(v.toString());
            if (!texto || largo < 1 || largo > reglas.largoDescripcion)
                return false;
            fila << v.toString();
        } else if (c == QLatin1String("group_id") && reglas.grupos) {
            fila << (texto && reglas.grupos->contains(v.toString()) ? v.toString() : grupoPropio);
        } else if (c == QLatin1String("group_id")) {
            if (!texto || v.toString().isEmpty() || v.toString().size() > 20)
                return false;
            fila << v.toString();
        } else if (tipo == QLatin1String("null")) {
            fila << QVariant(QMetaType::fromType<double>());
        } else {
            const std::optional<double> x = numero(v, tipo);
            if (!x || *x < 0 || *x >= 1e9)
                return false;
            fila << *x;
        }
    }
    return true;
}

// The valid rows of the foods `ids` of the file's `total`, in `columnas`,
// into `filas` by id; a food without a valid row is not put there.
QString leerAlimentos(const QSqlDatabase& copia, const QStringList& columnas, QList<qint64> ids,
                      const ReglasAlimento& reglas, QMap<qint64, QVariantList>& filas)
{
    QString sentencia = QStringLiteral("select ");
    for (const QString& c : columnas)
        sentencia += QStringLiteral("%1, typeof(%1), ").arg(identificador(c));
    sentencia.chop(2);
    sentencia += QStringLiteral(" from total where id=?");
    QSqlQuery q(copia);
    if (!q.prepare(sentencia))
        return descripcion(q.lastError());
    std::sort(ids.begin(), ids.end());
    for (const qint64 id : std::as_const(ids)) {
        q.addBindValue(id);
        if (!q.exec())
            return descripcion(q.lastError());
        QVariantList fila;
        if (q.next() && filaAlimento(q, columnas, id, reglas, fila))
            filas.insert(id, fila);
    }
    return QString();
}

// The foods `faltan` as the file describes them; a food whose row is not
// valid is not carried.
QString leerRetirados(const QSqlDatabase& copia, const QSet<qint64>& faltan, Respaldo& r)
{
    if (faltan.isEmpty() || r.columnasAlimentos.isEmpty() ||
        !esTabla(base(), QStringLiteral("withdrawn")))
        return QString();
    return leerAlimentos(copia, r.columnasAlimentos, QList<qint64>(faltan.cbegin(), faltan.cend()),
                         {500, nullptr}, r.retirados);
}

// The foods of the open database that a restore keeps: all but its own
// ones, which give way to the file's.
QString alimentosQueQuedan(QSet<qint64>& alimentos)
{
    QSqlQuery t(base());
    t.setForwardOnly(true);
    if (!t.exec(conTablasPropias(base())
                    ? QStringLiteral("select id from total where id not in (select id from "
                                     "own_foods)")
                    : QStringLiteral("select id from total")))
        return descripcion(t.lastError());
    while (t.next())
        alimentos.insert(t.value(0).toLongLong());
    return QString();
}

// The foods the file's rows name that the open database lacks, to be carried
// as withdrawn where the file describes them, and the positions of the
// intakes and ingredients that name them.
struct Faltantes
{
    QSet<qint64> alimentos;
    QList<int> ingestas;
    QList<int> ingredientes;
};

// Leaves out the rows at `posiciones` of `filas` whose food (column
// `columna`) was not carried as withdrawn.
void quitarSinAlimento(QList<QVariantList>& filas, const QList<int>& posiciones, int columna,
                       Respaldo& r)
{
    for (auto i = posiciones.crbegin(); i != posiciones.crend(); ++i)
        if (!r.retirados.contains(filas.at(*i).at(columna).toLongLong())) {
            filas.removeAt(*i);
            ++r.omitidas;
        }
}

// The valid rows of the file's own_foods whose foods its `total` describes
// validly, with those rows; an id that a food of the open database kept
// (`alimentos`) has is not taken.
QString leerMarcas(const QSqlDatabase& copia, const QSet<qint64>& alimentos, Respaldo& r)
{
    QSqlQuery q(copia);
    q.setForwardOnly(true);
    if (!q.exec(
            QStringLiteral("select id, kind, cooked_weight, servings, typeof(id), typeof(kind), "
                           "typeof(cooked_weight), typeof(servings) from own_foods order by "
                           "id")))
        return descripcion(q.lastError());
    QList<QVariantList> marcas;
    QList<qint64> ids;
    while (q.next()) {
        const qint64 id = q.value(0).toLongLong();
        const bool sinPeso = q.value(6).toString() == QLatin1String("null");
        const std::optional<double> peso = numero(q.value(2), q.value(6).toString());
        const bool sinRaciones = q.value(7).toString() == QLatin1String("null");
        if (!entero(q.value(0), q.value(4).toString(), primerPropio, finPropios) ||
            alimentos.contains(id) || ids.contains(id) ||
            !entero(q.value(1), q.value(5).toString(), 0, 1) ||
            (!sinPeso && (!peso || *peso <= 0 || *peso >= 1e9)) ||
            (!sinRaciones && !entero(q.value(3), q.value(7).toString(), 1, 999))) {
            ++r.omitidas;
            continue;
        }
        ids << id;
        marcas.append({id, q.value(1).toLongLong(),
                       sinPeso ? QVariant(QMetaType::fromType<double>()) : QVariant(*peso),
                       sinRaciones ? QVariant(QMetaType::fromType<qint64>())
                                   : QVariant(q.value(3).toLongLong())});
    }
    QSet<QString> grupos;
    QSqlQuery g(base());
    if (g.exec(QStringLiteral("select id from groups")))
        while (g.next())
            grupos.insert(g.value(0).toString());
    if (const QString m = leerAlimentos(copia, r.columnasAlimentos, ids, {200, &grupos}, r.propios);
        !m.isEmpty())
        return m;
    for (const QVariantList& m : std::as_const(marcas))
        if (r.propios.contains(m.at(0).toLongLong()))
            r.marcasPropias << m;
        else
            ++r.omitidas;
    return QString();
}

// The valid household measures of the file's own foods that arrive.
QString leerMedidasPropias(const QSqlDatabase& copia, Respaldo& r)
{
    QSqlQuery q(copia);
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("select id, food_id, seq, amount, name, grams, typeof(id), "
                                  "typeof(food_id), typeof(seq), typeof(amount), typeof(name), "
                                  "typeof(grams) from measures where food_id >= ? order by "
                                  "food_id, seq, id")))
        return descripcion(q.lastError());
    q.addBindValue(primerPropio);
    if (!q.exec())
        return descripcion(q.lastError());
    QSet<qint64> ids;
    while (q.next()) {
        const auto positivo = [&q](int i) {
            const std::optional<double> x = numero(q.value(i), q.value(6 + i).toString());
            return x && *x > 0 && *x < 1e9;
        };
        const qsizetype largo = caracteres(q.value(4).toString());
        if (!entero(q.value(1), q.value(7).toString(), primerPropio, finPropios) ||
            !r.propios.contains(q.value(1).toLongLong()) ||
            !entero(q.value(2), q.value(8).toString(), INT_MIN, INT_MAX) || !positivo(3) ||
            q.value(10).toString() != QLatin1String("text") || largo < 1 || largo > 200 ||
            !positivo(5)) {
            ++r.omitidas;
            continue;
        }
        const qint64 id = q.value(0).toLongLong();
        const bool conId =
            entero(q.value(0), q.value(6).toString(), 1, finPropios) && !ids.contains(id);
        if (conId)
            ids.insert(id);
        r.medidasPropias.append({conId ? QVariant(id) : QVariant(QMetaType::fromType<qint64>()),
                                 q.value(1).toLongLong(), q.value(2).toLongLong(),
                                 q.value(3).toDouble(), q.value(4).toString(),
                                 q.value(5).toDouble()});
    }
    return QString();
}

// The valid ingredients of the file's recipes that arrive: each names a food
// the open database keeps, an own food of the file or a food that `faltan`
// gets.
QString leerIngredientes(const QSqlDatabase& copia, const QSet<qint64>& alimentos, Respaldo& r,
                         Faltantes& faltan)
{
    QSet<qint64> recetas;
    for (const QVariantList& m : std::as_const(r.marcasPropias))
        if (m.at(1).toLongLong() == 1)
            recetas.insert(m.at(0).toLongLong());
    QSqlQuery q(copia);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select id, recipe_id, seq, food_id, grams, measure, typeof(id), "
                               "typeof(recipe_id), typeof(seq), typeof(food_id), typeof(grams), "
                               "typeof(measure) from own_ingredients order by recipe_id, seq, "
                               "id")))
        return descripcion(q.lastError());
    QSet<qint64> ids;
    while (q.next()) {
        const qint64 alimento = q.value(3).toLongLong();
        const std::optional<double> gramos = numero(q.value(4), q.value(10).toString());
        const QString tipoMedida = q.value(11).toString();
        const bool sinMedida = tipoMedida == QLatin1String("null");
        const bool conocido = alimentos.contains(alimento);
        if (q.value(7).toString() != QLatin1String("integer") ||
            !recetas.contains(q.value(1).toLongLong()) ||
            !entero(q.value(2), q.value(8).toString(), INT_MIN, INT_MAX) ||
            !entero(q.value(3), q.value(9).toString(), 1, finPropios) ||
            (!conocido && alimento >= primerPropio) || !gramos || *gramos <= 0 || *gramos > 1e6 ||
            (!sinMedida &&
             (tipoMedida != QLatin1String("text") || caracteres(q.value(5).toString()) > 300))) {
            ++r.omitidas;
            continue;
        }
        if (!conocido) {
            faltan.alimentos.insert(alimento);
            faltan.ingredientes << int(r.ingredientes.size());
        }
        const qint64 id = q.value(0).toLongLong();
        const bool conId =
            entero(q.value(0), q.value(6).toString(), 1, finPropios) && !ids.contains(id);
        if (conId)
            ids.insert(id);
        r.ingredientes.append({conId ? QVariant(id) : QVariant(QMetaType::fromType<qint64>()),
                               q.value(1).toLongLong(), q.value(2).toLongLong(), alimento, *gramos,
                               sinMedida ? QVariant(QMetaType::fromType<QString>())
                                         : QVariant(q.value(5).toString())});
    }
    return QString();
}

// The valid rows of the file's own_unknown: a nutrient of an own food that
// arrives, and how many of its ingredients lack its value.
QString leerDesconocidos(const QSqlDatabase& copia, Respaldo& r)
{
    QSqlQuery q(copia);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select food_id, nutrient, ingredients, typeof(food_id), "
                               "typeof(nutrient), typeof(ingredients) from own_unknown order by "
                               "food_id, nutrient")))
        return descripcion(q.lastError());
    QSet<QPair<qint64, QString>> vistos;
    while (q.next()) {
        const QPair<qint64, QString> clave(q.value(0).toLongLong(), q.value(1).toString());
        if (q.value(3).toString() != QLatin1String("integer") || !r.propios.contains(clave.first) ||
            q.value(4).toString() != QLatin1String("text") ||
            identificador(clave.second).isEmpty() ||
            !entero(q.value(2), q.value(5).toString(), 1, INT_MAX) || vistos.contains(clave)) {
            ++r.omitidas;
            continue;
        }
        vistos.insert(clave);
        r.desconocidos.append({clave.first, clave.second, q.value(2).toLongLong()});
    }
    return QString();
}

// The file's own foods and recipes, when both databases have their tables;
// `alimentos` (the foods the open database keeps) gets their ids.
QString leerPropios(const QSqlDatabase& copia, Respaldo& r, QSet<qint64>& alimentos,
                    Faltantes& faltan)
{
    if (r.columnasAlimentos.isEmpty() || !esTabla(copia, QStringLiteral("own_foods")) ||
        !conTablasPropias(base()))
        return QString();
    QString m = leerMarcas(copia, alimentos, r);
    if (!m.isEmpty())
        return m;
    for (auto i = r.propios.cbegin(); i != r.propios.cend(); ++i)
        alimentos.insert(i.key());
    if (esTabla(copia, QStringLiteral("measures")))
        m = leerMedidasPropias(copia, r);
    if (m.isEmpty() && esTabla(copia, QStringLiteral("own_ingredients")))
        m = leerIngredientes(copia, alimentos, r, faltan);
    if (m.isEmpty() && esTabla(copia, QStringLiteral("own_unknown")))
        m = leerDesconocidos(copia, r);
    return m;
}

// The valid profiles of the file, their ids in `ids`.
QString leerPerfiles(const QSqlDatabase& copia, Respaldo& r, QSet<qint64>& ids)
{
    QSqlQuery q(copia);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select id, name, last, age, gender, weight, typeof(id), "
                               "typeof(name), typeof(last), typeof(age), typeof(gender), "
                               "typeof(weight) from profiles order by id")))
        return descripcion(q.lastError());
    bool conActual = false;
    while (q.next()) {
        const QString nombre = q.value(1).toString();
        const qsizetype largo = QStringView(nombre).toUcs4().size();
        const auto nuloOEntero = [&q](int i, qint64 minimo, qint64 maximo) {
            return q.value(6 + i).toString() == QLatin1String("null") ||
                   entero(q.value(i), q.value(6 + i).toString(), minimo, maximo);
        };
        const qint64 id = q.value(0).toLongLong();
        if (!entero(q.value(0), q.value(6).toString(), 1, 2147483647) || ids.contains(id) ||
            q.value(7).toString() != QLatin1String("text") || largo < 1 || largo > 255 ||
            nombre.startsWith(QChar(0xFEFF)) || !nuloOEntero(2, 0, 1) || !nuloOEntero(3, 0, 9) ||
            !nuloOEntero(4, 0, 1) || !nuloOEntero(5, 0, 999)) {
            ++r.omitidas;
            continue;
        }
        ids.insert(id);
        // One profile is the current one; a second mark is dropped.
        const bool actual = q.value(2).toLongLong() == 1 && !conActual;
        conActual = conActual || actual;
        r.perfiles.append({id, nombre, actual ? 1 : 0, q.value(3), q.value(4), q.value(5)});
    }
    if (!conActual && !r.perfiles.isEmpty())
        r.perfiles.first()[2] = 1;
    return QString();
}

// The valid intakes of the file's valid profiles, of the foods `alimentos`
// or of foods the food table lacks: those go into `faltan`. An intake of an
// own food that does not arrive is left out.
QString leerIngestas(const QSqlDatabase& copia, Respaldo& r, const QSet<qint64>& ids,
                     const QSet<qint64>& alimentos, Faltantes& faltan)
{
    QSqlQuery q(copia);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select food_id, prof_id, intake, typeof(food_id), "
                               "typeof(prof_id), typeof(intake), id, typeof(id) from saves "
                               "order by id")))
        return descripcion(q.lastError());
    QSet<QPair<qint64, qint64>> pares;
    QSet<qint64> idsIngesta;
    while (q.next()) {
        const QPair<qint64, qint64> par(q.value(0).toLongLong(), q.value(1).toLongLong());
        const bool conocido = alimentos.contains(par.first);
        if (q.value(3).toString() != QLatin1String("integer") || par.first < 1 ||
            (!conocido && par.first >= primerPropio) ||
            q.value(4).toString() != QLatin1String("integer") || !ids.contains(par.second) ||
            !entero(q.value(2), q.value(5).toString(), 0, 99999) || pares.contains(par)) {
            ++r.omitidas;
            continue;
        }
        if (!conocido) {
            faltan.alimentos.insert(par.first);
            faltan.ingestas << int(r.ingestas.size());
        }
        pares.insert(par);
        // Its id is kept where it is one; otherwise the row gets a new one.
        const qint64 id = q.value(6).toLongLong();
        const bool conId =
            entero(q.value(6), q.value(7).toString(), 1, 2147483647) && !idsIngesta.contains(id);
        if (conId)
            idsIngesta.insert(id);
        r.ingestas.append({conId ? QVariant(id) : QVariant(QMetaType::fromType<qint64>()),
                           par.first, par.second, q.value(2).toLongLong()});
    }
    return QString();
}

// Reads the checked user rows of `copia` into `r`, against what the open
// database holds (its foods, its reference tables).
QString leerFilas(const QSqlDatabase& copia, Respaldo& r)
{
    QSet<qint64> ids;
    if (const QString m = leerPerfiles(copia, r, ids); !m.isEmpty())
        return m;
    r.columnasAlimentos = columnasComunes(copia);
    // The foods the rows may name: those the open database keeps and the
    // file's own ones. Foods the food table no longer has are carried as
    // withdrawn where the file still describes them.
    QSet<qint64> alimentos;
    Faltantes faltan;
    if (const QString m = alimentosQueQuedan(alimentos); !m.isEmpty())
        return m;
    if (const QString m = leerPropios(copia, r, alimentos, faltan); !m.isEmpty())
        return m;
    if (const QString m = leerIngestas(copia, r, ids, alimentos, faltan); !m.isEmpty())
        return m;
    if (const QString m = leerRetirados(copia, faltan.alimentos, r); !m.isEmpty())
        return m;
    // Rows of foods that neither file describes are left out.
    quitarSinAlimento(r.ingestas, faltan.ingestas, 1, r);
    quitarSinAlimento(r.ingredientes, faltan.ingredientes, 3, r);
    for (const QString& tabla :
         {QStringLiteral("DRIs"), QStringLiteral("ULs"), QStringLiteral("EARs")})
        if (const QString m = leerValores(copia, tabla, r); !m.isEmpty())
            return m;
    return QString();
}

} // namespace

bool hayTabla(const QString& nombre)
{
    return baseAbierta() && esTabla(base(), nombre);
}

namespace {

int llamarAvance(void* avance)
{
    (*static_cast<const std::function<void()>*>(avance))();
    return 0;
}

// Has SQLite call `avance` every few thousand steps of its statements on `db`.
void avisarAvance(const QSqlDatabase& db, const std::function<void()>* avance)
{
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return;
    sqlite3* conexion = *static_cast<sqlite3* const*>(v.constData());
    if (conexion)
        sqlite3_progress_handler(conexion, 20000, avance ? &llamarAvance : nullptr,
                                 const_cast<std::function<void()>*>(avance));
}

} // namespace

namespace {

// Why the open file `copia` cannot be restored from: not intact, or
// without the tables and columns the rows are read from; empty when it can.
Descripcion comprobarCopia(const QSqlDatabase& copia, const QString& ruta)
{
    QSqlQuery q(copia);
    if (!q.exec(QStringLiteral("pragma integrity_check")) || !q.next() ||
        q.value(0).toString() != QLatin1String("ok")) {
        // Read only, SQLite cannot roll back what a crashed writer left
        // half done.
        const QFileInfo diario(ruta + QStringLiteral("-journal"));
        return diario.size() > 0
                   ? describir(QT_TRANSLATE_NOOP("almacen", "a change to it was never finished "
                                                            "(its journal %1 lies beside it)"),
                               diario.fileName())
                   : describir(QT_TRANSLATE_NOOP("almacen", "it is not an intact database"));
    }
    // The columns the rows are read from, as tables (a view or another
    // object of that name is no table of ours); the tables of own foods
    // only in a file that has them.
    const QList<QPair<const char*, QStringList>> requeridas = {
        {"profiles", {"id", "name", "last", "age", "gender", "weight"}},
        {"saves", {"food_id", "prof_id", "intake"}},
        {"DRIs", {"key"}}};
    const QList<QPair<const char*, QStringList>> propias = {
        {"own_foods", {"id", "kind", "cooked_weight", "servings"}},
        {"own_ingredients", {"id", "recipe_id", "seq", "food_id", "grams", "measure"}},
        {"own_unknown", {"food_id", "nutrient", "ingredients"}},
        {"measures", {"id", "food_id", "seq", "amount", "name", "grams"}}};
    const auto sinColumna = [&copia](const QString& tabla, const QStringList& columnas) {
        const QStringList suyas = columnasTabla(copia, tabla);
        for (const QString& c : columnas)
            if (!suyas.contains(c))
                return describir(QT_TRANSLATE_NOOP("almacen", "it has no column %1 in table %2"), c,
                                 tabla);
        return Descripcion();
    };
    for (const auto& [t, columnas] : requeridas) {
        const QString tabla = QLatin1String(t);
        if (!esTabla(copia, tabla))
            return describir(QT_TRANSLATE_NOOP("almacen", "it has no table %1"), tabla);
        if (const Descripcion m = sinColumna(tabla, columnas); !m.registro.isEmpty())
            return m;
    }
    if (esTabla(copia, QStringLiteral("own_foods")))
        for (const auto& [t, columnas] : propias)
            if (esTabla(copia, QLatin1String(t)))
                if (const Descripcion m = sinColumna(QLatin1String(t), columnas);
                    !m.registro.isEmpty())
                    return m;
    return Descripcion();
}

} // namespace

std::optional<Respaldo> leerRespaldo(const QString& ruta, QString* fallo,
                                     const std::function<void()>& avance, QString* falloRegistro)
{
    const auto fallar = [fallo,
                         falloRegistro](const Descripcion& motivo) -> std::optional<Respaldo> {
        escribirLog(QStringLiteral("leerRespaldo() -> ") + motivo.registro);
        if (fallo)
            *fallo = motivo.pantalla;
        if (falloRegistro)
            *falloRegistro = motivo.registro;
        return std::nullopt;
    };
    if (!baseAbierta())
        return fallar(sinBaseDescrita());
    Ocupado ocupado;
    // Not opened before: opening a named pipe waits for a writer.
    Descripcion motivoArchivo;
    if (!esArchivoNormal(ruta, &motivoArchivo))
        return fallar(motivoArchivo);
    if (QFileInfo(ruta).canonicalFilePath() == QFileInfo(base().databaseName()).canonicalFilePath())
        return fallar(describir(QT_TRANSLATE_NOOP("almacen", "%1 is the working database"), ruta));
    const QString nombre = QStringLiteral("alimetra-respaldo");
    Respaldo r;
    Descripcion motivo;
    {
        QSqlDatabase copia = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre);
        copia.setDatabaseName(ruta);
        copia.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!copia.open()) {
            motivo = igual(descripcion(copia.lastError()));
        } else {
            if (avance)
                avisarAvance(copia, &avance);
            motivo = comprobarCopia(copia, ruta);
            if (motivo.registro.isEmpty())
                motivo = igual(leerFilas(copia, r));
        }
        copia.close();
    }
    QSqlDatabase::removeDatabase(nombre);
    if (!motivo.registro.isEmpty())
        return fallar(describir(
            QT_TRANSLATE_NOOP("almacen", "%1 is not a database of Alimetra: %2"), ruta, motivo));
    return r;
}

namespace {

// Puts the rows of `r` in place of the user's, on the open connection; the
// caller holds the transaction.
class ReposicionFilas
{
public:
    ReposicionFilas(const Respaldo& r, QString& motivo) : m_r(r), m_motivo(motivo), m_q(base()) {}

    bool hacer()
    {
        const bool conPropios = conTablasPropias(base());
        return borrar(conPropios) &&
               todas(QStringLiteral("insert into profiles (id, name, last, age, gender, weight) "
                                    "values (?, ?, ?, ?, ?, ?)"),
                     m_r.perfiles) &&
               retirados() && (!conPropios || propios()) &&
               todas(QStringLiteral(
                         "insert into saves (id, food_id, prof_id, intake) values (?, ?, ?, ?)"),
                     m_r.ingestas) &&
               valores();
    }

private:
    // The user's rows of the open database: the own foods with their
    // measures, ingredients and partly known values too, where it has them.
    bool borrar(bool conPropios)
    {
        QStringList sentencias = {QStringLiteral("delete from saves"),
                                  QStringLiteral("delete from profiles")};
        if (conPropios)
            sentencias << QStringLiteral("delete from measures where food_id in (select id from "
                                         "own_foods)")
                       << QStringLiteral("delete from total where id in (select id from own_foods)")
                       << QStringLiteral("delete from own_ingredients")
                       << QStringLiteral("delete from own_unknown")
                       << QStringLiteral("delete from own_foods");
        for (const QString& s : std::as_const(sentencias))
            if (!m_q.exec(s)) {
                m_motivo = descripcion(m_q.lastError());
                return false;
            }
        return true;
    }
    bool ejecutar(const QVariantList& valores)
    {
        for (const QVariant& v : valores)
            m_q.addBindValue(v);
        if (m_q.exec())
            return true;
        m_motivo = descripcion(m_q.lastError());
        return false;
    }
    // One prepared statement run for each row.
    bool todas(const QString& sentencia, const QList<QVariantList>& filas)
    {
        m_q.prepare(sentencia);
        return std::all_of(filas.cbegin(), filas.cend(),
                           [this](const QVariantList& f) { return ejecutar(f); });
    }
    // The insert of a row of `total` in the columns the rows were read in.
    QString insercionAlimento() const
    {
        QStringList columnas;
        for (const QString& c : m_r.columnasAlimentos)
            columnas << identificador(c);
        return QStringLiteral("insert into total (%1) values (%2)")
            .arg(columnas.join(QLatin1Char(',')),
                 QStringList(columnas.size(), QStringLiteral("?")).join(QLatin1Char(',')));
    }
    // The withdrawn foods the intakes name, and their marks.
    bool retirados()
    {
        if (m_r.retirados.isEmpty())
            return true;
        QList<QVariantList> marcas;
        for (const qint64 id : m_r.retirados.keys())
            marcas << QVariantList{id};
        return todas(insercionAlimento(), m_r.retirados.values()) &&
               todas(QStringLiteral("insert or ignore into withdrawn (id) values (?)"), marcas);
    }
    // Like todas() for rows whose first value is their id: a row keeps its
    // id unless a row of `tabla` has it already, and gets a new one then.
    bool todasConId(const QString& tabla, const QString& columnas, const QList<QVariantList>& filas)
    {
        QList<QVariantList> dobles;
        for (const QVariantList& f : filas)
            dobles << QVariantList{f.at(0)} + f;
        // Table and columns come from this program's own lists.
        return todas(QStringLiteral("insert into %1 (%2) values (case when ? in (select id from "
                                    "%1) then null else ? end%3)")
                         .arg(tabla, columnas,
                              QStringLiteral(", ?").repeated(columnas.count(QLatin1Char(',')))),
                     dobles);
    }
    // The own foods and recipes of the file.
    bool propios()
    {
        return todas(insercionAlimento(), m_r.propios.values()) &&
               todas(QStringLiteral("insert into own_foods (id, kind, cooked_weight, servings) "
                                    "values (?, ?, ?, ?)"),
                     m_r.marcasPropias) &&
               todasConId(QStringLiteral("measures"),
                          QStringLiteral("id, food_id, seq, amount, name, grams"),
                          m_r.medidasPropias) &&
               todasConId(QStringLiteral("own_ingredients"),
                          QStringLiteral("id, recipe_id, seq, food_id, grams, measure"),
                          m_r.ingredientes) &&
               todas(QStringLiteral("insert into own_unknown (food_id, nutrient, ingredients) "
                                    "values (?, ?, ?)"),
                     m_r.desconocidos);
    }
    // The reference values the user had edited.
    bool valores()
    {
        for (const QVariantList& v : m_r.valores) {
            // Table and column come from this program's own lists.
            m_q.prepare(QStringLiteral("update %1 set %2=? where key=?")
                            .arg(v.at(0).toString(), identificador(v.at(2).toString())));
            if (!ejecutar({v.at(3), v.at(1)}))
                return false;
        }
        return true;
    }

    const Respaldo& m_r;
    QString& m_motivo;
    QSqlQuery m_q;
};

} // namespace

bool restaurar(const Respaldo& r, QString* fallo, QString* falloRegistro)
{
    if (!baseAbierta()) {
        const Descripcion motivo = sinBaseDescrita();
        escribirLog(QStringLiteral("restaurar() -> ") + motivo.registro);
        if (fallo)
            *fallo = motivo.pantalla;
        if (falloRegistro)
            *falloRegistro = motivo.registro;
        return false;
    }
    Ocupado ocupado;
    QString motivo;
    const bool hecho =
        enTransaccion([&r, &motivo] { return ReposicionFilas(r, motivo).hacer(); }, &motivo);
    if (!hecho) {
        escribirLog(QStringLiteral("restaurar() -> ") + motivo);
        if (fallo)
            *fallo = motivo;
        if (falloRegistro)
            *falloRegistro = motivo;
    }
    return hecho;
}

} // namespace almacen
