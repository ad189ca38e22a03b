#include "windows/main/interfaz.h"

#include "windows/common/controles.h"
#include "windows/common/etiquetarecortada.h"

#include <QFrame>
#include <QLabel>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

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
    // A long profile name is cut short here, whole in the tooltip.
    lbl_perfil = crear<EtiquetaRecortada>(sbr_estado, "lbl_perfil");
    lbl_perfil->setTextFormat(Qt::PlainText);
    sbr_estado->addWidget(lbl_perfil, 1);
    lbl_base = crear<QLabel>(sbr_estado, "lbl_base");
    lbl_base->setTextFormat(Qt::PlainText);
    lbl_base->hide();
    sbr_estado->addPermanentWidget(lbl_base);
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

    ControlesDatos::construir(frm_uno);
    ControlesBusqueda::construir(frm_dos);
    ControlesRanking::construir(frm_tres);
    ControlesIngestas::construir(frm_cuatro);
    ControlesResultados::construir(frm_cinco);
    ControlesPerfiles::construir(frm_seis);
    ControlesDRIs::construir(frm_siete);
}
