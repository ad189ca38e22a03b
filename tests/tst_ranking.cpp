// Tab 3: the nutrient and category lists, the ranking, its menu, the intake
// dialog `i` and the detail window `n`.

#include "apoyo/fixture.h"
#include "apoyo/registromensajes.h"
#include "catalogue/dialogoingesta.h"
#include "catalogue/ficha.h"
#include "catalogue/pestanaranking.h"
#include "windows/main/ventanaprincipal.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

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
        f->ui().tbs_fichas->setCurrentWidget(f->ui().frm_tres);
        QApplication::processEvents();
    }
    InterfazPrincipal& ui() { return f->ui(); }
    QTreeWidget* lista() { return f->ui().lsv_ordenado; }

    void ordenar(const QString& nutriente, const QString& categoria = QString())
    {
        if (!nutriente.isEmpty())
            ui().cmb_nutrientes->setCurrentIndex(ui().cmb_nutrientes->findData(nutriente));
        if (!categoria.isEmpty())
            ui().cmb_categorias->setCurrentIndex(ui().cmb_categorias->findData(categoria));
        QTest::mouseClick(ui().cmd_listadoOrdenado, Qt::LeftButton);
    }
    QStringList columna(int c)
    {
        QStringList t;
        for (int i = 0; i < lista()->topLevelItemCount(); ++i)
            t << lista()->topLevelItem(i)->text(c);
        return t;
    }
    void pulsar(int fila, Qt::MouseButton boton = Qt::LeftButton)
    {
        QTest::mouseClick(lista()->viewport(), boton, {},
                          lista()->visualItemRect(lista()->topLevelItem(fila)).center());
    }
    void pulsarCabecera(int seccion)
    {
        QHeaderView* h = lista()->header();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(seccion) + h->sectionSize(seccion) / 2,
                                 h->height() / 2));
    }
    DialogoIngesta* dialogo() { return f->findChild<DialogoIngesta*>(QStringLiteral("i")); }
    QList<Ficha*> fichas()
    {
        return f->findChildren<Ficha*>(QString(), Qt::FindDirectChildrenOnly);
    }
};

QStringList textosLista(QTreeWidget* l, int c)
{
    QStringList t;
    for (int i = 0; i < l->topLevelItemCount(); ++i)
        t << l->topLevelItem(i)->text(c);
    return t;
}

} // namespace

class TstRanking : public QObject
{
    Q_OBJECT

private slots:
    void combosAlCargar();
    void ordenarSinNutriente();
    void ranking_data();
    void ranking();
    void cadaOrdenEmpiezaPorElMayor();
    void botones();
    void lineaSinCoincidencias();
    void dialogo_data();
    void dialogo();
    void dialogoUnaInstancia();
    void ficha();
};

void TstRanking::combosAlCargar()
{
    Escena e;
    QComboBox* n = e.ui().cmb_nutrientes;
    QCOMPARE(n->count(), Fixture::claves().size());
    for (int i = 0; i < n->count(); ++i)
        QCOMPARE(n->itemData(i).toString(), Fixture::claves().at(i));
    QCOMPARE(n->itemText(0), QStringLiteral("Energy"));
    QCOMPARE(n->itemText(2), QStringLiteral("Carbohydrate, by difference"));
    QCOMPARE(n->currentIndex(), -1);

    QComboBox* c = e.ui().cmb_categorias;
    QCOMPARE(c->count(), 6);
    QCOMPARE(c->itemText(0), QStringLiteral("Beef Products"));
    QCOMPARE(c->itemData(0).toString(), QStringLiteral("1300"));
    QCOMPARE(c->itemText(5), QStringLiteral("Vegetables and Vegetable Products"));
    QCOMPARE(c->currentIndex(), -1);

    QVERIFY(!e.lista()->isVisible());
    QVERIFY(e.lista()->headerItem()->text(1).isEmpty());
    QCOMPARE(e.fx.entradasLog(), 0);
}

void TstRanking::ordenarSinNutriente()
{
    Escena e;
    e.ordenar(QString());
    QCOMPARE(e.msgs.textos(), QStringList{QStringLiteral("Please, select a nutrient")});
    QCOMPARE(e.msgs.ultimo().titulo, QStringLiteral("Alimetra 1.1"));
    QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Aviso);
    QVERIFY(!e.lista()->isVisible());
}

void TstRanking::ranking_data()
{
    QTest::addColumn<QString>("nutriente");
    QTest::addColumn<QString>("categoria");
    QTest::addColumn<QString>("cabecera");
    QTest::addColumn<QStringList>("alimentos");
    QTest::addColumn<QStringList>("valores");
    QTest::addColumn<QList<qint64>>("ids");

    QTest::newRow("all foods") << "Protein"
                               << ""
                               << "  g"
                               << QStringList{"McDonald's, Hamburger",
                                              "Snacks, milk chocolate coated crackers",
                                              "Milk, whole, 3.25% milkfat",
                                              "Carrots, raw",
                                              "Butter, salted",
                                              "Apples, raw, with skin"}
                               << QStringList{"12.92", "6.5", "3.15", "0.93", "0.85", "0.26"}
                               << QList<qint64>{21237, 43212, 1077, 11124, 1001, 9003};
    QTest::newRow("one group") << "Protein"
                               << "0100"
                               << "  g"
                               << QStringList{"Milk, whole, 3.25% milkfat", "Butter, salted"}
                               << QStringList{"3.15", "0.85"} << QList<qint64>{1077, 1001};
    // Zero and null values are not ranked.
    QTest::newRow("mg, zeros and nulls left out")
        << "Vitamin_C_total_ascorbic_acid"
        << ""
        << "  mg" << QStringList{"Carrots, raw", "Apples, raw, with skin", "McDonald's, Hamburger"}
        << QStringList{"5.9", "4.6", "0.6"} << QList<qint64>{11124, 9003, 21237};
    QTest::newRow("no match") << "Vitamin_C_total_ascorbic_acid"
                              << "1300"
                              << "  mg" << QStringList{"Sorry, no matches were found."}
                              << QStringList{""} << QList<qint64>{0};
    QTest::newRow("only nulls") << "Leucine"
                                << "2500"
                                << "  g" << QStringList{"Sorry, no matches were found."}
                                << QStringList{""} << QList<qint64>{0};
}

void TstRanking::ranking()
{
    QFETCH(QString, nutriente);
    QFETCH(QString, categoria);
    QFETCH(QString, cabecera);
    QFETCH(QStringList, alimentos);
    QFETCH(QStringList, valores);
    QFETCH(QList<qint64>, ids);

    Escena e;
    e.ordenar(nutriente, categoria);
    QVERIFY(e.lista()->isVisible());
    QCOMPARE(e.lista()->headerItem()->text(1), cabecera);
    QCOMPARE(e.columna(0), alimentos);
    QCOMPARE(e.columna(1), valores);
    QList<qint64> hallados;
    for (int i = 0; i < e.lista()->topLevelItemCount(); ++i)
        hallados << e.lista()->topLevelItem(i)->data(0, Qt::UserRole).toLongLong();
    QCOMPARE(hallados, ids);
    QCOMPARE(e.fx.entradasLog(), 0);
    QVERIFY(e.msgs.mostrados().isEmpty());

    // A chosen category keeps filtering the next ranking.
    e.ordenar(QStringLiteral("Energy"));
    if (!categoria.isEmpty())
        QCOMPARE(e.ui().cmb_categorias->currentData().toString(), categoria);
    QCOMPARE(e.lista()->headerItem()->text(1), QStringLiteral("  kcal"));
}

void TstRanking::cadaOrdenEmpiezaPorElMayor()
{
    Escena e;
    e.ordenar(QStringLiteral("Protein"));
    e.pulsarCabecera(1);
    QCOMPARE(e.columna(1).first(), QStringLiteral("0.26"));
    e.ordenar(QStringLiteral("Protein"));
    QCOMPARE(e.columna(1), (QStringList{"12.92", "6.5", "3.15", "0.93", "0.85", "0.26"}));
    e.pulsarCabecera(0);
    QCOMPARE(e.columna(0).first(), QStringLiteral("Apples, raw, with skin"));
    e.ordenar(QStringLiteral("Protein"));
    QCOMPARE(e.columna(0).first(), QStringLiteral("McDonald's, Hamburger"));
}

void TstRanking::botones()
{
    Escena e;
    e.ordenar(QStringLiteral("Protein"));
    e.pulsar(1);
    QVERIFY(!e.ui().listadoOrdenado->isVisible());
    QVERIFY(!e.dialogo());
    QVERIFY(e.fichas().isEmpty());

    e.pulsar(2, Qt::RightButton);
    QVERIFY(e.ui().listadoOrdenado->isVisible());
    e.ui().listadoOrdenado->hide();
    QCOMPARE(e.lista()->selectedItems().first()->text(0),
             QStringLiteral("Milk, whole, 3.25% milkfat"));
    e.ui().displayNutrients->trigger();
    QCOMPARE(e.fichas().size(), 1);
    QCOMPARE(e.fichas().first()->windowTitle(), QStringLiteral("Milk, whole, 3.25% milkfat"));

    // Nothing selected: the menu entries and a double click do nothing.
    e.lista()->clearSelection();
    e.lista()->setCurrentItem(nullptr);
    e.ui().displayNutrients->trigger();
    e.ui().setIntake->trigger();
    QCOMPARE(e.fichas().size(), 1);
    QVERIFY(!e.dialogo());
}

void TstRanking::lineaSinCoincidencias()
{
    Escena e;
    e.ordenar(QStringLiteral("Leucine"), QStringLiteral("2500"));
    e.pulsar(0, Qt::RightButton);
    e.ui().listadoOrdenado->hide();

    e.ui().displayNutrients->trigger();
    QCOMPARE(e.fichas().size(), 1);
    Ficha* n = e.fichas().first();
    QCOMPARE(n->windowTitle(), QStringLiteral("Sorry, no matches were found."));
    QCOMPARE(n->lsv_infoCompleta->topLevelItemCount(), 0);

    e.ui().setIntake->trigger();
    QPointer<DialogoIngesta> i = e.dialogo();
    QVERIFY(i);
    i->tbx_cantidad->setText(QStringLiteral("5"));
    QTest::mouseClick(i->cmd_guardar, Qt::LeftButton);
    QCOMPARE(e.msgs.textos(), QStringList{QStringLiteral("An error occured while saving intake")});
    QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Error);
    QTRY_VERIFY(!i);
    QCOMPARE(e.fx.valor(QStringLiteral("select count(*) from saves")).toInt(), 0);
    QVERIFY(e.fx.log().contains(QStringLiteral("guardarCantidad() -> ")));
}

void TstRanking::dialogo_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QVariant>("guardado");

    QTest::newRow("zero refused") << "0" << QVariant();
    QTest::newRow("two zeros") << "00" << QVariant(0);
    QTest::newRow("empty") << "" << QVariant();
    QTest::newRow("letter") << "12a" << QVariant();
    QTest::newRow("decimal") << "1.5" << QVariant();
    QTest::newRow("negative") << "-3" << QVariant();
    QTest::newRow("leading blank") << " 12" << QVariant();
    QTest::newRow("largest") << "99999" << QVariant(99999);
}

void TstRanking::dialogo()
{
    QFETCH(QString, texto);
    QFETCH(QVariant, guardado);

    Escena e;
    e.ordenar(QStringLiteral("Protein"));
    e.pulsar(1, Qt::RightButton);
    e.ui().listadoOrdenado->hide();
    e.ui().setIntake->trigger();
    QPointer<DialogoIngesta> i = e.dialogo();
    QVERIFY(i && i->isVisible());
    QCOMPARE(i->windowTitle(), QStringLiteral("  Set intake"));
    QVERIFY(!i->isModal());
    i->tbx_cantidad->setText(texto);
    QTest::mouseClick(i->cmd_guardar, Qt::LeftButton);

    const auto filas = e.fx.filas(QStringLiteral("select food_id, prof_id, intake from saves"));
    if (guardado.isValid()) {
        QCOMPARE(e.msgs.textos(), QStringList{QStringLiteral("Intake saved")});
        QCOMPARE(filas, (QList<QVariantList>{{Fixture::galletas, 1, guardado}}));
        QTRY_VERIFY(!i);
    } else {
        QCOMPARE(e.msgs.textos(),
                 QStringList{QStringLiteral(
                     "Please, set your weekly intake (grams, integer numbers only)")});
        QVERIFY(filas.isEmpty());
        QVERIFY(i && i->isVisible());
    }
    QCOMPARE(e.fx.entradasLog(), 0);
}

void TstRanking::dialogoUnaInstancia()
{
    Escena e;
    e.ordenar(QStringLiteral("Protein"));
    e.pulsar(0, Qt::RightButton);
    e.ui().listadoOrdenado->hide();
    e.ui().setIntake->trigger();
    QPointer<DialogoIngesta> i = e.dialogo();
    i->tbx_cantidad->setText(QStringLiteral("70"));
    e.ui().setIntake->trigger();
    QCOMPARE(e.f->findChildren<DialogoIngesta*>().size(), 1);
    QCOMPARE(i->tbx_cantidad->text(), QStringLiteral("70"));

    // The main window stays usable: the save goes to the food selected now.
    e.pulsar(4);
    QTest::mouseClick(i->cmd_guardar, Qt::LeftButton);
    QCOMPARE(e.fx.filas(QStringLiteral("select food_id, intake from saves")),
             (QList<QVariantList>{{Fixture::mantequilla, 70}}));
    QTRY_VERIFY(!i);

    // Saving again for the same food updates its row; a new dialog starts empty.
    e.ui().setIntake->trigger();
    QVERIFY(e.dialogo()->tbx_cantidad->text().isEmpty());
    e.dialogo()->tbx_cantidad->setText(QStringLiteral("80"));
    QTest::mouseClick(e.dialogo()->cmd_guardar, Qt::LeftButton);
    QCOMPARE(e.fx.filas(QStringLiteral("select food_id, intake from saves")),
             (QList<QVariantList>{{Fixture::mantequilla, 80}}));

    // Closed with its close box it saves nothing; the main window takes it along.
    e.ui().setIntake->trigger();
    QTRY_VERIFY(e.dialogo());
    i = e.dialogo();
    e.f->close();
    QTRY_VERIFY(!i);
    QCOMPARE(e.fx.valor(QStringLiteral("select count(*) from saves")).toInt(), 1);
}

void TstRanking::ficha()
{
    Escena e;
    // A null value shows 0; the rows follow the nutrient order with their units and icons.
    Ficha* n = cargarInfoCompleta(e.f.get(), QStringLiteral("McDonald's, Hamburger"),
                                  Fixture::hamburguesa);
    QCOMPARE(n->objectName(), QStringLiteral("n"));
    QVERIFY(n->isVisible());
    QVERIFY(n->lbl_titulo->font().bold());
    QCOMPARE(n->Label2->text(),
             QStringLiteral("The values displayed below are for one hundred grams of an "
                            "edible portion. "));
    QCOMPARE((QStringList{n->Label9->text(), n->Label12->text(), n->Label10->text(),
                          n->Label11->text()}),
             (QStringList{"General", "Amino acids", "Vitamins", "Minerals"}));
    QVERIFY(!n->Picture1->pixmap().isNull() && !n->Picture4->pixmap().isNull());
    QTreeWidget* l = n->lsv_infoCompleta;
    QCOMPARE(l->headerItem()->text(0), QStringLiteral("Nutrient"));
    QCOMPARE(l->headerItem()->text(2), QStringLiteral("Value"));
    QCOMPARE(l->topLevelItemCount(), Fixture::claves().size());
    QCOMPARE(textosLista(l, 0).mid(0, 3),
             (QStringList{"Energy", "Protein", "Carbohydrate, by difference"}));
    QCOMPARE(textosLista(l, 1),
             (QStringList{"kcal", "g", "g", "g", "g", "g", "g", "g", "mg", "mg", "mg"}));
    QCOMPARE(textosLista(l, 2), (QStringList{"264", "12.92", "31.36", "6.51", "9.77", "3.6", "0",
                                             "0", "0.6", "126", "502"}));
    for (int i = 0; i < l->topLevelItemCount(); ++i)
        QVERIFY(!l->topLevelItem(i)->icon(0).isNull());

    // An id above 16 bits, and a decimal comma where the user writes one.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Ficha* m = cargarInfoCompleta(e.f.get(), QStringLiteral("Snacks"), Fixture::galletas);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(textosLista(m->lsv_infoCompleta, 2).mid(0, 3), (QStringList{"480", "6,5", "62"}));
    QCOMPARE(e.fichas().size(), 2);
    QCOMPARE(e.fx.entradasLog(), 0);
}

QTEST_MAIN(TstRanking)
#include "tst_ranking.moc"
