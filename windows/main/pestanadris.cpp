#include "windows/main/pestanadris.h"

#include "catalogue/cifras.h"
#include "evaluation/valoresrecomendados.h"
#include "storage/basedatos.h"
#include "windows/common/controles.h"
#include "windows/common/mensajes.h"
#include "windows/common/rejilla.h"
#include "windows/common/roles.h"

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>

#include <iterator>

namespace {

// Caption and width in twips of the name and unit columns, then of the
// sixteen group columns in the order of columnasGrupo().
const struct
{
    const char* titulo;
    int ancho;
} columnas[] = {
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Nutrient"), 1740},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Unit"), 1140},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Infants 0 - 6 m"), 1395},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Infants 7 - 12 m"), 1395},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Children 1 - 3 y"), 1395},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Children 4 - 8 y"), 1395},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Males 9 - 13 y"), 1395},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Males 14 - 18 y"), 1395},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Males 19 - 30 y"), 1395},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Males 31 - 50 y"), 1395},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Males 51 - 70 y"), 1395},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Males > 70 y"), 1395},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Females 9 - 13 y"), 1395},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Females 14 - 18 y"), 1395},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Females 19 - 30 y"), 1395},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Females 31 - 50 y"), 1395},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Females 51 - 70 y"), 1395},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Females > 70 y"), 1395},
    {QT_TRANSLATE_NOOP("PestanaDRIs", "Applies to"), 1500},
};

// The entry of `columnas` of the upper limits' `applies`.
constexpr int descripcionAplica = 18;

// Index into `columnas` of a query column, -1 for the id and unknown columns.
int descripcion(const QString& campo)
{
    if (campo == QLatin1String("name"))
        return 0;
    if (campo == QLatin1String("unit"))
        return 1;
    if (campo == QLatin1String("applies"))
        return descripcionAplica;
    const auto& grupos = columnasGrupo();
    for (int i = 0; i < int(grupos.size()); ++i)
        if (campo == QLatin1String(grupos[i]))
            return i + 2;
    return -1;
}

// The sixteen group columns are the entries of `columnas` after name and unit.
bool esGrupo(const QString& campo)
{
    const int d = descripcion(campo);
    return d >= 2 && d < descripcionAplica;
}

const char* const sentencias[] = {
    "select id, infants1, infants2, children1, children2, males1, males2, males3, males4, "
    "males5, males6, females1, females2, females3, females4, females5, females6 from DRIs "
    "where key in ('Protein', 'Empty')",
    "select id, name, infants1, infants2, children1, children2, males1, males2, males3, males4, "
    "males5, males6, females1, females2, females3, females4, females5, females6 from DRIs "
    "where key in ('Carbohydrate','Sugars_total','Total_Lipid','Fatty_acids_total_saturated')",
    "select id, name, infants1, infants2, children1, children2, males1, males2, males3, males4, "
    "males5, males6, females1, females2, females3, females4, females5, females6 from DRIs "
    "where key in ('Leucine','Isoleucine','Threonine','Methionine','Lysine','Phenylalanine',"
    "'Valine','Tryptophan','Tyrosine','Cystine')",
    "select id, name, unit, infants1, infants2, children1, children2, males1, males2, males3, "
    "males4, males5, males6, females1, females2, females3, females4, females5, females6 from "
    "DRIs where not key in ('Leucine','Isoleucine','Threonine','Methionine','Lysine',"
    "'Phenylalanine','Valine','Tryptophan','Tyrosine','Cystine','Protein','Carbohydrate',"
    "'Sugars_total','Total_Lipid','Fatty_acids_total_saturated','Empty') order by sorting",
    "select id, name, unit, applies, infants1, infants2, children1, children2, males1, males2, "
    "males3, males4, males5, males6, females1, females2, females3, females4, females5, females6 "
    "from ULs order by sorting",
    "select id, name, unit, infants1, infants2, children1, children2, males1, males2, males3, "
    "males4, males5, males6, females1, females2, females3, females4, females5, females6 from "
    "EARs order by sorting",
};

// The table behind each grid and what its values are called.
const struct
{
    const char* nombre;
    const char* valores;
} tablas[] = {
    {"DRIs", QT_TRANSLATE_NOOP("PestanaDRIs", "reference values")},
    {"DRIs", QT_TRANSLATE_NOOP("PestanaDRIs", "reference values")},
    {"DRIs", QT_TRANSLATE_NOOP("PestanaDRIs", "reference values")},
    {"DRIs", QT_TRANSLATE_NOOP("PestanaDRIs", "reference values")},
    {"ULs", QT_TRANSLATE_NOOP("PestanaDRIs", "upper limits")},
    {"EARs", QT_TRANSLATE_NOOP("PestanaDRIs", "average requirements")},
};
// The grid of the average requirements, whose table older files lack.
constexpr int rejillaRequerimientos = 5;

// The units of grids 1 to 3, whose rows have none of their own to show:
// what their captions say the values are in.
const char* const unidadesRejilla[3] = {"g/kg", "%", "mg/kg"};

QString tablaDe(int rejilla)
{
    return QLatin1String(tablas[rejilla].nombre);
}

// The grids over the same table as grid `rejilla`.
QList<int> rejillasDeTabla(int rejilla)
{
    QList<int> mismas;
    for (int i = 0; i < int(std::size(tablas)); ++i)
        if (tablaDe(i) == tablaDe(rejilla))
            mismas << i;
    return mismas;
}

void avisarEscrituraFallida(QWidget* padre)
{
    mensajes::errorEscritura(padre,
                             PestanaDRIs::tr("An error occurred while saving the reference value"));
}

QVariant nulo()
{
    return QVariant(QMetaType::fromType<double>());
}

QString textoCelda(const QVariant& valor)
{
    if (valor.isNull())
        return QString();
    if (valor.userType() == QMetaType::QString || valor.userType() == QMetaType::QByteArray)
        return valor.toString();
    QLocale local;
    local.setNumberOptions(local.numberOptions() | QLocale::OmitGroupSeparator);
    return local.toString(valor.toDouble(), 'f', QLocale::FloatingPointShortest);
}

// A page of one grid under a note that says what its values are; the grid
// is named for screen readers, the note its description.
RejillaDatos* rejillaConNota(QWidget* pagina, const char* nombreNota, const QString& texto,
                             const char* nombreRejilla, const QString& nombre)
{
    QLabel* nota = etiqueta(pagina, nombreNota, texto);
    auto* rejilla = crear<RejillaDatos>(pagina, nombreRejilla);
    nombrar(rejilla, nombre, nota);
    rejilla->setAccessibleDescription(texto);
    auto* v = new QVBoxLayout(pagina);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(nota);
    v->addWidget(rejilla, 1);
    return rejilla;
}

} // namespace

bool leerValorReferencia(const QString& texto, QVariant* valor)
{
    QString t = texto.trimmed();
    if (t.isEmpty()) {
        *valor = nulo();
        return true;
    }
    // The user's separator, or a point as on a keypad.
    const std::optional<double> v = cifras::leerDecimal(t, QLocale(), true);
    if (!v)
        return false;
    *valor = *v;
    return true;
}

bool ModeloDRIs::esEditable(int columna) const
{
    return columna >= 0 && columna < campos().size() && esGrupo(campos().at(columna));
}

QString ModeloDRIs::texto(const QVariant& valor) const
{
    return textoCelda(valor);
}

QVariant ModeloDRIs::alineacion(int columna) const
{
    if (esEditable(columna))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ModeloDRIs::entregadoDistinto(const QModelIndex& indice) const
{
    if (!m_entregados.disponibles || !indice.isValid() || !esEditable(indice.column()))
        return {};
    const qint64 id = ModeloRejilla::data(index(indice.row(), 0), RolValor).toLongLong();
    const QVariant entregado = m_entregados.valor(id, campos().at(indice.column()));
    if (!entregado.isValid() ||
        !distintoDelEntregado(ModeloRejilla::data(indice, RolValor), entregado))
        return {};
    return entregado;
}

QVariant ModeloDRIs::data(const QModelIndex& indice, int rol) const
{
    if (rol == Qt::DisplayRole && indice.isValid() && indice.column() < campos().size() &&
        campos().at(indice.column()) == QLatin1String("applies")) {
        const QString aplica = ModeloRejilla::data(indice, rol).toString();
        if (aplica == QLatin1String("total"))
            return tr("total intake");
        if (aplica == QLatin1String("retinol"))
            return tr("retinol only");
        if (aplica == QLatin1String("supplements"))
            return tr("supplements only");
        if (aplica == QLatin1String("cdrr"))
            return tr("total intake (CDRR)");
        return aplica;
    }
    if (rol != Qt::FontRole && rol != Qt::ToolTipRole)
        return ModeloRejilla::data(indice, rol);
    const QVariant entregado = entregadoDistinto(indice);
    if (!entregado.isValid())
        return ModeloRejilla::data(indice, rol);
    if (rol == Qt::FontRole) {
        QFont letra;
        letra.setItalic(true);
        return letra;
    }
    if (entregado.isNull())
        return tr("Delivered value: none");
    const int columnaUnidad = int(campos().indexOf(QStringLiteral("unit")));
    const QString unidad =
        columnaUnidad < 0
            ? m_unidad
            : ModeloRejilla::data(index(indice.row(), columnaUnidad), RolValor).toString();
    return tr("Delivered value: %1 %2").arg(textoCelda(entregado), unidad).trimmed();
}

QVariant ModeloDRIs::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole || seccion < 0 ||
        seccion >= campos().size())
        return ModeloRejilla::headerData(seccion, orientacion, rol);
    const int d = descripcion(campos().at(seccion));
    return d < 0 ? campos().at(seccion)
                 : QCoreApplication::translate("PestanaDRIs", columnas[d].titulo);
}

bool ModeloDRIs::leerEntrada(const QVariant& entrada, QVariant* valor) const
{
    if (entrada.userType() == QMetaType::QString)
        return leerValorReferencia(entrada.toString(), valor);
    if (entrada.isNull()) {
        *valor = nulo();
        return true;
    }
    bool ok = false;
    *valor = entrada.toDouble(&ok);
    return ok;
}

void ModeloDRIs::entradaRechazada()
{
    mensajes::avisar(qobject_cast<QWidget*>(QObject::parent()),
                     tr("Please, set the reference value as a number (or leave it "
                        "empty)"));
}

void ModeloDRIs::escrituraFallida()
{
    // The cell shows the stored value again; the user must also be told. The
    // failed statement is already in the log.
    avisarEscrituraFallida(qobject_cast<QWidget*>(QObject::parent()));
}

PestanaDRIs::PestanaDRIs(QWidget* padre) : QWidget(padre)
{
    static_assert(std::size(sentencias) == rejillas && std::size(tablas) == rejillas);
    construir();
    for (int i = 0; i < rejillas; ++i) {
        m_modelos[i] = new ModeloDRIs(tablaDe(i), m_rejillas[i]);
        m_rejillas[i]->setModel(m_modelos[i]);
        m_rejillas[i]->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    }
    // Turning the switch leaves the grid shown: its pending edit is written.
    connect(m_paginas, &QStackedWidget::currentChanged, this, [this] { confirmarEdiciones(); });

    m_menu = new QMenu(this);
    m_restaurarValor =
        m_menu->addAction(tr("Restore delivered value"), this, &PestanaDRIs::restaurarValor);
    m_restaurarValor->setObjectName(QStringLiteral("mnu_restaurarValor"));
    m_restaurarFila = m_menu->addAction(tr("Restore delivered values of this row"), this,
                                        &PestanaDRIs::restaurarFila);
    m_restaurarFila->setObjectName(QStringLiteral("mnu_restaurarFila"));
    m_restaurarTodo =
        m_menu->addAction(tr("Restore all delivered values"), this, &PestanaDRIs::restaurarTodo);
    m_restaurarTodo->setObjectName(QStringLiteral("mnu_restaurarTodo"));
    for (int i = 0; i < rejillas; ++i)
        connect(m_rejillas[i], &RejillaDatos::menuPedido, this,
                [this, i](const QModelIndex& celda, const QPoint& donde) {
                    abrirMenu(i, celda, donde);
                });
}

void PestanaDRIs::construir()
{
    QLabel* explicacion = etiqueta(this, "Label17",
                                   tr("As there is no general agreement about exact values of "
                                      "the Dietary Reference Intakes (DRI), this utility allows "
                                      "you to reset them, just rewrite them and click the next "
                                      "or previous row."));
    QLabel* importante = etiqueta(this, "Label23", tr("Important:"));
    importante->setWordWrap(false);
    QFont negrita = importante->font();
    negrita.setBold(true);
    importante->setFont(negrita);
    QLabel* diarios = etiqueta(this, "Label24",
                               tr("Although this software works on weekly intakes, "
                                  "DRIs must be DAILY values."));
    m_recomendados = crear<QRadioButton>(this, "opb_recomendados");
    m_recomendados->setText(tr("Recommended"));
    m_recomendados->setChecked(true);
    m_limites = crear<QRadioButton>(this, "opb_limites");
    m_limites->setText(tr("Upper limits"));
    m_requerimientos = crear<QRadioButton>(this, "opb_requerimientos");
    m_requerimientos->setText(tr("Average requirements"));
    // The three options say which values the grids below show.
    for (QRadioButton* opcion : {m_recomendados, m_limites, m_requerimientos})
        opcion->setAccessibleDescription(tr("Dietary reference intakes shown"));
    m_paginas = crear<QStackedWidget>(this, "stk_dris");
    // Each option shows its page.
    QRadioButton* const opciones[] = {m_recomendados, m_limites, m_requerimientos};
    for (int pagina = 0; pagina < int(std::size(opciones)); ++pagina) {
        m_paginas->addWidget(new QWidget(m_paginas));
        connect(opciones[pagina], &QRadioButton::toggled, m_paginas, [this, pagina](bool activo) {
            if (activo)
                m_paginas->setCurrentIndex(pagina);
        });
    }
    construirLimites(m_paginas->widget(1));
    construirRequerimientos(m_paginas->widget(2));
    construirRecomendados(m_paginas->widget(0));

    auto* exterior = new QVBoxLayout(this);
    exterior->addWidget(explicacion);
    auto* aviso = new QHBoxLayout;
    aviso->addWidget(importante);
    aviso->addWidget(diarios, 1);
    exterior->addLayout(aviso);
    auto* interruptor = new QHBoxLayout;
    for (QRadioButton* opcion : opciones)
        interruptor->addWidget(opcion);
    interruptor->addStretch(1);
    exterior->addLayout(interruptor);
    exterior->addWidget(m_paginas, 1);
}

void PestanaDRIs::construirLimites(QWidget* pagina)
{
    m_rejillas[4] = rejillaConNota(pagina, "Label25",
                                   tr("Upper limits: the most a day may bring (Tolerable Upper "
                                      "Intake Levels), in the units of the second column; empty "
                                      "where none is set. \"Applies to\" tells which intake a "
                                      "limit is compared with; sodium's is the intake above which "
                                      "to reduce it (CDRR)."),
                                   "dgr_ul", tr("Upper limits"));
}

void PestanaDRIs::construirRequerimientos(QWidget* pagina)
{
    m_rejillas[rejillaRequerimientos] =
        rejillaConNota(pagina, "Label26",
                       tr("Average requirements (EAR): the daily intake that meets "
                          "the needs of half the healthy people of a group, in the "
                          "units of the second column (protein in grams and amino "
                          "acids in milligrams for each kilogram of body weight); "
                          "empty where none is set. The judgement of tab 5 uses them "
                          "with the recommended values."),
                       "dgr_ear", tr("Average requirements"));
}

void PestanaDRIs::construirRecomendados(QWidget* pagina)
{
    // Each grid under the caption that tells what its values are.
    const struct
    {
        const char* etiqueta;
        const char* texto;
        const char* rejilla;
        int estiramiento;
    } partes[] = {
        {"Label18",
         QT_TRANSLATE_NOOP("PestanaDRIs", "Protein: Grams for each kilogram of body weight."),
         "dgr_dri1", 2},
        {"Label19",
         QT_TRANSLATE_NOOP("PestanaDRIs",
                           "Energy sources: The percentage these sources must comprise over the "
                           "total amount of calories."),
         "dgr_dri2", 3},
        {"Label20",
         QT_TRANSLATE_NOOP("PestanaDRIs",
                           "Amino acids: Miligrams for each kilogram of body weight."),
         "dgr_dri3", 3},
        {"Label22",
         QT_TRANSLATE_NOOP("PestanaDRIs",
                           "Rest of nutrients: Refer to units displayed in the second column."),
         "dgr_dri4", 3},
    };
    m_columnaRecomendados = new QVBoxLayout(pagina);
    m_columnaRecomendados->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < int(std::size(partes)); ++i) {
        QLabel* rotulo = etiqueta(pagina, partes[i].etiqueta, tr(partes[i].texto));
        m_columnaRecomendados->addWidget(rotulo);
        m_rejillas[i] = crear<RejillaDatos>(pagina, partes[i].rejilla);
        // Read by the caption's words before the colon, the rest told after.
        const QString texto = rotulo->text();
        nombrar(m_rejillas[i], texto.section(QLatin1Char(':'), 0, 0), rotulo);
        m_rejillas[i]->setAccessibleDescription(texto.section(QLatin1Char(':'), 1).trimmed());
        m_columnaRecomendados->addWidget(m_rejillas[i], partes[i].estiramiento);
    }
    // Room the grids do not need, once each shows all its rows.
    m_columnaRecomendados->addStretch(1);
}

QString PestanaDRIs::sentencia(int rejilla)
{
    return QLatin1String(sentencias[rejilla]);
}

void PestanaDRIs::cargar()
{
    // A file of an earlier release has no average requirements: their
    // option is offered again by a file that has them.
    const bool conRequerimientos =
        !almacen::baseAbierta() || almacen::hayTabla(tablaDe(rejillaRequerimientos));
    if (!conRequerimientos && m_requerimientos->isChecked())
        m_recomendados->setChecked(true);
    m_requerimientos->setEnabled(conRequerimientos);
    m_requerimientos->setToolTip(
        conRequerimientos ? QString() : tr("This database file has no average requirements"));
    QHash<QString, ValoresEntregados> entregados;
    for (int i = 0; i < rejillas; ++i) {
        if (i == rejillaRequerimientos && !conRequerimientos) {
            m_modelos[i]->ponerEntregados({});
            m_modelos[i]->vaciar();
            continue;
        }
        if (!entregados.contains(tablaDe(i)))
            entregados.insert(tablaDe(i), leerValoresEntregados(tablaDe(i)));
        cargarRejilla(i, entregados.value(tablaDe(i)));
        ajustarRejilla(i);
    }
}

void PestanaDRIs::cargarRejilla(int rejilla, const ValoresEntregados& entregados)
{
    ModeloDRIs* modelo = m_modelos[rejilla];
    modelo->ponerEntregados(entregados);
    if (rejilla < 3)
        modelo->ponerUnidad(QLatin1String(unidadesRejilla[rejilla]));
    // A grid that cannot load stays empty; the failed connection is
    // already in the log.
    modelo->cargar(sentencia(rejilla));
}

void PestanaDRIs::ajustarRejilla(int n)
{
    RejillaDatos* rejilla = m_rejillas[n];
    ModeloDRIs* modelo = m_modelos[n];
    const QStringList& campos = modelo->campos();
    int fijas = 0;
    for (int c = 0; c < campos.size(); ++c) {
        const int d = descripcion(campos.at(c));
        rejilla->setColumnHidden(c, d < 0);
        if (d < 0)
            continue;
        // The stored widths, widened where this font needs more for the
        // caption or, in the name and unit columns, for any row.
        const QFontMetrics letra = rejilla->fontMetrics();
        int ancho = qMax(columnas[d].ancho / 15,
                         rejilla->horizontalHeader()->fontMetrics().horizontalAdvance(
                             modelo->headerData(c, Qt::Horizontal).toString()) +
                             16);
        if (!esGrupo(campos.at(c))) {
            ++fijas;
            for (int f = 0; f < modelo->rowCount(); ++f)
                ancho = qMax(ancho,
                             letra.horizontalAdvance(modelo->index(f, c).data().toString()) + 16);
        }
        rejilla->setColumnWidth(c, ancho);
    }
    // The nutrient and unit stay in view while the values scroll.
    rejilla->congelarColumnas(fijas);

    // The grids share the tab's height by their rows, none taller than all
    // its rows, each showing at least four of them.
    const int filas = modelo->rowCount();
    const int completo = rejilla->altoCompleto();
    const int porFila = rejilla->verticalHeader()->defaultSectionSize();
    rejilla->setMaximumHeight(completo);
    rejilla->setMinimumHeight(completo - porFila * qMax(0, filas - 4));
    m_columnaRecomendados->setStretchFactor(rejilla, qMax(1, filas));
}

void PestanaDRIs::confirmarEdiciones()
{
    for (RejillaDatos* rejilla : m_rejillas)
        rejilla->confirmarEdicion();
}

void PestanaDRIs::liberar()
{
    for (ModeloDRIs* modelo : m_modelos)
        modelo->vaciar();
}

QList<PestanaDRIs::Restauracion> PestanaDRIs::editadas(int rejilla, int fila, int columna) const
{
    QList<Restauracion> celdas;
    ModeloDRIs* modelo = m_modelos[rejilla];
    const int desde = fila < 0 ? 0 : fila;
    const int hasta = fila < 0 ? modelo->rowCount() : qMin(fila + 1, modelo->rowCount());
    for (int f = desde; f < hasta; ++f) {
        const qint64 id = modelo->index(f, 0).data(RolValor).toLongLong();
        for (int c = 0; c < modelo->columnCount(); ++c) {
            if (columna >= 0 && c != columna)
                continue;
            const QVariant entregado = modelo->entregadoDistinto(modelo->index(f, c));
            if (entregado.isValid())
                celdas << Restauracion{modelo, f, c, {id, modelo->campos().at(c), entregado}};
        }
    }
    return celdas;
}

void PestanaDRIs::abrirMenu(int rejilla, const QModelIndex& celda, const QPoint& donde)
{
    // A file of an earlier release has no delivered values to go back to,
    // and the menu nothing else to offer.
    const bool conEntregados = m_modelos[rejilla]->conEntregados();
    for (QAction* a : {m_restaurarValor, m_restaurarFila, m_restaurarTodo})
        a->setVisible(conEntregados);
    if (!conEntregados)
        return;
    // What is still being typed is the value the cell holds.
    confirmarEdiciones();
    m_rejillaMenu = rejilla;
    m_celdaMenu = celda;
    m_restaurarValor->setEnabled(celda.isValid() &&
                                 !editadas(rejilla, celda.row(), celda.column()).isEmpty());
    m_restaurarFila->setEnabled(celda.isValid() && !editadas(rejilla, celda.row(), -1).isEmpty());
    bool alguna = false;
    for (int i : rejillasDeTabla(rejilla))
        alguna = alguna || !editadas(i, -1, -1).isEmpty();
    m_restaurarTodo->setEnabled(alguna);
    m_menu->popup(donde);
}

void PestanaDRIs::restaurarValor()
{
    if (m_celdaMenu.isValid())
        restaurar(m_rejillaMenu, editadas(m_rejillaMenu, m_celdaMenu.row(), m_celdaMenu.column()));
}

void PestanaDRIs::restaurarFila()
{
    if (m_celdaMenu.isValid())
        restaurar(m_rejillaMenu, editadas(m_rejillaMenu, m_celdaMenu.row(), -1));
}

void PestanaDRIs::restaurarTodo()
{
    QList<Restauracion> celdas;
    for (int i : rejillasDeTabla(m_rejillaMenu))
        celdas << editadas(i, -1, -1);
    if (celdas.isEmpty())
        return;
    const QString cuales = tr(tablas[m_rejillaMenu].valores);
    const QString cuantas =
        celdas.size() == 1 ? tr("The one value you changed is replaced by the delivered one.")
                           : tr("The %1 values you changed are replaced by the delivered ones.")
                                 .arg(QLocale().toString(int(celdas.size())));
    if (!mensajes::preguntar(m_rejillas[m_rejillaMenu],
                             tr("Restore all delivered %1? %2").arg(cuales, cuantas)))
        return;
    restaurar(m_rejillaMenu, celdas);
}

void PestanaDRIs::restaurar(int rejilla, const QList<Restauracion>& celdas)
{
    if (celdas.isEmpty())
        return;
    QList<CeldaReferencia> valores;
    for (const Restauracion& r : celdas)
        valores << r.celda;
    // As an edit: the grid shows what the database holds, and the next
    // evaluation reads it; a refusal leaves every value as it was.
    if (!escribirReferencias(tablaDe(rejilla), valores)) {
        avisarEscrituraFallida(m_rejillas[rejilla]);
        return;
    }
    for (const Restauracion& r : celdas)
        r.modelo->ponerGuardado(r.fila, r.columna, r.celda.valor);
}
