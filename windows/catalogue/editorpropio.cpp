#include "windows/catalogue/editorpropio.h"

#include "catalogue/catalogo.h"
#include "catalogue/cifras.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/catalogue/ingesta.h"
#include "windows/common/controles.h"
#include "windows/common/mensajes.h"
#include "windows/common/numeros.h"
#include "windows/common/roles.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The column of `total` a nutrients grid row stands for, on its first cell.
constexpr int RolColumna = Qt::UserRole;

// A value as the grid shows it: `cifras` significant digits at most, in
// the user's number format.
QString mostrarValor(double valor, int cifras = 6)
{
    return textoNumero(QString::number(valor, 'g', cifras).toDouble());
}

QTableWidgetItem* celdaFija(const QString& texto)
{
    auto* celda = new QTableWidgetItem(texto);
    celda->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return celda;
}

QTableWidget* rejilla(QWidget* padre, const char* nombre, const QStringList& titulos)
{
    auto* t = crear<QTableWidget>(padre, nombre);
    t->setColumnCount(titulos.size());
    t->setHorizontalHeaderLabels(titulos);
    t->verticalHeader()->hide();
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < titulos.size(); ++c)
        t->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    return t;
}

// What is still being typed in a cell counts: moving off the cell hands it
// to the grid.
void confirmarCelda(QTableWidget* t)
{
    const int f = t->currentRow();
    const int c = t->currentColumn();
    if (f < 0)
        return;
    t->setCurrentCell(-1, -1);
    t->setCurrentCell(f, c);
}

QString tituloDe(const propios::AlimentoPropio& a)
{
    if (a.id > 0)
        return EditorPropio::tr("Edit \"%1\"").arg(a.nombre);
    return a.receta() ? EditorPropio::tr("New recipe") : EditorPropio::tr("New food");
}

} // namespace

EditorPropio::EditorPropio(QWidget* padre, const propios::AlimentoPropio& a)
    : QDialog(padre), m_alimento(a), m_nutrientes(propios::nutrientes())
{
    setObjectName(QStringLiteral("e"));
    setModal(true);
    setWindowTitle(tituloDe(a));
    construir();
    conectar();
    mostrar();
    // Room for the grids, within the screen; the layouts share it out.
    QSize tamano(920, 760);
    if (const QScreen* pantalla = padre ? padre->screen() : screen())
        tamano = tamano.boundedTo(pantalla->availableGeometry().size() - QSize(16, 40));
    resize(tamano);
    situarSobre(this, padre);
    m_nombre->setFocus();
}

void EditorPropio::construir()
{
    // Built in the order the Tab key goes through them.
    QLayout* cabecera = construirCabecera();
    QGroupBox* valores = m_alimento.receta() ? construirReceta() : construirBase();
    QWidget* nutrientes = construirNutrientes();
    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(valores, m_alimento.receta() ? 3 : 0);
    izquierda->addWidget(construirMedidas(), 1);
    auto* centro = new QHBoxLayout;
    centro->addLayout(izquierda, 1);
    centro->addWidget(nutrientes, 1);

    m_guardar = boton(this, "cmd_guardar", tr("Save"));
    m_cancelar = boton(this, "cmd_cancelar", tr("Cancel"));
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    for (QPushButton* b : {m_guardar, m_cancelar}) {
        b->setMinimumWidth(115);
        botones->addWidget(b);
    }

    auto* v = new QVBoxLayout(this);
    v->addLayout(cabecera);
    v->addLayout(centro, 1);
    v->addLayout(botones);
    // Enter saves, as in any dialog, from wherever the focus is: the
    // buttons do not take it over (Cancel least of all). Among the
    // ingredients it does what their boxes are for instead (keyPressEvent).
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);
    m_guardar->setDefault(true);
}

void EditorPropio::keyPressEvent(QKeyEvent* evento)
{
    const bool enter = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
    QWidget* foco = focusWidget();
    QWidget* caja = m_ingredientes ? m_ingredientes->parentWidget() : nullptr;
    if (enter && foco && caja && caja->isAncestorOf(foco)) {
        // The search and the amount have already run on it; a food found
        // goes on to its amount, as a double click does.
        if (foco == m_candidatos && m_candidatos->currentItem())
            m_cantidad->setFocus();
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

QLayout* EditorPropio::construirCabecera()
{
    m_nombre = crear<QLineEdit>(this, "tbx_nombre");
    m_nombre->setMaxLength(propios::largoNombre);
    m_grupo = crear<QComboBox>(this, "cmb_grupo");
    nombrar(m_grupo, tr("Food group"));
    nombrar(m_nombre, tr("Name of the food"));
    const almacen::Consulta c = catalogo::todosLosGrupos();
    if (!c.ok)
        escribirLog(c.entradaLog(QStringLiteral("EditorPropio -> ")));
    const int iId = c.columnas.indexOf(QStringLiteral("id"));
    const int iNombre = c.columnas.indexOf(QStringLiteral("name"));
    for (const QVariantList& f : c.filas)
        m_grupo->addItem(f.value(iNombre).toString(), f.value(iId).toString());

    auto* form = new QFormLayout;
    QLabel* nombre = etiqueta(this, "lbl_nombre", tr("Name:"));
    QLabel* grupo = etiqueta(this, "lbl_grupo", tr("Group:"));
    nombre->setBuddy(m_nombre);
    grupo->setBuddy(m_grupo);
    form->addRow(nombre, m_nombre);
    form->addRow(grupo, m_grupo);
    return form;
}

QGroupBox* EditorPropio::construirBase()
{
    auto* caja = crear<QGroupBox>(this, "fra_base");
    caja->setTitle(tr("The label gives its values"));
    m_por100 = crear<QRadioButton>(caja, "opb_por100");
    m_por100->setText(tr("per 100 g"));
    m_por100->setChecked(true);
    m_porRacion = crear<QRadioButton>(caja, "opb_porRacion");
    m_porRacion->setText(tr("per serving of"));
    // The captions say the basis; the box's title says of what.
    for (QRadioButton* base : {m_por100, m_porRacion})
        base->setAccessibleDescription(caja->title());
    m_racion = crear<QLineEdit>(caja, "tbx_racion");
    m_racion->setMaximumWidth(80);
    m_racion->setEnabled(false);
    nombrar(m_racion, tr("Grams in a serving"));
    QLabel* pista = etiqueta(caja, "lbl_base",
                             tr("The values are read in the basis chosen here when "
                                "you save, and kept per 100 g."));

    auto* fila = new QHBoxLayout;
    fila->addWidget(m_por100);
    fila->addSpacing(16);
    fila->addWidget(m_porRacion);
    fila->addWidget(m_racion);
    fila->addWidget(etiqueta(caja, "lbl_racion", QStringLiteral("g")));
    fila->addStretch(1);
    auto* v = new QVBoxLayout(caja);
    v->addLayout(fila);
    v->addWidget(pista);
    return caja;
}

QWidget* EditorPropio::construirNutrientes()
{
    const bool receta = m_alimento.receta();
    auto* caja = crear<QGroupBox>(this, "fra_nutrientes");
    caja->setTitle(receta ? tr("Nutrients in 100 g of the dish") : tr("Nutrients"));
    m_valores = rejilla(caja, "tbl_nutrientes", {tr("Nutrient"), tr("Unit"), tr("Value")});
    m_valores->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Interactive);
    m_valores->setColumnWidth(2, 90);
    nombrar(m_valores, caja->title());
    m_valores->setEditTriggers(receta ? QAbstractItemView::NoEditTriggers
                                      : QAbstractItemView::AllEditTriggers);
    llenarNutrientes();
    m_masNutrientes = boton(caja, "cmd_masNutrientes", tr("More nutrients"));
    m_masNutrientes->setCheckable(true);
    m_conocidos = etiqueta(caja, "lbl_conocidos", QString());
    QLabel* pista =
        etiqueta(caja, "lbl_desconocidos",
                 receta ? tr("Worked out from the ingredients. \u2265: at least this much, as "
                             "some ingredients do not tell it.")
                        : tr("Leave a value empty when the label does not give it: empty "
                             "is unknown, not 0."));

    auto* pie = new QHBoxLayout;
    pie->addWidget(m_conocidos, 1);
    pie->addWidget(m_masNutrientes);
    auto* v = new QVBoxLayout(caja);
    v->addWidget(m_valores, 1);
    v->addLayout(pie);
    v->addWidget(pista);
    return caja;
}

void EditorPropio::llenarNutrientes()
{
    m_valores->setRowCount(m_nutrientes.size());
    for (int i = 0; i < m_nutrientes.size(); ++i) {
        const propios::Nutriente& n = m_nutrientes.at(i);
        QTableWidgetItem* nombre = celdaFija(n.nombre);
        nombre->setData(RolColumna, n.columna);
        m_valores->setItem(i, 0, nombre);
        m_valores->setItem(i, 1, celdaFija(n.unidad));
        auto* valor = new QTableWidgetItem;
        valor->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (m_alimento.receta())
            valor->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_valores->setItem(i, 2, valor);
    }
}

QGroupBox* EditorPropio::construirMedidas()
{
    auto* caja = crear<QGroupBox>(this, "fra_medidas");
    caja->setTitle(tr("Household measures"));
    m_medidas = rejilla(caja, "tbl_medidas", {tr("Measure (\"1 slice\")"), tr("Grams")});
    nombrar(m_medidas, caja->title());
    m_medidaAgregar = boton(caja, "cmd_medidaAgregar", tr("Add measure"));
    m_medidaQuitar = boton(caja, "cmd_medidaQuitar", tr("Remove measure"));
    auto* botones = new QHBoxLayout;
    botones->addWidget(m_medidaAgregar);
    botones->addWidget(m_medidaQuitar);
    botones->addStretch(1);
    auto* v = new QVBoxLayout(caja);
    v->addWidget(m_medidas, 1);
    v->addLayout(botones);
    if (m_alimento.receta()) {
        // A dish has few measures: the room goes to its ingredients.
        m_medidas->setMaximumHeight(5 * m_medidas->fontMetrics().lineSpacing());
        v->addWidget(etiqueta(caja, "lbl_racionReceta",
                              tr("With the number of servings, \"1 serving\" is "
                                 "added by itself.")));
    }
    return caja;
}

QGroupBox* EditorPropio::construirReceta()
{
    auto* caja = crear<QGroupBox>(this, "fra_ingredientes");
    caja->setTitle(tr("Ingredients"));
    m_ingredientes = rejilla(caja, "tbl_ingredientes", {tr("Food"), tr("Amount"), tr("Grams")});
    m_ingredientes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    nombrar(m_ingredientes, caja->title());
    m_ingredientes->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Rows of one line each, so that a recipe's ingredients show at once.
    const int linea = m_ingredientes->fontMetrics().lineSpacing() + 8;
    m_ingredientes->verticalHeader()->setDefaultSectionSize(linea);
    m_ingredientes->setMinimumHeight(7 * linea);
    m_quitar = boton(caja, "cmd_ingredienteQuitar", tr("Remove"));
    m_pesoCocinado = crear<QLineEdit>(caja, "tbx_pesoCocinado");
    m_pesoCocinado->setMaximumWidth(200);
    m_raciones = crear<QLineEdit>(caja, "tbx_raciones");
    m_raciones->setMaxLength(3);
    m_raciones->setMaximumWidth(60);

    auto* quitar = new QHBoxLayout;
    quitar->addStretch(1);
    quitar->addWidget(m_quitar);
    auto* plato = new QFormLayout;
    QLabel* peso = etiqueta(caja, "lbl_pesoCocinado", tr("Cooked weight (g):"));
    QLabel* raciones = etiqueta(caja, "lbl_raciones", tr("Servings (optional):"));
    nombrar(m_pesoCocinado, tr("Cooked weight in grams"), peso);
    nombrar(m_raciones, tr("Number of servings"), raciones);
    plato->addRow(peso, m_pesoCocinado);
    plato->addRow(raciones, m_raciones);
    auto* v = new QVBoxLayout(caja);
    v->addWidget(m_ingredientes, 3);
    v->addLayout(quitar);
    v->addLayout(construirBusqueda(caja), 2);
    v->addLayout(plato);
    return caja;
}

QLayout* EditorPropio::construirBusqueda(QWidget* caja)
{
    m_buscar = crear<QLineEdit>(caja, "tbx_ingrediente");
    m_botonBuscar = boton(caja, "cmd_ingredienteBuscar", tr("Find"));
    m_candidatos = listaInforme(caja, "lsv_candidatos", {tr("Food"), tr("Group")},
                                {QStringLiteral("food"), QStringLiteral("group")});
    m_candidatos->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_candidatos->setMaximumHeight(8 * m_candidatos->fontMetrics().lineSpacing());
    m_cantidad = crear<QLineEdit>(caja, "tbx_ingredienteCantidad");
    m_cantidad->setMaxLength(12);
    m_cantidad->setMaximumWidth(70);
    m_medidaIngrediente = crear<QComboBox>(caja, "cmb_ingredienteMedida");
    m_medidaIngrediente->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_medidaIngrediente->setMinimumContentsLength(20);
    m_medidaIngrediente->addItem(QStringLiteral("g"));
    m_agregar = boton(caja, "cmd_ingredienteAgregar", tr("Add"));
    QLabel* pasos = etiqueta(caja, "lbl_ingrediente",
                             tr("Find a food to add, pick it, give the amount and "
                                "click Add:"));
    QLabel* rotulo = etiqueta(caja, "lbl_ingredienteCantidad", tr("Amount:"));
    nombrar(m_buscar, tr("Search words for an ingredient"), pasos);
    nombrar(m_candidatos, tr("Foods found"));
    nombrar(m_cantidad, tr("Amount of the ingredient"), rotulo);
    nombrar(m_medidaIngrediente, tr("Measure of the amount"));

    auto* busqueda = new QHBoxLayout;
    busqueda->addWidget(m_buscar, 1);
    busqueda->addWidget(m_botonBuscar);
    auto* cantidad = new QHBoxLayout;
    cantidad->addWidget(rotulo);
    cantidad->addWidget(m_cantidad);
    cantidad->addWidget(m_medidaIngrediente, 1);
    cantidad->addWidget(m_agregar);
    auto* v = new QVBoxLayout;
    v->addWidget(pasos);
    v->addLayout(busqueda);
    v->addWidget(m_candidatos, 1);
    v->addLayout(cantidad);
    return v;
}

void EditorPropio::conectar()
{
    if (m_porRacion)
        connect(m_porRacion, &QRadioButton::toggled, this, [this](bool porRacion) {
            m_racion->setEnabled(porRacion);
            if (porRacion)
                m_racion->setFocus();
        });
    connect(m_masNutrientes, &QPushButton::toggled, this, &EditorPropio::mostrarMasNutrientes);
    connect(m_valores, &QTableWidget::itemChanged, this, [this] {
        if (!m_llenando)
            contarConocidos();
    });
    connect(m_medidaAgregar, &QPushButton::clicked, this, [this] {
        const int f = m_medidas->rowCount();
        m_medidas->insertRow(f);
        m_medidas->setItem(f, 0, new QTableWidgetItem);
        m_medidas->setItem(f, 1, new QTableWidgetItem);
        m_medidas->setCurrentCell(f, 0);
        m_medidas->editItem(m_medidas->item(f, 0));
    });
    connect(m_medidaQuitar, &QPushButton::clicked, this, [this] {
        if (m_medidas->currentRow() >= 0)
            m_medidas->removeRow(m_medidas->currentRow());
    });
    connect(m_guardar, &QPushButton::clicked, this, &EditorPropio::guardar);
    connect(m_cancelar, &QPushButton::clicked, this, &QDialog::reject);
    if (m_alimento.receta())
        conectarReceta();
}

void EditorPropio::conectarReceta()
{
    connect(m_botonBuscar, &QPushButton::clicked, this, &EditorPropio::buscarIngredientes);
    connect(m_buscar, &QLineEdit::returnPressed, this, &EditorPropio::buscarIngredientes);
    connect(m_candidatos, &QTreeWidget::currentItemChanged, this, &EditorPropio::candidatoElegido);
    connect(m_candidatos, &QTreeWidget::itemDoubleClicked, this,
            [this] { m_cantidad->setFocus(); });
    connect(m_agregar, &QPushButton::clicked, this, &EditorPropio::agregarIngrediente);
    connect(m_cantidad, &QLineEdit::returnPressed, this, &EditorPropio::agregarIngrediente);
    connect(m_quitar, &QPushButton::clicked, this, &EditorPropio::quitarIngrediente);
    connect(m_pesoCocinado, &QLineEdit::textChanged, this, &EditorPropio::calcularReceta);
}

void EditorPropio::mostrar()
{
    const propios::AlimentoPropio& a = m_alimento;
    m_nombre->setText(a.nombre);
    int grupo = m_grupo->findData(a.grupo);
    if (grupo < 0)
        grupo = m_grupo->findData(almacen::grupoPropio);
    m_grupo->setCurrentIndex(grupo);
    llenarMedidas();
    m_llenando = true;
    bool otros = false;
    for (int i = 0; i < m_nutrientes.size(); ++i) {
        const QString& columna = m_nutrientes.at(i).columna;
        if (a.receta() || !a.valores.contains(columna))
            continue;
        const QString texto = mostrarValor(a.valores.value(columna));
        m_valores->item(i, 2)->setText(texto);
        m_textosIniciales.insert(columna, texto);
        otros = otros || !m_nutrientes.at(i).enEtiqueta;
    }
    m_llenando = false;
    if (a.receta()) {
        m_ingredientesLista = a.ingredientes;
        for (const propios::Ingrediente& i : a.ingredientes)
            mostrarIngrediente(i);
        if (a.pesoCocinado)
            m_pesoCocinado->setText(medidas::numero(*a.pesoCocinado, QLocale()));
        if (a.raciones > 0)
            m_raciones->setText(QLocale().toString(a.raciones));
        calcularReceta();
        otros = true;
    }
    // The values beyond the label's are shown where the food has some.
    m_masNutrientes->setChecked(otros);
    mostrarMasNutrientes();
    contarConocidos();
}

void EditorPropio::llenarMedidas()
{
    m_medidas->setRowCount(m_alimento.medidas.size());
    for (int i = 0; i < m_alimento.medidas.size(); ++i) {
        const propios::MedidaPropia& m = m_alimento.medidas.at(i);
        m_medidas->setItem(i, 0, new QTableWidgetItem(m.nombre));
        m_medidas->setItem(i, 1, new QTableWidgetItem(mostrarValor(m.gramos)));
    }
}

void EditorPropio::mostrarMasNutrientes()
{
    const bool todos = m_masNutrientes->isChecked();
    for (int i = 0; i < m_nutrientes.size(); ++i)
        m_valores->setRowHidden(i, !todos && !m_nutrientes.at(i).enEtiqueta);
}

void EditorPropio::contarConocidos()
{
    int conocidos = 0;
    for (int i = 0; i < m_valores->rowCount(); ++i)
        if (!m_valores->item(i, 2)->text().trimmed().isEmpty())
            ++conocidos;
    const QLocale local;
    m_conocidos->setText(
        tr("%1 of %2 nutrients known")
            .arg(local.toString(conocidos), local.toString(m_valores->rowCount())));
}

int EditorPropio::fila(const QString& columna) const
{
    for (int i = 0; i < m_nutrientes.size(); ++i)
        if (m_nutrientes.at(i).columna == columna)
            return i;
    return -1;
}

void EditorPropio::enfocar(const QString& campo)
{
    const QHash<QString, QWidget*> campos{
        {QStringLiteral("name"), m_nombre},         {QStringLiteral("group"), m_grupo},
        {QStringLiteral("measures"), m_medidas},    {QStringLiteral("ingredients"), m_ingredientes},
        {QStringLiteral("weight"), m_pesoCocinado}, {QStringLiteral("servings"), m_raciones}};
    if (QWidget* w = campos.value(campo)) {
        w->setFocus();
        return;
    }
    const int i = fila(campo);
    if (i < 0)
        return;
    if (m_valores->isRowHidden(i))
        m_masNutrientes->setChecked(true);
    m_valores->setCurrentCell(i, 2);
    m_valores->scrollToItem(m_valores->item(i, 2));
    m_valores->setFocus();
}

std::optional<propios::AlimentoPropio> EditorPropio::leerFormulario()
{
    propios::AlimentoPropio a;
    a.id = m_alimento.id;
    a.tipo = m_alimento.tipo;
    a.nombre = m_nombre->text();
    a.grupo = m_grupo->currentData().toString();
    a.medidas = leerMedidas();
    if (a.receta())
        leerReceta(&a);
    else if (!leerValores(&a.valores))
        return std::nullopt;
    return a;
}

bool EditorPropio::leerValores(QHash<QString, double>* valores)
{
    const QLocale local;
    const bool porRacion = m_porRacion->isChecked();
    double racion = 100;
    if (porRacion) {
        const std::optional<double> r =
            cifras::leerDecimal(m_racion->text().trimmed(), local, true);
        if (!r || !(*r > 0)) {
            mensajes::avisar(this, tr("Please, give the weight of a serving in grams, "
                                      "as the label prints it"));
            m_racion->setFocus();
            return false;
        }
        racion = *r;
    }
    for (int i = 0; i < m_nutrientes.size(); ++i) {
        const QString& columna = m_nutrientes.at(i).columna;
        const QString texto = m_valores->item(i, 2)->text().trimmed();
        if (texto.isEmpty())
            continue;
        if (!porRacion && texto == m_textosIniciales.value(columna)) {
            valores->insert(columna, m_alimento.valores.value(columna));
            continue;
        }
        const std::optional<double> v = cifras::leerDecimal(texto, local, true);
        if (!v) {
            mensajes::avisar(this, tr("%1: \"%2\" is not an amount. Type a number of "
                                      "0 or more, or leave it empty when unknown.")
                                       .arg(m_nutrientes.at(i).nombre, texto));
            enfocar(columna);
            return false;
        }
        valores->insert(columna, propios::porCienGramos(*v, racion));
    }
    return true;
}

QList<propios::MedidaPropia> EditorPropio::leerMedidas() const
{
    QList<propios::MedidaPropia> lista;
    for (int i = 0; i < m_medidas->rowCount(); ++i) {
        const QString nombre = m_medidas->item(i, 0) ? m_medidas->item(i, 0)->text() : QString();
        const QString gramos =
            m_medidas->item(i, 1) ? m_medidas->item(i, 1)->text().trimmed() : QString();
        if (nombre.trimmed().isEmpty() && gramos.isEmpty())
            continue;
        // Weight that is no number counts as none, which the checks refuse
        // naming the measure.
        lista << propios::MedidaPropia{nombre,
                                       cifras::leerDecimal(gramos, QLocale(), true).value_or(0)};
    }
    return lista;
}

void EditorPropio::leerReceta(propios::AlimentoPropio* a) const
{
    const QLocale local;
    a->ingredientes = m_ingredientesLista;
    // Anything but a number is refused by the checks (0 g, -1 servings).
    const QString peso = m_pesoCocinado->text().trimmed();
    if (!peso.isEmpty())
        a->pesoCocinado = cifras::leerDecimal(peso, local, true).value_or(0);
    const QString raciones = m_raciones->text().trimmed();
    if (!raciones.isEmpty()) {
        const std::optional<QString> d = cifras::digitos(raciones, local);
        bool ok = false;
        const qint64 n = d ? d->toLongLong(&ok) : -1;
        a->raciones = !d ? -1 : (!ok || n > 999) ? 1000 : int(n);
    }
}

bool EditorPropio::aceptarComprobacion(const propios::AlimentoPropio& a)
{
    const QList<propios::Problema> problemas = propios::comprobar(a, QLocale());
    for (const propios::Problema& p : problemas)
        if (p.nivel == propios::Problema::Rechazo) {
            mensajes::avisar(this, p.texto);
            enfocar(p.campo);
            return false;
        }
    for (const propios::Problema& p : problemas)
        if (!mensajes::preguntar(this, p.texto)) {
            enfocar(p.campo);
            return false;
        }
    return true;
}

void EditorPropio::guardar()
{
    confirmarCelda(m_valores);
    confirmarCelda(m_medidas);
    const std::optional<propios::AlimentoPropio> a = leerFormulario();
    if (!a || !aceptarComprobacion(*a))
        return;
    QString fallo;
    const qint64 id = propios::guardar(*a, &fallo);
    if (id == 0) {
        mensajes::errorEscritura(this, tr("The food could not be saved:\n%1").arg(fallo));
        return;
    }
    m_guardado = id;
    accept();
}

void EditorPropio::buscarIngredientes()
{
    m_candidatos->clear();
    candidatoElegido();
    const catalogo::Busqueda b = catalogo::terminos(m_buscar->text());
    bool largo = false;
    for (const QVariant& patron : b.patrones)
        largo = largo || patron.toString().toUtf8().size() > almacen::limitePatronLike();
    if (b.vacia() || largo) {
        mensajes::avisar(this, largo ? tr("The search term is too long")
                                     : tr("Please, enter the search term(s)"));
        m_buscar->setFocus();
        return;
    }
    almacen::Ocupado ocupado;
    const almacen::Consulta grupos = catalogo::grupos(b);
    if (!grupos.ok)
        escribirLog(grupos.entradaLog(QStringLiteral("buscarIngredientes() -> ")));
    QList<QTreeWidgetItem*> filas;
    for (const QVariantList& g : grupos.filas) {
        const almacen::Consulta c = catalogo::alimentos(g.value(0).toString(), b);
        if (!c.ok)
            escribirLog(c.entradaLog(QStringLiteral("buscarIngredientes() -> ")));
        for (const QVariantList& f : c.filas) {
            auto* item = new QTreeWidgetItem({f.value(1).toString(), g.value(1).toString()});
            item->setData(0, RolIdAlimento, f.value(0).toLongLong());
            filas << item;
        }
    }
    if (filas.isEmpty())
        filas << new QTreeWidgetItem({sinCoincidencias()});
    m_candidatos->addTopLevelItems(filas);
}

void EditorPropio::candidatoElegido()
{
    const qint64 id = idAlimento(m_candidatos->currentItem());
    QString fallo;
    const QList<medidas::Medida> todas =
        id > 0 ? medidas::deAlimento(id, &fallo) : QList<medidas::Medida>();
    if (!fallo.isEmpty())
        escribirLog(fallo);
    const QLocale local;
    m_medidasCandidato = medidas::sinRepetir(todas, local);
    m_medidaIngrediente->clear();
    m_medidaIngrediente->addItem(QStringLiteral("g"));
    for (const medidas::Medida& m : std::as_const(m_medidasCandidato))
        m_medidaIngrediente->addItem(medidas::etiqueta(m, local));
}

void EditorPropio::agregarIngrediente()
{
    const QTreeWidgetItem* elegida = m_candidatos->currentItem();
    const qint64 id = idAlimento(elegida);
    const QLocale local;
    const std::optional<double> cantidad =
        cifras::leerDecimal(m_cantidad->text().trimmed(), local, true);
    if (id == 0) {
        mensajes::avisar(this, tr("Please, find the food and pick it in the list"));
        m_buscar->setFocus();
        return;
    }
    if (!cantidad || !(*cantidad > 0)) {
        mensajes::avisar(this, tr("Please, give the amount: a number above 0"));
        m_cantidad->setFocus();
        return;
    }
    if (propios::formaCiclo(m_alimento.id, id)) {
        mensajes::avisar(this, tr("\"%1\" contains this recipe: it cannot be one of "
                                  "its ingredients")
                                   .arg(elegida->text(0)));
        return;
    }
    propios::Ingrediente i{id, *cantidad, QString(), elegida->text(0)};
    const int m = m_medidaIngrediente->currentIndex() - 1;
    if (m >= 0 && m < m_medidasCandidato.size()) {
        const medidas::Medida& medida = m_medidasCandidato.at(m);
        i.gramos = *cantidad * medida.gramosPorUnidad();
        i.medida = QStringLiteral("%1 x %2").arg(medidas::numero(*cantidad, local),
                                                 medidas::etiqueta(medida, local));
    }
    m_ingredientesLista << i;
    mostrarIngrediente(i);
    m_cantidad->clear();
    calcularReceta();
}

void EditorPropio::mostrarIngrediente(const propios::Ingrediente& i)
{
    const QLocale local;
    const int f = m_ingredientes->rowCount();
    m_ingredientes->insertRow(f);
    m_ingredientes->setItem(f, 0, celdaFija(i.descripcion));
    const QString gramos = medidas::numero(i.gramos, local);
    m_ingredientes->setItem(
        f, 1, celdaFija(i.medida.isEmpty() ? gramos + QStringLiteral(" g") : i.medida));
    m_ingredientes->setItem(f, 2, celdaFija(gramos));
    m_ingredientes->item(f, 2)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void EditorPropio::quitarIngrediente()
{
    const int f = m_ingredientes->currentRow();
    if (f < 0 || f >= m_ingredientesLista.size()) {
        mensajes::avisar(this, tr("Please, pick an ingredient in the list first"));
        return;
    }
    m_ingredientes->removeRow(f);
    m_ingredientesLista.removeAt(f);
    calcularReceta();
}

const propios::ValoresIngrediente& EditorPropio::valoresDe(qint64 alimento)
{
    const auto hallado = m_valoresDe.constFind(alimento);
    if (hallado != m_valoresDe.cend())
        return *hallado;
    QStringList columnas;
    for (const propios::Nutriente& n : m_nutrientes)
        columnas << almacen::identificador(n.columna);
    propios::ValoresIngrediente v;
    const almacen::Consulta c = catalogo::nutrientes(columnas, alimento);
    if (!c.ok)
        escribirLog(c.entradaLog(QStringLiteral("EditorPropio::valoresDe() -> ")));
    const QVariantList fila = c.vacia() ? QVariantList() : c.filas.first();
    for (int i = 0; i < m_nutrientes.size() && i < fila.size(); ++i)
        if (!fila.at(i).isNull())
            v.valores.insert(m_nutrientes.at(i).columna, fila.at(i).toDouble());
    const QList<QString> inciertos = propios::desconocidos(alimento).keys();
    v.inciertos = QSet<QString>(inciertos.cbegin(), inciertos.cend());
    return *m_valoresDe.insert(alimento, v);
}

double EditorPropio::pesoPlato() const
{
    const std::optional<double> dado =
        cifras::leerDecimal(m_pesoCocinado->text().trimmed(), QLocale(), true);
    if (dado && *dado > 0)
        return *dado;
    double suma = 0;
    for (const propios::Ingrediente& i : m_ingredientesLista)
        suma += i.gramos;
    return suma;
}

void EditorPropio::calcularReceta()
{
    QList<propios::ValoresIngrediente> partes;
    double suma = 0;
    for (const propios::Ingrediente& i : std::as_const(m_ingredientesLista)) {
        propios::ValoresIngrediente v = valoresDe(i.alimento);
        v.gramos = i.gramos;
        partes << v;
        suma += i.gramos;
    }
    m_pesoCocinado->setPlaceholderText(
        tr("%1 (the ingredients' sum)").arg(medidas::numero(suma, QLocale())));
    QStringList columnas;
    for (const propios::Nutriente& n : m_nutrientes)
        columnas << n.columna;
    const propios::Calculo c = propios::calcularReceta(partes, pesoPlato(), columnas);
    m_llenando = true;
    for (int i = 0; i < m_nutrientes.size(); ++i) {
        QTableWidgetItem* celda = m_valores->item(i, 2);
        const QString& columna = m_nutrientes.at(i).columna;
        const int faltan = c.desconocidos.value(columna);
        const QString texto =
            c.valores.contains(columna) ? mostrarValor(c.valores.value(columna), 4) : QString();
        celda->setText(faltan > 0 ? QStringLiteral("\u2265 ") + texto : texto);
        celda->setToolTip(faltan > 0 ? tr("At least this: %1 of the ingredients do "
                                          "not tell it")
                                           .arg(faltan)
                                     : QString());
    }
    m_llenando = false;
    contarConocidos();
}

bool editarPropio(QWidget* padre, const propios::AlimentoPropio& a)
{
    EditorPropio dialogo(padre, a);
    return dialogo.exec() == QDialog::Accepted && dialogo.guardado() > 0;
}

bool copiarAlimentoPropio(QWidget* padre, qint64 alimento)
{
    if (!propios::disponibles()) {
        mensajes::avisar(padre, EditorPropio::tr("This database has no room for your own foods"));
        return false;
    }
    QString fallo;
    const std::optional<propios::AlimentoPropio> copia = propios::copiaDe(alimento, &fallo);
    if (!copia) {
        if (!fallo.isEmpty())
            escribirLog(QStringLiteral("copiarAlimentoPropio() -> ") + fallo);
        mensajes::error(padre, EditorPropio::tr("The food could not be read"));
        return false;
    }
    return editarPropio(padre, *copia);
}
