// Tab 2: the search by terms and group, the food list with its menu, and the
// weekly intake entry, driven through the main window.

#include "apoyo/escena.h"
#include "windows/catalogue/pestanabusqueda.h"

#include <QLineEdit>
#include <QMenu>

namespace {

struct Busqueda : Escena
{
    Busqueda() : Escena(1) {}
    void buscar(const QString& texto)
    {
        ui().tbx_buscar->setText(texto);
        QTest::mouseClick(ui().cmd_buscar, Qt::LeftButton);
    }
    QStringList categorias()
    {
        QStringList c;
        for (int i = 0; i < ui().lbx_categorias->count(); ++i)
            c << ui().lbx_categorias->item(i)->text();
        return c;
    }
    void pulsarCategoria(int linea)
    {
        QListWidget* l = ui().lbx_categorias;
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(linea)).center());
    }
    QStringList alimentos() { return textos(ui().lsv_alimentos); }
    void guardar(const QString& cantidad)
    {
        ui().tbx_cantidad->setText(cantidad);
        QTest::mouseClick(ui().cmd_guardar, Qt::LeftButton);
    }
    QList<QVariantList> guardadas()
    {
        return fx.filas(QStringLiteral("select food_id, prof_id, intake from saves"));
    }
};

const QString ninguna = QStringLiteral("Sorry, no matches were found.");
const QString lacteos = QStringLiteral("Dairy and Egg Products");
const QString leche = QStringLiteral("Milk, whole, 3.25% milkfat");

} // namespace

class TstBusqueda : public QObject
{
    Q_OBJECT

private slots:
    void busqueda_data();
    void busqueda();
    void terminosDeLaUltimaBusqueda();
    void botonDerechoYGuardar();
    void cantidad_data();
    void cantidad();
};

void TstBusqueda::busqueda_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("categorias");
    QTest::addColumn<QStringList>("alimentosPrimera");

    const QString frutas = QStringLiteral("Fruits and Fruit Juices");
    QTest::newRow("one term") << "milk" << QStringList{lacteos, "Snacks"} << QStringList{leche};
    QTest::newRow("blanks around")
        << "  BUTTER " << QStringList{lacteos} << QStringList{"Butter, salted"};
    QTest::newRow("several terms") << "milk chocolate" << QStringList{"Snacks"}
                                   << QStringList{"Snacks, milk chocolate coated crackers"};
    QTest::newRow("double blank") << "raw  apples" << QStringList{frutas}
                                  << QStringList{"Apples, raw, with skin"};
    QTest::newRow("quote") << "mcdonald's" << QStringList{"Fast Foods"}
                           << QStringList{"McDonald's, Hamburger"};
    QTest::newRow("quote and injection") << "x' or '1'='1" << QStringList{ninguna} << QStringList{};
    QTest::newRow("wildcards") << "r%w m_lk" << QStringList{ninguna} << QStringList{};
    QTest::newRow("percent") << "r%w" << QStringList{frutas, "Vegetables and Vegetable Products"}
                             << QStringList{"Apples, raw, with skin"};
    QTest::newRow("underscore") << "m_lk," << QStringList{lacteos} << QStringList{leche};
    QTest::newRow("blanks only") << "   " << QStringList{ninguna} << QStringList{};
    QTest::newRow("empty") << "" << QStringList{"Dairy and Egg Products"}
                           << QStringList{"Butter, salted"};
}

void TstBusqueda::busqueda()
{
    QFETCH(QString, texto);
    QFETCH(QStringList, categorias);
    QFETCH(QStringList, alimentosPrimera);

    Busqueda e;
    e.buscar(QStringLiteral("salted"));
    e.pulsarCategoria(0);
    e.buscar(texto);
    QCOMPARE(e.categorias(), categorias);
    // A search leaves the food list alone, also when it finds nothing.
    QCOMPARE(e.alimentos(), QStringList{"Butter, salted"});
    e.pulsarCategoria(0);
    QCOMPARE(e.alimentos(), alimentosPrimera);
    QCOMPARE(e.fx.entradasLog(), 0);
    QCOMPARE(e.msgs.textos(),
             texto.isEmpty() ? QStringList{"Please, enter the search term(s)"} : QStringList{});
}

void TstBusqueda::terminosDeLaUltimaBusqueda()
{
    Busqueda e;
    e.buscar(QStringLiteral("milk"));
    e.ui().tbx_buscar->setText(QStringLiteral("butter"));
    e.pulsarCategoria(0);
    QCOMPARE(e.alimentos(), QStringList{leche});

    // Moving to a line with the keyboard lists its foods like a click.
    e.buscar(QStringLiteral("a"));
    e.f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(e.f.get()));
    e.ui().lbx_categorias->setFocus();
    e.ui().lbx_categorias->setCurrentRow(0);
    QTest::keyClick(e.ui().lbx_categorias, Qt::Key_Down);
    QCOMPARE(e.ui().lbx_categorias->currentRow(), 1);
    const QStringList porTeclado = e.alimentos();
    QVERIFY(!porTeclado.isEmpty());
    e.pulsarCategoria(1);
    QCOMPARE(e.alimentos(), porTeclado);

    // Moving through the foods with the arrow keys chooses them as a click
    // does, and the menu key opens the menu at the current food.
    QTreeWidget* l = e.ui().lsv_alimentos;
    e.buscar(QStringLiteral("l"));
    e.pulsarCategoria(0);
    QCOMPARE(e.alimentos(), (QStringList{"Butter, salted", leche}));
    Escena::pulsar(l, 0);
    l->setFocus();
    QTest::keyClick(l, Qt::Key_Down);
    QVERIFY(!l->topLevelItem(0)->font(0).bold());
    QVERIFY(l->topLevelItem(1)->font(0).bold());
    QCOMPARE(e.f->busqueda().alimentoSeleccionado(), Fixture::leche);
    QTest::keyClick(l, Qt::Key_Menu);
    QVERIFY(e.ui().buscador->isVisible());
    e.ui().buscador->hide();
}

void TstBusqueda::botonDerechoYGuardar()
{
    Busqueda e;
    QTreeWidget* l = e.ui().lsv_alimentos;
    e.ui().displayNutrientsBuscador->trigger();
    QVERIFY(e.fichas().isEmpty());
    e.guardar(QString());
    QCOMPARE(e.msgs.textos(), QStringList{"Please, select a food"});

    e.buscar(QStringLiteral("milk"));
    e.pulsarCategoria(1);
    Escena::pulsar(l, 0);
    QVERIFY(l->topLevelItem(0)->font(0).bold());
    QCOMPARE(e.f->busqueda().alimentoSeleccionado(), Fixture::galletas);

    // The intake goes to the food chosen with the left button (an id above
    // 16 bits); a second save updates its row.
    e.guardar(QStringLiteral("700"));
    e.guardar(QStringLiteral("350"));
    QCOMPARE(e.msgs.textos(),
             (QStringList{"Please, select a food", "Intake saved", "Intake saved"}));
    QCOMPARE(e.guardadas(), (QList<QVariantList>{{Fixture::galletas, 1, 350}}));

    // A refilled list has no chosen food, and a right click chooses none.
    e.pulsarCategoria(0);
    Escena::pulsar(l, 0, Qt::RightButton);
    QVERIFY(e.ui().buscador->isVisible());
    e.ui().buscador->hide();
    QVERIFY(!l->topLevelItem(0)->font(0).bold());
    e.ui().displayNutrientsBuscador->trigger();
    QCOMPARE(e.fichas().size(), 1);
    QCOMPARE(e.fichas().first()->windowTitle(), leche);
    e.msgs.limpiar();
    e.guardar(QStringLiteral("5"));
    QCOMPARE(e.msgs.textos(), QStringList{"Please, select a food"});
    QCOMPARE(e.guardadas(), (QList<QVariantList>{{Fixture::galletas, 1, 350}}));
    QCOMPARE(e.fx.entradasLog(), 0);

    Escena::dobleClic(l, 0);
    QCOMPARE(e.fichas().size(), 2);
    QPointer<Ficha> ficha = e.fichas().first();
    e.f->close();
    QTRY_VERIFY(!ficha);
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
    // The box holds five digits: the sixth never arrives.
    QTest::newRow("six digits") << "123456" << true;
}

void TstBusqueda::cantidad()
{
    QFETCH(QString, texto);
    QFETCH(bool, aceptada);

    Busqueda e;
    e.buscar(QStringLiteral("carrots"));
    e.pulsarCategoria(0);
    Escena::pulsar(e.ui().lsv_alimentos, 0);
    e.guardar(texto);
    QCOMPARE(e.msgs.textos(),
             QStringList{aceptada
                             ? "Intake saved"
                             : "Please, set your weekly intake (grams, integer numbers only)"});
    const QList<QVariantList> esperadas =
        aceptada ? QList<QVariantList>{{Fixture::zanahoria, 1, texto.left(5).toInt()}}
                 : QList<QVariantList>{};
    QCOMPARE(e.guardadas(), esperadas);
}

QTEST_MAIN(TstBusqueda)
#include "tst_busqueda.moc"
