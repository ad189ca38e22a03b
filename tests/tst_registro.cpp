// The error log and the statement executor: entry layout, appending, the
// three outcomes of ejecutarSQL, and a log that cannot be opened.

#include "apoyo/fixture.h"
#include "storage/basedatos.h"
#include "storage/registro.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

class TstRegistro : public QObject
{
    Q_OBJECT

private slots:
    void init() { QApplication::restoreOverrideCursor(); }
    void cleanup()
    {
        cerrarLog();
        almacen::cerrarBase();
    }

    void entradaTieneLaFormaFijada()
    {
        Fixture fx(false);
        abrirLog();
        escribirLog(QStringLiteral("prueba() -> first line\r\nsecond line"));
        cerrarLog();

        const QString log = fx.log();
        const QString regla = QString(92, QLatin1Char('-'));
        const QRegularExpression forma(
            QStringLiteral("^[^\r\n]+ - \\d\\d:\\d\\d:\\d\\d\r\n\r\nprueba\\(\\) -> first "
                           "line\r\nsecond line\r\n\r\n"
                           "-{92}\r\n\r\n$"));
        QVERIFY2(forma.match(log).hasMatch(), qPrintable(log));
        QVERIFY(!log.contains(QString(93, QLatin1Char('-'))));
        QVERIFY(log.contains(regla));
    }

    void entradasSeAnadenDetrasDeLasAnteriores()
    {
        Fixture fx(false);
        {
            QFile f(fx.ruta(QStringLiteral("errors.log")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old content\r\n");
        }
        abrirLog();
        escribirLog(QStringLiteral("one"));
        escribirLog(QStringLiteral("two"));
        cerrarLog();
        const QString log = fx.log();
        QVERIFY(log.startsWith(QLatin1String("old content\r\n")));
        QVERIFY(log.indexOf(QLatin1String("one")) < log.indexOf(QLatin1String("two")));
        QCOMPARE(fx.entradasLog(), 2);
    }

    void logQueNoSePuedeAbrirNoMolesta()
    {
        Fixture fx(false);
        // A directory in the log's place cannot be opened as a file.
        QVERIFY(QDir().mkdir(fx.ruta(QStringLiteral("errors.log"))));
        abrirLog();
        escribirLog(QStringLiteral("lost"));
        cerrarLog();
        escribirLog(QStringLiteral("after closing"));
        QVERIFY(QFileInfo(fx.ruta(QStringLiteral("errors.log"))).isDir());
    }

    void ejecutarSQL_data()
    {
        QTest::addColumn<QString>("sentencia");
        QTest::addColumn<int>("filas");
        QTest::addColumn<bool>("registrado");
        QTest::newRow("one row changed")
            << QStringLiteral("update profiles set name='Ana' where last=true") << 1 << false;
        QTest::newRow("no row matches")
            << QStringLiteral("update saves set intake=5 where food_id=1 and prof_id=1") << 0
            << false;
        QTest::newRow("several rows")
            << QStringLiteral("update DRIs set infants1=1 where icon='general'") << 6 << false;
        QTest::newRow("refused statement")
            << QStringLiteral("update profiles set nocolumn=1") << 0 << true;
        QTest::newRow("refused value")
            << QStringLiteral("insert into saves (prof_id, food_id, intake) values (1, 1, 'x')")
            << 0 << true;
    }

    void ejecutarSQL()
    {
        QFETCH(QString, sentencia);
        QFETCH(int, filas);
        QFETCH(bool, registrado);
        Fixture fx;
        abrirLog();
        QCOMPARE(almacen::abrirBase(), QString());

        QCOMPARE(almacen::ejecutarSQL(sentencia), filas);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        cerrarLog();
        QCOMPARE(fx.entradasLog(), registrado ? 1 : 0);
        if (registrado) {
            // The description comes first, untagged; the statement ends the message.
            const QString mensaje = fx.log().section(QStringLiteral("\r\n\r\n"), 1, 2);
            QVERIFY2(mensaje.endsWith(QLatin1Char('"') + sentencia + QLatin1Char('"')),
                     qPrintable(mensaje));
            QVERIFY(!mensaje.startsWith(QLatin1Char('"')));
        }
    }

    void valoresEnlazadosNoSeInterpretan()
    {
        Fixture fx;
        QCOMPARE(almacen::abrirBase(), QString());
        const QString nombre = QStringLiteral("O'Brien'); drop table saves; --");
        QCOMPARE(almacen::ejecutarSQL(QStringLiteral("update profiles set name=? where last=true"),
                                      {nombre}),
                 1);
        QCOMPARE(fx.valor(QStringLiteral("select name from profiles")).toString(), nombre);
        QCOMPARE(fx.valor(QStringLiteral("select count(*) from saves")).toInt(), 0);
    }

    void fallosMuestranLosValoresEnlazados()
    {
        Fixture fx;
        abrirLog();
        QCOMPARE(almacen::abrirBase(), QString());
        QCOMPARE(almacen::ejecutarSQL(
                     QStringLiteral("update profiles set nocolumn=?, name=? where id=? and "
                                    "name<>'?'"),
                     {QVariant(), QStringLiteral("O'Brien"), 7}),
                 0);
        cerrarLog();
        QVERIFY2(fx.log().contains(QStringLiteral(
                     "\"update profiles set nocolumn=null, name='O''Brien' where id=7 and "
                     "name<>'?'\"")),
                 qPrintable(fx.log()));
    }

    void transaccionSinConfirmarSeDeshace()
    {
        Fixture fx;
        QCOMPARE(almacen::abrirBase(), QString());
        {
            almacen::Transaccion t;
            QVERIFY(t.iniciada());
            almacen::ejecutarSQL(QStringLiteral("delete from profiles"));
        }
        QCOMPARE(fx.valor(QStringLiteral("select count(*) from profiles")).toInt(), 1);
        {
            almacen::Transaccion t;
            almacen::ejecutarSQL(QStringLiteral("delete from profiles"));
            QVERIFY(t.confirmar());
        }
        QCOMPARE(fx.valor(QStringLiteral("select count(*) from profiles")).toInt(), 0);
    }

    void identificadores_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("compuesto");
        QTest::newRow("plain") << "Protein"
                               << "\"Protein\"";
        QTest::newRow("underscores") << "Vitamin_A_RAE"
                                     << "\"Vitamin_A_RAE\"";
        QTest::newRow("quote") << "Pro\"tein"
                               << "";
        QTest::newRow("statement") << "Protein from total; --"
                                   << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("leading digit") << "1Protein"
                                       << "";
    }

    void identificadores()
    {
        QFETCH(QString, nombre);
        QFETCH(QString, compuesto);
        QCOMPARE(almacen::identificador(nombre), compuesto);
    }
};

QTEST_MAIN(TstRegistro)
#include "tst_registro.moc"
