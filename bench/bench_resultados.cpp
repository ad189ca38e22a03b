// Times a click on tab 5, from the click to the filled results list, for a
// week of 100 and of 2,000 recorded foods; and, for the 2,000, the opening of
// the sources window of the nutrient that most of them supply.

#include "apoyo/pantalla.h"
#include "bench/medir.h"
#include "evaluation/fuentes.h"
#include "windows/evaluation/ventanafuentes.h"
#include "windows/main/ventanaprincipal.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

// Makes a new current profile, a man of 19 to 30 years and 70 kg, whose week
// holds `alimentos` foods of 100 to 600 g. Returns false on failure.
bool prepararSemana(int alimentos)
{
    bool ok = true;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("preparacion"));
        db.setDatabaseName(QStringLiteral("sr18.mdb"));
        QSqlQuery q(db);
        const auto ejecutar = [&](const QString& sentencia) {
            if (ok && !q.exec(sentencia)) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(sentencia),
                             qPrintable(q.lastError().text()));
                ok = false;
            }
        };
        ok = db.open();
        ejecutar(QStringLiteral("update profiles set last=0"));
        ejecutar(QStringLiteral("insert into profiles (name, last, age, gender, weight) values "
                                "('Bench %1', 1, 6, 0, 70)")
                     .arg(alimentos));
        ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) select "
                                "(select max(id) from profiles), id, 100 + (id % 6) * 100 from "
                                "total order by id limit %1")
                     .arg(alimentos));
        ejecutar(QStringLiteral("select count(*) from saves where prof_id=(select max(id) from "
                                "profiles)"));
        if (ok && q.next() && q.value(0).toInt() != alimentos) {
            std::fprintf(stderr, "only %d foods in the week\n", q.value(0).toInt());
            ok = false;
        }
        q = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("preparacion"));
    return ok;
}

// The sources window of the nutrient with the longest list of foods.
void medirFuentes(VentanaPrincipal& f)
{
    QString clave;
    qsizetype filas = -1;
    for (const QString& k : f.sesion().valoresRecomendados.claves()) {
        QString fallo;
        const qsizetype n = fuentesNutriente(f.sesion().perfilActual, k, 1.0, &fallo).size();
        if (n > filas) {
            filas = n;
            clave = k;
        }
    }
    VentanaFuentes* ventana = nullptr;
    bench::medir(
        "sources window, longest list", 25,
        [&] {
            ventana = mostrarFuentes(&f, f.sesion(), clave);
            QApplication::processEvents();
        },
        [&] {
            if (ventana)
                ventana->close();
            QApplication::processEvents();
        });
    std::printf("    (%s: %lld foods)\n", qPrintable(clave), qint64(filas));
}

void medirPestana(const char* nombre, int alimentos, bool conFuentes = false)
{
    if (!prepararSemana(alimentos))
        return;
    VentanaPrincipal f;
    f.cargar();
    QApplication::processEvents();
    QTabWidget* pestanas = ::ui(f).tbs_fichas;
    // The first showing warms the file cache; it is not counted.
    pestanas->setCurrentWidget(::ui(f).frm_cinco);
    QApplication::processEvents();
    bench::medir(
        nombre, 25,
        [&] {
            pestanas->setCurrentWidget(::ui(f).frm_cinco);
            QApplication::processEvents();
        },
        [&] {
            pestanas->setCurrentWidget(::ui(f).frm_uno);
            QApplication::processEvents();
        });
    QFile log(QStringLiteral("errors.log"));
    std::printf("    (%d rows in the results list, errors.log %lld bytes)\n",
                ::ui(f).lsv_wri->model()->rowCount(), log.exists() ? qint64(log.size()) : 0LL);
    if (conFuentes)
        medirFuentes(f);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!bench::prepararBase(dir, app.arguments()))
        return 1;
    medirPestana("tab 5 click to results, 100 intakes", 100);
    medirPestana("tab 5 click to results, 2,000 intakes", 2000, true);
    return 0;
}
