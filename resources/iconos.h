#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The four category icons under the keys "general", "aminoacidos",
// "vitaminas" and "minerales"; a null icon for any other key.
QIcon iconoCategoria(const QString& clave);
bool esCategoriaConocida(const QString& clave);

// The mark of the user's own foods and recipes in food lists: a small house.
QIcon iconoPropio();

// The window icon: the installed theme icon of the program, or the built-in one.
QIcon iconoVentana();

// The splash picture.
QPixmap imagenPresentacion();
