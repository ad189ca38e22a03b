#pragma once

#include <QHash>
#include <QString>

class QTreeWidget;

// The evaluation of the current profile's week: every nutrient of the
// reference table summed over the recorded intakes and set against the daily
// reference value of the profile's age and sex group.

// The week's total of each nutrient, by nutrient key, as text ("0" when the
// week holds none of it). Rebuilt by every run of extraerResultados().
const QHash<QString, QString>& cantidadesIngeridas();

// The week's total x 100 / daily reference value, by nutrient key, as text:
// seven times the percentage shown. Empty text when the group has no usable
// reference value (none determined, or 0): the intake is still shown.
const QHash<QString, QString>& porcentajesRecomendacion();

// Sums every nutrient over the current profile's intakes above 0 g in one
// statement and relates each sum to its reference value.
void extraerResultados();

// Replaces the percentages of protein (grams per kg of body weight) and of the
// four energy sources (shares of the energy from protein, fat and
// carbohydrate) whose reference values are not plain amounts.
void calcularGeneral();

// Rebuilds the rows of the results list from the two tables.
void rellenarResultados(QTreeWidget* lista);

// The whole evaluation of tab 5: totals, protein and energy shares, list.
void mostrarCantidadesRecomendadas(QTreeWidget* lista);

// Rounds to two decimals; an exact half, judged on the decimal digits of the
// number (0.125, 0.375), goes to the even neighbour.
double redondearDosDecimales(double valor);
