#pragma once

#include <QList>

class QAction;
class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QTreeWidget;
class QWidget;
class RejillaDatos;

// Every control of the main window, by the object name it carries.
struct InterfazPrincipal
{
    QTabWidget* tbs_fichas = nullptr;
    QFrame* frm_uno = nullptr;
    QFrame* frm_dos = nullptr;
    QFrame* frm_tres = nullptr;
    QFrame* frm_cuatro = nullptr;
    QFrame* frm_cinco = nullptr;
    QFrame* frm_seis = nullptr;
    QFrame* frm_siete = nullptr;

    // 1: Personal data
    QGroupBox* Frame1 = nullptr;
    QComboBox* cmb_edad = nullptr;
    QRadioButton* opb_hombre = nullptr;
    QRadioButton* opb_mujer = nullptr;
    QButtonGroup* grupoGenero = nullptr;
    QLineEdit* tbx_peso = nullptr;
    QPushButton* cmd_personales = nullptr;

    // 2: Search food and set intake
    QLabel* lbl_2_1 = nullptr;
    QLabel* lbl_2_2 = nullptr;
    QLabel* lbl_2_3 = nullptr;
    QLabel* lbl_2_4 = nullptr;
    QLineEdit* tbx_buscar = nullptr;
    QPushButton* cmd_buscar = nullptr;
    QListWidget* lbx_categorias = nullptr;
    QTreeWidget* lsv_alimentos = nullptr;
    QLineEdit* tbx_cantidad = nullptr;
    QPushButton* cmd_guardar = nullptr;

    // 3: Sort foods by nutrient and set intake
    QLabel* lbl_3_1 = nullptr;
    QLabel* lbl_3_2 = nullptr;
    QComboBox* cmb_nutrientes = nullptr;
    QComboBox* cmb_categorias = nullptr;
    QPushButton* cmd_listadoOrdenado = nullptr;
    QTreeWidget* lsv_ordenado = nullptr;

    // 4: Confirm food intakes
    QLabel* lbl_4_1 = nullptr;
    QLabel* lbl_4_2 = nullptr;
    RejillaDatos* dgr_alimentos = nullptr;

    // 5: Display results
    QLabel* lbl_5_1 = nullptr;
    QLabel* lbl_5_2 = nullptr;
    QLabel* lbl_5_3 = nullptr;
    QLabel* lbl_5_4 = nullptr;
    QLabel* lbl_5_5 = nullptr;
    QLabel* lbl_5_6 = nullptr;
    QLabel* lbl_5_7 = nullptr;
    QLabel* img_5_1 = nullptr;
    QLabel* img_5_2 = nullptr;
    QLabel* img_5_3 = nullptr;
    QLabel* img_5_4 = nullptr;
    QTreeWidget* lsv_wri = nullptr;

    // 6: Manage profiles
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    QTreeWidget* lsv_perfiles = nullptr;
    QPushButton* cmd_perfilNuevo = nullptr;
    QPushButton* cmd_perfilCargar = nullptr;
    QPushButton* cmd_perfilGuardar = nullptr;
    QPushButton* cmd_perfilRenombrar = nullptr;
    QPushButton* cmd_perfilBorrar = nullptr;

    // 7: Set DRIs
    QLabel* Label17 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* Label23 = nullptr;
    QLabel* Label24 = nullptr;
    RejillaDatos* dgr_dri1 = nullptr;
    RejillaDatos* dgr_dri2 = nullptr;
    RejillaDatos* dgr_dri3 = nullptr;
    RejillaDatos* dgr_dri4 = nullptr;

    // Under the tabs: which profile is current
    QStatusBar* sbr_estado = nullptr;
    QLabel* lbl_perfil = nullptr;

    // Pop-up menus of the food lists
    QMenu* buscador = nullptr;
    QAction* displayNutrientsBuscador = nullptr;
    QMenu* listadoOrdenado = nullptr;
    QAction* setIntake = nullptr;
    QAction* displayNutrients = nullptr;

    // Builds every control inside `ventana`.
    void construir(QWidget* ventana);
};

// Column keys of the list views, kept on each header section.
enum { RolClaveColumna = 0x0100 + 7 };
