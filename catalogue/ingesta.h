#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

class QMenu;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// What the food lists of tabs 2 and 3 share: the food id each row carries,
// the mouse button last pressed over either list, and the storing of a
// weekly intake.

// The food id (qint64) kept on the first cell of a food row.
enum { RolIdAlimento = Qt::UserRole };

// The food id of a row; 0 when there is no row or it carries no id (the
// no-match line).
qint64 idAlimento(const QTreeWidgetItem* fila);

// The mouse button last pressed over a food list: 0 none yet, 1 left,
// 2 right, 3 any other.
int& botonPulsado();
int numeroBoton(Qt::MouseButton boton);

// Watches the mouse over a food list: records every pressed button in
// botonPulsado() and opens the list's pop-up menu when the right button is
// released over a row, or for the current row from the keyboard.
class MenuDeLista : public QObject
{
    Q_OBJECT

public:
    MenuDeLista(QTreeWidget* lista, QMenu* menu);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Opens the menu under the current row; false when there is none.
    bool menuDeTeclado();

    QTreeWidget* m_lista;
    QMenu* m_menu;
};

// The line a list shows when a search or a ranking finds nothing.
QString sinCoincidencias();

// True when the text is not empty and holds only the digits 0 to 9.
bool soloDigitos(const QString& texto);

// Stores `cantidad` (validated digits) grams a week of food `alimento` for
// the current profile: updates its row or, when there is none, adds one.
// Tells the user the outcome with a message box over `padre`.
void guardarCantidad(QWidget* padre, const QString& cantidad, qint64 alimento);
