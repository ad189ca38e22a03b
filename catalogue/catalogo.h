#pragma once

#include "storage/basedatos.h"

#include <QString>
#include <QStringList>
#include <QVariant>

// The food table as the catalogue reads it: the search by terms and group,
// the ranking on one nutrient, the nutrients of one food, and the storing of
// a weekly intake. No widgets: each routine returns what it read or wrote.
namespace catalogo {

// The terms of a search: for each, one " f.description like ?" joined by
// " and", with its pattern (the term between % signs, its own % and _
// keeping their meaning).
struct Busqueda
{
    QString condicion;
    QVariantList patrones;
    bool vacia() const { return patrones.isEmpty(); }
};

// The terms of a search text: blanks at either end are dropped and every
// single blank splits, so two blanks in a row give an empty term, which every
// description matches. Blanks alone give no term.
Busqueda terminos(const QString& texto);

// The groups (id, name) that hold a food matching every term, by name.
almacen::Consulta grupos(const Busqueda& busqueda);

// The foods (id, description) of group `grupo` matching every term, by
// description whatever the letter case.
almacen::Consulta alimentos(const QString& grupo, const Busqueda& busqueda);

// Every group of the table, by name.
almacen::Consulta todosLosGrupos();

// The foods (id, description, amount) with more than 0 of the nutrient in
// column `columna` (already quoted), highest first; only group `grupo`'s
// unless it is empty.
almacen::Consulta listadoOrdenado(const QString& columna, const QString& grupo);

// The amounts of the given nutrient columns (already quoted) for one food.
almacen::Consulta nutrientes(const QStringList& columnas, qint64 alimento);

// Stores `gramos` a week of food `alimento` for profile `perfil`: updates its
// row or, when there is none, adds one; true when stored.
bool escribirCantidad(qint64 gramos, qint64 alimento, qint64 perfil, QString* fallo);

} // namespace catalogo
