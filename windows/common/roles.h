#pragma once

#include <Qt>

// What list items and headers carry besides their text, by role.
enum RolLista {
    // The id of the food a row shows (qint64), on its first cell.
    RolIdAlimento = Qt::UserRole,
    // The id of the profile a row shows (qint64).
    RolIdPerfil = Qt::UserRole + 1,
    // The text a numeric cell sorts by, set just before a numeric sort.
    RolClaveOrden = Qt::UserRole + 2,
    // The key of a list column, on its header section.
    RolClaveColumna = Qt::UserRole + 7,
    // The verdict of a results row (an int), on its "% WRI" cell.
    RolVeredicto = Qt::UserRole + 10,
    // The nutrient key a results row shows, on its first cell.
    RolClaveNutriente = Qt::UserRole + 11,
    // The value a grid cell shows, as stored (its text is in the user's
    // digits).
    RolValor = Qt::UserRole + 12,
    // Whether a results row's judgement is only provisional (a bool): the
    // foods of unknown value weigh 10 % of the week or more.
    RolProvisional = Qt::UserRole + 13,
};
