#include "windows/main/pestanadris.h"

#include "storage/basedatos.h"
#include "windows/main/interfaz.h"
#include "windows/main/rejilla.h"
#include "windows/main/ventanaprincipal.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <iterator>
#include <memory>

namespace {

// Query column, caption and width in twips of every column a grid can show.
const struct
{
    const char* campo;
    const char* titulo;
    int ancho;
} columnas[] = {
    {"name", "Nutrient", 1740},
    {"unit", "Unit", 1140},
    {"infants1", "Infants 0 - 6 m", 1395},
    {"infants2", "Infants 7 - 12 m", 1395},
    {"children1", "Children 1 - 3 y", 1395},
    {"children2", "Children 4 - 8 y", 1395},
    {"males1", "Males 9 - 13 y", 1395},
    {"males2", "Males 14 - 18 y", 1395},
    {"males3", "Males 19 - 30 y", 1395},
    {"males4", "Males 31 - 50 y", 1395},
    {"males5", "Males 51 - 70 y", 1395},
    {"males6", "Males > 70 y", 1395},
    {"females1", "Females 9 - 13 y", 1395},
    {"females2", "Females 14 - 18 y", 1395},
    {"females3", "Females 19 - 30 y", 1395},
    {"females4", "Females 31 - 50 y", 1395},
    {"females5", "Females 51 - 70 y", 1395},
    {"females6", "Females > 70 y", 1395},
};

// Index into `columnas` of a query column, -1 for the id and unknown columns.
int descripcion(const QString& campo)
{
    for (int i = 0; i < int(std::size(columnas)); ++i)
        if (campo == QLatin1String(columnas[i].campo))
            return i;
    return -1;
}

// The sixteen group columns are all but the first two entries of `columnas`.
bool esGrupo(const QString& campo)
{
    return descripcion(campo) >= 2;
}

const char* const sentencias[4] = {
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
};

QVariant nulo()
{
    return QVariant(QMetaType::fromType<double>());
}

bool mismoValor(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    bool okA = false;
    bool okB = false;
    const double x = a.toDouble(&okA);
    const double y = b.toDouble(&okB);
    return okA && okB && x == y;
}

// The decimal separators a value may be typed with.
QString separadores()
{
    QString s = QStringLiteral(".");
    const QString local = QLocale().decimalPoint();
    if (local != s)
        s += local;
    return s;
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

} // namespace

bool leerValorReferencia(const QString& texto, QVariant* valor)
{
    QString t = texto.trimmed();
    if (t.isEmpty()) {
        *valor = nulo();
        return true;
    }
    const QString local = QLocale().decimalPoint();
    if (local != QLatin1String("."))
        t.replace(local, QLatin1String("."));
    static const QRegularExpression numero(QStringLiteral("^([0-9]+(\\.[0-9]*)?|\\.[0-9]+)$"));
    if (!numero.match(t).hasMatch())
        return false;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok)
        return false;
    *valor = v;
    return true;
}

QString ModeloDRIs::cargar(const QString& sentencia)
{
    beginResetModel();
    m_filas.clear();
    m_campos.clear();
    const almacen::Consulta c = almacen::consultar(sentencia);
    if (c.ok) {
        m_campos = c.columnas;
        m_filas.reserve(c.filas.size());
        for (const QVariantList& f : c.filas)
            m_filas.push_back({f, {}});
    }
    endResetModel();
    return c.ok ? QString() : c.error;
}

void ModeloDRIs::vaciar()
{
    beginResetModel();
    m_filas.clear();
    endResetModel();
}

int ModeloDRIs::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : int(m_filas.size());
}

int ModeloDRIs::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : int(m_campos.size());
}

bool ModeloDRIs::esColumnaGrupo(int columna) const
{
    return columna >= 0 && columna < m_campos.size() && esGrupo(m_campos.at(columna));
}

QVariant ModeloDRIs::valorDe(const Fila& fila, int columna) const
{
    const auto p = fila.pendientes.constFind(columna);
    return p != fila.pendientes.constEnd() ? *p : fila.valores.value(columna);
}

QVariant ModeloDRIs::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid() || indice.row() >= m_filas.size())
        return {};
    const QVariant valor = valorDe(m_filas[indice.row()], indice.column());
    switch (rol) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return textoCelda(valor);
    case Qt::TextAlignmentRole:
        if (esColumnaGrupo(indice.column()))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    return {};
}

QVariant ModeloDRIs::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole || seccion < 0 ||
        seccion >= m_campos.size())
        return QAbstractTableModel::headerData(seccion, orientacion, rol);
    const int d = descripcion(m_campos.at(seccion));
    return d < 0 ? m_campos.at(seccion) : QLatin1String(columnas[d].titulo);
}

Qt::ItemFlags ModeloDRIs::flags(const QModelIndex& indice) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(indice);
    if (esColumnaGrupo(indice.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool ModeloDRIs::setData(const QModelIndex& indice, const QVariant& valor, int rol)
{
    if (!indice.isValid() || rol != Qt::EditRole || !esColumnaGrupo(indice.column()) ||
        indice.row() >= m_filas.size())
        return false;
    QVariant nuevo;
    if (valor.userType() == QMetaType::QString) {
        if (!leerValorReferencia(valor.toString(), &nuevo))
            return false;
    } else if (valor.isNull()) {
        nuevo = nulo();
    } else {
        bool ok = false;
        nuevo = valor.toDouble(&ok);
        if (!ok)
            return false;
    }
    Fila& f = m_filas[indice.row()];
    if (mismoValor(nuevo, f.valores.value(indice.column())))
        f.pendientes.remove(indice.column());
    else
        f.pendientes.insert(indice.column(), nuevo);
    emit dataChanged(indice, indice);
    return true;
}

bool ModeloDRIs::submit()
{
    QList<int> editadas;
    for (int fila = 0; fila < m_filas.size(); ++fila)
        if (!m_filas[fila].pendientes.isEmpty())
            editadas << fila;
    if (editadas.isEmpty())
        return true;

    // Rows written together stand or fall together.
    std::unique_ptr<almacen::Transaccion> transaccion;
    if (editadas.size() > 1)
        transaccion = std::make_unique<almacen::Transaccion>();
    bool escritas = !transaccion || transaccion->iniciada();
    for (int fila : editadas) {
        if (!escritas)
            break;
        const Fila& f = m_filas[fila];
        QStringList asignaciones;
        QVariantList valores;
        for (auto p = f.pendientes.cbegin(); p != f.pendientes.cend(); ++p) {
            asignaciones << m_campos.at(p.key()) + QStringLiteral("=?");
            valores << p.value();
        }
        valores << f.valores.value(0);
        escritas = almacen::ejecutarSQL(QStringLiteral("update DRIs set ") +
                                            asignaciones.join(QStringLiteral(", ")) +
                                            QStringLiteral(" where id=?"),
                                        valores) > 0;
    }
    if (escritas && transaccion)
        escritas = transaccion->confirmar();

    for (int fila : editadas) {
        Fila& f = m_filas[fila];
        if (escritas)
            for (auto p = f.pendientes.cbegin(); p != f.pendientes.cend(); ++p)
                f.valores[p.key()] = p.value();
        f.pendientes.clear();
        emit dataChanged(index(fila, 0), index(fila, columnCount() - 1));
    }
    return escritas;
}

void ModeloDRIs::revert()
{
    for (int fila = 0; fila < m_filas.size(); ++fila) {
        if (m_filas[fila].pendientes.isEmpty())
            continue;
        m_filas[fila].pendientes.clear();
        emit dataChanged(index(fila, 0), index(fila, columnCount() - 1));
    }
}

QWidget* DelegadoReferencia::createEditor(QWidget* padre, const QStyleOptionViewItem&,
                                          const QModelIndex&) const
{
    auto* editor = new QLineEdit(padre);
    editor->setMaxLength(18);
    editor->setValidator(new QRegularExpressionValidator(
        QRegularExpression(
            QStringLiteral("^[0-9]*([%1][0-9]*)?$").arg(QRegularExpression::escape(separadores()))),
        editor));
    return editor;
}

void DelegadoReferencia::setModelData(QWidget* editor, QAbstractItemModel* modelo,
                                      const QModelIndex& indice) const
{
    auto* linea = qobject_cast<QLineEdit*>(editor);
    if (!linea)
        return;
    QVariant valor;
    if (leerValorReferencia(linea->text(), &valor))
        modelo->setData(indice, linea->text(), Qt::EditRole);
}

PestanaDRIs::PestanaDRIs(VentanaPrincipal& f) : QObject(&f), m_f(f)
{
    InterfazPrincipal& ui = m_f.ui();
    RejillaDatos* rejillas[4] = {ui.dgr_dri1, ui.dgr_dri2, ui.dgr_dri3, ui.dgr_dri4};
    for (int i = 0; i < 4; ++i) {
        m_rejillas[i] = rejillas[i];
        m_modelos[i] = new ModeloDRIs(this);
        m_rejillas[i]->setModel(m_modelos[i]);
        m_rejillas[i]->setItemDelegate(new DelegadoReferencia(m_rejillas[i]));
        m_rejillas[i]->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
        // Leaving a row writes it back, as the tab's text tells the user.
        connect(m_rejillas[i]->selectionModel(), &QItemSelectionModel::currentRowChanged,
                m_modelos[i], [modelo = m_modelos[i]] { modelo->submit(); });
    }
}

QString PestanaDRIs::sentencia(int rejilla)
{
    return QLatin1String(sentencias[rejilla]);
}

void PestanaDRIs::cargar()
{
    for (int i = 0; i < 4; ++i) {
        // A grid that cannot load stays empty; the failed connection is
        // already in the log.
        m_modelos[i]->cargar(sentencia(i));
        RejillaDatos* rejilla = m_rejillas[i];
        const QStringList& campos = m_modelos[i]->campos();
        for (int c = 0; c < campos.size(); ++c) {
            const int d = descripcion(campos.at(c));
            rejilla->setColumnHidden(c, d < 0);
            // The stored widths, widened where this font needs more for the caption.
            if (d >= 0)
                rejilla->setColumnWidth(
                    c, qMax(columnas[d].ancho / 15,
                            rejilla->horizontalHeader()->fontMetrics().horizontalAdvance(
                                m_modelos[i]->headerData(c, Qt::Horizontal).toString())
                                + 16));
        }
    }
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
