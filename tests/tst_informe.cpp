// The week's report without windows: the XHTML read back row by row against
// the evaluation, the CSV read back under a decimal-comma locale, and files
// written whole or not at all.

#include "apoyo/fixture.h"
#include "evaluation/informe.h"
#include "evaluation/limitessuperiores.h"
#include "evaluation/sesion.h"
#include "profiles/perfiles.h"
#include "storage/archivos.h"
#include "storage/basedatos.h"
#include "storage/registro.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QXmlStreamReader>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/resource.h>

namespace {

// The rows of the table `id` of an XHTML document, each as its cell texts.
QList<QStringList> filasTabla(const QString& html, const QString& id)
{
    QXmlStreamReader x(html);
    QList<QStringList> filas;
    bool dentro = false;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("table") &&
            x.attributes().value(QLatin1String("id")) == id)
            dentro = true;
        else if (dentro && x.isStartElement() && x.name() == QLatin1String("tr"))
            filas << QStringList();
        else if (dentro && x.isStartElement() &&
                 (x.name() == QLatin1String("td") || x.name() == QLatin1String("th")))
            filas.last() << x.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (dentro && x.isEndElement() && x.name() == QLatin1String("table"))
            dentro = false;
    }
    if (x.hasError())
        qWarning() << "not well formed:" << x.errorString() << x.lineNumber();
    return x.hasError() ? QList<QStringList>() : filas;
}

// A CSV reader after RFC 4180.
QList<QStringList> leerCsv(const QString& texto)
{
    QList<QStringList> filas{{}};
    QString campo;
    bool comillas = false;
    for (int i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (comillas) {
            if (c == QLatin1Char('"') && i + 1 < texto.size() && texto.at(i + 1) == c)
                campo += c, ++i;
            else if (c == QLatin1Char('"'))
                comillas = false;
            else
                campo += c;
        } else if (c == QLatin1Char('"')) {
            comillas = true;
        } else if (c == QLatin1Char(',')) {
            filas.last() << campo, campo.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < texto.size() &&
                   texto.at(i + 1) == QLatin1Char('\n')) {
            filas.last() << campo, campo.clear();
            filas << QStringList();
            ++i;
        } else {
            campo += c;
        }
    }
    if (filas.last().isEmpty())
        filas.removeLast();
    return filas;
}

} // namespace

class TstInforme : public QObject
{
    Q_OBJECT

    Fixture* fx = nullptr;
    Sesion sesion;

    void evaluarSemana()
    {
        extraerDatosPersonales(sesion.perfilActual);
        sesion.establecerValoresRecomendados();
        sesion.evaluar();
    }

private slots:
    void init()
    {
        fx = new Fixture;
        fx->ejecutar("update profiles set name='Ann, \"A\" & <B>', age=6, gender=1, weight=60 "
                     "where id=1");
        fx->ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values (1, %1, "
                                    "700), (1, %2, 1400), (1, %3, 75), (1, %4, 0)")
                         .arg(Fixture::leche)
                         .arg(Fixture::manzana)
                         .arg(Fixture::mantequilla)
                         .arg(Fixture::zanahoria));
        abrirLog();
        QVERIFY(almacen::abrirBase().isEmpty());
        evaluarSemana();
    }
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        almacen::cerrarBase();
        delete fx;
        fx = nullptr;
    }

    // A name longer than a new one may be (from a restored file) heads the
    // report cut short, on one line.
    void nombreLargoCortado()
    {
        fx->ejecutar("update profiles set name='a' || char(10) || replace(hex(zeroblob(5000)), "
                     "'0', 'xy') where id=1");
        const Informe informe = prepararInforme(sesion, {}, nullptr);
        QCOMPARE(informe.nombre.size(), 201);
        QVERIFY(informe.nombre.startsWith(QStringLiteral("a xyxy")));
        QVERIFY(informe.nombre.endsWith(QChar(0x2026)));
    }

    // Every row of the XHTML says what the evaluation holds, in the order
    // asked for; the foods come most grams first with their daily share.
    void htmlLeidoFilaAFila()
    {
        QStringList orden = sesion.valoresRecomendados.claves();
        std::reverse(orden.begin(), orden.end());
        QString fallo;
        const Informe informe = prepararInforme(sesion, orden, &fallo);
        QVERIFY2(fallo.isEmpty(), qPrintable(fallo));
        const QString html = htmlInforme(informe);
        QVERIFY(html.contains(QLatin1String("<h1 style=\"font-size:16pt\">Alimetra 1.1 - weekly "
                                            "diet assessment</h1>")));
        QVERIFY(html.contains(QLatin1String(
            "Food composition: USDA National Nutrient Database for Standard Reference, release "
            "24. Reference values: Dietary Reference Intakes (Food and Nutrition Board).")));
        QVERIFY(html.contains(QLatin1String("Ann, &quot;A&quot; &amp; &lt;B&gt;")));
        QVERIFY(html.contains(QLatin1String("19 - 30 years")));

        const QList<QStringList> filas = filasTabla(html, QStringLiteral("results"));
        QCOMPARE(filas.size(), orden.size() + 1);
        QCOMPARE(filas.first().mid(0, 4), (QStringList{"Nutrient", "Unit", "Intake", "% WRI"}));
        const Evaluacion& e = sesion.evaluacion;
        int conPorcentaje = 0;
        for (int i = 0; i < orden.size(); ++i) {
            const QString& clave = orden.at(i);
            const QStringList& fila = filas.at(i + 1);
            QCOMPARE(fila.size(), 9);
            QCOMPARE(fila.at(0), sesion.valoresRecomendados.entrada(clave).nombre);
            QCOMPARE(fila.at(2).toDouble(),
                     redondearDosDecimales(e.cantidadesIngeridas.value(clave)));
            const std::optional<double> p = e.porcentajesRecomendacion.value(clave);
            if (p) {
                ++conPorcentaje;
                QCOMPARE(fila.at(3).toDouble(), redondearDosDecimales(*p));
            } else {
                QVERIFY(fila.at(3).isEmpty());
            }
            QCOMPARE(fila.at(4).toDouble(), redondearDosDecimales(e.juicios.value(clave).diaria));
            QVERIFY(!fila.at(7).isEmpty());
        }
        QVERIFY(conPorcentaje > 0);
        QVERIFY(e.cantidadesIngeridas.value(QStringLiteral("Protein")) > 0);

        // The energy comes from protein, carbohydrate and fat, 100 % together;
        // the note says so in the user's numbers.
        const std::optional<ReparticionEnergia> r = reparticionEnergia(informe);
        QVERIFY(r && r->proteina > 0 && r->hidratos > 0 && r->grasa > 0);
        QVERIFY(qAbs(r->proteina + r->hidratos + r->grasa - 100) < 1e-9);
        QVERIFY(r->azucares && *r->azucares < r->hidratos);
        QVERIFY(
            html.contains(QStringLiteral("Protein %1 %").arg(redondearDosDecimales(r->proteina))));

        const QList<QStringList> alimentos = filasTabla(html, QStringLiteral("foods"));
        QCOMPARE(alimentos.size(), 4); // the 0 g intake is no food of the week
        QCOMPARE(alimentos.at(1).at(1), QStringLiteral("1400"));
        QCOMPARE(alimentos.at(1).at(2), QStringLiteral("200"));
        QCOMPARE(alimentos.at(2).at(1), QStringLiteral("700"));
        QCOMPARE(alimentos.at(3).at(1), QStringLiteral("75"));
        QCOMPARE(alimentos.at(3).at(2), QStringLiteral("10.71"));
    }

    // A German locale writes the screen's numbers with a comma; the CSV keeps
    // the point, and a reader gets back every field, quotes and commas too.
    void csvConComaDecimal()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        fx->ejecutar("update total set description='Milk, \"whole\"' where id=1077");
        const Informe informe = prepararInforme(sesion, {}, nullptr);
        QVERIFY(htmlInforme(informe).contains(QLatin1String("<td style=\"padding:2px 6px\" "
                                                            "align=\"right\">10,71</td>")));

        const QByteArray resultados = csvResultados(informe);
        QVERIFY(resultados.startsWith("\xEF\xBB\xBF"));
        const QList<QStringList> filas = leerCsv(QString::fromUtf8(resultados.mid(3)));
        QCOMPARE(filas.size(), informe.filas.size() + 1);
        QCOMPARE(filas.first().at(2), QStringLiteral("Intake a week (unit)"));
        for (int i = 0; i < informe.filas.size(); ++i) {
            const Informe::Fila& f = informe.filas.at(i);
            const QStringList& fila = filas.at(i + 1);
            QCOMPARE(fila.size(), 16);
            QCOMPARE(fila.at(0), f.nombre);
            QCOMPARE(fila.at(1), f.unidad);
            bool ok = false;
            QCOMPARE(fila.at(2).toDouble(&ok), redondearDosDecimales(f.semana));
            QVERIFY(ok);
            if (f.porcentaje)
                QCOMPARE(fila.at(3).toDouble(), redondearDosDecimales(*f.porcentaje));
        }

        const QList<QStringList> alimentos =
            leerCsv(QString::fromUtf8(csvAlimentos(informe).mid(3)));
        QCOMPARE(alimentos.size(), 4);
        QCOMPARE(alimentos.at(2), (QStringList{"Milk, \"whole\"", "700", "100"}));
        QCOMPARE(alimentos.at(3).at(2), QStringLiteral("10.71"));

        // A line break inside a field stays inside its quotes: one record.
        fx->ejecutar("update total set description='Milk' || char(10) || 'whole' where id=1077");
        const QByteArray conSalto = csvAlimentos(prepararInforme(sesion, {}, nullptr));
        QVERIFY(conSalto.contains("\r\n\"Milk\nwhole\",700,100\r\n"));
        const QList<QStringList> leidos = leerCsv(QString::fromUtf8(conSalto.mid(3)));
        QCOMPARE(leidos.size(), 4);
        QCOMPARE(leidos.at(2), (QStringList{"Milk\nwhole", "700", "100"}));

        // One file: each table under its title, a blank line between.
        const QList<QStringList> unico = leerCsv(QString::fromUtf8(csvUnico(informe).mid(3)));
        QCOMPARE(unico.size(), 1 + filas.size() + 2 + alimentos.size());
        QCOMPARE(unico.first(), QStringList{QStringLiteral("Results")});
        QCOMPARE(unico.mid(1, filas.size()), filas);
        QCOMPARE(unico.at(filas.size() + 1), QStringList{QString()});
        QCOMPARE(unico.at(filas.size() + 2), QStringList{QStringLiteral("Foods of the week")});
        QCOMPARE(unico.mid(filas.size() + 3), alimentos);
    }

    // What the user changed on tab 7 carries an asterisk after its number,
    // explained once under the table, and is named in the CSV's last column;
    // the CSV's numbers stay numbers.
    void editadosMarcados()
    {
        for (const char* t : {"DRIs", "ULs"})
            fx->ejecutar(QStringLiteral("create table %1_delivered as select * from %1").arg(t));
        fx->ejecutar("update DRIs set females3=1200 where key='Calcium_Ca'");
        fx->ejecutar("update ULs set females3=2000 where key='Calcium_Ca'");
        fx->ejecutar("update ULs set females3=null where key='Sodium_Na'");
        fx->ejecutar("update DRIs set females3=null where key='Vitamin_C_total_ascorbic_acid'");
        evaluarSemana();
        const Informe informe = prepararInforme(sesion, {}, nullptr);
        const QString html = htmlInforme(informe);
        QCOMPARE(html.count(QStringLiteral("* Edited by you, not the delivered value")), 1);
        QList<QStringList> tabla;
        for (const QStringList& f : filasTabla(html, QStringLiteral("results")))
            tabla << f.mid(0, 1) + f.mid(5, 2);
        QVERIFY(tabla.contains(QStringList{"Calcium, Ca", "1200* mg", "2000* mg"}));
        QVERIFY(tabla.contains(QStringList{"Sodium, Na", "1500 mg", "*"}));
        QVERIFY(tabla.contains(QStringList{"Vitamin C, total ascorbic acid", "*", "2000 mg"}));

        const QList<QStringList> csv = leerCsv(QString::fromUtf8(csvResultados(informe).mid(3)));
        QCOMPARE(csv.first().at(12), QStringLiteral("Edited"));
        QStringList editados;
        for (const QStringList& f : csv.mid(1))
            if (!f.at(12).isEmpty())
                editados << f.at(0) + QLatin1Char('=') + f.at(5) + QLatin1Char('/') + f.at(12);
        QCOMPARE(editados, (QStringList{"Vitamin C, total ascorbic acid=/reference",
                                        "Calcium, Ca=1200/reference; upper limit",
                                        "Sodium, Na=1500/upper limit"}));
    }

    // Foods of unknown value: counted in their column, the verdict marked
    // provisional from 10 % of the week's grams, one note; the CSV the same.
    void desconocidos()
    {
        fx->ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values (1, %1, "
                                    "280)")
                         .arg(Fixture::hamburguesa));
        evaluarSemana();
        const Informe informe = prepararInforme(sesion, {}, nullptr);
        const QString html = htmlInforme(informe);
        QCOMPARE(html.count(QStringLiteral("? Provisional: foods without a known value")), 1);
        QStringList marcadas;
        for (const QStringList& f : filasTabla(html, QStringLiteral("results")))
            if (!f.at(8).isEmpty() && f.at(0) != QLatin1String("Nutrient"))
                marcadas << f.at(0) + QLatin1Char('/') + f.at(7).right(2) + QLatin1Char('/') +
                                f.at(8);
        QCOMPARE(marcadas, (QStringList{QStringLiteral("Leucine/\u00a0?/1 food, 280 g"),
                                        QStringLiteral("Isoleucine/\u00a0?/1 food, 280 g")}));

        const QList<QStringList> csv = leerCsv(QString::fromUtf8(csvResultados(informe).mid(3)));
        QCOMPARE(csv.first().mid(13),
                 (QStringList{"Unknown in (foods)", "Unknown in (g a week)", "Provisional"}));
        for (const QStringList& f : csv.mid(1)) {
            const bool marcada =
                f.at(0) == QLatin1String("Leucine") || f.at(0) == QLatin1String("Isoleucine");
            QCOMPARE(f.mid(13),
                     marcada ? (QStringList{"1", "280", "yes"}) : (QStringList{"0", "0", ""}));
        }
    }

    // A text cell that would start a formula gets an apostrophe, in every
    // CSV; numbers, negative ones too, stay numbers.
    void csvSinFormulas_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("=") << "=1+2";
        QTest::newRow("+") << "+1";
        QTest::newRow("-") << "-milk";
        QTest::newRow("@") << "@SUM(A1)";
        QTest::newRow("tab") << "\tmilk";
        QTest::newRow("carriage return") << "\rmilk";
    }
    void csvSinFormulas()
    {
        QFETCH(QString, texto);
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("alimetra")));
        q.prepare(QStringLiteral("update total set description=? where id=?"));
        q.addBindValue(texto);
        q.addBindValue(Fixture::leche);
        QVERIFY(q.exec());
        q.prepare(QStringLiteral("update DRIs set name=?, unit=? where key='Calcium_Ca'"));
        q.addBindValue(texto);
        q.addBindValue(texto);
        QVERIFY(q.exec());
        // A reference value below zero.
        QVERIFY(q.exec(QStringLiteral("update DRIs set females1=-5, females2=-5, females3=-5, "
                                      "females4=-5 where key='Sodium_Na'")));
        evaluarSemana();
        const Informe informe = prepararInforme(sesion, {}, nullptr);
        const QString seguro = QLatin1Char('\'') + texto;
        for (const QByteArray& csv : {csvAlimentos(informe), csvUnico(informe)}) {
            const QList<QStringList> filas = leerCsv(QString::fromUtf8(csv.mid(3)));
            bool alimento = false;
            for (const QStringList& f : filas)
                if (f.value(1) == QLatin1String("700"))
                    alimento = f == QStringList{seguro, "700", "100"};
            QVERIFY(alimento);
        }
        for (const QByteArray& csv : {csvResultados(informe), csvUnico(informe)}) {
            const QList<QStringList> filas = leerCsv(QString::fromUtf8(csv.mid(3)));
            int calcio = 0;
            for (const QStringList& f : filas) {
                if (f.value(0) == seguro && f.value(1) == seguro && f.value(6) == seguro)
                    ++calcio;
                if (f.value(0) == QLatin1String("Sodium, Na")) {
                    QCOMPARE(f.at(5), QStringLiteral("-5"));
                    QCOMPARE(f.at(6), QStringLiteral("mg"));
                }
            }
            QCOMPARE(calcio, 1);
        }
    }

    // A file is written whole; a place that cannot be written says why and
    // leaves nothing behind.
    void archivoEnteroONada()
    {
        const QString bien = fx->ruta(QStringLiteral("week.csv"));
        QString fallo;
        QVERIFY(escribirArchivo(bien, "a,b\r\n", &fallo));
        QFile leido(bien);
        QVERIFY(leido.open(QIODevice::ReadOnly));
        QCOMPARE(leido.readAll(), QByteArray("a,b\r\n"));

        const QString mal = fx->ruta(QStringLiteral("missing/week.csv"));
        QVERIFY(!escribirArchivo(mal, "a,b\r\n", &fallo));
        QVERIFY(!fallo.isEmpty());
        QCOMPARE(QDir(fx->ruta(QString()))
                     .entryList(QDir::Files | QDir::NoDotAndDotDot)
                     .filter(QStringLiteral("week")),
                 QStringList{QStringLiteral("week.csv")});

        // A device that takes nothing: the system's reason, not Qt's "Unknown error".
        QFile lleno(QStringLiteral("/dev/full"));
        QVERIFY(lleno.open(QIODevice::WriteOnly));
        QVERIFY(!almacen::escribirEntero(lleno, QByteArray(100, 'x'), &fallo));
        QCOMPARE(fallo, QString::fromLocal8Bit(std::strerror(ENOSPC)));
    }

    // Writes that stop short, as on a disk filling up (without root: the
    // largest file this process may write): nothing is left, and the reason
    // is the system's. Small files go through Qt's buffer, large ones not.
    void escrituraCortada_data()
    {
        QTest::addColumn<int>("limite");
        QTest::addColumn<QList<int>>("tamanos");
        QTest::newRow("nothing fits, small file") << 0 << QList<int>{100};
        QTest::newRow("half fits, large file") << 20000 << QList<int>{40000};
        QTest::newRow("all but the end fits") << 40000 << QList<int>{40001};
        QTest::newRow("the first of two fits") << 5000 << QList<int>{100, 8000};
    }
    void escrituraCortada()
    {
        QFETCH(int, limite);
        QFETCH(QList<int>, tamanos);
        QList<QPair<QString, QByteArray>> archivos;
        for (int i = 0; i < tamanos.size(); ++i)
            archivos << qMakePair(fx->ruta(QStringLiteral("week-%1.csv").arg(i)),
                                  QByteArray(tamanos.at(i), 'x'));
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit antes;
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &antes), 0);
        rlimit corto = antes;
        corto.rlim_cur = rlim_t(limite);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &corto), 0);
        QString fallido;
        QString fallo;
        const bool escrito =
            tamanos.size() == 1
                ? escribirArchivo(archivos.first().first, archivos.first().second, &fallo)
                : almacen::guardarArchivos(archivos, &fallido, &fallo);
        ::setrlimit(RLIMIT_FSIZE, &antes);
        std::signal(SIGXFSZ, SIG_DFL);
        QVERIFY(!escrito);
        QCOMPARE(fallo, QString::fromLocal8Bit(std::strerror(EFBIG)));
        if (tamanos.size() > 1)
            QCOMPARE(fallido, archivos.last().first);
        QCOMPARE(QDir(fx->ruta(QString()))
                     .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)
                     .filter(QStringLiteral("week")),
                 QStringList());
    }
};

QTEST_GUILESS_MAIN(TstInforme)
#include "tst_informe.moc"
