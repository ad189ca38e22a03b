#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QVariant>
#include <QVector>

class RejillaDatos;
class VentanaPrincipal;

// Reads a reference value as typed: digits with a decimal point (or the
// user's decimal separator), or nothing at all, which clears the value.
// Stores a double, or a null double for a cleared cell, in `valor`; returns
// false for anything else.
bool leerValorReferencia(const QString& texto, QVariant* valor);

// The rows of `DRIs` that one fixed query selects. The group columns can be
// edited; an edited row is written back by its id when the view submits. The
// query's first column is the id.
class ModeloDRIs : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Loads the rows of `sentencia`; returns the failure's description, empty
    // on success (the rows are then empty too).
    QString cargar(const QString& sentencia);
    // Drops every row (and any pending edit).
    void vaciar();

    // The position of a query column, -1 when the query has none by that name.
    int columna(const QString& campo) const { return int(m_campos.indexOf(campo)); }
    const QStringList& campos() const { return m_campos; }

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int rol = Qt::EditRole) override;

public slots:
    // Writes every edited row; rows the database refuses keep their old values.
    bool submit() override;
    void revert() override;

private:
    struct Fila
    {
        QVariantList valores;
        QHash<int, QVariant> pendientes; // edited group columns not yet written
    };
    bool esColumnaGrupo(int columna) const;
    QVariant valorDe(const Fila& fila, int columna) const;

    QStringList m_campos;
    QVector<Fila> m_filas;
};

// The editor of a reference value: takes digits and one decimal separator,
// and writes nothing that is not a number or an empty cell.
class DelegadoReferencia : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* padre, const QStyleOptionViewItem& opcion,
                          const QModelIndex& indice) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* modelo,
                      const QModelIndex& indice) const override;
};

// Tab 7: four grids over the reference values, written back row by row.
class PestanaDRIs : public QObject
{
    Q_OBJECT

public:
    explicit PestanaDRIs(VentanaPrincipal& f);

    // Loads the four grids; called once when the window opens.
    void cargar();
    // Writes any value still being edited.
    void confirmarEdiciones();
    // Lets go of the grids' queries before the connection closes.
    void liberar();

    // The statements behind dgr_dri1 .. dgr_dri4 (0 to 3).
    static QString sentencia(int rejilla);

private:
    VentanaPrincipal& m_f;
    RejillaDatos* m_rejillas[4] = {};
    ModeloDRIs* m_modelos[4] = {};
};
