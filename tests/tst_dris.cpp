// Tab 7: the four grids over the reference values, those over the upper
// limits and the average requirements, what they accept and when an edit
// reaches the database and the next evaluation.

#include "apoyo/fixture.h"
#include "apoyo/pantalla.h"
#include "apoyo/registromensajes.h"
#include "apoyo/vista.h"
#include "evaluation/valoresrecomendados.h"
#include "windows/common/rejilla.h"
#include "windows/common/roles.h"
#include "windows/main/pestanadris.h"
#include "windows/main/ventanaprincipal.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <array>
#include <memory>

namespace {

// The fixture and the main window opened on tab 7.
struct Escena
{
    Fixture fx;
    RegistroMensajes msgs;
    std::unique_ptr<VentanaPrincipal> f;

    explicit Escena(bool conBase = true) : fx(conBase) {}
    void abrir()
    {
        f = std::make_unique<VentanaPrincipal>();
        f->cargar();
        ::ui(*f).tbs_fichas->setCurrentWidget(::ui(*f).frm_siete);
    }
    RejillaDatos* rejilla(int n)
    {
        const auto& u = ::ui(*f);
        return std::array<RejillaDatos*, 6>{u.dgr_dri1, u.dgr_dri2, u.dgr_dri3,
                                            u.dgr_dri4, u.dgr_ul,   u.dgr_ear}[n];
    }
    // The pristine copies of the reference values a database of this release
    // holds, as the fixture delivers them.
    void copiarEntregadas()
    {
        for (const char* t : {"DRIs", "ULs"})
            fx.ejecutar(QStringLiteral("create table %1_delivered as select * from %1").arg(t));
    }
    // Average requirements for every nutrient of the reference values,
    // calcium's for males of 19 to 30 lower than its allowance.
    void crearRequerimientos()
    {
        fx.ejecutar("drop table if exists EARs");
        fx.ejecutar("create table EARs as select * from DRIs where key <> 'Empty'");
        fx.ejecutar("update EARs set males3=800 where key='Calcium_Ca'");
        fx.ejecutar("create table EARs_delivered as select * from EARs");
    }
    // Asks for the pop-up menu over a cell, by a right click or by the Menu
    // key on the current cell, and returns its entry `nombre`.
    QAction* menu(RejillaDatos* r, const QModelIndex& celda, const char* nombre,
                  bool teclado = false)
    {
        static_cast<QTableView*>(r)->scrollTo(celda);
        const QPoint p = r->visualRect(celda).center();
        if (teclado) {
            r->setCurrentIndex(celda);
            QContextMenuEvent evento(QContextMenuEvent::Keyboard, QPoint(), QPoint());
            QApplication::sendEvent(r, &evento);
        } else {
            QContextMenuEvent evento(QContextMenuEvent::Mouse, p, r->viewport()->mapToGlobal(p));
            QApplication::sendEvent(r->viewport(), &evento);
        }
        return f->findChild<QAction*>(QLatin1String(nombre));
    }
    // The keys of a grid's rows, in order, found by the hidden id.
    QStringList claves(RejillaDatos* r)
    {
        QStringList k;
        for (int fila = 0; fila < r->model()->rowCount(); ++fila)
            k << fx.valor(QStringLiteral("select key from %1 where id=%2")
                              .arg(r == ::ui(*f).dgr_ul    ? "ULs"
                                   : r == ::ui(*f).dgr_ear ? "EARs"
                                                           : "DRIs",
                                   r->model()->index(fila, 0).data(RolValor).toString()))
                     .toString();
        return k;
    }
    int fila(RejillaDatos* r, const QString& clave) { return int(claves(r).indexOf(clave)); }
    QVariant dri(const QString& columna, const QString& clave)
    {
        return fx.valor(QStringLiteral("select %1 from DRIs where key='%2'").arg(columna, clave));
    }
};

int columnaDe(RejillaDatos* r, const QString& t)
{
    for (int c = 0; c < r->model()->columnCount(); ++c)
        if (r->model()->headerData(c, Qt::Horizontal).toString() == t)
            return c;
    return -1;
}

// Selects a cell as a click would, which opens its editor, clears it and types.
void escribir(RejillaDatos* r, int fila, const QString& columna, const QString& texto)
{
    const auto editor = [r]() -> QLineEdit* {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QLineEdit* e : r->viewport()->findChildren<QLineEdit*>())
            if (!e->isHidden())
                return e;
        return nullptr;
    };
    const QModelIndex celda = r->model()->index(fila, columnaDe(r, columna));
    r->setCurrentIndex(celda);
    if (!editor())
        r->edit(celda);
    QLineEdit* e = editor();
    QVERIFY2(e, "no editor opened");
    e->clear();
    // Keys are typed only in ASCII; other digits arrive as typed text.
    bool ascii = true;
    for (const QChar c : texto)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        QTest::keyClicks(e, texto);
    else
        e->insert(texto);
}

void moverAFila(RejillaDatos* r, int fila)
{
    r->setCurrentIndex(r->model()->index(fila, r->currentIndex().column()));
}

} // namespace

class PruebaDRIs : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void rejillas_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("esperadas");
        QTest::addColumn<QStringList>("delante"); // captions before the group columns

        // Grids 1 to 3 have no order; the fourth follows `sorting`, which puts
        // Sodium first here.
        QTest::newRow("dgr_dri1: protein and the placeholder")
            << 0 << QStringList{"Empty", "Protein"} << QStringList{};
        QTest::newRow("dgr_dri2: energy sources")
            << 1
            << QStringList{"Carbohydrate", "Fatty_acids_total_saturated", "Sugars_total",
                           "Total_Lipid"}
            << QStringList{"Nutrient"};
        QTest::newRow("dgr_dri3: amino acids")
            << 2 << QStringList{"Isoleucine", "Leucine"} << QStringList{"Nutrient"};
        QTest::newRow("dgr_dri4: the rest, by sorting")
            << 3
            << QStringList{"Sodium_Na", "Energy", "Vitamin_C_total_ascorbic_acid", "Calcium_Ca"}
            << QStringList{"Nutrient", "Unit"};
    }
    void rejillas()
    {
        QFETCH(int, n);
        QFETCH(QStringList, esperadas);
        QFETCH(QStringList, delante);

        Escena e;
        e.fx.ejecutar(QStringLiteral("update DRIs set sorting=0 where key='Sodium_Na'"));
        e.abrir();
        RejillaDatos* r = e.rejilla(n);
        QStringList k = e.claves(r);
        if (n != 3)
            k.sort();
        QCOMPARE(k, esperadas);
        // The id is hidden, then the locked name and unit, then 16 editable groups.
        QVERIFY(r->isColumnHidden(0));
        QCOMPARE(r->model()->columnCount(), 1 + delante.size() + 16);
        for (int c = 1; c < r->model()->columnCount(); ++c)
            QCOMPARE(bool(r->model()->index(0, c).flags() & Qt::ItemIsEditable),
                     c > delante.size());
        for (int c = 0; c < delante.size(); ++c)
            QCOMPARE(columnaDe(r, delante.at(c)), c + 1);
        QCOMPARE(columnaDe(r, QStringLiteral("Infants 0 - 6 m")), delante.size() + 1);
        QVERIFY(r->columnWidth(columnaDe(r, QStringLiteral("Males 19 - 30 y"))) >= 93);
        // Name and unit cannot be changed, not even through the model.
        if (!delante.isEmpty())
            QVERIFY(!r->model()->setData(r->model()->index(0, 1), QStringLiteral("Other")));
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    void valoresEscritos_data()
    {
        QTest::addColumn<QLocale>("local");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QVariant>("guardado");

        const QLocale ingles(QLocale::English, QLocale::UnitedStates);
        const QLocale espanol(QLocale::Spanish, QLocale::Spain);
        QTest::newRow("decimal comma of the user") << espanol << "2,5" << QVariant(2.5);
        QTest::newRow("decimal point with a comma locale") << espanol << "3.5" << QVariant(3.5);
        QTest::newRow("Arabic digits")
            << QLocale(QStringLiteral("ar_EG")) << QString::fromUtf8("٥٥٠") << QVariant(550.0);
        QTest::newRow("Persian digits and separator")
            << QLocale(QStringLiteral("fa_IR")) << QString::fromUtf8("۱٫۵") << QVariant(1.5);
        QTest::newRow("emptied cell is null") << ingles << "" << QVariant();
        // Anything else is refused whole, with a warning: the value stays.
        QTest::newRow("letters refused") << ingles << "12abc" << QVariant(1000.0);
        QTest::newRow("a lone point is no number") << ingles << "." << QVariant(1000.0);
        QTest::newRow("a comma is no separator in English") << ingles << "1,5" << QVariant(1000.0);
    }
    void valoresEscritos()
    {
        QFETCH(QLocale, local);
        QFETCH(QString, tecleado);
        QFETCH(QVariant, guardado);

        QLocale::setDefault(local);
        Escena e;
        e.abrir();
        RejillaDatos* r = e.rejilla(3);
        const QString calcio = QStringLiteral("Calcium_Ca");
        escribir(r, e.fila(r, calcio), QStringLiteral("Males 19 - 30 y"), tecleado);
        // Nothing is written while the user stays in the row.
        QCOMPARE(e.dri(QStringLiteral("males3"), calcio).toDouble(), 1000.0);
        moverAFila(r, e.fila(r, QStringLiteral("Sodium_Na")));

        const QVariant v = e.dri(QStringLiteral("males3"), calcio);
        QCOMPARE(v.isNull(), guardado.isNull());
        QCOMPARE(v.toDouble(), guardado.toDouble());
        // Only that cell changed, and no row was added.
        QCOMPARE(e.dri(QStringLiteral("males4"), calcio).toDouble(), 1000.0);
        QCOMPARE(e.dri(QStringLiteral("males3"), QStringLiteral("Sodium_Na")).toDouble(), 1500.0);
        QCOMPARE(r->model()->rowCount(), 4);
        const bool rechazado = !guardado.isNull() && guardado.toDouble() == 1000.0;
        QTRY_COMPARE(e.msgs.textos(),
                     rechazado ? QStringList{"Please, set the reference value as a number (or "
                                             "leave it empty)"}
                               : QStringList{});
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    // A pending edit is committed on leaving the row, switching tabs or
    // closing the window, and the next evaluation uses it.
    void proteinaEnLaEvaluacion_data()
    {
        QTest::addColumn<QString>("como");
        QTest::newRow("moving to the Empty row") << "row";
        QTest::newRow("switching to tab 5 in the row") << "tab";
        QTest::newRow("closing the window in the row") << "close";
    }
    void proteinaEnLaEvaluacion()
    {
        QFETCH(QString, como);

        Escena e;
        e.fx.ejecutar(QStringLiteral("update profiles set age=6, gender=0, weight=70 where id=1"));
        e.fx.ejecutar(QStringLiteral("insert into total (id, description, group_id, Protein) "
                                     "values (90001, 'Test food', '0100', 100)"));
        e.fx.ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values "
                                     "(1, 90001, 392)"));
        e.abrir();
        RejillaDatos* r = e.rejilla(0);
        escribir(r, e.fila(r, QStringLiteral("Protein")), QStringLiteral("Males 19 - 30 y"),
                 QStringLiteral("1"));
        if (como == QLatin1String("row"))
            moverAFila(r, e.fila(r, QStringLiteral("Empty")));
        else if (como == QLatin1String("tab"))
            ::ui(*e.f).tbs_fichas->setCurrentWidget(::ui(*e.f).frm_cinco);
        else
            e.f->close();

        QCOMPARE(e.dri(QStringLiteral("males3"), QStringLiteral("Protein")).toDouble(), 1.0);
        if (como == QLatin1String("close"))
            e.abrir();
        ::ui(*e.f).tbs_fichas->setCurrentWidget(::ui(*e.f).frm_cinco);
        // 392 g against 1 g/kg x 70 kg a day for seven days.
        const vista::Fila proteina = vista::buscar(::ui(*e.f).lsv_wri, QStringLiteral("Protein"));
        QVERIFY(proteina);
        QCOMPARE(proteina.text(3), QStringLiteral("80"));
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    void filaVaciaTrasReiniciar()
    {
        Escena e;
        const QString columna = QStringLiteral("Females > 70 y");
        const QString vacia = QStringLiteral("Empty");
        e.abrir();
        RejillaDatos* r = e.rejilla(0);
        escribir(r, e.fila(r, vacia), columna, QStringLiteral("5"));
        moverAFila(r, e.fila(r, QStringLiteral("Protein")));
        QCOMPARE(e.dri(QStringLiteral("females6"), vacia).toDouble(), 5.0);
        e.f->close();
        e.f.reset();
        QVERIFY(e.dri(QStringLiteral("females6"), vacia).isNull());

        e.abrir();
        r = e.rejilla(0);
        QCOMPARE(r->model()->index(e.fila(r, vacia), columnaDe(r, columna)).data().toString(),
                 QString());
        // The placeholder never reaches the evaluation.
        QVERIFY(!e.f->sesion().valoresRecomendados.contiene(vacia));
    }

    // The upper limits: a fifth grid behind the switch, edited by the same
    // rules, whose values reach the next evaluation.
    void limites()
    {
        Escena e;
        e.fx.ejecutar(QStringLiteral("update profiles set age=6, gender=0, weight=70 where id=1"));
        e.abrir();
        QVERIFY(!::ui(*e.f).dgr_ul->isVisible());
        ::ui(*e.f).opb_limites->click();
        RejillaDatos* r = ::ui(*e.f).dgr_ul;
        QVERIFY(r->isVisible() && !::ui(*e.f).dgr_dri4->isVisible());
        QStringList claves;
        for (int fila = 0; fila < r->model()->rowCount(); ++fila)
            claves << e.fx.valor(QStringLiteral("select key from ULs where id=") +
                                 r->model()->index(fila, 0).data(RolValor).toString())
                          .toString();
        QCOMPARE(claves, (QStringList{"Vitamin_C_total_ascorbic_acid", "Calcium_Ca", "Sodium_Na"}));
        const int aplica = columnaDe(r, QStringLiteral("Applies to"));
        QCOMPARE(r->model()->index(2, aplica).data().toString(),
                 QStringLiteral("total intake (CDRR)"));
        QVERIFY(!(r->model()->index(2, aplica).flags() & Qt::ItemIsEditable));

        escribir(r, 1, QStringLiteral("Males 19 - 30 y"), QStringLiteral("abc"));
        moverAFila(r, 0);
        QTRY_COMPARE(e.msgs.textos().size(), 1);
        escribir(r, 1, QStringLiteral("Males 19 - 30 y"), QStringLiteral("1800"));
        // Turning the switch back writes the pending edit.
        ::ui(*e.f).opb_recomendados->click();
        QCOMPARE(e.fx.valor("select males3 from ULs where key='Calcium_Ca'").toDouble(), 1800.0);
        ::ui(*e.f).tbs_fichas->setCurrentWidget(::ui(*e.f).frm_cinco);
        QCOMPARE(vista::buscar(::ui(*e.f).lsv_wri, QStringLiteral("Calcium, Ca")).text(6),
                 QStringLiteral("1800 mg"));
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    // A value other than the delivered one is drawn in italic, the delivered
    // value in its tooltip in the user's digits and the grid's unit; a file
    // of an earlier release marks nothing and offers no restore.
    void marcas_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("columna");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("consejo"); // empty: no delivered values
        const QString calcio = QString::fromUtf8("Delivered value: ١٠٠٠ mg");
        const QString hombres = QStringLiteral("Males 19 - 30 y");
        QTest::newRow("its own unit") << 3 << "Calcium_Ca" << hombres << "1200" << calcio;
        QTest::newRow("emptied") << 3 << "Calcium_Ca" << hombres << "" << calcio;
        QTest::newRow("protein in g/kg")
            << 0 << "Protein" << hombres << "1" << QString::fromUtf8("Delivered value: ٠٫٨ g/kg");
        QTest::newRow("a share of the energy") << 1 << "Total_Lipid" << hombres << "30"
                                               << QString::fromUtf8("Delivered value: ٢٧٫٥ %");
        QTest::newRow("none delivered") << 1 << "Sugars_total"
                                        << "Infants 0 - 6 m"
                                        << "5"
                                        << "Delivered value: none";
        QTest::newRow("upper limit") << 4 << "Calcium_Ca" << hombres << "1800"
                                     << QString::fromUtf8("Delivered value: ٢٥٠٠ mg");
        QTest::newRow("earlier release") << 3 << "Calcium_Ca" << hombres << "1200"
                                         << "";
    }
    void marcas()
    {
        QFETCH(int, n);
        QFETCH(QString, clave);
        QFETCH(QString, columna);
        QFETCH(QString, tecleado);
        QFETCH(QString, consejo);
        QLocale::setDefault(QLocale(QStringLiteral("ar_EG")));
        Escena e;
        if (!consejo.isEmpty())
            e.copiarEntregadas();
        e.abrir();
        if (n == 4)
            ::ui(*e.f).opb_limites->click();
        RejillaDatos* r = e.rejilla(n);
        const int fila = e.fila(r, clave);
        const QModelIndex celda = r->model()->index(fila, columnaDe(r, columna));
        const QModelIndex vecina = celda.siblingAtColumn(celda.column() + 1);
        escribir(r, fila, columna, tecleado);
        moverAFila(r, fila == 0 ? 1 : 0);

        QCOMPARE(celda.data(Qt::FontRole).value<QFont>().italic(), !consejo.isEmpty());
        QCOMPARE(celda.data(Qt::ToolTipRole).toString(), consejo);
        QVERIFY(!vecina.data(Qt::FontRole).value<QFont>().italic());
        QVERIFY(!vecina.data(Qt::ToolTipRole).isValid());
        QAction* valor = e.menu(r, celda, "mnu_restaurarValor");
        QCOMPARE(valor->isVisible(), !consejo.isEmpty());
        QCOMPARE(qobject_cast<QMenu*>(valor->parent())->isVisible(), !consejo.isEmpty());
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    // Each entry restores what it names, in the table shown, and no more; the
    // marks go with the values, and the evaluation reads the restored ones. A
    // refused restore changes no value of the table, and is logged and told.
    void restaurar()
    {
        Escena e;
        e.copiarEntregadas();
        e.fx.ejecutar(QStringLiteral("update profiles set age=6, gender=0, weight=70 where id=1"));
        e.fx.ejecutar("update DRIs set males3=1200, males4=1100 where key='Calcium_Ca'");
        e.fx.ejecutar("update DRIs set males3=2000 where key='Sodium_Na'");
        e.fx.ejecutar("update ULs set males3=1800 where key='Calcium_Ca'");
        e.fx.ejecutar("create trigger rechazo before update on DRIs when new.key='Sodium_Na' "
                      "begin select raise(abort, 'refused here'); end");
        e.abrir();
        RejillaDatos* r = e.rejilla(3);
        const QModelIndex calcio =
            r->model()->index(e.fila(r, QStringLiteral("Calcium_Ca")),
                              columnaDe(r, QStringLiteral("Males 19 - 30 y")));
        const auto valores = [&e] {
            return e.fx
                .filas("select (select males3 || ',' || males4 from DRIs where key='Calcium_Ca'), "
                       "(select males3 from DRIs where key='Sodium_Na'), (select males3 from ULs "
                       "where key='Calcium_Ca')")
                .first();
        };
        QAction* todo = e.menu(r, calcio, "mnu_restaurarTodo");
        todo->trigger();
        QCOMPARE(valores(), (QVariantList{"1200.0,1100.0", 2000.0, 1800.0}));
        QVERIFY(calcio.data(Qt::FontRole).value<QFont>().italic());
        QCOMPARE(e.msgs.ultimo().texto,
                 QStringLiteral("An error occurred while saving the reference value"));
        QCOMPARE(e.fx.entradasLog(), 1);
        QVERIFY(e.fx.log().contains(QStringLiteral("refused here")));
        e.fx.ejecutar("drop trigger rechazo");
        e.fx.borrarLog();
        e.msgs.limpiar();

        e.menu(r, calcio, "mnu_restaurarValor")->trigger();
        QCOMPARE(valores(), (QVariantList{"1000.0,1100.0", 2000.0, 1800.0}));
        QVERIFY(!calcio.data(Qt::FontRole).value<QFont>().italic());
        QVERIFY(!calcio.data(Qt::ToolTipRole).isValid());
        // By the Menu key on the current cell.
        QVERIFY(!e.menu(r, calcio, "mnu_restaurarValor", true)->isEnabled());
        QAction* fila = e.f->findChild<QAction*>(QStringLiteral("mnu_restaurarFila"));
        fila->trigger();
        QCOMPARE(valores(), (QVariantList{"1000.0,1000.0", 2000.0, 1800.0}));

        e.menu(r, calcio, "mnu_restaurarTodo");
        QVERIFY(!fila->isEnabled() && todo->isEnabled());
        e.msgs.responder(QMessageBox::No);
        todo->trigger();
        QCOMPARE(e.msgs.textos(), QStringList{"Restore all delivered reference values? The one "
                                              "value you changed is replaced by the delivered "
                                              "one."});
        QCOMPARE(valores(), (QVariantList{"1000.0,1000.0", 2000.0, 1800.0}));
        todo->trigger();
        QCOMPARE(valores(), (QVariantList{"1000.0,1000.0", 1500.0, 1800.0}));
        ::ui(*e.f).opb_limites->click();
        e.menu(e.rejilla(4), e.rejilla(4)->model()->index(0, 1), "mnu_restaurarTodo")->trigger();
        QCOMPARE(valores(), (QVariantList{"1000.0,1000.0", 1500.0, 2500.0}));

        ::ui(*e.f).tbs_fichas->setCurrentWidget(::ui(*e.f).frm_cinco);
        const vista::Fila enLista =
            vista::buscar(::ui(*e.f).lsv_wri, QStringLiteral("Calcium, Ca"));
        QCOMPARE(enLista.text(5) + enLista.text(6), QStringLiteral("1000 mg2500 mg"));
        QVERIFY(!enLista.font(5).italic() && !enLista.font(6).italic());
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    // The average requirements: a sixth grid behind the switch, edited,
    // marked and restored as the upper limits are.
    void requerimientos()
    {
        Escena e;
        e.crearRequerimientos();
        e.abrir();
        const auto& u = ::ui(*e.f);
        QVERIFY(u.opb_requerimientos->isEnabled() && !u.dgr_ear->isVisible());
        u.opb_requerimientos->click();
        RejillaDatos* r = u.dgr_ear;
        QVERIFY(r->isVisible() && u.Label26->isVisible() && !u.dgr_ul->isVisible());
        // Every nutrient, in the order of `sorting`.
        QCOMPARE(e.claves(r).size(), 11);
        QCOMPARE(e.claves(r).first(), QStringLiteral("Energy"));
        const QString hombres = QStringLiteral("Males 19 - 30 y");
        const int calcio = e.fila(r, QStringLiteral("Calcium_Ca"));
        const int sodio = e.fila(r, QStringLiteral("Sodium_Na"));
        const QModelIndex celda = r->model()->index(calcio, columnaDe(r, hombres));
        const auto guardados = [&e] {
            return e.fx
                .filas("select (select males3 from EARs where key='Calcium_Ca'), (select males3 "
                       "from EARs where key='Sodium_Na'), (select males3 from DRIs where "
                       "key='Calcium_Ca')")
                .first();
        };

        escribir(r, calcio, hombres, QStringLiteral("12abc"));
        moverAFila(r, sodio);
        QTRY_COMPARE(e.msgs.textos(), QStringList{"Please, set the reference value as a number "
                                                  "(or leave it empty)"});
        QCOMPARE(guardados(), (QVariantList{800.0, 1500.0, 1000.0}));
        QVERIFY(!celda.data(Qt::FontRole).value<QFont>().italic());

        escribir(r, calcio, hombres, QStringLiteral("850"));
        moverAFila(r, sodio);
        escribir(r, sodio, hombres, QStringLiteral("1200"));
        // Turning the switch writes the pending edit.
        u.opb_limites->click();
        QCOMPARE(guardados(), (QVariantList{850.0, 1200.0, 1000.0}));
        QVERIFY(celda.data(Qt::FontRole).value<QFont>().italic());
        QCOMPARE(celda.data(Qt::ToolTipRole).toString(), QStringLiteral("Delivered value: 800 mg"));

        u.opb_requerimientos->click();
        e.menu(r, celda, "mnu_restaurarValor")->trigger();
        QCOMPARE(guardados(), (QVariantList{800.0, 1200.0, 1000.0}));
        QVERIFY(!celda.data(Qt::FontRole).value<QFont>().italic());
        QVERIFY(!celda.data(Qt::ToolTipRole).isValid());
        // Restoring all asks first and touches only this table.
        escribir(r, calcio, hombres, QStringLiteral("900"));
        moverAFila(r, sodio);
        e.msgs.limpiar();
        e.menu(r, celda, "mnu_restaurarTodo")->trigger();
        QCOMPARE(e.msgs.textos(), QStringList{"Restore all delivered average requirements? The 2 "
                                              "values you changed are replaced by the delivered "
                                              "ones."});
        QCOMPARE(guardados(), (QVariantList{800.0, 1500.0, 1000.0}));
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    // A file without average requirements offers no such option, logging
    // nothing; another file brings the option back, or takes it away.
    void sinRequerimientos()
    {
        Escena e;
        e.fx.ejecutar("drop table EARs"); // a file of an earlier release
        e.abrir();
        const auto& u = ::ui(*e.f);
        QVERIFY(!u.opb_requerimientos->isEnabled());
        QCOMPARE(u.opb_requerimientos->toolTip(),
                 QStringLiteral("This database file has no average requirements"));
        QCOMPARE(u.dgr_ear->model()->rowCount(), 0);

        e.crearRequerimientos();
        e.f->sesion().anunciarCambioDePerfil(Sesion::Cambio::Base);
        QVERIFY(u.opb_requerimientos->isEnabled() && u.opb_requerimientos->toolTip().isEmpty());
        u.opb_requerimientos->click();
        QCOMPARE(u.dgr_ear->model()->rowCount(), 11);

        e.fx.ejecutar("drop table EARs");
        e.fx.ejecutar("drop table EARs_delivered");
        e.f->sesion().anunciarCambioDePerfil(Sesion::Cambio::Base);
        QVERIFY(!u.opb_requerimientos->isEnabled() && u.opb_recomendados->isChecked());
        QVERIFY(u.dgr_dri4->isVisible() && u.dgr_ear->model()->rowCount() == 0);
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    void sinBaseRejillasVacias()
    {
        Escena e(false);
        e.abrir();
        for (int n = 0; n < 4; ++n)
            QCOMPARE(e.rejilla(n)->model()->rowCount(), 0);
        QCOMPARE(::ui(*e.f).dgr_ul->model()->rowCount(), 0);
        e.f->close();
    }
};

QTEST_MAIN(PruebaDRIs)
#include "tst_dris.moc"
