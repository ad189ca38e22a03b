// The main window as a whole: start-up with and without a usable database,
// the personal-data guard of the tabs, the confirm-intakes grid and shutdown.

#include "apoyo/fixture.h"
#include "apoyo/pantalla.h"
#include "apoyo/registromensajes.h"
#include "profiles/perfilactual.h"
#include "storage/basedatos.h"
#include "windows/common/rejilla.h"
#include "windows/main/modeloingestas.h"
#include "windows/main/unainstancia.h"
#include "windows/main/ventanaprincipal.h"
#include "windows/splash/intro.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString avisoDatos =
    QStringLiteral("Please, go to Personal Data and fulfill the form there displayed");

void completarDatos(const Fixture& fx)
{
    fx.ejecutar(QStringLiteral("update profiles set age=6, gender=0, weight=70"));
}

} // namespace

class TstVentana : public QObject
{
    Q_OBJECT

private slots:
    // One start holds a data folder; a later one hands it its arguments. A
    // lock left by a killed start (its process gone) is taken over.
    void unaInstanciaPorCarpeta()
    {
        QTemporaryDir carpeta;
        auto primera = std::make_unique<UnaInstancia>(carpeta.path());
        QVERIFY(primera->primera());
        QSignalSpy avisos(primera.get(), &UnaInstancia::otraArrancada);
        {
            UnaInstancia segunda(carpeta.path() + QStringLiteral("/."));
            QVERIFY(!segunda.primera());
            QVERIFY(segunda.avisarALaPrimera({QStringLiteral("--algo")}, 200));
            QTRY_COMPARE(avisos.count(), 1);
            QCOMPARE(avisos.first().first().toStringList(), QStringList{"--algo"});
        }
        primera.reset();
        QVERIFY(UnaInstancia(carpeta.path()).primera());

        // A lock naming a process that is gone is stale.
        QFile cerrojo(carpeta.filePath(UnaInstancia::nombreCerrojo()));
        QVERIFY(cerrojo.open(QIODevice::WriteOnly));
        cerrojo.write("999999999\nalimetra\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        cerrojo.close();
        QVERIFY(UnaInstancia(carpeta.path()).primera());
    }

    void sinBaseLaVentanaAbreIgual()
    {
        Fixture fx(false);
        RegistroMensajes msgs;
        {
            VentanaPrincipal f;
            f.cargar();
            QVERIFY(f.isVisible());
            QCOMPARE(f.windowTitle(), QStringLiteral("Alimetra 1.1"));
            f.close();
        }
        QVERIFY(!QFile::exists(fx.ruta(QStringLiteral("sr18.mdb"))));
        QCOMPARE(fx.log().count(QStringLiteral("inicio() -> ")), 1);
        QVERIFY(msgs.mostrados().isEmpty());
    }

    void archivoQueNoEsBaseSeDetectaAlInicio()
    {
        Fixture fx(false);
        {
            QFile f(fx.ruta(QStringLiteral("sr18.mdb")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray("Standard Jet DB").leftJustified(4096, '\0'));
        }
        {
            VentanaPrincipal f;
            f.cargar();
            f.close();
        }
        QCOMPARE(fx.log().count(QStringLiteral("inicio() -> ")), 1);
        QVERIFY(!almacen::baseAbierta());
        QCOMPARE(QFileInfo(fx.ruta(QStringLiteral("sr18.mdb"))).size(), 4096);
    }

    void presentacionDaPasoALaVentana()
    {
        Fixture fx;
        Intro* intro = iniciarPrograma();
        QCOMPARE(intro->size(), QSize(482, 309));
        QVERIFY(intro->findChild<QLabel*>(QStringLiteral("Label1"))->text() ==
                QStringLiteral("Version 1.1"));
        QPointer<Intro> vigilado(intro);
        QTest::qWait(300);
        QVERIFY(vigilado && vigilado->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!vigilado, 3000);
        const auto ventanas = QApplication::topLevelWidgets();
        VentanaPrincipal* f = nullptr;
        for (QWidget* w : ventanas)
            if (auto* v = qobject_cast<VentanaPrincipal*>(w); v && v->isVisible())
                f = v;
        QVERIFY(f);
        f->close();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty() ||
                    !QApplication::topLevelWidgets().first()->isVisible());
    }

    void guardiaDePestanas_data()
    {
        QTest::addColumn<int>("pestana");
        QTest::addColumn<bool>("protegida");
        QTest::newRow("1: Personal data") << 0 << false;
        QTest::newRow("2: Search") << 1 << true;
        QTest::newRow("3: Sort") << 2 << true;
        QTest::newRow("4: Confirm") << 3 << true;
        QTest::newRow("5: Results") << 4 << true;
        QTest::newRow("6: Profiles") << 5 << false;
        QTest::newRow("7: DRIs") << 6 << false;
    }

    void guardiaDePestanas()
    {
        QFETCH(int, pestana);
        QFETCH(bool, protegida);
        Fixture fx;
        fx.ejecutar(QStringLiteral("update profiles set age=6, gender=0, weight=0"));
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        ::ui(f).tbs_fichas->setCurrentIndex(pestana);
        QCOMPARE(::ui(f).tbs_fichas->currentIndex(), pestana);
        if (!protegida) {
            QVERIFY(msgs.mostrados().isEmpty());
            return;
        }
        QCOMPARE(msgs.textos(), QStringList{avisoDatos});
        QCOMPARE(msgs.ultimo().tipo, mensajes::Tipo::Aviso);
        QCOMPARE(msgs.ultimo().titulo, QString());
        const QWidget* marco = ::ui(f).tbs_fichas->widget(pestana);
        for (QWidget* w : marco->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));

        // Once the data are complete the next visit enables the controls again.
        completarDatos(fx);
        ::ui(f).tbs_fichas->setCurrentIndex(0);
        f.sesion().perfilActual.peso = Dato::de(70);
        msgs.limpiar();
        ::ui(f).tbs_fichas->setCurrentIndex(pestana);
        QVERIFY(msgs.mostrados().isEmpty());
        for (QWidget* w : marco->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            // The report buttons wait for intakes too, and this profile has none.
            if (w->objectName().startsWith(QLatin1String("cmd_5_")))
                QVERIFY(!w->isEnabled() && !w->toolTip().isEmpty());
            else
                QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        }
    }

    void rejillaDeIngestas()
    {
        Fixture fx;
        completarDatos(fx);
        fx.ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values "
                                   "(1, 1001, 200), (1, 43212, 350), (1, 9003, 0), (2, 1077, 90)"));
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        ::ui(f).tbs_fichas->setCurrentIndex(3);
        RejillaDatos* rejilla = ::ui(f).dgr_alimentos;
        QAbstractItemModel* modelo = rejilla->model();

        // Only this profile's intakes above 0; id hidden; only the intake editable.
        QCOMPARE(modelo->rowCount(), 2);
        QVERIFY(rejilla->isColumnHidden(ModeloIngestas::ColId));
        QCOMPARE(modelo->headerData(ModeloIngestas::ColAlimento, Qt::Horizontal).toString(),
                 QStringLiteral("Food"));
        QCOMPARE(modelo->headerData(ModeloIngestas::ColIngesta, Qt::Horizontal).toString(),
                 QStringLiteral("Intake"));
        QVERIFY(
            !(modelo->flags(modelo->index(0, ModeloIngestas::ColAlimento)) & Qt::ItemIsEditable));
        int filaGalletas = -1;
        for (int i = 0; i < modelo->rowCount(); ++i)
            if (modelo->index(i, ModeloIngestas::ColAlimento)
                    .data()
                    .toString()
                    .startsWith("Snacks"))
                filaGalletas = i;
        QVERIFY(filaGalletas >= 0);
        const int otra = 1 - filaGalletas;

        // Typing into the cell and moving to the other row writes by saves.id.
        rejilla->show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QModelIndex celda = modelo->index(filaGalletas, ModeloIngestas::ColIngesta);
        rejilla->setCurrentIndex(celda);
        rejilla->edit(celda);
        auto* editor = rejilla->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        // A text that is no whole number is refused as a whole, never cut
        // down to its digits: the cell and the row keep their value.
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("1.5"));
        QCOMPARE(editor->text(), QStringLiteral("1.5"));
        rejilla->setCurrentIndex(modelo->index(otra, ModeloIngestas::ColIngesta));
        QTRY_COMPARE(msgs.textos(),
                     QStringList{"Please, set your weekly intake (grams, integer numbers only)"});
        QCOMPARE(msgs.ultimo().tipo, mensajes::Tipo::Aviso);
        QCOMPARE(celda.data().toString(), QStringLiteral("350"));
        QCOMPARE(fx.valor(QStringLiteral("select intake from saves where food_id=43212")).toInt(),
                 350);
        msgs.limpiar();

        rejilla->setCurrentIndex(celda);
        rejilla->edit(celda);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        editor = rejilla->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("405"));
        rejilla->setCurrentIndex(modelo->index(otra, ModeloIngestas::ColIngesta));
        QCOMPARE(fx.valor(QStringLiteral("select intake from saves where food_id=43212")).toInt(),
                 405);
        QCOMPARE(fx.valor(QStringLiteral("select intake from saves where food_id=1001")).toInt(),
                 200);

        // Text and out-of-range values never reach the table.
        QVERIFY(!modelo->setData(modelo->index(otra, ModeloIngestas::ColIngesta), "abc"));
        QVERIFY(!modelo->setData(modelo->index(otra, ModeloIngestas::ColIngesta), "100000"));
        QVERIFY(!modelo->setData(modelo->index(otra, ModeloIngestas::ColIngesta), "-3"));
        QVERIFY(!modelo->setData(modelo->index(otra, ModeloIngestas::ColIngesta), ""));

        // A pending edit is written when the tab changes, and 0 drops the row
        // from the next visit.
        const QModelIndex celdaOtra = modelo->index(otra, ModeloIngestas::ColIngesta);
        rejilla->setCurrentIndex(celdaOtra);
        rejilla->edit(celdaOtra);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        editor = rejilla->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("0"));
        ::ui(f).tbs_fichas->setCurrentIndex(0);
        QCOMPARE(fx.valor(QStringLiteral("select intake from saves where food_id=1001")).toInt(),
                 0);
        ::ui(f).tbs_fichas->setCurrentIndex(3);
        QCOMPARE(modelo->rowCount(), 1);
        QVERIFY(msgs.mostrados().isEmpty());
    }

    void edicionPendienteNuncaSePierde()
    {
        Fixture fx;
        completarDatos(fx);
        fx.ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values "
                                   "(1, 1001, 200)"));
        {
            VentanaPrincipal f;
            f.cargar();
            ::ui(f).tbs_fichas->setCurrentIndex(3);
            QAbstractItemModel* modelo = ::ui(f).dgr_alimentos->model();
            // Clicking the tab already shown reloads the grid, after writing.
            QVERIFY(modelo->setData(modelo->index(0, ModeloIngestas::ColIngesta), "321"));
            emit ::ui(f).tbs_fichas->tabBarClicked(3);
            QCOMPARE(fx.valor(QStringLiteral("select intake from saves")).toInt(), 321);
            QCOMPARE(modelo->index(0, ModeloIngestas::ColIngesta).data().toInt(), 321);
            QVERIFY(modelo->setData(modelo->index(0, ModeloIngestas::ColIngesta), "123"));
            f.close();
        }
        QCOMPARE(fx.valor(QStringLiteral("select intake from saves")).toInt(), 123);
    }

    void escrituraRechazadaSeAvisa()
    {
        Fixture fx;
        completarDatos(fx);
        fx.ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values "
                                   "(1, 1001, 200)"));
        fx.ejecutar(QStringLiteral("create trigger t before update on saves begin "
                                   "select raise(abort, 'refused'); end"));
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        ::ui(f).tbs_fichas->setCurrentIndex(3);
        QAbstractItemModel* modelo = ::ui(f).dgr_alimentos->model();
        QVERIFY(modelo->setData(modelo->index(0, ModeloIngestas::ColIngesta), "50"));
        ::ui(f).tbs_fichas->setCurrentIndex(0);
        QCOMPARE(msgs.textos(),
                 QStringList{QStringLiteral("An error occurred while saving intake")});
        QCOMPARE(msgs.ultimo().tipo, mensajes::Tipo::Error);
        QCOMPARE(modelo->index(0, ModeloIngestas::ColIngesta).data().toInt(), 200);
        QCOMPARE(fx.valor(QStringLiteral("select intake from saves")).toInt(), 200);
    }

    void cierreLimpiaCerosYFilaVacia()
    {
        Fixture fx;
        fx.ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values "
                                   "(1, 1001, 0), (1, 1077, 10)"));
        fx.ejecutar(QStringLiteral("update DRIs set males3=5, females6=2 where key='Empty'"));
        {
            VentanaPrincipal f;
            f.cargar();
            f.close();
        }
        QCOMPARE(fx.valor(QStringLiteral("select count(*) from saves")).toInt(), 1);
        QCOMPARE(fx.valor(QStringLiteral("select count(*) from DRIs where key='Empty' and "
                                         "males3 is null and females6 is null"))
                     .toInt(),
                 1);
        QCOMPARE(fx.entradasLog(), 0);
    }

    void cierreTerminaAunqueFallenLasLimpiezas()
    {
        Fixture fx;
        fx.ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values "
                                   "(1, 1001, 0)"));
        fx.ejecutar(QStringLiteral("create trigger no_borrar before delete on saves begin "
                                   "select raise(abort, 'deletes refused'); end"));
        fx.ejecutar(QStringLiteral("create trigger no_cambiar before update on DRIs begin "
                                   "select raise(abort, 'updates refused'); end"));
        {
            VentanaPrincipal f;
            f.cargar();
            f.close();
        }
        QVERIFY(!almacen::baseAbierta());
        const QString log = fx.log();
        QCOMPARE(fx.entradasLog(), 2);
        QVERIFY(log.contains(QStringLiteral("\"delete from saves where intake=0\"")));
        QVERIFY(log.contains(QStringLiteral("updates refused")));
    }
};

QTEST_MAIN(TstVentana)
#include "tst_ventana.moc"
