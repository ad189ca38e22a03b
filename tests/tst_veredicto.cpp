// The verdict of the week, without windows: daily amounts, the reference as
// used, the upper limit per the intake it applies to, and the colour.

#include "apoyo/fixture.h"
#include "evaluation/fuentes.h"
#include "evaluation/informe.h"
#include "evaluation/limitessuperiores.h"
#include "evaluation/resultados.h"
#include "evaluation/valoresrecomendados.h"
#include "profiles/perfiles.h"
#include "storage/basedatos.h"
#include "storage/registro.h"

#include <QTest>

namespace {

// A food of the tests' own, every value null until a row sets some; a week
// of 700 g of it makes each daily amount equal its value per 100 g.
constexpr qint64 prueba = 90001;

struct Semana
{
    Fixture fx;
    PerfilActual perfil;

    // age group, sex; weight 70 kg.
    Semana(int edad, int genero)
    {
        // Vitamin A and magnesium, with their limits, besides the fixture's nutrients.
        fx.ejecutar("alter table total add column Vitamin_A_RAE REAL");
        fx.ejecutar("alter table total add column Magnesium_Mg REAL");
        fx.ejecutar("insert into DRIs (key, name, unit, sorting, icon, males3, infants1) values "
                    "('Vitamin_A_RAE', 'Vitamin A, RAE', 'µg', 20, 'vitaminas', 900, 400), "
                    "('Magnesium_Mg', 'Magnesium, Mg', 'mg', 21, 'minerales', 400, 30)");
        fx.ejecutar("insert into ULs (key, name, unit, sorting, icon, males3, infants1, applies) "
                    "values ('Vitamin_A_RAE', 'Vitamin A, RAE', 'µg', 20, 'vitaminas', 3000, "
                    "600, 'retinol'), ('Magnesium_Mg', 'Magnesium, Mg', 'mg', 21, 'minerales', "
                    "350, null, 'supplements')");
        fx.ejecutar(QStringLiteral("update profiles set age=%1, gender=%2, weight=70")
                        .arg(edad)
                        .arg(genero));
        fx.ejecutar(QStringLiteral("insert into total (id, description, group_id) values (%1, "
                                   "'Test food', '0100')")
                        .arg(prueba));
        fx.ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values (1, %1, "
                                   "700)")
                        .arg(prueba));
        abrirLog();
        QVERIFY(almacen::abrirBase().isEmpty());
        extraerDatosPersonales(perfil);
    }
    ~Semana()
    {
        almacen::cerrarBase();
        cerrarLog();
    }
    Evaluacion evaluar()
    {
        const ValoresRecomendados valores = establecerValoresRecomendados(perfil);
        return ::evaluar(perfil, valores, leerLimitesSuperiores(perfil));
    }
};

} // namespace

Q_DECLARE_METATYPE(Veredicto)

class PruebaVeredicto : public QObject
{
    Q_OBJECT

private slots:
    void veredictos_data()
    {
        QTest::addColumn<int>("edad");
        QTest::addColumn<QString>("alimento"); // the test food's values per 100 g
        QTest::addColumn<QString>("clave");
        QTest::addColumn<Veredicto>("veredicto");
        QTest::addColumn<QString>("palabras"); // how the tooltip's rule starts

        const auto v = [](const char* nombre, int edad, const char* alimento, const char* clave,
                          Veredicto veredicto, const char* palabras) {
            QTest::newRow(nombre) << edad << QString::fromUtf8(alimento) << QString::fromUtf8(clave)
                                  << veredicto << QString::fromUtf8(palabras);
        };
        // A man of 19 - 30 years: calcium 1000 mg a day, at most 2500.
        v("below 70 %: amber", 6, "Calcium_Ca=690", "Calcium_Ca", Veredicto::Atencion,
          "Below 70 % of the reference, within the upper limit");
        v("at 70 %: green", 6, "Calcium_Ca=700", "Calcium_Ca", Veredicto::Correcto,
          "70 % of the reference or more, within the upper limit");
        v("at 100 %: green", 6, "Calcium_Ca=1000", "Calcium_Ca", Veredicto::Correcto,
          "70 % of the reference or more");
        v("at the limit: green", 6, "Calcium_Ca=2500", "Calcium_Ca", Veredicto::Correcto,
          "70 % of the reference or more, within the upper limit");
        v("above the limit: red", 6, "Calcium_Ca=2501", "Calcium_Ca", Veredicto::Exceso,
          "Above the upper limit");
        // Vitamin A's limit concerns retinol only.
        v("carrots: RAE far above the limit, no retinol", 6, "Vitamin_A_RAE=8000, Retinol=0",
          "Vitamin_A_RAE", Veredicto::Correcto,
          "70 % of the reference or more, within the upper limit");
        v("liver: retinol above the limit", 6, "Vitamin_A_RAE=9000, Retinol=8900", "Vitamin_A_RAE",
          Veredicto::Exceso, "Above the upper limit");
        v("magnesium from food above the supplements' limit", 6, "Magnesium_Mg=900", "Magnesium_Mg",
          Veredicto::Correcto, "70 % of the reference or more");
        v("sodium above its CDRR", 6, "Sodium_Na=2400", "Sodium_Na", Veredicto::Exceso,
          "Above the CDRR: the intake above which to reduce it");
        v("infant: vitamin C has no limit", 0, "Vitamin_C_total_ascorbic_acid=5000",
          "Vitamin_C_total_ascorbic_acid", Veredicto::Correcto, "70 % of the reference or more");
        v("infant: sodium has no CDRR", 0, "Sodium_Na=5000", "Sodium_Na", Veredicto::Correcto,
          "70 % of the reference or more");
        v("no reference and no limit: grey", 6, "Leucine=1", "Isoleucine", Veredicto::SinJuicio,
          "No reference and no upper limit to judge by");
        // Energy: 2720 kcal a day.
        v("energy at 89 %", 6, "Energy=2420", "Energy", Veredicto::Atencion,
          "Energy outside 90 - 110 % of the reference");
        v("energy at 100 %", 6, "Energy=2720", "Energy", Veredicto::Correcto,
          "Energy within 90 - 110 % of the reference");
        v("energy at 111 %", 6, "Energy=3020", "Energy", Veredicto::Atencion,
          "Energy outside 90 - 110 % of the reference");
        // 2500 kcal: carbohydrate 48 %, fat 36 %, sugars 8 %, saturated fat 9 % or 10.8 %.
        const char* energia = "Protein=100, Total_Lipid=100, Carbohydrate=300, Sugars_total=50, "
                              "Fatty_acids_total_saturated=25";
        v("carbohydrate inside 45 - 65 %", 6, energia, "Carbohydrate", Veredicto::Correcto,
          "Within the range of the energy this source should give (45 - 65 %) (share of the "
          "energy: 48 %)");
        v("fat above 35 % for an adult", 6, energia, "Total_Lipid", Veredicto::Atencion,
          "Outside the range of the energy this source should give (20 - 35 %)");
        v("fat inside 30 - 40 % at 1 - 3 years", 2, energia, "Total_Lipid", Veredicto::Correcto,
          "Within the range of the energy this source should give (30 - 40 %)");
        // Total sugars: no verdict, whatever their share (here 8 % and 32 %).
        v("total sugars, 8 % of the energy", 6, energia, "Sugars_total", Veredicto::SinJuicio,
          "No verdict: the reference is the guidance for added sugars");
        v("total sugars, 32 % of the energy", 6,
          "Protein=100, Total_Lipid=100, Carbohydrate=300, Sugars_total=200", "Sugars_total",
          Veredicto::SinJuicio, "No verdict: the reference is the guidance for added sugars");
        // Every line at, just below and just above it.
        v("energy at 90 %", 6, "Energy=2448", "Energy", Veredicto::Correcto,
          "Energy within 90 - 110 %");
        v("energy at 110 %", 6, "Energy=2992", "Energy", Veredicto::Correcto,
          "Energy within 90 - 110 %");
        v("energy just above 110 %", 6, "Energy=2992.5", "Energy", Veredicto::Atencion,
          "Energy outside 90 - 110 %");
        v("carbohydrate at 45 %", 6, "Protein=50, Total_Lipid=100, Carbohydrate=225",
          "Carbohydrate", Veredicto::Correcto, "Within the range");
        v("carbohydrate just below 45 %", 6, "Protein=50, Total_Lipid=100, Carbohydrate=224",
          "Carbohydrate", Veredicto::Atencion, "Outside the range");
        v("fat at 38 %, 1 - 3 years", 2, "Protein=50, Total_Lipid=50, Carbohydrate=133.55",
          "Total_Lipid", Veredicto::Correcto,
          "Within the range of the energy this source "
          "should give (30 - 40 %)");
        v("fat at 38 %, 4 - 8 years", 3, "Protein=50, Total_Lipid=50, Carbohydrate=133.55",
          "Total_Lipid", Veredicto::Atencion,
          "Outside the range of the energy this source "
          "should give (25 - 35 %)");
        v("saturated fat at its ceiling", 6,
          "Protein=50, Total_Lipid=100, Carbohydrate=175, Fatty_acids_total_saturated=20",
          "Fatty_acids_total_saturated", Veredicto::Correcto,
          "Within the ceiling set by the reference");
        v("saturated fat just above its ceiling", 6,
          "Protein=50, Total_Lipid=100, Carbohydrate=175, Fatty_acids_total_saturated=20.01",
          "Fatty_acids_total_saturated", Veredicto::Exceso,
          "Above the ceiling set by the reference");
        v("saturated fat below its ceiling", 6, energia, "Fatty_acids_total_saturated",
          Veredicto::Correcto, "Within the ceiling set by the reference");
        v("saturated fat above its ceiling", 6,
          "Protein=100, Total_Lipid=100, Carbohydrate=300, Fatty_acids_total_saturated=30",
          "Fatty_acids_total_saturated", Veredicto::Exceso,
          "Above the ceiling set by the reference");
        v("infant: no range for carbohydrate", 0, energia, "Carbohydrate", Veredicto::SinJuicio,
          "No range of the energy this source should give is set for this age group");
    }
    void veredictos()
    {
        QFETCH(int, edad);
        QFETCH(QString, alimento);
        QFETCH(QString, clave);
        QFETCH(Veredicto, veredicto);
        QFETCH(QString, palabras);
        Semana s(edad, 0);
        s.fx.ejecutar(QStringLiteral("update DRIs set males3=null where key='Isoleucine'"));
        s.fx.ejecutar(QStringLiteral("update total set %1 where id=%2").arg(alimento).arg(prueba));
        const Evaluacion e = s.evaluar();
        QVERIFY(e.juicios.contains(clave));
        QCOMPARE(e.juicios.value(clave).veredicto, veredicto);
        const QString explicacion = explicacionVeredicto(e.juicios.value(clave));
        QVERIFY2(explicacion.startsWith(palabras), qPrintable(explicacion));
        QCOMPARE(s.fx.entradasLog(), 0);
    }

    // What the list shows beside the verdict: daily amount, reference as
    // used, limit and what it applies to.
    void cifras()
    {
        Semana s(6, 0);
        s.fx.ejecutar(QStringLiteral("update total set Protein=98, Carbohydrate=300, "
                                     "Vitamin_A_RAE=835, Retinol=10, Magnesium_Mg=100, "
                                     "Sodium_Na=1000, Leucine=2.1 where id=%1")
                          .arg(prueba));
        const Evaluacion e = s.evaluar();
        const Juicio proteina = e.juicios.value("Protein");
        QCOMPARE(proteina.diaria, 98.0);
        QCOMPARE(*proteina.referencia, 0.8 * 70); // g per kg x weight
        QVERIFY(!proteina.referenciaEnPorcentaje && !proteina.limite);
        const Juicio carbohidratos = e.juicios.value("Carbohydrate");
        QCOMPARE(*carbohidratos.referencia, 55.0); // the percentage itself
        QVERIFY(carbohidratos.referenciaEnPorcentaje);
        QCOMPARE(*carbohidratos.parteEnergia, 1200.0 * 100 / (392 + 1200));
        QCOMPARE(*e.juicios.value("Leucine").referencia, 42 * 70 / 1000.0); // mg/kg in grams
        const Juicio vitaminaA = e.juicios.value("Vitamin_A_RAE");
        QCOMPARE(vitaminaA.aplica, Aplicacion::Retinol);
        QCOMPARE(*vitaminaA.limite, 3000.0);
        QCOMPARE(*vitaminaA.comparada, 10.0);
        const Juicio magnesio = e.juicios.value("Magnesium_Mg");
        QCOMPARE(magnesio.aplica, Aplicacion::Suplementos);
        QVERIFY(magnesio.limite && !magnesio.comparada);
        QCOMPARE(e.juicios.value("Sodium_Na").aplica, Aplicacion::Cdrr);
        QVERIFY(!e.juicios.value("Energy").limite);
        QCOMPARE(s.fx.entradasLog(), 0);
    }

    // A database made before the limits existed: no limits, nothing logged.
    void sinTablaDeLimites()
    {
        Semana s(6, 0);
        almacen::ejecutarSQL(QStringLiteral("drop table ULs"));
        s.fx.ejecutar(QStringLiteral("update total set Calcium_Ca=5000 where id=%1").arg(prueba));
        const Evaluacion e = s.evaluar();
        QVERIFY(!e.juicios.value("Calcium_Ca").limite);
        QCOMPARE(e.juicios.value("Calcium_Ca").veredicto, Veredicto::Correcto);
        QCOMPARE(s.fx.entradasLog(), 0);
    }

    // The sources of a nutrient add up to the week's total: highest first,
    // unknown values last, foods without any of it left out.
    void fuentes()
    {
        Semana s(6, 0);
        s.fx.ejecutar(QStringLiteral("update total set Calcium_Ca=null, Carbohydrate=0 where "
                                     "id=%1")
                          .arg(prueba));
        for (const auto& [alimento, gramos] :
             {std::pair(Fixture::mantequilla, 150), std::pair(Fixture::leche, 700),
              std::pair(Fixture::manzana, 300)})
            s.fx.ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values (1, "
                                         "%1, %2)")
                              .arg(alimento)
                              .arg(gramos));
        QString fallo;
        const QList<FuenteNutriente> calcio =
            fuentesNutriente(s.perfil, QStringLiteral("Calcium_Ca"), 1.0, &fallo);
        QVERIFY2(fallo.isEmpty(), qPrintable(fallo));
        QStringList orden;
        double suma = 0;
        for (const FuenteNutriente& f : calcio) {
            orden << f.descripcion;
            suma += f.cantidad.value_or(0);
        }
        QCOMPARE(orden, (QStringList{"Milk, whole, 3.25% milkfat", "Butter, salted",
                                     "Apples, raw, with skin", "Test food"}));
        QVERIFY(!calcio.last().cantidad);
        QCOMPARE(calcio.first().gramos, qint64(700));
        QCOMPARE(suma, s.evaluar().cantidadesIngeridas.value("Calcium_Ca"));
        // Carbohydrate in kilocalories; the test food has none and is left out.
        const QList<FuenteNutriente> carbohidratos =
            fuentesNutriente(s.perfil, QStringLiteral("Carbohydrate"), 4.0, &fallo);
        QCOMPARE(int(carbohidratos.size()), 3);
        QCOMPARE(*carbohidratos.first().cantidad, 13.81 * 3 * 4);
    }
};

QTEST_GUILESS_MAIN(PruebaVeredicto)
#include "tst_veredicto.moc"
