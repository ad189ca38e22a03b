#pragma once

#include "windows/catalogue/dialogoingesta.h"

#include <QObject>
#include <QPointer>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;
class QWidget;
class Sesion;

// The controls of tab 3, by the object names they carry.
struct ControlesRanking
{
    QLabel* lbl_3_1 = nullptr;
    QLabel* lbl_3_2 = nullptr;
    QComboBox* cmb_nutrientes = nullptr;
    QComboBox* cmb_categorias = nullptr;
    QPushButton* cmd_listadoOrdenado = nullptr;
    QTreeWidget* lsv_ordenado = nullptr;
    // The ranking's pop-up menu.
    QMenu* listadoOrdenado = nullptr;
    QAction* setIntake = nullptr;
    QAction* displayNutrients = nullptr;

    void construir(QWidget* marco);
};

// Tab 3: every food ranked on one nutrient.
class PestanaRanking : public QObject
{
    Q_OBJECT

public:
    PestanaRanking(ControlesRanking& ui, Sesion& sesion, QWidget* ventana);

    // Fill the nutrient and category lists; called once when the window loads.
    void poblarComboNutrientes();
    void poblarComboCategorias();
    // Ranks the foods (of the chosen group) on the chosen nutrient.
    void cargarListadoOrdenado();
    // Closes the intake dialog and the detail windows that are open.
    void cerrarDialogos();

private:
    void ordenar();
    void abrirDialogoIngesta();
    void mostrarNutrientes();

    ControlesRanking& m_ui;
    Sesion& m_sesion;
    QWidget* m_ventana;
    // Compared only: it may be on its way out when an event reaches the filter.
    QPointer<DialogoIngesta> m_i;
};
