// Numeric column sorting of the ranking and results lists: the order and the
// texts left in the cells must be those of sorting the zero-filled texts.

#include "apoyo/escena.h"
#include "catalogue/cifras.h"
#include "windows/common/numeros.h"
#include "windows/common/roles.h"
#include "windows/evaluation/modeloresultados.h"
#include "windows/evaluation/ordenacion.h"

#include <QComboBox>
#include <QRandomGenerator>
#include <QStandardItemModel>

#include <algorithm>

namespace {

// The sort state a session would hold.
QHash<QString, bool> ordenColumnas;
QString ultimaColumnaWRI;

// A list shaped like the results list: Nutrient, Unit, Intake, % WRI, its
// numeric cells sorting as the results' do.
struct ListaResultados
{
    QStandardItemModel filas;
    OrdenResultados orden;
    QTreeView vista;

    explicit ListaResultados(const QStringList& textos)
    {
        filas.setHorizontalHeaderLabels({"Nutrient", "Unit", "Intake", "% WRI"});
        const char* const claves[] = {"uno", "dos", "tres", "cuatro"};
        for (int i = 0; i < 4; ++i)
            filas.setHeaderData(i, Qt::Horizontal, QLatin1String(claves[i]), RolClaveColumna);
        poner(textos);
        orden.setSourceModel(&filas);
        orden.setDynamicSortFilter(false);
        vista.setModel(&orden);
    }
    void poner(const QStringList& textos)
    {
        filas.setRowCount(0);
        for (const QString& t : textos) {
            QList<QStandardItem*> fila{new QStandardItem, new QStandardItem};
            for (int i = 0; i < 2; ++i) {
                fila << new QStandardItem(t);
                fila.last()->setData(ModeloResultados::claveOrden(t), RolClaveOrden);
            }
            filas.appendRow(fila);
        }
        orden.olvidarOrden();
    }
};

void ordenarWRI(ListaResultados& l, int columna, bool reaplicar = false)
{
    ordenarColumnasWRI(&l.vista, columna, ordenColumnas, ultimaColumnaWRI, reaplicar);
}

QStringList columna(const ListaResultados& l, int c)
{
    return Escena::textos(&l.vista, c);
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
    for (QString& c : claves)
        c = textoRestaurado(c);
    return claves;
}

} // namespace

class TstOrdenacion : public QObject
{
    Q_OBJECT

private slots:
    void init() { ordenColumnas.clear(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void textoNumero_data()
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
        QTest::newRow("Arabic digits") << "ar_EG" << 1263.04 << QString::fromUtf8("١٢٦٣٫٠٤");
        QTest::newRow("Arabic zero") << "ar_EG" << 0.0 << QString::fromUtf8("٠");
    }
    void textoNumero()
    {
        QFETCH(QString, idioma);
        QFETCH(double, valor);
        QFETCH(QString, texto);
        QLocale::setDefault(QLocale(idioma));
        QCOMPARE(::textoNumero(valor), texto);
    }

    void celdaVaciaQuedaVaciaYAbajo()
    {
        // A "% WRI" without a reference value is not 0 %: it keeps its empty cell.
        ListaResultados l({"5", "", "0,5"});
        ordenarWRI(l, 3);
        QCOMPARE(columna(l, 3), (QStringList{"", "0,5", "5"}));
        ordenarWRI(l, 3);
        QCOMPARE(columna(l, 3), (QStringList{"5", "0,5", ""}));
    }

    void comoTextoRelleno_data()
    {
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<QStringList>("ascendente");
        QTest::newRow("100 9.5 10 0")
            << QStringList{"100", "9.5", "10", "0"} << QStringList{"0", "9.5", "10", "100"};
        QTest::newRow("decimals as written") << QStringList{"12.5", "12.25", "12", "1.75"}
                                             << QStringList{"1.75", "12", "12.25", "12.5"};
        QTest::newRow("decimal comma") << QStringList{"12,5", "0,25", "3", "12,25", "100"}
                                       << QStringList{"0,25", "3", "12,25", "12,5", "100"};
        // Past ten digits the padded text no longer follows the number.
        QTest::newRow("more than ten digits sort as text")
            << QStringList{"9999999999", "12345678901", "5"}
            << QStringList{"5", "12345678901", "9999999999"};
    }
    void comoTextoRelleno()
    {
        QFETCH(QStringList, textos);
        QFETCH(QStringList, ascendente);

        ListaResultados l(textos);
        ordenarWRI(l, 3);
        QCOMPARE(columna(l, 3), ascendente);
        QCOMPARE(columna(l, 3), porTextoRelleno(textos, true));
        ordenarWRI(l, 3);
        QCOMPARE(columna(l, 3), porTextoRelleno(textos, false));
        // Both numeric cells of a row held the same text: neither was rewritten.
        QCOMPARE(columna(l, 2), columna(l, 3));
    }

    // Every kind of number the lists show: ranking values as stored (up to
    // three decimals), results rounded to two decimals, whole numbers, zeros
    // and repeated values, up to ten integer digits, in both separators.
    void valoresAlAzar_data()
    {
        QTest::addColumn<QString>("idioma");
        QTest::newRow("point") << "C";
        QTest::newRow("comma") << "de_DE";
        QTest::newRow("Arabic digits and separator") << "ar_EG";
    }
    void valoresAlAzar()
    {
        QFETCH(QString, idioma);
        QLocale::setDefault(QLocale(idioma));
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

        ListaResultados l(textos);
        ordenarWRI(l, 2);
        QCOMPARE(columna(l, 2), porTextoRelleno(textos, true));
        // In numeric order, in the user's digits.
        double anterior = -1;
        for (const QString& t : columna(l, 2)) {
            const std::optional<double> v = cifras::leerDecimal(t, QLocale());
            QVERIFY2(v && *v >= anterior, qPrintable(t));
            anterior = *v;
        }
        ordenarWRI(l, 2);
        QCOMPARE(columna(l, 2), porTextoRelleno(textos, false));
    }

    void alternarYReaplicar()
    {
        ListaResultados l({"100", "9.5", "10", "0"});
        ordenarWRI(l, 3);
        QCOMPARE(ultimaColumnaWRI, QStringLiteral("cuatro"));
        ordenarWRI(l, 3); // now descending

        // Rebuilt rows are sorted again the way the list was, without a toggle.
        l.poner({"7", "70", "0,5"});
        ordenarWRI(l, 3, true);
        QCOMPARE(columna(l, 3), (QStringList{"70", "7", "0,5"}));
        QCOMPARE(ordenColumnas.value(QStringLiteral("% WRI")), false);
    }

    // Rows that tie keep the order the list showed, in either direction, as
    // a list sorted in place does.
    void empatesGuardanElOrden()
    {
        ListaResultados l({"3", "1", "2", "4"});
        const char* const unidades[] = {"mg", "g", "mg", "g"};
        for (int i = 0; i < 4; ++i)
            l.filas.item(i, 1)->setText(QLatin1String(unidades[i]));
        ordenarWRI(l, 2);
        ordenarWRI(l, 1);
        QCOMPARE(columna(l, 2), (QStringList{"1", "4", "2", "3"}));
        ordenarWRI(l, 2); // descending: 4 3 2 1
        ordenarWRI(l, 1); // descending too: "mg" first, each unit still 4 3 2 1
        QCOMPARE(columna(l, 2), (QStringList{"3", "2", "4", "1"}));
    }

    void rankingCompartePorTitulo()
    {
        Escena e(2);
        QTreeWidget* l = e.ui().lsv_ordenado;
        // Sorts by a nutrient and clicks the value header.
        auto ordenar = [&](const char* clave) {
            e.ui().cmb_nutrientes->setCurrentIndex(
                e.ui().cmb_nutrientes->findData(QLatin1String(clave)));
            QTest::mouseClick(e.ui().cmd_listadoOrdenado, Qt::LeftButton);
            Escena::pulsarCabecera(l, 1);
            return Escena::textos(l, 1);
        };
        const QStringList arriba{"0.26", "0.85", "0.93", "3.15", "6.5", "12.92"};
        QCOMPARE(ordenar("Protein"), arriba);
        Escena::pulsarCabecera(l, 1);
        QCOMPARE(Escena::textos(l, 1), QStringList(arriba.rbegin(), arriba.rend()));
        // The food column sorts by its text.
        Escena::pulsarCabecera(l, 0);
        QCOMPARE(Escena::textos(l).first(), QStringLiteral("Apples, raw, with skin"));

        // Another nutrient in g continues the alternation; a unit of its own
        // starts again with ascending.
        QCOMPARE(ordenar("Carbohydrate").first(), QStringLiteral("0.06"));
        QCOMPARE(ordenar("Carbohydrate").first(), QStringLiteral("62"));
        QCOMPARE(ordenar("Calcium_Ca").first(), QStringLiteral("6"));
        QCOMPARE(e.fx.entradasLog(), 0);
    }
};

QTEST_MAIN(TstOrdenacion)
#include "tst_ordenacion.moc"
