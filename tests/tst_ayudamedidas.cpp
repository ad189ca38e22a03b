// Household measures on screen: the helper beside the grams box of tab 2 and
// of dialog `i`, tab 4's read-back line and the detail window's measure list.

#include "apoyo/escena.h"
#include "apoyo/pantalla.h"
#include "catalogue/cifras.h"
#include "windows/catalogue/ayudamedidas.h"
#include "windows/catalogue/dialogoingesta.h"
#include "windows/common/rejilla.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

// Tab 2 with a food of the fixture chosen: search, its group, the food.
struct Pestana2 : Escena
{
    Pestana2() : Escena(1) {}
    AyudaMedidas* ayuda() { return ui().ayudaMedidas; }
    void elegir(const QString& busqueda, const QString& alimento)
    {
        ui().tbx_buscar->setText(busqueda);
        QTest::mouseClick(ui().cmd_buscar, Qt::LeftButton);
        QListWidget* l = ui().lbx_categorias;
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(0)).center());
        const int fila = int(textos(ui().lsv_alimentos).indexOf(alimento));
        QVERIFY(fila >= 0);
        pulsar(ui().lsv_alimentos, fila);
    }
    QStringList medidas()
    {
        QStringList m;
        for (int i = 0; i < ::ui(*ayuda()).cmb_medidas->count(); ++i)
            m << ::ui(*ayuda()).cmb_medidas->itemData(i, Qt::ToolTipRole).toString();
        return m;
    }
};

const QString leche = QStringLiteral("Milk, whole, 3.25% milkfat");

// Restores the default locale when it goes.
struct ConLocale
{
    explicit ConLocale(const QString& nombre) { QLocale::setDefault(QLocale(nombre)); }
    ~ConLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

} // namespace

class TstAyudaMedidas : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Milk's measures are g, cup 244, tbsp 15, fl oz 30.5, quart 976. The
    // grams box holds 700 before; a refused entry leaves it so.
    void calculo_data()
    {
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("cantidad");
        QTest::addColumn<int>("medida");
        QTest::addColumn<int>("periodo");
        QTest::addColumn<QString>("gramos");
        QTest::addColumn<QString>("calculo");
        QTest::newRow("2 cups a day") << "en_US"
                                      << "2" << 1 << 0 << "3416"
                                      << "2 x 1 cup (244 g) per day = 3416 g a week";
        QTest::newRow("half a tbsp a week rounds half up")
            << "en_US"
            << "0.5" << 2 << 1 << "8"
            << "0.5 x 1 tbsp (15 g) per week = 8 g a week";
        QTest::newRow("grams a day") << "en_US"
                                     << "150" << 0 << 0 << "1050"
                                     << "150 g per day = 1050 g a week";
        QTest::newRow("Spanish comma") << "es_ES"
                                       << "1,5" << 3 << 0 << "320"
                                       << "1,5 x 1 fl oz (30,5 g) per day = 320 g a week";
        QTest::newRow("German comma") << "de_DE"
                                      << "1,5" << 1 << 1 << "366"
                                      << "1,5 x 1 cup (244 g) per week = 366 g a week";
        // Each language's own digits, in and out; the stored grams are the same.
        QTest::newRow("Arabic digits")
            << "ar_EG" << QString::fromUtf8("١٫٥") << 1 << 0 << QString::fromUtf8("٢٥٦٢")
            << QString::fromUtf8("١٫٥ x ١ cup (٢٤٤ g) per day = ٢٥٦٢ g a week");
        QTest::newRow("Persian digits")
            << "fa_IR" << QString::fromUtf8("۱٫۵") << 1 << 0 << QString::fromUtf8("۲۵۶۲")
            << QString::fromUtf8("۱٫۵ x ۱ cup (۲۴۴ g) per day = ۲۵۶۲ g a week");
        QTest::newRow("comma in English") << "en_US"
                                          << "1,5" << 1 << 0 << "700"
                                          << "";
        QTest::newRow("empty") << "en_US"
                               << "" << 1 << 0 << "700"
                               << "";
        QTest::newRow("zero") << "en_US"
                              << "0" << 1 << 0 << "700"
                              << "";
        QTest::newRow("negative") << "en_US"
                                  << "-2" << 1 << 0 << "700"
                                  << "";
        QTest::newRow("text") << "en_US"
                              << "two" << 1 << 0 << "700"
                              << "";
        QTest::newRow("five significant digits") << "en_US"
                                                 << "1.0001" << 1 << 0 << "700"
                                                 << "";
        QTest::newRow("below 1 g")
            << "en_US"
            << "0.01" << 2 << 1 << "700"
            << "0.01 x 1 tbsp (15 g) per week = 0 g a week: less than 1 g, not entered";
        QTest::newRow("above five digits is not cut")
            << "en_US"
            << "15" << 4 << 0 << "700"
            << "15 x 1 quart (976 g) per day = 102480 g a week: more than 99999 g, not entered";
        QTest::newRow("more than one eats is entered, with a warning")
            << "en_US"
            << "6" << 1 << 0 << "10248"
            << "6 x 1 cup (244 g) per day = 10248 g a week: more than 10 kg a week, please check";
    }
    void calculo()
    {
        QFETCH(QString, local);
        QFETCH(QString, cantidad);
        QFETCH(int, medida);
        QFETCH(int, periodo);
        QFETCH(QString, gramos);
        QFETCH(QString, calculo);
        ConLocale conLocale(local);
        Pestana2 e;
        e.elegir("milk", leche);
        const PantallaAyuda a = ::ui(*e.ayuda());
        a.cmb_periodo->setCurrentIndex(periodo);
        a.cmb_medidas->setCurrentIndex(medida);
        e.ui().tbx_cantidad->setText("700");
        a.tbx_medidaCantidad->setText(cantidad);
        QCOMPARE(e.ui().tbx_cantidad->text(), gramos);
        QCOMPARE(a.lbl_calculo->text(), calculo);
        QCOMPARE(a.lbl_calculo->property("exceso").toBool(), calculo.endsWith("please check"));
        QVERIFY(e.msgs.textos().isEmpty());

        // Save takes the grams box as it stands, as typed grams.
        QTest::mouseClick(e.ui().cmd_guardar, Qt::LeftButton);
        QCOMPARE(e.fx.valor("select intake from saves where food_id=1077").toString(),
                 *cifras::digitos(gramos, QLocale()));
        QCOMPARE(e.msgs.textos(), QStringList{"Intake saved"});
    }

    // Choosing a food lists its measures and what is stored, and leaves the
    // grams box alone; a save tells the new stored amount.
    void eleccionYGuardada()
    {
        Pestana2 e;
        e.fx.ejecutar("insert into saves (prof_id, food_id, intake) values (1, 1077, 700)");
        e.ui().tbx_cantidad->setText("5");
        e.elegir("milk", leche);
        const PantallaAyuda a = ::ui(*e.ayuda());
        QCOMPARE(e.medidas(), (QStringList{"", "1 cup (244 g)", "1 tbsp (15 g)", "1 fl oz (30.5 g)",
                                           "1 quart (976 g)"}));
        QCOMPARE(a.cmb_medidas->currentText(), QStringLiteral("g"));
        QCOMPARE(e.ui().tbx_cantidad->text(), QStringLiteral("5"));
        QCOMPARE(a.lbl_guardada->text(),
                 QStringLiteral("Stored now: 700 g a week, about 0.4 cup a day"));
        a.cmb_medidas->setCurrentIndex(2);
        QCOMPARE(a.lbl_guardada->text(),
                 QStringLiteral("Stored now: 700 g a week, about 6.7 tbsp a day"));
        QTest::mouseClick(e.ui().cmd_guardar, Qt::LeftButton);
        QCOMPARE(a.lbl_guardada->text(),
                 QStringLiteral("Stored now: 105 g a week, about 1 tbsp a day"));
        // An intake changed elsewhere shows on the next visit of the tab.
        e.fx.ejecutar("update saves set intake=210 where food_id=1077");
        e.ui().tbs_fichas->setCurrentIndex(3);
        e.ui().tbs_fichas->setCurrentIndex(1);
        QCOMPARE(a.lbl_guardada->text(),
                 QStringLiteral("Stored now: 210 g a week, about 2 tbsp a day"));

        // A food without measures offers only "g"; nothing stored, no line.
        e.elegir("hamburger", "McDonald's, Hamburger");
        QCOMPARE(e.medidas(), QStringList{""});
        QCOMPARE(a.lbl_guardada->text(), QString());
        // A refilled list has no food chosen: the helper has no measures.
        e.elegir("carrots", "Carrots, raw");
        QCOMPARE(a.cmb_medidas->count(), 3);
        QTest::mouseClick(e.ui().cmd_buscar, Qt::LeftButton);
        QListWidget* l = e.ui().lbx_categorias;
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(0)).center());
        QCOMPARE(a.cmb_medidas->count(), 1);
        // Tabbing into the refilled list makes its first row current but
        // chooses nothing: normal use, nothing for the log.
        e.f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(e.f.get()));
        QTest::keyClick(l, Qt::Key_Tab);
        QVERIFY(e.ui().lsv_alimentos->hasFocus());
        QVERIFY(e.ui().lsv_alimentos->currentItem());
        QCOMPARE(e.f->busqueda().alimentoSeleccionado(), 0);
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    // Another food starts again from 1 g a day: 50 typed for the carrots
    // must not become 50 cups of milk. Enter in either box saves.
    void otroAlimentoEmpiezaDeUno()
    {
        Pestana2 e;
        const PantallaAyuda a = ::ui(*e.ayuda());
        e.elegir("carrots", "Carrots, raw");
        a.tbx_medidaCantidad->setText("50");
        a.cmb_periodo->setCurrentIndex(1);
        QTest::keyClick(a.tbx_medidaCantidad, Qt::Key_Return);
        QCOMPARE(e.fx.valor("select intake from saves where food_id=11124").toInt(), 50);

        e.elegir("milk", leche);
        QCOMPARE(a.tbx_medidaCantidad->text(), QStringLiteral("1"));
        QCOMPARE(a.cmb_periodo->currentIndex(), 0);
        QCOMPARE(e.ui().tbx_cantidad->text(), QStringLiteral("50"));
        a.cmb_medidas->setCurrentIndex(1);
        QCOMPARE(e.ui().tbx_cantidad->text(), QStringLiteral("1708"));
        e.ui().tbx_cantidad->setText("1700");
        QTest::keyClick(e.ui().tbx_cantidad, Qt::Key_Enter);
        QCOMPARE(e.fx.valor("select intake from saves where food_id=1077").toInt(), 1700);
        QCOMPARE(e.msgs.textos(), (QStringList{"Intake saved", "Intake saved"}));
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    // The boxes and buttons stay where they are while the helper's lines
    // come and go.
    void nadaSeMueve()
    {
        Pestana2 e;
        e.fx.ejecutar("insert into saves (prof_id, food_id, intake) values (1, 1077, 700)");
        const PantallaAyuda a = ::ui(*e.ayuda());
        const QList<QWidget*> quietos{e.ui().tbx_cantidad, e.ui().cmd_guardar,
                                      a.tbx_medidaCantidad};
        const auto posiciones = [&] {
            QApplication::processEvents();
            QList<QPoint> p;
            for (QWidget* w : quietos)
                p << w->mapTo(e.f.get(), QPoint());
            return p;
        };
        const QList<QPoint> vacias = posiciones();
        QVERIFY(a.lbl_guardada->text().isEmpty() && a.lbl_calculo->text().isEmpty());
        e.elegir("milk", leche);
        a.tbx_medidaCantidad->setText("2");
        QVERIFY(!a.lbl_guardada->text().isEmpty() && !a.lbl_calculo->text().isEmpty());
        QCOMPARE(posiciones(), vacias);
        a.tbx_medidaCantidad->clear();
        QCOMPARE(posiciones(), vacias);
    }

    // Dialog `i` follows the food selected in the ranking.
    void dialogo()
    {
        Escena e(2);
        e.ui().cmb_nutrientes->setCurrentIndex(e.ui().cmb_nutrientes->findData("Calcium_Ca"));
        QTest::mouseClick(e.ui().cmd_listadoOrdenado, Qt::LeftButton);
        QTreeWidget* lista = e.ui().lsv_ordenado;
        const int filaLeche = int(Escena::textos(lista).indexOf(leche));
        QVERIFY(filaLeche >= 0);
        Escena::pulsar(lista, filaLeche, Qt::RightButton);
        e.ui().listadoOrdenado->hide();
        e.ui().setIntake->trigger();
        auto* i = e.f->findChild<DialogoIngesta*>(QStringLiteral("i"));
        QVERIFY(i);
        // It names the food the intake goes to.
        QCOMPARE(::ui(*i).lbl_alimento->text(), leche);
        QCOMPARE(::ui(*i).lbl_alimento->toolTip(), leche);
        QCOMPARE(::ui(*i).ayuda.cmb_medidas->count(), 5);
        ::ui(*i).ayuda.cmb_medidas->setCurrentIndex(1);
        ::ui(*i).ayuda.tbx_medidaCantidad->setText("2");
        QCOMPARE(::ui(*i).tbx_cantidad->text(), QStringLiteral("3416"));
        const int filaHamburguesa = int(Escena::textos(lista).indexOf("McDonald's, Hamburger"));
        Escena::pulsar(lista, filaHamburguesa);
        QCOMPARE(::ui(*i).ayuda.cmb_medidas->count(), 1);
        QCOMPARE(::ui(*i).lbl_alimento->text(), QStringLiteral("McDonald's, Hamburger"));
        QCOMPARE(::ui(*i).tbx_cantidad->text(), QStringLiteral("3416"));
        // Enter in the quantity box saves, as in the grams box.
        QTest::keyClick(::ui(*i).ayuda.tbx_medidaCantidad, Qt::Key_Return);
        QCOMPARE(e.fx.valor("select intake from saves where food_id=21237").toInt(), 3416);
    }

    // Tab 4 reads the current row back in the food's first measure, and
    // follows an edit.
    void lecturaPestana4()
    {
        Fixture fx;
        fx.ejecutar("update profiles set age=4, gender=0, weight=70");
        fx.ejecutar("insert into saves (prof_id, food_id, intake) values (1, 1077, 700), "
                    "(1, 21237, 350)");
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        ::ui(f).tbs_fichas->setCurrentIndex(3);
        RejillaDatos* rejilla = ::ui(f).dgr_alimentos;
        QAbstractItemModel* modelo = rejilla->model();
        QHash<QString, int> fila;
        for (int r = 0; r < modelo->rowCount(); ++r)
            fila[modelo->index(r, 2).data().toString()] = r;
        rejilla->setCurrentIndex(modelo->index(fila[leche], 1));
        QCOMPARE(::ui(f).lbl_4_3->text(), QStringLiteral("700 g a week = about 0.4 cup a day"));
        QVERIFY(modelo->setData(modelo->index(fila[leche], 1), "3416"));
        QCOMPARE(::ui(f).lbl_4_3->text(), QStringLiteral("3416 g a week = about 2 cup a day"));
        rejilla->setCurrentIndex(modelo->index(fila["McDonald's, Hamburger"], 1));
        QCOMPARE(::ui(f).lbl_4_3->text(), QStringLiteral("350 g a week = about 50 g a day"));
    }

    // Tab 4 in Arabic: the grid and its read-back in Arabic digits, and an
    // intake typed in them stored as grams.
    void pestana4EnArabe()
    {
        ConLocale conLocale(QStringLiteral("ar_EG"));
        Fixture fx;
        fx.ejecutar("update profiles set age=4, gender=0, weight=70");
        fx.ejecutar("insert into saves (prof_id, food_id, intake) values (1, 1077, 700)");
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        ::ui(f).tbs_fichas->setCurrentIndex(3);
        QAbstractItemModel* modelo = ::ui(f).dgr_alimentos->model();
        const QModelIndex celda = modelo->index(0, 1);
        QCOMPARE(celda.data().toString(), QString::fromUtf8("٧٠٠"));
        ::ui(f).dgr_alimentos->setCurrentIndex(celda);
        QCOMPARE(::ui(f).lbl_4_3->text(), QString::fromUtf8("٧٠٠ g a week = about ٠٫٤ cup a day"));
        QVERIFY(modelo->setData(celda, QString::fromUtf8("٣٤١٦")));
        ::ui(f).dgr_alimentos->confirmarEdicion();
        QCOMPARE(fx.valor("select intake from saves where food_id=1077").toInt(), 3416);
        QVERIFY(msgs.textos().isEmpty());
    }

    // The detail window shows the values for the measure chosen.
    void fichaConMedida()
    {
        Escena e(1);
        const PantallaFicha n = ::ui(*cargarInfoCompleta(
            e.f.get(), e.f->sesion().valoresRecomendados, leche, Fixture::leche));
        QCOMPARE(n.cmb_medidas->currentText(), QStringLiteral("100 g"));
        QCOMPARE(n.cmb_medidas->count(), 5);
        const QString texto100 = n.Label2->text();
        auto valor = [n](const QString& nutriente) {
            for (int i = 0; i < n.lsv_infoCompleta->topLevelItemCount(); ++i)
                if (n.lsv_infoCompleta->topLevelItem(i)->text(0) == nutriente)
                    return n.lsv_infoCompleta->topLevelItem(i)->text(2);
            return QString();
        };
        QCOMPARE(valor("Energy"), QStringLiteral("61"));
        n.cmb_medidas->setCurrentIndex(1);
        QCOMPARE(valor("Energy"), QStringLiteral("148.84"));
        QCOMPARE(valor("Calcium, Ca"), QStringLiteral("275.72"));
        QCOMPARE(n.Label2->text(),
                 QStringLiteral("The values displayed below are for 1 cup (244 g) of an edible "
                                "portion. "));
        n.cmb_medidas->setCurrentIndex(0);
        QCOMPARE(valor("Energy"), QStringLiteral("61"));
        QCOMPARE(n.Label2->text(), texto100);
    }
};

QTEST_MAIN(TstAyudaMedidas)
#include "tst_ayudamedidas.moc"
