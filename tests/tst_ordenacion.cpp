// Numeric column sorting of the ranking and results lists: the order and the
// texts left in the cells must be those of sorting the zero-filled texts.

#include "apoyo/escena.h"
#include "evaluation/ordenacion.h"

#include <QComboBox>
#include <QRandomGenerator>

#include <algorithm>

namespace {

// A list shaped like the results list: Nutrient, Unit, Intake, % WRI.
std::unique_ptr<QTreeWidget> listaResultados(const QStringList& intake)
{
    auto l = std::make_unique<QTreeWidget>();
    l->setHeaderLabels({"Nutrient", "Unit", "Intake", "% WRI"});
    const char* const claves[] = {"uno", "dos", "tres", "cuatro"};
    for (int i = 0; i < 4; ++i)
        l->headerItem()->setData(i, RolClaveColumna, QLatin1String(claves[i]));
    int n = 0;
    for (const QString& t : intake) {
        auto* f = new FilaNumerica(l.get());
        f->setText(0, QStringLiteral("N%1").arg(n++, 3, 10, QLatin1Char('0')));
        f->setText(1, QStringLiteral("g"));
        f->setText(2, t);
        f->setText(3, t);
    }
    return l;
}

QStringList columna(const QTreeWidget& l, int c)
{
    QStringList t;
    for (int i = 0; i < l.topLevelItemCount(); ++i)
        t << l.topLevelItem(i)->text(c);
    return t;
}

// What the zero-filled method shows: pad every cell, sort the texts (ties
// keep their order), restore every cell.
QStringList porTextoRelleno(const QStringList& textos, bool ascendente)
{
    QStringList claves;
    for (const QString& t : textos)
        claves << clavePadded(t);
    if (ascendente)
        std::stable_sort(claves.begin(), claves.end());
    else
        std::stable_sort(claves.begin(), claves.end(), std::greater<QString>());
    QStringList r;
    for (const QString& c : claves)
        r << textoRestaurado(c);
    return r;
}

} // namespace

class TstOrdenacion : public QObject
{
    Q_OBJECT

private slots:
    void init() { ordenColumnas().clear(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void relleno_data();
    void relleno();
    void celdaVaciaQuedaVaciaYAbajo();
    void textoNumero_data();
    void textoNumero();
    void comoTextoRelleno_data();
    void comoTextoRelleno();
    void valoresAlAzar_data();
    void valoresAlAzar();
    void alternarYReaplicar();
    void rankingCompartePorTitulo();
};

void TstOrdenacion::relleno_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("relleno");
    QTest::addColumn<QString>("restaurado");

    QTest::newRow("decimal point") << "12.5"
                                   << "0000000012.5"
                                   << "12.5";
    QTest::newRow("decimal comma") << "0,25"
                                   << "0000000000,25"
                                   << "0,25";
    QTest::newRow("whole") << "7"
                           << "0000000007"
                           << "7";
    QTest::newRow("zero") << "0"
                          << "0000000000"
                          << "0";
    QTest::newRow("empty") << ""
                           << "0000000000"
                           << "0";
    QTest::newRow("eleven digits") << "12345678901"
                                   << "12345678901"
                                   << "12345678901";
    QTest::newRow("zero point") << "0.5"
                                << "0000000000.5"
                                << "0.5";
}

void TstOrdenacion::relleno()
{
    QFETCH(QString, texto);
    QFETCH(QString, relleno);
    QFETCH(QString, restaurado);
    QCOMPARE(clavePadded(texto), relleno);
    QCOMPARE(textoRestaurado(relleno), restaurado);
}

void TstOrdenacion::textoNumero_data()
{
    QTest::addColumn<QString>("idioma");
    QTest::addColumn<double>("valor");
    QTest::addColumn<QString>("texto");

    QTest::newRow("point") << "C" << 12.25 << "12.25";
    QTest::newRow("comma") << "de_DE" << 12.25 << "12,25";
    QTest::newRow("no thousands separator") << "de_DE" << 38758.0 << "38758";
    QTest::newRow("no exponent for small") << "C" << 0.00001 << "0.00001";
    QTest::newRow("no exponent for large") << "C" << 1e16 << "10000000000000000";
    QTest::newRow("fifteen digits") << "C" << 0.1 + 0.2 << "0.3";
}

void TstOrdenacion::textoNumero()
{
    QFETCH(QString, idioma);
    QFETCH(double, valor);
    QFETCH(QString, texto);
    QLocale::setDefault(QLocale(idioma));
    QCOMPARE(::textoNumero(valor), texto);
}

void TstOrdenacion::celdaVaciaQuedaVaciaYAbajo()
{
    // A "% WRI" without a reference value is not 0 %: it keeps its empty cell.
    auto l = listaResultados({"5", "", "0,5"});
    ordenarColumnasWRI(l.get(), 3);
    QCOMPARE(columna(*l, 3), (QStringList{"", "0,5", "5"}));
    ordenarColumnasWRI(l.get(), 3);
    QCOMPARE(columna(*l, 3), (QStringList{"5", "0,5", ""}));
}

void TstOrdenacion::comoTextoRelleno_data()
{
    QTest::addColumn<QStringList>("textos");
    QTest::addColumn<QStringList>("ascendente");

    QTest::newRow("100 9.5 10 0") << QStringList{"100", "9.5", "10", "0"}
                                  << QStringList{"0", "9.5", "10", "100"};
    QTest::newRow("decimals as written")
        << QStringList{"12.5", "12.25", "12", "1.75"} << QStringList{"1.75", "12", "12.25", "12.5"};
    QTest::newRow("decimal comma") << QStringList{"12,5", "0,25", "3", "12,25", "100"}
                                   << QStringList{"0,25", "3", "12,25", "12,5", "100"};
    QTest::newRow("more than ten digits sort as text")
        << QStringList{"9999999999", "12345678901", "5"}
        << QStringList{"0000000005", "12345678901", "9999999999"};
}

void TstOrdenacion::comoTextoRelleno()
{
    QFETCH(QStringList, textos);
    QFETCH(QStringList, ascendente);
    // Restoring strips the zeros again, so the expected texts are restored too.
    for (QString& t : ascendente)
        t = textoRestaurado(t);

    auto l = listaResultados(textos);
    ordenarColumnasWRI(l.get(), 3);
    QCOMPARE(columna(*l, 3), ascendente);
    QCOMPARE(columna(*l, 3), porTextoRelleno(textos, true));
    ordenarColumnasWRI(l.get(), 3);
    QCOMPARE(columna(*l, 3), porTextoRelleno(textos, false));
    // The other numeric column of the row was not rewritten.
    QStringList otra = columna(*l, 2);
    std::sort(otra.begin(), otra.end());
    QStringList originales = textos;
    std::sort(originales.begin(), originales.end());
    QCOMPARE(otra, originales);
}

void TstOrdenacion::valoresAlAzar_data()
{
    QTest::addColumn<QString>("idioma");
    QTest::newRow("point") << "C";
    QTest::newRow("comma") << "de_DE";
}

void TstOrdenacion::valoresAlAzar()
{
    QFETCH(QString, idioma);
    QLocale::setDefault(QLocale(idioma));

    // Every kind of number the lists show: ranking values as stored (up to
    // three decimals), results rounded to two decimals, whole numbers, zeros
    // and repeated values, up to ten integer digits.
    QRandomGenerator azar(20240611);
    QList<double> valores{0, 0, 100, 9.5, 10, 12.25, 12.5, 9999999999.99, 0.001};
    for (int i = 0; i < 3000; ++i) {
        const int escala = azar.bounded(11);
        const double base = azar.generateDouble() * std::pow(10.0, escala);
        const int decimales = azar.bounded(4);
        valores << std::round(base * std::pow(10.0, decimales)) / std::pow(10.0, decimales);
    }
    QStringList textos;
    for (double v : valores)
        textos << ::textoNumero(v);

    auto l = listaResultados(textos);
    for (int i = 0; i < l->topLevelItemCount(); ++i)
        ponerNumero(l->topLevelItem(i), 2, valores.at(i));
    ordenarColumnasWRI(l.get(), 2);
    const QStringList ascendente = columna(*l, 2);
    QCOMPARE(ascendente, porTextoRelleno(textos, true));
    // The texts are the same as before, and in numeric order.
    QStringList ordenados = textos;
    std::sort(ordenados.begin(), ordenados.end(), [](const QString& a, const QString& b) {
        return QLocale().toDouble(a) < QLocale().toDouble(b);
    });
    QCOMPARE(ascendente, ordenados);
    ordenarColumnasWRI(l.get(), 2);
    QCOMPARE(columna(*l, 2), porTextoRelleno(textos, false));
}

void TstOrdenacion::alternarYReaplicar()
{
    auto l = listaResultados({"100", "9.5", "10", "0"});
    const QStringList arriba{"0", "9.5", "10", "100"};
    const QStringList abajo{"100", "10", "9.5", "0"};
    ordenarColumnasWRI(l.get(), 3);
    QCOMPARE(columna(*l, 3), arriba);
    QCOMPARE(ultimaColumnaWRI(), QStringLiteral("cuatro"));
    ordenarColumnasWRI(l.get(), 3);
    QCOMPARE(columna(*l, 3), abajo);
    ordenarColumnasWRI(l.get(), 3);
    QCOMPARE(columna(*l, 3), arriba);
    QCOMPARE(ordenColumnas().value(QStringLiteral("% WRI")), true);

    // Rebuilt rows are sorted again the way the list was, without a toggle.
    ordenarColumnasWRI(l.get(), 3);
    l->clear();
    for (const char* t : {"7", "70", "0,5"}) {
        auto* f = new FilaNumerica(l.get());
        f->setText(3, QLatin1String(t));
    }
    ordenarColumnasWRI(l.get(), 3, true);
    QCOMPARE(columna(*l, 3), (QStringList{"70", "7", "0,5"}));
    QCOMPARE(ordenColumnas().value(QStringLiteral("% WRI")), false);
}

void TstOrdenacion::rankingCompartePorTitulo()
{
    Escena e(2);
    QTreeWidget* l = e.ui().lsv_ordenado;
    auto ordenar = [&](const char* clave) {
        e.ui().cmb_nutrientes->setCurrentIndex(
            e.ui().cmb_nutrientes->findData(QLatin1String(clave)));
        QTest::mouseClick(e.ui().cmd_listadoOrdenado, Qt::LeftButton);
    };
    ordenar("Protein");
    Escena::pulsarCabecera(l, 1);
    QCOMPARE(Escena::textos(l, 1), (QStringList{"0.26", "0.85", "0.93", "3.15", "6.5", "12.92"}));
    Escena::pulsarCabecera(l, 1);
    QCOMPARE(Escena::textos(l, 1), (QStringList{"12.92", "6.5", "3.15", "0.93", "0.85", "0.26"}));
    // The food column sorts by its text.
    Escena::pulsarCabecera(l, 0);
    QCOMPARE(Escena::textos(l).first(), QStringLiteral("Apples, raw, with skin"));

    // Another nutrient in g continues the alternation; a unit of its own
    // starts again with ascending.
    ordenar("Carbohydrate");
    Escena::pulsarCabecera(l, 1);
    QCOMPARE(Escena::textos(l, 1).first(), QStringLiteral("0.06"));
    ordenar("Carbohydrate");
    Escena::pulsarCabecera(l, 1);
    QCOMPARE(Escena::textos(l, 1).first(), QStringLiteral("62"));
    ordenar("Calcium_Ca");
    Escena::pulsarCabecera(l, 1);
    QCOMPARE(Escena::textos(l, 1).first(), QStringLiteral("6"));
    QCOMPARE(e.fx.entradasLog(), 0);
}

QTEST_MAIN(TstOrdenacion)
#include "tst_ordenacion.moc"
