#pragma once

#include "profiles/perfilactual.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>

// The profiles in the database: the current one and its personal data, the
// list, and the actions on a profile. No widgets: each action returns its
// outcome and the tab or dialog that ran it tells the user.

// The age groups of the personal data, by position 0 to 9, in the user's
// language.
QStringList gruposEdad();

// Reads the current profile's id and personal data into `perfil`.
void extraerDatosPersonales(PerfilActual& perfil);

// True while the profile's age group, sex or weight is missing, or its weight
// is 0; the tabs that need the personal data ask this first.
bool faltanDatosPersonales(const PerfilActual& perfil);

// One line on the profile: "Profile: <name> - <age group>, <sex>, <weight>
// kg", or that its personal data are not set yet.
QString resumenPerfil(const PerfilActual& perfil);

// The longest name a profile can be given, in characters.
inline constexpr int largoMaximoNombre = 200;
// A profile's name as a page shows it: line breaks and other control
// characters as blanks, and a name longer than a new one may be (from an
// older or restored file) cut short with "...".
QString nombreParaMostrar(const QString& nombre);

// Writes age group, sex and weight into the current profile's row; true when
// it was written.
bool escribirDatosPersonales(qint64 edad, qint64 genero, qint64 peso);

namespace perfiles {

struct Fila
{
    qint64 id = 0;
    QVariant nombre; // null for a profile without a name
    bool actual = false;
};

// Every profile, alphabetical by name whatever the letter case; `fallo` gets
// the description of a failed read.
QList<Fila> listar(QString* fallo);

// Makes profile `id` the current one: clearing every flag and setting one go
// together, so a failure leaves the previous profile current.
bool hacerActual(qint64 id, QString* fallo);

// Removes profile `id` and every intake of it, together or not at all.
bool borrar(qint64 id, QString* fallo);

// A new profile named `nombre`, current from now on; its id, 0 on failure.
qint64 crear(const QString& nombre);

// A copy of profile `origen` under `nombre`, with its personal data and
// intakes, current from now on; its id, 0 on failure (nothing is left half
// made: the source stays current).
qint64 copiar(qint64 origen, const QString& nombre);

bool renombrar(qint64 id, const QString& nombre);

// One intake of a profile as read for copying.
struct Ingesta
{
    qint64 alimento = 0;
    qint64 cantidad = 0;
};

// Inserts a profile named `nombre` and marked current; its id, 0 when none
// was created.
qint64 nuevoRegistro(const QString& nombre);
// age, gender and weight of a profile (null values stay null); `ok` is false
// when they could not be read or the profile does not exist.
std::array<QVariant, 3> extraerPersonalesPerfil(qint64 id, bool* ok = nullptr);
// Every intake of a profile, in the order the database gives them; `ok` is
// false when they could not be read.
QList<Ingesta> extraerAlimentosPerfil(qint64 id, bool* ok = nullptr);
// Gives the new profile a copy of the intakes; false at the first one that is
// not stored. Runs inside the caller's transaction.
bool duplicarDatos(qint64 idNuevo, const QList<Ingesta>& alimentos);
// Clears the flag of every profile but `id`; false when another one keeps it.
bool dejarActual(qint64 id);

} // namespace perfiles
