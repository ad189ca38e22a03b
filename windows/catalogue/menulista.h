#pragma once

#include <QObject>

class QMenu;
class QTreeWidget;

// Watches the mouse over a food list: records every pressed button in
// `botonPulsado` (0 none yet, 1 left, 2 right, 3 any other) and opens the
// list's pop-up menu when the right button is released over a row, or for
// the current row from the keyboard.
class MenuDeLista : public QObject
{
    Q_OBJECT

public:
    MenuDeLista(QTreeWidget* lista, QMenu* menu, int& botonPulsado);

    static int numeroBoton(Qt::MouseButton boton);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Opens the menu under the current row; false when there is none.
    bool menuDeTeclado();

    QTreeWidget* m_lista;
    QMenu* m_menu;
    int& m_botonPulsado;
};
