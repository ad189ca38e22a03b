#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QIcon>
#include <QSortFilterProxyModel>
#include <QString>

#include <array>

class Sesion;
struct Evaluacion;
struct Juicio;

// The results of tab 5 as a table: one row a nutrient of the reference
// table, in its order; the texts, icons, tooltips and sort keys are made
// once for each evaluation.
class ModeloResultados : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Columna { Nutriente, Unidad, Ingesta, Wri, Diaria, Referencia, Limite, Juicio, Columnas };

    using QAbstractTableModel::QAbstractTableModel;

    // Rebuilds the rows from the session's evaluation.
    void cargar(const Sesion& sesion);
    void vaciar();

    // What a numeric cell sorts by: the zero-filled text of the number it
    // starts with (a unit may follow it); an empty text for an empty cell,
    // which sorts below every number.
    static QString claveOrden(const QString& texto);

    // The nutrient key of a row.
    QString clave(int fila) const;
    // The captions, and the keys the column headers carry.
    static QString titulo(int columna);
    static QString claveColumna(int columna);
    // The caption as the sources hold it, in every language: the name its
    // sort direction is kept under.
    static QString tituloOriginal(int columna);

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;

private:
    struct Fila
    {
        QString clave;
        QIcon icono;
        std::array<QString, Columnas> textos;
        std::array<QString, Columnas> consejos;
        // What a screen reader reads where the cell's colour says more than
        // its text; empty where the text says it all.
        std::array<QString, Columnas> accesibles;
        std::array<bool, Columnas> cursiva{};
        // What the numeric columns and the judgement sort by; an invalid
        // value for an empty cell, which sorts below every number.
        std::array<QVariant, Columnas> orden;
        int veredicto = 0;
        bool provisional = false;
    };
    // The row's tooltips: the rule, the average requirement, the foods of
    // unknown value, and the delivered value of what the user changed; and
    // the words a screen reader reads for the verdict's colours.
    static void ponerConsejos(Fila& f, const ::Juicio& j, const QString& unidad,
                              const Evaluacion& evaluacion);

    QList<Fila> m_filas;
    QFont m_cursiva;
};

// Sorts the results by a column: the numeric ones by their numbers (an
// empty cell lowest), the judgement by its band and chance, the others by
// their text. Rows that tie keep the order the list showed before.
class OrdenResultados : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void ordenar(int columna, Qt::SortOrder orden);
    // Forgets the order shown before (the rows were made anew).
    void olvidarOrden() { m_antes.clear(); }

protected:
    bool lessThan(const QModelIndex& izquierda, const QModelIndex& derecha) const override;

private:
    // The row each source row was shown at before this sort.
    QList<int> m_antes;
};
