// Tab 3: the nutrient and category lists, the ranking, its menu, the intake
// dialog `i` and the detail window `n`.

#include "apoyo/escena.h"
#include "windows/catalogue/dialogoingesta.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

struct Ranking : Escena
{
    Ranking() : Escena(2) {}
    QTreeWidget* lista() { return ui().lsv_ordenado; }
    void ordenar(const QString& nutriente, const QString& categoria = QString())
    {
        ui().cmb_nutrientes->setCurrentIndex(ui().cmb_nutrientes->findData(nutriente));
        if (!categoria.isEmpty())
            ui().cmb_categorias->setCurrentIndex(ui().cmb_categorias->findData(categoria));
        QTest::mouseClick(ui().cmd_listadoOrdenado, Qt::LeftButton);
    }
    // Right click on a row, then the menu entry.
    void menu(int fila, QAction* entrada)
    {
        pulsar(lista(), fila, Qt::RightButton);
        QVERIFY(ui().listadoOrdenado->isVisible());
        ui().listadoOrdenado->hide();
        entrada->trigger();
    }
    DialogoIngesta* i() { return f->findChild<DialogoIngesta*>(QStringLiteral("i")); }
    void guardarEnDialogo(const QString& texto)
    {
        ::ui(*i()).tbx_cantidad->setText(texto);
        QTest::mouseClick(::ui(*i()).cmd_guardar, Qt::LeftButton);
    }
    QList<QVariantList> guardadas()
    {
        return fx.filas(QStringLiteral("select food_id, intake from saves"));
    }
};

const QString ninguna = QStringLiteral("Sorry, no matches were found.");

} // namespace

class TstRanking : public QObject
{
    Q_OBJECT

private slots:
    void alCargar()
    {
        Ranking e;
        QCOMPARE(e.ui().cmb_nutrientes->count(), Fixture::claves().size());
        QCOMPARE(e.ui().cmb_nutrientes->itemData(2).toString(), QStringLiteral("Carbohydrate"));
        QCOMPARE(e.ui().cmb_categorias->itemData(0).toString(), QStringLiteral("1300"));

        // "Sort" without a nutrient only warns.
        QTest::mouseClick(e.ui().cmd_listadoOrdenado, Qt::LeftButton);
        QCOMPARE(e.msgs.textos(), QStringList{"Please, select a nutrient"});
        QCOMPARE(e.msgs.ultimo().titulo, QStringLiteral("Alimetra 1.1"));
        QVERIFY(!e.lista()->isVisible());
    }

    void ranking_data()
    {
        QTest::addColumn<QString>("nutriente");
        QTest::addColumn<QString>("categoria");
        QTest::addColumn<QString>("cabecera"); // two blanks before the unit
        QTest::addColumn<QStringList>("valores");
        QTest::addColumn<QList<qint64>>("ids");

        QTest::newRow("all foods")
            << "Protein"
            << ""
            << "  g" << QStringList{"12.92", "6.5", "3.15", "0.93", "0.85", "0.26"}
            << QList<qint64>{21237, 43212, 1077, 11124, 1001, 9003};
        QTest::newRow("one group")
            << "Protein"
            << "0100"
            << "  g" << QStringList{"3.15", "0.85"} << QList<qint64>{1077, 1001};
        QTest::newRow("zeros and nulls left out")
            << "Vitamin_C_total_ascorbic_acid"
            << ""
            << "  mg" << QStringList{"5.9", "4.6", "0.6"} << QList<qint64>{11124, 9003, 21237};
        QTest::newRow("no match") << "Leucine"
                                  << "2500"
                                  << "  g" << QStringList{""} << QList<qint64>{0};
    }
    void ranking()
    {
        QFETCH(QString, nutriente);
        QFETCH(QString, categoria);
        QFETCH(QString, cabecera);
        QFETCH(QStringList, valores);
        QFETCH(QList<qint64>, ids);

        Ranking e;
        e.ordenar(nutriente, categoria);
        QVERIFY(e.lista()->isVisible());
        QCOMPARE(e.lista()->headerItem()->text(1), cabecera);
        QCOMPARE(Escena::textos(e.lista(), 1), valores);
        QList<qint64> hallados;
        for (int i = 0; i < e.lista()->topLevelItemCount(); ++i)
            hallados << e.lista()->topLevelItem(i)->data(0, Qt::UserRole).toLongLong();
        QCOMPARE(hallados, ids);

        // A left click only selects; each ranking is shown highest first again,
        // whatever column sort came before.
        Escena::pulsar(e.lista(), 0);
        QVERIFY(!e.ui().listadoOrdenado->isVisible() && e.fichas().isEmpty() && !e.i());
        Escena::pulsarCabecera(e.lista(), 1);
        Escena::pulsarCabecera(e.lista(), 0);
        e.ordenar(nutriente);
        QCOMPARE(Escena::textos(e.lista(), 1), valores);
        QCOMPARE(e.fx.entradasLog(), 0);
        QVERIFY(e.msgs.mostrados().isEmpty());
    }

    // The no-match line's menu gives an empty detail window; the dialog saves
    // only to a food selected in the ranking shown when "Save" is pressed.
    void dialogoSinAlimento()
    {
        Ranking e;
        e.ordenar(QStringLiteral("Leucine"), QStringLiteral("2500"));
        e.menu(0, e.ui().displayNutrients);
        QCOMPARE(e.fichas().size(), 1);
        QCOMPARE(e.fichas().first()->windowTitle(), ninguna);
        QCOMPARE(::ui(*e.fichas().first()).lsv_infoCompleta->topLevelItemCount(), 0);

        e.menu(0, e.ui().setIntake);
        QPointer<DialogoIngesta> i = e.i();
        e.guardarEnDialogo(QStringLiteral("5"));
        e.ordenar(QStringLiteral("Protein"), QStringLiteral("2500"));
        e.guardarEnDialogo(QStringLiteral("6"));
        QCOMPARE(e.msgs.textos(), (QStringList{"Please, select a food", "Please, select a food"}));
        QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Aviso);
        QVERIFY(i && i->isVisible());
        QVERIFY(e.guardadas().isEmpty());
        Escena::pulsar(e.lista(), 0);
        e.guardarEnDialogo(QStringLiteral("7"));
        QCOMPARE(e.msgs.ultimo().texto, QStringLiteral("Intake saved"));
        QCOMPARE(e.guardadas(), (QList<QVariantList>{{Fixture::galletas, 7}}));
        QTRY_VERIFY(!i);

        // With nothing selected the entries do nothing.
        e.lista()->clearSelection();
        e.ui().displayNutrients->trigger();
        e.ui().setIntake->trigger();
        QCOMPARE(e.fichas().size(), 1);
        QVERIFY(!e.i());

        // The keyboard's menu key opens the menu at the current row.
        e.lista()->setCurrentItem(e.lista()->topLevelItem(0));
        QTest::keyClick(e.lista(), Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(e.ui().listadoOrdenado->isVisible());
        QVERIFY(e.lista()->topLevelItem(0)->isSelected());
        e.ui().listadoOrdenado->hide();
    }

    void dialogo_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QVariant>("guardado"); // invalid when refused
        QTest::newRow("zero refused") << "0" << QVariant();
        QTest::newRow("two zeros") << "00" << QVariant(0);
        QTest::newRow("empty") << "" << QVariant();
        QTest::newRow("letter") << "12a" << QVariant();
        QTest::newRow("leading blank") << " 12" << QVariant();
    }
    void dialogo()
    {
        QFETCH(QString, texto);
        QFETCH(QVariant, guardado);

        Ranking e;
        e.ordenar(QStringLiteral("Protein"));
        e.menu(0, e.ui().setIntake);
        QPointer<DialogoIngesta> i = e.i();
        QVERIFY(i && i->isVisible() && !i->isModal());
        ::ui(*i).tbx_cantidad->setText(texto);
        // One dialog, which keeps its text; the save goes to the food selected
        // when "Save" is pressed.
        e.menu(1, e.ui().setIntake);
        QCOMPARE(e.f->findChildren<DialogoIngesta*>().size(), 1);
        QCOMPARE(::ui(*i).tbx_cantidad->text(), texto);
        e.guardarEnDialogo(texto);

        if (guardado.isValid()) {
            QCOMPARE(e.msgs.textos(), QStringList{"Intake saved"});
            QCOMPARE(e.guardadas(), (QList<QVariantList>{{Fixture::galletas, guardado}}));
            QTRY_VERIFY(!i);
            // A second save of the food updates its row, from a fresh dialog.
            e.menu(1, e.ui().setIntake);
            QVERIFY(::ui(*e.i()).tbx_cantidad->text().isEmpty());
            e.guardarEnDialogo(QStringLiteral("80"));
            QCOMPARE(e.guardadas(), (QList<QVariantList>{{Fixture::galletas, 80}}));
        } else {
            QCOMPARE(e.msgs.textos(),
                     QStringList{"Please, set your weekly intake (grams, integer numbers only)"});
            QVERIFY(i && i->isVisible());
            // It goes with the main window, saving nothing.
            e.f->close();
            QTRY_VERIFY(!i);
            QVERIFY(e.guardadas().isEmpty());
        }
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    void ficha()
    {
        Ranking e;
        e.ordenar(QStringLiteral("Protein"));
        Escena::dobleClic(e.lista(), 0);
        QCOMPARE(e.fichas().size(), 1);
        Ficha* n = e.fichas().first();
        QCOMPARE(n->windowTitle(), QStringLiteral("McDonald's, Hamburger"));
        QCOMPARE(::ui(*n).lbl_titulo->text(), n->windowTitle());
        QVERIFY(::ui(*n).lbl_titulo->font().bold() && n->isVisible());
        QCOMPARE(::ui(*n).Label12->text(), QStringLiteral("Amino acids"));
        QTreeWidget* l = ::ui(*n).lsv_infoCompleta;
        QCOMPARE(Escena::textos(l, 1),
                 (QStringList{"kcal", "g", "g", "g", "g", "g", "g", "g", "mg", "mg", "mg"}));
        // In `sorting` order; leucine and isoleucine are null for this food:
        // unknown, for 100 g as for a measure.
        const QStringList porCien = {"264",     "12.92",   "31.36", "6.51", "9.77", "3.6",
                                     "unknown", "unknown", "0.6",   "126",  "502"};
        QCOMPARE(Escena::textos(l, 2), porCien);
        ::ui(*n).cmb_medidas->addItem(QStringLiteral("(other)"));
        ::ui(*n).cmb_medidas->setCurrentIndex(::ui(*n).cmb_medidas->count() - 1);
        QCOMPARE(Escena::textos(l, 2).mid(6, 2), porCien.mid(6, 2));
        for (int i = 0; i < l->topLevelItemCount(); ++i)
            QVERIFY(!l->topLevelItem(i)->icon(0).isNull());

        // An id above 16 bits, with the user's decimal comma, in a window of its own.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Ficha* m = cargarInfoCompleta(e.f.get(), e.f->sesion().valoresRecomendados,
                                      QStringLiteral("Snacks"), Fixture::galletas);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(Escena::textos(::ui(*m).lsv_infoCompleta, 2).mid(0, 3),
                 (QStringList{"480", "6,5", "62"}));
        QCOMPARE(e.fichas().size(), 2);
        // Each new window steps down from the last; Escape closes one.
        QCOMPARE(m->pos(), n->pos() + QPoint(24, 24));
        QPointer<Ficha> cerrada = m;
        QTest::keyClick(m, Qt::Key_Escape);
        QTRY_VERIFY(!cerrada);
        QCOMPARE(e.fx.entradasLog(), 0);
    }
};

QTEST_MAIN(TstRanking)
#include "tst_ranking.moc"
