// The program's texts in Spanish when the system's language is Spanish (this
// test runs with LANG=es_ES.UTF-8), English otherwise; and a catalogue whose
// translations keep what the program fills in.

#include "apoyo/fixture.h"
#include "apoyo/pantalla.h"
#include "apoyo/registromensajes.h"
#include "evaluation/informe.h"
#include "windows/common/idioma.h"
#include "windows/main/ventanaprincipal.h"

#include <QFile>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QStringList captions(VentanaPrincipal& f)
{
    QStringList t;
    for (int i = 0; i < ui(f).tbs_fichas->count(); ++i)
        t << ui(f).tbs_fichas->tabToolTip(i);
    return t;
}

// What a translation must keep of its source: the placeholders, whether it
// has a shortcut letter, and the spaces and line breaks at either end.
QString huella(const QString& texto)
{
    QStringList marcas;
    QRegularExpressionMatchIterator i =
        QRegularExpression(QStringLiteral("%L?\\d")).globalMatch(texto);
    while (i.hasNext())
        marcas << i.next().captured();
    marcas.sort();
    // A shortcut letter, not a doubled & nor an HTML entity.
    static const QRegularExpression entidad(QStringLiteral("&&|&#?\\w+;"));
    static const QRegularExpression atajo(QStringLiteral("&\\w"));
    const bool conAtajo = QString(texto).remove(entidad).contains(atajo);
    static const QRegularExpression principio(QStringLiteral("^\\s*"));
    static const QRegularExpression fin(QStringLiteral("\\s*$"));
    return marcas.join(QLatin1Char(',')) +
           (conAtajo ? QStringLiteral("|&|") : QStringLiteral("|")) +
           principio.match(texto).captured() + QLatin1Char('|') + fin.match(texto).captured();
}

} // namespace

class TstIdioma : public QObject
{
    Q_OBJECT

private slots:
    void catalogoCoherente()
    {
        QFile archivo(QStringLiteral(ALIMETRA_CATALOGO));
        QVERIFY(archivo.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&archivo);
        QString contexto, fuente;
        int mensajes = 0;
        QStringList malos;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name")) {
                contexto = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                fuente = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString traduccion = xml.readElementText();
                ++mensajes;
                if (traduccion.isEmpty() || huella(traduccion) != huella(fuente))
                    malos << contexto + QLatin1String(": ") + fuente + QLatin1String(" -> ") +
                                 traduccion;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(mensajes > 500);
        QVERIFY2(malos.isEmpty(), qPrintable(malos.join(QLatin1Char('\n'))));
    }

    // English is the program's own language: nothing to install for it, and
    // the texts stay as they are.
    void inglesSinTraduccion()
    {
        QVERIFY(!instalarTraducciones(*qApp, QLocale::c()));
        QVERIFY(!instalarTraducciones(*qApp, QLocale(QLocale::English, QLocale::UnitedKingdom)));
        Fixture fx;
        VentanaPrincipal f;
        f.cargar();
        QCOMPARE(captions(f).first(), QStringLiteral("1: Personal data"));
    }

    // The system's language picks Spanish: the tabs, a warning and the
    // report speak it; the food table's names stay as they are.
    void espanolDelSistema()
    {
        QCOMPARE(QLocale::system().language(), QLocale::Spanish);
        QVERIFY(instalarTraducciones(*qApp, QLocale::system()));
        Fixture fx;
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        QCOMPARE(captions(f),
                 (QStringList{"1: Datos personales", "2: Buscar alimento y fijar ingesta",
                              "3: Ordenar alimentos por nutriente y fijar ingesta",
                              "4: Confirmar ingestas", "5: Ver resultados", "6: Gestionar perfiles",
                              "7: Fijar DRI", "8: Mis alimentos"}));
        ui(f).tbs_fichas->setCurrentIndex(4);
        QCOMPARE(msgs.textos(),
                 QStringList{QStringLiteral(
                     "Vaya a Datos personales y rellene el formulario que allí se muestra")});
        QVERIFY(htmlEncabezado(Informe{}).contains(
            QStringLiteral("Alimetra 1.1 - evaluación semanal de la dieta")));
    }
};

QTEST_MAIN(TstIdioma)
#include "tst_idioma.moc"
