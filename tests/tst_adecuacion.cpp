// The judgement of one nutrient's usual daily intake, as the DRI reports
// define it, on the worked figures of their method and at every limit.

#include "evaluation/adecuacion.h"

#include <QtTest>

using namespace adecuacion;

namespace {

Entrada conEar(double diario, double ear, double rda)
{
    Entrada e;
    e.diario = diario;
    e.ear = ear;
    e.referencia = rda;
    return e;
}

} // namespace

class PruebaAdecuacion : public QObject
{
    Q_OBJECT

private slots:
    // Magnesium for a woman 31-50 (EAR 265, RDA 320 mg) and vitamin C
    // (EAR 60, RDA 75 mg): the chance of meeting one's requirement.
    void cifrasDelMetodo_data()
    {
        QTest::addColumn<double>("diario");
        QTest::addColumn<double>("ear");
        QTest::addColumn<double>("rda");
        QTest::addColumn<int>("banda");
        QTest::addColumn<double>("probabilidad");
        QTest::addColumn<QString>("texto");
        QTest::newRow("Mg 320") << 320. << 265. << 320. << int(Banda::ProbablementeAdecuada)
                                << 0.977 << "98 %";
        QTest::newRow("Mg 300") << 300. << 265. << 320. << int(Banda::PosiblementeInadecuada)
                                << 0.898 << "90 %";
        QTest::newRow("Mg 250") << 250. << 265. << 320. << int(Banda::ProbablementeInadecuada)
                                << 0.293 << "29 %";
        QTest::newRow("Mg at the EAR")
            << 265. << 265. << 320. << int(Banda::PosiblementeInadecuada) << 0.5 << "50 %";
        QTest::newRow("Mg just below the EAR")
            << 264.99 << 265. << 320. << int(Banda::ProbablementeInadecuada) << 0.4999 << "50 %";
        QTest::newRow("Mg just below the RDA")
            << 319.99 << 265. << 320. << int(Banda::PosiblementeInadecuada) << 0.977 << "98 %";
        QTest::newRow("vitamin C 70")
            << 70. << 60. << 75. << int(Banda::PosiblementeInadecuada) << 0.909 << "91 %";
        QTest::newRow("far below")
            << 10. << 60. << 75. << int(Banda::ProbablementeInadecuada) << 0.0 << "<1 %";
        QTest::newRow("far above")
            << 200. << 60. << 75. << int(Banda::ProbablementeAdecuada) << 1.0 << ">99 %";
        // An RDA edited to the EAR or below: the usual 10 % variation.
        QTest::newRow("edited RDA below the EAR")
            << 66. << 60. << 50. << int(Banda::ProbablementeAdecuada) << 0.841 << "84 %";
    }
    void cifrasDelMetodo()
    {
        QFETCH(double, diario);
        QFETCH(double, ear);
        QFETCH(double, rda);
        QFETCH(int, banda);
        QFETCH(double, probabilidad);
        QFETCH(QString, texto);
        const Juicio j = juzgar(conEar(diario, ear, rda));
        QCOMPARE(int(j.banda), banda);
        QVERIFY(j.probabilidad);
        QVERIFY2(qAbs(*j.probabilidad - probabilidad) < 0.001,
                 qPrintable(QString::number(*j.probabilidad)));
        QCOMPARE(textoProbabilidad(*j.probabilidad), texto);
    }

    // Limits, adequate intakes, skewed requirements, groups with nothing.
    void reglas()
    {
        // Iron: the band only.
        Entrada hierro = conEar(7, 8.1, 18);
        hierro.sesgado = true;
        QCOMPARE(juzgar(hierro).banda, Banda::ProbablementeInadecuada);
        QVERIFY(!juzgar(hierro).probabilidad);

        // Below an AI adequacy cannot be determined; at it, likely adequate.
        Entrada ai;
        ai.referencia = 4700;
        ai.diario = 4699.9;
        QCOMPARE(juzgar(ai).banda, Banda::NoJuzgable);
        QVERIFY(!juzgar(ai).probabilidad);
        ai.diario = 4700;
        QCOMPARE(juzgar(ai).banda, Banda::ProbablementeAdecuada);

        // The upper limit: at it, no risk; above it, whatever the EAR says.
        Entrada calcio = conEar(2500, 800, 1000);
        calcio.limite = 2500;
        calcio.comparada = 2500;
        QCOMPARE(juzgar(calcio).banda, Banda::ProbablementeAdecuada);
        calcio.diario = 2500.01;
        calcio.comparada = calcio.diario;
        QCOMPARE(juzgar(calcio).banda, Banda::SobreLimite);
        QVERIFY(!juzgar(calcio).probabilidad);

        // Vitamin A: only preformed vitamin A counts against its limit.
        Entrada a = conEar(4000, 500, 700);
        a.limite = 3000;
        a.comparada = 2999; // the retinol
        QCOMPARE(juzgar(a).banda, Banda::ProbablementeAdecuada);
        a.comparada = 3001;
        QCOMPARE(juzgar(a).banda, Banda::SobreLimite);

        // A limit for supplements is never compared with food.
        Entrada magnesio = conEar(900, 265, 320);
        magnesio.limite = 350;
        // (no intake is set against it)
        QCOMPARE(juzgar(magnesio).banda, Banda::ProbablementeAdecuada);

        // Sodium: an AI and, above the CDRR, "reduce".
        Entrada sodio;
        sodio.referencia = 1500;
        sodio.limite = 2300;
        sodio.cdrr = true;
        sodio.diario = sodio.comparada.emplace(2300);
        QCOMPARE(juzgar(sodio).banda, Banda::ProbablementeAdecuada);
        sodio.diario = sodio.comparada.emplace(2301);
        QCOMPARE(juzgar(sodio).banda, Banda::SobreCdrr);
        QCOMPARE(palabras(juzgar(sodio).banda), QStringLiteral("Above the CDRR: reduce"));

        // A group without any value (infants, a cleared cell).
        Entrada nada;
        nada.diario = 12;
        QCOMPARE(juzgar(nada).banda, Banda::SinReferencia);
        QCOMPARE(palabras(Banda::SinReferencia), QStringLiteral("No reference for this group"));
        QCOMPARE(palabras(Banda::NoJuzgable),
                 QStringLiteral("Cannot be judged: below the adequate intake"));
    }
};

QTEST_GUILESS_MAIN(PruebaAdecuacion)
#include "tst_adecuacion.moc"
