// Tab 5: the week's totals per nutrient, their percentage of the reference
// value, the list that shows them and its order when the tab is shown again.

#include "apoyo/fixture.h"
#include "apoyo/pantalla.h"
#include "apoyo/registromensajes.h"
#include "apoyo/vista.h"
#include "evaluation/resultados.h"
#include "evaluation/valoresrecomendados.h"
#include "windows/common/mensajes.h"
#include "windows/common/roles.h"
#include "windows/evaluation/ventanafuentes.h"
#include "windows/main/ventanaprincipal.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <memory>

namespace {

// A food of the tests' own: every nutrient null until a test sets some.
constexpr qint64 prueba = 90001;

// The fixture with its profile (id 1) as a man of 19 to 30 years and 70 kg.
struct Escena
{
    Fixture fx;
    RegistroMensajes msgs;
    std::unique_ptr<VentanaPrincipal> f;

    Escena()
    {
        fx.ejecutar(QStringLiteral("update profiles set age=6, gender=0, weight=70 where id=1"));
        fx.ejecutar(QStringLiteral("insert into total (id, description, group_id) values "
                                   "(%1, 'Test food', '0100')")
                        .arg(prueba));
    }
    void ingerir(qint64 alimento, int gramos, qint64 perfil = 1)
    {
        fx.ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values (%1, %2, "
                                   "%3)")
                        .arg(perfil)
                        .arg(alimento)
                        .arg(gramos));
    }
    // Opens the main window on the first call, then shows tab 5.
    void mostrar()
    {
        if (!f) {
            f = std::make_unique<VentanaPrincipal>();
            f->cargar();
        }
        ::ui(*f).tbs_fichas->setCurrentWidget(::ui(*f).frm_cinco);
    }
    vista::Fila fila(const QString& clave)
    {
        return vista::buscar(::ui(*f).lsv_wri,
                             f->sesion().valoresRecomendados.entrada(clave).nombre);
    }
    QStringList columna(int c) { return vista::textos(::ui(*f).lsv_wri, c); }
};

} // namespace

class PruebaResultados : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void sinIngestas_data()
    {
        QTest::addColumn<bool>("ceroGramos");
        QTest::newRow("no intakes") << false;
        QTest::newRow("only intakes of 0 g") << true;
    }
    void sinIngestas()
    {
        QFETCH(bool, ceroGramos);
        Escena e;
        if (ceroGramos) {
            e.ingerir(Fixture::mantequilla, 0);
            e.ingerir(Fixture::leche, 0);
        }
        e.mostrar();

        // Every row, energy sources included, shows 0: nothing divides by zero.
        const QStringList ceros(Fixture::claves().size(), QStringLiteral("0"));
        QCOMPARE(e.columna(2), ceros);
        QCOMPARE(e.columna(3), ceros);
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    void porcentajes_data()
    {
        QTest::addColumn<QString>("alimento");    // the test food's nutrients; 100 g eaten
        QTest::addColumn<QString>("referencias"); // "key=value" for males 19 - 30, ";"-separated
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("ingesta");
        QTest::addColumn<QString>("porcentaje");

        QTest::newRow("7000 against a daily 1000") << "Calcium_Ca=7000"
                                                   << "Calcium_Ca=1000"
                                                   << "Calcium_Ca"
                                                   << "7000"
                                                   << "100";
        QTest::newRow("protein 392 g at 0.8 g/kg, 70 kg") << "Protein=392"
                                                          << "Protein=0.8"
                                                          << "Protein"
                                                          << "392"
                                                          << "100";
        // Energy sources are shares of the energy (T = 2500 kcal), not of the grams.
        const QString energia =
            QStringLiteral("Protein=100, Total_Lipid=100, Carbohydrate=300, Sugars_total=50, "
                           "Fatty_acids_total_saturated=25");
        const QString refs = QStringLiteral(
            "Carbohydrate=60;Sugars_total=10;Total_Lipid=30;Fatty_acids_total_saturated=10");
        QTest::newRow("carbohydrate") << energia << refs << "Carbohydrate"
                                      << "300"
                                      << "80";
        QTest::newRow("sugars") << energia << refs << "Sugars_total"
                                << "50"
                                << "80";
        QTest::newRow("fat") << energia << refs << "Total_Lipid"
                             << "100"
                             << "120";
        QTest::newRow("saturated fat") << energia << refs << "Fatty_acids_total_saturated"
                                       << "25"
                                       << "90";
        // An empty or zero reference keeps the intake and leaves "% WRI" empty,
        // in each of the three formulas.
        QTest::newRow("energy source, empty reference") << energia << "Carbohydrate=null"
                                                        << "Carbohydrate"
                                                        << "300"
                                                        << "";
        QTest::newRow("empty reference") << "Sodium_Na=200"
                                         << "Sodium_Na=null"
                                         << "Sodium_Na"
                                         << "200"
                                         << "";
        QTest::newRow("protein, reference 0") << "Protein=392"
                                              << "Protein=0"
                                              << "Protein"
                                              << "392"
                                              << "";
        // Cells are rounded to two decimals, halves to the even neighbour, as
        // written: 2.675 is stored as 2.67499... and must not become 2.67.
        const QString vitC = QStringLiteral("Vitamin_C_total_ascorbic_acid");
        QTest::newRow("0.125 shown as 0.12") << vitC + "=0.125"
                                             << "" << vitC << "0.12"
                                             << "0.02";
        QTest::newRow("0.375 shown as 0.38") << vitC + "=0.375"
                                             << "" << vitC << "0.38"
                                             << "0.06";
        QTest::newRow("2.675 shown as 2.68") << vitC + "=2.675"
                                             << "" << vitC << "2.68"
                                             << "0.42";
        QTest::newRow("just above a half") << vitC + "=0.12501"
                                           << "" << vitC << "0.13"
                                           << "0.02";
    }
    void porcentajes()
    {
        QFETCH(QString, alimento);
        QFETCH(QString, referencias);
        QFETCH(QString, clave);
        QFETCH(QString, ingesta);
        QFETCH(QString, porcentaje);

        Escena e;
        e.fx.ejecutar(QStringLiteral("update total set %1 where id=%2").arg(alimento).arg(prueba));
        for (const QString& r : referencias.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QStringList partes = r.split(QLatin1Char('='));
            e.fx.ejecutar(QStringLiteral("update DRIs set males3=%1 where key='%2'")
                              .arg(partes.at(1), partes.at(0)));
        }
        e.ingerir(prueba, 100);
        e.mostrar();

        const vista::Fila fila = e.fila(clave);
        QVERIFY(fila);
        QCOMPARE(fila.text(2), ingesta);
        QCOMPARE(fila.text(3), porcentaje);
        // A missing reference is data, not a failure.
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    // Only the profile's intakes above 0 g count, a null food value adds
    // nothing, and a comma locale breaks neither the statement nor the cells.
    void totales_data()
    {
        QTest::addColumn<QLocale>("local");
        QTest::addColumn<QStringList>("esperado"); // Leucine, Sodium, Protein and its % WRI
        QTest::newRow("decimal point") << QLocale(QLocale::English, QLocale::UnitedStates)
                                       << QStringList{"0.17", "2934", "40.46", "10.32"};
        QTest::newRow("decimal comma") << QLocale(QLocale::German, QLocale::Germany)
                                       << QStringList{"0,17", "2934", "40,46", "10,32"};
    }
    void totales()
    {
        QFETCH(QLocale, local);
        QFETCH(QStringList, esperado);
        QLocale::setDefault(local);
        Escena e;
        e.fx.ejecutar(QStringLiteral("insert into profiles (id, name, last, age, gender, weight) "
                                     "values (2, 'Other', 0, 6, 0, 70)"));
        e.ingerir(Fixture::mantequilla, 200);
        e.ingerir(Fixture::hamburguesa, 300); // its Leucine is null
        e.ingerir(Fixture::leche, 0);
        e.ingerir(Fixture::mantequilla, 1000, 2);
        e.ingerir(Fixture::galletas, 500, 2);
        e.mostrar();

        // Leucine: butter 0.083 x 2. Sodium: butter 714 x 2 + hamburger 502 x 3,
        // without a thousands separator. Protein 40.46 g against 0.8 g/kg x 70 kg x 7.
        QCOMPARE((QStringList{e.fila(QStringLiteral("Leucine")).text(2),
                              e.fila(QStringLiteral("Sodium_Na")).text(2),
                              e.fila(QStringLiteral("Protein")).text(2),
                              e.fila(QStringLiteral("Protein")).text(3)}),
                 esperado);
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    void iconoDesconocido()
    {
        Escena e;
        e.fx.ejecutar(QStringLiteral("update DRIs set icon='otros' where key='Calcium_Ca'"));
        e.ingerir(Fixture::mantequilla, 100);
        e.mostrar();

        // The row is still shown, only without its icon; the others keep theirs.
        const vista::Fila calcio = e.fila(QStringLiteral("Calcium_Ca"));
        QVERIFY(calcio && calcio.icon(0).isNull());
        QCOMPARE(calcio.text(2), QStringLiteral("24"));
        QVERIFY(!e.fila(QStringLiteral("Sodium_Na")).icon(0).isNull());
        QCOMPARE(e.fx.entradasLog(), 1);
        QVERIFY(e.fx.log().contains(QStringLiteral("rellenarResultados() -> ")));
    }

    // Beside the first four columns: the daily amount, the reference as
    // used, the upper limit with what it applies to, and the verdict.
    void juicio_data()
    {
        QTest::addColumn<QLocale>("local");
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QStringList>("celdas"); // Daily, Reference, Upper limit
        QTest::addColumn<int>("veredicto");
        const QLocale ingles(QLocale::English, QLocale::UnitedStates);
        const QLocale aleman(QLocale::German, QLocale::Germany);
        // Calcium 24 x 2 + 126 x 3 = 426 mg a week: below its EAR.
        QTest::newRow("calcium") << ingles << "Calcium_Ca"
                                 << QStringList{"60.86", "1000 mg", "2500 mg"}
                                 << int(Veredicto::Atencion);
        // Sodium 2934 mg a week, 419.14 a day.
        QTest::newRow("sodium, CDRR")
            << ingles << "Sodium_Na" << QStringList{"419.14", "1500 mg", "2300 mg CDRR"}
            << int(Veredicto::NoJuzgable);
        QTest::newRow("protein, per kg x weight, decimal comma")
            << aleman << "Protein" << QStringList{"5,78", "56 g", ""} << int(Veredicto::Atencion);
        QTest::newRow("an energy source's percentage")
            << ingles << "Fatty_acids_total_saturated" << QStringList{"16.22", "10 %", ""}
            << int(Veredicto::Exceso);
        QTest::newRow("no reference, no limit")
            << ingles << "Isoleucine" << QStringList{"0.01", "", ""} << int(Veredicto::SinJuicio);
    }
    void juicio()
    {
        QFETCH(QLocale, local);
        QFETCH(QString, clave);
        QFETCH(QStringList, celdas);
        QFETCH(int, veredicto);
        QLocale::setDefault(local);
        Escena e;
        e.fx.ejecutar(QStringLiteral("update DRIs set males3=null where key='Isoleucine'"));
        e.ingerir(Fixture::mantequilla, 200);
        e.ingerir(Fixture::hamburguesa, 300);
        e.mostrar();
        const vista::Fila fila = e.fila(clave);
        QVERIFY(fila);
        QCOMPARE((QStringList{fila.text(4), fila.text(5), fila.text(6)}), celdas);
        QCOMPARE(fila.dato(3, RolVeredicto).toInt(), veredicto);
        QVERIFY(!::ui(*e.f).lbl_5_8->text().isEmpty());
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    // A reference or upper limit the user changed on tab 7 is drawn in
    // italic, the delivered one told in the terms of the cell under the
    // verdict's words.
    void editadosMarcados()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Escena e;
        for (const char* t : {"DRIs", "ULs"})
            e.fx.ejecutar(QStringLiteral("create table %1_delivered as select * from %1").arg(t));
        e.fx.ejecutar("update DRIs set males3=1200 where key='Calcium_Ca'");
        e.fx.ejecutar("update DRIs set males3=50 where key='Leucine'"); // 42 mg/kg delivered
        e.fx.ejecutar("update ULs set males3=null where key='Calcium_Ca'");
        e.fx.ejecutar("update ULs set males3=2000 where key='Sodium_Na'");
        e.mostrar();
        // The line added to the verdict's words, in italic; empty where none is.
        const auto marca = [&e](const char* clave, int columna) {
            const vista::Fila fila = e.fila(QLatin1String(clave));
            const QString resto = fila.toolTip(columna).mid(fila.toolTip(0).size());
            return fila.font(columna).italic() == !resto.isEmpty() ? resto : QStringLiteral("?");
        };
        const QString linea = QStringLiteral("\nEdited by you; delivered value: ");
        QCOMPARE(marca("Calcium_Ca", 5), linea + QStringLiteral("1000 mg"));
        QCOMPARE(marca("Calcium_Ca", 6), linea + QStringLiteral("2500 mg"));
        QCOMPARE(marca("Leucine", 5), linea + QStringLiteral("2,94 g"));
        QCOMPARE(marca("Sodium_Na", 6), linea + QStringLiteral("2300 mg CDRR"));
        QCOMPARE(marca("Sodium_Na", 5), QString());
        QCOMPARE(marca("Calcium_Ca", 4), QString());
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    // Foods without a known value are named in the judgement's tooltip, most
    // grams first; from 10 % of the week's grams on the judgement is
    // provisional.
    void desconocidos()
    {
        Escena e;
        e.ingerir(Fixture::hamburguesa, 280);
        e.ingerir(Fixture::leche, 2520);
        e.mostrar();
        const Desconocidos d = e.f->sesion().evaluacion.desconocidos.value("Leucine");
        QCOMPARE(d.alimentos, 1);
        QCOMPARE(d.gramos, 280.);
        QVERIFY(!e.f->sesion().evaluacion.desconocidos.contains("Protein"));
        const QString tip = e.fila("Leucine").toolTip(3);
        QVERIFY2(tip.contains("\n1 food of unknown value: McDonald's, Hamburger 280 g a week\n"
                              "They weigh 10 % of the week's grams: the judgement is provisional."),
                 qPrintable(tip));
        QVERIFY(!e.fila("Protein").toolTip(3).contains("unknown"));

        e.fx.ejecutar("update saves set intake=2521 where food_id=1077");
        e.mostrar();
        ::ui(*e.f).tbs_fichas->tabBarClicked(::ui(*e.f).tbs_fichas->currentIndex());
        QVERIFY(!provisional(e.f->sesion().evaluacion, "Leucine"));
        QVERIFY(!e.fila("Leucine").toolTip(3).contains("provisional"));
    }

    // The new columns sort by their numbers, and keep their texts.
    void ordenLimites()
    {
        Escena e;
        e.ingerir(Fixture::mantequilla, 100);
        e.mostrar();
        const QStringList antes = e.columna(6);
        vista::pulsarCabecera(::ui(*e.f).lsv_wri, 6);
        QStringList despues = e.columna(6);
        QCOMPARE(despues.mid(despues.size() - 3),
                 (QStringList{"2000 mg", "2300 mg CDRR", "2500 mg"}));
        QStringList a = antes, d = despues;
        a.sort();
        d.sort();
        QCOMPARE(d, a);
    }

    // The foods that supply a nutrient: one window per nutrient, its amounts
    // adding up to the row's "Intake", closed with the main window.
    void fuentes()
    {
        Escena e;
        e.fx.ejecutar(QStringLiteral("update total set Calcium_Ca=null where id=%1").arg(prueba));
        e.ingerir(Fixture::mantequilla, 150);
        e.ingerir(Fixture::leche, 700);
        e.ingerir(Fixture::manzana, 300);
        e.ingerir(prueba, 100);
        e.mostrar();
        QTreeView* lista = ::ui(*e.f).lsv_wri;
        const vista::Fila calcio = e.fila(QStringLiteral("Calcium_Ca"));
        const int n = calcio.fila;
        lista->scrollTo(lista->model()->index(n, 0));
        vista::dobleClic(lista, n);
        vista::dobleClic(lista, n);
        const QList<VentanaFuentes*> ventanas =
            e.f->findChildren<VentanaFuentes*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(int(ventanas.size()), 1);
        QTreeWidget* fuentes = ventanas.first()->findChild<QTreeWidget*>("lsv_fuentes");
        QCOMPARE(vista::textos(fuentes),
                 (QStringList{"Milk, whole, 3.25% milkfat", "Butter, salted",
                              "Apples, raw, with skin", "Test food"}));
        double suma = 0;
        for (const QString& t : vista::textos(fuentes, 2).mid(0, 3))
            suma += QLocale().toDouble(t);
        QCOMPARE(QLocale().toString(suma), calcio.text(2));
        QCOMPARE(fuentes->topLevelItem(3)->text(2), QStringLiteral("unknown"));
        QVERIFY(ventanas.first()
                    ->findChild<QLabel*>("lbl_desconocidos")
                    ->isVisibleTo(ventanas.first()));
        // Enter on another row opens that nutrient's window beside it.
        lista->setFocus();
        lista->setCurrentIndex(lista->model()->index(e.fila(QStringLiteral("Sodium_Na")).fila, 0));
        QTest::keyClick(lista, Qt::Key_Return);
        QCOMPARE(
            int(e.f->findChildren<VentanaFuentes*>(QString(), Qt::FindDirectChildrenOnly).size()),
            2);
        e.f->close();
        QTRY_VERIFY(e.f->findChildren<VentanaFuentes*>().isEmpty());
    }

    void ordenAlVolver()
    {
        Escena e;
        e.fx.ejecutar(QStringLiteral("update DRIs set males3=null where key='Energy'"));
        e.ingerir(Fixture::mantequilla, 100);
        e.ingerir(Fixture::manzana, 300);
        e.mostrar();
        QHeaderView* h = ::ui(*e.f).lsv_wri->header();
        const auto pulsarPorcentaje = [h] {
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                              QPoint(h->sectionViewportPosition(3) + 5, h->height() / 2));
        };
        const auto numeros = [&e] {
            QList<double> n;
            for (const QString& t : e.columna(3))
                n << (t.isEmpty() ? -1.0 : QLocale().toDouble(t));
            return n;
        };

        pulsarPorcentaje();
        const QList<double> ascendente = numeros();
        QCOMPARE(ascendente.first(), -1.0); // the empty cell sorts lowest
        QVERIFY(std::is_sorted(ascendente.begin(), ascendente.end()));
        QVERIFY(ascendente.last() > 100); // numbers, not texts: above 100 comes last

        // Re-entering the tab rebuilds the list and sorts it by the last column.
        ::ui(*e.f).tbs_fichas->setCurrentWidget(::ui(*e.f).frm_seis);
        e.ingerir(Fixture::zanahoria, 100);
        e.mostrar();
        const QList<double> otraVez = numeros();
        QVERIFY(std::is_sorted(otraVez.begin(), otraVez.end()));
        // Showing the tab forgets the direction: the next click sorts ascending.
        pulsarPorcentaje();
        QCOMPARE(numeros(), otraVez);
    }

    // The report buttons: disabled while there is nothing to report, then
    // the files, each whole; a place that cannot be written is named in the
    // error and gets no file.
    void informeEnArchivos()
    {
        Escena e;
        QString destino;
        QString tipo; // the file type picked, when not the first
        mensajes::instalarElector([&](const QString&, const QString&, QString& filtro) {
            if (filtro.split(QStringLiteral(";;")).contains(tipo))
                filtro = tipo;
            return destino;
        });
        e.mostrar();
        QPushButton* pdf = ::ui(*e.f).cmd_5_2;
        QVERIFY(!pdf->isEnabled());
        QVERIFY(!pdf->toolTip().isEmpty());

        e.ingerir(Fixture::leche, 700);
        e.ingerir(Fixture::manzana, 1400);
        ::ui(*e.f).tbs_fichas->setCurrentWidget(::ui(*e.f).frm_seis);
        e.mostrar();
        QVERIFY(pdf->isEnabled());

        destino = e.fx.ruta(QStringLiteral("week.pdf"));
        pdf->click();
        QFile archivo(destino);
        QVERIFY(archivo.open(QIODevice::ReadOnly));
        QVERIFY(archivo.read(5) == "%PDF-");
        QVERIFY(archivo.size() > 1000);

        destino = e.fx.ruta(QStringLiteral("week.html"));
        ::ui(*e.f).cmd_5_3->click();
        QFile html(destino);
        QVERIFY(html.open(QIODevice::ReadOnly));
        const QByteArray pagina = html.readAll();
        QVERIFY(pagina.contains("Alimetra 1.1 - weekly diet assessment"));
        // The energy chart travels inside the file, as a PNG.
        const QByteArray marca("src=\"data:image/png;base64,");
        const int desde = pagina.indexOf(marca) + marca.size();
        QVERIFY(desde > marca.size());
        QImage grafico;
        QVERIFY(grafico.loadFromData(
            QByteArray::fromBase64(pagina.mid(desde, pagina.indexOf('"', desde) - desde)), "PNG"));
        QCOMPARE(grafico.size(), QSize(1280, 128));

        destino = e.fx.ruta(QStringLiteral("week.csv"));
        ::ui(*e.f).cmd_5_4->click();
        QVERIFY(QFile::exists(e.fx.ruta(QStringLiteral("week-results.csv"))));
        QVERIFY(QFile::exists(e.fx.ruta(QStringLiteral("week-foods.csv"))));
        tipo = QStringLiteral("One CSV file with both tables (*.csv)");
        destino = e.fx.ruta(QStringLiteral("both"));
        ::ui(*e.f).cmd_5_4->click();
        QFile unico(e.fx.ruta(QStringLiteral("both.csv")));
        QVERIFY(unico.open(QIODevice::ReadOnly));
        QVERIFY(unico.readAll().contains("\r\n\r\nFoods of the week\r\n"));
        tipo.clear();
        QVERIFY(e.msgs.mostrados().isEmpty());

        destino = e.fx.ruta(QStringLiteral("missing/week.pdf"));
        pdf->click();
        QCOMPARE(e.msgs.mostrados().size(), 1);
        QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Error);
        QVERIFY(e.msgs.ultimo().texto.contains(QLatin1String("missing/week.pdf")));
        QVERIFY(!QFile::exists(destino));
        mensajes::instalarElector({});
    }

    // The name offered for a report: the profile's name made safe for any
    // file system and short enough for it, the date and extension whole.
    void nombrePropuesto_data()
    {
        QTest::addColumn<QString>("nombre"); // an SQL expression
        QTest::addColumn<int>("boton");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("line breaks and tabs")
            << "'Ann' || char(10) || 'Lee' || char(13, 10, 9) || 'B'" << 2 << "Ann Lee B";
        QTest::newRow("right-to-left override")
            << "'x' || char(0x202e) || 'gnp.exe'" << 2 << "xgnp.exe";
        QTest::newRow("NUL from a restored file") << "'x' || char(0) || 'y'" << 3 << "x y";
        QTest::newRow("path characters") << "'../a/b\\c:d'" << 2 << "a-b-c-d";
        QTest::newRow("blanks") << "'  Ann ' || char(160) || '  Lee '" << 2 << "Ann Lee";
        QTest::newRow("nothing left") << "char(10, 0x200b, 9)" << 2 << "alimetra";
        const QString e = QStringLiteral("\u00e9");
        QTest::newRow("200 accented letters")
            << "replace(hex(zeroblob(100)), '0', char(0xe9))" << 2 << QString(120, e.at(0));
        // Room kept for "-results" in "NAME-DATE-results.csv".
        QTest::newRow("200 accented letters, CSV")
            << "replace(hex(zeroblob(100)), '0', char(0xe9))" << 4 << QString(116, e.at(0));
        QString caras = QStringLiteral("a");
        for (int i = 0; i < 59; ++i)
            caras += QString::fromUcs4(U"\U0001F600", 1);
        QTest::newRow("surrogate pairs")
            << "'a' || replace(hex(zeroblob(50)), '0', char(0x1f600))" << 2 << caras;
        // A letter with its combining accent goes whole or not at all.
        QTest::newRow("combining accents")
            << "'a' || replace(hex(zeroblob(60)), '0', 'e' || char(0x301))" << 2
            << QLatin1Char('a') + QString(79, QLatin1Char('e'))
                                      .replace(QLatin1String("e"), QStringLiteral("e\u0301"));
    }
    void nombrePropuesto()
    {
        QFETCH(QString, nombre);
        QFETCH(int, boton);
        QFETCH(QString, esperado);
        Escena e;
        e.fx.ejecutar(QStringLiteral("update profiles set name=%1 where id=1").arg(nombre));
        e.ingerir(Fixture::leche, 700);
        e.mostrar();
        QString propuesto;
        mensajes::instalarElector([&](const QString&, const QString& p, QString&) {
            propuesto = p;
            return QString();
        });
        e.f->findChild<QPushButton*>(QStringLiteral("cmd_5_%1").arg(boton))->click();
        mensajes::instalarElector({});
        const QString extension = boton == 2 ? "pdf" : boton == 3 ? "html" : "csv";
        QCOMPARE(propuesto,
                 QStringLiteral("%1-%2.%3")
                     .arg(esperado, QDate::currentDate().toString(Qt::ISODate), extension));
        QVERIFY(propuesto.toUtf8().size() + (boton == 4 ? 8 : 0) <= 255);
    }

    // A full disk: the report is not saved, nothing is left on the disk, and
    // the message names the file and the reason. `libres` < 0: short of the
    // file's size by less than one page of the disk.
    void informeEnDiscoLleno_data()
    {
        QTest::addColumn<int>("boton");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<int>("libres");
        const QString uno = QStringLiteral("One CSV file with both tables (*.csv)");
        QTest::newRow("PDF, disk full") << 2 << QString() << 0;
        QTest::newRow("PDF, short of the end") << 2 << QString() << -1;
        QTest::newRow("HTML, disk full") << 3 << QString() << 0;
        QTest::newRow("HTML, short of the end") << 3 << QString() << -1;
        QTest::newRow("two CSV files, disk full") << 4 << QString() << 0;
        QTest::newRow("two CSV files, room for one") << 4 << QString() << 4096;
        QTest::newRow("one CSV file, disk full") << 4 << uno << 0;
    }
    void informeEnDiscoLleno()
    {
        QFETCH(int, boton);
        QFETCH(QString, tipo);
        QFETCH(int, libres);
        Escena e;
        e.ingerir(Fixture::leche, 700);
        e.ingerir(Fixture::manzana, 1400);
        e.mostrar();
        QString destino;
        mensajes::instalarElector([&](const QString&, const QString&, QString& filtro) {
            if (!tipo.isEmpty())
                filtro = tipo;
            return destino;
        });
        QPushButton* cmd = e.f->findChild<QPushButton*>(QStringLiteral("cmd_5_%1").arg(boton));
        QVERIFY(cmd && cmd->isEnabled());
        destino = e.fx.ruta(QStringLiteral("week.out"));
        cmd->click();
        qint64 tamano = 0;
        for (const QFileInfo& i : QDir(e.fx.ruta(QString())).entryInfoList({"week*"}))
            tamano = std::max(tamano, i.size());
        QVERIFY(tamano > 0);
        if (libres < 0)
            libres = int((tamano - 1) / 4096 * 4096);

        const QString carpeta = e.fx.ruta(QStringLiteral("disk"));
        DiscoPequeno disco(carpeta, 1 << 20);
        if (!disco.montado())
            QSKIP(qPrintable(disco.motivo()));
        QVERIFY(disco.dejarLibres(libres));
        e.msgs.limpiar();
        destino = carpeta + QStringLiteral("/week.out");
        cmd->click();
        mensajes::instalarElector({});
        QCOMPARE(e.msgs.textos().size(), 1);
        const QString texto = e.msgs.ultimo().texto;
        QVERIFY2(texto.startsWith(QStringLiteral("The report could not be saved to ") + carpeta +
                                  QStringLiteral("/week")),
                 qPrintable(texto));
        QVERIFY2(texto.endsWith(QStringLiteral(":\nNo space left on device")), qPrintable(texto));
        QCOMPARE(disco.archivos(), QStringList());
    }
};

QTEST_MAIN(PruebaResultados)
#include "tst_resultados.moc"
