// Moving a user's data from the file of an earlier release to the database
// this release delivers: the files of earlier releases are made here from the
// delivered one, by taking away what those releases did not have.

#include "catalogue/catalogo.h"
#include "storage/actualizacion.h"
#include "storage/basedatos.h"
#include "storage/esquema.h"
#include "storage/registro.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QString entregada = QStringLiteral(ALIMETRA_ENTREGADA);

// Runs statements on a file through a connection of its own; the first that
// fails is returned ("" when all ran).
QString ejecutarEn(const QString& ruta, const QStringList& sentencias)
{
    QString fallida;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("t"));
        db.setDatabaseName(ruta);
        if (!db.open())
            fallida = ruta;
        QSqlQuery q(db);
        for (const QString& s : sentencias)
            if (fallida.isEmpty() && !q.exec(s))
                fallida = s + QStringLiteral(": ") + q.lastError().text();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("t"));
    return fallida;
}

QList<QVariantList> filasDe(const QString& ruta, const QString& sentencia)
{
    QList<QVariantList> filas;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("t"));
        db.setDatabaseName(ruta);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.open();
        QSqlQuery q(db);
        if (q.exec(sentencia))
            while (q.next()) {
                QVariantList f;
                for (int i = 0; i < q.record().count(); ++i)
                    f << q.value(i);
                filas << f;
            }
        else
            filas << QVariantList{q.lastError().text()};
    }
    QSqlDatabase::removeDatabase(QStringLiteral("t"));
    return filas;
}

QVariant valorDe(const QString& ruta, const QString& sentencia)
{
    const auto filas = filasDe(ruta, sentencia);
    return filas.isEmpty() || filas.first().isEmpty() ? QVariant() : filas.first().first();
}

QByteArray contenido(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The user's rows of a file, to compare before and after.
QList<QVariantList> datosDelUsuario(const QString& ruta)
{
    return filasDe(ruta, QStringLiteral("select id, name, last, age, gender, weight from profiles "
                                        "order by id")) +
           filasDe(ruta, QStringLiteral("select id, prof_id, food_id, intake from saves order by "
                                        "id"));
}

enum class Entrega { Primera, Anterior, VersionUno };

// The file of an earlier release, with a user's data in it: three profiles
// (the second the current one), intakes, an edited reference value, and an
// intake of a food the food table of this release does not have.
void hacerArchivo(const QString& ruta, Entrega entrega)
{
    QFile::remove(ruta);
    QVERIFY(QFile::copy(entregada, ruta));
    QFile::setPermissions(ruta, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    QStringList s = {
        "drop table own_foods", "drop table own_ingredients", "drop table own_unknown",
        "delete from groups where id='9900'", "pragma user_version=1", "delete from profiles",
        "insert into profiles (id, name, last, age, gender, weight) values (1, 'Ana', 0, 4, 1, "
        "60), (5, 'Bruno', 1, 5, 0, 82), (9, 'Carla', 0, null, null, null)",
        "insert into saves (id, prof_id, food_id, intake) values (3, 1, 1001, 70), (4, 5, 1077, "
        "1708), (8, 5, 11124, 350), (12, 9, 9003, 0)",
        "update DRIs set males4=1111 where key='Calcium_Ca'",
        // A food an earlier food table had, and an intake of it.
        "insert into total (id, description, group_id, Energy, Protein) values (99001, 'Old "
        "pudding, withdrawn', '1900', 120, 2.5)",
        "insert into saves (id, prof_id, food_id, intake) values (20, 5, 99001, 200)"};
    if (entrega != Entrega::VersionUno)
        s += {"drop table DRIs_delivered", "drop table ULs_delivered", "drop table EARs_delivered",
              "drop table EARs",           "drop table about",         "drop table withdrawn",
              "pragma user_version=0"};
    if (entrega == Entrega::Primera)
        s += {"drop table measures", "drop table ULs", "alter table total drop column Retinol",
              // The groups and a beef value before USDA's corrections.
              "update total set group_id='0100' where id in (1077, 11124)",
              "update total set Energy=Energy+50 where id=13047"};
    else
        s << "update ULs set males4=3333 where key='Calcium_Ca'";
    QCOMPARE(ejecutarEn(ruta, s), QString());
}

} // namespace

class PruebaActualizacion : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString ruta(const QString& nombre) const { return m_dir.filePath(nombre); }

    // Compares, through one connection with the delivered file attached,
    // what should have stayed as it was delivered.
    void comprobarEntregadas(const QString& base)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("c"));
        db.setDatabaseName(base);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("attach '%1' as d").arg(entregada)));
        const auto cuenta = [&q](const QString& s) {
            return q.exec(s) && q.next() ? q.value(0).toInt() : -1;
        };
        for (const QString& t :
             {QStringLiteral("groups"), QStringLiteral("measures"), QStringLiteral("ULs_delivered"),
              QStringLiteral("DRIs_delivered"), QStringLiteral("EARs_delivered"),
              QStringLiteral("EARs"), QStringLiteral("about")})
            QCOMPARE(cuenta(QStringLiteral("select count(*) from (select * from main.%1 except "
                                           "select * from d.%1 union all select * from d.%1 "
                                           "except select * from main.%1)")
                                .arg(t)),
                     0);
        // The food table is the delivered one, with the withdrawn food.
        QCOMPARE(cuenta(QStringLiteral("select count(*) from (select * from d.total except select "
                                       "* from main.total)")),
                 0);
        QCOMPARE(cuenta(QStringLiteral("select count(*) from main.total where id not in (select "
                                       "id from d.total)")),
                 1);
        QCOMPARE(cuenta(QStringLiteral("select count(*) from main.withdrawn where id=99001")), 1);
        QCOMPARE(cuenta(QStringLiteral("pragma main.user_version")), almacen::versionBase);
        QVERIFY(q.exec(QStringLiteral("pragma main.integrity_check")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
        q.finish();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("c"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo::exists(entregada),
                 qPrintable(QStringLiteral("no delivered database at ") + entregada));
        QVERIFY(QDir::setCurrent(m_dir.path()));
        abrirLog(ruta(QStringLiteral("errors.log")));
    }

    void cleanup() { almacen::cerrarBase(); }

    // Every user row, the current profile and the edited values arrive; the
    // rest is the delivered database; the old file stays beside it as it
    // was; a second start finds nothing to do.
    void actualizaCadaEntrega_data()
    {
        QTest::addColumn<int>("entrega");
        QTest::newRow("first release (no measures, no upper limits, old groups)")
            << int(Entrega::Primera);
        QTest::newRow("release before (no version)") << int(Entrega::Anterior);
        QTest::newRow("version 1 (no own foods)") << int(Entrega::VersionUno);
    }
    void actualizaCadaEntrega()
    {
        QFETCH(int, entrega);
        const QString base = ruta(QStringLiteral("sr18.mdb"));
        hacerArchivo(base, Entrega(entrega));
        const QByteArray antes = contenido(base);
        const auto usuario = datosDelUsuario(base);
        QVERIFY(almacen::haceFaltaActualizar(base, entregada));

        QString fallo;
        const auto hecha = almacen::actualizar(base, entregada, QStringLiteral("9.9"), &fallo);
        QVERIFY2(hecha, qPrintable(fallo));
        QCOMPARE(hecha->perfiles, 3);
        QCOMPARE(hecha->ingestas, 5);
        QCOMPARE(hecha->editados, Entrega(entrega) == Entrega::Primera ? 1 : 2);
        QCOMPARE(hecha->retirados, 1);
        QCOMPARE(hecha->anterior, QFileInfo(base).canonicalFilePath() + ".before-9.9");
        QCOMPARE(contenido(hecha->anterior), antes);
        QVERIFY(!almacen::baseAbierta());

        QCOMPARE(datosDelUsuario(base), usuario);
        comprobarEntregadas(base);
        QCOMPARE(valorDe(base, "select (select count(*) from own_foods) + (select count(*) from "
                               "own_ingredients) + (select count(*) from own_unknown)")
                     .toString(),
                 QStringLiteral("0"));
        QCOMPARE(almacen::textoActualizacion(*hecha),
                 QStringLiteral("Your data moved to the new food table: 3 profiles, 5 intakes, %1 "
                                "(1 food the table no longer has kept for your intakes, marked "
                                "withdrawn)")
                     .arg(Entrega(entrega) == Entrega::Primera
                              ? QStringLiteral("1 edited reference value")
                              : QStringLiteral("2 edited reference values")));
        QCOMPARE(valorDe(base, "select males4 from DRIs where key='Calcium_Ca'").toDouble(), 1111.);
        QCOMPARE(valorDe(base, "select count(*) from (select * from DRIs except select * from "
                               "DRIs_delivered)")
                     .toInt(),
                 1);
        QCOMPARE(valorDe(base, "select males4 from ULs where key='Calcium_Ca'").toDouble(),
                 Entrega(entrega) == Entrega::Primera ? 2500. : 3333.);
        QCOMPARE(QFileInfo(base).permissions() & 0x7777,
                 QFileInfo(hecha->anterior).permissions() & 0x7777);
        QVERIFY(QDir(m_dir.path())
                    .entryList({".sr18.mdb.upgrade-*"}, QDir::Hidden | QDir::Files)
                    .isEmpty());

        // Nothing to do the second time.
        QVERIFY(!almacen::haceFaltaActualizar(base, entregada));
        QFile::remove(hecha->anterior);
    }

    // Own foods, their measures, a recipe of an own food and a USDA food
    // with a value it knows only in part, and intakes of both, move to a
    // delivered file of other values as they were, ids kept.
    void propiosIntactos()
    {
        const QString base = ruta(QStringLiteral("propios.mdb"));
        QFile::remove(base);
        QVERIFY(QFile::copy(entregada, base));
        QFile::setPermissions(base, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(
            ejecutarEn(
                base,
                {"update about set value='other' where key='content_hash'",
                 "insert into total (id, description, group_id, Energy, Protein) values "
                 "(1000000001, 'Granola, homemade', '9900', 450, 10), (1000000002, 'Breakfast "
                 "bowl', '0800', 210, null)",
                 "insert into own_foods (id, kind, cooked_weight, servings) values (1000000001, "
                 "0, null, null), (1000000002, 1, 350, 2)",
                 "insert into measures (id, food_id, seq, amount, name, grams) values (900001, "
                 "1000000001, 1, 1, 'cup', 120)",
                 "insert into own_ingredients (id, recipe_id, seq, food_id, grams, measure) "
                 "values (7, 1000000002, 1, 1000000001, 120, '1 cup'), (8, 1000000002, 2, 1077, "
                 "244, null)",
                 "insert into own_unknown (food_id, nutrient, ingredients) values (1000000002, "
                 "'Protein', 1)",
                 "insert into saves (id, prof_id, food_id, intake) values (30, 1, 1000000001, "
                 "60), (31, 1, 1000000002, 300)"}),
            QString());
        const auto propias = [](const QString& archivo) {
            QList<QVariantList> f;
            for (const char* s :
                 {"select * from total where id >= 1000000000 order by id",
                  "select * from own_foods order by id",
                  "select * from measures where food_id >= 1000000000 order by id",
                  "select * from own_ingredients order by id", "select * from own_unknown",
                  "select id, prof_id, food_id, intake from saves order by id"})
                f += filasDe(archivo, QLatin1String(s));
            return f;
        };
        const auto antes = propias(base);
        QCOMPARE(antes.size(), 10);
        QVERIFY(almacen::haceFaltaActualizar(base, entregada));
        QString fallo;
        const auto hecha = almacen::actualizar(base, entregada, QStringLiteral("9.9"), &fallo);
        QVERIFY2(hecha, qPrintable(fallo));
        QCOMPARE(propias(base), antes);
        QCOMPARE(hecha->propios, 2);
        QCOMPARE(valorDe(base, "select count(*) from withdrawn").toInt(), 0);
        QVERIFY(almacen::textoActualizacion(*hecha).endsWith(
            QLatin1String("2 intakes, 0 edited reference values, 2 own foods")));
    }

    // A restore into the new file takes the same path: the file's edited
    // values arrive, a value edited here and not in the file goes back to
    // the delivered one; the withdrawn food counts for the week but is no
    // longer offered by the search or the ranking.
    void restaurarYRetirados()
    {
        const QString base = ruta(QStringLiteral("sr18.mdb"));
        hacerArchivo(base, Entrega::Anterior);
        const QString respaldo = ruta(QStringLiteral("backup.mdb"));
        QFile::remove(respaldo);
        QVERIFY(QFile::copy(base, respaldo));
        QString fallo;
        QVERIFY2(almacen::actualizar(base, entregada, QStringLiteral("9.9"), &fallo),
                 qPrintable(fallo));
        QCOMPARE(almacen::abrirBase(base), QString());
        QVERIFY(almacen::ejecutarSQL("update DRIs set males5=5, males4=4 where key='Calcium_Ca'"));
        const auto r = almacen::leerRespaldo(respaldo, &fallo);
        QVERIFY2(r, qPrintable(fallo));
        QCOMPARE(r->editados, 2);
        QCOMPARE(r->retirados.size(), 0); // the open file carries it already
        QVERIFY2(almacen::restaurar(*r, &fallo), qPrintable(fallo));
        const auto celda = [](const char* tabla, const char* grupo) {
            return almacen::consultar(
                       QStringLiteral("select %1 from %2 where key='Calcium_Ca'").arg(grupo, tabla))
                .filas.value(0)
                .value(0)
                .toDouble();
        };
        QCOMPARE(celda("DRIs", "males4"), 1111.);
        QCOMPARE(celda("DRIs", "males5"), celda("DRIs_delivered", "males5"));
        QCOMPARE(celda("ULs", "males4"), 3333.);

        QCOMPARE(
            catalogo::alimentos(QStringLiteral("1900"), catalogo::terminos("pudding, withdrawn"))
                .filas,
            QList<QVariantList>());
        QVERIFY(catalogo::grupos(catalogo::terminos("withdrawn")).filas.isEmpty());
        const auto ranking =
            catalogo::listadoOrdenado(QStringLiteral("Energy"), QStringLiteral("1900"));
        QVERIFY(ranking.ok);
        for (const QVariantList& f : ranking.filas)
            QVERIFY(f.at(0).toLongLong() != 99001);
        QCOMPARE(almacen::consultar("select count(*) from saves s join total t on t.id=s.food_id "
                                    "where t.id=99001")
                     .filas.value(0)
                     .value(0)
                     .toInt(),
                 1);
    }

    // A delivered database rebuilt with other values (same version, another
    // fingerprint) is taken too; a newer working file is left alone; a link
    // stays a link to the file it named.
    void huellaVersionYEnlace()
    {
        const QString otra = ruta(QStringLiteral("otra-entrega.mdb"));
        QFile::remove(otra);
        QVERIFY(QFile::copy(entregada, otra));
        QCOMPARE(ejecutarEn(otra, {"update about set value='other' where key='content_hash'"}),
                 QString());
        QVERIFY(almacen::haceFaltaActualizar(otra, entregada));
        QCOMPARE(
            ejecutarEn(otra,
                       {QStringLiteral("pragma user_version=%1").arg(almacen::versionBase + 1)}),
            QString());
        QVERIFY(!almacen::haceFaltaActualizar(otra, entregada));

        // The same version delivered before a reference table was added:
        // every delivered table counts in the fingerprint.
        for (const char* tabla : {"EARs_delivered", "ULs_delivered", "measures"}) {
            QFile::remove(otra);
            QVERIFY(QFile::copy(entregada, otra));
            QFile::setPermissions(otra, QFile::ReadOwner | QFile::WriteOwner);
            QCOMPARE(ejecutarEn(otra, {QStringLiteral("delete from %1").arg(tabla)}), QString());
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "h");
            db.setDatabaseName(otra);
            QVERIFY(db.open());
            const QString huella = almacen::huellaContenido(db);
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("h"));
            QCOMPARE(ejecutarEn(otra, {QStringLiteral("update about set value='%1' where "
                                                      "key='content_hash'")
                                           .arg(huella)}),
                     QString());
            QVERIFY2(almacen::haceFaltaActualizar(otra, entregada), tabla);
        }
        QVERIFY(!almacen::haceFaltaActualizar(entregada, entregada));

        QDir(m_dir.path()).mkpath(QStringLiteral("real"));
        const QString real = ruta(QStringLiteral("real/sr18.mdb"));
        hacerArchivo(real, Entrega::Anterior);
        const QString enlace = ruta(QStringLiteral("enlace.mdb"));
        QFile::remove(enlace);
        QVERIFY(QFile::link(real, enlace));
        QString fallo;
        const auto hecha = almacen::actualizar(enlace, entregada, QStringLiteral("9.9"), &fallo);
        QVERIFY2(hecha, qPrintable(fallo));
        QVERIFY(QFileInfo(enlace).isSymLink());
        QCOMPARE(hecha->anterior, real + ".before-9.9");
        QCOMPARE(valorDe(real, "pragma user_version").toInt(), almacen::versionBase);
    }

    // A file that cannot be read as a database of ours is not moved: it
    // stays as it was, the reason is logged.
    void archivoAjenoQuedaComoEstaba()
    {
        const QString base = ruta(QStringLiteral("ajeno.mdb"));
        QFile f(base);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(4096, 'x'));
        f.close();
        QVERIFY(almacen::haceFaltaActualizar(base, entregada));
        QString fallo;
        QVERIFY(!almacen::actualizar(base, entregada, QStringLiteral("9.9"), &fallo));
        QVERIFY(!fallo.isEmpty());
        QCOMPARE(contenido(base), QByteArray(4096, 'x'));
        QVERIFY(!QFileInfo::exists(base + ".before-9.9"));
        QVERIFY(QDir(m_dir.path())
                    .entryList({".ajeno.mdb.upgrade-*"}, QDir::Hidden | QDir::Files)
                    .isEmpty());
    }

    // The program killed at any moment of an upgrade leaves the old file or
    // the new one, each whole; the next start finishes the work.
    void interrumpidaEnCualquierMomento()
    {
        const QString carpeta = ruta(QStringLiteral("kill"));
        QDir(carpeta).removeRecursively();
        QDir().mkpath(carpeta);
        const QString base = carpeta + QStringLiteral("/sr18.mdb");
        hacerArchivo(base, Entrega::Primera);
        const QByteArray antes = contenido(base);
        const auto usuario = datosDelUsuario(base);
        int viejas = 0;
        int nuevas = 0;
        for (int vuelta = 0; vuelta < 12; ++vuelta) {
            QProcess p;
            p.setWorkingDirectory(carpeta);
            QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
            entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            p.setProcessEnvironment(entorno);
            p.start(QStringLiteral(ALIMETRA_PROGRAMA), {"--delivered", entregada});
            QVERIFY(p.waitForStarted());
            QTest::qSleep(10 + QRandomGenerator::global()->bounded(40) + vuelta * 12);
            p.kill();
            p.waitForFinished();
            if (contenido(base) == antes) {
                ++viejas;
            } else {
                ++nuevas;
                QCOMPARE(valorDe(base, "pragma integrity_check").toString(), QStringLiteral("ok"));
                QCOMPARE(datosDelUsuario(base), usuario);
                // Back to the old file for the next round.
                QFile::remove(base);
                QFile f(base);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(antes);
                f.close();
            }
            for (const QString& n : QDir(carpeta).entryList({"sr18.mdb.before-*"}, QDir::Files))
                QFile::remove(carpeta + QLatin1Char('/') + n);
        }
        qInfo("killed %d times before the swap, %d after", viejas, nuevas);
        QVERIFY(viejas > 0);
        // What an interrupted upgrade left goes with the next one.
        QString fallo;
        QVERIFY2(almacen::actualizar(base, entregada, QStringLiteral("9.9"), &fallo),
                 qPrintable(fallo));
        QCOMPARE(QDir(carpeta).entryList({".sr18.mdb.upgrade-*"}, QDir::Hidden | QDir::Files),
                 QStringList());
        QCOMPARE(datosDelUsuario(base), usuario);
    }
};

QTEST_GUILESS_MAIN(PruebaActualizacion)
#include "tst_actualizacion.moc"
