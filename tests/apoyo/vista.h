#pragma once

#include <QFont>
#include <QHeaderView>
#include <QIcon>
#include <QTreeView>
#include <QtTest>

// Reading and clicking a list as its view shows it, whatever model it has.
namespace vista {

// One row of a list, read through the view's model.
struct Fila
{
    const QAbstractItemModel* modelo = nullptr;
    int fila = -1;

    explicit operator bool() const { return modelo && fila >= 0; }
    QVariant dato(int c, int rol = Qt::DisplayRole) const
    {
        return modelo->index(fila, c).data(rol);
    }
    QString text(int c) const { return dato(c).toString(); }
    QString toolTip(int c) const { return dato(c, Qt::ToolTipRole).toString(); }
    QFont font(int c) const { return dato(c, Qt::FontRole).value<QFont>(); }
    QIcon icon(int c) const { return dato(c, Qt::DecorationRole).value<QIcon>(); }
};

// The first row whose first cell reads `texto`.
inline Fila buscar(const QTreeView* l, const QString& texto)
{
    for (int i = 0; i < l->model()->rowCount(); ++i)
        if (l->model()->index(i, 0).data().toString() == texto)
            return {l->model(), i};
    return {};
}

inline QStringList textos(const QTreeView* l, int c = 0)
{
    QStringList t;
    for (int i = 0; i < l->model()->rowCount(); ++i)
        t << l->model()->index(i, c).data().toString();
    return t;
}

inline QPoint centro(const QTreeView* l, int fila)
{
    return l->visualRect(l->model()->index(fila, 0)).center();
}

inline void pulsar(QTreeView* l, int fila, Qt::MouseButton boton = Qt::LeftButton)
{
    QTest::mouseClick(l->viewport(), boton, {}, centro(l, fila));
}

// A widget's double click arrives as press, release, double click, release.
inline void dobleClic(QTreeView* l, int fila)
{
    const QPoint p = centro(l, fila);
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseRelease(l->viewport(), Qt::LeftButton, {}, p);
}

inline void pulsarCabecera(QTreeView* l, int seccion)
{
    QHeaderView* h = l->header();
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                      QPoint(h->sectionViewportPosition(seccion) + 5, h->height() / 2));
}

} // namespace vista
