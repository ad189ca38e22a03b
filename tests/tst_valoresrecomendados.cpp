// The reference values in memory: the group's column, amino acids by body
// weight, the table's order. Data code only, without widgets.

#include "apoyo/fixture.h"
#include "evaluation/valoresrecomendados.h"
#include "storage/basedatos.h"
#include "storage/registro.h"

#include <QTest>

class TstValoresRecomendados : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        cerrarLog();
        almacen::cerrarBase();
    }

    void grupoDeReferencia_data()
    {
        QTest::addColumn<QVariant>("edad");
        QTest::addColumn<QVariant>("genero");
        QTest::addColumn<double>("calcio");
        const QVariant nulo;
        QTest::newRow("infant, null sex") << QVariant(0) << nulo << 200.0;
        QTest::newRow("null age and sex count as first group") << nulo << nulo << 200.0;
        QTest::newRow("4 - 8 years, female") << QVariant(3) << QVariant(1) << 1000.0;
        QTest::newRow("9 - 13 years, female") << QVariant(4) << QVariant(1) << 1300.0;
        QTest::newRow("9 - 13 years, male") << QVariant(4) << QVariant(0) << 1300.0;
        QTest::newRow("51 - 70 years, male") << QVariant(8) << QVariant(0) << 1000.0;
        QTest::newRow("51 - 70 years, female") << QVariant(8) << QVariant(1) << 1200.0;
    }

    void grupoDeReferencia()
    {
        QFETCH(QVariant, edad);
        QFETCH(QVariant, genero);
        QFETCH(double, calcio);
        Fixture fx;
        QCOMPARE(almacen::abrirBase(), QString());
        PerfilActual perfil;
        perfil.edad = Dato::deVariante(edad);
        perfil.genero = Dato::deVariante(genero);
        const ValoresRecomendados valores = establecerValoresRecomendados(perfil);
        bool ok = false;
        QCOMPARE(valorRecomendado(valores, perfil, QStringLiteral("Calcium_Ca"), &ok).toDouble(),
                 calcio);
        QVERIFY(ok);
    }

    void consultaImposible()
    {
        Fixture fx;
        QCOMPARE(almacen::abrirBase(), QString());
        PerfilActual perfil;
        const ValoresRecomendados valores = establecerValoresRecomendados(perfil);
        bool ok = true;
        valorRecomendado(valores, perfil, QStringLiteral("Nothing"), &ok);
        QVERIFY(!ok);
        perfil.edad = Dato::de(10);
        valorRecomendado(valores, perfil, QStringLiteral("Calcium_Ca"), &ok);
        QVERIFY(!ok);
        // A group without a value gives an empty reference, not a failure.
        perfil.edad = Dato::de(0);
        QVERIFY(valorRecomendado(valores, perfil, QStringLiteral("Sugars_total"), &ok).isNull());
        QVERIFY(ok);
    }

    void aminoacidosPorPeso_data()
    {
        QTest::addColumn<QString>("icono");
        QTest::addColumn<QVariant>("peso"); // invalid: never set
        QTest::addColumn<QVariant>("esperado");
        QTest::newRow("70 kg") << "aminoacidos" << QVariant(70.0) << QVariant(1.33);
        QTest::newRow("null weight")
            << "aminoacidos" << QVariant(QMetaType(QMetaType::Double)) << QVariant();
        QTest::newRow("weight never set") << "aminoacidos" << QVariant() << QVariant(0.0);
        QTest::newRow("other letter case") << "Aminoacidos" << QVariant(70.0) << QVariant(19.0);
    }

    void aminoacidosPorPeso()
    {
        QFETCH(QString, icono);
        QFETCH(QVariant, peso);
        QFETCH(QVariant, esperado);
        Fixture fx;
        fx.ejecutar(QStringLiteral("update DRIs set icon='%1' where key='Isoleucine'").arg(icono));
        QCOMPARE(almacen::abrirBase(), QString());
        PerfilActual perfil;
        perfil.edad = Dato::de(6);
        perfil.genero = Dato::de(0);
        if (peso.isValid())
            perfil.peso = Dato::deVariante(peso);
        const ValoresRecomendados valores = establecerValoresRecomendados(perfil);
        const QVariant v = valorRecomendado(valores, perfil, QStringLiteral("Isoleucine"));
        QCOMPARE(v.isNull(), esperado.isNull());
        if (!esperado.isNull())
            QVERIFY(qFuzzyCompare(1.0 + v.toDouble(), 1.0 + esperado.toDouble()));
    }

    void tablaEnOrdenSinFilaVaciaNiDuplicados()
    {
        Fixture fx;
        fx.ejecutar(QStringLiteral("update DRIs set sorting=0 where key='Sodium_Na'"));
        fx.ejecutar(QStringLiteral("insert into DRIs (key, name, unit, sorting, icon, infants1) "
                                   "values ('Protein', 'Protein again', 'g', 99, 'general', 7)"));
        abrirLog();
        QCOMPARE(almacen::abrirBase(), QString());
        const ValoresRecomendados valores = establecerValoresRecomendados(PerfilActual());
        cerrarLog();
        QStringList esperadas = Fixture::claves();
        esperadas.move(esperadas.indexOf(QStringLiteral("Sodium_Na")), 0);
        QCOMPARE(valores.claves(), esperadas);
        QCOMPARE(valores.entrada(QStringLiteral("Protein")).nombre, QStringLiteral("Protein"));
        QCOMPARE(fx.entradasLog(), 1);
        QVERIFY(fx.log().contains(QStringLiteral("establecerValoresRecomendados() -> ")));
    }
};

QTEST_GUILESS_MAIN(TstValoresRecomendados)
#include "tst_valoresrecomendados.moc"
