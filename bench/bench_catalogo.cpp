// Times the food catalogue on the delivered database: a search to the filled
// category list, a category click to the filled food list, a ranking of all
// foods on Protein, a numeric header click on that ranking, the opening
// of a detail window, the measure helper refreshed for a food with 15
// household measures, and a detail window opened with a measure chosen.

#include "apoyo/pantalla.h"
#include "bench/medir.h"
#include "windows/catalogue/ayudamedidas.h"
#include "windows/catalogue/ficha.h"
#include "windows/catalogue/pestanabusqueda.h"
#include "windows/catalogue/pestanaranking.h"
#include "windows/main/ventanaprincipal.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!bench::prepararBase(dir, app.arguments()))
        return 1;

    VentanaPrincipal f;
    f.cargar();
    Pantalla& ui = ::ui(f);
    QApplication::processEvents();

    ui.tbx_buscar->setText(QStringLiteral("milk"));
    bench::medir("search \"milk\" to filled category list", 30, [&] {
        ui.cmd_buscar->click();
        QApplication::processEvents();
    });
    std::printf("  categories listed: %d\n", ui.lbx_categorias->count());

    const QList<QListWidgetItem*> lacteos =
        ui.lbx_categorias->findItems(QStringLiteral("Dairy"), Qt::MatchStartsWith);
    QListWidgetItem* categoria = lacteos.isEmpty() ? ui.lbx_categorias->item(0) : lacteos.first();
    bench::medir("category click to filled food list", 30, [&] {
        emit ui.lbx_categorias->itemClicked(categoria);
        QApplication::processEvents();
    });
    std::printf("  foods listed: %d\n", ui.lsv_alimentos->topLevelItemCount());

    ui.cmb_nutrientes->setCurrentIndex(ui.cmb_nutrientes->findData(QStringLiteral("Protein")));
    bench::medir("\"Sort\" on Protein over all foods", 15, [&] {
        ui.cmd_listadoOrdenado->click();
        QApplication::processEvents();
    });
    std::printf("  foods ranked: %d\n", ui.lsv_ordenado->topLevelItemCount());

    bench::medir("numeric header click on the ranking", 15, [&] {
        emit ui.lsv_ordenado->header()->sectionClicked(1);
        QApplication::processEvents();
    });

    const qint64 id = ui.lsv_ordenado->topLevelItem(0)->data(0, Qt::UserRole).toLongLong();
    const QString descripcion = ui.lsv_ordenado->topLevelItem(0)->text(0);
    // Opens a detail window per run; each is closed before the next.
    const auto medirFicha = [&](const char* accion, const QString& nombre, qint64 alimento,
                                int medida) {
        Ficha* abierta = nullptr;
        bench::medir(
            accion, 30,
            [&] {
                abierta = cargarInfoCompleta(&f, f.sesion().valoresRecomendados, nombre, alimento);
                if (medida > 0)
                    ::ui(*abierta).cmb_medidas->setCurrentIndex(medida);
                QApplication::processEvents();
            },
            [&] {
                delete abierta;
                abierta = nullptr;
            });
        delete abierta;
    };
    medirFicha("opening a detail window", descripcion, id, 0);

    // Glazed doughnuts: 15 measures, and an intake stored for the read-back.
    const qint64 doughnuts = 18255;
    const Dato& perfil = f.sesion().perfilActual.idPerfil;
    const qint64 idPerfil = perfil.tieneValor() ? perfil.entero() : 0;
    almacen::ejecutarSQL(
        QStringLiteral("insert into saves (prof_id, food_id, intake) values (?, ?, 700)"),
        {idPerfil, doughnuts});
    bench::medir("measure helper refresh, food with 15 measures", 50, [&] {
        ui.ayudaMedidas->elegirAlimento(doughnuts, idPerfil);
        QApplication::processEvents();
    });
    std::printf("  measures listed: %d\n", ::ui(*ui.ayudaMedidas).cmb_medidas->count() - 1);

    medirFicha("detail window with a measure chosen", QStringLiteral("Doughnuts, glazed"),
               doughnuts, 1);
    return 0;
}
