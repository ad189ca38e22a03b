#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// The food files of the USDA Standard Reference (release 24) as they arrive in
// the archive: the list of current foods, one XML file per food, the food
// groups and the nutrient columns they become.
namespace construccion {

// One nutrient of the food files and the column of `total` that holds it.
struct Nutriente
{
    const char* nombreXml;   // the `name` attribute of <nutrient>
    const char* columna;     // column of `total`
};

// Every nutrient of the food files, in column order. Vitamin_A_RAE is not
// among them: it is computed (see calcularRae).
const QList<Nutriente>& nutrientes();

// Columns of `total` after id, description and group_id, in order:
// the nutrients above with Vitamin_A_RAE after them.
QStringList columnasNutrientes();

inline constexpr const char* columnaRae = "Vitamin_A_RAE";

// One entry of foods.index.
struct EntradaIndice
{
    int id = 0;
    QString descripcion;
};

// Parses an index ("NNNNN|description" a line). Descriptions are kept as given,
// blanks included. `origen` names the file in messages. Returns false and sets
// `error` on a malformed line, or on a repeated number when `unicos` is set
// (the list of withdrawn foods names some foods twice).
bool leerIndice(const QByteArray& texto, const QString& origen, bool unicos,
                QList<EntradaIndice>* entradas, QString* error);

// The nutrient amounts of one food file, by XML nutrient name.
struct Alimento
{
    int id = 0;
    QString nombre;
    QHash<QString, double> cantidades;
};

// Parses one food file. Returns false and sets `error` (with the line and
// column) when it is not well-formed or a value is not a number.
bool leerAlimento(const QByteArray& xml, const QString& origen, Alimento* alimento,
                  QString* error);

// Retinol activity equivalents: Retinol + Beta-carotene/12 +
// (Alpha-carotene + Beta-cryptoxanthin)/24, unknown parts counted as 0;
// nothing when all four are unknown.
std::optional<double> calcularRae(const Alimento& alimento);

// The food groups: code ("0100") and name, ordered by code.
struct Grupo
{
    QString id;
    QString nombre;
};
const QList<Grupo>& grupos();

// The group of a food: the number's first two digits followed by "00", with
// the known exceptions; numbers that do not name their group are placed by
// the description. Empty when no existing group fits.
QString grupoDeAlimento(int id, const QString& descripcion);

} // namespace construccion
