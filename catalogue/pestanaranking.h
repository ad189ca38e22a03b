#pragma once

#include "catalogue/dialogoingesta.h"

#include <QObject>
#include <QPointer>

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
    // Ranks the foods (of the chosen group) on the chosen nutrient.
    void cargarListadoOrdenado();
    // Closes the intake dialog and the detail windows that are open.
    void cerrarDialogos();

    // The intake dialog while it is open.
    DialogoIngesta* dialogoIngesta() const { return m_i; }

private:
    void ordenar();
    void abrirDialogoIngesta();
    void mostrarNutrientes();

    VentanaPrincipal& m_f;
    // Compared only: it may be on its way out when an event reaches the filter.
    QPointer<DialogoIngesta> m_i;
};
