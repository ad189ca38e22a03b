#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// What a database file says of itself: the version of its tables
// (`PRAGMA user_version`), the table `about` that names the food table's
// release and the sources of the reference values, and a fingerprint of the
// delivered tables. Files of earlier releases have none of these (version 0).
namespace almacen {

// The version of the tables this program reads and writes. Raised with every
// change of the tables; the upgrade carries the user's rows over.
inline constexpr int versionBase = 2;

// The user's own foods and recipes live in the delivered tables beside the
// USDA foods, so that every statement on `total` sees them: a row of
// `total` with an id from `primerPropio` on (no USDA number comes near), its
// household measures rows of `measures`, and a row of `own_foods` that marks
// it as the user's. A recipe's ingredients are rows of `own_ingredients`; the
// values a recipe knows only in part (an ingredient's value unknown) are
// rows of `own_unknown`. All of them are user rows: an upgrade and a restore
// carry them over.
inline constexpr qint64 primerPropio = 1000000000;
// The food group "My foods", which the USDA table does not have.
inline const QString grupoPropio = QStringLiteral("9900");
inline const QString nombreGrupoPropio = QStringLiteral("My foods");

// The statements that create the tables of own foods and recipes, and add
// the group "My foods".
QStringList definicionesPropias();

// Whether `nombre` (in any case) is a table of `db`: a view or another
// object of that name is not.
bool esTabla(const QSqlDatabase& db, const QString& nombre);

// The tables the builder delivers and the user never changes, with the
// pristine copies of the reference values (the user edits `DRIs`, `ULs` and
// `EARs` themselves, so their delivered values are kept beside them).
QStringList tablasEntregadas();

// The pristine copy of a reference table ("DRIs" -> "DRIs_delivered").
QString copiaEntregada(const QString& tabla);

// A fingerprint (SHA-256, hex) of the contents of the delivered tables of
// `db`, in row order, with the type of every value: two files give the same
// one exactly when those tables hold the same rows. Empty when a table is
// missing.
QString huellaContenido(const QSqlDatabase& db);

// Writes the pristine copies of `DRIs`, `ULs` and `EARs`, the table `about` (the food
// table's release, the sources of the reference values, the fingerprint) and
// the version into `db`, just built and inside no transaction. False with
// the driver's description in `fallo`.
bool sellarEntregada(const QSqlDatabase& db, const QString& alimentos, const QString& referencias,
                     QString* fallo);

struct InfoBase
{
    bool legible = false; // an SQLite database that could be read
    int version = 0;      // 0 for a file of an earlier release
    QString alimentos;    // the food table's release
    QString referencias;  // the sources of the reference values
    QString huella;       // the fingerprint written by the builder
};

// Reads what the file `ruta` says of itself, read only, without recovering
// anything (for the check at start, before the file is opened for work).
InfoBase leerInfoBase(const QString& ruta);

// The same of an open connection.
InfoBase leerInfoBase(const QSqlDatabase& db);

// What the About box and --version tell, a line each: the program and its
// version, the data folder, the food table's release and the sources of the
// reference values of the database `info` describes.
QStringList lineasAcerca(const QString& version, const QString& carpeta, const InfoBase& info);

} // namespace almacen
