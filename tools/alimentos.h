#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// The food files of the USDA Standard Reference (release 24) as they arrive in
// the archive: the list of current foods, one XML file per food, the food
// groups and the nutrient columns they become; and what USDA's own published
// files of the release add to them: each food's group, its vitamin A RAE and
// the values of the foods the archive gets wrong.
namespace construccion {

// One nutrient of the food files and the column of `total` that holds it.
struct Nutriente
{
    const char* nombreXml; // the `name` attribute of <nutrient>
    const char* columna;   // column of `total`
};

// Every nutrient of the food files, in column order. Vitamin_A_RAE is not
// among them: it comes from USDA's published values (see leerRae).
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

// One household measure of a food file: `gramos` weigh the whole `cantidad`
// of `nombre` (3 oz = 85 g).
struct Medida
{
    double cantidad = 0;
    QString nombre;
    double gramos = 0;
    bool operator==(const Medida& o) const
    {
        return cantidad == o.cantidad && nombre == o.nombre && gramos == o.gramos;
    }
};

// The nutrient amounts of one food file, by XML nutrient name, and its
// household measures in the file's order.
struct Alimento
{
    int id = 0;
    QString nombre;
    QHash<QString, double> cantidades;
    QList<Medida> medidas;
};

// Parses one food file. Returns false and sets `error` (with the line and
// column) when it is not well-formed, a value is not a number, or a measure
// has no name or does not weigh more than nothing.
bool leerAlimento(const QByteArray& xml, const QString& origen, Alimento* alimento, QString* error);

// The food groups: code ("0100") and name, ordered by code.
struct Grupo
{
    QString id;
    QString nombre;
};
const QList<Grupo>& grupos();

// The published files are CSV with a header; each row starts with a food's
// 5-digit number. The readers return false and set `error` (with the line) on
// a wrong header, a short row, a malformed number or value, or a food listed
// twice. `origen` names the file in messages.

// Each food's group code (`ndb,group_id`); a code that is not one of grupos()
// is an error.
bool leerGruposAlimentos(const QByteArray& texto, const QString& origen,
                         QHash<int, QString>* grupoPorAlimento, QString* error);

// USDA's vitamin A RAE in µg (`ndb,Vitamin_A_RAE`). A food not listed has none.
bool leerRae(const QByteArray& texto, const QString& origen, QHash<int, double>* rae,
             QString* error);

// One published value that replaces the archive's (`ndb,key,value,source`):
// `clave` names a column of `total`; an empty value stands for unknown.
struct Correccion
{
    int id = 0;
    QString clave;
    std::optional<double> valor;
};
bool leerCorrecciones(const QByteArray& texto, const QString& origen,
                      QList<Correccion>* correcciones, QString* error);

} // namespace construccion
