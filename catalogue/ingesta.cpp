#include "catalogue/ingesta.h"

#include "profiles/perfilactual.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/main/mensajes.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTreeWidget>
#include <QTreeWidgetItem>

qint64 idAlimento(const QTreeWidgetItem* fila)
{
    if (!fila)
        return 0;
    bool ok = false;
    const qint64 id = fila->data(0, RolIdAlimento).toLongLong(&ok);
    return ok ? id : 0;
}

int& botonPulsado()
{
    static int boton = 0;
    return boton;
}

int numeroBoton(Qt::MouseButton boton)
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

QString sinCoincidencias()
{
    return QStringLiteral("Sorry, no matches were found.");
}

bool soloDigitos(const QString& texto)
{
    if (texto.isEmpty())
        return false;
    for (const QChar c : texto)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

void guardarCantidad(QWidget* padre, const QString& cantidad, qint64 alimento)
{
    bool valida = false;
    const qint64 gramos = cantidad.toLongLong(&valida);
    const Dato& perfil = perfilActual().idPerfil;
    if (!valida || !soloDigitos(cantidad) || alimento <= 0 || !perfil.tieneValor()) {
        // The no-match line of the ranking carries no food, and without a
        // current profile there is no one to store the intake for.
        escribirLog(QStringLiteral("guardarCantidad() -> ") +
                    (alimento <= 0 ? QStringLiteral("There is no food to store the intake for")
                     : !perfil.tieneValor()
                         ? QStringLiteral("There is no current profile")
                         : QStringLiteral("The intake \"%1\" is not a whole number of grams")
                               .arg(cantidad)));
        mensajes::error(padre, QStringLiteral("An error occured while saving intake"));
        return;
    }

    const QVariantList valores{gramos, alimento, perfil.entero()};
    int filas = 0;
    {
        almacen::Transaccion transaccion;
        filas = almacen::ejecutarSQL(
            QStringLiteral("update saves set intake=? where food_id=? and prof_id=?"), valores);
        if (filas <= 0)
            filas = almacen::ejecutarSQL(
                QStringLiteral("insert into saves(food_id, prof_id, intake) values (?, ?, ?)"),
                {alimento, perfil.entero(), gramos});
        if (filas > 0 && transaccion.iniciada() && !transaccion.confirmar()) {
            escribirLog(QStringLiteral("guardarCantidad() -> ") + transaccion.error());
            filas = 0;
        }
    }
    if (filas > 0)
        mensajes::informar(padre, QStringLiteral("Intake saved"));
    else
        mensajes::error(padre, QStringLiteral("An error occured while saving intake"));
}

MenuDeLista::MenuDeLista(QTreeWidget* lista, QMenu* menu)
    : QObject(lista), m_lista(lista), m_menu(menu)
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
            if (tecla->key() == Qt::Key_Menu
                || (tecla->key() == Qt::Key_F10 && tecla->modifiers() == Qt::ShiftModifier))
                return menuDeTeclado() || QObject::eventFilter(objeto, evento);
        } else if (tipo == QEvent::ContextMenu
                   && static_cast<QContextMenuEvent*>(evento)->reason()
                          == QContextMenuEvent::Keyboard) {
            menuDeTeclado();
            return true;
        }
        return QObject::eventFilter(objeto, evento);
    }
    if (tipo != QEvent::MouseButtonPress && tipo != QEvent::MouseButtonRelease)
        return QObject::eventFilter(objeto, evento);

    auto* raton = static_cast<QMouseEvent*>(evento);
    if (tipo == QEvent::MouseButtonPress) {
        botonPulsado() = numeroBoton(raton->button());
    } else if (raton->button() == Qt::RightButton && botonPulsado() == 2
               && m_lista->itemAt(raton->position().toPoint())) {
        // The right button's click opens the menu; the food for intake stays
        // the one chosen with the left button.
        m_menu->popup(raton->globalPosition().toPoint());
    }
    return QObject::eventFilter(objeto, evento);
}
