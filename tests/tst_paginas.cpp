// The week's report on pages: a week of 2,000 foods, some with descriptions
// long enough to wrap, laid out on A4; no row is cut by a page break, every
// page a table goes on to starts with its header, no page ends early, and
// the PDF holds the pages the layout counted, on the paper of the locale.

#include "apoyo/fixture.h"
#include "evaluation/limitessuperiores.h"
#include "evaluation/sesion.h"
#include "profiles/perfiles.h"
#include "storage/basedatos.h"
#include "windows/evaluation/composicioninforme.h"
#include "windows/evaluation/salidainforme.h"

#include <QFile>
#include <QLocale>
#include <QPdfWriter>
#include <QTest>

#include <cmath>

namespace {

Informe informeDe(Sesion& sesion)
{
    extraerDatosPersonales(sesion.perfilActual);
    sesion.establecerValoresRecomendados();
    sesion.evaluar();
    QString fallo;
    Informe informe = prepararInforme(sesion, {}, &fallo);
    if (!fallo.isEmpty())
        qWarning() << fallo;
    return informe;
}

// The PDF's pages and the size of its first one, in points.
QPair<int, QByteArray> leerPdf(const QString& ruta)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        return {};
    const QByteArray pdf = archivo.readAll();
    if (!pdf.startsWith("%PDF-"))
        return {};
    const int caja = pdf.indexOf("/MediaBox [");
    return {int(pdf.count("/Type /Page\n")),
            pdf.mid(caja + 11, pdf.indexOf(']', caja) - caja - 11)};
}

} // namespace

class TstPaginas : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        almacen::cerrarBase();
    }

    void dosMilAlimentos()
    {
        Fixture fx;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        fx.ejecutar("update profiles set age=6, gender=0, weight=70 where id=1");
        // Copies of the milk; every seventh with a description of several
        // lines.
        fx.ejecutar(
            QStringLiteral("insert into total (id, description, group_id, %1, Retinol) with "
                           "recursive n(i) as (select 1 union all select i + 1 from n where i < "
                           "2000) select 100000 + i, 'Food ' || i || case when i % 7 = 0 then "
                           "replace(hex(zeroblob(20 + i % 30)), '00', ', milk, whole') else '' "
                           "end, group_id, %1, Retinol from n, total where total.id = %2")
                .arg(Fixture::claves().join(QStringLiteral(", ")))
                .arg(Fixture::leche));
        fx.ejecutar("insert into saves (prof_id, food_id, intake) select 1, id, 100 + id % 6 * 100 "
                    "from total where id > 100000");
        QVERIFY(almacen::abrirBase().isEmpty());
        Sesion sesion;
        const Informe informe = informeDe(sesion);
        QCOMPARE(informe.alimentos.size(), 2000);

        int paginas = 0;
        QString fallo;
        const QString ruta = fx.ruta(QStringLiteral("week.pdf"));
        QVERIFY2(salidaInforme::escribirPdf(informe, ruta, &fallo, &paginas), qPrintable(fallo));
        const auto [enPdf, caja] = leerPdf(ruta);
        QCOMPARE(enPdf, paginas);
        QCOMPARE(caja, QByteArray("0 0 595.000000 842.000000")); // A4

        QPdfWriter a4(fx.ruta(QStringLiteral("a4.pdf")));
        a4.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        const ComposicionInforme composicion(informe, ComposicionInforme::paginaDe(a4));
        QCOMPARE(composicion.paginas(), paginas);
        const double alto = composicion.cuerpo().height();

        const QList<ComposicionInforme::Colocacion> filas = composicion.filasColocadas();
        int siguiente[2] = {0, 0};
        int paginaAnterior[2] = {-1, -1};
        double altoFilas = 0.0;
        for (int i = 0; i < filas.size(); ++i) {
            const ComposicionInforme::Colocacion& c = filas.at(i);
            QVERIFY(c.rect.top() >= 0.0 && c.rect.bottom() <= alto + 1e-9);
            if (c.pagina != paginaAnterior[c.tabla]) {
                // A table starts every page it is on with its header.
                QCOMPARE(c.fila, -1);
                paginaAnterior[c.tabla] = c.pagina;
                if (i > 0 && filas.at(i - 1).tabla == c.tabla) {
                    // On a page it goes on to, the header is the first row,
                    // at the top of the body.
                    QCOMPARE(c.rect.top(), 0.0);
                    // The page before ended only because this row's header
                    // and the row after it did not fit.
                    QVERIFY(filas.at(i - 1).rect.bottom() + filas.at(i + 1).rect.height() > alto);
                }
                continue;
            }
            // Under the row before it (or the header), on the same page.
            QCOMPARE(c.pagina, filas.at(i - 1).pagina);
            QCOMPARE(c.rect.top(), filas.at(i - 1).rect.bottom());
            QCOMPARE(c.fila, siguiente[c.tabla]++); // each row once, in order
            if (c.tabla == 1)
                altoFilas += c.rect.height();
        }
        QCOMPARE(siguiente[0], informe.filas.size());
        QCOMPARE(siguiente[1], 2000);
        // The foods alone need at least this many pages.
        QVERIFY(paginas > std::ceil(altoFilas / alto));
    }

    // A US English user gets Letter paper.
    void cartaEnEstadosUnidos()
    {
        Fixture fx;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        fx.ejecutar("update profiles set age=6, gender=1, weight=60 where id=1");
        fx.ejecutar(
            QStringLiteral("insert into saves (prof_id, food_id, intake) values (1, %1, 700)")
                .arg(Fixture::leche));
        QVERIFY(almacen::abrirBase().isEmpty());
        Sesion sesion;
        const Informe informe = informeDe(sesion);
        int paginas = 0;
        const QString ruta = fx.ruta(QStringLiteral("week.pdf"));
        QVERIFY(salidaInforme::escribirPdf(informe, ruta, nullptr, &paginas));
        QCOMPARE(leerPdf(ruta), qMakePair(paginas, QByteArray("0 0 612.000000 792.000000")));
    }
};

QTEST_MAIN(TstPaginas)
#include "tst_paginas.moc"
