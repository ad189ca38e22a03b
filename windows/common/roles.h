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
};
