// Times the catalogue with 10,000 own foods beside the USDA ones: storing
// them, a search to the filled category list and food list, and a ranking
// of every food on Protein; then a recipe of 50 ingredients stored and
// computed again, and an ingredient edited with the recipe following.

#include "apoyo/pantalla.h"
#include "bench/medir.h"
#include "catalogue/propios.h"
#include "storage/basedatos.h"
#include "windows/main/ventanaprincipal.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// 10,000 own foods made of the USDA ones, half of them in "My foods".
bool llenar(int cuantos)
{
    const almacen::Consulta usda =
        almacen::consultar(QStringLiteral("select id from total order by id"));
    QList<propios::AlimentoPropio> copias;
    QString fallo;
    for (int i = 0; i < cuantos; ++i) {
        const qint64 id = usda.filas.at(i % usda.filas.size()).value(0).toLongLong();
        std::optional<propios::AlimentoPropio> a = propios::copiaDe(id, &fallo);
        if (!a)
            return false;
        a->nombre = QStringLiteral("Own %1 %2").arg(i).arg(a->nombre).left(propios::largoNombre);
        if (i % 2 == 0)
            a->grupo = almacen::grupoPropio;
        copias << *a;
    }
    bool hecho = false;
    bench::medir("storing 10,000 own foods in one transaction", 1, [&] {
        hecho = almacen::enTransaccion([&] {
            return std::all_of(
                copias.cbegin(), copias.cend(),
                [](const propios::AlimentoPropio& a) { return propios::escribir(a) > 0; });
        });
    });
    return hecho;
}

void medirReceta()
{
    const almacen::Consulta usda =
        almacen::consultar(QStringLiteral("select id from total where id < ? order by id limit 49"),
                           {almacen::primerPropio});
    QString fallo;
    const qint64 caldo = propios::guardar(
        *propios::copiaDe(usda.filas.first().value(0).toLongLong(), &fallo), &fallo);
    propios::AlimentoPropio r;
    r.tipo = propios::Tipo::Receta;
    r.nombre = QStringLiteral("Fifty things");
    r.ingredientes << propios::Ingrediente{caldo, 100, {}, {}};
    for (const QVariantList& f : usda.filas)
        r.ingredientes << propios::Ingrediente{f.value(0).toLongLong(), 20, {}, {}};
    r.id = propios::guardar(r, &fallo);
    // The computing itself, in a transaction rolled back between runs, and
    // the whole save with its commit to the disk.
    std::optional<almacen::Transaccion> t;
    const auto abrir = [&t] {
        t.reset();
        t.emplace();
    };
    bench::medir(
        "a recipe of 50 ingredients computed again", 30, [&] { propios::escribir(r); }, abrir);
    propios::AlimentoPropio ingrediente = *propios::leer(caldo, &fallo);
    bench::medir(
        "an ingredient edited, its recipe following", 30,
        [&] {
            ingrediente.valores[QStringLiteral("Energy")] += 1;
            propios::escribir(ingrediente);
        },
        abrir);
    t.reset();
    bench::medir("that recipe saved (committed to the disk)", 30,
                 [&] { propios::guardar(r, &fallo); });
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!bench::prepararBase(dir, app.arguments()))
        return 1;
    if (!almacen::abrirBase().isEmpty() || !propios::disponibles() || !llenar(10000)) {
        std::fprintf(stderr, "The database has no room for own foods.\n");
        return 1;
    }
    medirReceta();
    almacen::cerrarBase();

    VentanaPrincipal f;
    f.cargar();
    Pantalla& ui = ::ui(f);
    QApplication::processEvents();
    ui.tbx_buscar->setText(QStringLiteral("milk"));
    bench::medir("search \"milk\" to filled category list", 30, [&] {
        ui.cmd_buscar->click();
        QApplication::processEvents();
    });
    const QList<QListWidgetItem*> mios =
        ui.lbx_categorias->findItems(QStringLiteral("My foods"), Qt::MatchStartsWith);
    if (mios.isEmpty())
        return 1;
    bench::medir("click on \"My foods\" to filled food list", 30, [&] {
        emit ui.lbx_categorias->itemClicked(mios.first());
        QApplication::processEvents();
    });
    std::printf("  foods listed: %d\n", ui.lsv_alimentos->topLevelItemCount());
    ui.cmb_nutrientes->setCurrentIndex(ui.cmb_nutrientes->findData(QStringLiteral("Protein")));
    bench::medir("\"Sort\" on Protein over all foods", 15, [&] {
        ui.cmd_listadoOrdenado->click();
        QApplication::processEvents();
    });
    std::printf("  foods ranked: %d\n", ui.lsv_ordenado->topLevelItemCount());
    return 0;
}
