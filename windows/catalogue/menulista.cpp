#include "windows/catalogue/menulista.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTreeWidget>

int MenuDeLista::numeroBoton(Qt::MouseButton boton)
{
    switch (boton) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    default:
        return 3;
    }
}

MenuDeLista::MenuDeLista(QTreeWidget* lista, QMenu* menu, int& botonPulsado)
    : QObject(lista), m_lista(lista), m_menu(menu), m_botonPulsado(botonPulsado)
{
    lista->viewport()->installEventFilter(this);
    // The keyboard's menu keys reach the list itself, not its viewport.
    lista->installEventFilter(this);
}

bool MenuDeLista::menuDeTeclado()
{
    QTreeWidgetItem* fila = m_lista->currentItem();
    if (!fila || m_menu->isVisible())
        return false;
    // The menu acts on the selected row, so the current row must be it.
    if (!fila->isSelected())
        m_lista->setCurrentItem(fila);
    m_lista->scrollToItem(fila);
    const QRect celda = m_lista->visualItemRect(fila);
    m_menu->popup(m_lista->viewport()->mapToGlobal(celda.bottomLeft() + QPoint(16, 0)));
    return true;
}

bool MenuDeLista::eventFilter(QObject* objeto, QEvent* evento)
{
    const QEvent::Type tipo = evento->type();
    if (objeto == m_lista) {
        // The Menu key and Shift+F10 open the menu at the current row.
        if (tipo == QEvent::KeyPress) {
            const auto* tecla = static_cast<QKeyEvent*>(evento);
            if (tecla->key() == Qt::Key_Menu ||
                (tecla->key() == Qt::Key_F10 && tecla->modifiers() == Qt::ShiftModifier))
                return menuDeTeclado() || QObject::eventFilter(objeto, evento);
        } else if (tipo == QEvent::ContextMenu &&
                   static_cast<QContextMenuEvent*>(evento)->reason() ==
                       QContextMenuEvent::Keyboard) {
            menuDeTeclado();
            return true;
        }
        return QObject::eventFilter(objeto, evento);
    }
    if (tipo != QEvent::MouseButtonPress && tipo != QEvent::MouseButtonRelease)
        return QObject::eventFilter(objeto, evento);

    auto* raton = static_cast<QMouseEvent*>(evento);
    if (tipo == QEvent::MouseButtonPress) {
        m_botonPulsado = numeroBoton(raton->button());
    } else if (raton->button() == Qt::RightButton && m_botonPulsado == 2 &&
               m_lista->itemAt(raton->position().toPoint())) {
        // The right button's click opens the menu; the food for intake stays
        // the one chosen with the left button.
        m_menu->popup(raton->globalPosition().toPoint());
    }
    return QObject::eventFilter(objeto, evento);
}
