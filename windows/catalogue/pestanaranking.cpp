#include "windows/catalogue/pestanaranking.h"

#include "catalogue/catalogo.h"
#include "evaluation/sesion.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/catalogue/dialogoingesta.h"
#include "windows/catalogue/editorpropio.h"
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

PestanaRanking::PestanaRanking(Sesion& sesion, QWidget* padre) : QWidget(padre), m_sesion(sesion)
{
    construir();
    connect(m_ordenar, &QPushButton::clicked, this, &PestanaRanking::ordenar);
    new MenuDeLista(m_lista, m_menu, m_sesion.botonPulsado);
    connect(m_lista, &QTreeWidget::itemDoubleClicked, this, &PestanaRanking::mostrarNutrientes);
    connect(m_mostrarNutrientes, &QAction::triggered, this, &PestanaRanking::mostrarNutrientes);
    connect(m_fijarIngesta, &QAction::triggered, this, &PestanaRanking::abrirDialogoIngesta);
    connect(m_copiar, &QAction::triggered, this, [this] {
        const QList<QTreeWidgetItem*> elegidas = m_lista->selectedItems();
        if (!elegidas.isEmpty() && copiarAlimentoPropio(window(), idAlimento(elegidas.first())))
            emit alimentosCambiados();
    });

    QHeaderView* cabecera = m_lista->header();
    cabecera->setSectionsClickable(true);
    connect(cabecera, &QHeaderView::sectionClicked, this, [this](int columna) {
        ordenarColumnasOrdenado(m_lista, columna, m_sesion.ordenColumnas);
    });
}

void PestanaRanking::construir()
{
    QLabel* explicacion = etiqueta(this, "lbl_3_1",
                                   tr("This utility is complementary to the previous one. It "
                                      "displays for each food, the selected nutrient in one "
                                      "hundred grams of an edible portion. Foods without a "
                                      "known value (and those with 0) are not listed."));
    QLabel* uso = etiqueta(this, "lbl_3_2",
                           tr("Select a nutrient and click Sort. Once displayed, right "
                              "click the items to set weekly intakes or to display all "
                              "nutrients. You can reverse the order by clicking the "
                              "columns' headers."));
    m_nutrientes = crear<QComboBox>(this, "cmb_nutrientes");
    m_nutrientes->setPlaceholderText(tr("Select a nutrient"));
    m_nutrientes->setMaxVisibleItems(20);
    m_categorias = crear<QComboBox>(this, "cmb_categorias");
    m_categorias->setPlaceholderText(tr("Filter by category"));
    m_categorias->setMaxVisibleItems(20);
    m_ordenar = boton(this, "cmd_listadoOrdenado", tr("Sort"));
    nombrar(m_nutrientes, tr("Nutrient to sort by"));
    nombrar(m_categorias, tr("Food group"));
    m_lista = listaInforme(this, "lsv_ordenado", {tr("Food"), QString()},
                           {QStringLiteral("uno"), QStringLiteral("dos")});
    m_lista->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_lista->header()->setSectionResizeMode(1, QHeaderView::Interactive);
    m_lista->setColumnWidth(1, 110);
    nombrar(m_lista, tr("Foods sorted by the nutrient"));
    // Hidden until the first ranking, it keeps its room below the controls.
    QSizePolicy reserva = m_lista->sizePolicy();
    reserva.setRetainSizeWhenHidden(true);
    m_lista->setSizePolicy(reserva);

    auto* v = new QVBoxLayout(this);
    v->addWidget(explicacion);
    v->addWidget(uso);
    auto* fila = new QHBoxLayout;
    fila->addWidget(m_nutrientes, 5);
    fila->addWidget(m_categorias, 6);
    fila->addWidget(m_ordenar, 2);
    v->addLayout(fila);
    v->addWidget(m_lista, 1);

    m_menu = crear<QMenu>(m_lista, "listadoOrdenado");
    m_fijarIngesta = m_menu->addAction(tr("&Set weekly intake"));
    m_fijarIngesta->setObjectName(QStringLiteral("setIntake"));
    m_mostrarNutrientes = m_menu->addAction(tr("&Display all nutrients"));
    m_mostrarNutrientes->setObjectName(QStringLiteral("displayNutrients"));
    m_copiar = m_menu->addAction(tr("&Copy to my foods..."));
    m_copiar->setObjectName(QStringLiteral("copyToMyFoods"));
}

void PestanaRanking::ocultarListado()
{
    m_lista->hide();
}

void PestanaRanking::poblarComboNutrientes()
{
    QComboBox* combo = m_nutrientes;
    combo->clear();
    const ValoresRecomendados& valores = m_sesion.valoresRecomendados;
    for (const QString& clave : valores.claves())
        combo->addItem(valores.entrada(clave).nombre, clave);
    combo->setCurrentIndex(-1);
}

void PestanaRanking::poblarComboCategorias()
{
    QComboBox* combo = m_categorias;
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
    if (m_nutrientes->currentIndex() < 0) {
        mensajes::avisar(window(), tr("Please, select a nutrient"), QStringLiteral("Alimetra 1.1"));
        m_nutrientes->setFocus();
        return;
    }
    cargarListadoOrdenado();
}

void PestanaRanking::cargarListadoOrdenado()
{
    almacen::Ocupado ocupado;
    QTreeWidget* lista = m_lista;
    lista->clear();
    // Every ranking starts highest first, whatever column was sorted before.
    lista->header()->setSortIndicatorShown(false);

    const QString clave = m_nutrientes->currentData().toString();
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
    const almacen::Consulta c = catalogo::listadoOrdenado(
        columna,
        m_categorias->currentIndex() >= 0 ? m_categorias->currentData().toString() : QString());
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
        marcarSiPropio(item, fila.value(0).toLongLong());
        ponerNumero(item, 1, fila.value(2).toDouble());
        filas << item;
    }
    lista->addTopLevelItems(filas);
    // A new ranking is read from its top, wherever the last one was left.
    lista->scrollToTop();
}

void PestanaRanking::releer()
{
    if (m_lista->topLevelItemCount() > 0)
        cargarListadoOrdenado();
}

void PestanaRanking::abrirDialogoIngesta()
{
    if (m_lista->selectedItems().isEmpty())
        return;
    if (!m_i) {
        m_i = new DialogoIngesta(window(), m_lista, m_sesion.perfilActual);
        m_i->adjustSize();
        situarSobre(m_i, window());
    }
    m_i->show();
    m_i->raise();
    m_i->activateWindow();
}

void PestanaRanking::mostrarNutrientes()
{
    const QList<QTreeWidgetItem*> elegidas = m_lista->selectedItems();
    if (elegidas.isEmpty())
        return;
    cargarInfoCompleta(window(), m_sesion.valoresRecomendados, elegidas.first()->text(0),
                       idAlimento(elegidas.first()));
}

void PestanaRanking::cerrarDialogos()
{
    if (m_i)
        m_i->close();
    for (Ficha* n : window()->findChildren<Ficha*>(QString(), Qt::FindDirectChildrenOnly))
        n->close();
}
