#pragma once

#include <QObject>

class VentanaPrincipal;

// Tab 3: every food ranked on one nutrient.
class PestanaRanking : public QObject
{
    Q_OBJECT

public:
    explicit PestanaRanking(VentanaPrincipal& f);

    // Fill the nutrient and category lists; called once when the window loads.
    void poblarComboNutrientes();
    void poblarComboCategorias();
    // Closes the intake dialog if it is open.
    void cerrarDialogos();

private:
    VentanaPrincipal& m_f;
};
