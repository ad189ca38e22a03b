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
        // Vitamin A, magnesium and iron, with their limits and average
        // requirements, besides the fixture's nutrients.
        for (const char* c : {"Vitamin_A_RAE", "Magnesium_Mg", "Iron_Fe"})
            fx.ejecutar(QStringLiteral("alter table total add column %1 REAL").arg(c));
        fx.ejecutar("insert into DRIs (key, name, unit, sorting, icon, males3, infants1, "
                    "females4) values ('Vitamin_A_RAE', 'Vitamin A, RAE', 'µg', 20, 'vitaminas', "
                    "900, 400, 700), ('Magnesium_Mg', 'Magnesium, Mg', 'mg', 21, 'minerales', 400, "
                    "30, 320), ('Iron_Fe', 'Iron, Fe', 'mg', 22, 'minerales', 8, 0.27, 18)");
        fx.ejecutar("insert into EARs (id, key, name, unit, sorting, icon, males3, females4) "
                    "select id, key, name, unit, sorting, icon, case key when 'Vitamin_A_RAE' "
                    "then 625 when 'Magnesium_Mg' then 330 else 6 end, case key when "
                    "'Vitamin_A_RAE' then 500 when 'Magnesium_Mg' then 265 else 8.1 end from DRIs "
                    "where sorting between 20 and 22");
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
        return ::evaluar(perfil, valores, leerLimitesSuperiores(perfil),
                         leerRequerimientos(perfil));
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
        QTest::addColumn<int>("genero");
        QTest::addColumn<QString>("alimento"); // the test food's values per 100 g
        QTest::addColumn<QString>("clave");
        QTest::addColumn<Veredicto>("veredicto");
        QTest::addColumn<QString>("palabras"); // the judgement cell

        const auto v = [](const char* nombre, int edad, const char* alimento, const char* clave,
                          Veredicto veredicto, const char* palabras, int genero = 0) {
            QTest::newRow(nombre) << edad << genero << QString::fromUtf8(alimento)
                                  << QString::fromUtf8(clave) << veredicto
                                  << QString::fromUtf8(palabras);
        };
        // A man of 19 - 30 years: calcium EAR 800 mg, RDA 1000, at most 2500.
        v("below the EAR", 6, "Calcium_Ca=799", "Calcium_Ca", Veredicto::Atencion,
          "Likely inadequate, 50 %");
        v("far below the EAR", 6, "Calcium_Ca=300", "Calcium_Ca", Veredicto::Atencion,
          "Likely inadequate, <1 %");
        v("at the EAR", 6, "Calcium_Ca=800", "Calcium_Ca", Veredicto::AtencionLeve,
          "Possibly inadequate, 50 %");
        v("just below the RDA", 6, "Calcium_Ca=999.9", "Calcium_Ca", Veredicto::AtencionLeve,
          "Possibly inadequate, 98 %");
        v("at the RDA", 6, "Calcium_Ca=1000", "Calcium_Ca", Veredicto::Correcto,
          "Likely adequate, 98 %");
        v("at the limit", 6, "Calcium_Ca=2500", "Calcium_Ca", Veredicto::Correcto,
          "Likely adequate, >99 %");
        v("above the limit", 6, "Calcium_Ca=2501", "Calcium_Ca", Veredicto::Exceso,
          "Above the upper limit");
        // A woman of 31 - 50 years: magnesium EAR 265 mg, RDA 320 (the DRI
        // reports' worked figures).
        v("magnesium 320 mg", 7, "Magnesium_Mg=320", "Magnesium_Mg", Veredicto::Correcto,
          "Likely adequate, 98 %", 1);
        v("magnesium 300 mg", 7, "Magnesium_Mg=300", "Magnesium_Mg", Veredicto::AtencionLeve,
          "Possibly inadequate, 90 %", 1);
        v("magnesium 250 mg", 7, "Magnesium_Mg=250", "Magnesium_Mg", Veredicto::Atencion,
          "Likely inadequate, 29 %", 1);
        // Iron's requirement is skewed: the band, never a chance.
        v("iron between EAR and RDA", 6, "Iron_Fe=7", "Iron_Fe", Veredicto::AtencionLeve,
          "Possibly inadequate");
        v("iron below the EAR", 7, "Iron_Fe=8", "Iron_Fe", Veredicto::Atencion, "Likely inadequate",
          1);
        // Vitamin A's limit concerns retinol only.
        v("carrots: RAE far above the limit, no retinol", 6, "Vitamin_A_RAE=8000, Retinol=0",
          "Vitamin_A_RAE", Veredicto::Correcto, "Likely adequate, >99 %");
        v("liver: retinol above the limit", 6, "Vitamin_A_RAE=9000, Retinol=8900", "Vitamin_A_RAE",
          Veredicto::Exceso, "Above the upper limit");
        v("magnesium from food above the supplements' limit", 6, "Magnesium_Mg=900", "Magnesium_Mg",
          Veredicto::Correcto, "Likely adequate, >99 %");
        // Sodium has an adequate intake and a CDRR.
        v("sodium above its CDRR", 6, "Sodium_Na=2301", "Sodium_Na", Veredicto::Exceso,
          "Above the CDRR: reduce");
        v("sodium at its CDRR", 6, "Sodium_Na=2300", "Sodium_Na", Veredicto::Correcto,
          "Likely adequate");
        v("sodium at its AI", 6, "Sodium_Na=1500", "Sodium_Na", Veredicto::Correcto,
          "Likely adequate");
        v("sodium below its AI: neutral, never amber", 6, "Sodium_Na=1499", "Sodium_Na",
          Veredicto::NoJuzgable, "Cannot be judged: below the adequate intake");
        v("infant: vitamin C has no limit", 0, "Vitamin_C_total_ascorbic_acid=5000",
          "Vitamin_C_total_ascorbic_acid", Veredicto::Correcto, "Likely adequate");
        v("infant: sodium has no CDRR", 0, "Sodium_Na=5000", "Sodium_Na", Veredicto::Correcto,
          "Likely adequate");
        v("infant: calcium below its AI", 0, "Calcium_Ca=100", "Calcium_Ca", Veredicto::NoJuzgable,
          "Cannot be judged: below the adequate intake");
        v("no reference and no limit: grey", 6, "Leucine=1", "Isoleucine", Veredicto::SinJuicio,
          "No reference for this group");
        // Energy: 2720 kcal a day, judged at 90 - 110 %.
        v("energy just below 90 %", 6, "Energy=2447.9", "Energy", Veredicto::Atencion,
          "Below 90 % of the reference");
        v("energy at 90 %", 6, "Energy=2448", "Energy", Veredicto::Correcto,
          "Within 90 - 110 % of the reference");
        v("energy at 110 %", 6, "Energy=2992", "Energy", Veredicto::Correcto,
          "Within 90 - 110 % of the reference");
        v("energy just above 110 %", 6, "Energy=2992.5", "Energy", Veredicto::Atencion,
          "Above 110 % of the reference");
        // 2500 kcal: carbohydrate 48 %, fat 36 %, sugars 8 %, saturated fat 9 %.
        const char* energia = "Protein=100, Total_Lipid=100, Carbohydrate=300, Sugars_total=50, "
                              "Fatty_acids_total_saturated=25";
        v("carbohydrate inside 45 - 65 %", 6, energia, "Carbohydrate", Veredicto::Correcto,
          "Within its range (45 - 65 %)");
        v("fat above 35 % for an adult", 6, energia, "Total_Lipid", Veredicto::Atencion,
          "Above its range (20 - 35 %)");
        v("fat inside 30 - 40 % at 1 - 3 years", 2, energia, "Total_Lipid", Veredicto::Correcto,
          "Within its range (30 - 40 %)");
        // Total sugars: no verdict, whatever their share (here 8 % and 32 %).
        v("total sugars, 8 % of the energy", 6, energia, "Sugars_total", Veredicto::SinJuicio,
          "No verdict: total sugars");
        v("total sugars, 32 % of the energy", 6,
          "Protein=100, Total_Lipid=100, Carbohydrate=300, Sugars_total=200", "Sugars_total",
          Veredicto::SinJuicio, "No verdict: total sugars");
        v("carbohydrate at 45 %", 6, "Protein=50, Total_Lipid=100, Carbohydrate=225",
          "Carbohydrate", Veredicto::Correcto, "Within its range (45 - 65 %)");
        v("carbohydrate just below 45 %", 6, "Protein=50, Total_Lipid=100, Carbohydrate=224",
          "Carbohydrate", Veredicto::Atencion, "Below its range (45 - 65 %)");
        v("fat at 38 %, 1 - 3 years", 2, "Protein=50, Total_Lipid=50, Carbohydrate=133.55",
          "Total_Lipid", Veredicto::Correcto, "Within its range (30 - 40 %)");
        v("fat at 38 %, 4 - 8 years", 3, "Protein=50, Total_Lipid=50, Carbohydrate=133.55",
          "Total_Lipid", Veredicto::Atencion, "Above its range (25 - 35 %)");
        v("saturated fat at its ceiling", 6,
          "Protein=50, Total_Lipid=100, Carbohydrate=175, Fatty_acids_total_saturated=20",
          "Fatty_acids_total_saturated", Veredicto::Correcto, "Within its ceiling");
        v("saturated fat just above its ceiling", 6,
          "Protein=50, Total_Lipid=100, Carbohydrate=175, Fatty_acids_total_saturated=20.01",
          "Fatty_acids_total_saturated", Veredicto::Exceso, "Above its ceiling");
        v("infant: no range for carbohydrate", 0, energia, "Carbohydrate", Veredicto::SinJuicio,
          "No range for this age group");
    }
    void veredictos()
    {
        QFETCH(int, edad);
        QFETCH(int, genero);
        QFETCH(QString, alimento);
        QFETCH(QString, clave);
        QFETCH(Veredicto, veredicto);
        QFETCH(QString, palabras);
        Semana s(edad, genero);
        s.fx.ejecutar(QStringLiteral("update DRIs set males3=null where key='Isoleucine'"));
        s.fx.ejecutar(QStringLiteral("update total set %1 where id=%2").arg(alimento).arg(prueba));
        const Evaluacion e = s.evaluar();
        QVERIFY(e.juicios.contains(clave));
        const Juicio& j = e.juicios.value(clave);
        QCOMPARE(j.veredicto, veredicto);
        QCOMPARE(textoJuicio(j, {}, false), palabras);
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
        // Nor average requirements: the recommended value is then judged as
        // an adequate intake.
        almacen::ejecutarSQL(QStringLiteral("drop table EARs"));
        s.fx.ejecutar(QStringLiteral("update total set Calcium_Ca=790 where id=%1").arg(prueba));
        QCOMPARE(s.evaluar().juicios.value("Calcium_Ca").veredicto, Veredicto::NoJuzgable);
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
