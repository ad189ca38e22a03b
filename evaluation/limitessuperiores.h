#pragma once

#include "profiles/perfilactual.h"

#include <QHash>
#include <QString>

#include <optional>

// The intake an upper limit is set against.
enum class Aplicacion {
    Total,       // the week's total of the nutrient itself
    Retinol,     // the total of preformed vitamin A (`Retinol`), not of the RAE
    Suplementos, // supplements and fortified foods only: never food
    Cdrr,        // the total, against the intake above which to reduce it
};

// One group's daily value of a nutrient in a reference table; no value
// where none is set.
struct ValorGrupo
{
    std::optional<double> valor;
    // Whether the user changed it on tab 7, and the delivered value (none
    // where none was delivered). Nothing is changed in a database without
    // delivered values.
    bool editado = false;
    std::optional<double> entregado;
};

// The daily upper limit of one nutrient for a group.
struct LimiteSuperior : ValorGrupo
{
    Aplicacion aplica = Aplicacion::Total;
};

// The upper limits of the profile's age and sex group, by nutrient key.
using LimitesSuperiores = QHash<QString, LimiteSuperior>;

// Reads table `ULs` for the profile's group. A database without the table
// (made before it existed) has no limits: nothing is read and nothing logged.
LimitesSuperiores leerLimitesSuperiores(const PerfilActual& perfil);

// The average requirements (EAR) of the profile's age and sex group, by
// nutrient key, from table `EARs`: those given per kilogram of body weight
// (protein in g, amino acids in mg) already for the profile's weight, in the
// units of the food table. A database without the table has none.
using Requerimientos = QHash<QString, ValorGrupo>;
Requerimientos leerRequerimientos(const PerfilActual& perfil);

// The column of `total` a limit's intake is summed from.
QString columnaComparada(const QString& clave, Aplicacion aplica);
