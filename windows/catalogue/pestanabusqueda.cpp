#include "windows/catalogue/pestanabusqueda.h"

#include "evaluation/sesion.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/catalogue/ayudamedidas.h"
#include "windows/catalogue/ficha.h"
#include "windows/catalogue/ingesta.h"
#include "windows/catalogue/menulista.h"
#include "windows/common/controles.h"
#include "windows/common/mensajes.h"
#include "windows/common/roles.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

void ControlesBusqueda::construir(QWidget* marco)
{
    lbl_2_1 = etiqueta(marco, "lbl_2_1",
                       QStringLiteral("Step 1: Enter your search term(s) in the textbox below "
                                      "and click Find."));
    tbx_buscar = crear<QLineEdit>(marco, "tbx_buscar");
    cmd_buscar = boton(marco, "cmd_buscar", QStringLiteral("Find"));
    lbl_2_2 = etiqueta(marco, "lbl_2_2",
                       QStringLiteral("Step 2: Click the category that best matches with the "
                                      "food sought."));
    lbx_categorias = crear<QListWidget>(marco, "lbx_categorias");
    lbl_2_3 = etiqueta(marco, "lbl_2_3",
                       QStringLiteral("Step 3: Select the food you want to set your weekly "
                                      "intake to. Right click to display nutrients."));
    lsv_alimentos =
        listaInforme(marco, "lsv_alimentos", {QStringLiteral("Food")}, {QStringLiteral("food")});
    lsv_alimentos->header()->setStretchLastSection(true);
    lbl_2_4 = etiqueta(marco, "lbl_2_4",
                       QStringLiteral("Step 4: Enter your weekly intake (grams, integer numbers) "
                                      "in the textbox below and click Save."));
    tbx_cantidad = crear<QLineEdit>(marco, "tbx_cantidad");
    tbx_cantidad->setMaxLength(5);
    tbx_cantidad->setMaximumWidth(70);
    cmd_guardar = boton(marco, "cmd_guardar", QStringLiteral("Save"));
    ayudaMedidas = new AyudaMedidas(tbx_cantidad, marco);

    auto* v = new QVBoxLayout(marco);
    v->addWidget(lbl_2_1);
    auto* busqueda = new QHBoxLayout;
    busqueda->addWidget(tbx_buscar, 3);
    busqueda->addWidget(cmd_buscar, 1);
    v->addLayout(busqueda);
    v->addWidget(lbl_2_2);
    v->addWidget(lbx_categorias, 2);
    v->addWidget(lbl_2_3);
    v->addWidget(lsv_alimentos, 3);
    v->addWidget(lbl_2_4);
    auto* cantidad = new QHBoxLayout;
    cantidad->addWidget(tbx_cantidad);
    cantidad->addWidget(cmd_guardar, 1);
    v->addLayout(cantidad);
    v->addWidget(ayudaMedidas);

    buscador = crear<QMenu>(lsv_alimentos, "buscador");
    displayNutrientsBuscador = buscador->addAction(QStringLiteral("&Display nutrients"));
    displayNutrientsBuscador->setObjectName(QStringLiteral("displayNutrientsBuscador"));
}

PestanaBusqueda::PestanaBusqueda(ControlesBusqueda& ui, Sesion& sesion, QWidget* ventana)
    : QObject(ventana), m_ui(ui), m_sesion(sesion), m_ventana(ventana)
{
    connect(ui.cmd_buscar, &QPushButton::clicked, this, [this] {
        if (validarBusqueda())
            buscarCategorias();
    });
    connect(ui.tbx_buscar, &QLineEdit::returnPressed, ui.cmd_buscar, &QPushButton::click);
    connect(ui.lbx_categorias, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* linea) { categoriaPulsada(m_ui.lbx_categorias->row(linea)); });
    // Choosing a line with the keyboard counts as clicking it; a mouse press
    // is left to the click above.
    connect(ui.lbx_categorias, &QListWidget::currentRowChanged, this, [this](int linea) {
        if (linea >= 0 && QGuiApplication::mouseButtons() == Qt::NoButton &&
            m_ui.lbx_categorias->hasFocus())
            categoriaPulsada(linea);
    });
    new MenuDeLista(ui.lsv_alimentos, ui.buscador, m_sesion.botonPulsado);
    connect(ui.lsv_alimentos, &QTreeWidget::itemClicked, this, &PestanaBusqueda::alimentoPulsado);
    // Moving through the foods with the keyboard chooses the food, as a left
    // click does; the mouse's own press is left to the click above.
    connect(ui.lsv_alimentos, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* actual) {
                if (actual && QGuiApplication::mouseButtons() == Qt::NoButton &&
                    m_ui.lsv_alimentos->hasFocus())
                    seleccionarAlimento();
            });
    connect(ui.lsv_alimentos, &QTreeWidget::itemDoubleClicked, this,
            &PestanaBusqueda::mostrarNutrientes);
    connect(ui.displayNutrientsBuscador, &QAction::triggered, this,
            &PestanaBusqueda::mostrarNutrientes);
    connect(ui.cmd_guardar, &QPushButton::clicked, this, &PestanaBusqueda::guardar);
    // Enter in the grams box or the quantity box saves, as Save does.
    connect(ui.tbx_cantidad, &QLineEdit::returnPressed, ui.cmd_guardar, &QPushButton::click);
    connect(ui.ayudaMedidas, &AyudaMedidas::confirmado, ui.cmd_guardar, &QPushButton::click);
    connect(&sesion, &Sesion::perfilCambiado, this,
            [this] { mostrarMedidas(m_alimentoSeleccionado); });
}

void PestanaBusqueda::mostrarMedidas(qint64 alimento)
{
    const Dato& perfil = m_sesion.perfilActual.idPerfil;
    m_ui.ayudaMedidas->elegirAlimento(alimento, perfil.tieneValor() ? perfil.entero() : 0);
}

bool PestanaBusqueda::validarBusqueda()
{
    if (m_ui.tbx_buscar->text().isEmpty()) {
        mensajes::avisar(m_ventana, QStringLiteral("Please, enter the search term(s)"));
        m_ui.tbx_buscar->setFocus();
        return false;
    }
    // SQLite refuses a LIKE pattern longer than its limit (UTF-8 bytes).
    const int limite = almacen::limitePatronLike();
    for (const QVariant& patron : catalogo::terminos(m_ui.tbx_buscar->text()).patrones) {
        if (patron.toString().toUtf8().size() > limite) {
            mensajes::avisar(m_ventana, QStringLiteral("The search term is too long"));
            m_ui.tbx_buscar->setFocus();
            return false;
        }
    }
    return true;
}

void PestanaBusqueda::buscarCategorias()
{
    almacen::Ocupado ocupado;
    QListWidget* lista = m_ui.lbx_categorias;
    lista->clear();
    m_sinCategorias = false;
    m_condicionBusqueda = catalogo::terminos(m_ui.tbx_buscar->text());
    if (m_condicionBusqueda.vacia()) {
        // Blanks alone name nothing to look for.
        lista->addItem(sinCoincidencias());
        m_sinCategorias = true;
        return;
    }
    const almacen::Consulta c = catalogo::grupos(m_condicionBusqueda);
    if (!c.ok) {
        escribirLog(c.entradaLog(QStringLiteral("buscarCategorias() -> ")));
        return;
    }
    if (c.vacia()) {
        lista->addItem(sinCoincidencias());
        m_sinCategorias = true;
        return;
    }
    QStringList ids;
    QStringList nombres;
    for (const QVariantList& fila : c.filas) {
        ids << fila.value(0).toString();
        nombres << fila.value(1).toString();
    }
    m_idsCategorias = ids;
    lista->addItems(nombres);
}

void PestanaBusqueda::categoriaPulsada(int linea)
{
    if (m_sinCategorias || linea < 0 || linea >= m_idsCategorias.size()) {
        m_ui.lsv_alimentos->clear();
        m_alimentoSeleccionado = 0;
        mostrarMedidas(0);
        return;
    }
    extraerAlimentos(m_idsCategorias.at(linea));
}

void PestanaBusqueda::extraerAlimentos(const QString& grupo)
{
    QTreeWidget* lista = m_ui.lsv_alimentos;
    lista->clear();
    // The food an intake is saved for is always the bold one on screen: a
    // new list has none until one of its foods is chosen.
    m_alimentoSeleccionado = 0;
    mostrarMedidas(0);
    if (m_condicionBusqueda.vacia())
        return;

    almacen::Ocupado ocupado;
    const almacen::Consulta c = catalogo::alimentos(grupo, m_condicionBusqueda);
    if (!c.ok) {
        escribirLog(c.entradaLog(QStringLiteral("extraerAlimentos() -> ")));
        return;
    }
    QList<QTreeWidgetItem*> filas;
    filas.reserve(c.filas.size());
    for (const QVariantList& fila : c.filas) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, fila.value(1).toString());
        item->setData(0, RolIdAlimento, fila.value(0).toLongLong());
        filas << item;
    }
    lista->addTopLevelItems(filas);
}

void PestanaBusqueda::alimentoPulsado(QTreeWidgetItem*)
{
    if (m_sesion.botonPulsado == 2)
        return;
    seleccionarAlimento();
}

void PestanaBusqueda::seleccionarAlimento()
{
    QTreeWidget* lista = m_ui.lsv_alimentos;
    const QList<QTreeWidgetItem*> elegidas = lista->selectedItems();
    // A list refilled under the keyboard has a current row but none chosen
    // yet: nothing to do, and nothing failed.
    if (elegidas.isEmpty())
        return;
    QTreeWidgetItem* elegida = elegidas.first();
    for (int i = 0; i < lista->topLevelItemCount(); ++i) {
        QTreeWidgetItem* fila = lista->topLevelItem(i);
        if (fila != elegida && fila->font(0).bold()) {
            QFont normal = fila->font(0);
            normal.setBold(false);
            fila->setFont(0, normal);
        }
    }
    QFont negrita = elegida->font(0);
    negrita.setBold(true);
    elegida->setFont(0, negrita);
    m_alimentoSeleccionado = idAlimento(elegida);
    mostrarMedidas(m_alimentoSeleccionado);
}

void PestanaBusqueda::mostrarNutrientes()
{
    const QList<QTreeWidgetItem*> elegidas = m_ui.lsv_alimentos->selectedItems();
    if (elegidas.isEmpty())
        return;
    cargarInfoCompleta(m_ventana, m_sesion.valoresRecomendados, elegidas.first()->text(0),
                       idAlimento(elegidas.first()));
}

bool PestanaBusqueda::validarCantidad()
{
    if (m_alimentoSeleccionado == 0) {
        mensajes::avisar(m_ventana, QStringLiteral("Please, select a food"));
        m_ui.lsv_alimentos->setFocus();
        return false;
    }
    if (!soloDigitos(m_ui.tbx_cantidad->text())) {
        mensajes::avisar(m_ventana, QStringLiteral("Please, set your weekly intake (grams, integer "
                                                   "numbers only)"));
        m_ui.tbx_cantidad->setFocus();
        return false;
    }
    return true;
}

void PestanaBusqueda::guardar()
{
    if (!validarCantidad())
        return;
    guardarCantidad(m_ventana, m_sesion.perfilActual, m_ui.tbx_cantidad->text(),
                    m_alimentoSeleccionado);
    m_ui.ayudaMedidas->releerGuardada();
}
