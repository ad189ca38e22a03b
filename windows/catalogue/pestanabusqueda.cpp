#include "windows/catalogue/pestanabusqueda.h"

#include "evaluation/sesion.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/catalogue/ayudamedidas.h"
#include "windows/catalogue/editorpropio.h"
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
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

PestanaBusqueda::PestanaBusqueda(Sesion& sesion, QWidget* padre) : QWidget(padre), m_sesion(sesion)
{
    construir();
    conectar();
}

void PestanaBusqueda::construir()
{
    QLabel* paso1 = etiqueta(this, "lbl_2_1",
                             tr("Step 1: Enter your search term(s) in the textbox "
                                "below and click Find."));
    m_buscar = crear<QLineEdit>(this, "tbx_buscar");
    m_botonBuscar = boton(this, "cmd_buscar", tr("Find"));
    QLabel* paso2 = etiqueta(this, "lbl_2_2",
                             tr("Step 2: Click the category that best matches with "
                                "the food sought."));
    m_categorias = crear<QListWidget>(this, "lbx_categorias");
    QLabel* paso3 = etiqueta(this, "lbl_2_3",
                             tr("Step 3: Select the food you want to set your weekly "
                                "intake to. Right click to display nutrients."));
    m_alimentos = listaInforme(this, "lsv_alimentos", {tr("Food")}, {QStringLiteral("food")});
    m_alimentos->header()->setStretchLastSection(true);
    QLabel* paso4 = etiqueta(this, "lbl_2_4",
                             tr("Step 4: Enter your weekly intake (grams, integer "
                                "numbers) in the textbox below and click Save."));
    m_cantidad = crear<QLineEdit>(this, "tbx_cantidad");
    m_cantidad->setMaxLength(5);
    m_cantidad->setMaximumWidth(70);
    m_guardar = boton(this, "cmd_guardar", tr("Save"));
    m_ayudaMedidas = new AyudaMedidas(m_cantidad, this);
    nombrar(m_buscar, tr("Search words"), paso1);
    nombrar(m_categorias, tr("Food groups found"), paso2);
    nombrar(m_alimentos, tr("Foods of the group"), paso3);
    nombrar(m_cantidad, tr("Weekly intake in grams"), paso4);

    auto* v = new QVBoxLayout(this);
    v->addWidget(paso1);
    auto* busqueda = new QHBoxLayout;
    busqueda->addWidget(m_buscar, 3);
    busqueda->addWidget(m_botonBuscar, 1);
    v->addLayout(busqueda);
    v->addWidget(paso2);
    v->addWidget(m_categorias, 2);
    v->addWidget(paso3);
    v->addWidget(m_alimentos, 3);
    v->addWidget(paso4);
    auto* cantidad = new QHBoxLayout;
    cantidad->addWidget(m_cantidad);
    cantidad->addWidget(m_guardar, 1);
    v->addLayout(cantidad);
    v->addWidget(m_ayudaMedidas);

    m_menu = crear<QMenu>(m_alimentos, "buscador");
    m_mostrarNutrientes = m_menu->addAction(tr("&Display nutrients"));
    m_mostrarNutrientes->setObjectName(QStringLiteral("displayNutrientsBuscador"));
    m_copiar = m_menu->addAction(tr("&Copy to my foods..."));
    m_copiar->setObjectName(QStringLiteral("copyToMyFoodsBuscador"));
}

void PestanaBusqueda::conectar()
{
    connect(m_botonBuscar, &QPushButton::clicked, this, [this] {
        if (validarBusqueda())
            buscarCategorias();
    });
    connect(m_buscar, &QLineEdit::returnPressed, m_botonBuscar, &QPushButton::click);
    connect(m_categorias, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* linea) { categoriaPulsada(m_categorias->row(linea)); });
    // Choosing a line with the keyboard counts as clicking it; a mouse press
    // is left to the click above.
    connect(m_categorias, &QListWidget::currentRowChanged, this, [this](int linea) {
        if (linea >= 0 && QGuiApplication::mouseButtons() == Qt::NoButton &&
            m_categorias->hasFocus())
            categoriaPulsada(linea);
    });
    new MenuDeLista(m_alimentos, m_menu, m_sesion.botonPulsado);
    connect(m_alimentos, &QTreeWidget::itemClicked, this, &PestanaBusqueda::alimentoPulsado);
    // Moving through the foods with the keyboard chooses the food, as a left
    // click does; the mouse's own press is left to the click above.
    connect(m_alimentos, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* actual) {
        if (actual && QGuiApplication::mouseButtons() == Qt::NoButton && m_alimentos->hasFocus())
            seleccionarAlimento();
    });
    // The space bar selects the current food without moving off it (the
    // only way to the only food of a list): that chooses it too.
    connect(m_alimentos, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (QGuiApplication::mouseButtons() == Qt::NoButton && m_alimentos->hasFocus())
            seleccionarAlimento();
    });
    connect(m_alimentos, &QTreeWidget::itemDoubleClicked, this,
            &PestanaBusqueda::mostrarNutrientes);
    connect(m_mostrarNutrientes, &QAction::triggered, this, &PestanaBusqueda::mostrarNutrientes);
    connect(m_copiar, &QAction::triggered, this, &PestanaBusqueda::copiarAPropios);
    connect(m_guardar, &QPushButton::clicked, this, &PestanaBusqueda::guardar);
    // Enter in the grams box or the quantity box saves, as Save does.
    connect(m_cantidad, &QLineEdit::returnPressed, m_guardar, &QPushButton::click);
    connect(m_ayudaMedidas, &AyudaMedidas::confirmado, m_guardar, &QPushButton::click);
    connect(&m_sesion, &Sesion::perfilCambiado, this,
            [this] { mostrarMedidas(m_alimentoSeleccionado); });
}

void PestanaBusqueda::releerGuardada()
{
    m_ayudaMedidas->releerGuardada();
}

void PestanaBusqueda::mostrarMedidas(qint64 alimento)
{
    const Dato& perfil = m_sesion.perfilActual.idPerfil;
    m_ayudaMedidas->elegirAlimento(alimento, perfil.tieneValor() ? perfil.entero() : 0);
}

bool PestanaBusqueda::validarBusqueda()
{
    if (m_buscar->text().isEmpty()) {
        mensajes::avisar(window(), tr("Please, enter the search term(s)"));
        m_buscar->setFocus();
        return false;
    }
    // SQLite refuses a LIKE pattern longer than its limit (UTF-8 bytes).
    const int limite = almacen::limitePatronLike();
    for (const QVariant& patron : catalogo::terminos(m_buscar->text()).patrones) {
        if (patron.toString().toUtf8().size() > limite) {
            mensajes::avisar(window(), tr("The search term is too long"));
            m_buscar->setFocus();
            return false;
        }
    }
    return true;
}

void PestanaBusqueda::buscarCategorias()
{
    m_condicionBusqueda = catalogo::terminos(m_buscar->text());
    listarCategorias();
}

void PestanaBusqueda::listarCategorias()
{
    almacen::Ocupado ocupado;
    QListWidget* lista = m_categorias;
    lista->clear();
    m_sinCategorias = false;
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

void PestanaBusqueda::releer()
{
    if (m_condicionBusqueda.vacia())
        return;
    const int linea = m_categorias->currentRow();
    const QString grupo = !m_sinCategorias && linea >= 0 && linea < m_idsCategorias.size()
                              ? m_idsCategorias.at(linea)
                              : QString();
    listarCategorias();
    m_alimentos->clear();
    m_alimentoSeleccionado = 0;
    mostrarMedidas(0);
    const int otra = int(m_idsCategorias.indexOf(grupo));
    if (grupo.isEmpty() || otra < 0 || m_sinCategorias)
        return;
    const QSignalBlocker bloqueo(m_categorias);
    m_categorias->setCurrentRow(otra);
    extraerAlimentos(grupo);
}

void PestanaBusqueda::copiarAPropios()
{
    const QList<QTreeWidgetItem*> elegidas = m_alimentos->selectedItems();
    if (!elegidas.isEmpty() && copiarAlimentoPropio(window(), idAlimento(elegidas.first())))
        emit alimentosCambiados();
}

void PestanaBusqueda::categoriaPulsada(int linea)
{
    if (m_sinCategorias || linea < 0 || linea >= m_idsCategorias.size()) {
        m_alimentos->clear();
        m_alimentoSeleccionado = 0;
        mostrarMedidas(0);
        return;
    }
    extraerAlimentos(m_idsCategorias.at(linea));
}

void PestanaBusqueda::extraerAlimentos(const QString& grupo)
{
    QTreeWidget* lista = m_alimentos;
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
        marcarSiPropio(item, fila.value(0).toLongLong());
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
    QTreeWidget* lista = m_alimentos;
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
    const QList<QTreeWidgetItem*> elegidas = m_alimentos->selectedItems();
    if (elegidas.isEmpty())
        return;
    cargarInfoCompleta(window(), m_sesion.valoresRecomendados, elegidas.first()->text(0),
                       idAlimento(elegidas.first()));
}

bool PestanaBusqueda::validarCantidad()
{
    if (m_alimentoSeleccionado == 0) {
        mensajes::avisar(window(), tr("Please, select a food"));
        m_alimentos->setFocus();
        return false;
    }
    if (!soloDigitos(m_cantidad->text())) {
        mensajes::avisar(window(), tr("Please, set your weekly intake (grams, integer "
                                      "numbers only)"));
        m_cantidad->setFocus();
        return false;
    }
    return true;
}

void PestanaBusqueda::guardar()
{
    if (!validarCantidad())
        return;
    guardarCantidad(window(), m_sesion.perfilActual, m_cantidad->text(), m_alimentoSeleccionado);
    m_ayudaMedidas->releerGuardada();
}
