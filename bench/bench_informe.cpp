// Times the week's report of 2,000 recorded foods, from the click on "Save as
// PDF..." to the written file, and a backup of the delivered database.

#include "apoyo/pantalla.h"
#include "bench/medir.h"
#include "storage/basedatos.h"
#include "windows/common/mensajes.h"
#include "windows/main/ventanaprincipal.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>

namespace {

// A new current profile, a man of 19 to 30 years and 70 kg, whose week holds
// the first 2,000 foods at 100 to 600 g.
bool prepararSemana()
{
    bool ok = false;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("preparacion"));
        db.setDatabaseName(QStringLiteral("sr18.mdb"));
        QSqlQuery q(db);
        ok = db.open() && q.exec(QStringLiteral("update profiles set last=0")) &&
             q.exec(QStringLiteral("insert into profiles (name, last, age, gender, weight) "
                                   "values ('Bench 2000', 1, 6, 0, 70)")) &&
             q.exec(QStringLiteral("insert into saves (prof_id, food_id, intake) select "
                                   "(select max(id) from profiles), id, 100 + (id % 6) * 100 "
                                   "from total order by id limit 2000"));
        q = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("preparacion"));
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!bench::prepararBase(dir, app.arguments()) || !prepararSemana())
        return 1;
    VentanaPrincipal f;
    f.cargar();
    ::ui(f).tbs_fichas->setCurrentWidget(::ui(f).frm_cinco);
    QApplication::processEvents();

    const QString pdf = dir.filePath(QStringLiteral("week.pdf"));
    mensajes::instalarElector(
        [&pdf](const QString&, const QString&, const QString&) { return pdf; });
    bench::medir(
        "report of 2,000 intakes, computed and written as PDF", 10,
        [&] { ::ui(f).cmd_5_2->click(); }, [] {});
    std::printf("    (%lld bytes of PDF)\n", qint64(QFile(pdf).size()));
    if (qEnvironmentVariableIsSet("ALIMETRA_BENCH_PDF"))
        QFile::copy(pdf, qEnvironmentVariable("ALIMETRA_BENCH_PDF"));

    const QString copia = dir.filePath(QStringLiteral("backup.mdb"));
    QString fallo;
    bench::medir(
        "backup of the delivered database", 10, [&] { almacen::respaldar(copia, &fallo); },
        [&] { QFile::remove(copia); });
    mensajes::instalarElector({});
    return fallo.isEmpty() ? 0 : 1;
}
