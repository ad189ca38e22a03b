#pragma once

#include <QString>
#include <QtGlobal>

class QTreeWidgetItem;
class QWidget;
struct PerfilActual;

// What the food lists of tabs 2 and 3 share: the food id each row carries,
// the line shown when nothing matches, and the storing of a weekly intake.

// The food id of a row; 0 when there is no row or it carries no id (the
// no-match line).
qint64 idAlimento(const QTreeWidgetItem* fila);

// The line a list shows when a search or a ranking finds nothing.
QString sinCoincidencias();

// Stores `cantidad` (validated digits) grams a week of food `alimento` for
// the profile: updates its row or, when there is none, adds one. Tells the
// user the outcome with a message box over `padre`.
void guardarCantidad(QWidget* padre, const PerfilActual& perfil, const QString& cantidad,
                     qint64 alimento);
