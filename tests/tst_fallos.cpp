// Fault injection: a database locked by another connection, read-only (as the
// tests may run as root, through SQLite's "pragma query_only", which fails a
// write with the same SQLITE_READONLY as a read-only file), damaged, missing
// or without a table. Every failure is shown or logged, nothing half applied.

#include "apoyo/escena.h"
#include "apoyo/pantalla.h"
#include "storage/basedatos.h"
#include "windows/catalogue/ingesta.h"
#include "windows/profiles/dialogoperfil.h"
#include "windows/profiles/pestanaperfiles.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// Holds an exclusive lock on sr18.mdb from a connection of its own, in a
// thread of its own, for `ms` milliseconds.
class Cerrojo
{
public:
    explicit Cerrojo(int ms, const QString& ruta)
    {
        bool listo = false;
        std::mutex m;
        std::condition_variable cv;
        m_hilo = std::thread([&, ms, ruta] {
            {
                QSqlDatabase db =
                    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cerrojo"));
                db.setDatabaseName(ruta);
                db.open();
                QSqlQuery q(db);
                q.exec(QStringLiteral("begin exclusive"));
                q.exec(QStringLiteral("update profiles set name=name"));
                {
                    std::lock_guard<std::mutex> l(m);
                    listo = true;
                }
                cv.notify_one();
                std::this_thread::sleep_for(std::chrono::milliseconds(ms));
                q.exec(QStringLiteral("commit"));
                db.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("cerrojo"));
        });
        std::unique_lock<std::mutex> l(m);
        cv.wait(l, [&] { return listo; });
    }
    ~Cerrojo() { m_hilo.join(); }

private:
    std::thread m_hilo;
};

void soloLectura()
{
    QSqlQuery(almacen::base()).exec(QStringLiteral("pragma query_only=1"));
}

const QString lineaSoloLectura = QStringLiteral("\nThe database is read-only");

} // namespace

class TstFallos : public QObject
{
    Q_OBJECT

private slots:
    void init() { VentanaPrincipal::esperaArranqueMs = 10000; }

    // 1: a lock at start-up is waited for; one that outlasts the wait leaves
    // the status bar saying so, and the next action opens the database.
    void cerrojoAlArrancarLiberado()
    {
        Fixture fx;
        fx.ejecutar(QStringLiteral("update profiles set age=4, gender=0, weight=70"));
        Cerrojo cerrojo(1200, fx.ruta(QStringLiteral("sr18.mdb")));
        VentanaPrincipal f;
        f.cargar();
        QVERIFY(almacen::baseAbierta());
        QVERIFY(::ui(f).lbl_base->isHidden());
        QCOMPARE(f.sesion().perfilActual.peso.entero(), 70);
        QCOMPARE(fx.entradasLog(), 0);
    }
    void cerrojoAlArrancarPersistente()
    {
        Fixture fx;
        fx.ejecutar(QStringLiteral("update profiles set age=4, gender=0, weight=70"));
        VentanaPrincipal::esperaArranqueMs = 200;
        RegistroMensajes msgs;
        VentanaPrincipal f;
        {
            Cerrojo cerrojo(1500, fx.ruta(QStringLiteral("sr18.mdb")));
            f.cargar();
            QVERIFY(!almacen::baseAbierta());
            QCOMPARE(::ui(f).lbl_base->text(),
                     QStringLiteral("No database: sr18.mdb is in use by another program"));
            QVERIFY(!::ui(f).lbl_base->isHidden());
        }
        const QString log = fx.log();
        QVERIFY(log.contains(QStringLiteral("inicio() -> ")));
        QVERIFY(log.contains(QStringLiteral("database is locked")));
        QVERIFY(!log.contains(QStringLiteral("Driver not loaded")));
        // The next action (a click on tab 2) opens it, then runs.
        QTest::mouseClick(::ui(f).tbs_fichas->tabBar(), Qt::LeftButton, {},
                          ::ui(f).tbs_fichas->tabBar()->tabRect(1).center());
        QVERIFY(almacen::baseAbierta());
        QVERIFY(::ui(f).lbl_base->isHidden());
        QCOMPARE(f.sesion().perfilActual.peso.entero(), 70);
        ::ui(f).tbx_buscar->setText(QStringLiteral("milk"));
        QTest::mouseClick(::ui(f).cmd_buscar, Qt::LeftButton);
        QVERIFY(::ui(f).lbx_categorias->count() > 0);
        QCOMPARE(msgs.textos(), QStringList{});
    }

    // 1: a damaged or missing file is named in the status bar and the log.
    void archivoDanadoOAusente_data()
    {
        QTest::addColumn<bool>("conBase");
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<QString>("estado");
        QTest::newRow("damaged") << true << QByteArray(4096, 'x')
                                 << QStringLiteral("No database: sr18.mdb is not a database");
        QTest::newRow("truncated")
            << true << QByteArray() << QStringLiteral("No database: sr18.mdb is not a database");
        QTest::newRow("missing") << false << QByteArray()
                                 << QStringLiteral("No database: sr18.mdb was not found in ");
    }
    void archivoDanadoOAusente()
    {
        QFETCH(bool, conBase);
        QFETCH(QByteArray, contenido);
        QFETCH(QString, estado);
        // Truncated: the fixture's database cut inside its first page.
        Fixture fx(conBase && contenido.isEmpty());
        QFile archivo(fx.ruta(QStringLiteral("sr18.mdb")));
        if (conBase && contenido.isEmpty()) {
            QVERIFY(archivo.resize(1000));
        } else if (conBase) {
            QVERIFY(archivo.open(QIODevice::WriteOnly));
            archivo.write(contenido);
            archivo.close();
        }
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        QVERIFY(::ui(f).lbl_base->text().startsWith(estado));
        const QString log = fx.log();
        QVERIFY(log.contains(QStringLiteral("inicio() -> ")));
        QVERIFY(!log.contains(QStringLiteral("Driver not loaded")));
        QVERIFY(log.contains(QStringLiteral("The database is not open: ")));
    }

    // 2, 4, 7: writes refused by a read-only database are told, with the
    // reason, and change nothing in memory.
    void escriturasSoloLectura()
    {
        Escena e(6);
        soloLectura();
        e.fx.borrarLog();

        // Tab 7: a reference value.
        e.ui().tbs_fichas->setCurrentWidget(e.ui().frm_siete);
        QTableView* r = e.ui().dgr_dri4;
        r->setCurrentIndex(r->model()->index(0, 5));
        QVERIFY(r->model()->setData(r->model()->index(0, 5), QStringLiteral("12")));
        r->setCurrentIndex(r->model()->index(1, 5));
        QCOMPARE(e.msgs.textos(),
                 QStringList{QStringLiteral("An error occurred while saving the reference value") +
                             lineaSoloLectura});
        QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Error);
        QCOMPARE(e.fx.entradasLog(), 1);

        // Tab 1: personal data stay as stored.
        e.msgs.limpiar();
        e.ui().tbs_fichas->setCurrentIndex(0);
        e.ui().tbx_peso->setText(QStringLiteral("90"));
        QTest::mouseClick(e.ui().cmd_personales, Qt::LeftButton);
        QCOMPARE(e.msgs.textos(),
                 QStringList{QStringLiteral("An error occured while saving your personal data") +
                             lineaSoloLectura});
        QCOMPARE(e.f->sesion().perfilActual.peso.entero(), 70);

        // 8: a typed name with line breaks cannot fake a log entry.
        e.msgs.limpiar();
        e.fx.borrarLog();
        e.ui().tbs_fichas->setCurrentIndex(5);
        QTest::mouseClick(e.f->findChild<QPushButton*>(QStringLiteral("cmd_perfilNuevo")),
                          Qt::LeftButton);
        DialogoPerfil* p = e.f->perfiles().dialogo();
        QVERIFY(p);
        ::ui(*p).tbx_perfil->setText(QStringLiteral("Ann\r\n\r\n%1\t\x01").arg(QString(92, '-')));
        QTest::mouseClick(::ui(*p).cmd_guardar, Qt::LeftButton);
        QVERIFY(e.msgs.ultimo().texto.endsWith(lineaSoloLectura));
        QVERIFY(!e.fx.log().contains(QStringLiteral("Ann\r")));
        QVERIFY(e.fx.log().contains(QStringLiteral("'Ann\\r\\n\\r\\n-")));
        QVERIFY(e.fx.log().contains(QStringLiteral("\\t\\x01'")));
    }

    // 7: a write that meets a lock says the database is in use.
    void escrituraConCerrojo()
    {
        Escena e(0);
        e.fx.ejecutar(QStringLiteral("begin exclusive"));
        e.ui().tbx_peso->setText(QStringLiteral("90"));
        QTest::mouseClick(e.ui().cmd_personales, Qt::LeftButton);
        e.fx.ejecutar(QStringLiteral("commit"));
        QCOMPARE(e.msgs.textos(),
                 QStringList{QStringLiteral("An error occured while saving your personal data\n"
                                            "The database is in use by another program")});
        QCOMPARE(e.f->sesion().perfilActual.peso.entero(), 70);
    }

    // 7: a write that meets a full disk says so.
    void escrituraDiscoLleno()
    {
        Escena e(0);
        const QString carpeta = e.fx.ruta(QStringLiteral("disk"));
        DiscoPequeno disco(carpeta, 1 << 20);
        if (!disco.montado())
            QSKIP(qPrintable(disco.motivo()));
        const QString trabajo = carpeta + QStringLiteral("/sr18.mdb");
        QVERIFY(QFile::copy(e.fx.ruta(QStringLiteral("sr18.mdb")), trabajo));
        QVERIFY(almacen::abrirBase(trabajo).isEmpty());
        QVERIFY(disco.dejarLibres(0));
        const QString lineaLleno = QStringLiteral("\nThe disk holding the database is full");

        e.ui().tbx_peso->setText(QStringLiteral("90"));
        QTest::mouseClick(e.ui().cmd_personales, Qt::LeftButton);
        guardarCantidad(e.f.get(), e.f->sesion().perfilActual, QStringLiteral("100"),
                        Fixture::leche);
        QCOMPARE(
            e.msgs.textos(),
            (QStringList{QStringLiteral("An error occured while saving your personal data") +
                             lineaLleno,
                         QStringLiteral("An error occured while saving intake") + lineaLleno}));
        QCOMPARE(e.f->sesion().perfilActual.peso.entero(), 70);
        almacen::cerrarBase();
    }

    // 7: statements that cannot be formed are not run, nor logged half made.
    void sentenciasSinFormar()
    {
        {
            Fixture fx;
            fx.ejecutar(QStringLiteral("update profiles set age=4, gender=0, weight=70"));
            fx.ejecutar(QStringLiteral("drop table DRIs"));
            RegistroMensajes msgs;
            VentanaPrincipal f;
            f.cargar();
            ::ui(f).tbs_fichas->setCurrentWidget(::ui(f).frm_cinco);
            QVERIFY(fx.log().contains(
                QStringLiteral("extraerResultados() -> There are no reference values\r\n")));
            QVERIFY(!fx.log().contains(QStringLiteral("select  from")));
        }
        {
            Fixture fx;
            fx.ejecutar(QStringLiteral("update profiles set last=0"));
            RegistroMensajes msgs;
            VentanaPrincipal f;
            f.cargar();
            ::ui(f).tbs_fichas->setCurrentWidget(::ui(f).frm_cuatro);
            QVERIFY(fx.log().contains(
                QStringLiteral("mostrarTabs() Tab 4 -> There is no current profile\r\n")));
            QVERIFY(!fx.log().contains(QStringLiteral("prof_id")));
        }
    }

    // 5: a search over SQLite's pattern limit is refused before the statement.
    void busquedaDemasiadoLarga()
    {
        Escena e(1);
        e.fx.borrarLog();
        e.ui().tbx_buscar->setText(QString(20000, QChar(0x725B)));
        QTest::mouseClick(e.ui().cmd_buscar, Qt::LeftButton);
        QCOMPARE(e.msgs.textos(), QStringList{QStringLiteral("The search term is too long")});
        QCOMPARE(e.fx.entradasLog(), 0);
        // Just under the limit is still searched.
        e.msgs.limpiar();
        e.ui().tbx_buscar->setText(QString(49998, QLatin1Char('a')));
        QTest::mouseClick(e.ui().cmd_buscar, Qt::LeftButton);
        QCOMPARE(e.msgs.textos(), QStringList{});
        QCOMPARE(e.fx.entradasLog(), 0);
    }
};

QTEST_MAIN(TstFallos)
#include "tst_fallos.moc"
