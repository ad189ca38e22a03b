#pragma once

#include "evaluation/valoresrecomendados.h"
#include "profiles/perfilactual.h"

#include <QHash>
#include <QString>

#include <optional>

// The evaluation of a profile's week: every nutrient of the reference table
// summed over the recorded intakes and set against the daily reference value
// of the profile's age and sex group. Numbers only; the results list formats
// them where it shows them.
struct Evaluacion
{
    // The week's total of each nutrient, by nutrient key (0 when the week
    // holds none of it).
    QHash<QString, double> cantidadesIngeridas;
    // The week's total x 100 / daily reference value, by nutrient key: seven
    // times the percentage shown. No value when the group has no usable
    // reference value (none determined, or 0): the intake is still shown.
    QHash<QString, std::optional<double>> porcentajesRecomendacion;
};

// Sums every nutrient over the profile's intakes above 0 g in one statement
// and relates each sum to its reference value.
Evaluacion extraerResultados(const PerfilActual& perfil, const ValoresRecomendados& valores);

// Replaces the percentages of protein (grams per kg of body weight) and of the
// four energy sources (shares of the energy from protein, fat and
// carbohydrate) whose reference values are not plain amounts.
void calcularGeneral(Evaluacion& evaluacion, const PerfilActual& perfil,
                     const ValoresRecomendados& valores);

// The whole evaluation of the week: totals, then protein and energy shares.
Evaluacion evaluar(const PerfilActual& perfil, const ValoresRecomendados& valores);

// Rounds to two decimals; an exact half, judged on the decimal digits of the
// number (0.125, 0.375), goes to the even neighbour.
double redondearDosDecimales(double valor);
