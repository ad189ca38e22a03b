#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <QTableView>
#include <QVariant>
#include <QVector>

// An editable grid whose model writes a row back when the user leaves it.
class RejillaDatos : public QTableView
{
    Q_OBJECT

public:
    explicit RejillaDatos(QWidget* padre = nullptr);

    // Also makes the model write the edited row whenever the current row changes.
    void setModel(QAbstractItemModel* modelo) override;

    // Commits the cell being edited and writes its row, as if the user had
    // moved to another row; used when the tab changes or the window closes.
    void confirmarEdicion();

    // Keeps the first `cuantas` shown columns in view while the others
    // scroll sideways (0: none). Called again after the model reloads.
    void congelarColumnas(int cuantas);
    // The height that shows every row, the header and the scroll bar.
    int altoCompleto() const;

signals:
    // The user asked for the pop-up menu at `global`: by the pointer over
    // `celda` (invalid off the cells), or by the keyboard on the current cell.
    void menuPedido(const QModelIndex& celda, const QPoint& global);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    QModelIndex moveCursor(CursorAction accion, Qt::KeyboardModifiers modificadores) override;
    void scrollTo(const QModelIndex& indice, ScrollHint pista = EnsureVisible) override;

private:
    // The frozen columns' width.
    int anchoCongelado() const;
    void situarCongeladas();

    // A second view over the same model and selection, laid over the left
    // edge, showing only the frozen columns.
    QTableView* m_congeladas = nullptr;
    QList<int> m_columnasCongeladas;
};

// The rows of one table that a fixed query selects, the query's first column
// being the row's `id`. Edited cells wait in their row until the view submits
// (the user left the row); each edited row is then written back by its id,
// all edited rows in one transaction.
class ModeloRejilla : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Loads the rows of `sentencia`, `valores` bound to its placeholders;
    // returns the failure's description, empty on success (the rows are then
    // empty too).
    QString cargar(const QString& sentencia, const QVariantList& valores = {});
    // Drops every row (and any pending edit).
    void vaciar();
    // The query's column names.
    const QStringList& campos() const { return m_campos; }
    // Takes `valor` as the stored value of a cell, written to the database
    // by other means than an edit; a pending edit of the cell is dropped.
    void ponerGuardado(int fila, int columna, const QVariant& valor);
    // The last statement loaded; after a failure, with its values written in.
    const QString& ultimaSentencia() const { return m_sentencia; }

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int rol = Qt::EditRole) override;

public slots:
    // Writes every edited row; when the database refuses, the rows keep their
    // stored values.
    bool submit() override;
    void revert() override;

protected:
    // The stored value of a column of the statement, shown or not.
    QVariant valorCelda(int fila, int columna) const
    {
        return m_filas.value(fila).valores.value(columna);
    }
    // The table the rows are written back to.
    virtual QString tabla() const = 0;
    virtual bool esEditable(int columna) const = 0;
    // Turns what an editor gives into the value to store; false refuses it.
    virtual bool leerEntrada(const QVariant& entrada, QVariant* valor) const = 0;
    // The text a cell shows for a value.
    virtual QString texto(const QVariant& valor) const { return valor.toString(); }
    virtual QVariant alineacion(int) const { return {}; }
    // Called after the database refused the edited rows.
    virtual void escrituraFallida() {}
    // Called, once the editor has closed, after the user's text for a cell
    // was refused; the cell keeps what it showed.
    virtual void entradaRechazada() {}

private:
    struct Fila
    {
        QVariantList valores;
        QHash<int, QVariant> pendientes; // edited cells not yet written
    };
    QVariant valorDe(const Fila& fila, int columna) const;

    QStringList m_campos;
    QString m_sentencia;
    QVector<Fila> m_filas;
    bool m_avisoPendiente = false;
};
