#pragma once

#include "apoyo/fixture.h"
#include "apoyo/pantalla.h"
#include "apoyo/registromensajes.h"
#include "apoyo/vista.h"
#include "windows/catalogue/ficha.h"
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
        ::ui(*f).tbs_fichas->setCurrentIndex(pestana);
    }
    Pantalla& ui() { return ::ui(*f); }

    static QStringList textos(const QTreeView* l, int c = 0) { return vista::textos(l, c); }
    static void pulsar(QTreeView* l, int fila, Qt::MouseButton boton = Qt::LeftButton)
    {
        vista::pulsar(l, fila, boton);
    }
    static void dobleClic(QTreeView* l, int fila) { vista::dobleClic(l, fila); }
    static void pulsarCabecera(QTreeView* l, int seccion) { vista::pulsarCabecera(l, seccion); }
    QList<Ficha*> fichas() const
    {
        return f->findChildren<Ficha*>(QString(), Qt::FindDirectChildrenOnly);
    }
};
