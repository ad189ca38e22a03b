// Tab 2: the search by terms and group, the food list with its menu, and the
// weekly intake entry, driven through the main window.

#include "apoyo/fixture.h"
#include "apoyo/registromensajes.h"
#include "catalogue/ficha.h"
#include "catalogue/pestanabusqueda.h"
#include "windows/main/ventanaprincipal.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// A main window on the fixture with complete personal data and tab 2 shown.
struct Escena
{
    Fixture fx;
    RegistroMensajes msgs;
    std::unique_ptr<VentanaPrincipal> f;

    Escena()
    {
        fx.ejecutar(QStringLiteral("update profiles set age=4, gender=0, weight=70"));
        f = std::make_unique<VentanaPrincipal>();
        f->cargar();
        f->ui().tbs_fichas->setCurrentWidget(f->ui().frm_dos);
        QApplication::processEvents();
    }
    InterfazPrincipal& ui() { return f->ui(); }

    void buscar(const QString& texto)
    {
        ui().tbx_buscar->setText(texto);
        QTest::mouseClick(ui().cmd_buscar, Qt::LeftButton);
    }
    QStringList categorias() const
    {
        QStringList c;
        for (int i = 0; i < f->ui().lbx_categorias->count(); ++i)
            c << f->ui().lbx_categorias->item(i)->text();
        return c;
    }
    void pulsarCategoria(const QString& nombre)
    {
        QListWidget* l = ui().lbx_categorias;
        const QList<QListWidgetItem*> hallados = l->findItems(nombre, Qt::MatchExactly);
        QVERIFY2(!hallados.isEmpty(), qPrintable(nombre));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(hallados.first()).center());
    }
    QStringList alimentos() const
    {
        QStringList a;
        for (int i = 0; i < f->ui().lsv_alimentos->topLevelItemCount(); ++i)
            a << f->ui().lsv_alimentos->topLevelItem(i)->text(0);
        return a;
    }
    QTreeWidgetItem* alimento(const QString& texto)
    {
        const auto hallados = ui().lsv_alimentos->findItems(texto, Qt::MatchExactly);
        return hallados.isEmpty() ? nullptr : hallados.first();
    }
    void pulsarAlimento(const QString& texto, Qt::MouseButton boton = Qt::LeftButton)
    {
        QTreeWidgetItem* item = alimento(texto);
        QVERIFY2(item, qPrintable(texto));
        QTest::mouseClick(ui().lsv_alimentos->viewport(), boton, {},
                          ui().lsv_alimentos->visualItemRect(item).center());
    }
    void guardar(const QString& cantidad)
    {
        ui().tbx_cantidad->setText(cantidad);
        QTest::mouseClick(ui().cmd_guardar, Qt::LeftButton);
    }
    QList<Ficha*> fichas() const
    {
        return f->findChildren<Ficha*>(QString(), Qt::FindDirectChildrenOnly);
    }
};

} // namespace

class TstBusqueda : public QObject
{
    Q_OBJECT

private slots:
    void busqueda_data();
    void busqueda();
    void sinTextoDeBusqueda();
    void categoriaConTerminosAnteriores();
    void botonDerechoNoCambiaElAlimento();
    void dobleClicYMenuSinSeleccion();
    void guardarDosVecesActualizaUnaFila();
    void cantidad_data();
    void cantidad();
    void guardarSinAlimento();
};

void TstBusqueda::busqueda_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("categorias");
    QTest::addColumn<QStringList>("alimentosPrimera");

    const QString lacteos = QStringLiteral("Dairy and Egg Products");
    const QString frutas = QStringLiteral("Fruits and Fruit Juices");
    const QString verduras = QStringLiteral("Vegetables and Vegetable Products");
    const QString ninguna = QStringLiteral("Sorry, no matches were found.");

    QTest::newRow("one term") << "milk" << QStringList{lacteos, QStringLiteral("Snacks")}
                              << QStringList{QStringLiteral("Milk, whole, 3.25% milkfat")};
    QTest::newRow("letter case") << "BUTTER" << QStringList{lacteos}
                                 << QStringList{QStringLiteral("Butter, salted")};
    QTest::newRow("leading and trailing blanks")
        << "   milk  " << QStringList{lacteos, QStringLiteral("Snacks")}
        << QStringList{QStringLiteral("Milk, whole, 3.25% milkfat")};
    QTest::newRow("several terms")
        << "milk chocolate" << QStringList{QStringLiteral("Snacks")}
        << QStringList{QStringLiteral("Snacks, milk chocolate coated crackers")};
    QTest::newRow("double blank") << "raw  apples" << QStringList{frutas}
                                  << QStringList{QStringLiteral("Apples, raw, with skin")};
    QTest::newRow("quote") << "mcdonald's" << QStringList{QStringLiteral("Fast Foods")}
                           << QStringList{QStringLiteral("McDonald's, Hamburger")};
    QTest::newRow("quote and injection") << "x' or '1'='1" << QStringList{ninguna} << QStringList{};
    QTest::newRow("wildcard percent") << "r%w" << QStringList{frutas, verduras}
                                      << QStringList{QStringLiteral("Apples, raw, with skin")};
    QTest::newRow("wildcard underscore")
        << "m_lk," << QStringList{lacteos}
        << QStringList{QStringLiteral("Milk, whole, 3.25% milkfat")};
    QTest::newRow("nothing found") << "xyz" << QStringList{ninguna} << QStringList{};
    QTest::newRow("blanks only") << "   " << QStringList{ninguna} << QStringList{};
}

void TstBusqueda::busqueda()
{
    QFETCH(QString, texto);
    QFETCH(QStringList, categorias);
    QFETCH(QStringList, alimentosPrimera);

    Escena e;
    // A food list from an earlier search stays until a category is clicked.
    e.buscar(QStringLiteral("salted"));
    e.pulsarCategoria(QStringLiteral("Dairy and Egg Products"));
    QCOMPARE(e.alimentos(), QStringList{QStringLiteral("Butter, salted")});

    e.buscar(texto);
    QCOMPARE(e.categorias(), categorias);
    QCOMPARE(e.alimentos(), QStringList{QStringLiteral("Butter, salted")});

    e.pulsarCategoria(categorias.first());
    QCOMPARE(e.alimentos(), alimentosPrimera);
    for (int i = 0; i < e.ui().lsv_alimentos->topLevelItemCount(); ++i)
        QVERIFY(!e.ui().lsv_alimentos->topLevelItem(i)->font(0).bold());
    QCOMPARE(e.fx.entradasLog(), 0);
    QVERIFY(e.msgs.mostrados().isEmpty());
}

void TstBusqueda::sinTextoDeBusqueda()
{
    Escena e;
    e.buscar(QStringLiteral("milk"));
    e.buscar(QString());
    QCOMPARE(e.msgs.textos(), QStringList{QStringLiteral("Please, enter the search term(s)")});
    QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Aviso);
    QVERIFY(e.msgs.ultimo().titulo.isEmpty());
    QCOMPARE(e.categorias().size(), 2);
}

void TstBusqueda::categoriaConTerminosAnteriores()
{
    Escena e;
    e.buscar(QStringLiteral("milk"));
    // Typed but not searched: the click lists foods for the terms of the last search.
    e.ui().tbx_buscar->setText(QStringLiteral("butter"));
    e.pulsarCategoria(QStringLiteral("Dairy and Egg Products"));
    QCOMPARE(e.alimentos(), QStringList{QStringLiteral("Milk, whole, 3.25% milkfat")});

    // The no-match line stands for no group, even with the ids of an older search.
    e.buscar(QStringLiteral("xyz"));
    QCOMPARE(e.alimentos(), QStringList{QStringLiteral("Milk, whole, 3.25% milkfat")});
    e.pulsarCategoria(QStringLiteral("Sorry, no matches were found."));
    QVERIFY(e.alimentos().isEmpty());
}

void TstBusqueda::botonDerechoNoCambiaElAlimento()
{
    Escena e;
    e.buscar(QStringLiteral("milk"));
    e.pulsarCategoria(QStringLiteral("Snacks"));
    e.pulsarAlimento(QStringLiteral("Snacks, milk chocolate coated crackers"));
    QVERIFY(e.alimento(QStringLiteral("Snacks, milk chocolate coated crackers"))->font(0).bold());
    QCOMPARE(e.f->busqueda().alimentoSeleccionado(), Fixture::galletas);

    e.pulsarCategoria(QStringLiteral("Dairy and Egg Products"));
    e.pulsarAlimento(QStringLiteral("Milk, whole, 3.25% milkfat"), Qt::RightButton);
    QVERIFY(e.ui().buscador->isVisible());
    QVERIFY(!e.alimento(QStringLiteral("Milk, whole, 3.25% milkfat"))->font(0).bold());
    QCOMPARE(e.f->busqueda().alimentoSeleccionado(), Fixture::galletas);

    // The menu entry shows the right-clicked food.
    e.ui().displayNutrientsBuscador->trigger();
    e.ui().buscador->hide();
    QCOMPARE(e.fichas().size(), 1);
    QCOMPARE(e.fichas().first()->windowTitle(), QStringLiteral("Milk, whole, 3.25% milkfat"));

    // The intake still goes to the food chosen with the left button, whose id
    // is above the range of 16 bits.
    e.guardar(QStringLiteral("700"));
    QCOMPARE(e.msgs.textos(), QStringList{QStringLiteral("Intake saved")});
    QCOMPARE(e.fx.filas(QStringLiteral("select food_id, prof_id, intake from saves")),
             (QList<QVariantList>{{Fixture::galletas, 1, 700}}));

    // Left again: the new food turns bold, the old one is no longer listed.
    e.pulsarAlimento(QStringLiteral("Milk, whole, 3.25% milkfat"));
    QCOMPARE(e.f->busqueda().alimentoSeleccionado(), Fixture::leche);
    QCOMPARE(e.fx.entradasLog(), 0);
}

void TstBusqueda::dobleClicYMenuSinSeleccion()
{
    Escena e;
    e.ui().displayNutrientsBuscador->trigger();
    QVERIFY(e.fichas().isEmpty());

    e.buscar(QStringLiteral("hamburger"));
    e.pulsarCategoria(QStringLiteral("Fast Foods"));
    QTreeWidgetItem* item = e.alimento(QStringLiteral("McDonald's, Hamburger"));
    // A widget's double click arrives as press, release, double click, release.
    const QPoint punto = e.ui().lsv_alimentos->visualItemRect(item).center();
    QTest::mouseClick(e.ui().lsv_alimentos->viewport(), Qt::LeftButton, {}, punto);
    QTest::mouseDClick(e.ui().lsv_alimentos->viewport(), Qt::LeftButton, {}, punto);
    QTest::mouseRelease(e.ui().lsv_alimentos->viewport(), Qt::LeftButton, {}, punto);
    QCOMPARE(e.fichas().size(), 1);
    e.ui().displayNutrientsBuscador->trigger();
    QCOMPARE(e.fichas().size(), 2);
    for (Ficha* n : e.fichas()) {
        QCOMPARE(n->windowTitle(), QStringLiteral("McDonald's, Hamburger"));
        QCOMPARE(n->lbl_titulo->text(), QStringLiteral("McDonald's, Hamburger"));
        QVERIFY(n->lbl_titulo->font().bold());
        QVERIFY(n->isVisible());
    }

    // The detail windows go with the main window.
    QPointer<Ficha> primera = e.fichas().first();
    e.f->close();
    QVERIFY(!primera || !primera->isVisible());
    QTRY_VERIFY(!primera);
}

void TstBusqueda::guardarDosVecesActualizaUnaFila()
{
    Escena e;
    e.buscar(QStringLiteral("butter"));
    e.pulsarCategoria(QStringLiteral("Dairy and Egg Products"));
    e.pulsarAlimento(QStringLiteral("Butter, salted"));
    e.guardar(QStringLiteral("700"));
    e.guardar(QStringLiteral("350"));
    QCOMPARE(e.msgs.textos(),
             (QStringList{QStringLiteral("Intake saved"), QStringLiteral("Intake saved")}));
    QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Informacion);
    QCOMPARE(e.fx.filas(QStringLiteral("select food_id, prof_id, intake from saves")),
             (QList<QVariantList>{{Fixture::mantequilla, 1, 350}}));
    // The text box keeps what was typed.
    QCOMPARE(e.ui().tbx_cantidad->text(), QStringLiteral("350"));

    // A new search does not change the food intakes go to.
    e.buscar(QStringLiteral("apples"));
    e.guardar(QStringLiteral("99999"));
    QCOMPARE(e.fx.filas(QStringLiteral("select food_id, intake from saves")),
             (QList<QVariantList>{{Fixture::mantequilla, 99999}}));
}

void TstBusqueda::cantidad_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("aceptada");

    QTest::newRow("zero") << "0" << true;
    QTest::newRow("leading zeros") << "007" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letter") << "12a" << false;
    QTest::newRow("decimal") << "1.5" << false;
    QTest::newRow("negative") << "-3" << false;
    QTest::newRow("leading blank") << " 12" << false;
    QTest::newRow("other digits") << QString::fromUtf8("\u0661\u0662") << false;
}

void TstBusqueda::cantidad()
{
    QFETCH(QString, texto);
    QFETCH(bool, aceptada);

    Escena e;
    e.buscar(QStringLiteral("carrots"));
    e.pulsarCategoria(QStringLiteral("Vegetables and Vegetable Products"));
    e.pulsarAlimento(QStringLiteral("Carrots, raw"));
    e.guardar(texto);
    if (aceptada) {
        QCOMPARE(e.msgs.textos(), QStringList{QStringLiteral("Intake saved")});
        QCOMPARE(e.fx.filas(QStringLiteral("select food_id, intake from saves")),
                 (QList<QVariantList>{{Fixture::zanahoria, texto.toInt()}}));
    } else {
        QCOMPARE(e.msgs.textos(),
                 QStringList{QStringLiteral(
                     "Please, set your weekly intake (grams, integer numbers only)")});
        QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Aviso);
        QCOMPARE(e.fx.valor(QStringLiteral("select count(*) from saves")).toInt(), 0);
    }
    QCOMPARE(e.fx.entradasLog(), 0);
}

void TstBusqueda::guardarSinAlimento()
{
    Escena e;
    e.buscar(QStringLiteral("butter"));
    e.pulsarCategoria(QStringLiteral("Dairy and Egg Products"));
    // Listed but never chosen, and no intake typed either.
    e.guardar(QString());
    QCOMPARE(e.msgs.textos(), QStringList{QStringLiteral("Please, select a food")});
    QCOMPARE(e.fx.valor(QStringLiteral("select count(*) from saves")).toInt(), 0);
}

QTEST_MAIN(TstBusqueda)
#include "tst_busqueda.moc"
