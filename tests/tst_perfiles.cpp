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
constexpr qint64 otro = 2;

// The fixture's current "My profile" (id 1, with one intake and personal
// data), "Other" (id 2) and "Third" (id 3), the main window on tab 6.
struct Escena
{
    explicit Escena(bool datosOtro = true, bool ingestasOtro = true)
    {
        fx.ejecutar(QStringLiteral("update profiles set age=6, gender=0, weight=80 where id=1"));
        fx.ejecutar(
            QStringLiteral("insert into profiles (id, name, last, age, gender, weight) "
                           "values (2, 'Other', 0, %1), (3, 'Third', 0, 2, 1, 15)")
                .arg(datosOtro ? QStringLiteral("9, 1, 58") : QStringLiteral("null, null, null")));
        fx.ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values "
                                   "(1, 1077, 700), (3, 1077, 10)"));
        if (ingestasOtro)
            fx.ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values "
                                       "(2, 1001, 100), (2, 43212, 50), (2, 21237, 0)"));
    }
    void abrirVentana()
    {
        f.cargar();
        f.ui().tbs_fichas->setCurrentWidget(f.ui().frm_seis);
    }
    QTreeWidgetItem* item(qint64 id)
    {
        QTreeWidget* l = f.ui().lsv_perfiles;
        for (int i = 0; i < l->topLevelItemCount(); ++i)
            if (l->topLevelItem(i)->data(0, PestanaPerfiles::RolIdPerfil).toLongLong() == id)
                return l->topLevelItem(i);
        return nullptr;
    }
    void seleccionar(qint64 id) { f.ui().lsv_perfiles->setCurrentItem(item(id)); }
    qint64 seleccionado()
    {
        const QList<QTreeWidgetItem*> s = f.ui().lsv_perfiles->selectedItems();
        return s.isEmpty() ? 0 : s.first()->data(0, PestanaPerfiles::RolIdPerfil).toLongLong();
    }
    QStringList textos()
    {
        QStringList t;
        for (int i = 0; i < f.ui().lsv_perfiles->topLevelItemCount(); ++i)
            t << f.ui().lsv_perfiles->topLevelItem(i)->text(0);
        return t;
    }
    QList<qint64> marcados() const
    {
        QList<qint64> ids;
        for (const QVariantList& fila :
             fx.filas(QStringLiteral("select id from profiles where last=1")))
            ids << fila[0].toLongLong();
        return ids;
    }
    // Everything a profile action could change.
    QList<QVariantList> foto() const
    {
        return fx.filas(QStringLiteral("select * from profiles order by id")) +
               fx.filas(QStringLiteral("select * from saves order by id"));
    }
    DialogoPerfil* abrir(const QString& boton)
    {
        QTest::mouseClick(f.findChild<QPushButton*>(boton), Qt::LeftButton);
        return f.perfiles().dialogo();
    }
    // Types the name into the open dialog and presses its action button.
    static void aceptar(DialogoPerfil* p, const QString& nombre)
    {
        p->tbx_perfil->setText(nombre);
        QTest::mouseClick(p->cmd_guardar, Qt::LeftButton);
    }

    Fixture fx;
    RegistroMensajes msgs;
    VentanaPrincipal f;
};

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

    void lista_data()
    {
        QTest::addColumn<QString>("preparacion");
        QTest::addColumn<qint64>("seleccionado");
        QTest::newRow("by name, current selected")
            << "insert into profiles (id, name, last) values (40000, 'Zoe', 0), (5000000000, "
               "'Bert', 0), (7, null, 0), (8, 'adam', 0)"
            << qint64(1);
        QTest::newRow("no current profile") << "update profiles set last=0" << qint64(0);
    }

    void lista()
    {
        QFETCH(QString, preparacion);
        QFETCH(qint64, seleccionado);
        Escena e;
        e.fx.ejecutar(preparacion);
        e.abrirVentana();

        QStringList nombres;
        QList<qint64> ids;
        for (const QVariantList& fila :
             e.fx.filas(QStringLiteral("select id, name from profiles order by name"))) {
            ids << fila[0].toLongLong();
            nombres << (fila[1].isNull() ? QStringLiteral("Without name") : fila[1].toString());
        }
        QCOMPARE(e.textos(), nombres);
        for (int i = 0; i < ids.size(); ++i)
            QCOMPARE(e.item(ids[i]), e.f.ui().lsv_perfiles->topLevelItem(i));
        QCOMPARE(e.f.ui().lsv_perfiles->selectedItems().size(), seleccionado ? 1 : 0);
        QCOMPARE(e.seleccionado(), seleccionado);
        QVERIFY(e.msgs.mostrados().isEmpty());
    }

    void cargar_data()
    {
        QTest::addColumn<qint64>("id");
        QTest::addColumn<bool>("dobleClic");
        QTest::newRow("Load button") << otro << false;
        QTest::newRow("double click") << otro << true;
        QTest::newRow("id beyond 32 bits, without name") << qint64(5000000000) << true;
        QTest::newRow("already current") << qint64(1) << false;
    }

    void cargar()
    {
        QFETCH(qint64, id);
        QFETCH(bool, dobleClic);
        Escena e;
        e.fx.ejecutar(QStringLiteral("insert into profiles (id, name, last, age, gender, weight) "
                                     "values (5000000000, null, 0, 3, 0, 21)"));
        e.abrirVentana();
        QVERIFY(QTest::qWaitForWindowExposed(&e.f));
        e.seleccionar(id);

        if (dobleClic) {
            QTreeWidget* l = e.f.ui().lsv_perfiles;
            const QPoint centro = l->visualItemRect(e.item(id)).center();
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, centro);
            QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, centro);
        } else {
            QTest::mouseClick(e.f.ui().cmd_perfilCargar, Qt::LeftButton);
        }

        QCOMPARE(e.msgs.textos(), QStringList{QStringLiteral("Profile loaded")});
        QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Informacion);
        QCOMPARE(e.marcados(), QList<qint64>{id});
        QCOMPARE(perfilActual().idPerfil.entero(), id);
        const QVariantList datos =
            e.fx.filas(QStringLiteral("select age, weight from profiles where id=%1").arg(id))[0];
        QCOMPARE(e.f.ui().cmb_edad->currentIndex(), datos[0].toInt());
        QCOMPARE(e.f.ui().tbx_peso->text(), datos[1].toString());
        QCOMPARE(e.seleccionado(), id);
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    void borrar_data()
    {
        QTest::addColumn<qint64>("id");
        QTest::addColumn<bool>("si");
        QTest::addColumn<QString>("respuesta"); // message after the question, "" for none
        QTest::newRow("other, Yes") << otro << true << "Profile removed";
        QTest::newRow("other, No") << otro << false << "";
        QTest::newRow("current, Yes")
            << qint64(1) << true << "The profile you try to remove is currently running";
        QTest::newRow("current, No") << qint64(1) << false << "";
    }

    void borrar()
    {
        QFETCH(qint64, id);
        QFETCH(bool, si);
        QFETCH(QString, respuesta);
        Escena e;
        e.abrirVentana();
        e.seleccionar(id);
        const QList<QVariantList> antes = e.foto();
        e.msgs.responder(si ? QMessageBox::Yes : QMessageBox::No);

        QTest::mouseClick(e.f.ui().cmd_perfilBorrar, Qt::LeftButton);

        QStringList esperados{
            QStringLiteral("Are you sure you want to remove the selected profile?")};
        if (!respuesta.isEmpty())
            esperados << respuesta;
        QCOMPARE(e.msgs.textos(), esperados);
        QCOMPARE(e.msgs.mostrados().first().tipo, mensajes::Tipo::Pregunta);
        if (respuesta == QLatin1String("Profile removed")) {
            QCOMPARE(e.fx.valor(QStringLiteral("select count(*) from profiles where id=2")), 0);
            QCOMPARE(e.fx.valor(QStringLiteral("select count(*) from saves where prof_id=2")), 0);
            QCOMPARE(e.fx.valor(QStringLiteral("select count(*) from saves")), 2);
            QCOMPARE(e.textos(),
                     (QStringList{QStringLiteral("My profile"), QStringLiteral("Third")}));
            QCOMPARE(e.seleccionado(), 1);
        } else {
            QCOMPARE(e.foto(), antes);
            QCOMPARE(e.textos().size(), 3);
        }
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    void sinSeleccionNoHaceNada_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("caso"); // empty list, nothing selected, lost after opening
        for (const char* b :
             {"cmd_perfilCargar", "cmd_perfilBorrar", "cmd_perfilGuardar", "cmd_perfilRenombrar"})
            for (const char* c : {"empty list", "nothing selected", "lost after opening"})
                if (qstrcmp(c, "lost after opening") != 0 || qstrcmp(b, "cmd_perfilGuardar") == 0 ||
                    qstrcmp(b, "cmd_perfilRenombrar") == 0)
                    QTest::addRow("%s, %s", b, c)
                        << QString::fromLatin1(b) << QString::fromLatin1(c);
    }

    void sinSeleccionNoHaceNada()
    {
        QFETCH(QString, boton);
        QFETCH(QString, caso);
        Escena e;
        if (caso == QLatin1String("empty list"))
            e.fx.ejecutar(QStringLiteral("delete from profiles"));
        e.abrirVentana();
        const QList<QVariantList> antes = e.foto();

        if (caso == QLatin1String("lost after opening")) {
            e.seleccionar(otro);
            DialogoPerfil* p = e.abrir(boton);
            e.f.ui().lsv_perfiles->clearSelection();
            Escena::aceptar(p, QStringLiteral("Name"));
            QCOMPARE(e.f.perfiles().dialogo(), p);
        } else {
            e.f.ui().lsv_perfiles->clearSelection();
            QVERIFY(!e.abrir(boton));
        }
        QCOMPARE(e.msgs.textos(), QStringList{sinSeleccion});
        QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Aviso);
        QCOMPARE(e.foto(), antes);
    }

    void crearConNombres_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("aceptado");
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
        Escena e;
        e.abrirVentana();
        const QList<QVariantList> antes = e.foto();

        DialogoPerfil* p = e.abrir(QStringLiteral("cmd_perfilNuevo"));
        QVERIFY(p);
        QCOMPARE(p->objectName(), QStringLiteral("p"));
        QVERIFY(!p->isModal() && !QApplication::activeModalWidget());
        QCOMPARE(p->cmd_guardar->text(), QStringLiteral("Create"));
        QCOMPARE(p->lbl_perfil->text(), QStringLiteral("Enter the name for the new profile:"));
        QVERIFY(p->tbx_perfil->text().isEmpty());
        Escena::aceptar(p, nombre);

        if (!aceptado) {
            QCOMPARE(e.msgs.textos(),
                     QStringList{QStringLiteral("Profile name cannot be blank or greater than 255 "
                                                "characters")});
            QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Aviso);
            QCOMPARE(e.f.perfiles().dialogo(), p);
            QCOMPARE(p->tbx_perfil->text(), nombre);
            QCOMPARE(e.foto(), antes);
            return;
        }
        QCOMPARE(e.msgs.textos(), QStringList{QStringLiteral("Profile created")});
        QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Informacion);
        QVERIFY(!e.f.perfiles().dialogo());
        const QVariantList nuevo = e.fx.filas(
            QStringLiteral("select id, name, age, gender, weight from profiles where id>3"))[0];
        const qint64 id = nuevo[0].toLongLong();
        QCOMPARE(nuevo[1].toString(), nombre);
        QVERIFY(nuevo[2].isNull() && nuevo[3].isNull() && nuevo[4].isNull());
        QCOMPARE(e.marcados(), QList<qint64>{id});
        QCOMPARE(perfilActual().idPerfil.entero(), id);
        QCOMPARE(e.seleccionado(), id);
        QCOMPARE(e.item(id)->text(0), nombre);
        // Tab 1 shows the new profile's empty personal data.
        QCOMPARE(e.f.ui().cmb_edad->currentIndex(), -1);
        QVERIFY(e.f.ui().tbx_peso->text().isEmpty());
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    void copiar_data()
    {
        QTest::addColumn<bool>("conDatos");
        QTest::addColumn<bool>("conIngestas");
        QTest::newRow("personal data and intakes") << true << true;
        QTest::newRow("no intakes") << true << false;
        QTest::newRow("no personal data") << false << true;
    }

    void copiar()
    {
        QFETCH(bool, conDatos);
        QFETCH(bool, conIngestas);
        Escena e(conDatos, conIngestas);
        e.abrirVentana();
        const QString perfil =
            QStringLiteral("select name, age, gender, weight, last from profiles where id=%1");
        const QString ingestas =
            QStringLiteral("select food_id, intake from saves where prof_id=%1 order by food_id");
        const QVariantList origen = e.fx.filas(perfil.arg(otro))[0];
        const QList<QVariantList> ingestasOrigen = e.fx.filas(ingestas.arg(otro));

        e.seleccionar(otro);
        DialogoPerfil* p = e.abrir(QStringLiteral("cmd_perfilGuardar"));
        QVERIFY(p);
        QCOMPARE(p->cmd_guardar->text(), QStringLiteral("Save"));
        QCOMPARE(p->lbl_perfil->text(), QStringLiteral("Enter the name to duplicate the profile:"));
        QCOMPARE(p->tbx_perfil->selectedText(), QStringLiteral("Other"));
        Escena::aceptar(p, QStringLiteral("O'Other copy"));

        QCOMPARE(e.msgs.textos(), QStringList{QStringLiteral("Profile saved")});
        QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Informacion);
        const qint64 id = perfilActual().idPerfil.entero();
        QVERIFY(id > 3);
        QCOMPARE(e.marcados(), QList<qint64>{id});
        QCOMPARE(e.seleccionado(), id);
        // The source keeps name, data, flag and intakes; the copy has its data
        // and the same intakes under its own id.
        QCOMPARE(e.fx.filas(perfil.arg(otro))[0], origen);
        QCOMPARE(e.fx.filas(ingestas.arg(otro)), ingestasOrigen);
        QVariantList copia = origen;
        copia[0] = QStringLiteral("O'Other copy");
        copia[4] = 1;
        QCOMPARE(e.fx.filas(perfil.arg(id))[0], copia);
        QCOMPARE(e.fx.filas(ingestas.arg(id)), ingestasOrigen);
        QCOMPARE(e.f.ui().tbx_peso->text(), conDatos ? QStringLiteral("58") : QString());
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    void copiaDelSeleccionadoAlPulsarSinLimiteDeIngestas()
    {
        Escena e;
        // More intakes than a 16-bit counter reaches.
        e.fx.ejecutar(QStringLiteral("with recursive n(i) as (select 1 union all select i+1 from n "
                                     "where i<33000) insert into saves (prof_id, food_id, intake) "
                                     "select 3, i + 100000, i % 1000 from n"));
        e.abrirVentana();
        e.seleccionar(otro);
        DialogoPerfil* p = e.abrir(QStringLiteral("cmd_perfilGuardar"));
        e.seleccionar(3);

        Escena::aceptar(p, QStringLiteral("Copy"));

        QCOMPARE(e.msgs.textos(), QStringList{QStringLiteral("Profile saved")});
        QCOMPARE(e.fx.valor(QStringLiteral("select weight from profiles where name='Copy'")), 15);
        QCOMPARE(e.fx.valor(QStringLiteral("select count(*) from saves a join saves b on "
                                           "a.food_id=b.food_id and a.intake=b.intake where "
                                           "a.prof_id=3 and b.prof_id=%1")
                                .arg(perfilActual().idPerfil.entero())),
                 33001);
    }

    // A step that fails leaves nothing half done: the database as before, the
    // same profile current, the action's own message and the failure logged.
    void falloNoDejaNadaAMedias_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("fallo");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QString>("enLog");
        const QString rechazo =
            QStringLiteral("create trigger t before %1 begin select raise(abort, 'refused'); end");
        const QString carga =
            QStringLiteral("An error occurred while loading the profile selected");
        const QString borrado =
            QStringLiteral("An error occurred while removing the profile selected");
        const QString creacion = QStringLiteral("An error occurred while creting the new profile");
        const QString copia =
            QStringLiteral("An error occurred while duplicating the profile selected");
        const QString flagCleared = rechazo.arg("update of last on profiles when new.last=0");

        QTest::newRow("load: flag refused")
            << "cmd_perfilCargar" << rechazo.arg("update of last on profiles when new.last=1")
            << carga << "update profiles set last=1 where id=2\"";
        QTest::newRow("load: profile gone") << "cmd_perfilCargar"
                                            << "delete from profiles where id=2" << carga << "";
        QTest::newRow("remove: intakes refused")
            << "cmd_perfilBorrar" << rechazo.arg("delete on saves") << borrado << "refused";
        QTest::newRow("remove: profile refused")
            << "cmd_perfilBorrar" << rechazo.arg("delete on profiles") << borrado << "refused";
        QTest::newRow("new: insert refused")
            << "cmd_perfilNuevo" << rechazo.arg("insert on profiles") << creacion << "refused";
        QTest::newRow("new: flag clearing refused") << "cmd_perfilNuevo" << flagCleared << creacion
                                                    << "update profiles set last=0 where id<>";
        QTest::newRow("save as: intake copy refused")
            << "cmd_perfilGuardar" << rechazo.arg("insert on saves") << copia
            << "duplicarDatos() (profiles) -> ";
        QTest::newRow("save as: personal data refused")
            << "cmd_perfilGuardar" << rechazo.arg("update of age on profiles") << copia
            << "update profiles set age=";
        QTest::newRow("save as: flag clearing refused")
            << "cmd_perfilGuardar" << flagCleared << copia
            << "update profiles set last=0 where id<>";
        QTest::newRow("save as: profile insert refused")
            << "cmd_perfilGuardar" << rechazo.arg("insert on profiles") << copia
            << "insert into profiles(name,last) values ('";
        QTest::newRow("save as: intakes unreadable")
            << "cmd_perfilGuardar"
            << "alter table saves rename column intake to cantidad" << copia
            << "extraerAlimentosPerfil() (profiles) -> ";
        QTest::newRow("save as: personal data unreadable")
            << "cmd_perfilGuardar"
            << "alter table profiles rename column weight to peso" << copia
            << "extraerPersonalesPerfil() (profiles) -> ";
        QTest::newRow("rename: profile gone") << "cmd_perfilRenombrar"
                                              << "delete from profiles where id=2"
                                              << "An error occurred while renaming the profile"
                                              << "";
    }

    void falloNoDejaNadaAMedias()
    {
        QFETCH(QString, boton);
        QFETCH(QString, fallo);
        QFETCH(QString, mensaje);
        QFETCH(QString, enLog);
        Escena e;
        e.abrirVentana();
        e.seleccionar(otro);
        const QString lista = e.textos().join(QLatin1Char('|'));

        DialogoPerfil* p =
            boton == QLatin1String("cmd_perfilCargar") || boton == QLatin1String("cmd_perfilBorrar")
                ? nullptr
                : e.abrir(boton);
        e.fx.ejecutar(fallo);
        const QList<QVariantList> antes = e.foto();
        if (p)
            Escena::aceptar(p, QStringLiteral("Copy"));
        else
            QTest::mouseClick(e.f.findChild<QPushButton*>(boton), Qt::LeftButton);

        QCOMPARE(e.msgs.ultimo().texto, mensaje);
        QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Error);
        QCOMPARE(e.foto(), antes);
        QCOMPARE(e.marcados(), QList<qint64>{1});
        QCOMPARE(perfilActual().idPerfil.entero(), 1);
        QVERIFY(!e.f.perfiles().dialogo());
        QCOMPARE(e.f.ui().tbx_peso->text(), QStringLiteral("80"));
        if (!fallo.startsWith(QLatin1String("delete")))
            QCOMPARE(e.textos().join(QLatin1Char('|')), lista);
        QVERIFY2(e.fx.log().contains(enLog), qPrintable(e.fx.log()));
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
        Escena e;
        e.abrirVentana();
        e.seleccionar(id);
        const QString anterior = e.item(id)->text(0);

        DialogoPerfil* p = e.abrir(QStringLiteral("cmd_perfilRenombrar"));
        QVERIFY(p);
        QCOMPARE(p->cmd_guardar->text(), QStringLiteral("Rename"));
        QCOMPARE(p->lbl_perfil->text(), QStringLiteral("Enter the new name of the profile:"));
        QCOMPARE(p->tbx_perfil->selectedText(), anterior);
        Escena::aceptar(p, nombre);

        QCOMPARE(e.msgs.textos(), QStringList{QStringLiteral("Profile renamed")});
        QCOMPARE(e.fx.valor(QStringLiteral("select name from profiles where id=%1").arg(id)),
                 nombre);
        QCOMPARE(e.fx.valor(QStringLiteral("select count(*) from profiles")), 3);
        QCOMPARE(e.marcados(), QList<qint64>{1});
        QCOMPARE(perfilActual().idPerfil.entero(), 1);
        QCOMPARE(e.item(id)->text(0), nombre);
        QCOMPARE(e.seleccionado(), 1);
    }

    void cancelarNoCambiaNada()
    {
        Escena e;
        e.abrirVentana();
        e.seleccionar(otro);
        DialogoPerfil* p = e.abrir(QStringLiteral("cmd_perfilGuardar"));
        p->tbx_perfil->setText(QStringLiteral("Copy"));
        // Added behind the list's back: a refresh would show it.
        e.fx.ejecutar(QStringLiteral("insert into profiles (name, last) values ('Behind', 0)"));
        const QList<QVariantList> antes = e.foto();

        QTest::mouseClick(p->cmd_cancelar, Qt::LeftButton);

        QVERIFY(e.msgs.mostrados().isEmpty());
        QVERIFY(!e.f.perfiles().dialogo());
        QCOMPARE(e.foto(), antes);
        QCOMPARE(e.textos().size(), 3);
        QCOMPARE(e.seleccionado(), otro);
    }

    void segundaPulsacionTraeElMismoDialogo()
    {
        Escena e;
        e.abrirVentana();
        DialogoPerfil* p = e.abrir(QStringLiteral("cmd_perfilNuevo"));
        QVERIFY(p);
        p->tbx_perfil->setText(QStringLiteral("typed"));
        for (const char* b : {"cmd_perfilNuevo", "cmd_perfilGuardar", "cmd_perfilRenombrar"})
            QCOMPARE(e.abrir(QLatin1String(b)), p);
        QCOMPARE(p->cmd_guardar->text(), QStringLiteral("Create"));
        QCOMPARE(p->tbx_perfil->text(), QStringLiteral("typed"));
        QCOMPARE(e.f.findChildren<DialogoPerfil*>().size(), 1);
        QVERIFY(e.msgs.mostrados().isEmpty());
    }
};

QTEST_MAIN(TstPerfiles)
#include "tst_perfiles.moc"
