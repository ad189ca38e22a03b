// Tab 6: the profile list, loading and removing profiles, and the name dialog
// that creates, copies and renames them.

#include "apoyo/fixture.h"
#include "apoyo/registromensajes.h"
#include "profiles/dialogoperfil.h"
#include "profiles/perfilactual.h"
#include "profiles/pestanaperfiles.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/main/ventanaprincipal.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString sinSeleccion = QStringLiteral("Please, select a profile in the list first");
const QString falloCopia =
    QStringLiteral("An error occurred while duplicating the profile selected");
const QString falloNombre =
    QStringLiteral("Profile name cannot be blank or greater than 255 characters");

// A second profile beside the fixture's current "My profile" (id 1).
constexpr qint64 otro = 2;

void anadirOtro(const Fixture& fx, bool conDatos = true, bool conIngestas = true)
{
    fx.ejecutar(conDatos ? QStringLiteral("insert into profiles (id, name, last, age, gender, "
                                          "weight) values (2, 'Other', 0, 9, 1, 58)")
                         : QStringLiteral("insert into profiles (id, name, last) values (2, "
                                          "'Other', 0)"));
    if (conIngestas)
        fx.ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values "
                                   "(2, 1001, 100), (2, 43212, 50), (2, 21237, 0)"));
    fx.ejecutar(
        QStringLiteral("insert into saves (prof_id, food_id, intake) values (1, 1077, 700)"));
}

void mostrarPestana(VentanaPrincipal& f)
{
    f.ui().tbs_fichas->setCurrentWidget(f.ui().frm_seis);
}

QStringList textosLista(VentanaPrincipal& f)
{
    QStringList t;
    QTreeWidget* l = f.ui().lsv_perfiles;
    for (int i = 0; i < l->topLevelItemCount(); ++i)
        t << l->topLevelItem(i)->text(0);
    return t;
}

QTreeWidgetItem* item(VentanaPrincipal& f, qint64 id)
{
    QTreeWidget* l = f.ui().lsv_perfiles;
    for (int i = 0; i < l->topLevelItemCount(); ++i)
        if (l->topLevelItem(i)->data(0, PestanaPerfiles::RolIdPerfil).toLongLong() == id)
            return l->topLevelItem(i);
    return nullptr;
}

void seleccionar(VentanaPrincipal& f, qint64 id)
{
    QTreeWidgetItem* it = item(f, id);
    QVERIFY2(it, "profile not in the list");
    f.ui().lsv_perfiles->setCurrentItem(it);
}

qint64 idSeleccionado(VentanaPrincipal& f)
{
    const QList<QTreeWidgetItem*> s = f.ui().lsv_perfiles->selectedItems();
    return s.isEmpty() ? 0 : s.first()->data(0, PestanaPerfiles::RolIdPerfil).toLongLong();
}

QList<qint64> marcados(const Fixture& fx)
{
    QList<qint64> ids;
    for (const QVariantList& fila :
         fx.filas(QStringLiteral("select id from profiles where last=1")))
        ids << fila[0].toLongLong();
    return ids;
}

// Everything the profile actions could change, for "nothing changed" checks.
QList<QVariantList> foto(const Fixture& fx)
{
    return fx.filas(QStringLiteral("select * from profiles order by id")) +
           fx.filas(QStringLiteral("select * from saves order by id"));
}

DialogoPerfil* abrir(VentanaPrincipal& f, QPushButton* boton)
{
    QTest::mouseClick(boton, Qt::LeftButton);
    return f.perfiles().dialogo();
}

// Types the name into the open dialog and presses its action button.
void aceptar(DialogoPerfil* p, const QString& nombre)
{
    p->tbx_perfil->setText(nombre);
    QTest::mouseClick(p->cmd_guardar, Qt::LeftButton);
}

} // namespace

class TstPerfiles : public QObject
{
    Q_OBJECT

private slots:
    void init() { perfilActual() = PerfilActual(); }
    void cleanup()
    {
        cerrarLog();
        almacen::cerrarBase();
    }

    void listaPorNombreConElActualSeleccionado()
    {
        Fixture fx;
        fx.ejecutar(
            QStringLiteral("insert into profiles (id, name, last) values (40000, 'Zoe', 0), "
                           "(5000000000, 'Bert', 0), (7, null, 0), (8, 'adam', 0)"));
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        mostrarPestana(f);

        QStringList esperados;
        QList<qint64> ids;
        for (const QVariantList& fila :
             fx.filas(QStringLiteral("select id, name from profiles order by name"))) {
            ids << fila[0].toLongLong();
            esperados << (fila[1].isNull() ? QStringLiteral("Without name") : fila[1].toString());
        }
        QCOMPARE(textosLista(f), esperados);
        QCOMPARE(esperados.first(), QStringLiteral("Without name"));
        for (int i = 0; i < ids.size(); ++i)
            QCOMPARE(f.ui()
                         .lsv_perfiles->topLevelItem(i)
                         ->data(0, PestanaPerfiles::RolIdPerfil)
                         .toLongLong(),
                     ids[i]);
        QCOMPARE(f.ui().lsv_perfiles->selectedItems().size(), 1);
        QCOMPARE(idSeleccionado(f), 1);
        QVERIFY(msgs.mostrados().isEmpty());
    }

    void sinPerfilActualNadaSeleccionado()
    {
        Fixture fx;
        anadirOtro(fx);
        fx.ejecutar(QStringLiteral("update profiles set last=0"));
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        mostrarPestana(f);
        QCOMPARE(textosLista(f).size(), 2);
        QVERIFY(f.ui().lsv_perfiles->selectedItems().isEmpty());
    }

    void cargar_data()
    {
        QTest::addColumn<qint64>("id");
        QTest::addColumn<bool>("dobleClic");
        QTest::newRow("Load button") << otro << false;
        QTest::newRow("double click") << otro << true;
        QTest::newRow("id beyond 32 bits") << qint64(5000000000) << false;
        QTest::newRow("without name") << qint64(7) << true;
        QTest::newRow("already current") << qint64(1) << false;
    }

    void cargar()
    {
        QFETCH(qint64, id);
        QFETCH(bool, dobleClic);
        Fixture fx;
        anadirOtro(fx);
        fx.ejecutar(
            QStringLiteral("insert into profiles (id, name, last, age, gender, weight) "
                           "values (5000000000, 'Big', 0, 3, 0, 21), (7, null, 0, 1, 1, 9)"));
        fx.ejecutar(QStringLiteral("update profiles set age=6, gender=0, weight=80 where id=1"));
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        mostrarPestana(f);
        seleccionar(f, id);

        if (dobleClic) {
            QTreeWidget* l = f.ui().lsv_perfiles;
            const QPoint centro = l->visualItemRect(item(f, id)).center();
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, centro);
            QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, centro);
        } else {
            QTest::mouseClick(f.ui().cmd_perfilCargar, Qt::LeftButton);
        }

        QCOMPARE(msgs.textos(), QStringList{QStringLiteral("Profile loaded")});
        QCOMPARE(msgs.ultimo().tipo, mensajes::Tipo::Informacion);
        QCOMPARE(marcados(fx), QList<qint64>{id});
        QCOMPARE(perfilActual().idPerfil.entero(), id);
        const QVariantList datos =
            fx.filas(QStringLiteral("select age, weight from profiles where id=%1").arg(id))[0];
        QCOMPARE(f.ui().cmb_edad->currentIndex(), datos[0].toInt());
        QCOMPARE(f.ui().tbx_peso->text(), datos[1].toString());
        QCOMPARE(idSeleccionado(f), id);
        QCOMPARE(fx.entradasLog(), 0);
    }

    void cargaFallidaDejaElActual_data()
    {
        QTest::addColumn<QString>("fallo");
        QTest::addColumn<QString>("enLog");
        QTest::newRow("flag refused") << "create trigger t before update of last on profiles "
                                         "when new.last=1 begin select raise(abort, 'refused'); end"
                                      << "update profiles set last=1 where id=?";
        QTest::newRow("profile gone meanwhile") << "delete from profiles where id=2"
                                                << "";
    }

    void cargaFallidaDejaElActual()
    {
        QFETCH(QString, fallo);
        QFETCH(QString, enLog);
        Fixture fx;
        anadirOtro(fx);
        fx.ejecutar(QStringLiteral("update profiles set age=6, gender=0, weight=80 where id=1"));
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        mostrarPestana(f);
        seleccionar(f, otro);
        fx.ejecutar(fallo);

        QTest::mouseClick(f.ui().cmd_perfilCargar, Qt::LeftButton);

        QCOMPARE(msgs.textos(), QStringList{QStringLiteral(
                                    "An error occurred while loading the profile selected")});
        QCOMPARE(msgs.ultimo().tipo, mensajes::Tipo::Error);
        QCOMPARE(marcados(fx), QList<qint64>{1});
        QCOMPARE(perfilActual().idPerfil.entero(), 1);
        QCOMPARE(f.ui().tbx_peso->text(), QStringLiteral("80"));
        QVERIFY(fx.log().contains(enLog));
    }

    void borrar_data()
    {
        QTest::addColumn<qint64>("id");
        QTest::addColumn<bool>("si");
        QTest::addColumn<QString>("respuesta"); // message after the question, "" for none
        QTest::addColumn<bool>("borrado");
        QTest::newRow("other, Yes") << otro << true << "Profile removed" << true;
        QTest::newRow("other, No") << otro << false << "" << false;
        QTest::newRow("current, Yes")
            << qint64(1) << true << "The profile you try to remove is currently running" << false;
        QTest::newRow("current, No") << qint64(1) << false << "" << false;
    }

    void borrar()
    {
        QFETCH(qint64, id);
        QFETCH(bool, si);
        QFETCH(QString, respuesta);
        QFETCH(bool, borrado);
        Fixture fx;
        anadirOtro(fx);
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        mostrarPestana(f);
        seleccionar(f, id);
        const QList<QVariantList> antes = foto(fx);
        msgs.responder(si ? QMessageBox::Yes : QMessageBox::No);

        QTest::mouseClick(f.ui().cmd_perfilBorrar, Qt::LeftButton);

        QStringList esperados{
            QStringLiteral("Are you sure you want to remove the selected profile?")};
        if (!respuesta.isEmpty())
            esperados << respuesta;
        QCOMPARE(msgs.textos(), esperados);
        QCOMPARE(msgs.mostrados().first().tipo, mensajes::Tipo::Pregunta);
        if (borrado) {
            QCOMPARE(fx.valor(QStringLiteral("select count(*) from profiles where id=2")).toInt(),
                     0);
            QCOMPARE(fx.valor(QStringLiteral("select count(*) from saves where prof_id=2")).toInt(),
                     0);
            QCOMPARE(fx.valor(QStringLiteral("select count(*) from saves where prof_id=1")).toInt(),
                     1);
            QCOMPARE(textosLista(f), QStringList{QStringLiteral("My profile")});
            QCOMPARE(idSeleccionado(f), 1);
        } else {
            QCOMPARE(foto(fx), antes);
            QCOMPARE(textosLista(f).size(), 2);
        }
        QCOMPARE(fx.entradasLog(), 0);
    }

    void borradoFallidoNoDejaNadaAMedias_data()
    {
        QTest::addColumn<QString>("fallo");
        QTest::newRow("intakes refused") << "create trigger t before delete on saves begin "
                                            "select raise(abort, 'refused'); end";
        QTest::newRow("profile refused") << "create trigger t before delete on profiles begin "
                                            "select raise(abort, 'refused'); end";
    }

    void borradoFallidoNoDejaNadaAMedias()
    {
        QFETCH(QString, fallo);
        Fixture fx;
        anadirOtro(fx);
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        mostrarPestana(f);
        seleccionar(f, otro);
        fx.ejecutar(fallo);
        const QList<QVariantList> antes = foto(fx);

        QTest::mouseClick(f.ui().cmd_perfilBorrar, Qt::LeftButton);

        QCOMPARE(msgs.ultimo().texto,
                 QStringLiteral("An error occurred while removing the profile selected"));
        QCOMPARE(msgs.ultimo().tipo, mensajes::Tipo::Error);
        QCOMPARE(foto(fx), antes);
        QVERIFY(fx.log().contains(QStringLiteral("refused")));
    }

    void sinSeleccionNoHaceNada_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<bool>("listaVacia");
        for (const char* b :
             {"cmd_perfilCargar", "cmd_perfilBorrar", "cmd_perfilGuardar", "cmd_perfilRenombrar"}) {
            QTest::addRow("%s, empty list", b) << QString::fromLatin1(b) << true;
            QTest::addRow("%s, nothing selected", b) << QString::fromLatin1(b) << false;
        }
    }

    void sinSeleccionNoHaceNada()
    {
        QFETCH(QString, boton);
        QFETCH(bool, listaVacia);
        Fixture fx;
        anadirOtro(fx);
        if (listaVacia)
            fx.ejecutar(QStringLiteral("delete from profiles"));
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        mostrarPestana(f);
        f.ui().lsv_perfiles->clearSelection();
        const QList<QVariantList> antes = foto(fx);

        QTest::mouseClick(f.findChild<QPushButton*>(boton), Qt::LeftButton);

        QCOMPARE(msgs.textos(), QStringList{sinSeleccion});
        QCOMPARE(msgs.ultimo().tipo, mensajes::Tipo::Aviso);
        QVERIFY(!f.perfiles().dialogo());
        QCOMPARE(foto(fx), antes);
    }

    void crearConNombres_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("aceptado");
        QTest::newRow("plain") << "Ann" << true;
        QTest::newRow("single quote") << "O'Brien" << true;
        QTest::newRow("statement text") << "x'); delete from profiles; --" << true;
        QTest::newRow("percent, quotes, backslash") << "100% \"real\" \\n 'q'" << true;
        QTest::newRow("non-Latin") << QString::fromUtf8("Ελένη 李小龍 Анна") << true;
        QTest::newRow("blanks only") << "   " << true;
        QTest::newRow("255 characters") << QString(255, QLatin1Char('x')) << true;
        QTest::newRow("255 characters, one outside 16 bits")
            << QString(254, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x8D\x8E") << true;
        QTest::newRow("256 characters") << QString(256, QLatin1Char('x')) << false;
        QTest::newRow("empty") << "" << false;
    }

    void crearConNombres()
    {
        QFETCH(QString, nombre);
        QFETCH(bool, aceptado);
        Fixture fx;
        fx.ejecutar(QStringLiteral("update profiles set age=6, gender=0, weight=80 where id=1"));
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        mostrarPestana(f);
        const QList<QVariantList> antes = foto(fx);

        DialogoPerfil* p = abrir(f, f.ui().cmd_perfilNuevo);
        QVERIFY(p);
        QCOMPARE(p->objectName(), QStringLiteral("p"));
        QVERIFY(!p->isModal());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(p->cmd_guardar->text(), QStringLiteral("Create"));
        QCOMPARE(p->lbl_perfil->text(), QStringLiteral("Enter the name for the new profile:"));
        QVERIFY(p->tbx_perfil->text().isEmpty());
        aceptar(p, nombre);

        if (!aceptado) {
            QCOMPARE(msgs.textos(), QStringList{falloNombre});
            QCOMPARE(msgs.ultimo().tipo, mensajes::Tipo::Aviso);
            QCOMPARE(f.perfiles().dialogo(), p);
            QCOMPARE(p->tbx_perfil->text(), nombre);
            QCOMPARE(foto(fx), antes);
            return;
        }
        QCOMPARE(msgs.textos(), QStringList{QStringLiteral("Profile created")});
        QCOMPARE(msgs.ultimo().tipo, mensajes::Tipo::Informacion);
        QVERIFY(!f.perfiles().dialogo());
        const QList<QVariantList> nuevo = fx.filas(
            QStringLiteral("select id, name, age, gender, weight from profiles where id<>1"));
        QCOMPARE(nuevo.size(), 1);
        const qint64 id = nuevo[0][0].toLongLong();
        QCOMPARE(nuevo[0][1].toString(), nombre);
        QVERIFY(nuevo[0][2].isNull() && nuevo[0][3].isNull() && nuevo[0][4].isNull());
        QCOMPARE(marcados(fx), QList<qint64>{id});
        QCOMPARE(perfilActual().idPerfil.entero(), id);
        QCOMPARE(idSeleccionado(f), id);
        QCOMPARE(f.ui().lsv_perfiles->selectedItems().first()->text(0), nombre);
        // Tab 1 now shows the new profile's (empty) personal data.
        QCOMPARE(f.ui().cmb_edad->currentIndex(), -1);
        QVERIFY(f.ui().tbx_peso->text().isEmpty());
        QCOMPARE(fx.entradasLog(), 0);
    }

    void crearFallidoNoDejaNada_data()
    {
        QTest::addColumn<QString>("fallo");
        QTest::newRow("insert refused") << "create trigger t before insert on profiles begin "
                                           "select raise(abort, 'refused'); end";
        QTest::newRow("flag clearing refused")
            << "create trigger t before update of last on profiles when new.last=0 begin "
               "select raise(abort, 'refused'); end";
    }

    void crearFallidoNoDejaNada()
    {
        QFETCH(QString, fallo);
        Fixture fx;
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        mostrarPestana(f);
        fx.ejecutar(fallo);
        const QList<QVariantList> antes = foto(fx);

        aceptar(abrir(f, f.ui().cmd_perfilNuevo), QStringLiteral("Ann"));

        QCOMPARE(msgs.textos(),
                 QStringList{QStringLiteral("An error occurred while creting the new profile")});
        QCOMPARE(msgs.ultimo().tipo, mensajes::Tipo::Error);
        QCOMPARE(foto(fx), antes);
        QCOMPARE(perfilActual().idPerfil.entero(), 1);
        QCOMPARE(textosLista(f), QStringList{QStringLiteral("My profile")});
        QVERIFY(!f.perfiles().dialogo());
        QVERIFY(fx.log().contains(QStringLiteral("refused")));
    }

    void copiar_data()
    {
        QTest::addColumn<bool>("conDatos");
        QTest::addColumn<bool>("conIngestas");
        QTest::newRow("personal data and intakes") << true << true;
        QTest::newRow("no intakes") << true << false;
        QTest::newRow("no personal data") << false << true;
        QTest::newRow("neither") << false << false;
    }

    void copiar()
    {
        QFETCH(bool, conDatos);
        QFETCH(bool, conIngestas);
        Fixture fx;
        anadirOtro(fx, conDatos, conIngestas);
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        mostrarPestana(f);
        seleccionar(f, otro);
        const QString sentenciaOrigen =
            QStringLiteral("select name, age, gender, weight, last from profiles where id=2");
        const QVariantList origen = fx.filas(sentenciaOrigen)[0];
        const QString ingestas =
            QStringLiteral("select food_id, intake from saves where prof_id=%1 order by food_id");
        const QList<QVariantList> ingestasOrigen = fx.filas(ingestas.arg(otro));

        DialogoPerfil* p = abrir(f, f.ui().cmd_perfilGuardar);
        QVERIFY(p);
        QCOMPARE(p->cmd_guardar->text(), QStringLiteral("Save"));
        QCOMPARE(p->lbl_perfil->text(), QStringLiteral("Enter the name to duplicate the profile:"));
        QCOMPARE(p->tbx_perfil->text(), QStringLiteral("Other"));
        QCOMPARE(p->tbx_perfil->selectedText(), QStringLiteral("Other"));
        aceptar(p, QStringLiteral("O'Other copy"));

        QCOMPARE(msgs.textos(), QStringList{QStringLiteral("Profile saved")});
        QCOMPARE(msgs.ultimo().tipo, mensajes::Tipo::Informacion);
        const qint64 id =
            fx.valor(QStringLiteral("select id from profiles where name='O''Other copy'"))
                .toLongLong();
        QVERIFY(id > otro);
        QCOMPARE(marcados(fx), QList<qint64>{id});
        QCOMPARE(perfilActual().idPerfil.entero(), id);
        QCOMPARE(idSeleccionado(f), id);
        // The source keeps its name, data, flag and intakes.
        QCOMPARE(fx.filas(sentenciaOrigen)[0], origen);
        QCOMPARE(fx.filas(ingestas.arg(otro)), ingestasOrigen);
        // The copy: same personal data, same intakes under its own id.
        const QVariantList copia = fx.filas(
            QStringLiteral("select name, age, gender, weight, last from profiles where id=%1")
                .arg(id))[0];
        for (int i = 1; i < 4; ++i)
            QCOMPARE(copia[i], origen[i]);
        QCOMPARE(fx.filas(ingestas.arg(id)), ingestasOrigen);
        QCOMPARE(f.ui().tbx_peso->text(), conDatos ? QStringLiteral("58") : QString());
        // The profile that was current keeps its intakes.
        QCOMPARE(fx.valor(QStringLiteral("select count(*) from saves where prof_id=1")).toInt(), 1);
        QCOMPARE(fx.entradasLog(), 0);
    }

    void copiaSinLimiteDeIngestas()
    {
        Fixture fx;
        anadirOtro(fx, true, false);
        // More intakes than a 16-bit counter reaches.
        fx.ejecutar(QStringLiteral("with recursive n(i) as (select 1 union all select i+1 from n "
                                   "where i<33000) insert into saves (prof_id, food_id, intake) "
                                   "select 2, i, i % 1000 from n"));
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        mostrarPestana(f);
        seleccionar(f, otro);

        aceptar(abrir(f, f.ui().cmd_perfilGuardar), QStringLiteral("Copy"));

        QCOMPARE(msgs.textos(), QStringList{QStringLiteral("Profile saved")});
        const qint64 id = perfilActual().idPerfil.entero();
        QCOMPARE(fx.valor(QStringLiteral("select count(*) from saves a join saves b on "
                                         "a.food_id=b.food_id and a.intake=b.intake where "
                                         "a.prof_id=2 and b.prof_id=%1")
                              .arg(id))
                     .toInt(),
                 33000);
    }

    void copiaFallidaNoDejaNada_data()
    {
        QTest::addColumn<QString>("fallo");
        QTest::addColumn<QString>("enLog");
        QTest::newRow("intake copy refused")
            << "create trigger t before insert on saves begin select raise(abort, 'refused'); end"
            << "duplicarDatos() (profiles) -> ";
        QTest::newRow("personal data refused")
            << "create trigger t before update of age on profiles begin "
               "select raise(abort, 'refused'); end"
            << "update profiles set age=?, gender=?, weight=? where id=?";
        QTest::newRow("flag clearing refused")
            << "create trigger t before update of last on profiles when new.last=0 begin "
               "select raise(abort, 'refused'); end"
            << "update profiles set last=0 where id<>?";
        QTest::newRow("profile insert refused") << "create trigger t before insert on profiles "
                                                   "begin select raise(abort, 'refused'); end"
                                                << "insert into profiles(name,last) values (?, 1)";
        QTest::newRow("intakes unreadable") << "alter table saves rename column intake to cantidad"
                                            << "extraerAlimentosPerfil() (profiles) -> ";
        QTest::newRow("personal data unreadable")
            << "alter table profiles rename column weight to peso"
            << "extraerPersonalesPerfil() (profiles) -> ";
    }

    void copiaFallidaNoDejaNada()
    {
        QFETCH(QString, fallo);
        QFETCH(QString, enLog);
        Fixture fx;
        anadirOtro(fx);
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        mostrarPestana(f);
        seleccionar(f, otro);
        DialogoPerfil* p = abrir(f, f.ui().cmd_perfilGuardar);
        fx.ejecutar(fallo);
        const QList<QVariantList> antes = foto(fx);

        aceptar(p, QStringLiteral("Copy"));

        QCOMPARE(msgs.textos(), QStringList{falloCopia});
        QCOMPARE(msgs.ultimo().tipo, mensajes::Tipo::Error);
        QCOMPARE(foto(fx), antes);
        QCOMPARE(marcados(fx), QList<qint64>{1});
        QCOMPARE(perfilActual().idPerfil.entero(), 1);
        QVERIFY(!f.perfiles().dialogo());
        QVERIFY2(fx.log().contains(enLog), qPrintable(fx.log()));
    }

    void copiaDelSeleccionadoAlPulsar()
    {
        Fixture fx;
        anadirOtro(fx);
        fx.ejecutar(QStringLiteral("insert into profiles (id, name, last, weight) values "
                                   "(3, 'Third', 0, 44)"));
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        mostrarPestana(f);
        seleccionar(f, otro);
        DialogoPerfil* p = abrir(f, f.ui().cmd_perfilGuardar);
        seleccionar(f, 3);

        aceptar(p, QStringLiteral("Copy"));

        QCOMPARE(msgs.textos(), QStringList{QStringLiteral("Profile saved")});
        QCOMPARE(fx.valor(QStringLiteral("select weight from profiles where name='Copy'")).toInt(),
                 44);
        QCOMPARE(fx.valor(QStringLiteral("select count(*) from saves s join profiles p on "
                                         "p.id=s.prof_id where p.name='Copy'"))
                     .toInt(),
                 0);
    }

    void renombrar_data()
    {
        QTest::addColumn<qint64>("id");
        QTest::addColumn<QString>("nombre");
        QTest::newRow("current profile") << qint64(1) << "O'Brien";
        QTest::newRow("other profile") << otro << QString::fromUtf8("Zoë \"Z\" 100%");
    }

    void renombrar()
    {
        QFETCH(qint64, id);
        QFETCH(QString, nombre);
        Fixture fx;
        anadirOtro(fx);
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        mostrarPestana(f);
        seleccionar(f, id);
        const QString anterior = item(f, id)->text(0);

        DialogoPerfil* p = abrir(f, f.ui().cmd_perfilRenombrar);
        QVERIFY(p);
        QCOMPARE(p->cmd_guardar->text(), QStringLiteral("Rename"));
        QCOMPARE(p->lbl_perfil->text(), QStringLiteral("Enter the new name of the profile:"));
        QCOMPARE(p->tbx_perfil->selectedText(), anterior);
        aceptar(p, nombre);

        QCOMPARE(msgs.textos(), QStringList{QStringLiteral("Profile renamed")});
        QCOMPARE(
            fx.valor(QStringLiteral("select name from profiles where id=%1").arg(id)).toString(),
            nombre);
        QCOMPARE(fx.valor(QStringLiteral("select count(*) from profiles")).toInt(), 2);
        QCOMPARE(marcados(fx), QList<qint64>{1});
        QCOMPARE(perfilActual().idPerfil.entero(), 1);
        QVERIFY(textosLista(f).contains(nombre));
        QCOMPARE(idSeleccionado(f), 1);
    }

    void renombrarDesaparecido()
    {
        Fixture fx;
        anadirOtro(fx);
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        mostrarPestana(f);
        seleccionar(f, otro);
        DialogoPerfil* p = abrir(f, f.ui().cmd_perfilRenombrar);
        fx.ejecutar(QStringLiteral("delete from profiles where id=2"));

        aceptar(p, QStringLiteral("New name"));

        QCOMPARE(msgs.textos(),
                 QStringList{QStringLiteral("An error occurred while renaming the profile")});
        QCOMPARE(msgs.ultimo().tipo, mensajes::Tipo::Error);
        QCOMPARE(textosLista(f), QStringList{QStringLiteral("My profile")});
    }

    void cancelarNoCambiaNada()
    {
        Fixture fx;
        anadirOtro(fx);
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        mostrarPestana(f);
        seleccionar(f, otro);
        DialogoPerfil* p = abrir(f, f.ui().cmd_perfilGuardar);
        p->tbx_perfil->setText(QStringLiteral("Copy"));
        // Added behind the list's back: a refresh would show it.
        fx.ejecutar(QStringLiteral("insert into profiles (name, last) values ('Behind', 0)"));
        const QList<QVariantList> antes = foto(fx);

        QTest::mouseClick(p->cmd_cancelar, Qt::LeftButton);

        QVERIFY(msgs.mostrados().isEmpty());
        QVERIFY(!f.perfiles().dialogo());
        QCOMPARE(foto(fx), antes);
        QCOMPARE(textosLista(f),
                 (QStringList{QStringLiteral("My profile"), QStringLiteral("Other")}));
        QCOMPARE(idSeleccionado(f), otro);
    }

    void accionSinSeleccionAlPulsar_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::newRow("Save as") << "cmd_perfilGuardar";
        QTest::newRow("Rename") << "cmd_perfilRenombrar";
    }

    void accionSinSeleccionAlPulsar()
    {
        QFETCH(QString, boton);
        Fixture fx;
        anadirOtro(fx);
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        mostrarPestana(f);
        seleccionar(f, otro);
        DialogoPerfil* p = abrir(f, f.findChild<QPushButton*>(boton));
        QVERIFY(p);
        f.ui().lsv_perfiles->clearSelection();
        const QList<QVariantList> antes = foto(fx);

        aceptar(p, QStringLiteral("Name"));

        QCOMPARE(msgs.textos(), QStringList{sinSeleccion});
        QCOMPARE(f.perfiles().dialogo(), p);
        QCOMPARE(foto(fx), antes);
    }

    void segundaPulsacionTraeElMismoDialogo()
    {
        Fixture fx;
        anadirOtro(fx);
        RegistroMensajes msgs;
        VentanaPrincipal f;
        f.cargar();
        mostrarPestana(f);
        DialogoPerfil* p = abrir(f, f.ui().cmd_perfilNuevo);
        QVERIFY(p);
        p->tbx_perfil->setText(QStringLiteral("typed"));
        for (QPushButton* b :
             {f.ui().cmd_perfilNuevo, f.ui().cmd_perfilGuardar, f.ui().cmd_perfilRenombrar})
            QCOMPARE(abrir(f, b), p);
        QCOMPARE(p->cmd_guardar->text(), QStringLiteral("Create"));
        QCOMPARE(p->tbx_perfil->text(), QStringLiteral("typed"));
        QCOMPARE(f.findChildren<DialogoPerfil*>().size(), 1);
        QVERIFY(msgs.mostrados().isEmpty());
    }
};

QTEST_MAIN(TstPerfiles)
#include "tst_perfiles.moc"
