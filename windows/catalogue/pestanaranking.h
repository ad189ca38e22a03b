#pragma once

#include "windows/catalogue/dialogoingesta.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class QAction;
class QComboBox;
class QMenu;
class QPushButton;
class QTreeWidget;
class Sesion;

// Tab 3: every food ranked on one nutrient.
class PestanaRanking : public QWidget
{
    Q_OBJECT

public:
    explicit PestanaRanking(Sesion& sesion, QWidget* padre = nullptr);

    // Fill the nutrient and category lists; called once when the window loads.
    void poblarComboNutrientes();
    void poblarComboCategorias();
    // Ranks the foods (of the chosen group) on the chosen nutrient.
    void cargarListadoOrdenado();
    // Hides the ranking until the first one is made; it keeps its room.
    void ocultarListado();
    // Closes the intake dialog and the detail windows that are open.
    void cerrarDialogos();
    // Ranks again, after the user's own foods changed, when a ranking is
    // shown.
    void releer();

signals:
    // An own food was stored from this tab ("Copy to my foods...").
    void alimentosCambiados();

private:
    void construir();
    void ordenar();
    void abrirDialogoIngesta();
    void mostrarNutrientes();

    Sesion& m_sesion;
    QComboBox* m_nutrientes = nullptr; // cmb_nutrientes
    QComboBox* m_categorias = nullptr; // cmb_categorias
    QPushButton* m_ordenar = nullptr;  // cmd_listadoOrdenado
    QTreeWidget* m_lista = nullptr;    // lsv_ordenado
    // The ranking's pop-up menu and its entries.
    QMenu* m_menu = nullptr;                // listadoOrdenado
    QAction* m_fijarIngesta = nullptr;      // setIntake
    QAction* m_mostrarNutrientes = nullptr; // displayNutrients
    QAction* m_copiar = nullptr;            // copyToMyFoods
    // Compared only: it may be on its way out when an event reaches the filter.
    QPointer<DialogoIngesta> m_i;
};
