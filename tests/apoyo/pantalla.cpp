#include "apoyo/pantalla.h"

#include "windows/catalogue/dialogoingesta.h"
#include "windows/catalogue/editorpropio.h"
#include "windows/catalogue/ficha.h"
#include "windows/profiles/dialogoperfil.h"

#include <QHash>
#include <QTableWidget>
#include <QtTest>

namespace {

// The child called `nombre`; the first one, in the tabs, where a dialog
// opened later has a control of the same name.
template <typename T> T* buscar(QWidget& ventana, const char* nombre)
{
    T* hijo = ventana.findChild<T*>(QLatin1String(nombre));
    if (!hijo)
        qWarning("The window has no %s \"%s\"", T::staticMetaObject.className(), nombre);
    return hijo;
}

// The same for a control that only some forms of a window have.
template <typename T> T* siHay(QWidget& ventana, const char* nombre, bool hay)
{
    return hay ? buscar<T>(ventana, nombre) : nullptr;
}

// The controls of tab 8.
void encontrarOcho(Pantalla& p, QWidget& ventana)
{
    p.lbl_8_1 = buscar<QLabel>(ventana, "lbl_8_1");
    p.lbl_8_2 = buscar<QLabel>(ventana, "lbl_8_2");
    p.lsv_propios = buscar<QTreeWidget>(ventana, "lsv_propios");
    p.cmd_alimentoNuevo = buscar<QPushButton>(ventana, "cmd_alimentoNuevo");
    p.cmd_recetaNueva = buscar<QPushButton>(ventana, "cmd_recetaNueva");
    p.cmd_propioEditar = buscar<QPushButton>(ventana, "cmd_propioEditar");
    p.cmd_propioCopiar = buscar<QPushButton>(ventana, "cmd_propioCopiar");
    p.cmd_propioBorrar = buscar<QPushButton>(ventana, "cmd_propioBorrar");
    p.cmd_exportarPropios = buscar<QPushButton>(ventana, "cmd_exportarPropios");
    p.cmd_importarPropios = buscar<QPushButton>(ventana, "cmd_importarPropios");
}

Pantalla encontrar(QWidget& ventana)
{
    Pantalla p;
    p.tbs_fichas = buscar<QTabWidget>(ventana, "tbs_fichas");
    p.frm_uno = buscar<QWidget>(ventana, "frm_uno");
    p.frm_dos = buscar<QWidget>(ventana, "frm_dos");
    p.frm_tres = buscar<QWidget>(ventana, "frm_tres");
    p.frm_cuatro = buscar<QWidget>(ventana, "frm_cuatro");
    p.frm_cinco = buscar<QWidget>(ventana, "frm_cinco");
    p.frm_seis = buscar<QWidget>(ventana, "frm_seis");
    p.frm_siete = buscar<QWidget>(ventana, "frm_siete");
    p.frm_ocho = buscar<QWidget>(ventana, "frm_ocho");
    p.sbr_estado = buscar<QStatusBar>(ventana, "sbr_estado");
    p.lbl_perfil = buscar<QLabel>(ventana, "lbl_perfil");
    p.lbl_base = buscar<QLabel>(ventana, "lbl_base");
    p.Frame1 = buscar<QGroupBox>(ventana, "Frame1");
    p.cmb_edad = buscar<QComboBox>(ventana, "cmb_edad");
    p.opb_hombre = buscar<QRadioButton>(ventana, "opb_hombre");
    p.opb_mujer = buscar<QRadioButton>(ventana, "opb_mujer");
    p.tbx_peso = buscar<QLineEdit>(ventana, "tbx_peso");
    p.cmd_personales = buscar<QPushButton>(ventana, "cmd_personales");
    p.lbl_2_1 = buscar<QLabel>(ventana, "lbl_2_1");
    p.lbl_2_2 = buscar<QLabel>(ventana, "lbl_2_2");
    p.lbl_2_3 = buscar<QLabel>(ventana, "lbl_2_3");
    p.lbl_2_4 = buscar<QLabel>(ventana, "lbl_2_4");
    p.tbx_buscar = buscar<QLineEdit>(ventana, "tbx_buscar");
    p.cmd_buscar = buscar<QPushButton>(ventana, "cmd_buscar");
    p.lbx_categorias = buscar<QListWidget>(ventana, "lbx_categorias");
    p.lsv_alimentos = buscar<QTreeWidget>(ventana, "lsv_alimentos");
    p.tbx_cantidad = buscar<QLineEdit>(ventana, "tbx_cantidad");
    p.cmd_guardar = buscar<QPushButton>(ventana, "cmd_guardar");
    p.ayudaMedidas = p.frm_dos->findChild<AyudaMedidas*>();
    p.buscador = buscar<QMenu>(ventana, "buscador");
    p.displayNutrientsBuscador = buscar<QAction>(ventana, "displayNutrientsBuscador");
    p.copyToMyFoodsBuscador = buscar<QAction>(ventana, "copyToMyFoodsBuscador");
    p.lbl_3_1 = buscar<QLabel>(ventana, "lbl_3_1");
    p.lbl_3_2 = buscar<QLabel>(ventana, "lbl_3_2");
    p.cmb_nutrientes = buscar<QComboBox>(ventana, "cmb_nutrientes");
    p.cmb_categorias = buscar<QComboBox>(ventana, "cmb_categorias");
    p.cmd_listadoOrdenado = buscar<QPushButton>(ventana, "cmd_listadoOrdenado");
    p.lsv_ordenado = buscar<QTreeWidget>(ventana, "lsv_ordenado");
    p.listadoOrdenado = buscar<QMenu>(ventana, "listadoOrdenado");
    p.setIntake = buscar<QAction>(ventana, "setIntake");
    p.displayNutrients = buscar<QAction>(ventana, "displayNutrients");
    p.copyToMyFoods = buscar<QAction>(ventana, "copyToMyFoods");
    p.lbl_4_1 = buscar<QLabel>(ventana, "lbl_4_1");
    p.lbl_4_2 = buscar<QLabel>(ventana, "lbl_4_2");
    p.dgr_alimentos = buscar<RejillaDatos>(ventana, "dgr_alimentos");
    p.lbl_4_3 = buscar<QLabel>(ventana, "lbl_4_3");
    p.lbl_5_1 = buscar<QLabel>(ventana, "lbl_5_1");
    p.lbl_5_2 = buscar<QLabel>(ventana, "lbl_5_2");
    p.lbl_5_3 = buscar<QLabel>(ventana, "lbl_5_3");
    p.lbl_5_4 = buscar<QLabel>(ventana, "lbl_5_4");
    p.lbl_5_5 = buscar<QLabel>(ventana, "lbl_5_5");
    p.lbl_5_6 = buscar<QLabel>(ventana, "lbl_5_6");
    p.lbl_5_7 = buscar<QLabel>(ventana, "lbl_5_7");
    p.img_5_1 = buscar<QLabel>(ventana, "img_5_1");
    p.img_5_2 = buscar<QLabel>(ventana, "img_5_2");
    p.img_5_3 = buscar<QLabel>(ventana, "img_5_3");
    p.img_5_4 = buscar<QLabel>(ventana, "img_5_4");
    p.lsv_wri = buscar<QTreeView>(ventana, "lsv_wri");
    p.lbl_5_8 = buscar<QLabel>(ventana, "lbl_5_8");
    p.cmd_5_1 = buscar<QPushButton>(ventana, "cmd_5_1");
    p.cmd_5_2 = buscar<QPushButton>(ventana, "cmd_5_2");
    p.cmd_5_3 = buscar<QPushButton>(ventana, "cmd_5_3");
    p.cmd_5_4 = buscar<QPushButton>(ventana, "cmd_5_4");
    p.Label15 = buscar<QLabel>(ventana, "Label15");
    p.Label16 = buscar<QLabel>(ventana, "Label16");
    p.lsv_perfiles = buscar<QTreeWidget>(ventana, "lsv_perfiles");
    p.cmd_perfilNuevo = buscar<QPushButton>(ventana, "cmd_perfilNuevo");
    p.cmd_perfilCargar = buscar<QPushButton>(ventana, "cmd_perfilCargar");
    p.cmd_perfilGuardar = buscar<QPushButton>(ventana, "cmd_perfilGuardar");
    p.cmd_perfilRenombrar = buscar<QPushButton>(ventana, "cmd_perfilRenombrar");
    p.cmd_perfilBorrar = buscar<QPushButton>(ventana, "cmd_perfilBorrar");
    p.cmd_respaldar = buscar<QPushButton>(ventana, "cmd_respaldar");
    p.cmd_restaurar = buscar<QPushButton>(ventana, "cmd_restaurar");
    p.chk_confirmarEnBarra = buscar<QCheckBox>(ventana, "chk_confirmarEnBarra");
    p.lbl_acerca = buscar<QLabel>(ventana, "lbl_acerca");
    p.Label17 = buscar<QLabel>(ventana, "Label17");
    p.Label18 = buscar<QLabel>(ventana, "Label18");
    p.Label19 = buscar<QLabel>(ventana, "Label19");
    p.Label20 = buscar<QLabel>(ventana, "Label20");
    p.Label22 = buscar<QLabel>(ventana, "Label22");
    p.Label23 = buscar<QLabel>(ventana, "Label23");
    p.Label24 = buscar<QLabel>(ventana, "Label24");
    p.dgr_dri1 = buscar<RejillaDatos>(ventana, "dgr_dri1");
    p.dgr_dri2 = buscar<RejillaDatos>(ventana, "dgr_dri2");
    p.dgr_dri3 = buscar<RejillaDatos>(ventana, "dgr_dri3");
    p.dgr_dri4 = buscar<RejillaDatos>(ventana, "dgr_dri4");
    p.opb_recomendados = buscar<QRadioButton>(ventana, "opb_recomendados");
    p.opb_limites = buscar<QRadioButton>(ventana, "opb_limites");
    p.opb_requerimientos = buscar<QRadioButton>(ventana, "opb_requerimientos");
    p.stk_dris = buscar<QStackedWidget>(ventana, "stk_dris");
    p.Label25 = buscar<QLabel>(ventana, "Label25");
    p.dgr_ul = buscar<RejillaDatos>(ventana, "dgr_ul");
    p.Label26 = buscar<QLabel>(ventana, "Label26");
    p.dgr_ear = buscar<RejillaDatos>(ventana, "dgr_ear");
    encontrarOcho(p, ventana);
    return p;
}

} // namespace

Pantalla& ui(QWidget& ventana)
{
    static QHash<QWidget*, Pantalla> pantallas;
    auto it = pantallas.find(&ventana);
    if (it == pantallas.end()) {
        it = pantallas.insert(&ventana, encontrar(ventana));
        QObject::connect(&ventana, &QObject::destroyed, [w = &ventana] { pantallas.remove(w); });
    }
    return *it;
}

PantallaPerfil ui(DialogoPerfil& dialogo)
{
    PantallaPerfil p;
    p.lbl_perfil = buscar<QLabel>(dialogo, "lbl_perfil");
    p.tbx_perfil = buscar<QLineEdit>(dialogo, "tbx_perfil");
    p.cmd_cancelar = buscar<QPushButton>(dialogo, "cmd_cancelar");
    p.cmd_guardar = buscar<QPushButton>(dialogo, "cmd_guardar");
    return p;
}

PantallaAyuda ui(AyudaMedidas& ayuda)
{
    PantallaAyuda p;
    p.tbx_medidaCantidad = buscar<QLineEdit>(ayuda, "tbx_medidaCantidad");
    p.cmb_medidas = buscar<QComboBox>(ayuda, "cmb_medidas");
    p.cmb_periodo = buscar<QComboBox>(ayuda, "cmb_periodo");
    p.lbl_calculo = buscar<QLabel>(ayuda, "lbl_calculo");
    p.lbl_guardada = buscar<QLabel>(ayuda, "lbl_guardada");
    return p;
}

PantallaIngesta ui(DialogoIngesta& dialogo)
{
    PantallaIngesta p;
    p.lbl_alimento = buscar<QLabel>(dialogo, "lbl_alimento");
    p.tbx_cantidad = buscar<QLineEdit>(dialogo, "tbx_cantidad");
    p.cmd_guardar = buscar<QPushButton>(dialogo, "cmd_guardar");
    if (auto* ayuda = dialogo.findChild<AyudaMedidas*>())
        p.ayuda = ui(*ayuda);
    return p;
}

PantallaFicha ui(Ficha& ficha)
{
    PantallaFicha p;
    p.lbl_titulo = buscar<QLabel>(ficha, "lbl_titulo");
    p.Label2 = buscar<QLabel>(ficha, "Label2");
    p.Label12 = buscar<QLabel>(ficha, "Label12");
    p.cmb_medidas = buscar<QComboBox>(ficha, "cmb_medidas");
    p.lsv_infoCompleta = buscar<QTreeWidget>(ficha, "lsv_infoCompleta");
    return p;
}

PantallaEditor ui(EditorPropio& editor)
{
    PantallaEditor p;
    // The controls of the other kind are missing on purpose.
    const bool receta = editor.findChild<QWidget*>(QStringLiteral("tbl_ingredientes"));
    p.tbx_nombre = buscar<QLineEdit>(editor, "tbx_nombre");
    p.cmb_grupo = buscar<QComboBox>(editor, "cmb_grupo");
    p.opb_por100 = siHay<QRadioButton>(editor, "opb_por100", !receta);
    p.opb_porRacion = siHay<QRadioButton>(editor, "opb_porRacion", !receta);
    p.tbx_racion = siHay<QLineEdit>(editor, "tbx_racion", !receta);
    p.tbl_nutrientes = buscar<QTableWidget>(editor, "tbl_nutrientes");
    p.cmd_masNutrientes = buscar<QPushButton>(editor, "cmd_masNutrientes");
    p.lbl_conocidos = buscar<QLabel>(editor, "lbl_conocidos");
    p.tbl_medidas = buscar<QTableWidget>(editor, "tbl_medidas");
    p.cmd_medidaAgregar = buscar<QPushButton>(editor, "cmd_medidaAgregar");
    p.cmd_medidaQuitar = buscar<QPushButton>(editor, "cmd_medidaQuitar");
    p.tbl_ingredientes = siHay<QTableWidget>(editor, "tbl_ingredientes", receta);
    p.tbx_ingrediente = siHay<QLineEdit>(editor, "tbx_ingrediente", receta);
    p.cmd_ingredienteBuscar = siHay<QPushButton>(editor, "cmd_ingredienteBuscar", receta);
    p.lsv_candidatos = siHay<QTreeWidget>(editor, "lsv_candidatos", receta);
    p.tbx_ingredienteCantidad = siHay<QLineEdit>(editor, "tbx_ingredienteCantidad", receta);
    p.cmb_ingredienteMedida = siHay<QComboBox>(editor, "cmb_ingredienteMedida", receta);
    p.cmd_ingredienteAgregar = siHay<QPushButton>(editor, "cmd_ingredienteAgregar", receta);
    p.cmd_ingredienteQuitar = siHay<QPushButton>(editor, "cmd_ingredienteQuitar", receta);
    p.tbx_pesoCocinado = siHay<QLineEdit>(editor, "tbx_pesoCocinado", receta);
    p.tbx_raciones = siHay<QLineEdit>(editor, "tbx_raciones", receta);
    p.cmd_guardar = buscar<QPushButton>(editor, "cmd_guardar");
    p.cmd_cancelar = buscar<QPushButton>(editor, "cmd_cancelar");
    return p;
}
