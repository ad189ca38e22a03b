#include "catalogue/pestanabusqueda.h"

#include "catalogue/ficha.h"
#include "catalogue/ingesta.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/main/mensajes.h"
#include "windows/main/ventanaprincipal.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// The text without the blanks at either end (other white space is kept, as
// it may be part of a term).
QString sinBlancosExtremos(const QString& texto)
{
    int inicio = 0;
    int fin = texto.size();
    while (inicio < fin && texto.at(inicio) == QLatin1Char(' '))
        ++inicio;
    while (fin > inicio && texto.at(fin - 1) == QLatin1Char(' '))
        --fin;
    return texto.mid(inicio, fin - inicio);
}

} // namespace

PestanaBusqueda::PestanaBusqueda(VentanaPrincipal& f) : QObject(&f), m_f(f)
{
    InterfazPrincipal& ui = f.ui();
    connect(ui.cmd_buscar, &QPushButton::clicked, this, [this] {
        if (validarBusqueda())
            buscarCategorias();
    });
    connect(ui.tbx_buscar, &QLineEdit::returnPressed, ui.cmd_buscar, &QPushButton::click);
    connect(ui.lbx_categorias, &QListWidget::itemClicked, this, [this](QListWidgetItem* linea) {
        categoriaPulsada(m_f.ui().lbx_categorias->row(linea));
    });
    // Choosing a line with the keyboard counts as clicking it; a mouse press
    // is left to the click above.
    connect(ui.lbx_categorias, &QListWidget::currentRowChanged, this, [this](int linea) {
        if (linea >= 0 && QGuiApplication::mouseButtons() == Qt::NoButton
            && m_f.ui().lbx_categorias->hasFocus())
            categoriaPulsada(linea);
    });
    new MenuDeLista(ui.lsv_alimentos, ui.buscador);
    connect(ui.lsv_alimentos, &QTreeWidget::itemClicked, this, &PestanaBusqueda::alimentoPulsado);
    // Moving through the foods with the keyboard chooses the food, as a left
    // click does; the mouse's own press is left to the click above.
    connect(ui.lsv_alimentos, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* actual) {
                if (actual && QGuiApplication::mouseButtons() == Qt::NoButton
                    && m_f.ui().lsv_alimentos->hasFocus())
                    seleccionarAlimento();
            });
    connect(ui.lsv_alimentos, &QTreeWidget::itemDoubleClicked, this,
            &PestanaBusqueda::mostrarNutrientes);
    connect(ui.displayNutrientsBuscador, &QAction::triggered, this,
            &PestanaBusqueda::mostrarNutrientes);
    connect(ui.cmd_guardar, &QPushButton::clicked, this, &PestanaBusqueda::guardar);
}

bool PestanaBusqueda::validarBusqueda()
{
    InterfazPrincipal& ui = m_f.ui();
    if (ui.tbx_buscar->text().isEmpty()) {
        mensajes::avisar(&m_f, QStringLiteral("Please, enter the search term(s)"));
        ui.tbx_buscar->setFocus();
        return false;
    }
    return true;
}

void PestanaBusqueda::buscarCategorias()
{
    almacen::Ocupado ocupado;
    QListWidget* lista = m_f.ui().lbx_categorias;
    lista->clear();
    m_condicionBusqueda.clear();
    m_patrones.clear();
    m_sinCategorias = false;

    const QString texto = sinBlancosExtremos(m_f.ui().tbx_buscar->text());
    if (texto.isEmpty()) {
        // Blanks alone name nothing to look for.
        lista->addItem(sinCoincidencias());
        m_sinCategorias = true;
        return;
    }
    // Each term is a pattern value: its % and _ keep their meaning, and two
    // blanks in a row give an empty term that every description matches.
    QStringList condiciones;
    for (const QString& termino : texto.split(QLatin1Char(' '))) {
        condiciones << QStringLiteral(" f.description like ?");
        m_patrones << QString(QLatin1Char('%') + termino + QLatin1Char('%'));
    }
    m_condicionBusqueda = condiciones.join(QStringLiteral(" and"));

    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select g.id, g.name from groups g inner join total f on g.id = "
                       "f.group_id where ") +
            m_condicionBusqueda + QStringLiteral(" group by g.name, g.id order by g.name"),
        m_patrones);
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
        m_f.ui().lsv_alimentos->clear();
        m_alimentoSeleccionado = 0;
        return;
    }
    extraerAlimentos(m_idsCategorias.at(linea));
}

void PestanaBusqueda::extraerAlimentos(const QString& grupo)
{
    QTreeWidget* lista = m_f.ui().lsv_alimentos;
    lista->clear();
    // The food an intake is saved for is always the bold one on screen: a
    // new list has none until one of its foods is chosen.
    m_alimentoSeleccionado = 0;
    if (m_patrones.isEmpty())
        return;

    almacen::Ocupado ocupado;
    QVariantList valores{grupo};
    valores += m_patrones;
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select id, description from total as f where group_id=? and ") +
            m_condicionBusqueda + QStringLiteral(" order by description collate nocase"),
        valores);
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
    if (botonPulsado() == 2)
        return;
    seleccionarAlimento();
}

void PestanaBusqueda::seleccionarAlimento()
{
    QTreeWidget* lista = m_f.ui().lsv_alimentos;
    const QList<QTreeWidgetItem*> elegidas = lista->selectedItems();
    if (elegidas.isEmpty()) {
        escribirLog(QStringLiteral("seleccionarAlimento() -> No food is selected"));
        return;
    }
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
}

void PestanaBusqueda::mostrarNutrientes()
{
    const QList<QTreeWidgetItem*> elegidas = m_f.ui().lsv_alimentos->selectedItems();
    if (elegidas.isEmpty())
        return;
    cargarInfoCompleta(&m_f, elegidas.first()->text(0), idAlimento(elegidas.first()));
}

bool PestanaBusqueda::validarCantidad()
{
    InterfazPrincipal& ui = m_f.ui();
    if (m_alimentoSeleccionado == 0) {
        mensajes::avisar(&m_f, QStringLiteral("Please, select a food"));
        ui.lsv_alimentos->setFocus();
        return false;
    }
    if (!soloDigitos(ui.tbx_cantidad->text())) {
        mensajes::avisar(&m_f, QStringLiteral("Please, set your weekly intake (grams, integer "
                                              "numbers only)"));
        ui.tbx_cantidad->setFocus();
        return false;
    }
    return true;
}

void PestanaBusqueda::guardar()
{
    if (validarCantidad())
        guardarCantidad(&m_f, m_f.ui().tbx_cantidad->text(), m_alimentoSeleccionado);
}
