#pragma once

#include "catalogue/propios.h"

#include <QString>
#include <QStringList>

#include <optional>

// Own foods and recipes in a file of their own, for sharing them with
// another person of the program: one CSV (RFC 4180, UTF-8) with a line per
// food and its nutrients, then a line per recipe ingredient. No widgets.
namespace intercambio {

// Writes every own food and recipe to `ruta`; how many in `cuantos`. False,
// with the reason in `fallo` (and logged), when it could not; no half file
// is left then.
bool exportar(const QString& ruta, int* cuantos, QString* fallo);

// What a file brings, every food checked; none, with the reason naming the
// line (`fallo`), for a file that is not such a CSV.
struct Lectura
{
    // In the file's order. An ingredient that is an own food is named by
    // its description, its id 0 (ids differ from one database to another);
    // a USDA one has its number.
    QList<propios::AlimentoPropio> alimentos;
    // The names of those foods that an own food already has.
    QStringList repetidos;
};

std::optional<Lectura> leer(const QString& ruta, QString* fallo);

// What to do with a food whose name an own food already has.
enum class Repetidos { Saltar, Reemplazar, Ambos };

struct Importacion
{
    int nuevos = 0;
    int reemplazados = 0;
    int saltados = 0;
};

// Stores the foods of `lectura` in one transaction; a food of a name that
// exists is skipped, replaces the own food (which keeps its id, so its
// intakes and recipes stay), or is stored beside it under a new name ("Soup
// (2)"). None, with the reason in `fallo`, when it could not: nothing is
// stored then.
std::optional<Importacion> importar(const Lectura& lectura, Repetidos repetidos, QString* fallo);

} // namespace intercambio
