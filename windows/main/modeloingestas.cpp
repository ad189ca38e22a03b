#include "windows/main/modeloingestas.h"

#include "storage/basedatos.h"
#include "windows/main/mensajes.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

const QRegularExpression& patronIngesta()
{
    static const QRegularExpression patron(QStringLiteral("^[0-9]{1,5}$"));
    return patron;
}

} // namespace

bool esIngestaValida(const QString& texto)
{
    return patronIngesta().match(texto).hasMatch();
}

QString ModeloIngestas::sentencia(const QString& idPerfil)
{
    return QStringLiteral("select s.id, s.intake, t.description from saves s inner join total t ") +
           QStringLiteral(" on t.id=s.food_id where s.prof_id=") + idPerfil +
           QStringLiteral(" and s.intake>0");
}

QString ModeloIngestas::cargar(const QString& texto)
{
    beginResetModel();
    m_filas.clear();
    const almacen::Consulta c = almacen::consultar(texto);
    if (c.ok) {
        m_filas.reserve(c.filas.size());
        for (const QVariantList& f : c.filas)
            m_filas.push_back({f[0].toLongLong(), f[2].toString(), f[1], {}});
    }
    endResetModel();
    return c.ok ? QString() : c.error;
}

void ModeloIngestas::vaciar()
{
    beginResetModel();
    m_filas.clear();
    endResetModel();
}

int ModeloIngestas::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : int(m_filas.size());
}

int ModeloIngestas::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : NumColumnas;
}

QVariant ModeloIngestas::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid() || (rol != Qt::DisplayRole && rol != Qt::EditRole))
        return {};
    const Fila& f = m_filas[indice.row()];
    switch (indice.column()) {
    case ColId:
        return f.id;
    case ColAlimento:
        return f.alimento;
    case ColIngesta:
        return f.pendiente.isValid() ? f.pendiente : f.ingesta;
    }
    return {};
}

QVariant ModeloIngestas::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole)
        return QAbstractTableModel::headerData(seccion, orientacion, rol);
    switch (seccion) {
    case ColId:
        return QStringLiteral("id");
    case ColAlimento:
        return QStringLiteral("Food");
    case ColIngesta:
        return QStringLiteral("Intake");
    }
    return {};
}

Qt::ItemFlags ModeloIngestas::flags(const QModelIndex& indice) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(indice);
    if (indice.column() == ColIngesta)
        f |= Qt::ItemIsEditable;
    return f;
}

bool ModeloIngestas::setData(const QModelIndex& indice, const QVariant& valor, int rol)
{
    if (!indice.isValid() || indice.column() != ColIngesta || rol != Qt::EditRole)
        return false;
    const QString texto = valor.toString();
    if (!esIngestaValida(texto))
        return false;
    m_filas[indice.row()].pendiente = texto.toLongLong();
    emit dataChanged(indice, indice);
    return true;
}

bool ModeloIngestas::submit()
{
    bool escritas = true;
    for (int fila = 0; fila < m_filas.size(); ++fila) {
        Fila& f = m_filas[fila];
        if (!f.pendiente.isValid())
            continue;
        if (almacen::ejecutarSQL(QStringLiteral("update saves set intake=? where id=?"),
                                 {f.pendiente, f.id}) > 0)
            f.ingesta = f.pendiente;
        else
            escritas = false;
        f.pendiente = QVariant();
        const QModelIndex celda = index(fila, ColIngesta);
        emit dataChanged(celda, celda);
    }
    // The cell shows the stored value again; the user must also be told.
    if (!escritas)
        mensajes::error(qobject_cast<QWidget*>(QObject::parent()),
                        QStringLiteral("An error occured while saving intake"));
    return escritas;
}

void ModeloIngestas::revert()
{
    for (int fila = 0; fila < m_filas.size(); ++fila) {
        if (!m_filas[fila].pendiente.isValid())
            continue;
        m_filas[fila].pendiente = QVariant();
        const QModelIndex celda = index(fila, ColIngesta);
        emit dataChanged(celda, celda);
    }
}

QWidget* DelegadoIngesta::createEditor(QWidget* padre, const QStyleOptionViewItem&,
                                       const QModelIndex&) const
{
    auto* editor = new QLineEdit(padre);
    editor->setMaxLength(5);
    editor->setValidator(new QRegularExpressionValidator(patronIngesta(), editor));
    return editor;
}

void DelegadoIngesta::setModelData(QWidget* editor, QAbstractItemModel* modelo,
                                   const QModelIndex& indice) const
{
    auto* linea = qobject_cast<QLineEdit*>(editor);
    if (linea && !esIngestaValida(linea->text()))
        return;
    QStyledItemDelegate::setModelData(editor, modelo, indice);
}
