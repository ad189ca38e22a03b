#pragma once

#include "apoyo/fixture.h"
#include "apoyo/registromensajes.h"
#include "catalogue/ficha.h"
#include "windows/main/ventanaprincipal.h"

#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

// The main window on the fixture, with complete personal data and one tab
// shown, and the clicks the food lists need.
struct Escena
{
    Fixture fx;
    RegistroMensajes msgs;
    std::unique_ptr<VentanaPrincipal> f;

    explicit Escena(int pestana)
    {
        fx.ejecutar(QStringLiteral("update profiles set age=4, gender=0, weight=70"));
        f = std::make_unique<VentanaPrincipal>();
        f->cargar();
        f->ui().tbs_fichas->setCurrentIndex(pestana);
    }
    InterfazPrincipal& ui() { return f->ui(); }

    static QStringList textos(const QTreeWidget* l, int c = 0)
    {
        QStringList t;
        for (int i = 0; i < l->topLevelItemCount(); ++i)
            t << l->topLevelItem(i)->text(c);
        return t;
    }
    static void pulsar(QTreeWidget* l, int fila, Qt::MouseButton boton = Qt::LeftButton)
    {
        QTest::mouseClick(l->viewport(), boton, {},
                          l->visualItemRect(l->topLevelItem(fila)).center());
    }
    // A widget's double click arrives as press, release, double click, release.
    static void dobleClic(QTreeWidget* l, int fila)
    {
        const QPoint p = l->visualItemRect(l->topLevelItem(fila)).center();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseRelease(l->viewport(), Qt::LeftButton, {}, p);
    }
    static void pulsarCabecera(QTreeWidget* l, int seccion)
    {
        QHeaderView* h = l->header();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(seccion) + 5, h->height() / 2));
    }
    QList<Ficha*> fichas() const
    {
        return f->findChildren<Ficha*>(QString(), Qt::FindDirectChildrenOnly);
    }
};
