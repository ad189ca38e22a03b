// The personal-data form of tab 1 and the reference values that follow it.

#include "apoyo/fixture.h"
#include "apoyo/pantalla.h"
#include "apoyo/registromensajes.h"
#include "evaluation/valoresrecomendados.h"
#include "profiles/perfiles.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/main/ventanaprincipal.h"
#include "windows/profiles/datospersonales.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QString avisoPeso = QStringLiteral("Weight is a compulsory detail (integer numbers only)");

} // namespace

class TstDatosPersonales : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        cerrarLog();
        almacen::cerrarBase();
    }

    void formularioMuestraLosTresEstados_data()
    {
        QTest::addColumn<QString>("preparacion");
        QTest::addColumn<int>("edad");
        QTest::addColumn<bool>("hombre");
        QTest::addColumn<bool>("mujer");
        QTest::addColumn<QString>("peso");
        QTest::addColumn<bool>("faltan");
        // No row carries the flag: nothing was ever read.
        QTest::newRow("no current profile")
            << "update profiles set last=0" << 0 << true << false << "" << true;
        QTest::newRow("new profile, all null") << "" << -1 << false << false << "" << true;
        QTest::newRow("complete") << "update profiles set age=9, gender=1, weight=58" << 9 << false
                                  << true << "58" << false;
        QTest::newRow("weight 0") << "update profiles set age=2, gender=0, weight=0" << 2 << true
                                  << false << "0" << true;
        QTest::newRow("gender null")
            << "update profiles set age=4, weight=30" << 4 << false << false << "30" << true;
    }

    void formularioMuestraLosTresEstados()
    {
        QFETCH(QString, preparacion);
        QFETCH(int, edad);
        QFETCH(bool, hombre);
        QFETCH(bool, mujer);
        QFETCH(QString, peso);
        QFETCH(bool, faltan);
        Fixture fx;
        if (!preparacion.isEmpty())
            fx.ejecutar(preparacion);
        VentanaPrincipal f;
        f.cargar();
        QCOMPARE(::ui(f).cmb_edad->currentIndex(), edad);
        QCOMPARE(::ui(f).opb_hombre->isChecked(), hombre);
        QCOMPARE(::ui(f).opb_mujer->isChecked(), mujer);
        QCOMPARE(::ui(f).tbx_peso->text(), peso);
        QCOMPARE(faltanDatosPersonales(f.sesion().perfilActual), faltan);
    }

    void validacion_data()
    {
        QTest::addColumn<int>("edad");
        QTest::addColumn<int>("genero"); // -1 none
        QTest::addColumn<QString>("peso");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QString>("foco");
        QTest::addColumn<QVariant>("guardado"); // weight in the table afterwards

        const QVariant nulo;
        QTest::newRow("leading zero") << 6 << 0 << "070" << QString() << QString() << QVariant(70);
        QTest::newRow("two zeros") << 6 << 0 << "00" << avisoPeso << "tbx_peso" << nulo;
        QTest::newRow("three zeros") << 6 << 0 << "000" << avisoPeso << "tbx_peso" << nulo;
        QTest::newRow("three digits") << 6 << 1 << "120" << QString() << QString() << QVariant(120);
        QTest::newRow("single zero") << 6 << 0 << "0" << avisoPeso << "tbx_peso" << nulo;
        QTest::newRow("empty") << 6 << 0 << "" << avisoPeso << "tbx_peso" << nulo;
        QTest::newRow("decimal") << 6 << 0 << "7.5" << avisoPeso << "tbx_peso" << nulo;
        QTest::newRow("negative") << 6 << 0 << "-5" << avisoPeso << "tbx_peso" << nulo;
        QTest::newRow("unit") << 6 << 0 << "70kg" << avisoPeso << "tbx_peso" << nulo;
        QTest::newRow("leading blank") << 6 << 0 << " 70" << avisoPeso << "tbx_peso" << nulo;
        QTest::newRow("no age, no sex") << -1 << -1 << ""
                                        << "Age is a compulsory detail"
                                        << "cmb_edad" << nulo;
        QTest::newRow("no sex") << 3 << -1 << ""
                                << "Sex is a compulsory detail"
                                << "opb_hombre" << nulo;
    }

    void validacion()
    {
        QFETCH(int, edad);
        QFETCH(int, genero);
        QFETCH(QString, peso);
        QFETCH(QString, mensaje);
        QFETCH(QString, foco);
        QFETCH(QVariant, guardado);
        Fixture fx;
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));

        ::ui(f).cmb_edad->setCurrentIndex(edad);
        if (genero == 0)
            ::ui(f).opb_hombre->setChecked(true);
        else if (genero == 1)
            ::ui(f).opb_mujer->setChecked(true);
        ::ui(f).tbx_peso->setText(peso);
        QTest::mouseClick(::ui(f).cmd_personales, Qt::LeftButton);

        if (mensaje.isEmpty()) {
            QCOMPARE(msgs.textos(),
                     QStringList{QStringLiteral("Your personal data have been saved")});
            QCOMPARE(msgs.ultimo().tipo, mensajes::Tipo::Informacion);
        } else {
            QCOMPARE(msgs.textos(), QStringList{mensaje});
            QCOMPARE(msgs.ultimo().tipo, mensajes::Tipo::Aviso);
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), foco);
        }
        const QVariant enTabla = fx.valor(QStringLiteral("select weight from profiles"));
        QCOMPARE(enTabla.isNull(), guardado.isNull());
        if (!guardado.isNull())
            QCOMPARE(enTabla.toInt(), guardado.toInt());
        if (genero < 0 && edad >= 0) {
            QVERIFY(!::ui(f).opb_hombre->isChecked());
            QVERIFY(!::ui(f).opb_mujer->isChecked());
        }
        // A weight of 00 is stored, yet the profile still lacks personal data.
        if (peso == QLatin1String("00"))
            QVERIFY(faltanDatosPersonales(f.sesion().perfilActual));
    }

    // An Arabic keyboard's digits are a weight; the form shows it back so.
    void pesoEnCifrasArabes()
    {
        QLocale::setDefault(QLocale(QStringLiteral("ar_EG")));
        Fixture fx;
        RegistroMensajes msgs;
        {
            VentanaPrincipal f;
            f.cargar();
            ::ui(f).cmb_edad->setCurrentIndex(6);
            ::ui(f).opb_hombre->setChecked(true);
            ::ui(f).tbx_peso->setText(QString::fromUtf8("٧٠"));
            QTest::mouseClick(::ui(f).cmd_personales, Qt::LeftButton);
        }
        QCOMPARE(msgs.textos(), QStringList{QStringLiteral("Your personal data have been saved")});
        QCOMPARE(fx.valor(QStringLiteral("select weight from profiles")).toInt(), 70);
        VentanaPrincipal f;
        f.cargar();
        QCOMPARE(::ui(f).tbx_peso->text(), QString::fromUtf8("٧٠"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void guardaLaPosicionDelGrupoYRecalcula()
    {
        Fixture fx;
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        ::ui(f).cmb_edad->setCurrentIndex(9);
        ::ui(f).opb_mujer->setChecked(true);
        ::ui(f).tbx_peso->setText(QStringLiteral("60"));
        QTest::mouseClick(::ui(f).cmd_personales, Qt::LeftButton);
        const QVariantList fila =
            fx.filas(QStringLiteral("select age, gender, weight from profiles")).first();
        QCOMPARE(fila[0].toInt(), 9);
        QCOMPARE(fila[1].toInt(), 1);
        QCOMPARE(fila[2].toInt(), 60);
        // Females over 70 for the reference values; leucine converted for 60 kg.
        QCOMPARE(valorRecomendado(f.sesion().valoresRecomendados, f.sesion().perfilActual,
                                  QStringLiteral("Calcium_Ca"))
                     .toDouble(),
                 1200.0);
        QCOMPARE(valorRecomendado(f.sesion().valoresRecomendados, f.sesion().perfilActual,
                                  QStringLiteral("Leucine"))
                     .toDouble(),
                 42 * 60 / 1000.0);
    }

    void guardarSinPerfilActualFalla()
    {
        Fixture fx;
        fx.ejecutar(QStringLiteral("update profiles set last=0"));
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        ::ui(f).cmb_edad->setCurrentIndex(6);
        ::ui(f).opb_hombre->setChecked(true);
        ::ui(f).tbx_peso->setText(QStringLiteral("80"));
        QTest::mouseClick(::ui(f).cmd_personales, Qt::LeftButton);
        QCOMPARE(msgs.textos(),
                 QStringList{QStringLiteral("An error occured while saving your personal data")});
        QCOMPARE(msgs.ultimo().tipo, mensajes::Tipo::Error);
        // Nothing was stored, so nothing changed in memory either.
        QVERIFY(!f.sesion().perfilActual.peso.tieneValor());
    }
};

QTEST_MAIN(TstDatosPersonales)
#include "tst_datospersonales.moc"
