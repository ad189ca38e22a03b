#include "windows/catalogue/pestanaranking.h"

#include "catalogue/catalogo.h"
#include "evaluation/sesion.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/catalogue/dialogoingesta.h"
#include "windows/catalogue/ficha.h"
#include "windows/catalogue/ingesta.h"
#include "windows/catalogue/menulista.h"
#include "windows/common/controles.h"
#include "windows/common/mensajes.h"
#include "windows/common/numeros.h"
#include "windows/common/roles.h"
#include "windows/evaluation/ordenacion.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

void ControlesRanking::construir(QWidget* marco)
{
    lbl_3_1 = etiqueta(marco, "lbl_3_1",
                       QStringLiteral("This utility is complementary to the previous one. It "
                                      "displays for each food, the selected nutrient in one "
                                      "hundred grams of an edible portion. Foods without a "
                                      "known value (and those with 0) are not listed."));
    lbl_3_2 = etiqueta(marco, "lbl_3_2",
                       QStringLiteral("Select a nutrient and click Sort. Once displayed, right "
                                      "click the items to set weekly intakes or to display all "
                                      "nutrients. You can reverse the order by clicking the "
                                      "columns' headers."));
    cmb_nutrientes = crear<QComboBox>(marco, "cmb_nutrientes");
    cmb_nutrientes->setPlaceholderText(QStringLiteral("Select a nutrient"));
    cmb_nutrientes->setMaxVisibleItems(20);
    cmb_categorias = crear<QComboBox>(marco, "cmb_categorias");
    cmb_categorias->setPlaceholderText(QStringLiteral("Filter by category"));
    cmb_categorias->setMaxVisibleItems(20);
    cmd_listadoOrdenado = boton(marco, "cmd_listadoOrdenado", QStringLiteral("Sort"));
    lsv_ordenado = listaInforme(marco, "lsv_ordenado", {QStringLiteral("Food"), QString()},
                                {QStringLiteral("uno"), QStringLiteral("dos")});
    lsv_ordenado->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lsv_ordenado->header()->setSectionResizeMode(1, QHeaderView::Interactive);
    lsv_ordenado->setColumnWidth(1, 110);
    // Hidden until the first ranking, it keeps its room below the controls.
    QSizePolicy reserva = lsv_ordenado->sizePolicy();
    reserva.setRetainSizeWhenHidden(true);
    lsv_ordenado->setSizePolicy(reserva);

    auto* v = new QVBoxLayout(marco);
    v->addWidget(lbl_3_1);
    v->addWidget(lbl_3_2);
    auto* fila = new QHBoxLayout;
    fila->addWidget(cmb_nutrientes, 5);
    fila->addWidget(cmb_categorias, 6);
    fila->addWidget(cmd_listadoOrdenado, 2);
    v->addLayout(fila);
    v->addWidget(lsv_ordenado, 1);

    listadoOrdenado = crear<QMenu>(lsv_ordenado, "listadoOrdenado");
    setIntake = listadoOrdenado->addAction(QStringLiteral("&Set weekly intake"));
    setIntake->setObjectName(QStringLiteral("setIntake"));
    displayNutrients = listadoOrdenado->addAction(QStringLiteral("&Display all nutrients"));
    displayNutrients->setObjectName(QStringLiteral("displayNutrients"));
}

PestanaRanking::PestanaRanking(ControlesRanking& ui, Sesion& sesion, QWidget* ventana)
    : QObject(ventana), m_ui(ui), m_sesion(sesion), m_ventana(ventana)
{
    connect(ui.cmd_listadoOrdenado, &QPushButton::clicked, this, &PestanaRanking::ordenar);
    new MenuDeLista(ui.lsv_ordenado, ui.listadoOrdenado, m_sesion.botonPulsado);
    connect(ui.lsv_ordenado, &QTreeWidget::itemDoubleClicked, this,
            &PestanaRanking::mostrarNutrientes);
    connect(ui.displayNutrients, &QAction::triggered, this, &PestanaRanking::mostrarNutrientes);
    connect(ui.setIntake, &QAction::triggered, this, &PestanaRanking::abrirDialogoIngesta);

    QHeaderView* cabecera = ui.lsv_ordenado->header();
    cabecera->setSectionsClickable(true);
    connect(cabecera, &QHeaderView::sectionClicked, this, [this](int columna) {
        ordenarColumnasOrdenado(m_ui.lsv_ordenado, columna, m_sesion.ordenColumnas);
    });
}

void PestanaRanking::poblarComboNutrientes()
{
    QComboBox* combo = m_ui.cmb_nutrientes;
    combo->clear();
    const ValoresRecomendados& valores = m_sesion.valoresRecomendados;
    for (const QString& clave : valores.claves())
        combo->addItem(valores.entrada(clave).nombre, clave);
    combo->setCurrentIndex(-1);
}

void PestanaRanking::poblarComboCategorias()
{
    QComboBox* combo = m_ui.cmb_categorias;
    combo->clear();
    const almacen::Consulta c = catalogo::todosLosGrupos();
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
    if (m_ui.cmb_nutrientes->currentIndex() < 0) {
        mensajes::avisar(m_ventana, QStringLiteral("Please, select a nutrient"),
                         QStringLiteral("Alimetra 1.1"));
        m_ui.cmb_nutrientes->setFocus();
        return;
    }
    cargarListadoOrdenado();
}

void PestanaRanking::cargarListadoOrdenado()
{
    almacen::Ocupado ocupado;
    QTreeWidget* lista = m_ui.lsv_ordenado;
    lista->clear();
    // Every ranking starts highest first, whatever column was sorted before.
    lista->header()->setSortIndicatorShown(false);

    const QString clave = m_ui.cmb_nutrientes->currentData().toString();
    lista->headerItem()->setText(1, QStringLiteral("  ") +
                                        m_sesion.valoresRecomendados.entrada(clave).unidad);
    lista->setVisible(true);

    const QString columna = almacen::identificador(clave);
    if (columna.isEmpty()) {
        escribirLog(QStringLiteral("cargarListadoOrdenado() -> The nutrient key \"%1\" is not "
                                   "a column name")
                        .arg(clave));
        return;
    }
    const almacen::Consulta c =
        catalogo::listadoOrdenado(columna, m_ui.cmb_categorias->currentIndex() >= 0
                                               ? m_ui.cmb_categorias->currentData().toString()
                                               : QString());
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
    if (m_ui.lsv_ordenado->selectedItems().isEmpty())
        return;
    if (!m_i) {
        m_i = new DialogoIngesta(m_ventana, m_ui.lsv_ordenado, m_sesion.perfilActual);
        m_i->adjustSize();
        situarSobre(m_i, m_ventana);
    }
    m_i->show();
    m_i->raise();
    m_i->activateWindow();
}

void PestanaRanking::mostrarNutrientes()
{
    const QList<QTreeWidgetItem*> elegidas = m_ui.lsv_ordenado->selectedItems();
    if (elegidas.isEmpty())
        return;
    cargarInfoCompleta(m_ventana, m_sesion.valoresRecomendados, elegidas.first()->text(0),
                       idAlimento(elegidas.first()));
}

void PestanaRanking::cerrarDialogos()
{
    if (m_i)
        m_i->close();
    for (Ficha* n : m_ventana->findChildren<Ficha*>(QString(), Qt::FindDirectChildrenOnly))
        n->close();
}
