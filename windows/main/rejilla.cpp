#include "windows/main/rejilla.h"

#include "storage/basedatos.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <memory>

RejillaDatos::RejillaDatos(QWidget* padre) : QTableView(padre)
{
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
}

void RejillaDatos::setModel(QAbstractItemModel* modelo)
{
    QTableView::setModel(modelo);
    if (modelo)
        // Leaving a row writes it back, as the grids' texts tell the user.
        connect(selectionModel(), &QItemSelectionModel::currentRowChanged, modelo,
                [modelo] { modelo->submit(); });
}

void RejillaDatos::confirmarEdicion()
{
    if (state() == QAbstractItemView::EditingState) {
        if (QWidget* editor = viewport()->focusWidget(); editor && editor != viewport()) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
    if (model())
        model()->submit();
}

namespace {

bool mismoValor(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    bool okA = false;
    bool okB = false;
    const double x = a.toDouble(&okA);
    const double y = b.toDouble(&okB);
    return okA && okB ? x == y : a == b;
}

} // namespace

QString ModeloRejilla::cargar(const QString& sentencia)
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

void ModeloRejilla::vaciar()
{
    beginResetModel();
    m_filas.clear();
    endResetModel();
}

int ModeloRejilla::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : int(m_filas.size());
}

int ModeloRejilla::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : int(m_campos.size());
}

QVariant ModeloRejilla::valorDe(const Fila& fila, int columna) const
{
    const auto p = fila.pendientes.constFind(columna);
    return p != fila.pendientes.constEnd() ? *p : fila.valores.value(columna);
}

QVariant ModeloRejilla::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid() || indice.row() >= m_filas.size())
        return {};
    switch (rol) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return texto(valorDe(m_filas[indice.row()], indice.column()));
    case Qt::TextAlignmentRole:
        return alineacion(indice.column());
    }
    return {};
}

Qt::ItemFlags ModeloRejilla::flags(const QModelIndex& indice) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(indice);
    if (indice.isValid() && esEditable(indice.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool ModeloRejilla::setData(const QModelIndex& indice, const QVariant& valor, int rol)
{
    if (!indice.isValid() || rol != Qt::EditRole || indice.row() >= m_filas.size() ||
        !esEditable(indice.column()))
        return false;
    QVariant nuevo;
    if (!leerEntrada(valor, &nuevo))
        return false;
    Fila& f = m_filas[indice.row()];
    if (mismoValor(nuevo, f.valores.value(indice.column())))
        f.pendientes.remove(indice.column());
    else
        f.pendientes.insert(indice.column(), nuevo);
    emit dataChanged(indice, indice);
    return true;
}

bool ModeloRejilla::submit()
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
        escritas = almacen::ejecutarSQL(
                       QStringLiteral("update ") + tabla() + QStringLiteral(" set ") +
                           asignaciones.join(QStringLiteral(", ")) + QStringLiteral(" where id=?"),
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
    if (!escritas)
        escrituraFallida();
    return escritas;
}

void ModeloRejilla::revert()
{
    for (int fila = 0; fila < m_filas.size(); ++fila) {
        if (m_filas[fila].pendientes.isEmpty())
            continue;
        m_filas[fila].pendientes.clear();
        emit dataChanged(index(fila, 0), index(fila, columnCount() - 1));
    }
}

DelegadoLinea::DelegadoLinea(std::function<QRegularExpression()> patron, int largo, QObject* padre)
    : QStyledItemDelegate(padre), m_patron(std::move(patron)), m_largo(largo)
{
}

QWidget* DelegadoLinea::createEditor(QWidget* padre, const QStyleOptionViewItem&,
                                     const QModelIndex&) const
{
    auto* editor = new QLineEdit(padre);
    editor->setMaxLength(m_largo);
    editor->setValidator(new QRegularExpressionValidator(m_patron(), editor));
    return editor;
}
