#include "windows/main/ventanaprincipal.h"

#include "catalogue/pestanabusqueda.h"
#include "catalogue/pestanaranking.h"
#include "evaluation/pestanaresultados.h"
#include "evaluation/valoresrecomendados.h"
#include "profiles/datospersonales.h"
#include "profiles/perfilactual.h"
#include "profiles/pestanaperfiles.h"
#include "resources/iconos.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/main/mensajes.h"
#include "windows/main/modeloingestas.h"
#include "windows/main/pestanadris.h"
#include "windows/main/rejilla.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

#include <iterator>

namespace {

void ponerCursorOcupado()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void quitarCursorOcupado()
{
    QApplication::restoreOverrideCursor();
}

} // namespace

VentanaPrincipal::VentanaPrincipal(QWidget* padre) : QWidget(padre)
{
    setObjectName(QStringLiteral("f"));
    setWindowTitle(QStringLiteral("Alimetra 1.1"));
    setWindowIcon(iconoVentana());
    almacen::Ocupado::instalar(&ponerCursorOcupado, &quitarCursorOcupado);

    m_ui.construir(this);
    // Wide enough to show every tab at once, where the screen allows it.
    int ancho = qMax(760, m_ui.tbs_fichas->tabBar()->sizeHint().width() + 40);
    int alto = 860;
    if (QScreen* pantalla = screen()) {
        ancho = qMin(ancho, pantalla->availableGeometry().width() - 16);
        alto = qMin(alto, pantalla->availableGeometry().height() - 40);
    }
    resize(ancho, alto);

    m_ingestas = new ModeloIngestas(this);
    RejillaDatos* rejilla = m_ui.dgr_alimentos;
    rejilla->setModel(m_ingestas);
    rejilla->setColumnHidden(ModeloIngestas::ColId, true);
    // The food's name before its intake, the name taking the spare width.
    rejilla->horizontalHeader()->moveSection(ModeloIngestas::ColAlimento,
                                             ModeloIngestas::ColIngesta);
    rejilla->setColumnWidth(ModeloIngestas::ColIngesta, 915 / 15);
    rejilla->horizontalHeader()->setSectionResizeMode(ModeloIngestas::ColAlimento,
                                                      QHeaderView::Stretch);

    m_datos = new DatosPersonales(m_ui, this);
    m_perfiles = new PestanaPerfiles(*this);
    m_busqueda = new PestanaBusqueda(*this);
    m_ranking = new PestanaRanking(*this);
    m_resultados = new PestanaResultados(*this);
    m_dris = new PestanaDRIs(*this);

    connect(m_datos, &DatosPersonales::perfilCambiado, this,
            [this] { m_ui.lbl_perfil->setText(resumenPerfilActual()); });

    // Alt+1 ... Alt+7 go to tab 1 ... 7.
    for (int i = 0; i < m_ui.tbs_fichas->count(); ++i) {
        auto* atajo = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + i)), this);
        connect(atajo, &QShortcut::activated, this,
                [this, i] { m_ui.tbs_fichas->setCurrentIndex(i); });
    }

    connect(m_ui.tbs_fichas, &QTabWidget::currentChanged, this, &VentanaPrincipal::cambioDePestana);
    // A click on the tab already shown prepares it again (tab 5 recomputes).
    connect(m_ui.tbs_fichas, &QTabWidget::tabBarClicked, this, [this](int indice) {
        if (indice >= 0 && indice == m_ui.tbs_fichas->currentIndex()) {
            confirmarEdiciones(indice);
            mostrarTabs();
        }
    });
}

VentanaPrincipal::~VentanaPrincipal()
{
    if (!m_terminada)
        final();
}

void VentanaPrincipal::cargar(QWidget* presentacion)
{
    inicio();
    situarMarcos();
    m_datos->poblarComboEdades();
    extraerDatosPersonales();
    m_datos->seleccionarDatosPersonales();
    establecerValoresRecomendados();
    m_ranking->poblarComboNutrientes();
    m_ranking->poblarComboCategorias();
    m_ui.lsv_ordenado->hide();

    if (QScreen* pantalla = screen())
        move(pantalla->availableGeometry().center() - rect().center());
    show();
    if (presentacion)
        presentacion->close();
}

void VentanaPrincipal::inicio()
{
    abrirLog();
    QString fallo = almacen::abrirBase();
    m_dris->cargar();

    m_controlesDos = {m_ui.lbl_2_1,      m_ui.lbl_2_2,    m_ui.lbl_2_3,        m_ui.lbl_2_4,
                      m_ui.tbx_buscar,   m_ui.cmd_buscar, m_ui.lbx_categorias, m_ui.lsv_alimentos,
                      m_ui.tbx_cantidad, m_ui.cmd_guardar};
    m_controlesTres = {m_ui.lbl_3_1,
                       m_ui.lbl_3_2,
                       m_ui.cmb_nutrientes,
                       m_ui.cmb_categorias,
                       m_ui.cmd_listadoOrdenado,
                       m_ui.lsv_ordenado};
    m_controlesCuatro = {m_ui.lbl_4_1, m_ui.lbl_4_2, m_ui.dgr_alimentos};
    m_controlesCinco = {m_ui.lsv_wri, m_ui.lbl_5_1, m_ui.lbl_5_2, m_ui.lbl_5_3,
                        m_ui.lbl_5_4, m_ui.lbl_5_5, m_ui.lbl_5_6, m_ui.lbl_5_7,
                        m_ui.img_5_1, m_ui.img_5_2, m_ui.img_5_3, m_ui.img_5_4};

    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("inicio() -> ") + fallo);
}

void VentanaPrincipal::situarMarcos()
{
    const QSignalBlocker bloqueo(m_ui.tbs_fichas);
    m_ui.tbs_fichas->setCurrentIndex(0);
    m_pestanaAnterior = 0;
}

void VentanaPrincipal::confirmarEdiciones(int pestana)
{
    const QWidget* marco = m_ui.tbs_fichas->widget(pestana);
    if (marco == m_ui.frm_cuatro)
        m_ui.dgr_alimentos->confirmarEdicion();
    else if (marco == m_ui.frm_siete)
        m_dris->confirmarEdiciones();
}

void VentanaPrincipal::cambioDePestana(int indice)
{
    // A value still being edited in a grid is written before the tab changes.
    confirmarEdiciones(m_pestanaAnterior);
    m_pestanaAnterior = indice;
    mostrarTabs();
}

bool VentanaPrincipal::proteger(const QList<QWidget*>& controles)
{
    const bool completos = !faltanDatosPersonales();
    for (QWidget* c : controles)
        c->setEnabled(completos);
    return completos;
}

void VentanaPrincipal::avisarFaltanDatos()
{
    mensajes::avisar(this, QStringLiteral("Please, go to Personal Data and fulfill the form "
                                          "there displayed"));
}

void VentanaPrincipal::mostrarTabs()
{
    const QString clave =
        m_ui.tbs_fichas->tabBar()->tabData(m_ui.tbs_fichas->currentIndex()).toString();

    if (clave == QLatin1String("dos")) {
        if (!proteger(m_controlesDos))
            avisarFaltanDatos();
    } else if (clave == QLatin1String("tres")) {
        if (!proteger(m_controlesTres))
            avisarFaltanDatos();
    } else if (clave == QLatin1String("cuatro")) {
        const QString sentencia = ModeloIngestas::sentencia(perfilActual().idPerfil.texto());
        const QString fallo = m_ingestas->cargar(sentencia);
        if (!fallo.isEmpty())
            escribirLog(QStringLiteral("mostrarTabs() Tab 4 -> ") + conSentencia(fallo, sentencia));
        if (!proteger(m_controlesCuatro))
            avisarFaltanDatos();
    } else if (clave == QLatin1String("cinco")) {
        if (proteger(m_controlesCinco)) {
            establecerValoresRecomendados();
            m_resultados->mostrar();
        } else {
            m_resultados->vaciar();
            avisarFaltanDatos();
        }
    } else if (clave == QLatin1String("seis")) {
        m_perfiles->cargarPerfiles();
    }
}

void VentanaPrincipal::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    ajustarTitulos();
}

void VentanaPrincipal::ajustarTitulos()
{
    // Where the full captions do not fit side by side, the tabs take their
    // short forms; each tab's tip keeps the full caption.
    static const char* const cortos[] = {"1: Personal data", "2: Search food",
                                         "3: Sort by nutrient", "4: Confirm intakes",
                                         "5: Results", "6: Profiles", "7: Set DRIs"};
    QTabBar* barra = m_ui.tbs_fichas->tabBar();
    const QFontMetrics letra = barra->fontMetrics();
    const int margen = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, barra) + 8;
    int necesario = 0;
    for (int i = 0; i < barra->count(); ++i)
        necesario += letra.horizontalAdvance(barra->tabToolTip(i)) + margen;
    const bool completos = necesario <= m_ui.tbs_fichas->width();
    for (int i = 0; i < barra->count() && i < int(std::size(cortos)); ++i)
        barra->setTabText(i, completos ? barra->tabToolTip(i) : QLatin1String(cortos[i]));
}

void VentanaPrincipal::closeEvent(QCloseEvent* evento)
{
    final();
    evento->accept();
}

void VentanaPrincipal::final()
{
    if (m_terminada)
        return;
    m_terminada = true;

    // What the user typed last still counts.
    m_ui.dgr_alimentos->confirmarEdicion();
    m_dris->confirmarEdiciones();

    almacen::ejecutarSQL(QStringLiteral(
        "update DRIs set infants1=null, infants2=null, children1=null, children2=null, "
        "males1=null, males2=null, males3=null, males4=null, males5=null, males6=null, "
        "females1=null, females2=null, females3=null, females4=null, females5=null, "
        "females6=null where key='Empty'"));
    almacen::ejecutarSQL(QStringLiteral("delete from saves where intake=0"));

    // Models hold queries on the connection; they let go of them first.
    m_dris->liberar();
    m_ingestas->vaciar();
    almacen::cerrarBase();

    m_ranking->cerrarDialogos();
    m_perfiles->cerrarDialogo();
    cerrarLog();
}
