#include "windows/common/rejilla.h"

#include "windows/common/roles.h"

#include "storage/basedatos.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>

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

void RejillaDatos::congelarColumnas(int cuantas)
{
    m_columnasCongeladas.clear();
    for (int v = 0; model() && v < horizontalHeader()->count(); ++v) {
        const int c = horizontalHeader()->logicalIndex(v);
        if (m_columnasCongeladas.size() < cuantas && !isColumnHidden(c))
            m_columnasCongeladas << c;
    }
    if (m_columnasCongeladas.isEmpty()) {
        if (m_congeladas)
            m_congeladas->hide();
        return;
    }
    if (!m_congeladas) {
        m_congeladas = new QTableView(this);
        m_congeladas->setFocusPolicy(Qt::NoFocus);
        m_congeladas->verticalHeader()->hide();
        m_congeladas->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        m_congeladas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_congeladas->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_congeladas->setVerticalScrollMode(ScrollPerPixel);
        m_congeladas->setWordWrap(false);
        m_congeladas->setEditTriggers(NoEditTriggers);
        m_congeladas->setFrameShape(QFrame::NoFrame);
        m_congeladas->setModel(model());
        m_congeladas->setSelectionModel(selectionModel());
        m_congeladas->setSelectionBehavior(selectionBehavior());
        m_congeladas->setSelectionMode(selectionMode());
        viewport()->stackUnder(m_congeladas);
        // A right click on the frozen columns asks for the same menu.
        m_congeladas->viewport()->installEventFilter(this);
        connect(verticalScrollBar(), &QAbstractSlider::valueChanged,
                m_congeladas->verticalScrollBar(), &QAbstractSlider::setValue);
        connect(m_congeladas->verticalScrollBar(), &QAbstractSlider::valueChanged,
                verticalScrollBar(), &QAbstractSlider::setValue);
        connect(horizontalHeader(), &QHeaderView::sectionResized, this,
                [this](int columna, int, int ancho) {
                    if (m_columnasCongeladas.contains(columna)) {
                        m_congeladas->setColumnWidth(columna, ancho);
                        situarCongeladas();
                    }
                });
        connect(verticalHeader(), &QHeaderView::sectionResized, this,
                [this](int fila, int, int alto) { m_congeladas->setRowHeight(fila, alto); });
    }
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollMode(ScrollPerPixel);
    m_congeladas->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    for (int c = 0; c < model()->columnCount(); ++c) {
        m_congeladas->setColumnHidden(c, !m_columnasCongeladas.contains(c));
        m_congeladas->setColumnWidth(c, columnWidth(c));
    }
    m_congeladas->show();
    situarCongeladas();
}

int RejillaDatos::anchoCongelado() const
{
    int ancho = 0;
    for (int c : m_columnasCongeladas)
        ancho += columnWidth(c);
    return ancho;
}

void RejillaDatos::situarCongeladas()
{
    if (!m_congeladas || m_columnasCongeladas.isEmpty())
        return;
    const int izquierda =
        frameWidth() + (verticalHeader()->isVisible() ? verticalHeader()->width() : 0);
    m_congeladas->setGeometry(izquierda, frameWidth(), anchoCongelado(),
                              viewport()->height() + horizontalHeader()->height());
}

bool RejillaDatos::eventFilter(QObject* objeto, QEvent* evento)
{
    if (m_congeladas && objeto == m_congeladas->viewport() &&
        evento->type() == QEvent::ContextMenu) {
        const auto* menu = static_cast<QContextMenuEvent*>(evento);
        emit menuPedido(m_congeladas->indexAt(menu->pos()), menu->globalPos());
        return true;
    }
    return QTableView::eventFilter(objeto, evento);
}

void RejillaDatos::contextMenuEvent(QContextMenuEvent* evento)
{
    if (evento->reason() == QContextMenuEvent::Keyboard) {
        const QModelIndex actual = currentIndex();
        const QRect celda = visualRect(actual);
        emit menuPedido(actual,
                        viewport()->mapToGlobal(celda.isValid() ? celda.center() : QPoint(0, 0)));
    } else {
        emit menuPedido(indexAt(evento->pos()), evento->globalPos());
    }
    evento->accept();
}

void RejillaDatos::resizeEvent(QResizeEvent* evento)
{
    QTableView::resizeEvent(evento);
    situarCongeladas();
}

QModelIndex RejillaDatos::moveCursor(CursorAction accion, Qt::KeyboardModifiers modificadores)
{
    const QModelIndex actual = QTableView::moveCursor(accion, modificadores);
    // Moving left must not leave the current cell under the frozen columns.
    if (!m_columnasCongeladas.isEmpty() && accion == MoveLeft && actual.isValid() &&
        !m_columnasCongeladas.contains(actual.column())) {
        const int x = visualRect(actual).left();
        if (x < anchoCongelado())
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() + x - anchoCongelado());
    }
    return actual;
}

void RejillaDatos::scrollTo(const QModelIndex& indice, ScrollHint pista)
{
    // A frozen cell is always in view; scrolling to it would hide the others.
    if (!m_columnasCongeladas.contains(indice.column()))
        QTableView::scrollTo(indice, pista);
}

int RejillaDatos::altoCompleto() const
{
    // The grids are wider than the window: the scroll bar is counted in.
    int alto = horizontalHeader()->sizeHint().height() + 2 * frameWidth() +
               horizontalScrollBar()->sizeHint().height();
    for (int f = 0; model() && f < model()->rowCount(); ++f)
        alto += rowHeight(f);
    return alto;
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

QString ModeloRejilla::cargar(const QString& sentencia, const QVariantList& valores)
{
    beginResetModel();
    m_filas.clear();
    m_campos.clear();
    const almacen::Consulta c = almacen::consultar(sentencia, valores);
    m_sentencia = c.sentencia;
    if (c.ok) {
        m_campos = c.columnas;
        m_filas.reserve(c.filas.size());
        for (const QVariantList& f : c.filas)
            m_filas.push_back({f, {}});
    }
    endResetModel();
    return c.ok ? QString() : c.error;
}

void ModeloRejilla::ponerGuardado(int fila, int columna, const QVariant& valor)
{
    if (fila < 0 || fila >= m_filas.size() || columna < 0 || columna >= m_campos.size())
        return;
    Fila& f = m_filas[fila];
    f.valores[columna] = valor;
    f.pendientes.remove(columna);
    emit dataChanged(index(fila, columna), index(fila, columna));
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
    case RolValor:
        return valorDe(m_filas[indice.row()], indice.column());
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
    if (!leerEntrada(valor, &nuevo)) {
        // Told after the commit has run its course: a box opened while the
        // editor is still up would take its focus and commit it again.
        if (!m_avisoPendiente) {
            m_avisoPendiente = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_avisoPendiente = false;
                    entradaRechazada();
                },
                Qt::QueuedConnection);
        }
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

bool ModeloRejilla::submit()
{
    QList<int> editadas;
    for (int fila = 0; fila < m_filas.size(); ++fila)
        if (!m_filas[fila].pendientes.isEmpty())
            editadas << fila;
    if (editadas.isEmpty())
        return true;

    // Rows written together stand or fall together.
    const auto escribir = [&] {
        for (int fila : editadas) {
            const Fila& f = m_filas[fila];
            QStringList asignaciones;
            QVariantList valores;
            for (auto p = f.pendientes.cbegin(); p != f.pendientes.cend(); ++p) {
                asignaciones << m_campos.at(p.key()) + QStringLiteral("=?");
                valores << p.value();
            }
            valores << f.valores.value(0);
            if (almacen::ejecutarSQL(QStringLiteral("update ") + tabla() + QStringLiteral(" set ") +
                                         asignaciones.join(QStringLiteral(", ")) +
                                         QStringLiteral(" where id=?"),
                                     valores) <= 0)
                return false;
        }
        return true;
    };
    const bool escritas = editadas.size() > 1 ? almacen::enTransaccion(escribir) : escribir();

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
