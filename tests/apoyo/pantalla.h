#pragma once

// The controls of the main window as the tests address them: by the object
// names they carry, found once for each window.

#include "windows/catalogue/ayudamedidas.h"
#include "windows/common/rejilla.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeView>
#include <QTreeWidget>

struct Pantalla
{
    // The tab strip, its frames and the status bar.
    QTabWidget* tbs_fichas = nullptr;
    QWidget* frm_uno = nullptr;
    QWidget* frm_dos = nullptr;
    QWidget* frm_tres = nullptr;
    QWidget* frm_cuatro = nullptr;
    QWidget* frm_cinco = nullptr;
    QWidget* frm_seis = nullptr;
    QWidget* frm_siete = nullptr;
    QWidget* frm_ocho = nullptr;
    QStatusBar* sbr_estado = nullptr;
    QLabel* lbl_perfil = nullptr;
    QLabel* lbl_base = nullptr;
    // Tab 1.
    QGroupBox* Frame1 = nullptr;
    QComboBox* cmb_edad = nullptr;
    QRadioButton* opb_hombre = nullptr;
    QRadioButton* opb_mujer = nullptr;
    QLineEdit* tbx_peso = nullptr;
    QPushButton* cmd_personales = nullptr;
    // Tab 2.
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
    AyudaMedidas* ayudaMedidas = nullptr;
    QMenu* buscador = nullptr;
    QAction* displayNutrientsBuscador = nullptr;
    QAction* copyToMyFoodsBuscador = nullptr;
    // Tab 3.
    QLabel* lbl_3_1 = nullptr;
    QLabel* lbl_3_2 = nullptr;
    QComboBox* cmb_nutrientes = nullptr;
    QComboBox* cmb_categorias = nullptr;
    QPushButton* cmd_listadoOrdenado = nullptr;
    QTreeWidget* lsv_ordenado = nullptr;
    QMenu* listadoOrdenado = nullptr;
    QAction* setIntake = nullptr;
    QAction* displayNutrients = nullptr;
    QAction* copyToMyFoods = nullptr;
    // Tab 4.
    QLabel* lbl_4_1 = nullptr;
    QLabel* lbl_4_2 = nullptr;
    RejillaDatos* dgr_alimentos = nullptr;
    QLabel* lbl_4_3 = nullptr;
    // Tab 5.
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
    QTreeView* lsv_wri = nullptr;
    QLabel* lbl_5_8 = nullptr;
    QPushButton* cmd_5_1 = nullptr;
    QPushButton* cmd_5_2 = nullptr;
    QPushButton* cmd_5_3 = nullptr;
    QPushButton* cmd_5_4 = nullptr;
    // Tab 6.
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    QTreeWidget* lsv_perfiles = nullptr;
    QPushButton* cmd_perfilNuevo = nullptr;
    QPushButton* cmd_perfilCargar = nullptr;
    QPushButton* cmd_perfilGuardar = nullptr;
    QPushButton* cmd_perfilRenombrar = nullptr;
    QPushButton* cmd_perfilBorrar = nullptr;
    QPushButton* cmd_respaldar = nullptr;
    QPushButton* cmd_restaurar = nullptr;
    QCheckBox* chk_confirmarEnBarra = nullptr;
    QLabel* lbl_acerca = nullptr;
    // Tab 7.
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
    QRadioButton* opb_recomendados = nullptr;
    QRadioButton* opb_limites = nullptr;
    QRadioButton* opb_requerimientos = nullptr;
    QStackedWidget* stk_dris = nullptr;
    QLabel* Label25 = nullptr;
    RejillaDatos* dgr_ul = nullptr;
    QLabel* Label26 = nullptr;
    RejillaDatos* dgr_ear = nullptr;
    // Tab 8.
    QLabel* lbl_8_1 = nullptr;
    QLabel* lbl_8_2 = nullptr;
    QTreeWidget* lsv_propios = nullptr;
    QPushButton* cmd_alimentoNuevo = nullptr;
    QPushButton* cmd_recetaNueva = nullptr;
    QPushButton* cmd_propioEditar = nullptr;
    QPushButton* cmd_propioCopiar = nullptr;
    QPushButton* cmd_propioBorrar = nullptr;
    QPushButton* cmd_exportarPropios = nullptr;
    QPushButton* cmd_importarPropios = nullptr;
};

// The controls of `ventana`, found at the first call and kept while it lives.
Pantalla& ui(QWidget& ventana);

class DialogoIngesta;
class DialogoPerfil;
class EditorPropio;
class Ficha;
class QTableWidget;

// The controls of a profile-name dialog, by the object names they carry.
struct PantallaPerfil
{
    QLabel* lbl_perfil = nullptr;
    QLineEdit* tbx_perfil = nullptr;
    QPushButton* cmd_cancelar = nullptr;
    QPushButton* cmd_guardar = nullptr;
};

PantallaPerfil ui(DialogoPerfil& dialogo);

// The controls of a household-measure helper.
struct PantallaAyuda
{
    QLineEdit* tbx_medidaCantidad = nullptr;
    QComboBox* cmb_medidas = nullptr;
    QComboBox* cmb_periodo = nullptr;
    QLabel* lbl_calculo = nullptr;
    QLabel* lbl_guardada = nullptr;
};

PantallaAyuda ui(AyudaMedidas& ayuda);

// The controls of the intake dialog of the ranking.
struct PantallaIngesta
{
    QLabel* lbl_alimento = nullptr;
    QLineEdit* tbx_cantidad = nullptr;
    QPushButton* cmd_guardar = nullptr;
    PantallaAyuda ayuda;
};

PantallaIngesta ui(DialogoIngesta& dialogo);

// The controls of a detail window.
struct PantallaFicha
{
    QLabel* lbl_titulo = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label12 = nullptr;
    QComboBox* cmb_medidas = nullptr;
    QTreeWidget* lsv_infoCompleta = nullptr;
};

PantallaFicha ui(Ficha& ficha);

// The controls of the editor of an own food or recipe (those of a recipe
// are null for a food, and the reverse).
struct PantallaEditor
{
    QLineEdit* tbx_nombre = nullptr;
    QComboBox* cmb_grupo = nullptr;
    QRadioButton* opb_por100 = nullptr;
    QRadioButton* opb_porRacion = nullptr;
    QLineEdit* tbx_racion = nullptr;
    QTableWidget* tbl_nutrientes = nullptr;
    QPushButton* cmd_masNutrientes = nullptr;
    QLabel* lbl_conocidos = nullptr;
    QTableWidget* tbl_medidas = nullptr;
    QPushButton* cmd_medidaAgregar = nullptr;
    QPushButton* cmd_medidaQuitar = nullptr;
    QTableWidget* tbl_ingredientes = nullptr;
    QLineEdit* tbx_ingrediente = nullptr;
    QPushButton* cmd_ingredienteBuscar = nullptr;
    QTreeWidget* lsv_candidatos = nullptr;
    QLineEdit* tbx_ingredienteCantidad = nullptr;
    QComboBox* cmb_ingredienteMedida = nullptr;
    QPushButton* cmd_ingredienteAgregar = nullptr;
    QPushButton* cmd_ingredienteQuitar = nullptr;
    QLineEdit* tbx_pesoCocinado = nullptr;
    QLineEdit* tbx_raciones = nullptr;
    QPushButton* cmd_guardar = nullptr;
    QPushButton* cmd_cancelar = nullptr;
};

PantallaEditor ui(EditorPropio& editor);
