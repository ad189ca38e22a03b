// Tests of the database builder: its readers one by one, a whole build from a
// small archive made here, the failures, and (when ALIMETRA_DB names it) the
// delivered file itself.

#include "alimentos.h"
#include "construirbase.h"
#include "limites.h"
#include "referencias.h"
#include "storage/esquema.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

#include <zip.h>

using namespace construccion;

namespace {

const QString drisProyecto = QStringLiteral(ALIMETRA_DRIS_CSV);
const QString limitesProyecto = QStringLiteral(ALIMETRA_ULS_CSV);
const QString earsProyecto = QStringLiteral(ALIMETRA_EARS_CSV);

// Every food has the measure "pat" and then `medidas` ("amount name grams; ...").
QByteArray xmlAlimento(const QString& uid, const QString& nombre,
                       const QList<QPair<QString, QString>>& cantidades,
                       const QStringList& medidas = {})
{
    QByteArray xml =
        QStringLiteral("<food uid=\"%1\" fcf=\"4.0\" pcf=\"4.0\" name=\"%2\" ccf=\"4.0\">"
                       "<measure amount=\"1.0\" name=\"pat (1&quot; sq)\" grams=\"5.0\"/>")
            .arg(uid, nombre)
            .toUtf8();
    for (const QString& m : medidas) {
        const QStringList p = m.split(QLatin1Char('|'));
        xml += QStringLiteral("<measure amount=\"%1\" name=\"%2\" grams=\"%3\"/>")
                   .arg(p[0], p[1], p[2])
                   .toUtf8();
    }
    for (const auto& c : cantidades)
        xml +=
            QStringLiteral("<nutrient amount=\"%1\" name=\"%2\"/>").arg(c.second, c.first).toUtf8();
    return xml + "</food>";
}

// The entries of the small archive the builds read; tests change them to
// make one thing wrong.
QMap<QString, QByteArray> entradasBase()
{
    QMap<QString, QByteArray> e;
    e["usda_sr24/foods.index"] = "01001|Butter, salted\r\n"
                                 "11124|Carrots, raw\r\n"
                                 "19411|Snacks, potato chips, plain, salted\r\n"
                                 "23999|Beef, ground beef calculator\r\n"
                                 "42150|Babyfood, apple yogurt dessert, strained\r\n";
    e["usda_sr24/deprecated.index"] = "03266|BABYFOOD,JUC,APPL GRAPE\r\n"
                                      "01001|BUTTER,WITH SALT\r\n"
                                      "03266|BABYFOOD,JUC,APPL GRAPE\r\n";
    e["usda_sr24/01001.xml"] = xmlAlimento("01001", "Butter, salted",
                                           {{"Energy", "717.0"},
                                            {"Protein", "0.85"},
                                            {"Fat", "81.11"},
                                            {"Sodium", "714.0"},
                                            {"LEU", "0.083"},
                                            {"Retinol", "671.0"},
                                            {"Beta-carotene", "158.0"},
                                            {"Alpha-carotene", "0.0"},
                                            {"Beta-cryptoxanthin", "0.0"},
                                            {"Lycopene", "0.0"}});
    e["usda_sr24/11124.xml"] = xmlAlimento("11124", "Carrots, raw",
                                           {{"Energy", "41.0"},
                                            {"Protein", "0.93"},
                                            {"Retinol", "0.0"},
                                            {"Alpha-carotene", "3477.0"},
                                            {"Beta-carotene", "8285.0"},
                                            {"Beta-cryptoxanthin", "0.0"}},
                                           {"1.0|cup, chopped|128.0", "0.5|cup, chopped|64.0",
                                            "1.0|jar|170.0", "3.0|oz|85.0", "1.0|jar|170.0"});
    e["usda_sr24/19411.xml"] =
        xmlAlimento("19411", "Snacks, potato chips, plain, salted", {{"Energy", "536.0"}});
    e["usda_sr24/23999.xml"] = "<food uid=\"23999\" fcf=\"9.0\" pcf=\"4.0\" "
                               "name=\"Beef, ground beef calculator\" ccf=\"4.0\"/>";
    e["usda_sr24/42150.xml"] =
        xmlAlimento("42150", "Babyfood, apple yogurt dessert, strained",
                    {{"Energy", "92.0"}, {"Fat", "1.5"}, {"Beta-carotene", "24.0"}});
    e["usda_sr24/03266.xml"] = xmlAlimento("03266", "Babyfood, juice", {{"Energy", "47.0"}});
    return e;
}

// USDA's published files for that archive: a snack the number would put in
// Sweets, RAE for two foods only (the babyfood's carotene gives it none), and
// corrections that set a value, clear one and name a column `total` lacks.
QMap<QString, QByteArray> publicadosBase()
{
    return {
        {"groups.csv",
         "ndb,group_id\n01001,0100\n11124,1100\n19411,2500\n23999,1300\n42150,0300\n"},
        {"rae.csv", "ndb,Vitamin_A_RAE\n01001,684\n11124,835\n"},
        {"corrections.csv",
         "ndb,key,value,source\n23999,Energy,170,SR24 ABBREV.txt\n"
         "11124,Protein,,SR24 ABBREV.txt\n11124,Moonbeams,1,SR28 NUT_DATA.txt\n"},
    };
}

bool escribirZip(const QString& ruta, const QMap<QString, QByteArray>& entradas)
{
    int codigo = 0;
    zip_t* z = zip_open(QFile::encodeName(ruta).constData(), ZIP_CREATE | ZIP_TRUNCATE, &codigo);
    if (!z)
        return false;
    for (auto it = entradas.cbegin(); it != entradas.cend(); ++it) {
        // libzip reads the buffers when the archive is closed: keep them alive.
        char* copia = static_cast<char*>(malloc(size_t(it.value().size()) + 1));
        memcpy(copia, it.value().constData(), size_t(it.value().size()));
        zip_source_t* fuente = zip_source_buffer(z, copia, zip_uint64_t(it.value().size()), 1);
        if (!fuente ||
            zip_file_add(z, it.key().toUtf8().constData(), fuente, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(fuente);
            zip_discard(z);
            return false;
        }
    }
    return zip_close(z) == 0;
}

QByteArray leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool escribir(const QString& ruta, const QByteArray& contenido)
{
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly) && f.write(contenido) == contenido.size();
}

bool escribirPublicados(const QString& carpeta, const QMap<QString, QByteArray>& archivos)
{
    for (auto it = archivos.cbegin(); it != archivos.cend(); ++it)
        if (!escribir(QDir(carpeta).filePath(it.key()), it.value()))
            return false;
    return true;
}

// A connection to a built file, closed when it goes out of scope.
struct Conexion
{
    explicit Conexion(const QString& ruta) : nombre(QStringLiteral("prueba-%1").arg(++contador))
    {
        QSqlDatabase b = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre);
        b.setDatabaseName(ruta);
        b.open();
    }
    ~Conexion()
    {
        QSqlDatabase::database(nombre, false).close();
        QSqlDatabase::removeDatabase(nombre);
    }
    QSqlDatabase base() const { return QSqlDatabase::database(nombre, false); }
    // The first row of a query, empty when it fails or has none.
    QVariantList fila(const QString& sentencia) const
    {
        QSqlQuery q(base());
        QVariantList valores;
        if (q.exec(sentencia) && q.next())
            for (int i = 0; i < q.record().count(); ++i)
                valores << q.value(i);
        return valores;
    }
    QVariant valor(const QString& sentencia) const { return fila(sentencia).value(0); }
    bool ejecutar(const QString& sentencia) const { return QSqlQuery(base()).exec(sentencia); }
    QStringList columnas(const QString& tabla) const
    {
        QStringList nombres;
        const QSqlRecord r = base().record(tabla);
        for (int i = 0; i < r.count(); ++i)
            nombres << r.fieldName(i);
        return nombres;
    }

    static inline int contador = 0;
    QString nombre;
};

} // namespace

class PruebaConstruirBase : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir carpeta_;
    QString archivo_; // the good archive
    QString salida_;  // the database built from it
    ResumenConstruccion resumen_;

    // The published files are read from `datos`, by default the test's folder.
    OpcionesConstruccion opciones(const QString& archivo, const QString& salida,
                                  const QString& dris = drisProyecto, QString datos = {}) const
    {
        const QDir d(datos.isEmpty() ? carpeta_.path() : datos);
        return OpcionesConstruccion{salida,
                                    QString(),
                                    archivo,
                                    dris,
                                    d.filePath("groups.csv"),
                                    d.filePath("rae.csv"),
                                    d.filePath("corrections.csv"),
                                    limitesProyecto,
                                    earsProyecto};
    }
    // The lines of dris.csv after its header.
    int lineasDris() const { return int(leer(drisProyecto).trimmed().count('\n')); }

private slots:
    void initTestCase()
    {
        QVERIFY(carpeta_.isValid());
        archivo_ = carpeta_.filePath("usda_sr24.jar");
        QVERIFY(escribirZip(archivo_, entradasBase()));
        QVERIFY(escribirPublicados(carpeta_.path(), publicadosBase()));
        salida_ = carpeta_.filePath("base/sr18.mdb");
        QString error;
        QVERIFY2(construirBase(opciones(archivo_, salida_), &resumen_, &error), qPrintable(error));
    }

    void leerCsv_data()
    {
        QTest::addColumn<QByteArray>("texto");
        QTest::addColumn<QList<QStringList>>("esperado");
        QTest::addColumn<QString>("error"); // empty: read succeeds
        QTest::newRow("plain, empty cells, UTF-8")
            << QByteArray("a,b,c\nx,,1,\nFolate,\xc2\xb5g\n")
            << QList<QStringList>{{"a", "b", "c"},
                                  {"x", "", "1", ""},
                                  {"Folate", QString::fromUtf8("\xc2\xb5g")}}
            << QString();
        QTest::newRow("quoted comma, doubled quote, empty, newline")
            << QByteArray("\"Calcium, Ca\",\"say \"\"hi\"\"\",\"\",\"a\nb\"\n")
            << QList<QStringList>{{"Calcium, Ca", "say \"hi\"", "", "a\nb"}} << QString();
        QTest::newRow("CRLF, blank lines, no final newline")
            << QByteArray("a,b\r\n\n\r\nc,d") << QList<QStringList>{{"a", "b"}, {"c", "d"}}
            << QString();
        QTest::newRow("text after quote") << QByteArray("\"a\"b,c\n") << QList<QStringList>()
                                          << "line 1: text after a closing quote";
    }
    void leerCsv()
    {
        QFETCH(QByteArray, texto);
        QFETCH(QList<QStringList>, esperado);
        QFETCH(QString, error);
        QList<QStringList> registros;
        QString leido;
        QCOMPARE(construccion::leerCsv(texto, &registros, &leido), error.isEmpty());
        QCOMPARE(leido, error);
        if (error.isEmpty())
            QCOMPARE(registros, esperado);
    }

    void leerAlimentoMalformado_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("wrong root") << QByteArray("<meal uid=\"01001\"/>") << "not <food>";
        QTest::newRow("amount not a number")
            << QByteArray("<food uid=\"01001\"><nutrient amount=\"lots\" name=\"Energy\"/></food>")
            << "nutrient \"Energy\" has no numeric amount (\"lots\")";
        QTest::newRow("no uid") << QByteArray("<food name=\"x\"/>") << "no numeric uid";
        QTest::newRow("empty") << QByteArray() << "x.xml, line";
        QTest::newRow("measure of no weight")
            << QByteArray("<food uid=\"01001\"><measure amount=\"1.0\" name=\"cup\" "
                          "grams=\"0\"/></food>")
            << "measure \"cup\" needs an amount and grams above 0";
        QTest::newRow("measure of no amount")
            << QByteArray("<food uid=\"01001\"><measure amount=\"\" name=\"cup\" "
                          "grams=\"1\"/></food>")
            << "measure \"cup\" needs";
    }
    void leerAlimentoMalformado()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, mensaje);
        Alimento a;
        QString error;
        QVERIFY(!leerAlimento(xml, "x.xml", &a, &error));
        QVERIFY2(error.contains(mensaje), qPrintable(error));
    }

    void tablasYColumnas()
    {
        Conexion c(salida_);
        QStringList tablas = c.base().tables();
        tablas.removeAll("sqlite_sequence");
        tablas.sort();
        QCOMPARE(tablas, (QStringList{"DRIs", "DRIs_delivered", "EARs", "EARs_delivered", "ULs",
                                      "ULs_delivered", "about", "groups", "measures", "own_foods",
                                      "own_ingredients", "own_unknown", "profiles", "saves",
                                      "total", "withdrawn"}));
        QCOMPARE(c.columnas("EARs"), c.columnas("DRIs"));
        QCOMPARE(c.valor("select count(*) from EARs").toInt(),
                 int(leer(earsProyecto).trimmed().count('\n')));
        QCOMPARE(c.valor("select females4 from EARs where key='Magnesium_Mg'").toDouble(), 265.);
        // The file names its version and what it holds; the delivered
        // reference values are kept apart, equal to those the user will edit.
        QCOMPARE(c.valor("pragma user_version").toInt(), almacen::versionBase);
        QCOMPARE(c.valor("select value from about where key='content_hash'").toString(),
                 almacen::huellaContenido(c.base()));
        QVERIFY(!c.valor("select value from about where key='food_table'").toString().isEmpty());
        for (const char* t : {"DRIs", "ULs", "EARs"})
            QCOMPARE(c.valor(QStringLiteral("select count(*) from (select * from %1 except select "
                                            "* from %1_delivered)")
                                 .arg(QLatin1String(t)))
                         .toInt(),
                     0);
        QCOMPARE(c.columnas("measures"),
                 (QStringList{"id", "food_id", "seq", "amount", "name", "grams"}));
        QCOMPARE(c.valor("select name from sqlite_master where type='index' and tbl_name='measures'"
                         " and sql like '%(food_id)%'")
                     .toString(),
                 QString("measures_food"));
        QCOMPARE(c.columnas("profiles"),
                 (QStringList{"id", "name", "last", "age", "gender", "weight"}));
        QCOMPARE(c.columnas("saves"), (QStringList{"id", "prof_id", "food_id", "intake"}));
        QCOMPARE(c.columnas("groups"), (QStringList{"id", "name"}));
        QCOMPARE(c.columnas("DRIs"),
                 (QStringList{"id", "key", "name", "unit", "sorting", "icon"} + columnasGrupos()));
        // `total`: three fixed columns, then a column for every nutrient key.
        const QStringList total = c.columnas("total");
        QCOMPARE(total.mid(0, 3), (QStringList{"id", "description", "group_id"}));
        QSqlQuery claves(c.base());
        QVERIFY(claves.exec("select key from DRIs where key <> 'Empty'"));
        while (claves.next())
            QVERIFY2(total.contains(claves.value(0).toString()),
                     qPrintable(claves.value(0).toString()));
        // USDA's groups and "My foods"; the tables of own foods come empty.
        QCOMPARE(c.valor("select count(*) from groups").toInt(), 26);
        QCOMPARE(c.valor("select name from groups where id='9900'").toString(),
                 almacen::nombreGrupoPropio);
        QCOMPARE(c.valor("select (select count(*) from own_foods) + (select count(*) from "
                         "own_ingredients) + (select count(*) from own_unknown)")
                     .toInt(),
                 0);
    }

    // One row per food: values as read, NULL where the food's file has none,
    // group and RAE as USDA published them, corrections over the archive's values.
    void alimentos_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("columnas");
        QTest::addColumn<QVariantList>("valores"); // invalid: NULL
        // The carotenoids would give 684.17 and 835.29.
        QTest::newRow("butter: renamed nutrients, kept zero, missing water, USDA's RAE")
            << 1001
            << "description, group_id, Protein, Total_Lipid, Sodium_Na, Leucine, Lycopene, Water, "
               "Vitamin_A_RAE"
            << QVariantList{"Butter, salted", "0100", 0.85, 81.11, 714.0, 0.083, 0.0,
                            QVariant(),       684.0};
        QTest::newRow("carrot: protein cleared by a correction")
            << 11124 << "Energy, Protein, Vitamin_A_RAE" << QVariantList{41.0, QVariant(), 835.0};
        QTest::newRow("snack: group from the file, not the number")
            << 19411 << "group_id, Energy" << QVariantList{"2500", 536.0};
        QTest::newRow("beef: a correction fills a food without nutrients")
            << 23999 << "group_id, Energy, Protein, Vitamin_A_RAE"
            << QVariantList{"1300", 170.0, QVariant(), QVariant()};
        QTest::newRow("babyfood: carotene but no published RAE")
            << 42150 << "group_id, Total_Lipid, Vitamin_A_RAE"
            << QVariantList{"0300", 1.5, QVariant()};
    }
    void alimentos()
    {
        QFETCH(int, id);
        QFETCH(QString, columnas);
        QFETCH(QVariantList, valores);
        Conexion c(salida_);
        const QVariantList fila =
            c.fila(QStringLiteral("select %1 from total where id=%2").arg(columnas).arg(id));
        QCOMPARE(fila.size(), valores.size());
        for (int i = 0; i < fila.size(); ++i) {
            const QVariant& leido = fila[i];
            const QVariant& valor = valores[i];
            if (!valor.isValid())
                QVERIFY2(leido.isNull(), qPrintable(leido.toString()));
            else if (valor.typeId() == QMetaType::Double)
                QVERIFY2(!leido.isNull() && qAbs(leido.toDouble() - valor.toDouble()) < 1e-6,
                         qPrintable(leido.toString()));
            else
                QCOMPARE(leido.toString(), valor.toString());
        }
    }

    // In the file's order, entities decoded, the identical jar once, the same
    // name with another amount kept; a food without measures has none.
    void medidas_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("medidas"); // seq:amount name grams, in seq order
        QTest::newRow("butter: one measure, entity decoded") << 1001 << "1:1 pat (1\" sq) 5";
        QTest::newRow("carrot: order kept, duplicate dropped")
            << 11124
            << "1:1 pat (1\" sq) 5|2:1 cup, chopped 128|3:0.5 cup, chopped 64|4:1 jar 170|"
               "5:3 oz 85";
        QTest::newRow("beef calculator: none") << 23999 << "";
    }
    void medidas()
    {
        QFETCH(int, id);
        QFETCH(QString, medidas);
        Conexion c(salida_);
        QSqlQuery q(c.base());
        QVERIFY(q.exec(QStringLiteral("select seq || ':' || amount || ' ' || name || ' ' || grams"
                                      " from measures where food_id=%1 order by id")
                           .arg(id)));
        QStringList leidas;
        while (q.next())
            leidas << q.value(0).toString().replace(".0 ", " ").remove(QRegularExpression("\\.0$"));
        QCOMPARE(leidas.join('|'), medidas);
    }

    void soloAlimentosActuales()
    {
        Conexion c(salida_);
        QCOMPARE(c.valor("select count(*) from total").toInt(), 5);
        QCOMPARE(c.valor("select count(*) from total where id=3266").toInt(), 0);
        QCOMPARE(resumen_.alimentos, 5);
        QCOMPARE(resumen_.retirados, 1);
        QCOMPARE(resumen_.conRae, 2);
        QCOMPARE(resumen_.corregidos, 2); // the unknown column is skipped
        QCOMPARE(resumen_.medidas, 8);
        QCOMPARE(c.valor("select count(*) from measures").toInt(), 8);
        QCOMPARE(c.valor("select count(*) from total where group_id not in (select id from groups)")
                     .toInt(),
                 0);
    }

    void referencias()
    {
        Conexion c(salida_);
        QCOMPARE(c.valor("select count(*) from DRIs").toInt(), lineasDris() + 1);
        QCOMPARE(resumen_.filasReferencia, lineasDris() + 1);
        // An empty cell is NULL, a filled one its number.
        QVERIFY(c.valor("select infants1 from DRIs where key='Sugars_total'").isNull());
        QCOMPARE(c.valor("select children1 from DRIs where key='Sugars_total'").toDouble(), 10.0);
        QCOMPARE(c.valor("select key from DRIs where key <> 'Empty' order by sorting").toString(),
                 QString("Energy"));
        // The placeholder comes last and holds nothing.
        const QVariantList vacia =
            c.fila("select key, name, unit, icon, sorting = (select max(sorting) from DRIs),"
                   " sorting > (select max(sorting) from DRIs where key <> 'Empty')"
                   " from DRIs where key='Empty'");
        QCOMPARE(vacia, (QVariantList{"Empty", "Empty", "", "", 1, 1}));
        QCOMPARE(c.valor("select count(*) from DRIs where key='Empty' and coalesce(" +
                         columnasGrupos().join(",") + ") is null")
                     .toInt(),
                 1);
    }

    // The upper limits: the rows of uls.csv with the columns of `DRIs`, no
    // placeholder, and the intake each applies to.
    void limites_data()
    {
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("aplica");
        QTest::addColumn<QVariant>("males3"); // invalid: NULL
        QTest::newRow("vitamin A on retinol") << "Vitamin_A_RAE"
                                              << "retinol" << QVariant(3000.0);
        QTest::newRow("magnesium from supplements") << "Magnesium_Mg"
                                                    << "supplements" << QVariant(350.0);
        QTest::newRow("folate from supplements") << "Folate_total"
                                                 << "supplements" << QVariant(1000.0);
        QTest::newRow("sodium's CDRR") << "Sodium_Na"
                                       << "cdrr" << QVariant(2300.0);
        QTest::newRow("calcium, total intake") << "Calcium_Ca"
                                               << "total" << QVariant(2500.0);
        QTest::newRow("protein: no limit") << "Protein"
                                           << "total" << QVariant();
    }
    void limites()
    {
        QFETCH(QString, clave);
        QFETCH(QString, aplica);
        QFETCH(QVariant, males3);
        Conexion c(salida_);
        QCOMPARE(c.columnas("ULs"), c.columnas("DRIs") + QStringList{"applies"});
        QCOMPARE(c.valor("select count(*) from ULs").toInt(),
                 int(leer(limitesProyecto).trimmed().count('\n')));
        QCOMPARE(c.valor("select count(*) from ULs where key='Empty'").toInt(), 0);
        QCOMPARE(resumen_.filasLimite, c.valor("select count(*) from ULs").toInt());
        const QVariantList fila =
            c.fila(QStringLiteral("select applies, males3 from ULs where key='%1'").arg(clave));
        QCOMPARE(fila.value(0).toString(), aplica);
        QCOMPARE(fila.value(1).isNull(), !males3.isValid());
        QCOMPARE(fila.value(1).toDouble(), males3.toDouble());
        // The table refuses an `applies` it does not know.
        QVERIFY(!c.ejecutar("update ULs set applies='food' where key='Calcium_Ca'"));
    }

    void perfilesYConsumos()
    {
        Conexion c(salida_);
        // One starter profile, current, with null personal data.
        QCOMPARE(
            c.fila(
                "select count(*), id, name, last, age is null and gender is null and weight is null"
                " from profiles"),
            (QVariantList{1, 1, "My profile", 1, 1}));
        // Intakes are whole numbers >= 0, one per profile and food.
        QVERIFY(c.ejecutar("insert into saves (prof_id, food_id, intake) values (1, 1001, 700)"));
        QVERIFY(c.ejecutar("insert into saves (prof_id, food_id, intake) values (1, 11124, 0)"));
        for (const char* mala :
             {"1001, 5", "42150, -1", "42150, 'abc'", "42150, 2.5", "42150, null"})
            QVERIFY2(!c.ejecutar(QStringLiteral(
                                     "insert into saves (prof_id, food_id, intake) values (1, %1)")
                                     .arg(QLatin1String(mala))),
                     mala);
    }

    void mismoContenido()
    {
        const QString otra = carpeta_.filePath("otra.mdb");
        ResumenConstruccion r;
        QString error;
        QVERIFY2(construirBase(opciones(archivo_, otra), &r, &error), qPrintable(error));
        // The first build's file was written to by the previous test; build afresh.
        const QString primera = carpeta_.filePath("primera.mdb");
        QVERIFY2(construirBase(opciones(archivo_, primera), &r, &error), qPrintable(error));
        QCOMPARE(leer(otra), leer(primera));
        QCOMPARE(r.bytes, QFileInfo(primera).size());
    }

    void fallos_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("missing archive") << "sin-archivo"
                                         << "nothing.jar does not exist";
        QTest::newRow("not a zip") << "no-zip"
                                   << "cannot open the archive";
        QTest::newRow("malformed XML") << "xml-roto"
                                       << "usda_sr24/11124.xml, line 1, column";
        QTest::newRow("food without file") << "sin-xml"
                                           << "the archive has no entry usda_sr24/11124.xml";
        QTest::newRow("file of another food") << "otro-uid"
                                              << "describes food 1001, not 11124";
        QTest::newRow("bad index line") << "indice-roto"
                                        << "foods.index, line 2: expected \"NNNNN|description\"";
        QTest::newRow("food without group") << "sin-grupo"
                                            << "groups.csv and foods.index disagree on the foods; "
                                               "foods of foods.index without a group: 1 (43999)";
        QTest::newRow("group of a food not in the index")
            << "grupo-ajeno"
            << "disagree on the foods; foods foods.index does not list: 1 (19999)";
        QTest::newRow("unknown group") << "grupo-desconocido"
                                       << "groups.csv, line 7: \"2400\" is not a food group";
        QTest::newRow("RAE not a number") << "rae-letras"
                                          << "rae.csv, line 2: \"lots\" is not a number";
        QTest::newRow("correction of a food not in the index")
            << "correccion-ajena"
            << "corrections.csv names foods foods.index does not list: 1 (99999)";
        QTest::newRow("missing reference values") << "sin-dris"
                                                  << "cannot read the reference values";
        QTest::newRow("unterminated quote in csv") << "csv-roto"
                                                   << "a quoted field is never closed";
        QTest::newRow("csv value not a number")
            << "csv-letras"
            << "line 3: infants2 \"abc\" is not a number of 0 or more";
        QTest::newRow("csv short row") << "csv-corto"
                                       << "line 2: 3 fields instead of 21";
        QTest::newRow("csv unknown nutrient") << "csv-clave"
                                              << "the nutrient \"Unobtainium\" is not a column";
        QTest::newRow("upper limit of an unknown nutrient")
            << "uls-clave"
            << "uls.csv: the nutrient \"Unobtainium\" is not a column";
        QTest::newRow("average requirement of an unknown nutrient")
            << "ears-clave"
            << "ears.csv, line 2: the key \"Unobtainium\" is no reference value's";
        QTest::newRow("average requirement above the reference value")
            << "ears-encima"
            << "ears.csv, line 2: males3 has an average requirement above its reference value";
        QTest::newRow("missing package") << "sin-deb"
                                         << "the package";
        QTest::newRow("package that is no package") << "deb-roto"
                                                    << "could not unpack";
    }
    void fallos()
    {
        QFETCH(QString, caso);
        QFETCH(QString, mensaje);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        auto entradas = entradasBase();
        auto publicados = publicadosBase();
        QByteArray dris = leer(drisProyecto);
        const QByteArray cabecera = dris.left(dris.indexOf('\n') + 1);
        QString jar = dir.filePath("a.jar");
        QString deb;
        if (caso == "xml-roto")
            entradas["usda_sr24/11124.xml"].chop(3);
        else if (caso == "sin-xml")
            entradas.remove("usda_sr24/11124.xml");
        else if (caso == "otro-uid")
            entradas["usda_sr24/11124.xml"] = entradas["usda_sr24/01001.xml"];
        else if (caso == "indice-roto")
            entradas["usda_sr24/foods.index"] = "01001|Butter, salted\n11124 Carrots, raw\n";
        else if (caso == "sin-grupo") {
            entradas["usda_sr24/foods.index"] += "43999|Zzyzx\n";
            entradas["usda_sr24/43999.xml"] = xmlAlimento("43999", "Zzyzx", {});
        } else if (caso == "grupo-ajeno")
            publicados["groups.csv"] += "19999,1900\n";
        else if (caso == "grupo-desconocido")
            publicados["groups.csv"] += "43999,2400\n";
        else if (caso == "rae-letras")
            publicados["rae.csv"].replace("684", "lots");
        else if (caso == "correccion-ajena")
            publicados["corrections.csv"] += "99999,Energy,1,SR24 ABBREV.txt\n";
        else if (caso == "csv-roto")
            dris += "Iron_Fe,\"Iron, Fe,mg,99,minerales\n";
        else if (caso == "csv-letras")
            dris = cabecera +
                   "Energy,Energy,kcal,1,general,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16\n"
                   "Water,Water,g,2,general,1,abc,3,4,5,6,7,8,9,10,11,12,13,14,15,16\n";
        else if (caso == "csv-corto")
            dris = cabecera + "Energy,Energy,kcal\n";
        else if (caso == "csv-clave")
            dris = cabecera + "Unobtainium,U,g,1,general,,,,,,,,,,,,,,,,\n";
        QByteArray limites = leer(limitesProyecto);
        if (caso == "uls-clave")
            limites = cabecera + "Unobtainium,U,g,1,general,,,,,,,,,,,,,,,,\n";
        QVERIFY(escribir(dir.filePath("uls.csv"), limites));
        const QByteArray cabeceraEars = leer(earsProyecto).split('\n').first() + '\n';
        QByteArray ears = leer(earsProyecto);
        if (caso == "ears-clave")
            ears = cabeceraEars + "Unobtainium,U,g,,,,,,,,,,,,,,,,\n";
        else if (caso == "ears-encima")
            ears = cabeceraEars + "Calcium_Ca,Calcium,mg,,,,,,,5000,,,,,,,,,\n";
        QVERIFY(escribir(dir.filePath("ears.csv"), ears));
        QVERIFY(escribirZip(jar, entradas));
        QVERIFY(escribirPublicados(dir.path(), publicados));
        if (caso == "sin-archivo")
            jar = dir.filePath("nothing.jar");
        else if (caso == "no-zip")
            QVERIFY(escribir(jar, "this is not a zip archive"));
        else if (caso == "sin-deb" || caso == "deb-roto") {
            deb = dir.filePath("cronometer.deb");
            if (caso == "deb-roto")
                QVERIFY(escribir(deb, "not a package"));
            jar.clear();
        }
        const QString rutaDris =
            caso == "sin-dris" ? dir.filePath("none.csv") : dir.filePath("dris.csv");
        if (caso != "sin-dris")
            QVERIFY(escribir(rutaDris, dris));

        // A database already in place stays as it was.
        const QString salida = dir.filePath("out/sr18.mdb");
        QVERIFY(QDir().mkpath(dir.filePath("out")));
        QVERIFY(escribir(salida, "previous"));
        OpcionesConstruccion o = opciones(jar, salida, rutaDris, dir.path());
        o.paquete = deb;
        o.limites = dir.filePath("uls.csv");
        o.requerimientos = dir.filePath("ears.csv");
        ResumenConstruccion r;
        QString error;
        QVERIFY(!construirBase(o, &r, &error));
        QVERIFY2(error.contains(mensaje), qPrintable(error));
        QCOMPARE(leer(salida), QByteArray("previous"));
        QCOMPARE(QDir(dir.filePath("out"))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"sr18.mdb"});
    }

    void sinAptGet()
    {
        // With no apt-get to be found the package cannot be fetched.
        QTemporaryDir vacia;
        const QByteArray camino = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(vacia.path()));
        OpcionesConstruccion o = opciones(QString(), carpeta_.filePath("nunca.mdb"));
        ResumenConstruccion r;
        QString error;
        const bool hecho = construirBase(o, &r, &error);
        qputenv("PATH", camino);
        QVERIFY(!hecho);
        QVERIFY2(error.startsWith("could not fetch the cronometer package: "), qPrintable(error));
        QVERIFY(!QFile::exists(carpeta_.filePath("nunca.mdb")));
    }

    void ordenes_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("estado");
        QTest::addColumn<QString>("mensaje");
        const QStringList publicados = {"--groups",  "@/groups.csv",  "--rae",
                                        "@/rae.csv", "--corrections", "@/corrections.csv"};
        QTest::newRow("builds") << QStringList{"--output", "@/cli.mdb", "--jar", "@jar"} +
                                       publicados
                                << 0 << "foods:      5 (1 withdrawn foods left out)";
        // By default the project's own group file, which lists other foods.
        QTest::newRow("groups of other foods")
            << QStringList{"--output", "@/y.mdb", "--jar", "@jar"} + publicados.mid(2) << 1
            << "usda-sr24-groups.csv and foods.index disagree on the foods";
        QTest::newRow("no output")
            << QStringList{"--jar", "@jar"} << 2 << "--output PATH is required";
        QTest::newRow("stray argument")
            << QStringList{"--output", "@/x.mdb", "extra"} << 2 << "unexpected argument extra";
        QTest::newRow("missing archive") << QStringList{"--output", "@/y.mdb", "--jar", "@/no.jar"}
                                         << 1 << "no database was written";
    }
    void ordenes()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(int, estado);
        QFETCH(QString, mensaje);
        for (QString& a : argumentos) {
            a.replace("@jar", archivo_);
            a.replace("@", carpeta_.path());
        }
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(ALIMETRA_BUILDDB), argumentos);
        QVERIFY(p.waitForFinished(60000));
        const QString salida = QString::fromLocal8Bit(p.readAll());
        QCOMPARE(p.exitCode(), estado);
        QVERIFY2(salida.contains(mensaje), qPrintable(salida));
        QVERIFY(!QFile::exists(carpeta_.filePath("y.mdb")));
    }

    // The delivered database, when the environment names it.
    void datosReales()
    {
        const QString ruta = qEnvironmentVariable("ALIMETRA_DB");
        if (ruta.isEmpty() || !QFileInfo(ruta).isFile())
            QSKIP("ALIMETRA_DB does not name a built database");
        Conexion c(ruta);
        QVERIFY2(c.base().isOpen(), qPrintable(c.base().lastError().text()));
        QCOMPARE(c.valor("select count(*) from total").toInt(), 7907);
        QCOMPARE(
            c.fila("select description, group_id, Protein, Total_Lipid, Sodium_Na, Leucine, Energy"
                   " from total where id=1001"),
            (QVariantList{"Butter, salted", "0100", 0.85, 81.11, 714.0, 0.083, 717.0}));
        // As USDA published them: groups, RAE, and the corrected beef foods.
        QCOMPARE(c.fila("select description, group_id from total where id=19411"),
                 (QVariantList{"Snacks, potato chips, plain, salted", "2500"}));
        QCOMPARE(c.fila("select (select count(*) from total where group_id='1900' and description "
                        "like 'Snacks,%'),"
                        " (select count(*) from total where group_id='2500'),"
                        " (select count(*) from total where group_id='1900')"),
                 (QVariantList{2, 169, 341}));
        QCOMPARE(c.fila("select (select Vitamin_A_RAE from total where id=1001),"
                        " (select Vitamin_A_RAE from total where id=11124),"
                        " (select description || ' ' || Vitamin_A_RAE from total where id=11615),"
                        " (select Energy || ' ' || Total_Lipid from total where id=23292)"),
                 (QVariantList{684.0, 835.0, "Chives, freeze-dried 3415.0", "170.0 9.3"}));
        QCOMPARE(c.valor("select count(*) from total where group_id not in (select id from groups)")
                     .toInt(),
                 0);
        QCOMPARE(c.valor("select count(*) from groups").toInt(), 26);
        QCOMPARE(c.valor("select count(*) from DRIs").toInt(), lineasDris() + 1);
        QCOMPARE(c.valor("select count(*) from DRIs where key='Empty'").toInt(), 1);
        QVERIFY(c.valor("select Energy from total where id=23999").isNull());

        // The upper limits are those of uls.csv, value for value.
        QList<FilaLimite> limites;
        QString error;
        QVERIFY2(leerLimites(leer(limitesProyecto), limitesProyecto, &limites, &error),
                 qPrintable(error));
        QCOMPARE(c.valor("select count(*) from ULs").toInt(), limites.size());
        for (const FilaLimite& l : std::as_const(limites)) {
            const QVariantList fila =
                c.fila(QStringLiteral(
                           "select name, unit, sorting, icon, applies, %1 from ULs where key='%2'")
                           .arg(columnasGrupos().join(","), l.fila.clave));
            QCOMPARE(fila.mid(0, 5), (QVariantList{l.fila.nombre, l.fila.unidad, l.fila.orden,
                                                   l.fila.icono, l.aplica}));
            for (int g = 0; g < 16; ++g) {
                const std::optional<double>& v = l.fila.valores.at(g);
                QVERIFY2(v ? fila.at(5 + g).toDouble() == *v : fila.at(5 + g).isNull(),
                         qPrintable(l.fila.clave + " " + columnasGrupos().at(g)));
            }
        }

        // Household measures: 13,817 in the archive, 03072's jar listed twice.
        QCOMPARE(c.valor("select count(*) from measures").toInt(), 13816);
        QCOMPARE(c.valor("select count(distinct food_id) from measures").toInt(), 7591);
        QCOMPARE(c.fila("select amount, grams from measures where food_id=1077 and name='cup'"),
                 (QVariantList{1.0, 244.0}));
        QCOMPARE(c.valor("select count(*) from measures where food_id=3072 and name='jar'").toInt(),
                 1);
        QCOMPARE(c.valor("select max(n) from (select count(*) n from measures group by food_id)")
                     .toInt(),
                 15);
    }
};

QTEST_GUILESS_MAIN(PruebaConstruirBase)
#include "tst_construirbase.moc"
