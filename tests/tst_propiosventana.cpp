// Tab 8 and the editor of an own food: a food from its label, the checks
// before storing, a recipe from its ingredients, a copy of a USDA food, and
// removing a food that intakes use; the food found again in tab 2.

#include "apoyo/escena.h"
#include "catalogue/propios.h"
#include "evaluation/informe.h"
#include "storage/registro.h"
#include "windows/catalogue/editorpropio.h"
#include "windows/catalogue/pestanapropios.h"

#include <QListWidget>
#include <QTableWidget>
#include <QTimer>

namespace {

struct Propios : Escena
{
    Propios() : Escena(7) {}
    PestanaPropios& pestana() { return *qobject_cast<PestanaPropios*>(ui().frm_ocho); }
    // Presses a button of the tab that opens the editor; the editor open.
    EditorPropio* abrir(QPushButton* boton)
    {
        QTest::mouseClick(boton, Qt::LeftButton);
        return pestana().editor();
    }
    QVariant valor(const QString& columna, const QString& descripcion)
    {
        return fx.valor(QStringLiteral("select %1 from total where description='%2' and id>=%3")
                            .arg(columna, descripcion)
                            .arg(almacen::primerPropio));
    }
    int propios() { return fx.valor(QStringLiteral("select count(*) from own_foods")).toInt(); }
};

// The value cell of a nutrient in the editor's grid.
QTableWidgetItem* celda(EditorPropio& e, const QString& columna)
{
    QTableWidget* t = ui(e).tbl_nutrientes;
    for (int i = 0; i < t->rowCount(); ++i)
        if (t->item(i, 0)->data(Qt::UserRole).toString() == columna)
            return t->item(i, 2);
    return nullptr;
}

// Types "Column=text" pairs into the grid.
void poner(EditorPropio& e, const QStringList& valores)
{
    for (const QString& v : valores)
        celda(e, v.section(QLatin1Char('='), 0, 0))->setText(v.section(QLatin1Char('='), 1));
}

void guardar(EditorPropio& e)
{
    QTest::mouseClick(ui(e).cmd_guardar, Qt::LeftButton);
}

// In a recipe editor: finds `texto`, picks the first food found and adds
// `cantidad` of its measure `medida` (0: grams).
void agregar(EditorPropio& e, const QString& texto, const QString& cantidad, int medida = 0)
{
    ui(e).tbx_ingrediente->setText(texto);
    QTest::mouseClick(ui(e).cmd_ingredienteBuscar, Qt::LeftButton);
    ui(e).lsv_candidatos->setCurrentItem(ui(e).lsv_candidatos->topLevelItem(0));
    ui(e).cmb_ingredienteMedida->setCurrentIndex(medida);
    ui(e).tbx_ingredienteCantidad->setText(cantidad);
    QTest::mouseClick(ui(e).cmd_ingredienteAgregar, Qt::LeftButton);
}

} // namespace

class TstPropiosVentana : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        cerrarLog();
        almacen::cerrarBase();
    }

    // A label read per serving is stored per 100 g; what it does not give
    // stays unknown. Tab 2 then finds the food under "My foods".
    void alimentoDeEtiqueta()
    {
        Propios p;
        EditorPropio* e = p.abrir(p.ui().cmd_alimentoNuevo);
        QVERIFY(e && e->isVisible());
        QCOMPARE(ui(*e).cmb_grupo->currentText(), QStringLiteral("My foods"));
        ui(*e).tbx_nombre->setText(QStringLiteral("Granola bar"));
        ui(*e).opb_porRacion->setChecked(true);
        ui(*e).tbx_racion->setText(QStringLiteral("150"));
        poner(*e, {"Energy=120", "Protein=6", "Total_Lipid=3", "Carbohydrate=17", "Sodium_Na=90"});
        QCOMPARE(ui(*e).lbl_conocidos->text(), QStringLiteral("5 of 12 nutrients known"));
        guardar(*e);
        QVERIFY(p.msgs.mostrados().isEmpty());
        QVERIFY(!e->isVisible());

        const QString nombre = QStringLiteral("Granola bar");
        QCOMPARE(p.valor(QStringLiteral("Energy"), nombre).toDouble(), 80.0);
        QCOMPARE(p.valor(QStringLiteral("Protein"), nombre).toDouble(), 4.0);
        QCOMPARE(p.valor(QStringLiteral("Total_Lipid"), nombre).toDouble(), 2.0);
        QCOMPARE(p.valor(QStringLiteral("Sodium_Na"), nombre).toDouble(), 60.0);
        QVERIFY(p.valor(QStringLiteral("Calcium_Ca"), nombre).isNull());
        QCOMPARE(p.valor(QStringLiteral("group_id"), nombre).toString(), almacen::grupoPropio);
        QTreeWidgetItem* fila = p.ui().lsv_propios->topLevelItem(0);
        QCOMPARE((QStringList{fila->text(0), fila->text(1), fila->text(2), fila->text(3)}),
                 (QStringList{"Granola bar", "Food", "My foods", "5 of 12"}));

        // Tab 2: search, the group, the food, an intake.
        p.ui().tbs_fichas->setCurrentWidget(p.ui().frm_dos);
        p.ui().tbx_buscar->setText(QStringLiteral("granola"));
        QTest::mouseClick(p.ui().cmd_buscar, Qt::LeftButton);
        QListWidget* grupos = p.ui().lbx_categorias;
        QCOMPARE(grupos->count(), 1);
        QCOMPARE(grupos->item(0)->text(), QStringLiteral("My foods"));
        QTest::mouseClick(grupos->viewport(), Qt::LeftButton, {},
                          grupos->visualItemRect(grupos->item(0)).center());
        QCOMPARE(Escena::textos(p.ui().lsv_alimentos), QStringList{nombre});
        Escena::pulsar(p.ui().lsv_alimentos, 0);
        p.ui().tbx_cantidad->setText(QStringLiteral("300"));
        QTest::mouseClick(p.ui().cmd_guardar, Qt::LeftButton);
        QCOMPARE(p.fx.valor(QStringLiteral("select intake from saves s inner join own_foods o on "
                                           "o.id=s.food_id where s.prof_id=1"))
                     .toInt(),
                 300);

        // Tab 5 counts its 240 kcal; calcium, left empty, is unknown for it.
        p.ui().tbs_fichas->setCurrentWidget(p.ui().frm_cinco);
        const auto resultado = [&p](const char* nombre) {
            return vista::buscar(p.ui().lsv_wri, QLatin1String(nombre));
        };
        QCOMPARE(resultado("Energy").text(2), QStringLiteral("240"));
        QVERIFY(resultado("Calcium, Ca").text(7).contains(QStringLiteral("1 food unknown")));
        const Informe informe = prepararInforme(p.f->sesion(), {}, nullptr);
        QCOMPARE(informe.alimentos.size(), 1);
        QCOMPARE(informe.alimentos.first().origen, AlimentoSemana::Propio);
    }

    // A refusal or a question answered No stores nothing and shows the field.
    void comprobaciones_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QStringList>("valores");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QString>("columna"); // the grid row shown ("" for none)
        QTest::newRow("no name") << "  " << QStringList{"Energy=50"}
                                 << "Please, give the food a name"
                                 << "";
        QTest::newRow("carbohydrate over 100 g")
            << "Sweets" << QStringList{"Carbohydrate=120"}
            << "Protein, fat and carbohydrate (with water and ash) come to 120 g in 100 g of the "
               "food: at most 100 g"
            << "Carbohydrate";
        QTest::newRow("not a number, beyond the label's")
            << "Sweets" << QStringList{"Energy=50", "Calcium_Ca=12 mg"}
            << "Calcium, Ca: \"12 mg\" is not an amount. Type a number of 0 or more, or leave it "
               "empty when unknown."
            << "Calcium_Ca";
        QTest::newRow("energy far from its sources, No")
            << "Sweets"
            << QStringList{"Energy=500", "Protein=10", "Total_Lipid=10", "Carbohydrate=40"}
            << "Energy is 500 kcal in 100 g, but protein, fat and carbohydrate give about 290 "
               "kcal (4, 9 and 4 kcal per g). Keep 500 kcal?"
            << "Energy";
    }
    void comprobaciones()
    {
        QFETCH(QString, nombre);
        QFETCH(QStringList, valores);
        QFETCH(QString, mensaje);
        QFETCH(QString, columna);
        Propios p;
        EditorPropio* e = p.abrir(p.ui().cmd_alimentoNuevo);
        ui(*e).tbx_nombre->setText(nombre);
        poner(*e, valores);
        p.msgs.responder(QMessageBox::No);
        guardar(*e);
        QCOMPARE(p.msgs.textos(), QStringList{mensaje});
        QCOMPARE(p.propios(), 0);
        QVERIFY(e->isVisible());
        QTableWidget* grid = ui(*e).tbl_nutrientes;
        if (columna.isEmpty()) {
            QCOMPARE(e->focusWidget(), ui(*e).tbx_nombre);
        } else {
            QCOMPARE(e->focusWidget(), grid);
            QCOMPARE(grid->currentItem(), celda(*e, columna));
            QVERIFY(!grid->isRowHidden(grid->currentRow()));
        }
    }

    // A recipe's values come from its ingredients and the cooked weight,
    // shown as they are typed and stored the same.
    void receta()
    {
        Propios p;
        EditorPropio* e = p.abrir(p.ui().cmd_recetaNueva);
        ui(*e).tbx_nombre->setText(QStringLiteral("Apple milk"));
        agregar(*e, QStringLiteral("milk, whole"), QStringLiteral("2"), 1); // 2 x 1 cup (244 g)
        agregar(*e, QStringLiteral("apples"), QStringLiteral("100"));
        QCOMPARE(ui(*e).tbl_ingredientes->rowCount(), 2);
        QCOMPARE(ui(*e).tbl_ingredientes->item(0, 1)->text(), QStringLiteral("2 x 1 cup (244 g)"));
        QCOMPARE(ui(*e).tbx_pesoCocinado->placeholderText(),
                 QStringLiteral("588 (the ingredients' sum)"));
        ui(*e).tbx_pesoCocinado->setText(QStringLiteral("500"));
        // (61 x 488 + 52 x 100) / 500 kcal per 100 g.
        QCOMPARE(celda(*e, QStringLiteral("Energy"))->text(), QStringLiteral("69.94"));
        guardar(*e);
        QVERIFY(p.msgs.mostrados().isEmpty());
        QCOMPARE(p.valor(QStringLiteral("Energy"), QStringLiteral("Apple milk")).toDouble(), 69.94);
        QCOMPARE(p.fx.filas(QStringLiteral("select food_id, grams, coalesce(measure, '-') from "
                                           "own_ingredients order by seq")),
                 (QList<QVariantList>{{Fixture::leche, 488.0, "2 x 1 cup (244 g)"},
                                      {Fixture::manzana, 100.0, "-"}}));
        QCOMPARE(p.ui().lsv_propios->topLevelItem(0)->text(1), QStringLiteral("Recipe"));

        // A double click opens it again as stored.
        Escena::dobleClic(p.ui().lsv_propios, 0);
        EditorPropio* otra = p.pestana().editor();
        QVERIFY(otra && otra != e);
        QCOMPARE(ui(*otra).tbl_ingredientes->rowCount(), 2);
        QCOMPARE(ui(*otra).tbx_pesoCocinado->text(), QStringLiteral("500"));
        QTest::mouseClick(ui(*otra).cmd_cancelar, Qt::LeftButton);
        QVERIFY(!otra->isVisible());
    }

    // A copy of a USDA food: the copy changes, the USDA food stays.
    void copia()
    {
        Propios p;
        QString fallo;
        const std::optional<propios::AlimentoPropio> a = propios::copiaDe(Fixture::leche, &fallo);
        QVERIFY(a);
        QTimer::singleShot(0, p.f.get(), [&p] {
            EditorPropio* e = p.f->findChild<EditorPropio*>();
            celda(*e, QStringLiteral("Protein"))->setText(QStringLiteral("4"));
            ui(*e).tbx_nombre->setText(QStringLiteral("Milk, farm"));
            guardar(*e);
        });
        QVERIFY(editarPropio(p.f.get(), *a));
        QCOMPARE(
            p.fx.filas(QStringLiteral("select description, Protein, Energy, Calcium_Ca, "
                                      "Retinol is null from total where id in (%1, (select id from "
                                      "own_foods)) order by id")
                           .arg(Fixture::leche)),
            (QList<QVariantList>{{"Milk, whole, 3.25% milkfat", 3.15, 61.0, 113.0, 1},
                                 {"Milk, farm", 4.0, 61.0, 113.0, 1}}));
        QCOMPARE(p.fx.valor(QStringLiteral("select count(*) from measures where food_id=(select "
                                           "id from own_foods)"))
                     .toInt(),
                 4);
    }

    // Removing a food asks, naming who eats it, and takes the intakes with
    // it; one a recipe uses is refused without a question.
    void quitar()
    {
        Propios p;
        propios::AlimentoPropio pan;
        pan.nombre = QStringLiteral("Bread");
        QString fallo;
        const qint64 id = propios::guardar(pan, &fallo);
        propios::AlimentoPropio sandwich;
        sandwich.tipo = propios::Tipo::Receta;
        sandwich.nombre = QStringLiteral("Sandwich");
        sandwich.ingredientes << propios::Ingrediente{id, 60, {}, {}};
        const qint64 receta = propios::guardar(sandwich, &fallo);
        p.fx.ejecutar(QStringLiteral("insert into profiles (id, name, last) values (2, 'Ana', 0)"));
        p.fx.ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values (1, %1, "
                                     "200), (2, %1, 100), (1, 1077, 50)")
                          .arg(id));
        p.pestana().cargar(id);

        QTest::mouseClick(p.ui().cmd_propioBorrar, Qt::LeftButton);
        QCOMPARE(p.msgs.textos(), QStringList{"It is an ingredient of Sandwich. Take it out of "
                                              "those recipes first."});
        QCOMPARE(p.propios(), 2);

        p.fx.ejecutar(QStringLiteral("delete from own_ingredients where recipe_id=%1").arg(receta));
        p.msgs.limpiar();
        QTest::mouseClick(p.ui().cmd_propioBorrar, Qt::LeftButton);
        QCOMPARE(p.msgs.textos(), QStringList{"\"Bread\" is in the intakes of Ana, My profile. "
                                              "Remove it and those intakes?"});
        QCOMPARE(Escena::textos(p.ui().lsv_propios), QStringList{"Sandwich"});
        QCOMPARE(p.fx.filas(QStringLiteral("select food_id from saves")),
                 QList<QVariantList>{{Fixture::leche}});
        QVERIFY(
            p.fx.valor(QStringLiteral("select count(*) from total where id=%1").arg(id)).toInt() ==
            0);
    }

    // "Copy to my foods..." on a food of tab 2: the copy, changed, is found
    // at once under "My foods" with its mark, beside the USDA food.
    void copiaDesdeBusqueda()
    {
        Propios p;
        p.ui().tbs_fichas->setCurrentIndex(1);
        p.ui().tbx_buscar->setText(QStringLiteral("milk"));
        QTest::mouseClick(p.ui().cmd_buscar, Qt::LeftButton);
        QListWidget* grupos = p.ui().lbx_categorias;
        QTest::mouseClick(grupos->viewport(), Qt::LeftButton, {},
                          grupos->visualItemRect(grupos->item(0)).center());
        Escena::pulsar(p.ui().lsv_alimentos, 0, Qt::RightButton);
        p.ui().buscador->hide();
        QTimer::singleShot(0, p.f.get(), [&p] {
            EditorPropio* e = p.f->findChild<EditorPropio*>();
            ui(*e).tbx_nombre->setText(QStringLiteral("Milk, farm"));
            guardar(*e);
        });
        p.ui().copyToMyFoodsBuscador->trigger();
        QStringList nombres;
        for (int i = 0; i < grupos->count(); ++i)
            nombres << grupos->item(i)->text();
        QCOMPARE(nombres, (QStringList{"Dairy and Egg Products", "My foods", "Snacks"}));
        QCOMPARE(grupos->currentRow(), 0);
        QCOMPARE(p.ui().lsv_alimentos->topLevelItemCount(), 1);
        QTest::mouseClick(grupos->viewport(), Qt::LeftButton, {},
                          grupos->visualItemRect(grupos->item(1)).center());
        QTreeWidgetItem* propio = p.ui().lsv_alimentos->topLevelItem(0);
        QCOMPARE(propio->text(0), QStringLiteral("Milk, farm"));
        QVERIFY(!propio->icon(0).isNull());
    }

    // Exported, then imported again: the names that exist are asked about
    // once; "Keep both" stores the imported ones beside them.
    void exportarEImportar()
    {
        Propios p;
        propios::AlimentoPropio pan;
        pan.nombre = QStringLiteral("Bread");
        QString fallo;
        QVERIFY(propios::guardar(pan, &fallo) > 0);
        p.pestana().cargar();
        const QString archivo = p.fx.ruta(QStringLiteral("mine.csv"));
        mensajes::instalarElector(
            [&](const QString&, const QString&, const QString&) { return archivo; });
        QTest::mouseClick(p.ui().cmd_exportarPropios, Qt::LeftButton);
        QCOMPARE(p.msgs.textos(), QStringList{"1 food exported to " + archivo});
        p.msgs.limpiar();
        p.msgs.responder(QMessageBox::YesToAll);
        QTest::mouseClick(p.ui().cmd_importarPropios, Qt::LeftButton);
        mensajes::instalarElector({});
        QCOMPARE(p.msgs.textos(),
                 (QStringList{"1 of the file's 1 food has the name of one of yours (Bread). Skip "
                              "them, replace yours with them, or keep both (the imported ones get "
                              "a number after the name)?",
                              "Imported from " + archivo + ": 1 new, 0 replaced, 0 skipped"}));
        QCOMPARE(Escena::textos(p.ui().lsv_propios), (QStringList{"Bread", "Bread (2)"}));
    }

    // A database without the tables of own foods: the tab says so.
    void sinTablas()
    {
        Propios p;
        p.fx.ejecutar(QStringLiteral("drop table own_foods"));
        p.pestana().cargar();
        QVERIFY(p.ui().lbl_8_2->isVisible());
        QVERIFY(!p.ui().cmd_alimentoNuevo->isEnabled() && !p.ui().cmd_importarPropios->isEnabled());
    }
};

QTEST_MAIN(TstPropiosVentana)
#include "tst_propiosventana.moc"
