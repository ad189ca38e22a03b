#pragma once

#include "windows/common/rejilla.h"

// The current profile's weekly intakes above 0 g, one row per food: the
// hidden `saves` id, the intake and the food's name. Only the intake can be
// edited; an edited row is written back by its id when the user leaves it.
class ModeloIngestas : public ModeloRejilla
{
    Q_OBJECT

public:
    // The columns, in the order of the statement; the food's id is not shown.
    enum Columna { ColId, ColIngesta, ColAlimento, ColIdAlimento };

    using ModeloRejilla::ModeloRejilla;

    // The statement that lists a profile's intakes (the profile's id bound).
    static QString sentencia();

    // The grid's columns stay the same whether or not the rows could be read.
    int columnCount(const QModelIndex& padre = {}) const override
    {
        return padre.isValid() ? 0 : 3;
    }
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;
    // The user's own foods carry the house icon before their names.
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;

protected:
    QString tabla() const override { return QStringLiteral("saves"); }
    bool esEditable(int columna) const override { return columna == ColIngesta; }
    bool leerEntrada(const QVariant& entrada, QVariant* valor) const override;
    // Grams in the digits of the user's language.
    QString texto(const QVariant& valor) const override;
    void escrituraFallida() override;
    void entradaRechazada() override;
};

// Whole grams per week: an intake is 1 to 5 decimal digits (of any script).
bool esIngestaValida(const QString& texto);
