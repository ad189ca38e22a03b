#pragma once

#include "profiles/perfilactual.h"

#include <QList>
#include <QString>

#include <optional>

// One food of the week and what it gives of one nutrient.
struct FuenteNutriente
{
    qint64 alimento = 0;
    QString descripcion;
    qint64 gramos = 0; // the week's intake
    // The amount of the nutrient in those grams (for the energy sources, its
    // kilocalories); none when the food's value is unknown.
    std::optional<double> cantidad;
};

// The foods of the profile's week (intakes above 0 g) that hold the nutrient
// of column `clave` of `total`, each amount multiplied by `factor`: highest
// amount first, then the foods whose value is unknown. Foods with none of it
// are left out. `fallo` gets the failure's description (the list is then empty).
QList<FuenteNutriente> fuentesNutriente(const PerfilActual& perfil, const QString& clave,
                                        double factor, QString* fallo);
