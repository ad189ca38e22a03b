#pragma once

#include "storage/basedatos.h"
#include "storage/esquema.h"

#include <QHash>
#include <QList>
#include <QLocale>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// The user's own foods and recipes: a packaged food typed from its label, a
// home dish made of other foods. Each is a row of `total` beside the USDA
// foods (so that searching, ranking and the evaluation treat it as any
// food), marked as the user's in `own_foods`. No widgets.
namespace propios {

// A nutrient an own food can have: a column of `total`, its name and unit.
struct Nutriente
{
    QString columna;
    QString nombre;
    QString unidad;
    bool enEtiqueta = false; // one of those a label prints (shown first)
};

// Every nutrient an own food can have, those a label prints first (energy,
// fat, saturated fat, carbohydrate, sugars, fibre, protein, sodium), then the
// other nutrients with a reference value in their order, then the columns
// the evaluation also reads (retinol) and the water and ash a label may give.
// Only columns the food table has.
QList<Nutriente> nutrientes();

// A household measure of an own food: one unit weighs `gramos`.
struct MedidaPropia
{
    QString nombre;
    double gramos = 0;
};

// One ingredient of a recipe: a food of the table (USDA or own) and how much.
struct Ingrediente
{
    qint64 alimento = 0;
    double gramos = 0;
    // How it was given ("2 x 1 cup (244 g)"); empty when in grams.
    QString medida;
    // The food's description, as read back (not stored).
    QString descripcion;
};

enum class Tipo { Alimento = 0, Receta = 1 };

struct AlimentoPropio
{
    qint64 id = 0; // 0 while not stored
    Tipo tipo = Tipo::Alimento;
    QString nombre;
    QString grupo = almacen::grupoPropio;
    // Amounts per 100 g by column; a nutrient not here is unknown, never 0.
    // A recipe's are computed from its ingredients when it is stored.
    QHash<QString, double> valores;
    QList<MedidaPropia> medidas; // the user's; a recipe's serving is added
    // A recipe's.
    QList<Ingrediente> ingredientes;
    std::optional<double> pesoCocinado; // the dish; none: the ingredients' sum
    int raciones = 0;                   // 0: not said
    // Read back: the nutrients a recipe knows only in part, with how many of
    // its ingredients lack them.
    QHash<QString, int> desconocidos;

    bool receta() const { return tipo == Tipo::Receta; }
    // The weight of the dish: the one given, else the ingredients' sum.
    double pesoPlato() const;
};

inline constexpr int largoNombre = 200;
// The name of a recipe's serving measure: "1 serving (350 g)".
inline const QString nombreRacion = QStringLiteral("serving");

// A value printed for a serving of `gramosRacion` grams, per 100 g.
double porCienGramos(double valor, double gramosRacion);

// What a check found: a refusal (nothing is stored) or a question for the
// user (stored when they confirm). `campo` is the column, or "name",
// "weight", "servings", "measures", "ingredients", for the form to show.
struct Problema
{
    enum Nivel { Rechazo, Pregunta };
    Nivel nivel = Rechazo;
    QString campo;
    QString texto;
    QString ingles; // the text in English, as errors.log keeps it
};

// The checks on amounts per 100 g: protein, fat and carbohydrate (with water
// and ash where given) at most 100 g, energy at most 900 kcal; energy more
// than 20 % away from 4/9/4 kcal per g of protein/fat/carbohydrate asks.
QList<Problema> comprobarValores(const QHash<QString, double>& valores, const QLocale& local);

// Every check of the food before it is stored: a name (unique among the own
// foods, at most 200 characters), its measures, a recipe's ingredients
// (at least one, never the recipe itself through any chain), weight and
// servings, and the values of a food typed in (not of a recipe).
QList<Problema> comprobar(const AlimentoPropio& a, const QLocale& local);

// The amounts per 100 g of one ingredient, and the nutrients it knows only
// in part (itself a recipe with unknown values in it).
struct ValoresIngrediente
{
    double gramos = 0;
    QHash<QString, double> valores;
    QSet<QString> inciertos;
};

struct Calculo
{
    QHash<QString, double> valores;   // per 100 g of the dish
    QHash<QString, int> desconocidos; // lower bounds: ingredients lacking it
};

// A recipe's values per 100 g of a dish of `peso` grams: for each column,
// the sum of value x grams / 100 over the ingredients, per 100 g, to four
// significant digits. An
// ingredient without the value makes it a lower bound; no ingredient with
// it leaves it unknown.
Calculo calcularReceta(const QList<ValoresIngrediente>& ingredientes, double peso,
                       const QStringList& columnas);

// Whether the database has the tables of own foods.
bool disponibles();
bool esPropio(qint64 alimento);
// The ids of every own food (for marking them in lists).
QSet<qint64> idsPropios();

// The own foods (id, description, kind, group name, cooked weight, number
// of ingredients, number of nutrients known), by description.
almacen::Consulta lista();

// An own food as stored; none when there is none with that id.
std::optional<AlimentoPropio> leer(qint64 id, QString* fallo);

// A new own food with the values and measures of any food of the table: a
// USDA food keeps its description, an own one gets " (copy)".
std::optional<AlimentoPropio> copiaDe(qint64 alimento, QString* fallo);

// Stores `a` (a new one when its id is 0) with its measures and
// ingredients, computes a recipe's values, and computes again every recipe
// that uses it, all in one transaction. Returns its id; 0 when it could not
// (`fallo` says why; nothing changed). The checks are the caller's.
qint64 guardar(const AlimentoPropio& a, QString* fallo);

// The same within a transaction the caller holds (storing several foods
// as one action); 0 when a statement failed (logged).
qint64 escribir(const AlimentoPropio& a);

// The id of the own food of that name (in any case), 0 when there is none.
qint64 idDeNombre(const QString& nombre);

// The names of the profiles with an intake of the food, and of the recipes
// that have it as an ingredient.
QStringList perfilesQueLoUsan(qint64 alimento);
QStringList recetasQueLoUsan(qint64 alimento);

// Removes an own food, its measures and every intake of it in one
// transaction; refused (false, `fallo` naming them) while recipes use it.
bool quitar(qint64 id, QString* fallo);

// Whether a recipe `receta` (0: not stored yet) with `ingrediente` among its
// ingredients would contain itself.
bool formaCiclo(qint64 receta, qint64 ingrediente);

// The line the detail window shows of an own food: "Own food" or "Recipe:
// 9 ingredients, 1,450 g"; empty for any other food.
QString lineaFicha(qint64 alimento, const QLocale& local);

// The nutrients a recipe knows only in part and how many of its ingredients
// lack each, with the number of its ingredients.
QHash<QString, int> desconocidos(qint64 alimento, int* ingredientes = nullptr);

} // namespace propios
