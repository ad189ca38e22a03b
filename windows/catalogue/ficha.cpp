#include "windows/catalogue/ficha.h"

#include "catalogue/catalogo.h"
#include "catalogue/medidas.h"
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
const QString desconocido = QStringLiteral("unknown");

const QString textoCien = QStringLiteral("The values displayed below are for one hundred grams of "
                                         "an edible portion. ");

QLabel* etiquetaFicha(QWidget* padre, const char* nombre, const QString& texto = QString())
{
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QLatin1String(nombre));
    return l;
}

} // namespace

Ficha::Ficha(QWidget* principal) : QWidget(principal, Qt::Window)
{
    setObjectName(QStringLiteral("n"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (principal)
        setWindowIcon(principal->windowIcon());

    lbl_titulo = etiquetaFicha(this, "lbl_titulo");
    QFont negrita = lbl_titulo->font();
    negrita.setBold(true);
    lbl_titulo->setFont(negrita);
    lbl_titulo->setWordWrap(true);
    // A description is shown as written, never read as markup.
    lbl_titulo->setTextFormat(Qt::PlainText);
    Label2 = etiquetaFicha(this, "Label2", textoCien);
    Label2->setWordWrap(true);

    QHBoxLayout* leyenda = leyendaCategorias(this, {{&Picture1, "Picture1"},
                                                    {&Label9, "Label9"},
                                                    {&Picture2, "Picture2"},
                                                    {&Label12, "Label12"},
                                                    {&Picture3, "Picture3"},
                                                    {&Label10, "Label10"},
                                                    {&Picture4, "Picture4"},
                                                    {&Label11, "Label11"}});

    lsv_infoCompleta = new QTreeWidget(this);
    lsv_infoCompleta->setObjectName(QStringLiteral("lsv_infoCompleta"));
    lsv_infoCompleta->setRootIsDecorated(false);
    lsv_infoCompleta->setUniformRowHeights(true);
    lsv_infoCompleta->setAllColumnsShowFocus(true);
    lsv_infoCompleta->setIconSize(QSize(16, 16));
    lsv_infoCompleta->setHeaderLabels(
        {QStringLiteral("Nutrient"), QStringLiteral("Unit"), QStringLiteral("Value")});
    const char* const claves[] = {"uno", "dos", "tres"};
    for (int i = 0; i < 3; ++i)
        lsv_infoCompleta->headerItem()->setData(i, RolClaveColumna, QLatin1String(claves[i]));
    lsv_infoCompleta->header()->setSectionsMovable(false);
    lsv_infoCompleta->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lsv_infoCompleta->header()->setStretchLastSection(false);
    lsv_infoCompleta->setColumnWidth(1, 70);
    lsv_infoCompleta->setColumnWidth(2, 90);

    cmb_medidas = new QComboBox(this);
    cmb_medidas->setObjectName(QStringLiteral("cmb_medidas"));
    cmb_medidas->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmb_medidas->setMinimumContentsLength(24);
    cmb_medidas->setMaxVisibleItems(16);
    cmb_medidas->addItem(QStringLiteral("100 g"));
    connect(cmb_medidas, &QComboBox::currentIndexChanged, this, &Ficha::mostrarCantidad);

    auto* v = new QVBoxLayout(this);
    v->addWidget(lbl_titulo);
    v->addWidget(Label2);
    v->addLayout(leyenda);
    auto* cantidad = new QHBoxLayout;
    cantidad->addWidget(cmb_medidas);
    cantidad->addStretch(1);
    v->addLayout(cantidad);
    v->addWidget(lsv_infoCompleta, 1);
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
        item->setText(2, fila.at(i).isNull() ? desconocido : textoNumero(fila.at(i).toDouble()));
        item->setData(2, RolPorCien, fila.at(i));
        filas << item;
    }
    lsv_infoCompleta->addTopLevelItems(filas);

    QString fallo;
    const QList<medidas::Medida> lista = medidas::deAlimento(alimento, &fallo);
    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("cargarNutrientes (ficha) -> ") + fallo);
    const QLocale local;
    m_medidas = medidas::sinRepetir(lista, local);
    for (const medidas::Medida& m : std::as_const(m_medidas)) {
        const QString texto = medidas::etiqueta(m, local);
        cmb_medidas->addItem(texto);
        cmb_medidas->setItemData(cmb_medidas->count() - 1, texto, Qt::ToolTipRole);
    }
}

void Ficha::mostrarCantidad()
{
    const int i = cmb_medidas->currentIndex() - 1;
    const medidas::Medida* m = i >= 0 && i < m_medidas.size() ? &m_medidas[i] : nullptr;
    const double factor = m ? m->gramosPorUnidad() / 100 : 1;
    Label2->setText(m ? QStringLiteral("The values displayed below are for %1 of an edible "
                                       "portion. ")
                            .arg(cmb_medidas->currentText())
                      : textoCien);
    for (int f = 0; f < lsv_infoCompleta->topLevelItemCount(); ++f) {
        QTreeWidgetItem* item = lsv_infoCompleta->topLevelItem(f);
        const QVariant porCien = item->data(2, RolPorCien);
        item->setText(2, porCien.isNull() ? desconocido : textoNumero(porCien.toDouble() * factor));
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
    n->setWindowTitle(descripcion);
    n->lbl_titulo->setText(descripcion);
    situarSobre(n, principal, abiertas);
    n->show();
    n->cargarNutrientes(valores, alimento);
    return n;
}
