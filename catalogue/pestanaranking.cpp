#include "catalogue/pestanaranking.h"

#include "catalogue/dialogoingesta.h"
#include "catalogue/ficha.h"
#include "catalogue/ingesta.h"
#include "evaluation/ordenacion.h"
#include "evaluation/valoresrecomendados.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/main/mensajes.h"
#include "windows/main/ventanaprincipal.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

PestanaRanking::PestanaRanking(VentanaPrincipal& f) : QObject(&f), m_f(f)
{
    InterfazPrincipal& ui = f.ui();
    connect(ui.cmd_listadoOrdenado, &QPushButton::clicked, this, &PestanaRanking::ordenar);
    new MenuDeLista(ui.lsv_ordenado, ui.listadoOrdenado);
    connect(ui.lsv_ordenado, &QTreeWidget::itemDoubleClicked, this,
            &PestanaRanking::mostrarNutrientes);
    connect(ui.displayNutrients, &QAction::triggered, this, &PestanaRanking::mostrarNutrientes);
    connect(ui.setIntake, &QAction::triggered, this, &PestanaRanking::abrirDialogoIngesta);

    QHeaderView* cabecera = ui.lsv_ordenado->header();
    cabecera->setSectionsClickable(true);
    connect(cabecera, &QHeaderView::sectionClicked, this,
            [this](int columna) { ordenarColumnasOrdenado(m_f.ui().lsv_ordenado, columna); });
}

void PestanaRanking::poblarComboNutrientes()
{
    QComboBox* combo = m_f.ui().cmb_nutrientes;
    const ValoresRecomendados& valores = valoresRecomendados();
    for (const QString& clave : valores.claves())
        combo->addItem(valores.entrada(clave).nombre, clave);
    combo->setCurrentIndex(-1);
}

void PestanaRanking::poblarComboCategorias()
{
    QComboBox* combo = m_f.ui().cmb_categorias;
    const almacen::Consulta c =
        almacen::consultar(QStringLiteral("select * from groups order by name"));
    QString fallo = c.error;
    if (c.ok) {
        const int iId = c.columnas.indexOf(QStringLiteral("id"));
        const int iNombre = c.columnas.indexOf(QStringLiteral("name"));
        if (iId < 0 || iNombre < 0) {
            fallo = QStringLiteral("The table groups lacks its id or name column");
        } else {
            for (const QVariantList& fila : c.filas)
                combo->addItem(fila.value(iNombre).toString(), fila.value(iId).toString());
        }
    }
    combo->setCurrentIndex(-1);
    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("poblarComboCategorias() -> ") + fallo);
}

void PestanaRanking::ordenar()
{
    InterfazPrincipal& ui = m_f.ui();
    if (ui.cmb_nutrientes->currentIndex() < 0) {
        mensajes::avisar(&m_f, QStringLiteral("Please, select a nutrient"),
                         QStringLiteral("Alimetra 1.1"));
        ui.cmb_nutrientes->setFocus();
        return;
    }
    cargarListadoOrdenado();
}

void PestanaRanking::cargarListadoOrdenado()
{
    almacen::Ocupado ocupado;
    InterfazPrincipal& ui = m_f.ui();
    QTreeWidget* lista = ui.lsv_ordenado;
    lista->clear();
    // Every ranking starts highest first, whatever column was sorted before.
    lista->header()->setSortIndicatorShown(false);

    const QString clave = ui.cmb_nutrientes->currentData().toString();
    lista->headerItem()->setText(1, QStringLiteral("  ") +
                                        valoresRecomendados().entrada(clave).unidad);
    lista->setVisible(true);

    const QString columna = almacen::identificador(clave);
    if (columna.isEmpty()) {
        escribirLog(QStringLiteral("cargarListadoOrdenado() -> The nutrient key \"%1\" is not "
                                   "a column name")
                        .arg(clave));
        return;
    }
    QString sentencia = QStringLiteral("select id, description, ") + columna +
                        QStringLiteral(" from total where ") + columna + QStringLiteral(" > 0 ");
    QVariantList valores;
    if (ui.cmb_categorias->currentIndex() >= 0) {
        sentencia += QStringLiteral(" and group_id=?");
        valores << ui.cmb_categorias->currentData().toString();
    }
    sentencia += QStringLiteral(" order by ") + columna + QStringLiteral(" desc");

    const almacen::Consulta c = almacen::consultar(sentencia, valores);
    if (!c.ok) {
        escribirLog(c.entradaLog(QStringLiteral("cargarListadoOrdenado() -> ")));
        return;
    }
    QList<QTreeWidgetItem*> filas;
    if (c.vacia()) {
        auto* linea = new FilaNumerica;
        linea->setText(0, sinCoincidencias());
        filas << linea;
    }
    filas.reserve(c.filas.size());
    for (const QVariantList& fila : c.filas) {
        auto* item = new FilaNumerica;
        item->setText(0, fila.value(1).toString());
        item->setData(0, RolIdAlimento, fila.value(0).toLongLong());
        ponerNumero(item, 1, fila.value(2).toDouble());
        filas << item;
    }
    lista->addTopLevelItems(filas);
    // A new ranking is read from its top, wherever the last one was left.
    lista->scrollToTop();
}

void PestanaRanking::abrirDialogoIngesta()
{
    if (m_f.ui().lsv_ordenado->selectedItems().isEmpty())
        return;
    if (!m_i) {
        m_i = new DialogoIngesta(&m_f, m_f.ui().lsv_ordenado);
        m_i->adjustSize();
        situarSobre(m_i, &m_f);
    }
    m_i->show();
    m_i->raise();
    m_i->activateWindow();
}

void PestanaRanking::mostrarNutrientes()
{
    const QList<QTreeWidgetItem*> elegidas = m_f.ui().lsv_ordenado->selectedItems();
    if (elegidas.isEmpty())
        return;
    cargarInfoCompleta(&m_f, elegidas.first()->text(0), idAlimento(elegidas.first()));
}

void PestanaRanking::cerrarDialogos()
{
    if (m_i)
        m_i->close();
    for (Ficha* n : m_f.findChildren<Ficha*>(QString(), Qt::FindDirectChildrenOnly))
        n->close();
}
