#pragma once

#include "catalogue/medidas.h"

#include <QWidget>

class QComboBox;
class QKeyEvent;
class QLabel;
class QTreeWidget;
class ValoresRecomendados;

// Window `n`: every nutrient of one food per 100 grams. Each opening makes a
// window of its own, so that foods can be compared side by side; it lives
// until the user closes it or the main window goes.
class Ficha : public QWidget
{
    Q_OBJECT

public:
    explicit Ficha(QWidget* principal);

    // Fills the list with the nutrients of the food with that id, one row for
    // each nutrient of the reference table, and the measure list with "100 g"
    // and the food's household measures.
    void cargarNutrientes(const ValoresRecomendados& valores, qint64 alimento);

    // Shows the food's description over its values and in the title bar.
    void ponerTitulo(const QString& descripcion);

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    // Shows every value for the amount chosen in the measure list.
    void mostrarCantidad();
    // The line of an own food, and a recipe's values known only in part.
    void mostrarOrigen(qint64 alimento, const QStringList& claves);

    QLabel* m_titulo = nullptr;
    QLabel* m_origen = nullptr;
    // What amount the values are for.
    QLabel* m_explicacion = nullptr;
    // "100 g" and each measure: the amount the values are shown for.
    QComboBox* m_medidasLista = nullptr;
    QTreeWidget* m_nutrientes = nullptr;

    QList<medidas::Medida> m_medidas; // one per entry of the list after "100 g"
};

// Opens a new detail window over `principal` for the food with that
// description and id; returns it.
Ficha* cargarInfoCompleta(QWidget* principal, const ValoresRecomendados& valores,
                          const QString& descripcion, qint64 alimento);
