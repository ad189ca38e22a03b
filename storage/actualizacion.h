#pragma once

#include <QString>

#include <optional>

// Moving the user's data to the database a new release delivers: a new
// working file is built from the delivered one and the user's rows are
// carried over, as a restore would carry them; the old file stays beside it.
namespace almacen {

// Whether the working database `trabajo` is older than the delivered
// `entregada`: an earlier version of the tables, or the same version built
// from other delivered tables (by their fingerprint). False when either file
// is missing, they are one file, or the delivered file has no version.
bool haceFaltaActualizar(const QString& trabajo, const QString& entregada);

struct Actualizacion
{
    int perfiles = 0;
    int ingestas = 0;
    int editados = 0;  // reference values the user had changed
    int retirados = 0; // foods kept for old intakes, marked withdrawn
    int propios = 0;   // the user's own foods and recipes
    QString anterior;  // where the old file is kept
};

// Builds the new working file beside `trabajo` (a link is followed to its
// file) from `entregada`, carries the user's profiles (ids kept), intakes,
// current profile, edited reference values and own foods and recipes (ids
// kept) over in one transaction, keeps
// the old file as "trabajo.before-VERSION" (`version`: the program's) and
// renames the new one over `trabajo` in one step, with the old file's
// permissions. Until that rename the old file is untouched and is the working
// database; an interrupted upgrade leaves a temporary file that the next one
// removes. For the one instance of the program, before the database is
// opened for work; the shared connection is closed afterwards. None, with the
// reason in `fallo` (and logged), when it could not: nothing changed then.
std::optional<Actualizacion> actualizar(const QString& trabajo, const QString& entregada,
                                        const QString& version, QString* fallo);

// "Your data moved to the new food table: 3 profiles, 42 intakes, 2 edited
// reference values" (and ", 4 own foods" when there are any).
QString textoActualizacion(const Actualizacion& a);

} // namespace almacen
