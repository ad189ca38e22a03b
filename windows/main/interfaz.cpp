#include "windows/main/interfaz.h"

#include "resources/iconos.h"
#include "windows/main/rejilla.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

template <typename T> T* crear(QWidget* padre, const char* nombre)
{
    auto* w = new T(padre);
    w->setObjectName(QLatin1String(nombre));
    return w;
}

QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto)
{
    auto* l = crear<QLabel>(padre, nombre);
    l->setText(texto);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton* boton(QWidget* padre, const char* nombre, const QString& texto)
{
    auto* b = crear<QPushButton>(padre, nombre);
    b->setText(texto);
    return b;
}

QFrame* marco(QTabWidget* pestanas, const char* nombre, const QString& titulo, const char* clave)
{
    auto* f = crear<QFrame>(pestanas, nombre);
    f->setFrameShape(QFrame::NoFrame);
    const int i = pestanas->addTab(f, titulo);
    pestanas->tabBar()->setTabData(i, QLatin1String(clave));
    // On a narrow screen the caption is shortened; the tip tells it whole.
    pestanas->setTabToolTip(i, titulo);
    return f;
}

// A list view in report form whose columns carry the given captions and keys.
QTreeWidget* listaInforme(QWidget* padre, const char* nombre, const QStringList& titulos,
                          const QStringList& claves)
{
    auto* l = crear<QTreeWidget>(padre, nombre);
    l->setRootIsDecorated(false);
    l->setUniformRowHeights(true);
    l->setAllColumnsShowFocus(true);
    l->setColumnCount(titulos.size());
    l->setHeaderLabels(titulos);
    for (int i = 0; i < claves.size(); ++i)
        l->headerItem()->setData(i, RolClaveColumna, claves[i]);
    l->header()->setSectionsMovable(false);
    l->header()->setStretchLastSection(false);
    return l;
}

} // namespace

void InterfazPrincipal::construir(QWidget* ventana)
{
    auto* raiz = new QVBoxLayout(ventana);
    raiz->setContentsMargins(8, 8, 8, 0);
    tbs_fichas = crear<QTabWidget>(ventana, "tbs_fichas");
    // Every tab stays in sight: captions are shortened rather than scrolled.
    tbs_fichas->setUsesScrollButtons(false);
    tbs_fichas->setElideMode(Qt::ElideRight);
    raiz->addWidget(tbs_fichas);
    sbr_estado = crear<QStatusBar>(ventana, "sbr_estado");
    sbr_estado->setSizeGripEnabled(false);
    lbl_perfil = crear<QLabel>(sbr_estado, "lbl_perfil");
    lbl_perfil->setTextFormat(Qt::PlainText);
    sbr_estado->addWidget(lbl_perfil, 1);
    raiz->addWidget(sbr_estado);

    frm_uno = marco(tbs_fichas, "frm_uno", QStringLiteral("1: Personal data"), "uno");
    frm_dos = marco(tbs_fichas, "frm_dos", QStringLiteral("2: Search food and set intake"), "dos");
    frm_tres = marco(tbs_fichas, "frm_tres",
                     QStringLiteral("3: Sort foods by nutrient and set intake"), "tres");
    frm_cuatro =
        marco(tbs_fichas, "frm_cuatro", QStringLiteral("4: Confirm food intakes"), "cuatro");
    frm_cinco = marco(tbs_fichas, "frm_cinco", QStringLiteral("5: Display results"), "cinco");
    frm_seis = marco(tbs_fichas, "frm_seis", QStringLiteral("6: Manage profiles"), "seis");
    frm_siete = marco(tbs_fichas, "frm_siete", QStringLiteral("7: Set DRIs"), "siete");

    // 1: Personal data: the form centred in the upper part of the tab.
    {
        Frame1 = crear<QGroupBox>(frm_uno, "Frame1");
        Frame1->setTitle(QStringLiteral("Complete the following form and click Save"));
        auto* rejilla = new QGridLayout(Frame1);
        rejilla->setVerticalSpacing(14);
        rejilla->addWidget(etiqueta(Frame1, "lbl_edad", QStringLiteral("Age:")), 0, 0);
        cmb_edad = crear<QComboBox>(Frame1, "cmb_edad");
        rejilla->addWidget(cmb_edad, 0, 1, 1, 2);
        rejilla->addWidget(etiqueta(Frame1, "lbl_genero", QStringLiteral("Gender:")), 1, 0);
        opb_hombre = crear<QRadioButton>(Frame1, "opb_hombre");
        opb_hombre->setText(QStringLiteral("Male"));
        opb_mujer = crear<QRadioButton>(Frame1, "opb_mujer");
        opb_mujer->setText(QStringLiteral("Female"));
        grupoGenero = new QButtonGroup(Frame1);
        grupoGenero->addButton(opb_hombre, 0);
        grupoGenero->addButton(opb_mujer, 1);
        rejilla->addWidget(opb_hombre, 1, 1);
        rejilla->addWidget(opb_mujer, 1, 2);
        auto* lblPeso = etiqueta(Frame1, "lbl_peso", QStringLiteral("Weight  (kilograms):"));
        lblPeso->setWordWrap(false);
        rejilla->addWidget(lblPeso, 2, 0);
        tbx_peso = crear<QLineEdit>(Frame1, "tbx_peso");
        tbx_peso->setMaxLength(3);
        tbx_peso->setMaximumWidth(60);
        rejilla->addWidget(tbx_peso, 2, 1, 1, 2, Qt::AlignLeft);
        rejilla->setColumnStretch(1, 1);
        rejilla->setColumnStretch(2, 1);

        cmd_personales = boton(frm_uno, "cmd_personales", QStringLiteral("Save"));
        cmd_personales->setMinimumWidth(180);

        auto* v = new QVBoxLayout(frm_uno);
        v->setContentsMargins(0, 40, 0, 0);
        auto* fila = new QHBoxLayout;
        fila->addStretch(1);
        fila->addWidget(Frame1, 3);
        fila->addStretch(1);
        v->addLayout(fila);
        v->addSpacing(24);
        v->addWidget(cmd_personales, 0, Qt::AlignHCenter);
        v->addStretch(1);
    }

    // 2: Search food and set intake
    {
        lbl_2_1 = etiqueta(frm_dos, "lbl_2_1",
                           QStringLiteral("Step 1: Enter your search term(s) in the textbox "
                                          "below and click Find."));
        tbx_buscar = crear<QLineEdit>(frm_dos, "tbx_buscar");
        cmd_buscar = boton(frm_dos, "cmd_buscar", QStringLiteral("Find"));
        lbl_2_2 = etiqueta(frm_dos, "lbl_2_2",
                           QStringLiteral("Step 2: Click the category that best matches with "
                                          "the food sought."));
        lbx_categorias = crear<QListWidget>(frm_dos, "lbx_categorias");
        lbl_2_3 = etiqueta(frm_dos, "lbl_2_3",
                           QStringLiteral("Step 3: Select the food you want to set your weekly "
                                          "intake to. Right click to display nutrients."));
        lsv_alimentos = listaInforme(frm_dos, "lsv_alimentos", {QStringLiteral("Food")},
                                     {QStringLiteral("food")});
        lsv_alimentos->header()->setStretchLastSection(true);
        lbl_2_4 = etiqueta(frm_dos, "lbl_2_4",
                           QStringLiteral("Step 4: Enter your weekly intake (grams, integer "
                                          "numbers) in the textbox below and click Save."));
        tbx_cantidad = crear<QLineEdit>(frm_dos, "tbx_cantidad");
        tbx_cantidad->setMaxLength(5);
        tbx_cantidad->setMaximumWidth(70);
        cmd_guardar = boton(frm_dos, "cmd_guardar", QStringLiteral("Save"));

        auto* v = new QVBoxLayout(frm_dos);
        v->addWidget(lbl_2_1);
        auto* busqueda = new QHBoxLayout;
        busqueda->addWidget(tbx_buscar, 3);
        busqueda->addWidget(cmd_buscar, 1);
        v->addLayout(busqueda);
        v->addWidget(lbl_2_2);
        v->addWidget(lbx_categorias, 2);
        v->addWidget(lbl_2_3);
        v->addWidget(lsv_alimentos, 3);
        v->addWidget(lbl_2_4);
        auto* cantidad = new QHBoxLayout;
        cantidad->addWidget(tbx_cantidad);
        cantidad->addWidget(cmd_guardar, 1);
        v->addLayout(cantidad);
    }

    // 3: Sort foods by nutrient and set intake
    {
        lbl_3_1 = etiqueta(frm_tres, "lbl_3_1",
                           QStringLiteral("This utility is complementary to the previous one. "
                                          "It displays for each food, the selected nutrient in "
                                          "one hundred grams of an edible portion."));
        lbl_3_2 = etiqueta(frm_tres, "lbl_3_2",
                           QStringLiteral("Select a nutrient and click Sort. Once displayed, "
                                          "right click the items to set weekly intakes or to "
                                          "display all nutrients. You can reverse the order by "
                                          "clicking the columns' headers."));
        cmb_nutrientes = crear<QComboBox>(frm_tres, "cmb_nutrientes");
        cmb_nutrientes->setPlaceholderText(QStringLiteral("Select a nutrient"));
        cmb_nutrientes->setMaxVisibleItems(20);
        cmb_categorias = crear<QComboBox>(frm_tres, "cmb_categorias");
        cmb_categorias->setPlaceholderText(QStringLiteral("Filter by category"));
        cmb_categorias->setMaxVisibleItems(20);
        cmd_listadoOrdenado = boton(frm_tres, "cmd_listadoOrdenado", QStringLiteral("Sort"));
        lsv_ordenado = listaInforme(frm_tres, "lsv_ordenado", {QStringLiteral("Food"), QString()},
                                    {QStringLiteral("uno"), QStringLiteral("dos")});
        lsv_ordenado->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        lsv_ordenado->header()->setSectionResizeMode(1, QHeaderView::Interactive);
        lsv_ordenado->setColumnWidth(1, 110);
        // Hidden until the first ranking, it keeps its room below the controls.
        QSizePolicy reserva = lsv_ordenado->sizePolicy();
        reserva.setRetainSizeWhenHidden(true);
        lsv_ordenado->setSizePolicy(reserva);

        auto* v = new QVBoxLayout(frm_tres);
        v->addWidget(lbl_3_1);
        v->addWidget(lbl_3_2);
        auto* fila = new QHBoxLayout;
        fila->addWidget(cmb_nutrientes, 5);
        fila->addWidget(cmb_categorias, 6);
        fila->addWidget(cmd_listadoOrdenado, 2);
        v->addLayout(fila);
        v->addWidget(lsv_ordenado, 1);
    }

    // 4: Confirm food intakes
    {
        lbl_4_1 = etiqueta(frm_cuatro, "lbl_4_1",
                           QStringLiteral("The following grid displays the weekly intakes you "
                                          "have already set."));
        lbl_4_2 = etiqueta(frm_cuatro, "lbl_4_2",
                           QStringLiteral("You can set new intakes, just rewrite them (remember "
                                          "they must be grams, integer numbers).     To remove a "
                                          "food, switch its intake to zero. Click any other row "
                                          "to commit changes."));
        dgr_alimentos = crear<RejillaDatos>(frm_cuatro, "dgr_alimentos");
        auto* v = new QVBoxLayout(frm_cuatro);
        v->addWidget(lbl_4_1);
        v->addWidget(lbl_4_2);
        v->addWidget(dgr_alimentos, 1);
    }

    // 5: Display results
    {
        lbl_5_1 = etiqueta(frm_cinco, "lbl_5_1",
                           QStringLiteral("The following chart summons up your weekly "
                                          "nutrients' intake (third column), displaying their "
                                          "ratio over recommended ones in the fourth column. You "
                                          "can sort them by clicking their headers. "));
        lbl_5_6 = etiqueta(frm_cinco, "lbl_5_6",
                           QStringLiteral("The fourth column is the REFERENCE that underlies "
                                          "your evaluation."));
        lbl_5_7 = etiqueta(frm_cinco, "lbl_5_7",
                           QStringLiteral("Note: Recommended intakes of carbohydrates, sugars "
                                          "and fats are calculated by the percentage they "
                                          "comprise over the total amount of calories."));
        auto* leyenda = new QHBoxLayout;
        const struct
        {
            QLabel** imagen;
            const char* nombreImagen;
            QLabel** texto;
            const char* nombreTexto;
            const char* titulo;
            const char* clave;
        } partes[] = {
            {&img_5_1, "img_5_1", &lbl_5_2, "lbl_5_2", "General", "general"},
            {&img_5_2, "img_5_2", &lbl_5_3, "lbl_5_3", "Amino acids", "aminoacidos"},
            {&img_5_3, "img_5_3", &lbl_5_4, "lbl_5_4", "Vitamins", "vitaminas"},
            {&img_5_4, "img_5_4", &lbl_5_5, "lbl_5_5", "Minerals", "minerales"},
        };
        for (const auto& p : partes) {
            *p.imagen = crear<QLabel>(frm_cinco, p.nombreImagen);
            (*p.imagen)->setPixmap(iconoCategoria(QLatin1String(p.clave)).pixmap(16, 16));
            *p.texto = etiqueta(frm_cinco, p.nombreTexto, QLatin1String(p.titulo));
            (*p.texto)->setWordWrap(false);
            leyenda->addWidget(*p.imagen);
            leyenda->addWidget(*p.texto);
            leyenda->addSpacing(18);
        }
        leyenda->addStretch(1);
        lsv_wri = listaInforme(frm_cinco, "lsv_wri",
                               {QStringLiteral("Nutrient"), QStringLiteral("Unit"),
                                QStringLiteral("Intake"), QStringLiteral("% WRI")},
                               {QStringLiteral("uno"), QStringLiteral("dos"),
                                QStringLiteral("tres"), QStringLiteral("cuatro")});
        lsv_wri->setColumnWidth(0, 190);
        for (int i = 1; i < 4; ++i)
            lsv_wri->setColumnWidth(i, 70);
        lsv_wri->header()->setSectionResizeMode(0, QHeaderView::Stretch);

        auto* v = new QVBoxLayout(frm_cinco);
        v->addWidget(lbl_5_1);
        v->addWidget(lbl_5_6);
        v->addWidget(lbl_5_7);
        v->addLayout(leyenda);
        v->addWidget(lsv_wri, 1);
    }

    // 6: Manage profiles
    {
        Label15 = etiqueta(frm_seis, "Label15",
                           QStringLiteral("The following list displays profiles already saved."));
        Label16 = etiqueta(frm_seis, "Label16",
                           QStringLiteral("A profile stores information about saved food intakes "
                                          "and personal data. Select one of them and click the "
                                          "buttons on the right for managing. "));
        lsv_perfiles = listaInforme(frm_seis, "lsv_perfiles", {QString()}, {QStringLiteral("uno")});
        lsv_perfiles->setHeaderHidden(true);
        lsv_perfiles->header()->setStretchLastSection(true);
        cmd_perfilNuevo = boton(frm_seis, "cmd_perfilNuevo", QStringLiteral("New"));
        cmd_perfilCargar = boton(frm_seis, "cmd_perfilCargar", QStringLiteral("Load"));
        cmd_perfilGuardar = boton(frm_seis, "cmd_perfilGuardar", QStringLiteral("Save as"));
        cmd_perfilRenombrar = boton(frm_seis, "cmd_perfilRenombrar", QStringLiteral("Rename"));
        cmd_perfilBorrar = boton(frm_seis, "cmd_perfilBorrar", QStringLiteral("Remove"));

        auto* botones = new QVBoxLayout;
        botones->setSpacing(14);
        for (QPushButton* b : {cmd_perfilNuevo, cmd_perfilCargar, cmd_perfilGuardar,
                               cmd_perfilRenombrar, cmd_perfilBorrar}) {
            b->setMinimumWidth(140);
            b->setMaximumWidth(220);
            botones->addWidget(b);
        }
        botones->addStretch(1);
        auto* fila = new QHBoxLayout;
        fila->addSpacing(24);
        fila->addWidget(lsv_perfiles, 5);
        fila->addSpacing(24);
        fila->addLayout(botones, 3);
        fila->addSpacing(24);

        auto* v = new QVBoxLayout(frm_seis);
        v->addWidget(Label15);
        v->addWidget(Label16);
        v->addSpacing(12);
        v->addLayout(fila, 1);
        v->addSpacing(40);
    }

    // 7: Set DRIs
    {
        Label17 = etiqueta(frm_siete, "Label17",
                           QStringLiteral("As there is no general agreement about exact values of "
                                          "the Dietary Reference Intakes (DRI), this utility "
                                          "allows you to reset them, just rewrite them and click "
                                          "the next or previous row."));
        Label23 = etiqueta(frm_siete, "Label23", QStringLiteral("Important:"));
        Label23->setWordWrap(false);
        QFont negrita = Label23->font();
        negrita.setBold(true);
        Label23->setFont(negrita);
        Label24 = etiqueta(frm_siete, "Label24",
                           QStringLiteral("Although this software works on weekly intakes, DRIs "
                                          "must be DAILY values."));
        Label18 = etiqueta(frm_siete, "Label18",
                           QStringLiteral("Protein: Grams for each kilogram of body weight."));
        dgr_dri1 = crear<RejillaDatos>(frm_siete, "dgr_dri1");
        Label19 = etiqueta(frm_siete, "Label19",
                           QStringLiteral("Energy sources: The percentage these sources must "
                                          "comprise over the total amount of calories."));
        dgr_dri2 = crear<RejillaDatos>(frm_siete, "dgr_dri2");
        Label20 = etiqueta(frm_siete, "Label20",
                           QStringLiteral("Amino acids: Miligrams for each kilogram of body "
                                          "weight."));
        dgr_dri3 = crear<RejillaDatos>(frm_siete, "dgr_dri3");
        Label22 = etiqueta(frm_siete, "Label22",
                           QStringLiteral("Rest of nutrients: Refer to units displayed in the "
                                          "second column."));
        dgr_dri4 = crear<RejillaDatos>(frm_siete, "dgr_dri4");

        auto* v = new QVBoxLayout(frm_siete);
        v->addWidget(Label17);
        auto* importante = new QHBoxLayout;
        importante->addWidget(Label23);
        importante->addWidget(Label24, 1);
        v->addLayout(importante);
        v->addWidget(Label18);
        v->addWidget(dgr_dri1, 2);
        v->addWidget(Label19);
        v->addWidget(dgr_dri2, 3);
        v->addWidget(Label20);
        v->addWidget(dgr_dri3, 3);
        v->addWidget(Label22);
        v->addWidget(dgr_dri4, 3);
        // Room the grids do not need, once each shows all its rows.
        v->addStretch(1);
    }

    // Pop-up menus of the two food lists.
    buscador = crear<QMenu>(ventana, "buscador");
    displayNutrientsBuscador = buscador->addAction(QStringLiteral("&Display nutrients"));
    displayNutrientsBuscador->setObjectName(QStringLiteral("displayNutrientsBuscador"));
    listadoOrdenado = crear<QMenu>(ventana, "listadoOrdenado");
    setIntake = listadoOrdenado->addAction(QStringLiteral("&Set weekly intake"));
    setIntake->setObjectName(QStringLiteral("setIntake"));
    displayNutrients = listadoOrdenado->addAction(QStringLiteral("&Display all nutrients"));
    displayNutrients->setObjectName(QStringLiteral("displayNutrients"));
}
