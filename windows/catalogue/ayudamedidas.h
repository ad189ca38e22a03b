#pragma once

#include "catalogue/medidas.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

// The household-measure helper beside a grams box: a quantity, a measure of
// the chosen food ("g" first) and a period. Any change writes the whole
// grams a week into the grams box and shows the sum under it; the grams box
// itself, its checks and the saving are its owner's. A quantity that is not
// a number above 0 of at most four significant digits, or a sum below 1 g or
// above the box's five digits, leaves the box as it was.
class AyudaMedidas : public QWidget
{
    Q_OBJECT

public:
    AyudaMedidas(QLineEdit* gramos, QWidget* padre);

    // Lists the food's measures with 1 g per day chosen, and what the
    // profile (0: none) stores of it. The grams box keeps its text. The food
    // already shown keeps its choice; only what is stored is read again.
    void elegirAlimento(qint64 alimento, qint64 perfil);
    // Reads again what the profile stores of the food (after a save).
    void releerGuardada();

signals:
    // Enter in the quantity box: the owner saves, as with Enter in its box.
    void confirmado();

private:
    void calcular();
    // Colours the computation line when the week is more than one eats.
    void avisarExceso(bool exceso);
    void mostrarGuardada();
    // The measure chosen in the list; none for "g".
    const medidas::Medida* medidaElegida() const;

    QLineEdit* m_gramos;
    QLineEdit* m_cantidad = nullptr;
    QComboBox* m_medidasLista = nullptr;
    QComboBox* m_periodo = nullptr;
    // The grams the choice comes to, and what the profile stores of the food.
    QLabel* m_calculo = nullptr;
    QLabel* m_lineaGuardada = nullptr;
    QList<medidas::Medida> m_medidas; // one per entry of the list after "g"
    qint64 m_alimento = 0;
    qint64 m_perfil = 0;
    std::optional<qint64> m_guardada;
    bool m_llenando = false;
};
