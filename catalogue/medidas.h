#pragma once

#include "storage/basedatos.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <optional>

// Household measures ("1 cup", "1 tbsp") of the foods: reading them, turning
// a quantity of one into whole grams a week, and reading a weekly intake
// back as a daily amount. No widgets.
namespace medidas {

// One measure as the food table lists it: `gramos` weigh the whole
// `cantidad` of `nombre` (3 oz = 85 g).
struct Medida
{
    double cantidad = 1;
    QString nombre;
    double gramos = 0;

    double gramosPorUnidad() const { return gramos / cantidad; }
};

// The largest weekly intake the grams box takes (five digits).
inline constexpr qint64 maximoSemana = 99999;
// More than this of one food a week (10 kg) is more than a person eats: the
// helper enters it, with a warning.
inline constexpr qint64 semanaVerosimil = 10000;

// The measures of a food in the table's order; none when it has none. A
// failed read leaves `fallo` with the log entry's text.
QList<Medida> deAlimento(qint64 alimento, QString* fallo);

// The measures to choose from: one for each label (half a cup and a cup
// weigh the same per cup, and read "1 cup (244 g)" both), in the order given.
QList<Medida> sinRepetir(const QList<Medida>& lista, const QLocale& local);

// The weekly intake the profile has stored for the food; none when there is
// no row (or the read failed: `fallo` then says why).
std::optional<qint64> guardada(qint64 alimento, qint64 perfil, QString* fallo);

// The first measure of the food of an intake row (a `saves` id); none when
// the food has none.
std::optional<Medida> primeraDeIngesta(qint64 ingesta, QString* fallo);

// A quantity typed by the user in `local`'s number format: digits with at
// most one decimal separator, at most four significant digits, above 0.
// Blanks at either end are ignored. Anything else gives none.
std::optional<double> leerCantidad(const QString& texto, const QLocale& local);

// Whole grams a week for `cantidad` units of `gramosPorUnidad` eaten each
// day (`porDia`) or each week; halves round up.
qint64 gramosSemana(double cantidad, double gramosPorUnidad, bool porDia);

// A number for reading: up to two decimals, no trailing zeros, no thousands
// separators.
QString numero(double valor, const QLocale& local);

// "1 cup (244 g)": one unit of the measure and what it weighs.
QString etiqueta(const Medida& m, const QLocale& local);

// How much of one unit a day a weekly intake is: one decimal ("0.4") or,
// below 0.1, two significant digits ("0.041").
QString alDia(qint64 gramosSemana, double gramosPorUnidad, const QLocale& local);

// "700 g a week = about 0.4 cup a day"; in grams a day when `medida` is none.
QString lectura(qint64 gramosSemana, const Medida* medida, const QLocale& local);

} // namespace medidas
