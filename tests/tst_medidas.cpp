// Household measures without widgets: reading a food's measures, the typed
// quantity in the user's number format, the sum to whole grams a week, and
// reading a weekly intake back.

#include "apoyo/fixture.h"
#include "catalogue/medidas.h"
#include "storage/basedatos.h"

#include <QtTest>

using medidas::Medida;

class TstMedidas : public QObject
{
    Q_OBJECT

private slots:
    void deAlimento_data()
    {
        QTest::addColumn<qint64>("alimento");
        QTest::addColumn<QStringList>("etiquetas");
        QTest::newRow("milk, in the table's order")
            << Fixture::leche
            << QStringList{"1 cup (244 g)", "1 tbsp (15 g)", "1 fl oz (30.5 g)", "1 quart (976 g)"};
        QTest::newRow("carrot: amounts other than 1 weigh one unit")
            << Fixture::zanahoria << QStringList{"1 oz (28.33 g)", "1 cup, chopped (128 g)"};
        QTest::newRow("apple: quotes in the name")
            << Fixture::manzana
            << QStringList{"1 cup, quartered or chopped (125 g)", "1 large (3-1/4\" dia) (223 g)"};
        QTest::newRow("hamburger: none") << Fixture::hamburguesa << QStringList{};
        QTest::newRow("no such food") << qint64(99999) << QStringList{};
    }
    void deAlimento()
    {
        QFETCH(qint64, alimento);
        QFETCH(QStringList, etiquetas);
        Fixture fx;
        QVERIFY(almacen::abrirBase().isEmpty());
        QString fallo;
        QStringList leidas;
        for (const Medida& m : medidas::deAlimento(alimento, &fallo))
            leidas << medidas::etiqueta(m, QLocale::c());
        almacen::cerrarBase();
        QCOMPARE(fallo, QString());
        QCOMPARE(leidas, etiquetas);
    }

    void guardadaYFallo()
    {
        Fixture fx;
        QVERIFY(almacen::abrirBase().isEmpty());
        fx.ejecutar("insert into saves (prof_id, food_id, intake) values (1, 1077, 700)");
        QString fallo;
        QCOMPARE(medidas::guardada(Fixture::leche, 1, &fallo), std::optional<qint64>(700));
        QCOMPARE(medidas::guardada(Fixture::leche, 2, &fallo), std::nullopt);
        QCOMPARE(fallo, QString());
        // A database without the table: nothing listed, and the reason told.
        fx.ejecutar("drop table measures");
        QVERIFY(medidas::deAlimento(Fixture::leche, &fallo).isEmpty());
        QVERIFY2(fallo.contains("measures"), qPrintable(fallo));
        almacen::cerrarBase();
    }

    void leerCantidad_data()
    {
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("cantidad"); // 0: refused
        QTest::newRow("whole") << "en_US"
                               << "2" << 2.0;
        QTest::newRow("point") << "en_US"
                               << "1.5" << 1.5;
        QTest::newRow("blanks at the ends") << "en_US"
                                            << " 0.5 " << 0.5;
        QTest::newRow("leading zeros are not significant") << "en_US"
                                                           << "0.0025" << 0.0025;
        QTest::newRow("four significant digits") << "en_US"
                                                 << "12.34" << 12.34;
        QTest::newRow("comma in Spanish") << "es_ES"
                                          << "1,5" << 1.5;
        QTest::newRow("comma in German") << "de_DE"
                                         << "0,25" << 0.25;
        QTest::newRow("Arabic digits and separator") << "ar_EG" << QString::fromUtf8("١٫٥") << 1.5;
        QTest::newRow("ASCII digits in Arabic") << "ar_EG" << QString::fromUtf8("1٫5") << 1.5;
        QTest::newRow("Persian digits") << "fa_IR" << QString::fromUtf8("۰٫۲۵") << 0.25;
        QTest::newRow("another script's digits") << "en_US" << QString::fromUtf8("١.٥") << 0.0;
        QTest::newRow("comma in English is no separator") << "en_US"
                                                          << "1,5" << 0.0;
        QTest::newRow("point in German is no separator") << "de_DE"
                                                         << "1.5" << 0.0;
        QTest::newRow("empty") << "en_US"
                               << "" << 0.0;
        QTest::newRow("blanks") << "en_US"
                                << "  " << 0.0;
        QTest::newRow("zero") << "en_US"
                              << "0" << 0.0;
        QTest::newRow("zero with decimals") << "en_US"
                                            << "0.00" << 0.0;
        QTest::newRow("negative") << "en_US"
                                  << "-1" << 0.0;
        QTest::newRow("text") << "en_US"
                              << "two" << 0.0;
        QTest::newRow("exponent") << "en_US"
                                  << "1e2" << 0.0;
        QTest::newRow("two separators") << "en_US"
                                        << "1.2.3" << 0.0;
        QTest::newRow("separator alone") << "en_US"
                                         << "." << 0.0;
        QTest::newRow("five significant digits") << "en_US"
                                                 << "1.2345" << 0.0;
        QTest::newRow("five digits") << "en_US"
                                     << "10000" << 0.0;
    }
    void leerCantidad()
    {
        QFETCH(QString, local);
        QFETCH(QString, texto);
        QFETCH(double, cantidad);
        const std::optional<double> leida = medidas::leerCantidad(texto, QLocale(local));
        if (cantidad == 0)
            QVERIFY2(!leida, qPrintable(QString::number(leida.value_or(0))));
        else
            QCOMPARE(leida.value_or(0), cantidad);
    }

    void gramosSemana_data()
    {
        QTest::addColumn<double>("cantidad");
        QTest::addColumn<double>("gramosPorUnidad");
        QTest::addColumn<bool>("porDia");
        QTest::addColumn<qint64>("gramos");
        QTest::newRow("2 cups of milk a day") << 2.0 << 244.0 << true << qint64(3416);
        QTest::newRow("half a tbsp a week rounds up") << 0.5 << 15.0 << false << qint64(8);
        // 0.7 x 85 x 7 is 416.5, computed 416.49999999999994.
        QTest::newRow("a half a hair below rounds up") << 0.7 << 85.0 << true << qint64(417);
        QTest::newRow("below a half rounds down") << 1.0 << 28.35 << true << qint64(198);
        QTest::newRow("3 oz of 85 g") << 3.0 << 85.0 / 3 << false << qint64(85);
        QTest::newRow("above five digits is not cut") << 15.0 << 976.0 << true << qint64(102480);
    }
    void gramosSemana()
    {
        QFETCH(double, cantidad);
        QFETCH(double, gramosPorUnidad);
        QFETCH(bool, porDia);
        QFETCH(qint64, gramos);
        QCOMPARE(medidas::gramosSemana(cantidad, gramosPorUnidad, porDia), gramos);
    }

    void lectura_data()
    {
        QTest::addColumn<qint64>("semana");
        QTest::addColumn<QString>("nombre"); // empty: no measure
        QTest::addColumn<double>("gramos");
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("texto");
        QTest::newRow("cup") << qint64(700) << "cup" << 244.0 << "en_US"
                             << "700 g a week = about 0.4 cup a day";
        QTest::newRow("German separator") << qint64(3416) << "tbsp" << 14.2 << "de_DE"
                                          << "3416 g a week = about 34,4 tbsp a day";
        QTest::newRow("below a tenth") << qint64(70) << "quart" << 976.0 << "en_US"
                                       << "70 g a week = about 0.01 quart a day";
        // One decimal from a twentieth of a unit on, two significant digits
        // below it.
        QTest::newRow("a twentieth reads a tenth") << qint64(35) << "portion" << 100.0 << "en_US"
                                                   << "35 g a week = about 0.1 portion a day";
        QTest::newRow("just below a twentieth") << qint64(34) << "portion" << 100.0 << "en_US"
                                                << "34 g a week = about 0.049 portion a day";
        QTest::newRow("Arabic digits throughout")
            << qint64(3416) << "" << 0.0 << "ar_EG"
            << QString::fromUtf8("٣٤١٦ g a week = about ٤٨٨ g a day");
        QTest::newRow("Persian digits throughout")
            << qint64(3416) << "tbsp" << 14.2 << "fa_IR"
            << QString::fromUtf8("۳۴۱۶ g a week = about ۳۴٫۴ tbsp a day");
        QTest::newRow("no measure: grams") << qint64(700) << "" << 0.0 << "en_US"
                                           << "700 g a week = about 100 g a day";
        QTest::newRow("no thousands separator") << qint64(99999) << "" << 0.0 << "en_US"
                                                << "99999 g a week = about 14285.6 g a day";
    }
    void lectura()
    {
        QFETCH(qint64, semana);
        QFETCH(QString, nombre);
        QFETCH(double, gramos);
        QFETCH(QString, local);
        QFETCH(QString, texto);
        const Medida m{1, nombre, gramos};
        QCOMPARE(medidas::lectura(semana, nombre.isEmpty() ? nullptr : &m, QLocale(local)), texto);
    }
};

QTEST_GUILESS_MAIN(TstMedidas)
#include "tst_medidas.moc"
