#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QVariant>
#include <QVector>

// The current profile's weekly intakes above 0 g, one row per food: the
// hidden `saves` id, the food's name and the intake. Only the intake can be
// edited; an edited row is written back by its id when the view submits.
class ModeloIngestas : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Columna { ColId, ColAlimento, ColIngesta, NumColumnas };

    using QAbstractTableModel::QAbstractTableModel;

    // The statement that lists a profile's intakes.
    static QString sentencia(const QString& idPerfil);

    // Loads the rows of `sentencia`; returns the failure's description, empty
    // on success (the rows are then empty too).
    QString cargar(const QString& sentencia);
    // Drops every row (and any pending edit).
    void vaciar();

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int rol = Qt::EditRole) override;

public slots:
    // Writes every edited row; a row the database refuses keeps its old value.
    bool submit() override;
    void revert() override;

private:
    struct Fila
    {
        qint64 id = 0;
        QString alimento;
        QVariant ingesta;
        QVariant pendiente; // edited value not yet written
    };
    QVector<Fila> m_filas;
};

// Whole grams per week: an intake is 1 to 5 decimal digits.
bool esIngestaValida(const QString& texto);

// The editor of the intake cell: takes digits only, at most five, and writes
// nothing unless the text is a whole number.
class DelegadoIngesta : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* padre, const QStyleOptionViewItem& opcion,
                          const QModelIndex& indice) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* modelo,
                      const QModelIndex& indice) const override;
};
