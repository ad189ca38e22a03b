// Tab 5: the week's totals per nutrient, their percentage of the reference
// value, the list that shows them and its order when the tab is shown again.

#include "apoyo/fixture.h"
#include "apoyo/registromensajes.h"
#include "evaluation/resultados.h"
#include "evaluation/valoresrecomendados.h"
#include "windows/main/ventanaprincipal.h"

#include <QHeaderView>
#include <QLocale>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>

namespace {

// A food of the tests' own: every nutrient null until a test sets some.
constexpr qint64 prueba = 90001;

// The fixture's profile (id 1) as a man of 19 to 30 years and 70 kg.
void prepararPerfil(const Fixture& fx)
{
    fx.ejecutar(QStringLiteral("update profiles set age=6, gender=0, weight=70 where id=1"));
    fx.ejecutar(QStringLiteral("insert into total (id, description, group_id) values "
                               "(%1, 'Test food', '0100')")
                    .arg(prueba));
}

void ingerir(const Fixture& fx, qint64 alimento, int gramos, qint64 perfil = 1)
{
    fx.ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values (%1, %2, %3)")
                    .arg(perfil)
                    .arg(alimento)
                    .arg(gramos));
}

void mostrarResultados(VentanaPrincipal& f)
{
    f.ui().tbs_fichas->setCurrentWidget(f.ui().frm_cinco);
}

QTreeWidgetItem* filaDe(VentanaPrincipal& f, const QString& clave)
{
    const QString nombre = valoresRecomendados().entrada(clave).nombre;
    QTreeWidget* l = f.ui().lsv_wri;
    for (int i = 0; i < l->topLevelItemCount(); ++i)
        if (l->topLevelItem(i)->text(0) == nombre)
            return l->topLevelItem(i);
    return nullptr;
}

QStringList columna(VentanaPrincipal& f, int c)
{
    QStringList t;
    QTreeWidget* l = f.ui().lsv_wri;
    for (int i = 0; i < l->topLevelItemCount(); ++i)
        t << l->topLevelItem(i)->text(c);
    return t;
}

void pulsarCabecera(QTreeWidget* lista, int c)
{
    QHeaderView* h = lista->header();
    QTest::mouseClick(
        h->viewport(), Qt::LeftButton, {},
        QPoint(h->sectionViewportPosition(c) + h->sectionSize(c) / 2, h->height() / 2));
}

// Sets the default locale for the length of a test.
class LocalTemporal
{
public:
    explicit LocalTemporal(const QLocale& local) { QLocale::setDefault(local); }
    ~LocalTemporal() { QLocale::setDefault(m_anterior); }

private:
    QLocale m_anterior;
};

} // namespace

class PruebaResultados : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void sinIngestas_data();
    void sinIngestas();
    void porcentajes_data();
    void porcentajes();
    void soloCuentanLasIngestasDelPerfil();
    void comaDecimal();
    void redondeo_data();
    void redondeo();
    void iconoDesconocido();
    void ordenAlVolver();
};

void PruebaResultados::sinIngestas_data()
{
    QTest::addColumn<bool>("ceroGramos");
    QTest::newRow("no intakes") << false;
    QTest::newRow("only intakes of 0 g") << true;
}

void PruebaResultados::sinIngestas()
{
    QFETCH(bool, ceroGramos);
    Fixture fx;
    RegistroMensajes msgs;
    prepararPerfil(fx);
    if (ceroGramos) {
        ingerir(fx, Fixture::mantequilla, 0);
        ingerir(fx, Fixture::leche, 0);
    }
    VentanaPrincipal f;
    f.cargar();
    mostrarResultados(f);

    QCOMPARE(f.ui().lsv_wri->topLevelItemCount(), Fixture::claves().size());
    const QStringList ceros(Fixture::claves().size(), QStringLiteral("0"));
    QCOMPARE(columna(f, 2), ceros);
    QCOMPARE(columna(f, 3), ceros);
    QVERIFY(msgs.mostrados().isEmpty());
    QCOMPARE(fx.entradasLog(), 0);
}

void PruebaResultados::porcentajes_data()
{
    QTest::addColumn<QString>("alimento"); // assignments to the test food's nutrients
    QTest::addColumn<int>("gramos");
    QTest::addColumn<QString>("referencias"); // "key=value" for males 19 - 30, ";"-separated
    QTest::addColumn<QString>("clave");
    QTest::addColumn<QString>("ingesta");
    QTest::addColumn<QString>("porcentaje");

    QTest::newRow("7000 against a daily 1000") << "Calcium_Ca=100" << 7000 << "Calcium_Ca=1000"
                                               << "Calcium_Ca"
                                               << "7000"
                                               << "100";
    QTest::newRow("protein 392 g at 0.8 g/kg, 70 kg") << "Protein=100" << 392 << "Protein=0.8"
                                                      << "Protein"
                                                      << "392"
                                                      << "100";
    const QString energia =
        QStringLiteral("Protein=100, Total_Lipid=100, Carbohydrate=300, Sugars_total=50, "
                       "Fatty_acids_total_saturated=25");
    const QString referenciasEnergia = QStringLiteral(
        "Carbohydrate=60;Sugars_total=10;Total_Lipid=30;Fatty_acids_total_saturated=10");
    QTest::newRow("carbohydrate, share of the energy")
        << energia << 100 << referenciasEnergia << "Carbohydrate"
        << "300"
        << "80";
    QTest::newRow("sugars, share of the same energy")
        << energia << 100 << referenciasEnergia << "Sugars_total"
        << "50"
        << "80";
    QTest::newRow("fat, share of the energy")
        << energia << 100 << referenciasEnergia << "Total_Lipid"
        << "100"
        << "120";
    QTest::newRow("saturated fat, share of the same energy")
        << energia << 100 << referenciasEnergia << "Fatty_acids_total_saturated"
        << "25"
        << "90";
    QTest::newRow("energy source without reference") << energia << 100 << "Carbohydrate=null"
                                                     << "Carbohydrate"
                                                     << "300"
                                                     << "";
    QTest::newRow("empty reference keeps the intake") << "Sodium_Na=100" << 200 << "Sodium_Na=null"
                                                      << "Sodium_Na"
                                                      << "200"
                                                      << "";
    QTest::newRow("reference 0 keeps the intake") << "Sodium_Na=100" << 200 << "Sodium_Na=0"
                                                  << "Sodium_Na"
                                                  << "200"
                                                  << "";
    QTest::newRow("protein without reference") << "Protein=100" << 392 << "Protein=0"
                                               << "Protein"
                                               << "392"
                                               << "";
    QTest::newRow("half below to the even neighbour")
        << "Vitamin_C_total_ascorbic_acid=0.125" << 100 << ""
        << "Vitamin_C_total_ascorbic_acid"
        << "0.12"
        << "0.02";
    QTest::newRow("half above to the even neighbour")
        << "Vitamin_C_total_ascorbic_acid=0.375" << 100 << ""
        << "Vitamin_C_total_ascorbic_acid"
        << "0.38"
        << "0.06";
    QTest::newRow("percentage rounded")
        << "Vitamin_C_total_ascorbic_acid=100" << 100 << "Vitamin_C_total_ascorbic_acid=90"
        << "Vitamin_C_total_ascorbic_acid"
        << "100"
        << "15.87";
}

void PruebaResultados::porcentajes()
{
    QFETCH(QString, alimento);
    QFETCH(int, gramos);
    QFETCH(QString, referencias);
    QFETCH(QString, clave);
    QFETCH(QString, ingesta);
    QFETCH(QString, porcentaje);

    Fixture fx;
    RegistroMensajes msgs;
    prepararPerfil(fx);
    fx.ejecutar(QStringLiteral("update total set %1 where id=%2").arg(alimento).arg(prueba));
    for (const QString& r : referencias.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList partes = r.split(QLatin1Char('='));
        fx.ejecutar(QStringLiteral("update DRIs set males3=%1 where key='%2'")
                        .arg(partes.at(1), partes.at(0)));
    }
    ingerir(fx, prueba, gramos);
    VentanaPrincipal f;
    f.cargar();
    mostrarResultados(f);

    QTreeWidgetItem* fila = filaDe(f, clave);
    QVERIFY(fila);
    QCOMPARE(fila->text(2), ingesta);
    QCOMPARE(fila->text(3), porcentaje);
    // A missing reference is data, not a failure.
    QCOMPARE(fx.entradasLog(), 0);
}

void PruebaResultados::soloCuentanLasIngestasDelPerfil()
{
    Fixture fx;
    RegistroMensajes msgs;
    prepararPerfil(fx);
    fx.ejecutar(QStringLiteral("insert into profiles (id, name, last, age, gender, weight) "
                               "values (2, 'Other', 0, 6, 0, 70)"));
    ingerir(fx, Fixture::mantequilla, 200);
    ingerir(fx, Fixture::hamburguesa, 300); // its Leucine is null
    ingerir(fx, Fixture::leche, 0);
    ingerir(fx, Fixture::mantequilla, 1000, 2);
    ingerir(fx, Fixture::galletas, 500, 2);
    VentanaPrincipal f;
    f.cargar();
    mostrarResultados(f);

    // Butter 0.083 x 2 = 0.166; the hamburger adds nothing.
    QCOMPARE(filaDe(f, QStringLiteral("Leucine"))->text(2), QStringLiteral("0.17"));
    // Butter 714 x 2 + hamburger 502 x 3.
    QCOMPARE(filaDe(f, QStringLiteral("Sodium_Na"))->text(2), QStringLiteral("2934"));
    QCOMPARE(cantidadesIngeridas().value(QStringLiteral("Sodium_Na")).toDouble(), 2934.0);
    QCOMPARE(fx.entradasLog(), 0);
}

void PruebaResultados::comaDecimal()
{
    LocalTemporal local(QLocale(QLocale::Spanish, QLocale::Spain));
    Fixture fx;
    RegistroMensajes msgs;
    prepararPerfil(fx);
    ingerir(fx, Fixture::mantequilla, 200);
    VentanaPrincipal f;
    f.cargar();
    mostrarResultados(f);

    QCOMPARE(fx.entradasLog(), 0);
    QCOMPARE(filaDe(f, QStringLiteral("Leucine"))->text(2), QStringLiteral("0,17"));
    QCOMPARE(filaDe(f, QStringLiteral("Protein"))->text(2), QStringLiteral("1,7"));
    // Protein 1.7 g against 0.8 g/kg x 70 kg a day: 0.4337 %.
    QCOMPARE(filaDe(f, QStringLiteral("Protein"))->text(3), QStringLiteral("0,43"));
    // Sodium 1428 mg; no thousands separator in a cell.
    QCOMPARE(filaDe(f, QStringLiteral("Sodium_Na"))->text(2), QStringLiteral("1428"));
}

void PruebaResultados::redondeo_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<double>("esperado");
    QTest::newRow("0.125 down to the even 0.12") << 0.125 << 0.12;
    QTest::newRow("0.375 up to the even 0.38") << 0.375 << 0.38;
    QTest::newRow("2.675 judged as written, not as stored") << 2.675 << 2.68;
    QTest::newRow("1.005 down to the even 1") << 1.005 << 1.0;
    QTest::newRow("just above a half") << 0.12501 << 0.13;
    QTest::newRow("just below a half") << 0.124999 << 0.12;
    QTest::newRow("two decimals unchanged") << 15.87 << 15.87;
    QTest::newRow("whole number") << 7000.0 << 7000.0;
    QTest::newRow("tiny") << 1e-7 << 0.0;
    QTest::newRow("large") << 123456789.995 << 123456790.0;
}

void PruebaResultados::redondeo()
{
    QFETCH(double, valor);
    QFETCH(double, esperado);
    QCOMPARE(redondearDosDecimales(valor), esperado);
}

void PruebaResultados::iconoDesconocido()
{
    Fixture fx;
    RegistroMensajes msgs;
    prepararPerfil(fx);
    fx.ejecutar(QStringLiteral("update DRIs set icon='otros' where key='Calcium_Ca'"));
    ingerir(fx, Fixture::mantequilla, 100);
    VentanaPrincipal f;
    f.cargar();
    mostrarResultados(f);

    QTreeWidgetItem* calcio = filaDe(f, QStringLiteral("Calcium_Ca"));
    QVERIFY(calcio);
    QVERIFY(calcio->icon(0).isNull());
    QCOMPARE(calcio->text(1), QStringLiteral("mg"));
    QCOMPARE(calcio->text(2), QStringLiteral("24"));
    QVERIFY(!filaDe(f, QStringLiteral("Sodium_Na"))->icon(0).isNull());
    QVERIFY(!filaDe(f, QStringLiteral("Leucine"))->icon(0).isNull());
    QCOMPARE(fx.entradasLog(), 1);
    QVERIFY(fx.log().contains(QStringLiteral("rellenarResultados() -> ")));
}

void PruebaResultados::ordenAlVolver()
{
    Fixture fx;
    RegistroMensajes msgs;
    prepararPerfil(fx);
    fx.ejecutar(QStringLiteral("update DRIs set males3=null where key='Energy'"));
    ingerir(fx, Fixture::mantequilla, 100);
    ingerir(fx, Fixture::manzana, 300);
    VentanaPrincipal f;
    f.cargar();
    mostrarResultados(f);
    QTreeWidget* lista = f.ui().lsv_wri;
    const auto numeros = [&] {
        QList<double> n;
        for (const QString& t : columna(f, 3))
            n << (t.isEmpty() ? -1.0 : QLocale().toDouble(t));
        return n;
    };

    pulsarCabecera(lista, 3);
    QList<double> ascendente = numeros();
    QCOMPARE(ascendente.first(), -1.0); // the empty cell sorts lowest
    QVERIFY(std::is_sorted(ascendente.begin(), ascendente.end()));
    QVERIFY(ascendente.last() > 100); // numbers, not texts: above 100 comes last

    f.ui().tbs_fichas->setCurrentWidget(f.ui().frm_seis);
    ingerir(fx, Fixture::zanahoria, 100);
    mostrarResultados(f);
    const QList<double> otraVez = numeros();
    QCOMPARE(otraVez.size(), ascendente.size());
    QVERIFY(std::is_sorted(otraVez.begin(), otraVez.end()));
    QCOMPARE(otraVez.first(), -1.0);

    // Showing the tab forgets the directions: the next click sorts ascending,
    // the one after it descending.
    pulsarCabecera(lista, 3);
    QCOMPARE(numeros(), otraVez);
    pulsarCabecera(lista, 3);
    const QList<double> descendente = numeros();
    QVERIFY(std::is_sorted(descendente.rbegin(), descendente.rend()));
    QCOMPARE(descendente.last(), -1.0);
}

QTEST_MAIN(PruebaResultados)
#include "tst_resultados.moc"
