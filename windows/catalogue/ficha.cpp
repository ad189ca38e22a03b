#include "windows/catalogue/ficha.h"

#include "catalogue/catalogo.h"
#include "catalogue/medidas.h"
#include "catalogue/propios.h"
#include "evaluation/valoresrecomendados.h"
#include "resources/iconos.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/common/controles.h"
#include "windows/common/numeros.h"
#include "windows/common/roles.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The value per 100 g of a row, kept to show it for another amount; null
// when the food has none.
constexpr int RolPorCien = Qt::UserRole + 40;

// A value the food table does not hold (never measured for the food) is not
// a zero: a stored 0 shows 0.
const char* const desconocido = QT_TRANSLATE_NOOP("Ficha", "unknown");

const char* const textoCien =
    QT_TRANSLATE_NOOP("Ficha", "The values displayed below are for one hundred grams of "
                               "an edible portion. ");

QLabel* etiquetaFicha(QWidget* padre, const char* nombre, const QString& texto = QString())
{
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QLatin1String(nombre));
    return l;
}

// The list of every nutrient: name, unit and value.
QTreeWidget* listaNutrientes(QWidget* padre)
{
    auto* lista = new QTreeWidget(padre);
    lista->setObjectName(QStringLiteral("lsv_infoCompleta"));
    lista->setRootIsDecorated(false);
    lista->setUniformRowHeights(true);
    lista->setAllColumnsShowFocus(true);
    lista->setIconSize(QSize(16, 16));
    lista->setHeaderLabels({Ficha::tr("Nutrient"), Ficha::tr("Unit"), Ficha::tr("Value")});
    const char* const claves[] = {"uno", "dos", "tres"};
    for (int i = 0; i < 3; ++i)
        lista->headerItem()->setData(i, RolClaveColumna, QLatin1String(claves[i]));
    lista->header()->setSectionsMovable(false);
    lista->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lista->header()->setStretchLastSection(false);
    lista->setColumnWidth(1, 70);
    lista->setColumnWidth(2, 90);
    return lista;
}

} // namespace

Ficha::Ficha(QWidget* principal) : QWidget(principal, Qt::Window)
{
    setObjectName(QStringLiteral("n"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (principal)
        setWindowIcon(principal->windowIcon());

    m_titulo = etiquetaFicha(this, "lbl_titulo");
    QFont negrita = m_titulo->font();
    negrita.setBold(true);
    m_titulo->setFont(negrita);
    m_titulo->setWordWrap(true);
    // A description is shown as written, never read as markup.
    m_titulo->setTextFormat(Qt::PlainText);
    m_explicacion = etiquetaFicha(this, "Label2", tr(textoCien));
    m_explicacion->setWordWrap(true);

    QLabel* categorias[8] = {};
    QHBoxLayout* leyenda = leyendaCategorias(this, {{&categorias[0], "Picture1"},
                                                    {&categorias[1], "Label9"},
                                                    {&categorias[2], "Picture2"},
                                                    {&categorias[3], "Label12"},
                                                    {&categorias[4], "Picture3"},
                                                    {&categorias[5], "Label10"},
                                                    {&categorias[6], "Picture4"},
                                                    {&categorias[7], "Label11"}});

    m_nutrientes = listaNutrientes(this);
    nombrar(m_nutrientes, tr("Nutrients of the food"));

    m_medidasLista = new QComboBox(this);
    m_medidasLista->setObjectName(QStringLiteral("cmb_medidas"));
    m_medidasLista->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_medidasLista->setMinimumContentsLength(24);
    m_medidasLista->setMaxVisibleItems(16);
    m_medidasLista->addItem(QStringLiteral("100 g"));
    nombrar(m_medidasLista, tr("Amount the values are for"));
    connect(m_medidasLista, &QComboBox::currentIndexChanged, this, &Ficha::mostrarCantidad);
    // The amount is chosen above the list it changes.
    setTabOrder(m_medidasLista, m_nutrientes);

    // What an own food is: "Own food", "Recipe: 9 ingredients, 1,450 g".
    m_origen = etiquetaFicha(this, "lbl_propio");
    m_origen->setTextFormat(Qt::PlainText);
    m_origen->hide();

    auto* v = new QVBoxLayout(this);
    v->addWidget(m_titulo);
    v->addWidget(m_origen);
    v->addWidget(m_explicacion);
    v->addLayout(leyenda);
    auto* cantidad = new QHBoxLayout;
    cantidad->addWidget(m_medidasLista);
    cantidad->addStretch(1);
    v->addLayout(cantidad);
    v->addWidget(m_nutrientes, 1);
    resize(480, 560);
}

void Ficha::cargarNutrientes(const ValoresRecomendados& valores, qint64 alimento)
{
    almacen::Ocupado ocupado;

    // A key that is not a plain column name is left out rather than spliced
    // into the statement.
    QStringList columnas;
    QStringList claves;
    QStringList rechazadas;
    for (const auto& [clave, columna] : valores.columnas(&rechazadas)) {
        columnas << columna;
        claves << clave;
    }
    if (!rechazadas.isEmpty())
        escribirLog(QStringLiteral("cargarNutrientes (ficha) -> These nutrient keys are not "
                                   "column names: ") +
                    rechazadas.join(QStringLiteral(", ")));
    if (columnas.isEmpty())
        return;

    const almacen::Consulta c = catalogo::nutrientes(columnas, alimento);
    if (!c.ok) {
        escribirLog(c.entradaLog(QStringLiteral("cargarNutrientes (ficha) -> ")));
        return;
    }
    // No food with that id: nothing to list.
    if (c.vacia())
        return;

    const QVariantList& fila = c.filas.first();
    QList<QTreeWidgetItem*> filas;
    filas.reserve(claves.size());
    for (int i = 0; i < claves.size() && i < fila.size(); ++i) {
        const EntradaReferencia& e = valores.entrada(claves.at(i));
        auto* item = new QTreeWidgetItem;
        item->setText(0, e.nombre);
        item->setIcon(0, iconoCategoria(e.icono));
        item->setText(1, e.unidad);
        item->setText(2,
                      fila.at(i).isNull() ? tr(desconocido) : textoNumero(fila.at(i).toDouble()));
        item->setData(2, RolPorCien, fila.at(i));
        filas << item;
    }
    m_nutrientes->addTopLevelItems(filas);
    mostrarOrigen(alimento, claves);

    QString fallo;
    const QList<medidas::Medida> lista = medidas::deAlimento(alimento, &fallo);
    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("cargarNutrientes (ficha) -> ") + fallo);
    const QLocale local;
    m_medidas = medidas::sinRepetir(lista, local);
    for (const medidas::Medida& m : std::as_const(m_medidas)) {
        const QString texto = medidas::etiqueta(m, local);
        m_medidasLista->addItem(texto);
        m_medidasLista->setItemData(m_medidasLista->count() - 1, texto, Qt::ToolTipRole);
    }
}

void Ficha::mostrarOrigen(qint64 alimento, const QStringList& claves)
{
    const QLocale local;
    const QString linea = propios::lineaFicha(alimento, local);
    m_origen->setText(linea);
    m_origen->setVisible(!linea.isEmpty());
    int ingredientes = 0;
    const QHash<QString, int> inciertos = propios::desconocidos(alimento, &ingredientes);
    if (inciertos.isEmpty())
        return;
    // A value some ingredients lack is a lower bound: the list says so.
    m_nutrientes->setColumnCount(4);
    m_nutrientes->headerItem()->setText(3, tr("Note"));
    m_nutrientes->headerItem()->setData(3, RolClaveColumna, QStringLiteral("cuatro"));
    for (int f = 0; f < m_nutrientes->topLevelItemCount() && f < claves.size(); ++f)
        if (const int n = inciertos.value(claves.at(f)); n > 0) {
            QTreeWidgetItem* item = m_nutrientes->topLevelItem(f);
            item->setText(3, tr("incomplete: %1 of %2 ingredients unknown")
                                 .arg(local.toString(n), local.toString(ingredientes)));
            item->setToolTip(2, tr("At least this much: %1").arg(item->text(3)));
        }
    m_nutrientes->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    m_nutrientes->setColumnWidth(0, 200);
    m_nutrientes->header()->setStretchLastSection(true);
    resize(qMax(width(), 720), height());
}

void Ficha::ponerTitulo(const QString& descripcion)
{
    setWindowTitle(descripcion);
    m_titulo->setText(descripcion);
}

void Ficha::mostrarCantidad()
{
    const int i = m_medidasLista->currentIndex() - 1;
    const medidas::Medida* m = i >= 0 && i < m_medidas.size() ? &m_medidas[i] : nullptr;
    const double factor = m ? m->gramosPorUnidad() / 100 : 1;
    m_explicacion->setText(m ? tr("The values displayed below are for %1 of an edible "
                                  "portion. ")
                                   .arg(m_medidasLista->currentText())
                             : tr(textoCien));
    for (int f = 0; f < m_nutrientes->topLevelItemCount(); ++f) {
        QTreeWidgetItem* item = m_nutrientes->topLevelItem(f);
        const QVariant porCien = item->data(2, RolPorCien);
        item->setText(2, porCien.isNull() ? tr(desconocido)
                                          : textoNumero(porCien.toDouble() * factor));
    }
}

void Ficha::keyPressEvent(QKeyEvent* evento)
{
    if (evento->matches(QKeySequence::Cancel))
        close();
    else
        QWidget::keyPressEvent(evento);
}

Ficha* cargarInfoCompleta(QWidget* principal, const ValoresRecomendados& valores,
                          const QString& descripcion, qint64 alimento)
{
    // Each new window steps down from the last, so that none hides another.
    const int abiertas =
        principal
            ? int(principal->findChildren<Ficha*>(QString(), Qt::FindDirectChildrenOnly).size())
            : 0;
    auto* n = new Ficha(principal);
    n->ponerTitulo(descripcion);
    situarSobre(n, principal, abiertas);
    n->show();
    n->cargarNutrientes(valores, alimento);
    return n;
}
