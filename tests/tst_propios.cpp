// Own foods and recipes without widgets: the checks, a recipe's values from
// its ingredients, unknown values, cycles, and what editing and removing a
// food does to the recipes and intakes that use it.

#include "apoyo/fixture.h"
#include "catalogue/intercambio.h"
#include "catalogue/propios.h"
#include "evaluation/informe.h"
#include "evaluation/sesion.h"
#include "profiles/perfiles.h"
#include "storage/basedatos.h"

#include <QtTest>

using propios::AlimentoPropio;
using propios::Problema;

namespace {

const QLocale ingles(QLocale::English, QLocale::UnitedStates);

AlimentoPropio alimento(const QString& nombre, const QHash<QString, double>& valores)
{
    AlimentoPropio a;
    a.nombre = nombre;
    a.valores = valores;
    return a;
}

AlimentoPropio receta(const QString& nombre, const QList<QPair<qint64, double>>& partes)
{
    AlimentoPropio a;
    a.tipo = propios::Tipo::Receta;
    a.nombre = nombre;
    for (const auto& [id, gramos] : partes)
        a.ingredientes << propios::Ingrediente{id, gramos, {}, {}};
    return a;
}

qint64 guardar(const AlimentoPropio& a)
{
    QString fallo;
    const qint64 id = propios::guardar(a, &fallo);
    if (id == 0)
        qWarning("%s", qPrintable(fallo));
    return id;
}

QStringList textos(const QList<Problema>& problemas, Problema::Nivel nivel)
{
    QStringList t;
    for (const Problema& p : problemas)
        if (p.nivel == nivel)
            t << p.campo + QStringLiteral(": ") + p.texto;
    return t;
}

} // namespace

class TstPropios : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fx = std::make_unique<Fixture>();
        QVERIFY(almacen::abrirBase().isEmpty());
    }
    void cleanup()
    {
        almacen::cerrarBase();
        m_fx.reset();
    }

    // What a label gives is checked before anything is stored.
    void comprobaciones()
    {
        QCOMPARE(propios::porCienGramos(12, 150), 8.0);
        const auto valores = [](const QHash<QString, double>& v) {
            return propios::comprobarValores(v, ingles);
        };
        // A plain yoghurt label: nothing to say.
        QVERIFY(
            valores({{"Energy", 61}, {"Protein", 3.5}, {"Total_Lipid", 3.3}, {"Carbohydrate", 4.7}})
                .isEmpty());
        QCOMPARE(textos(valores({{"Protein", 40}, {"Total_Lipid", 50}, {"Carbohydrate", 20}}),
                        Problema::Rechazo),
                 QStringList{"Carbohydrate: Protein, fat and carbohydrate (with water and ash) "
                             "come to 110 g in 100 g of the food: at most 100 g"});
        QCOMPARE(textos(valores({{"Energy", 950}}), Problema::Rechazo).size(), 1);
        // Energy far from 4/9/4 only asks.
        const QList<Problema> lejos =
            valores({{"Energy", 500}, {"Protein", 10}, {"Total_Lipid", 10}, {"Carbohydrate", 40}});
        QCOMPARE(textos(lejos, Problema::Rechazo), QStringList());
        QCOMPARE(textos(lejos, Problema::Pregunta),
                 QStringList{"Energy: Energy is 500 kcal in 100 g, but protein, fat and "
                             "carbohydrate give about 290 kcal (4, 9 and 4 kcal per g). Keep "
                             "500 kcal?"});

        // The name: required, at most 200 characters, one of a kind.
        QCOMPARE(textos(propios::comprobar(alimento("  ", {}), ingles), Problema::Rechazo),
                 QStringList{"name: Please, give the food a name"});
        QCOMPARE(propios::comprobar(alimento(QString(201, 'a'), {}), ingles).size(), 1);
        QVERIFY(guardar(alimento("Yoghurt, brand X", {})) > 0);
        QCOMPARE(
            textos(propios::comprobar(alimento("yoghurt, BRAND x", {}), ingles), Problema::Rechazo),
            QStringList{"name: You already have a food called \"yoghurt, BRAND x\""});
        // A USDA food of that name is no obstacle.
        QVERIFY(propios::comprobar(alimento("Butter, salted", {}), ingles).isEmpty());
        AlimentoPropio conMedida = alimento("Crackers", {});
        conMedida.medidas << propios::MedidaPropia{"piece", 0};
        QCOMPARE(propios::comprobar(conMedida, ingles).size(), 1);
    }

    // A food stored and read back; unknown stays unknown; its id is out of
    // the USDA numbers' way and every statement on the food table finds it.
    void guardarYLeer()
    {
        AlimentoPropio a = alimento("Yoghurt, brand X", {{"Energy", 61}, {"Calcium_Ca", 0}});
        a.medidas << propios::MedidaPropia{"pot", 125};
        const qint64 id = guardar(a);
        QVERIFY(id >= almacen::primerPropio);
        QVERIFY(propios::esPropio(id) && !propios::esPropio(Fixture::leche));
        QString fallo;
        const std::optional<AlimentoPropio> leido = propios::leer(id, &fallo);
        QVERIFY(leido);
        QCOMPARE(leido->valores.value("Energy"), 61.0);
        QVERIFY(leido->valores.contains("Calcium_Ca") && !leido->valores.contains("Protein"));
        QCOMPARE(leido->medidas.size(), 1);
        QCOMPARE(leido->grupo, almacen::grupoPropio);
        QVERIFY(
            m_fx->valor(QStringLiteral("select Protein from total where id=%1").arg(id)).isNull());
        QCOMPARE(propios::lineaFicha(id, ingles), QStringLiteral("Own food"));

        // A copy of a USDA food keeps its values and measures.
        const std::optional<AlimentoPropio> copia = propios::copiaDe(Fixture::zanahoria, &fallo);
        QVERIFY(copia && copia->id == 0);
        QCOMPARE(copia->nombre, QStringLiteral("Carrots, raw"));
        QCOMPARE(copia->valores.value("Sodium_Na"), 69.0);
        QCOMPARE(copia->medidas.first().gramos, 85.0 / 3);
    }

    // Three ingredients, the dish lighter than their sum: the values per
    // 100 g of the dish as by hand; the hamburger's unknown leucine makes
    // the recipe's a lower bound.
    void recetaCalculada()
    {
        AlimentoPropio r = receta(
            "Lunch", {{Fixture::leche, 500}, {Fixture::manzana, 200}, {Fixture::hamburguesa, 100}});
        r.pesoCocinado = 700;
        r.raciones = 2;
        QVERIFY(propios::comprobar(r, ingles).isEmpty());
        const qint64 id = guardar(r);
        QVERIFY(id > 0);
        const auto valor = [this, id](const char* columna) {
            return m_fx
                ->valor(QStringLiteral("select %1 from total where id=%2").arg(columna).arg(id))
                .toDouble();
        };
        // (61 x 5 + 52 x 2 + 264) / 700 x 100, and so on, to four digits.
        QCOMPARE(valor("Energy"), 96.14);
        QCOMPARE(valor("Calcium_Ca"), 100.4);
        QCOMPARE(valor("Leucine"), 0.193);
        int ingredientes = 0;
        QCOMPARE(propios::desconocidos(id, &ingredientes),
                 (QHash<QString, int>{{"Leucine", 1}, {"Isoleucine", 1}}));
        QCOMPARE(ingredientes, 3);
        QCOMPARE(propios::lineaFicha(id, ingles), QStringLiteral("Recipe: 3 ingredients, 700 g"));
        // The serving measure comes from the dish.
        QCOMPARE(m_fx->valor(QStringLiteral("select name || '=' || grams from measures where "
                                            "food_id=%1")
                                 .arg(id))
                     .toString(),
                 QStringLiteral("serving=350.0"));

        // A recipe of that recipe knows leucine in part as well; an
        // ingredient with no value at all leaves it unknown.
        const qint64 doble = guardar(receta("Two lunches", {{id, 100}, {Fixture::leche, 100}}));
        QCOMPARE(propios::desconocidos(doble).value("Leucine"), 1);
        const qint64 solo = guardar(receta("Only burger", {{Fixture::hamburguesa, 100}}));
        QVERIFY(m_fx->valor(QStringLiteral("select Leucine from total where id=%1").arg(solo))
                    .isNull());
        QVERIFY(propios::desconocidos(solo).isEmpty());
    }

    // A recipe never contains itself, through any chain.
    void ciclos()
    {
        const qint64 a = guardar(receta("A", {{Fixture::leche, 100}}));
        const qint64 b = guardar(receta("B", {{a, 100}}));
        const qint64 c = guardar(receta("C", {{b, 100}}));
        QVERIFY(propios::formaCiclo(a, a));
        QVERIFY(propios::formaCiclo(a, c));
        QVERIFY(!propios::formaCiclo(c, a));
        QVERIFY(!propios::formaCiclo(0, c));
        QString fallo;
        AlimentoPropio cambiada = *propios::leer(a, &fallo);
        cambiada.ingredientes << propios::Ingrediente{c, 50, {}, {}};
        QCOMPARE(textos(propios::comprobar(cambiada, ingles), Problema::Rechazo),
                 QStringList{"ingredients: \"C\" contains this recipe: it cannot be one of its "
                             "ingredients"});
    }

    // Editing a food computes every recipe that uses it again, through the
    // chain; removing one that a recipe uses is refused, naming the recipe,
    // and removing one takes its intakes with it.
    void cascada()
    {
        const qint64 base = guardar(alimento("Stock", {{"Energy", 10}}));
        const qint64 sopa = guardar(receta("Soup", {{base, 500}, {Fixture::zanahoria, 500}}));
        const qint64 menu = guardar(receta("Menu", {{sopa, 200}}));
        const auto energia = [this](qint64 id) {
            return m_fx->valor(QStringLiteral("select Energy from total where id=%1").arg(id))
                .toDouble();
        };
        QCOMPARE(energia(menu), (10 * 5 + 41 * 5) / 10.0);
        QString fallo;
        AlimentoPropio caldo = *propios::leer(base, &fallo);
        caldo.valores["Energy"] = 30;
        QCOMPARE(guardar(caldo), base);
        QCOMPARE(energia(sopa), (30 * 5 + 41 * 5) / 10.0);
        QCOMPARE(energia(menu), energia(sopa));

        // A USDA food is never written or removed here.
        AlimentoPropio usda = caldo;
        usda.id = Fixture::leche;
        QCOMPARE(propios::guardar(usda, &fallo), 0);
        QVERIFY(!propios::quitar(Fixture::leche, &fallo));
        QCOMPARE(m_fx->valor("select Energy from total where id=1077").toDouble(), 61.0);

        QVERIFY(!propios::quitar(base, &fallo));
        QCOMPARE(fallo, QStringLiteral("It is an ingredient of Soup. Take it out of those recipes "
                                       "first."));
        m_fx->ejecutar("insert into profiles (id, name) values (2, 'Luis')");
        m_fx->ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values (1, "
                                      "%1, 300), (2, %1, 100), (1, 1077, 200)")
                           .arg(menu));
        QCOMPARE(propios::perfilesQueLoUsan(menu), (QStringList{"Luis", "My profile"}));
        QVERIFY(propios::quitar(menu, &fallo));
        QCOMPARE(m_fx->valor("select count(*) from saves").toInt(), 1);
        QCOMPARE(
            m_fx->valor(QStringLiteral("select count(*) from total where id=%1").arg(menu)).toInt(),
            0);
        QVERIFY(propios::recetasQueLoUsan(sopa).isEmpty());
    }

    // A week with a recipe: its leucine, known only in part, counts among
    // the unknown values; the report names it as an own recipe.
    void semanaConReceta()
    {
        const qint64 id = guardar(
            receta("Burger and milk", {{Fixture::hamburguesa, 100}, {Fixture::leche, 200}}));
        m_fx->ejecutar("update profiles set age=6, gender=1, weight=60 where id=1");
        m_fx->ejecutar(
            QStringLiteral("insert into saves (prof_id, food_id, intake) values (1, %1, 300), (1, "
                           "%2, 700)")
                .arg(id)
                .arg(Fixture::manzana));
        Sesion sesion;
        extraerDatosPersonales(sesion.perfilActual);
        sesion.establecerValoresRecomendados();
        sesion.evaluar();
        const Desconocidos d = sesion.evaluacion.desconocidos.value("Leucine");
        QCOMPARE(d.alimentos, 1);
        QCOMPARE(d.gramos, 300.0);
        QVERIFY(provisional(sesion.evaluacion, "Leucine"));
        QVERIFY(!sesion.evaluacion.desconocidos.contains("Energy"));
        const Informe informe = prepararInforme(sesion, {}, nullptr);
        QCOMPARE(informe.alimentos.first().origen, AlimentoSemana::Tabla);
        QCOMPARE(informe.alimentos.last().origen, AlimentoSemana::Receta);
        QVERIFY(htmlInforme(informe).contains("Burger and milk (own recipe)"));
    }

    // Exported, then imported into another database: the same rows; read
    // again into the same one, a name that exists is skipped, replaced or
    // kept beside.
    void exportarEImportar()
    {
        AlimentoPropio caldo = alimento("Stock, \"home\", made", {{"Energy", 0.1 + 0.2}});
        caldo.medidas << propios::MedidaPropia{"ladle", 240};
        const qint64 base = guardar(caldo);
        AlimentoPropio sopa = receta("Soup", {{base, 500}, {Fixture::zanahoria, 250}});
        sopa.ingredientes[1].medida = QStringLiteral("2 x 1 cup, chopped (128 g)");
        sopa.pesoCocinado = 600;
        sopa.raciones = 3;
        const qint64 plato = guardar(sopa);
        guardar(receta("Menu", {{plato, 300}}));
        QTemporaryDir otra;
        const QString archivo = otra.filePath("mine.csv");
        int cuantos = 0;
        QString fallo;
        QVERIFY2(intercambio::exportar(archivo, &cuantos, &fallo), qPrintable(fallo));
        QCOMPARE(cuantos, 3);
        const QString filas = QStringLiteral(
            "select t.*, o.kind, o.cooked_weight, o.servings, (select group_concat(name || grams) "
            "from measures where food_id=t.id), (select group_concat(food_id || '/' || grams || "
            "'/' || ifnull(measure, '')) from own_ingredients where recipe_id=t.id), (select "
            "group_concat(nutrient || ingredients) from own_unknown where food_id=t.id) from "
            "total t inner join own_foods o on o.id=t.id order by t.id");
        const QList<QVariantList> antes = m_fx->filas(filas);

        cleanup();
        init();
        std::optional<intercambio::Lectura> l = intercambio::leer(archivo, &fallo);
        QVERIFY2(l, qPrintable(fallo));
        QVERIFY(l->repetidos.isEmpty());
        QVERIFY(intercambio::importar(*l, intercambio::Repetidos::Saltar, &fallo));
        QCOMPARE(m_fx->filas(filas), antes);

        const auto importar = [&](intercambio::Repetidos r) {
            const std::optional<intercambio::Importacion> i =
                intercambio::importar(*intercambio::leer(archivo, &fallo), r, &fallo);
            return i ? QList<int>{i->nuevos, i->reemplazados, i->saltados} : QList<int>{};
        };
        QCOMPARE(importar(intercambio::Repetidos::Saltar), (QList<int>{0, 0, 3}));
        QCOMPARE(importar(intercambio::Repetidos::Reemplazar), (QList<int>{0, 3, 0}));
        QCOMPARE(m_fx->filas(filas), antes);
        QCOMPARE(importar(intercambio::Repetidos::Ambos), (QList<int>{3, 0, 0}));
        // The new soup is made of the new stock.
        const qint64 nuevaSopa = propios::idDeNombre("Soup (2)");
        QCOMPARE(propios::leer(nuevaSopa, &fallo)->ingredientes.first().alimento,
                 propios::idDeNombre("Stock, \"home\", made (2)"));
    }

    // A file that is not one of own foods is refused, naming the line.
    void archivoRechazado_data()
    {
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<QString>("motivo");
        const QByteArray cabecera = "record,name,group,cooked_weight,servings,ingredient,"
                                    "ingredient_id,grams,measure,Energy\r\n";
        QTest::newRow("another CSV") << QByteArray("a,b\r\n1,2\r\n")
                                     << "line 1: its first line must start with record,name,";
        QTest::newRow("a bad number")
            << cabecera + "food,Soup,9900,,,,,,,12\r\nfood,Tea,9900,,,,,,,lots\r\n"
            << "line 3: Energy is not a number of 0 or more";
        QTest::newRow("a field short") << cabecera + "food,Soup\r\n"
                                       << "line 2: it has 2 fields where the first line has 10";
        QTest::newRow("an open quote") << cabecera + "food,\"Soup,9900\r\n\r\n"
                                       << "line 2: a quote is never closed";
        QTest::newRow("an unknown ingredient")
            << cabecera + "recipe,Soup,9900,,,,,,,\r\ningredient,Soup,,,,Stone,,100,,\r\n"
            << "line 2: no food called \"Stone\" in the file or among your foods";
    }
    void archivoRechazado()
    {
        QFETCH(QByteArray, contenido);
        QFETCH(QString, motivo);
        QFile f(m_fx->ruta("x.csv"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contenido) == contenido.size());
        f.close();
        QString fallo;
        QVERIFY(!intercambio::leer(f.fileName(), &fallo));
        QVERIFY2(fallo.contains(motivo), qPrintable(fallo));
    }

private:
    std::unique_ptr<Fixture> m_fx;
};

QTEST_GUILESS_MAIN(TstPropios)
#include "tst_propios.moc"
