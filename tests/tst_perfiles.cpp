// Tab 6: the profile list, loading and removing profiles, and the name dialog
// that creates, copies and renames them.

#include "apoyo/fixture.h"
#include "apoyo/pantalla.h"
#include "apoyo/registromensajes.h"
#include "profiles/perfilactual.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/common/controles.h"
#include "windows/common/etiquetarecortada.h"
#include "windows/common/mensajes.h"
#include "windows/common/roles.h"
#include "windows/main/ventanaprincipal.h"
#include "windows/profiles/dialogoperfil.h"
#include "windows/profiles/pestanaperfiles.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QtWidgets>

#include <sys/stat.h>

namespace {

// Runs `sentencias` on the database file `ruta` through a connection of its
// own, then `abierta` while it is still open; gives the first statement that
// failed (empty when none did).
QString ejecutarEn(const QString& ruta, const QStringList& sentencias,
                   const std::function<void()>& abierta = {})
{
    QString fallida;
    {
        QSqlDatabase otra =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("otra"));
        otra.setDatabaseName(ruta);
        if (!otra.open())
            fallida = ruta;
        QSqlQuery q(otra);
        for (const QString& sentencia : sentencias)
            if (fallida.isEmpty() && !q.exec(sentencia))
                fallida = sentencia;
        if (fallida.isEmpty() && abierta)
            abierta();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("otra"));
    return fallida;
}

const QString sinSeleccion = QStringLiteral("Please, select a profile in the list first");
constexpr qint64 otro = 2;

// The fixture's current "My profile" (id 1, with one intake and personal
// data), "Other" (id 2) and "Third" (id 3), after `extra`; the main window on tab 6.
struct Escena
{
    explicit Escena(const QString& extra = {}, bool datosOtro = true, bool ingestasOtro = true)
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
        if (!extra.isEmpty())
            fx.ejecutar(extra);
        f.cargar();
        ::ui(f).tbs_fichas->setCurrentWidget(::ui(f).frm_seis);
    }
    QTreeWidgetItem* item(qint64 id)
    {
        QTreeWidget* l = ::ui(f).lsv_perfiles;
        for (int i = 0; i < l->topLevelItemCount(); ++i)
            if (l->topLevelItem(i)->data(0, RolIdPerfil).toLongLong() == id)
                return l->topLevelItem(i);
        return nullptr;
    }
    void seleccionar(qint64 id) { ::ui(f).lsv_perfiles->setCurrentItem(item(id)); }
    qint64 seleccionado()
    {
        const QList<QTreeWidgetItem*> s = ::ui(f).lsv_perfiles->selectedItems();
        return s.isEmpty() ? 0 : s.first()->data(0, RolIdPerfil).toLongLong();
    }
    QStringList textos()
    {
        QStringList t;
        for (int i = 0; i < ::ui(f).lsv_perfiles->topLevelItemCount(); ++i)
            t << ::ui(f).lsv_perfiles->topLevelItem(i)->text(0);
        return t;
    }
    // Exactly one row flagged, and the program agrees on which.
    bool actualEs(qint64 id)
    {
        return fx.valor(QStringLiteral("select group_concat(id) from profiles where last=1"))
                       .toString() == QString::number(id) &&
               f.sesion().perfilActual.idPerfil.entero() == id;
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
        ::ui(*p).tbx_perfil->setText(nombre);
        QTest::mouseClick(::ui(*p).cmd_guardar, Qt::LeftButton);
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
    void cleanup()
    {
        cerrarLog();
        almacen::cerrarBase();
    }

    void lista()
    {
        // Alphabetical by name, letter case aside; ids beyond 16 and 32 bits.
        Escena e(QStringLiteral("insert into profiles (id, name, last) values (40000, 'Zoe', 0), "
                                "(5000000000, 'Bert', 0), (7, null, 0), (8, 'adam', 0)"));
        QCOMPARE(e.textos(), (QStringList{"Without name", "adam", "Bert", "My profile", "Other",
                                          "Third", "Zoe"}));
        QCOMPARE(e.seleccionado(), 1);
        // With no current profile, nothing is selected.
        e.fx.ejecutar(QStringLiteral("update profiles set last=0"));
        e.f.perfiles().cargarPerfiles();
        QCOMPARE(e.seleccionado(), 0);
        QVERIFY(e.msgs.mostrados().isEmpty());
    }

    void cargar_data()
    {
        QTest::addColumn<qint64>("id");
        QTest::addColumn<bool>("dobleClic");
        QTest::newRow("Load button") << otro << false;
        QTest::newRow("double click, id beyond 32 bits, without name")
            << qint64(5000000000) << true;
        QTest::newRow("already current") << qint64(1) << false;
    }
    void cargar()
    {
        QFETCH(qint64, id);
        QFETCH(bool, dobleClic);
        Escena e(QStringLiteral("insert into profiles (id, name, last, age, gender, weight) "
                                "values (5000000000, null, 0, 3, 0, 21)"));
        QVERIFY(QTest::qWaitForWindowExposed(&e.f));
        e.seleccionar(id);
        if (dobleClic) {
            QTreeWidget* l = ::ui(e.f).lsv_perfiles;
            const QPoint centro = l->visualItemRect(e.item(id)).center();
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, centro);
            QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, centro);
        } else {
            QTest::mouseClick(::ui(e.f).cmd_perfilCargar, Qt::LeftButton);
        }

        QCOMPARE(e.msgs.textos(), QStringList{QStringLiteral("Profile loaded")});
        QVERIFY(e.actualEs(id));
        // Tab 1 shows the loaded profile's data.
        QCOMPARE(::ui(e.f).tbx_peso->text(),
                 e.fx.valor(QStringLiteral("select weight from profiles where id=%1").arg(id))
                     .toString());
        QCOMPARE(e.seleccionado(), id);
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    void borrar_data()
    {
        QTest::addColumn<qint64>("id");
        QTest::addColumn<bool>("si");
        QTest::addColumn<QStringList>("mensajes");
        const QString pregunta =
            QStringLiteral("Are you sure you want to remove the selected profile?");
        QTest::newRow("other, Yes") << otro << true << QStringList{pregunta, "Profile removed"};
        QTest::newRow("No") << otro << false << QStringList{pregunta};
        QTest::newRow("current, refused after the question")
            << qint64(1) << true
            << QStringList{pregunta, "The profile you try to remove is currently running"};
    }
    void borrar()
    {
        QFETCH(qint64, id);
        QFETCH(bool, si);
        QFETCH(QStringList, mensajes);
        Escena e;
        e.seleccionar(id);
        const QList<QVariantList> antes = e.foto();
        e.msgs.responder(si ? QMessageBox::Yes : QMessageBox::No);

        QTest::mouseClick(::ui(e.f).cmd_perfilBorrar, Qt::LeftButton);

        QCOMPARE(e.msgs.textos(), mensajes);
        QCOMPARE(e.msgs.mostrados().first().tipo, mensajes::Tipo::Pregunta);
        if (si && id == otro) {
            // Its intakes go with it, the others' stay.
            QCOMPARE(
                e.fx.valor(QStringLiteral("select group_concat(prof_id) from saves")).toString(),
                QStringLiteral("1,3"));
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
        Escena e(caso == QLatin1String("empty list") ? QStringLiteral("delete from profiles")
                                                     : QString());
        const QList<QVariantList> antes = e.foto();

        if (caso == QLatin1String("lost after opening")) {
            e.seleccionar(otro);
            DialogoPerfil* p = e.abrir(boton);
            ::ui(e.f).lsv_perfiles->clearSelection();
            Escena::aceptar(p, QStringLiteral("Name"));
            QCOMPARE(e.f.perfiles().dialogo(), p);
        } else {
            ::ui(e.f).lsv_perfiles->clearSelection();
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
        // Names are bound, never spliced into a statement.
        QTest::newRow("quotes, percent, backslash, statement text")
            << "O'Brien 100% \"real\" \\n x'); delete from profiles; --" << true;
        QTest::newRow("non-Latin") << QString::fromUtf8("Ελένη 李小龍 Анна") << true;
        QTest::newRow("blanks only") << "   " << true;
        QTest::newRow("200 characters") << QString(200, QLatin1Char('x')) << true;
        // 201 UTF-16 units, but 200 characters.
        QTest::newRow("200 characters, one outside 16 bits")
            << QString(199, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x8D\x8E") << true;
        QTest::newRow("201 characters") << QString(201, QLatin1Char('x')) << false;
        QTest::newRow("empty") << "" << false;
    }
    void crearConNombres()
    {
        QFETCH(QString, nombre);
        QFETCH(bool, aceptado);
        Escena e;
        const QList<QVariantList> antes = e.foto();

        DialogoPerfil* p = e.abrir(QStringLiteral("cmd_perfilNuevo"));
        QVERIFY(p);
        QVERIFY(!p->isModal() && !QApplication::activeModalWidget());
        QCOMPARE(::ui(*p).lbl_perfil->text(),
                 QStringLiteral("Enter the name for the new profile:"));
        QVERIFY(::ui(*p).tbx_perfil->text().isEmpty());
        Escena::aceptar(p, nombre);

        if (!aceptado) {
            QCOMPARE(e.msgs.textos(),
                     QStringList{QStringLiteral("Profile name cannot be blank or greater than 200 "
                                                "characters")});
            // The dialog stays open with the name, to be corrected.
            QCOMPARE(e.f.perfiles().dialogo(), p);
            QCOMPARE(::ui(*p).tbx_perfil->text(), nombre);
            QCOMPARE(e.foto(), antes);
            return;
        }
        QCOMPARE(e.msgs.textos(), QStringList{QStringLiteral("Profile created")});
        QVERIFY(!e.f.perfiles().dialogo());
        const QVariantList nuevo = e.fx.filas(QStringLiteral(
            "select id, name, coalesce(age, gender, weight) from profiles where id>3"))[0];
        const qint64 id = nuevo[0].toLongLong();
        QCOMPARE(nuevo[1].toString(), nombre);
        QVERIFY(nuevo[2].isNull());
        QVERIFY(e.actualEs(id));
        QCOMPARE(e.seleccionado(), id);
        QCOMPARE(e.item(id)->text(0), nombre);
        // Tab 1 shows the new profile's empty personal data.
        QVERIFY(::ui(e.f).tbx_peso->text().isEmpty());
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    void copiar_data()
    {
        QTest::addColumn<bool>("conDatos");
        QTest::addColumn<bool>("conIngestas");
        QTest::addColumn<QString>("extra");
        QTest::newRow("personal data and intakes") << true << true << QString();
        QTest::newRow("no intakes") << true << false << QString();
        QTest::newRow("no personal data") << false << true << QString();
        // More intakes than a 16-bit counter reaches.
        QTest::newRow("33,003 intakes")
            << true << true
            << "with recursive n(i) as (select 1 union all select i+1 from n where i<33000) "
               "insert into saves (prof_id, food_id, intake) select 2, i + 100000, i % 1000 from n";
    }
    // The dialog opens with the selected name; the profile selected at the
    // press is the one copied.
    void copiar()
    {
        QFETCH(bool, conDatos);
        QFETCH(bool, conIngestas);
        QFETCH(QString, extra);
        Escena e(extra, conDatos, conIngestas);
        const QString perfil =
            QStringLiteral("select name, age, gender, weight, last from profiles where id=%1");
        const QString ingestas =
            QStringLiteral("select food_id, intake from saves where prof_id=%1 order by food_id");
        const QVariantList origen = e.fx.filas(perfil.arg(otro))[0];
        const QList<QVariantList> ingestasOrigen = e.fx.filas(ingestas.arg(otro));

        e.seleccionar(3);
        DialogoPerfil* p = e.abrir(QStringLiteral("cmd_perfilGuardar"));
        QVERIFY(p);
        QCOMPARE(::ui(*p).tbx_perfil->selectedText(), QStringLiteral("Third"));
        e.seleccionar(otro);
        Escena::aceptar(p, QStringLiteral("O'Other copy"));

        QCOMPARE(e.msgs.textos(), QStringList{QStringLiteral("Profile saved")});
        const qint64 id = e.f.sesion().perfilActual.idPerfil.entero();
        QVERIFY(id > 3 && e.actualEs(id));
        QCOMPARE(e.seleccionado(), id);
        // The source unchanged; the copy has its data and intakes under its own id.
        QCOMPARE(e.fx.filas(perfil.arg(otro))[0], origen);
        QCOMPARE(e.fx.filas(ingestas.arg(otro)), ingestasOrigen);
        QVariantList copia = origen;
        copia[0] = QStringLiteral("O'Other copy");
        copia[4] = 1;
        QCOMPARE(e.fx.filas(perfil.arg(id))[0], copia);
        QCOMPARE(e.fx.filas(ingestas.arg(id)), ingestasOrigen);
        QCOMPARE(::ui(e.f).tbx_peso->text(), conDatos ? QStringLiteral("58") : QString());
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    // A step that fails leaves nothing half done: the database as before, the
    // same profile current, the action's own message and the failure logged.
    void falloNoDejaNadaAMedias_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("fallo");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QString>("enLog");
        const auto fila = [](const char* nombre, const char* boton, const QString& fallo,
                             const char* mensaje, const char* enLog) {
            QTest::newRow(nombre) << QStringLiteral("cmd_perfil") + QLatin1String(boton) << fallo
                                  << QStringLiteral("An error occurred while ") +
                                         QLatin1String(mensaje)
                                  << QString::fromUtf8(enLog);
        };
        const QString rechazo =
            QStringLiteral("create trigger t before %1 begin select raise(abort, 'refused'); end");
        const QString flagCleared = rechazo.arg("update of last on profiles when new.last=0");
        const char* carga = "loading the profile selected";
        const char* copia = "duplicating the profile selected";
        const char* creacion = "creting the new profile";
        const char* sinFlag = "update profiles set last=0 where id<>";

        fila("load: flag refused", "Cargar",
             rechazo.arg("update of last on profiles when new.last=1"), carga,
             "update profiles set last=1 where id=2\"");
        fila("load: profile gone", "Cargar", "delete from profiles where id=2", carga, "");
        fila("remove: intakes refused", "Borrar", rechazo.arg("delete on saves"),
             "removing the profile selected", "refused");
        fila("remove: profile refused", "Borrar", rechazo.arg("delete on profiles"),
             "removing the profile selected", "refused");
        fila("new: insert refused", "Nuevo", rechazo.arg("insert on profiles"), creacion,
             "refused");
        fila("new: flag clearing refused", "Nuevo", flagCleared, creacion, sinFlag);
        fila("save as: intake copy refused", "Guardar", rechazo.arg("insert on saves"), copia,
             "duplicarDatos() (profiles) -> ");
        fila("save as: personal data refused", "Guardar", rechazo.arg("update of age on profiles"),
             copia, "update profiles set age=");
        fila("save as: flag clearing refused", "Guardar", flagCleared, copia, sinFlag);
        fila("save as: profile insert refused", "Guardar", rechazo.arg("insert on profiles"), copia,
             "insert into profiles(name,last) values ('");
        fila("save as: intakes unreadable", "Guardar",
             "alter table saves rename column intake to cantidad", copia,
             "extraerAlimentosPerfil() (profiles) -> ");
        fila("save as: personal data unreadable", "Guardar",
             "alter table profiles rename column weight to peso", copia,
             "extraerPersonalesPerfil() (profiles) -> ");
        fila("rename: profile gone", "Renombrar", "delete from profiles where id=2",
             "renaming the profile", "");
    }
    void falloNoDejaNadaAMedias()
    {
        QFETCH(QString, boton);
        QFETCH(QString, fallo);
        QFETCH(QString, mensaje);
        QFETCH(QString, enLog);
        Escena e;
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
        QVERIFY(e.actualEs(1));
        QVERIFY(!e.f.perfiles().dialogo());
        QCOMPARE(::ui(e.f).tbx_peso->text(), QStringLiteral("80"));
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
        e.seleccionar(id);
        const QString anterior = e.item(id)->text(0);

        DialogoPerfil* p = e.abrir(QStringLiteral("cmd_perfilRenombrar"));
        QVERIFY(p);
        QCOMPARE(::ui(*p).tbx_perfil->selectedText(), anterior);
        Escena::aceptar(p, nombre);

        QCOMPARE(e.msgs.textos(), QStringList{QStringLiteral("Profile renamed")});
        QCOMPARE(e.fx.valor(QStringLiteral("select name from profiles where id=%1").arg(id)),
                 nombre);
        QCOMPARE(e.fx.valor(QStringLiteral("select count(*) from profiles")), 3);
        QVERIFY(e.actualEs(1));
        QCOMPARE(e.item(id)->text(0), nombre);
        QCOMPARE(e.seleccionado(), 1);
    }

    // The status bar names the current profile after every change of it.
    void barraDeEstado()
    {
        Escena e;
        const auto estado = [&e] { return ::ui(e.f).lbl_perfil->text(); };
        QCOMPARE(estado(), QStringLiteral("Profile: My profile - 19 - 30 years, male, 80 kg"));
        e.seleccionar(otro);
        QTest::mouseClick(::ui(e.f).cmd_perfilCargar, Qt::LeftButton);
        QCOMPARE(estado(), QStringLiteral("Profile: Other - > 70 years, female, 58 kg"));
        Escena::aceptar(e.abrir(QStringLiteral("cmd_perfilGuardar")), QStringLiteral("Copy"));
        QCOMPARE(estado(), QStringLiteral("Profile: Copy - > 70 years, female, 58 kg"));
        Escena::aceptar(e.abrir(QStringLiteral("cmd_perfilNuevo")), QStringLiteral("Ana"));
        QCOMPARE(estado(), QStringLiteral("Profile: Ana - personal data not set yet"));

        ::ui(e.f).tbs_fichas->setCurrentWidget(::ui(e.f).frm_uno);
        ::ui(e.f).cmb_edad->setCurrentIndex(3);
        ::ui(e.f).opb_mujer->setChecked(true);
        ::ui(e.f).tbx_peso->setText(QStringLiteral("21"));
        QTest::mouseClick(::ui(e.f).cmd_personales, Qt::LeftButton);
        QCOMPARE(estado(), QStringLiteral("Profile: Ana - 4 - 8 years, female, 21 kg"));
        QCOMPARE(e.f.windowTitle(), QStringLiteral("Alimetra 1.1"));
        QCOMPARE(e.fx.entradasLog(), 0);
    }

    // A name of any length (a restored one may be longer than a new one can
    // be) neither widens the window nor draws more than one line.
    void nombreLargoNoEnsancha()
    {
        Escena e(QStringLiteral("update profiles set name='x' || replace(hex(zeroblob(5000)), "
                                "'0', 'ab') || char(10) || 'y' where id=2"));
        e.seleccionar(otro);
        QTest::mouseClick(::ui(e.f).cmd_perfilCargar, Qt::LeftButton);
        QLabel* linea = ::ui(e.f).lbl_perfil;
        QVERIFY(linea->text().size() > 20000);
        QVERIFY(e.f.minimumSizeHint().width() < 1200);
        QVERIFY(e.f.sizeHint().width() < 1600);
        QVERIFY(linea->toolTip().size() < 500);
        auto* recortada = dynamic_cast<EtiquetaRecortada*>(linea);
        QVERIFY(recortada);
        const QString visible = recortada->textoVisible(300);
        QVERIFY(visible.endsWith(QChar(0x2026)) && !visible.contains(QLatin1Char('\n')));
    }

    // With the option of tab 6 on, a save is confirmed in the status bar, not
    // in a box; a warning is still a box. The option is remembered.
    void confirmarEnLaBarra()
    {
        QStandardPaths::setTestModeEnabled(true);
        Escena e;
        QCheckBox* opcion = ::ui(e.f).chk_confirmarEnBarra;
        QVERIFY(!opcion->isChecked());
        opcion->setChecked(true);
        QVERIFY(mensajes::confirmarEnBarra());
        Escena::aceptar(e.abrir(QStringLiteral("cmd_perfilGuardar")), QStringLiteral("Copy"));
        QVERIFY(e.msgs.textos().isEmpty());
        QCOMPARE(::ui(e.f).sbr_estado->currentMessage(), QStringLiteral("Profile saved"));
        Escena::aceptar(e.abrir(QStringLiteral("cmd_perfilNuevo")), QString());
        QCOMPARE(e.msgs.textos(),
                 QStringList{QStringLiteral("Profile name cannot be blank or greater than 200 "
                                            "characters")});
        {
            Escena otra;
            QVERIFY(::ui(otra.f).chk_confirmarEnBarra->isChecked());
            ::ui(otra.f).chk_confirmarEnBarra->setChecked(false);
        }
        QVERIFY(!mensajes::confirmarEnBarra());
    }

    // A second press brings the open dialog forward as it was; Cancel then
    // changes nothing, not even the list.
    void dialogoUnicoYCancelar()
    {
        Escena e;
        e.seleccionar(otro);
        DialogoPerfil* p = e.abrir(QStringLiteral("cmd_perfilNuevo"));
        QVERIFY(p);
        ::ui(*p).tbx_perfil->setText(QStringLiteral("typed"));
        for (const char* b : {"cmd_perfilNuevo", "cmd_perfilGuardar", "cmd_perfilRenombrar"})
            QCOMPARE(e.abrir(QLatin1String(b)), p);
        QCOMPARE(::ui(*p).tbx_perfil->text(), QStringLiteral("typed"));
        QCOMPARE(e.f.findChildren<DialogoPerfil*>().size(), 1);
        // Added behind the list's back: a refresh would show it.
        e.fx.ejecutar(QStringLiteral("insert into profiles (name, last) values ('Behind', 0)"));
        const QList<QVariantList> antes = e.foto();

        QTest::mouseClick(::ui(*p).cmd_cancelar, Qt::LeftButton);

        QVERIFY(e.msgs.mostrados().isEmpty());
        QVERIFY(!e.f.perfiles().dialogo());
        QCOMPARE(e.foto(), antes);
        QCOMPARE(e.textos().size(), 3);
        QCOMPARE(e.seleccionado(), otro);
    }

    // The backup holds the profiles and intakes as they were when it was
    // taken; restoring it after changes gives them back exactly. A place
    // that cannot be written gets no file, a file of another kind is
    // refused, and the data stay as they are.
    // A backup never replaces the working database, by its name or through a
    // link; it is offered among the documents; temporary copies that an
    // interrupted backup left a day ago go, newer ones stay.
    void respaldoSeguro()
    {
        Escena e;
        QString propuesto;
        QString destino = e.fx.ruta(QStringLiteral("sr18.mdb"));
        mensajes::instalarElector([&](const QString&, const QString& p, const QString&) {
            propuesto = p;
            return destino;
        });
        const auto intentar = [&](const QString& ruta) {
            destino = ruta;
            e.msgs.limpiar();
            QTest::mouseClick(::ui(e.f).cmd_respaldar, Qt::LeftButton);
            QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Error);
            QVERIFY2(e.msgs.ultimo().texto.contains(QLatin1String("is the working database")),
                     qPrintable(e.msgs.ultimo().texto));
            // The working database still takes writes.
            QVERIFY(almacen::ejecutarSQL(QStringLiteral("update profiles set weight=81 where "
                                                        "id=1")) > 0);
        };
        intentar(e.fx.ruta(QStringLiteral("sr18.mdb")));
        const QString enlace = e.fx.ruta(QStringLiteral("link.mdb"));
        QVERIFY(QFile::link(e.fx.ruta(QStringLiteral("sr18.mdb")), enlace));
        intentar(enlace);
        QVERIFY(propuesto.startsWith(
            QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).exists()
                ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                : QDir::homePath()));
        QVERIFY(propuesto.endsWith(QLatin1String(".mdb")));

        const QString viejo = e.fx.ruta(QStringLiteral(".backup.mdb.Ab12Cd"));
        const QString nuevo = e.fx.ruta(QStringLiteral(".backup.mdb.Zy98Xw"));
        for (const QString& r : {viejo, nuevo}) {
            QFile f(r);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        {
            QFile f(viejo);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-2),
                                  QFileDevice::FileModificationTime));
        }
        e.msgs.limpiar();
        destino = e.fx.ruta(QStringLiteral("backup.mdb"));
        QTest::mouseClick(::ui(e.f).cmd_respaldar, Qt::LeftButton);
        QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Informacion);
        QVERIFY(!QFile::exists(viejo));
        QVERIFY(QFile::exists(nuevo));
        mensajes::instalarElector({});
    }

    void copiaYRestauracion()
    {
        Escena e;
        QString destino = e.fx.ruta(QStringLiteral("backup.mdb"));
        mensajes::instalarElector(
            [&destino](const QString&, const QString&, const QString&) { return destino; });
        const auto foto = [] {
            QList<QVariantList> f;
            for (const char* t :
                 {"select * from profiles order by id", "select * from saves order by id"})
                f += almacen::consultar(QLatin1String(t)).filas;
            return f;
        };
        const QList<QVariantList> antes = foto();
        QCOMPARE(antes.size(), 3 + 5);
        QTest::mouseClick(::ui(e.f).cmd_respaldar, Qt::LeftButton);
        QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Informacion);

        QVERIFY(almacen::ejecutarSQL(QStringLiteral("delete from saves where prof_id=2")) > 0);
        QVERIFY(almacen::ejecutarSQL(QStringLiteral("delete from profiles where id=2")) > 0);
        QTest::mouseClick(::ui(e.f).cmd_restaurar, Qt::LeftButton);
        QVERIFY(e.msgs.textos().join('|').contains(QLatin1String("the 3 profile(s)")));
        QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Informacion);
        QCOMPARE(foto(), antes);
        QCOMPARE(e.textos().size(), 3);

        // Refused: a text file, a database without the program's tables.
        QVERIFY(almacen::ejecutarSQL(QStringLiteral("delete from profiles where id=3")) > 0);
        const QList<QVariantList> ahora = foto();
        QFile texto(e.fx.ruta(QStringLiteral("notes.mdb")));
        QVERIFY(texto.open(QIODevice::WriteOnly));
        texto.write("not a database\n");
        texto.close();
        QCOMPARE(ejecutarEn(e.fx.ruta(QStringLiteral("other.mdb")),
                            {QStringLiteral("create table profiles (id integer)")}),
                 QString());
        for (const char* ajeno : {"notes.mdb", "other.mdb"}) {
            destino = e.fx.ruta(QLatin1String(ajeno));
            e.msgs.limpiar();
            QTest::mouseClick(::ui(e.f).cmd_restaurar, Qt::LeftButton);
            QCOMPARE(e.msgs.mostrados().size(), 1);
            QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Error);
            QCOMPARE(foto(), ahora);
        }

        // Not a file at all, each said as it is; a named pipe is not opened
        // (it would wait for a writer).
        QVERIFY(QDir().mkdir(e.fx.ruta(QStringLiteral("folder.mdb"))));
        QCOMPARE(::mkfifo(QFile::encodeName(e.fx.ruta(QStringLiteral("pipe.mdb"))), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), e.fx.ruta(QStringLiteral("zero.mdb"))));
        for (const auto& [archivo, motivo] : {std::pair{"folder.mdb", "is a folder, not a file"},
                                              std::pair{"pipe.mdb", "is not a regular file"},
                                              std::pair{"zero.mdb", "is not a regular file"},
                                              std::pair{"gone.mdb", "was not found"}}) {
            destino = e.fx.ruta(QLatin1String(archivo));
            e.msgs.limpiar();
            QTest::mouseClick(::ui(e.f).cmd_restaurar, Qt::LeftButton);
            QCOMPARE(e.msgs.textos(),
                     QStringList{QStringLiteral("The data were not restored:\n") + destino +
                                 QLatin1Char(' ') + QLatin1String(motivo)});
            QCOMPARE(foto(), ahora);
        }

        destino = e.fx.ruta(QStringLiteral("missing/backup.mdb"));
        QTest::mouseClick(::ui(e.f).cmd_respaldar, Qt::LeftButton);
        QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Error);
        QVERIFY(e.msgs.ultimo().texto.contains(QLatin1String("missing/backup.mdb")));
        QVERIFY(!QFile::exists(destino));
        mensajes::instalarElector({});
    }

    // A hostile file brings only its valid rows: its triggers, views and
    // constraints never enter, nor do values that are no intake or name. A
    // file in WAL mode is read with its log.
    void restaurarSoloFilasValidas()
    {
        Escena e;
        const QString respaldo = e.fx.ruta(QStringLiteral("hostile.mdb"));
        QString fallo;
        QVERIFY2(almacen::respaldar(respaldo, &fallo), qPrintable(fallo));
        const QStringList hostil = {
            "create table s2 (id integer primary key, prof_id, food_id, intake)",
            "insert into s2 select id, prof_id, food_id, intake from saves",
            "drop table saves",
            "alter table s2 rename to saves",
            "create trigger borra after insert on saves begin delete from profiles; end",
            "insert into profiles (id, name, last) values (7, 'Seven', 0), (8, "
            "replace(hex(zeroblob(150)), '0', 'x'), 0), (9, 'Nine', 0)",
            "update profiles set age='old' where id=9",
            "drop trigger borra",
            "insert into saves (prof_id, food_id, intake) values (7, 1077, 1e308), "
            "(7, 1001, 'lots'), (7, 9003, -500), (7, 11124, 140), (7, 99999, 10), "
            "(8, 1077, 10)",
            "update DRIs set males3='abc' where key='Calcium_Ca'",
            "update DRIs set males4=1111 where key='Calcium_Ca'",
            "create trigger vacia after update on profiles begin delete from saves; end",
            "create trigger borra after insert on saves begin delete from profiles; end",
            "alter table profiles add column note text not null default 'x'",
            "create table extra (x)",
            "pragma journal_mode=wal",
            "insert into profiles (id, name, last) values (10, 'In the log', 0)"};
        // The log is copied while the writer still holds it.
        QCOMPARE(ejecutarEn(respaldo, hostil,
                            [&] {
                                QFile::copy(respaldo, e.fx.ruta(QStringLiteral("wal.mdb")));
                                QFile::copy(respaldo + QStringLiteral("-wal"),
                                            e.fx.ruta(QStringLiteral("wal.mdb-wal")));
                            }),
                 QString());
        QVERIFY(QFile::exists(e.fx.ruta(QStringLiteral("wal.mdb-wal"))));

        QString destino = e.fx.ruta(QStringLiteral("wal.mdb"));
        mensajes::instalarElector(
            [&destino](const QString&, const QString&, const QString&) { return destino; });
        QTest::mouseClick(::ui(e.f).cmd_restaurar, Qt::LeftButton);
        mensajes::instalarElector({});
        // 3 + Seven + the one in the log; 5 + the carrots of Seven; left out:
        // the long name, the age, five intakes, a reference value.
        QVERIFY2(
            e.msgs.textos().join('|').contains(QLatin1String("the 5 profile(s) and 6 intake(s)")) &&
                e.msgs.textos().join('|').contains(QLatin1String("\n8 row(s) or value(s)")) &&
                e.msgs.textos().join('|').contains(
                    QLatin1String("\n1 reference value(s) or upper limit(s) of the file "
                                  "differ")),
            qPrintable(e.msgs.textos().join('|')));
        QCOMPARE(e.msgs.ultimo().tipo, mensajes::Tipo::Informacion);
        QCOMPARE(e.fx.valor("select group_concat(id) from (select id from profiles order by id)")
                     .toString(),
                 QStringLiteral("1,2,3,7,10"));
        QCOMPARE(e.fx.valor("select intake from saves where prof_id=7").toInt(), 140);
        QCOMPARE(e.fx.valor("select count(*) from sqlite_master where type in ('trigger', "
                            "'view') or name='extra'")
                     .toInt(),
                 0);
        QCOMPARE(e.fx.valor("select males4 from DRIs where key='Calcium_Ca'").toDouble(), 1111.0);
        QCOMPARE(e.fx.valor("select males3 from DRIs where key='Calcium_Ca'").toDouble(), 1000.0);
        QCOMPARE(e.fx.valor("pragma journal_mode").toString(), QStringLiteral("delete"));
        // The next save is one more intake, not a trigger's deletion.
        QVERIFY(almacen::ejecutarSQL(QStringLiteral("insert into saves (prof_id, food_id, intake) "
                                                    "values (7, 1077, 70)")) > 0);
        QCOMPARE(e.fx.valor("select count(*) from profiles").toInt(), 5);

        // A "profiles" that is a view is refused, the data as they were.
        QCOMPARE(ejecutarEn(e.fx.ruta(QStringLiteral("view.mdb")),
                            {QStringLiteral("create table p (id, name, last, age, gender, weight)"),
                             QStringLiteral("create view profiles as select * from p"),
                             QStringLiteral("create table saves (id, food_id, prof_id, intake)"),
                             QStringLiteral("create table DRIs (key)")}),
                 QString());
        const QString vista = e.fx.ruta(QStringLiteral("view.mdb"));
        QVERIFY(!almacen::leerRespaldo(vista, &fallo));
        QVERIFY2(fallo.endsWith(QLatin1String("it has no table profiles")), qPrintable(fallo));

        // A damaged file whose rows still read (its index no longer matches
        // them) is refused as well.
        const QString danada = e.fx.ruta(QStringLiteral("damaged.mdb"));
        QVERIFY2(almacen::respaldar(danada, &fallo), qPrintable(fallo));
        QCOMPARE(
            ejecutarEn(danada, {QStringLiteral("pragma writable_schema=on"),
                                QStringLiteral("update sqlite_master set sql='create unique "
                                               "index saves_perfil_alimento on saves(food_id, "
                                               "prof_id)' where name='saves_perfil_alimento'")}),
            QString());
        QVERIFY(!almacen::leerRespaldo(danada, &fallo));
        QVERIFY2(fallo.endsWith(QLatin1String("it is not an intact database")), qPrintable(fallo));

        // A file whose writer crashed mid-transaction, its journal beside it:
        // read only, the journal cannot be rolled back, so the file is
        // refused; the uncommitted rows never arrive.
        const QString caliente = e.fx.ruta(QStringLiteral("hot.mdb"));
        QVERIFY2(almacen::respaldar(caliente, &fallo), qPrintable(fallo));
        const QString copia = e.fx.ruta(QStringLiteral("hot2.mdb"));
        QCOMPARE(ejecutarEn(caliente,
                            {QStringLiteral("pragma cache_size=1"), QStringLiteral("begin"),
                             QStringLiteral("delete from saves"),
                             QStringLiteral("insert into profiles (id, name, last) select 100 + "
                                            "id, hex(randomblob(50)), 0 from saves")},
                            [&] {
                                QFile::copy(caliente, copia);
                                QFile::copy(caliente + QStringLiteral("-journal"),
                                            copia + QStringLiteral("-journal"));
                            }),
                 QString());
        QVERIFY(QFile::exists(copia + QStringLiteral("-journal")));
        const auto leido = almacen::leerRespaldo(copia, &fallo);
        QVERIFY(!leido);
        QVERIFY2(fallo.endsWith(QLatin1String("a change to it was never finished (its journal "
                                              "hot2.mdb-journal lies beside it)")),
                 qPrintable(fallo));
    }

    // The own foods and recipes of a backup take the place of the open
    // database's, which go with their measures; their intakes stay intakes.
    // A damaged own row is left out and counted, as is an intake of a food
    // the file no longer has as an own food.
    void restaurarAlimentosPropios()
    {
        Escena e;
        for (const char* s :
             {"create table withdrawn (id INTEGER PRIMARY KEY)",
              "insert into total (id, description, group_id, Energy) values (1000000001, 'Old "
              "granola', '9900', 400)",
              "insert into own_foods (id) values (1000000001)",
              "insert into measures (food_id, seq, amount, name, grams) values (1000000001, 1, 1, "
              "'cup', 100)",
              "insert into saves (prof_id, food_id, intake) values (1, 1000000001, 50)"})
            e.fx.ejecutar(QLatin1String(s));
        const QString respaldo = e.fx.ruta(QStringLiteral("own.mdb"));
        QString fallo;
        QVERIFY2(almacen::respaldar(respaldo, &fallo), qPrintable(fallo));
        QCOMPARE(
            ejecutarEn(
                respaldo,
                {"delete from own_foods", "delete from measures where food_id=1000000001",
                 "insert into total (id, description, group_id, Energy, Protein) values "
                 "(1000000005, 'Muesli', '0100', 380, 9), (1000000006, 'Muesli with milk', "
                 "'nonexistent', 150, null), (1000000007, replace(hex(zeroblob(150)), '0', 'x'), "
                 "'9900', 1, 1)",
                 "insert into own_foods (id, kind, cooked_weight, servings) values (1000000005, "
                 "0, null, null), (1000000006, 1, 300, 2), (1000000007, 0, null, null)",
                 "insert into measures (food_id, seq, amount, name, grams) values (1000000005, 1, "
                 "0.5, 'cup', 45)",
                 "insert into own_ingredients (recipe_id, seq, food_id, grams, measure) values "
                 "(1000000006, 1, 1000000005, 90, '1 cup'), (1000000006, 2, 1077, 244, null), "
                 "(1000000006, 3, 9003, -1, null)",
                 "insert into own_unknown values (1000000006, 'Protein', 1)",
                 "insert into saves (prof_id, food_id, intake) values (2, 1000000006, 300)"}),
            QString());
        const auto r = almacen::leerRespaldo(respaldo, &fallo);
        QVERIFY2(r, qPrintable(fallo));
        QCOMPARE(r->alimentosPropios(), 2);
        // The long name, the ingredient of -1 g, the intake of the old granola.
        QCOMPARE(r->omitidas, 3);
        QVERIFY2(almacen::restaurar(*r, &fallo), qPrintable(fallo));
        const auto lista = [&e](const char* sentencia) {
            return e.fx.valor(QLatin1String(sentencia)).toString();
        };
        QCOMPARE(lista("select group_concat(id || ' ' || group_id, ', ') from (select * from total "
                       "where id >= 1000000000 order by id)"),
                 QStringLiteral("1000000005 0100, 1000000006 9900"));
        QCOMPARE(lista("select group_concat(id || ' ' || kind, ', ') from own_foods"),
                 QStringLiteral("1000000005 0, 1000000006 1"));
        QCOMPARE(lista("select group_concat(food_id || ' ' || name) from measures where food_id >= "
                       "1000000000"),
                 QStringLiteral("1000000005 cup"));
        QCOMPARE(lista("select group_concat(food_id || ' ' || grams, ', ') from (select * from "
                       "own_ingredients order by seq)"),
                 QStringLiteral("1000000005 90.0, 1077 244.0"));
        QCOMPARE(lista("select count(*) from own_unknown"), QStringLiteral("1"));
        QCOMPARE(lista("select group_concat(prof_id || ' ' || intake) from saves where food_id >= "
                       "1000000000"),
                 QStringLiteral("2 300"));
        QCOMPARE(lista("select count(*) from withdrawn"), QStringLiteral("0"));
    }

    // Restoring onto a full disk: the reason, the working database as it
    // was, nothing left beside it.
    void restaurarEnDiscoLleno()
    {
        Escena e;
        const QString respaldo = e.fx.ruta(QStringLiteral("backup.mdb"));
        QString fallo;
        QVERIFY2(almacen::respaldar(respaldo, &fallo), qPrintable(fallo));
        const QString carpeta = e.fx.ruta(QStringLiteral("disk"));
        DiscoPequeno disco(carpeta, 1 << 20);
        if (!disco.montado())
            QSKIP(qPrintable(disco.motivo()));
        const QString trabajo = carpeta + QStringLiteral("/sr18.mdb");
        QVERIFY(QFile::copy(e.fx.ruta(QStringLiteral("sr18.mdb")), trabajo));
        QVERIFY(almacen::abrirBase(trabajo).isEmpty());
        const QByteArray antes = [&] {
            QFile f(trabajo);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        // No room for the rollback journal of the transaction.
        QVERIFY(disco.dejarLibres(0));
        mensajes::instalarElector(
            [&](const QString&, const QString&, const QString&) { return respaldo; });
        QTest::mouseClick(::ui(e.f).cmd_restaurar, Qt::LeftButton);
        mensajes::instalarElector({});
        QVERIFY2(e.msgs.ultimo().texto.startsWith(
                     QStringLiteral("The data could not be restored from %1:\n").arg(respaldo)) &&
                     e.msgs.ultimo().texto.contains(QLatin1String("disk is full")),
                 qPrintable(e.msgs.ultimo().texto));
        QCOMPARE(disco.archivos(), QStringList{QStringLiteral("sr18.mdb")});
        QFile despues(trabajo);
        QVERIFY(despues.open(QIODevice::ReadOnly));
        QCOMPARE(despues.readAll(), antes);
        QVERIFY(almacen::baseAbierta());
        almacen::cerrarBase();
    }
};

QTEST_MAIN(TstPerfiles)
#include "tst_perfiles.moc"
