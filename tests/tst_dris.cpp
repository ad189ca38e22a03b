// Tab 7: the four grids over the reference values, what they accept and when
// an edit reaches the database and the next evaluation.

#include "apoyo/fixture.h"
#include "apoyo/registromensajes.h"
#include "evaluation/valoresrecomendados.h"
#include "windows/main/pestanadris.h"
#include "windows/main/rejilla.h"
#include "windows/main/ventanaprincipal.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace {

const QStringList gruposTitulos = {
    "Infants 0 - 6 m",   "Infants 7 - 12 m",  "Children 1 - 3 y",  "Children 4 - 8 y",
    "Males 9 - 13 y",    "Males 14 - 18 y",   "Males 19 - 30 y",   "Males 31 - 50 y",
    "Males 51 - 70 y",   "Males > 70 y",      "Females 9 - 13 y",  "Females 14 - 18 y",
    "Females 19 - 30 y", "Females 31 - 50 y", "Females 51 - 70 y", "Females > 70 y",
};

RejillaDatos* rejilla(VentanaPrincipal& f, int n)
{
    RejillaDatos* r[] = {f.ui().dgr_dri1, f.ui().dgr_dri2, f.ui().dgr_dri3, f.ui().dgr_dri4};
    return r[n];
}

// Visible column captions of a grid, in order.
QStringList titulos(RejillaDatos* r)
{
    QStringList t;
    for (int c = 0; c < r->model()->columnCount(); ++c)
        if (!r->isColumnHidden(c))
            t << r->model()->headerData(c, Qt::Horizontal).toString();
    return t;
}

int columnaDe(RejillaDatos* r, const QString& titulo)
{
    for (int c = 0; c < r->model()->columnCount(); ++c)
        if (r->model()->headerData(c, Qt::Horizontal).toString() == titulo)
            return c;
    return -1;
}

// The `DRIs` keys of a grid's rows, in order, found by the hidden id.
QStringList claves(const Fixture& fx, RejillaDatos* r)
{
    QStringList k;
    for (int fila = 0; fila < r->model()->rowCount(); ++fila) {
        const QString id = r->model()->index(fila, 0).data().toString();
        k << fx.valor(QStringLiteral("select key from DRIs where id=") + id).toString();
    }
    return k;
}

int filaDe(const Fixture& fx, RejillaDatos* r, const QString& clave)
{
    return int(claves(fx, r).indexOf(clave));
}

// The editor open in a grid.
QLineEdit* editor(RejillaDatos* r)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QLineEdit* e : r->viewport()->findChildren<QLineEdit*>())
        if (!e->isHidden())
            return e;
    return nullptr;
}

// Selects a cell as a click would, which opens its editor, and types into it.
void escribir(RejillaDatos* r, int fila, int columna, const QString& texto, bool borrar = true)
{
    const QModelIndex celda = r->model()->index(fila, columna);
    r->setCurrentIndex(celda);
    if (!editor(r))
        r->edit(celda);
    QLineEdit* e = editor(r);
    QVERIFY2(e, "no editor opened");
    if (borrar)
        e->clear();
    QTest::keyClicks(e, texto);
}

void moverAFila(RejillaDatos* r, int fila)
{
    r->setCurrentIndex(r->model()->index(fila, r->currentIndex().column()));
}

QVariant valorDRI(const Fixture& fx, const QString& columna, const QString& clave)
{
    return fx.valor(QStringLiteral("select %1 from DRIs where key='%2'").arg(columna, clave));
}

class LocalTemporal
{
public:
    explicit LocalTemporal(const QLocale& local) { QLocale::setDefault(local); }
    ~LocalTemporal() { QLocale::setDefault(m_anterior); }

private:
    QLocale m_anterior;
};

} // namespace

class PruebaDRIs : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void rejillas_data();
    void rejillas();
    void valoresEscritos_data();
    void valoresEscritos();
    void proteinaEnLaEvaluacion_data();
    void proteinaEnLaEvaluacion();
    void filaVaciaTrasReiniciar();
    void sinBaseRejillasVacias();
};

void PruebaDRIs::rejillas_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QStringList>("esperadas");
    QTest::addColumn<QStringList>("delante"); // captions before the group columns

    QTest::newRow("dgr_dri1: protein and the placeholder")
        << 0 << QStringList{"Protein", "Empty"} << QStringList{};
    QTest::newRow("dgr_dri2: energy sources")
        << 1
        << QStringList{"Carbohydrate", "Sugars_total", "Total_Lipid", "Fatty_acids_total_saturated"}
        << QStringList{"Nutrient"};
    QTest::newRow("dgr_dri3: amino acids")
        << 2 << QStringList{"Leucine", "Isoleucine"} << QStringList{"Nutrient"};
    QTest::newRow("dgr_dri4: the rest, by sorting")
        << 3 << QStringList{"Energy", "Vitamin_C_total_ascorbic_acid", "Calcium_Ca", "Sodium_Na"}
        << QStringList{"Nutrient", "Unit"};
}

void PruebaDRIs::rejillas()
{
    QFETCH(int, n);
    QFETCH(QStringList, esperadas);
    QFETCH(QStringList, delante);

    Fixture fx;
    RegistroMensajes msgs;
    // Reordering shows that the fourth grid follows `sorting`.
    fx.ejecutar(QStringLiteral("update DRIs set sorting=0 where key='Sodium_Na'"));
    if (n == 3)
        esperadas.move(esperadas.indexOf(QStringLiteral("Sodium_Na")), 0);
    VentanaPrincipal f;
    f.cargar();
    f.ui().tbs_fichas->setCurrentWidget(f.ui().frm_siete);
    RejillaDatos* r = rejilla(f, n);

    QStringList k = claves(fx, r);
    if (n != 3) {
        k.sort();
        esperadas.sort();
    }
    QCOMPARE(k, esperadas);
    QCOMPARE(titulos(r), delante + gruposTitulos);
    QVERIFY(r->isColumnHidden(0));

    for (int c = 1; c < r->model()->columnCount(); ++c) {
        const QString titulo = r->model()->headerData(c, Qt::Horizontal).toString();
        const bool grupo = gruposTitulos.contains(titulo);
        QCOMPARE(bool(r->model()->index(0, c).flags() & Qt::ItemIsEditable), grupo);
        // At least the stored width; wider where the caption needs it.
        QVERIFY(r->columnWidth(c) >= (titulo == QLatin1String("Nutrient") ? 116
                                      : titulo == QLatin1String("Unit")   ? 76
                                                                          : 93));
    }
    if (n == 3)
        QCOMPARE(r->model()
                     ->index(filaDe(fx, r, QStringLiteral("Calcium_Ca")),
                             columnaDe(r, QStringLiteral("Unit")))
                     .data()
                     .toString(),
                 QStringLiteral("mg"));
    // Name and unit cannot be changed, not even through the model.
    if (!delante.isEmpty())
        QVERIFY(!r->model()->setData(r->model()->index(0, 1), QStringLiteral("Other")));
    QCOMPARE(fx.entradasLog(), 0);
}

void PruebaDRIs::valoresEscritos_data()
{
    QTest::addColumn<QLocale>("local");
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<bool>("borrar"); // clear the cell before typing
    QTest::addColumn<QVariant>("guardado");

    const QLocale ingles(QLocale::English, QLocale::UnitedStates);
    const QLocale espanol(QLocale::Spanish, QLocale::Spain);
    QTest::newRow("decimal point") << ingles << "1.5" << true << QVariant(1.5);
    QTest::newRow("decimal comma of the user") << espanol << "2,5" << true << QVariant(2.5);
    QTest::newRow("decimal point with a comma locale") << espanol << "3.5" << true << QVariant(3.5);
    QTest::newRow("emptied cell is null") << ingles << "" << true << QVariant();
    QTest::newRow("letters refused") << ingles << "12abc" << true << QVariant(12.0);
    QTest::newRow("letters after the value refused") << ingles << "x" << false << QVariant(1000.0);
    QTest::newRow("a lone point is no number") << ingles << "." << true << QVariant(1000.0);
    QTest::newRow("a comma is no separator in English")
        << ingles << "1,5" << true << QVariant(15.0);
}

void PruebaDRIs::valoresEscritos()
{
    QFETCH(QLocale, local);
    QFETCH(QString, tecleado);
    QFETCH(bool, borrar);
    QFETCH(QVariant, guardado);

    LocalTemporal temporal(local);
    Fixture fx;
    RegistroMensajes msgs;
    VentanaPrincipal f;
    f.cargar();
    f.ui().tbs_fichas->setCurrentWidget(f.ui().frm_siete);
    RejillaDatos* r = f.ui().dgr_dri4;
    const int calcio = filaDe(fx, r, QStringLiteral("Calcium_Ca"));
    escribir(r, calcio, columnaDe(r, QStringLiteral("Males 19 - 30 y")), tecleado, borrar);
    // Nothing is written while the user stays in the row.
    QCOMPARE(valorDRI(fx, QStringLiteral("males3"), QStringLiteral("Calcium_Ca")).toDouble(),
             1000.0);
    moverAFila(r, filaDe(fx, r, QStringLiteral("Sodium_Na")));

    const QVariant v = valorDRI(fx, QStringLiteral("males3"), QStringLiteral("Calcium_Ca"));
    QCOMPARE(v.isNull(), guardado.isNull());
    if (!guardado.isNull())
        QCOMPARE(v.toDouble(), guardado.toDouble());
    // The neighbours of the cell are untouched.
    QCOMPARE(valorDRI(fx, QStringLiteral("males4"), QStringLiteral("Calcium_Ca")).toDouble(),
             1000.0);
    QCOMPARE(valorDRI(fx, QStringLiteral("males3"), QStringLiteral("Sodium_Na")).toDouble(),
             1500.0);
    QCOMPARE(r->model()->rowCount(), 4);
    QVERIFY(msgs.mostrados().isEmpty());
    QCOMPARE(fx.entradasLog(), 0);
}

void PruebaDRIs::proteinaEnLaEvaluacion_data()
{
    QTest::addColumn<QString>("como");
    QTest::newRow("moving to the Empty row") << "row";
    QTest::newRow("switching to tab 5 in the row") << "tab";
    QTest::newRow("closing the window in the row") << "close";
}

void PruebaDRIs::proteinaEnLaEvaluacion()
{
    QFETCH(QString, como);

    Fixture fx;
    RegistroMensajes msgs;
    fx.ejecutar(QStringLiteral("update profiles set age=6, gender=0, weight=70 where id=1"));
    fx.ejecutar(QStringLiteral("insert into total (id, description, group_id, Protein) values "
                               "(90001, 'Test food', '0100', 100)"));
    fx.ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values (1, 90001, "
                               "392)"));
    auto f = std::make_unique<VentanaPrincipal>();
    f->cargar();
    f->ui().tbs_fichas->setCurrentWidget(f->ui().frm_siete);
    RejillaDatos* r = f->ui().dgr_dri1;
    escribir(r, filaDe(fx, r, QStringLiteral("Protein")),
             columnaDe(r, QStringLiteral("Males 19 - 30 y")), QStringLiteral("1"));
    if (como == QLatin1String("row"))
        moverAFila(r, filaDe(fx, r, QStringLiteral("Empty")));
    else if (como == QLatin1String("tab"))
        f->ui().tbs_fichas->setCurrentWidget(f->ui().frm_cinco);
    else
        f->close();

    QCOMPARE(valorDRI(fx, QStringLiteral("males3"), QStringLiteral("Protein")).toDouble(), 1.0);
    if (como == QLatin1String("close")) {
        f.reset();
        f = std::make_unique<VentanaPrincipal>();
        f->cargar();
    }
    f->ui().tbs_fichas->setCurrentWidget(f->ui().frm_cinco);
    // 392 g against 1 g/kg x 70 kg a day for seven days.
    QTreeWidget* l = f->ui().lsv_wri;
    const QList<QTreeWidgetItem*> proteina =
        l->findItems(QStringLiteral("Protein"), Qt::MatchExactly, 0);
    QCOMPARE(proteina.size(), 1);
    QCOMPARE(proteina.first()->text(3), QStringLiteral("80"));
    QCOMPARE(fx.entradasLog(), 0);
}

void PruebaDRIs::filaVaciaTrasReiniciar()
{
    Fixture fx;
    RegistroMensajes msgs;
    {
        VentanaPrincipal f;
        f.cargar();
        f.ui().tbs_fichas->setCurrentWidget(f.ui().frm_siete);
        RejillaDatos* r = f.ui().dgr_dri1;
        escribir(r, filaDe(fx, r, QStringLiteral("Empty")),
                 columnaDe(r, QStringLiteral("Females > 70 y")), QStringLiteral("5"));
        moverAFila(r, filaDe(fx, r, QStringLiteral("Protein")));
        QCOMPARE(valorDRI(fx, QStringLiteral("females6"), QStringLiteral("Empty")).toDouble(), 5.0);
        f.close();
    }
    QVERIFY(valorDRI(fx, QStringLiteral("females6"), QStringLiteral("Empty")).isNull());

    VentanaPrincipal f;
    f.cargar();
    RejillaDatos* r = f.ui().dgr_dri1;
    const QModelIndex celda = r->model()->index(filaDe(fx, r, QStringLiteral("Empty")),
                                                columnaDe(r, QStringLiteral("Females > 70 y")));
    QCOMPARE(celda.data().toString(), QString());
    // The placeholder never reaches the evaluation.
    QVERIFY(!valoresRecomendados().contiene(QStringLiteral("Empty")));
}

void PruebaDRIs::sinBaseRejillasVacias()
{
    Fixture fx(false);
    RegistroMensajes msgs;
    VentanaPrincipal f;
    f.cargar();
    for (int n = 0; n < 4; ++n)
        QCOMPARE(rejilla(f, n)->model()->rowCount(), 0);
    f.close();
}

QTEST_MAIN(PruebaDRIs)
#include "tst_dris.moc"
