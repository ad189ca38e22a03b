// A real week on the delivered database: what the detail window, tab 5, the
// report and the CSV say of the foods of unknown value and of the judgement.

#include "apoyo/fixture.h"
#include "apoyo/pantalla.h"
#include "apoyo/registromensajes.h"
#include "apoyo/vista.h"
#include "evaluation/adecuacion.h"
#include "evaluation/informe.h"
#include "windows/catalogue/ficha.h"
#include "windows/evaluation/salidainforme.h"
#include "windows/main/ventanaprincipal.h"

#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString entregada = QStringLiteral(ALIMETRA_ENTREGADA);
constexpr qint64 salmon = 15237; // Fish, salmon, Atlantic, farmed, cooked, dry heat

QString celda(const QList<QStringList>& filas, const QString& nombre, int columna)
{
    for (const QStringList& f : filas)
        if (f.value(0) == nombre)
            return f.value(columna);
    return QStringLiteral("(no row)");
}

} // namespace

class TstSemanaReal : public QObject
{
    Q_OBJECT

private slots:
    void semanaConSalmon()
    {
        Fixture fx(false);
        QVERIFY(fx.usarCopia(entregada));
        // A woman of 31 - 50 years, 62 kg: salmon, milk, bread, apples.
        fx.ejecutar("update profiles set age=7, gender=1, weight=62 where id=1");
        fx.ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values (1, %1, "
                                   "280), (1, 1077, 1750), (1, 18075, 560), (1, 9003, 1050)")
                        .arg(salmon));
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();

        // The detail window: vitamin D of salmon was never measured.
        Ficha* ficha = cargarInfoCompleta(&f, f.sesion().valoresRecomendados,
                                          QStringLiteral("Finfish and Shellfish Products"), salmon);
        const vista::Fila d =
            vista::buscar(::ui(*ficha).lsv_infoCompleta, QStringLiteral("Vitamin D"));
        QVERIFY(d);
        QCOMPARE(d.text(2), QStringLiteral("unknown"));

        ::ui(f).tbs_fichas->setCurrentWidget(::ui(f).frm_cinco);
        const vista::Fila enLista = vista::buscar(::ui(f).lsv_wri, QStringLiteral("Vitamin D"));
        QVERIFY(enLista);
        const QString juicio = enLista.text(7);
        QVERIFY2(juicio.endsWith(QStringLiteral(", 1 food unknown")), qPrintable(juicio));
        QVERIFY(enLista.toolTip(7).contains(QStringLiteral(
            "1 food of unknown value: Fish, salmon, Atlantic, farmed, cooked, dry heat 280 g")));

        // Magnesium's chance from the delivered EAR and RDA of the group.
        const Juicio mg = f.sesion().evaluacion.juicios.value(QStringLiteral("Magnesium_Mg"));
        QCOMPARE(*mg.requerimiento, 265.0);
        QCOMPARE(*mg.referencia, 320.0);
        QVERIFY(qAbs(*mg.probabilidad - adecuacion::phi((mg.diaria - 265) / 27.5)) < 1e-12);
        QVERIFY(vista::buscar(::ui(f).lsv_wri, QStringLiteral("Magnesium, Mg"))
                    .text(7)
                    .contains(adecuacion::textoProbabilidad(*mg.probabilidad)));
        // Iron: the band only.
        const Juicio hierro = f.sesion().evaluacion.juicios.value(QStringLiteral("Iron_Fe"));
        QVERIFY(hierro.requerimiento && !hierro.probabilidad);
        QVERIFY(!vista::buscar(::ui(f).lsv_wri, QStringLiteral("Iron, Fe"))
                     .text(7)
                     .contains(QLatin1Char('%')));

        // The report's pages, the HTML file and the CSV say it word for word.
        const Informe informe = prepararInforme(f.sesion(), {}, nullptr);
        QCOMPARE(celda(tablaResultados(informe).filas, QStringLiteral("Vitamin D"), 7), juicio);
        QVERIFY(salidaInforme::html(informe).contains(juicio.toHtmlEscaped()));
        QVERIFY(QString::fromUtf8(csvResultados(informe)).contains(juicio));
        QCOMPARE(fx.entradasLog(), 0);
    }
};

QTEST_MAIN(TstSemanaReal)
#include "tst_semanareal.moc"
