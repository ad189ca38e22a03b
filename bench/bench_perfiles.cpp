// Times the profile actions of tab 6 on a copy of the delivered database: the
// refill of a list of 1,000 profiles, "Save as" of a profile that holds 500
// intakes (from pressing the dialog's button to the refreshed window), and
// the restore of a backup of 1,000 profiles with 100,000 intakes (reading
// and checking its rows, then putting them in place), the upgrade of the
// same data from an earlier release's file, and the memory a restore of a
// 1 GB backup takes.

#include "apoyo/pantalla.h"
#include "bench/medir.h"
#include "storage/actualizacion.h"
#include "storage/basedatos.h"
#include "windows/common/mensajes.h"
#include "windows/common/roles.h"
#include "windows/main/ventanaprincipal.h"
#include "windows/profiles/dialogoperfil.h"
#include "windows/profiles/pestanaperfiles.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

qint64 unValor(const QString& sentencia)
{
    const almacen::Consulta c = almacen::consultar(sentencia);
    return c.vacia() ? 0 : c.filas[0][0].toLongLong();
}

// Runs statements on a file of its own connection.
void enArchivo(const QString& ruta, std::initializer_list<const char*> sentencias)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("f"));
        db.setDatabaseName(ruta);
        db.open();
        QSqlQuery q(db);
        for (const char* s : sentencias)
            if (!q.exec(QLatin1String(s)))
                std::printf("%s: %s\n", s, qPrintable(q.lastError().text()));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("f"));
}

void seleccionar(VentanaPrincipal& f, qint64 id)
{
    QTreeWidget* l = ::ui(f).lsv_perfiles;
    for (int i = 0; i < l->topLevelItemCount(); ++i)
        if (l->topLevelItem(i)->data(0, RolIdPerfil).toLongLong() == id)
            l->setCurrentItem(l->topLevelItem(i));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!bench::prepararBase(dir, app.arguments()))
        return 1;
    // Message boxes would wait for a person.
    mensajes::instalar([](const mensajes::Mensaje&) { return QMessageBox::Ok; });

    VentanaPrincipal f;
    f.cargar();
    ::ui(f).tbs_fichas->setCurrentWidget(::ui(f).frm_seis);
    QApplication::processEvents();

    // 1,000 profiles in all, the delivered one among them.
    const qint64 yaHay = unValor(QStringLiteral("select count(*) from profiles"));
    almacen::ejecutarSQL(QStringLiteral("with recursive n(i) as (select 1 union all select i+1 "
                                        "from n where i<?) insert into profiles (name, last, age, "
                                        "gender, weight) select 'Profile ' || (i * 7919 % 1000), "
                                        "0, i % 10, i % 2, 40 + i % 60 from n"),
                         {1000 - yaHay});
    bench::medir("refill of the list of 1,000 profiles", 30,
                 [&] { f.perfiles().cargarPerfiles(); });

    // The source of the copies: personal data and 500 intakes of real foods.
    almacen::ejecutarSQL(QStringLiteral("insert into profiles (name, last, age, gender, weight) "
                                        "values ('Source', 0, 6, 1, 62)"));
    const qint64 origen = unValor(QStringLiteral("select max(id) from profiles"));
    almacen::ejecutarSQL(QStringLiteral("insert into saves (prof_id, food_id, intake) select ?, "
                                        "id, 100 + id % 900 from total order by id limit 500"),
                         {origen});
    const qint64 actual = unValor(QStringLiteral("select id from profiles where last=true"));
    std::printf("source profile: %lld intakes\n",
                unValor(QStringLiteral("select count(*) from saves where prof_id=%1").arg(origen)));

    DialogoPerfil* p = nullptr;
    bench::medir(
        "\"Save as\" of a profile with 500 intakes", 20, [&] { ::ui(*p).cmd_guardar->click(); },
        [&] {
            // Each copy starts from the same state: no earlier copy, the
            // previous profile current, the source selected, the dialog open.
            almacen::ejecutarSQL(QStringLiteral("delete from saves where prof_id in (select id "
                                                "from profiles where name='Copy')"));
            almacen::ejecutarSQL(QStringLiteral("delete from profiles where name='Copy'"));
            almacen::ejecutarSQL(QStringLiteral("update profiles set last=1 where id=?"), {actual});
            f.perfiles().cargarPerfiles();
            seleccionar(f, origen);
            ::ui(f).cmd_perfilGuardar->click();
            p = f.perfiles().dialogo();
            ::ui(*p).tbx_perfil->setText(QStringLiteral("Copy"));
        });
    std::printf("last copy: %lld intakes\n",
                unValor(QStringLiteral("select count(*) from saves s join profiles p on "
                                       "p.id=s.prof_id where p.name='Copy'")));

    // 100 intakes for each of 1,000 profiles, backed up, then restored.
    almacen::ejecutarSQL(QStringLiteral("delete from saves"));
    almacen::ejecutarSQL(QStringLiteral("delete from profiles where id not in (select id from "
                                        "profiles order by id limit 1000)"));
    almacen::ejecutarSQL(QStringLiteral("insert into saves (prof_id, food_id, intake) select "
                                        "p.id, t.id, 50 + (p.id + t.id) % 900 from profiles p "
                                        "join (select id from total order by id limit 100) t"));
    const QString respaldo = dir.filePath(QStringLiteral("backup.mdb"));
    QString fallo;
    if (!almacen::respaldar(respaldo, &fallo)) {
        std::printf("backup failed: %s\n", qPrintable(fallo));
        return 1;
    }
    int filas = 0;
    bench::medir("restore of 1,000 profiles and 100,000 intakes", 5, [&] {
        const std::optional<almacen::Respaldo> r = almacen::leerRespaldo(respaldo, &fallo);
        if (r && almacen::restaurar(*r, &fallo))
            filas = int(r->perfiles.size() + r->ingestas.size());
    });
    std::printf("rows restored: %d, memory %.1f MB\n", filas, bench::memoriaResidenteMB());

    // The same rows in the file of an earlier release (no version, no
    // delivered copies, no own foods), moved to the delivered database at
    // start.
    const QString anterior = dir.filePath(QStringLiteral("earlier.mdb"));
    QFile::copy(respaldo, anterior);
    enArchivo(anterior,
              {"drop table DRIs_delivered", "drop table ULs_delivered", "drop table EARs_delivered",
               "drop table EARs", "drop table about", "drop table withdrawn",
               "drop table own_foods", "drop table own_ingredients", "drop table own_unknown",
               "delete from groups where id='9900'", "pragma user_version=0",
               "update DRIs set males4=1111 where key='Calcium_Ca'"});
    const QString entregada = dir.filePath(QStringLiteral("delivered.mdb"));
    QFile::copy(QFileInfo(app.arguments().value(1, QStringLiteral("sr18.mdb"))).absoluteFilePath(),
                entregada);
    QDir(dir.path()).mkpath(QStringLiteral("up"));
    const QString trabajo = dir.filePath(QStringLiteral("up/sr18.mdb"));
    std::optional<almacen::Actualizacion> hecha;
    bench::medir(
        "upgrade of 1,000 profiles and 100,000 intakes", 5,
        [&] { hecha = almacen::actualizar(trabajo, entregada, QStringLiteral("0"), &fallo); },
        [&] {
            for (const QString& n : QDir(dir.filePath(QStringLiteral("up"))).entryList(QDir::Files))
                QFile::remove(dir.filePath(QStringLiteral("up/") + n));
            QFile::copy(anterior, trabajo);
        });
    std::printf("upgraded: %d profiles, %d intakes, %d edited values%s\n",
                hecha ? hecha->perfiles : 0, hecha ? hecha->ingestas : 0,
                hecha ? hecha->editados : 0, hecha ? "" : qPrintable(" (failed: " + fallo + ")"));

    // A backup of 1 GB (the same rows, and a table of other data the restore
    // never reads): the memory stays flat.
    almacen::abrirBase(entregada);
    const QString grande = dir.filePath(QStringLiteral("big.mdb"));
    QFile::copy(respaldo, grande);
    enArchivo(grande, {"create table attic (x blob)",
                       "with recursive n(i) as (select 1 union all select i + 1 from n where i < "
                       "16384) insert into attic select randomblob(65536) from n"});
    bench::reiniciarPico();
    const double antes = bench::memoriaResidenteMB();
    bench::medir("restore of a 1 GB backup", 1, [&] {
        const std::optional<almacen::Respaldo> r = almacen::leerRespaldo(grande, &fallo);
        if (!r || !almacen::restaurar(*r, &fallo))
            std::printf("restore failed: %s\n", qPrintable(fallo));
    });
    std::printf("1 GB backup (%lld MB): resident memory %.1f MB before, peak %.1f MB\n",
                QFileInfo(grande).size() >> 20, antes, bench::memoriaResidenteMB("VmHWM:"));
    return 0;
}
