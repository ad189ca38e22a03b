#include "windows/main/ventanaprincipal.h"

#include "profiles/perfiles.h"
#include "resources/iconos.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/catalogue/pestanapropios.h"
#include "windows/catalogue/pestanaranking.h"
#include "windows/common/acerca.h"
#include "windows/common/controles.h"
#include "windows/common/etiquetarecortada.h"
#include "windows/common/mensajes.h"
#include "windows/common/rejilla.h"
#include "windows/evaluation/pestanaresultados.h"
#include "windows/main/pestanadris.h"
#include "windows/main/pestanaingestas.h"
#include "windows/profiles/datospersonales.h"
#include "windows/profiles/pestanaperfiles.h"
#include "windows/splash/intro.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <iterator>
#include <memory>

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

    construir();
    mensajes::instalarBarra([this](const QString& texto) { m_barra->showMessage(texto, 5000); });
    // Wide enough to show every tab at once, where the screen allows it.
    int ancho = qMax(760, m_pestanas->tabBar()->sizeHint().width() + 40);
    int alto = 860;
    if (QScreen* pantalla = screen()) {
        ancho = qMin(ancho, pantalla->availableGeometry().width() - 16);
        alto = qMin(alto, pantalla->availableGeometry().height() - 40);
    }
    resize(ancho, alto);

    // One handler refreshes whatever depends on the current profile.
    connect(&m_sesion, &Sesion::perfilCambiado, this, &VentanaPrincipal::alCambiarPerfil);

    auto* ayuda = new QShortcut(QKeySequence::HelpContents, this);
    connect(ayuda, &QShortcut::activated, this, [this] { mostrarAcerca(this); });

    // Alt+1 ... Alt+8 go to tab 1 ... 8.
    for (int i = 0; i < m_pestanas->count(); ++i) {
        auto* atajo = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + i)), this);
        connect(atajo, &QShortcut::activated, this, [this, i] { irAPestana(i); });
    }

    connect(m_pestanas, &QTabWidget::currentChanged, this, &VentanaPrincipal::cambioDePestana);
    // A click on the tab already shown prepares it again (tab 5 recomputes).
    connect(m_pestanas, &QTabWidget::tabBarClicked, this, [this](int indice) {
        if (indice >= 0 && indice == m_pestanas->currentIndex()) {
            confirmarEdiciones(indice);
            mostrarTabs();
        }
    });
}

void VentanaPrincipal::agregarPestana(QWidget* pagina, const char* nombre, const QString& titulo,
                                      const char* clave)
{
    pagina->setObjectName(QLatin1String(nombre));
    const int i = m_pestanas->addTab(pagina, titulo);
    m_pestanas->tabBar()->setTabData(i, QLatin1String(clave));
    // On a narrow screen the caption is shortened; the tip tells it whole.
    m_pestanas->setTabToolTip(i, titulo);
}

void VentanaPrincipal::construir()
{
    auto* raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(8, 8, 8, 0);
    m_pestanas = crear<QTabWidget>(this, "tbs_fichas");
    // Every tab stays in sight: captions are shortened rather than scrolled.
    m_pestanas->setUsesScrollButtons(false);
    m_pestanas->setElideMode(Qt::ElideRight);
    nombrar(m_pestanas->tabBar(), tr("Tabs"));
    raiz->addWidget(m_pestanas);
    m_barra = crear<QStatusBar>(this, "sbr_estado");
    m_barra->setSizeGripEnabled(false);
    // A long profile name is cut short here, whole in the tooltip.
    m_perfilActual = crear<EtiquetaRecortada>(m_barra, "lbl_perfil");
    m_perfilActual->setTextFormat(Qt::PlainText);
    m_barra->addWidget(m_perfilActual, 1);
    m_estadoBase = crear<QLabel>(m_barra, "lbl_base");
    m_estadoBase->setTextFormat(Qt::PlainText);
    m_estadoBase->hide();
    m_barra->addPermanentWidget(m_estadoBase);
    raiz->addWidget(m_barra);

    m_datos = new DatosPersonales(m_sesion);
    agregarPestana(m_datos, "frm_uno", tr("1: Personal data"), "uno");
    m_busqueda = new PestanaBusqueda(m_sesion);
    agregarPestana(m_busqueda, "frm_dos", tr("2: Search food and set intake"), "dos");
    m_ranking = new PestanaRanking(m_sesion);
    agregarPestana(m_ranking, "frm_tres", tr("3: Sort foods by nutrient and set intake"), "tres");
    m_ingestas = new PestanaIngestas(m_sesion);
    agregarPestana(m_ingestas, "frm_cuatro", tr("4: Confirm food intakes"), "cuatro");
    m_resultados = new PestanaResultados(m_sesion);
    agregarPestana(m_resultados, "frm_cinco", tr("5: Display results"), "cinco");
    m_perfiles = new PestanaPerfiles(m_sesion);
    agregarPestana(m_perfiles, "frm_seis", tr("6: Manage profiles"), "seis");
    m_dris = new PestanaDRIs;
    agregarPestana(m_dris, "frm_siete", tr("7: Set DRIs"), "siete");
    m_propios = new PestanaPropios;
    agregarPestana(m_propios, "frm_ocho", tr("8: My foods"), "ocho");
    connect(m_propios, &PestanaPropios::alimentosCambiados, this,
            &VentanaPrincipal::alCambiarAlimentos);
    connect(m_busqueda, &PestanaBusqueda::alimentosCambiados, this,
            &VentanaPrincipal::alCambiarAlimentos);
    connect(m_ranking, &PestanaRanking::alimentosCambiados, this,
            &VentanaPrincipal::alCambiarAlimentos);
}

VentanaPrincipal::~VentanaPrincipal()
{
    mensajes::instalarBarra({});
    if (!m_terminada)
        final();
}

void VentanaPrincipal::cargar(QWidget* presentacion)
{
    inicio();
    situarMarcos();
    m_datos->poblarComboEdades();
    cargarDatos();
    m_ranking->ocultarListado();

    if (QScreen* pantalla = screen())
        move(pantalla->availableGeometry().center() - rect().center());
    show();
    if (presentacion)
        presentacion->close();
    if (!m_avisoInicial.isEmpty())
        m_barra->showMessage(m_avisoInicial);
}

void VentanaPrincipal::cargarDatos()
{
    alCambiarPerfil(Sesion::Cambio::OtroPerfil);
    m_ranking->poblarComboNutrientes();
    m_ranking->poblarComboCategorias();
    m_propios->cargar();
    mostrarEstadoBase();
}

void VentanaPrincipal::inicio()
{
    abrirLog();
    QString fallo;
    {
        // Another program may hold the file for a moment: wait for it.
        almacen::Ocupado ocupado;
        fallo = almacen::abrirBase(almacen::archivoBase, esperaArranqueMs);
    }
    m_dris->cargar();

    if (!fallo.isEmpty()) {
        escribirLog(QStringLiteral("inicio() -> ") + fallo);
        // Until the database opens, each user action first tries to open it.
        qApp->installEventFilter(this);
    }
}

void VentanaPrincipal::mostrarEstadoBase()
{
    const QString estado = almacen::estadoBase();
    m_estadoBase->setText(estado);
    m_estadoBase->setVisible(!estado.isEmpty());
}

void VentanaPrincipal::reabrirBase()
{
    if (m_terminada || almacen::baseAbierta())
        return;
    // One try per action: a key held down does not wait again and again.
    const qint64 ahora = QDateTime::currentMSecsSinceEpoch();
    if (ahora - m_ultimoIntento < 1000)
        return;
    m_ultimoIntento = ahora;
    if (almacen::reabrirSiCerrada(QStringLiteral("inicio() -> ")))
        alCambiarPerfil(Sesion::Cambio::Base);
    else
        mostrarEstadoBase();
}

bool VentanaPrincipal::eventFilter(QObject* objeto, QEvent* evento)
{
    const QEvent::Type tipo = evento->type();
    if ((tipo == QEvent::MouseButtonPress || tipo == QEvent::KeyPress ||
         tipo == QEvent::MouseButtonDblClick) &&
        objeto->isWidgetType())
        reabrirBase();
    return QWidget::eventFilter(objeto, evento);
}

void VentanaPrincipal::alCambiarPerfil(Sesion::Cambio cambio)
{
    if (cambio == Sesion::Cambio::Base) {
        // Another file, or the file opened at last: all it holds is read
        // again, and while none is open each user action tries to open it.
        if (almacen::baseAbierta())
            qApp->removeEventFilter(this);
        else
            qApp->installEventFilter(this);
        m_dris->cargar();
        cargarDatos();
        return;
    }
    if (cambio == Sesion::Cambio::OtroPerfil) {
        extraerDatosPersonales(m_sesion.perfilActual);
        m_datos->seleccionarDatosPersonales();
    }
    if (cambio != Sesion::Cambio::Nombre)
        m_sesion.establecerValoresRecomendados();
    m_perfilActual->setText(resumenPerfil(m_sesion.perfilActual));
    // The tooltip holds the whole line, within what a tooltip can show.
    const QString linea = m_perfilActual->text();
    m_perfilActual->setToolTip(linea.size() > 400 ? linea.left(400) + QStringLiteral("...")
                                                  : linea);
}

void VentanaPrincipal::alCambiarAlimentos()
{
    // The lists of tabs 2 and 3 may hold the food that changed or went:
    // they are read again, and tab 8 lists the foods as they are now.
    m_busqueda->releer();
    m_ranking->releer();
    m_propios->cargar();
}

void VentanaPrincipal::situarMarcos()
{
    const QSignalBlocker bloqueo(m_pestanas);
    m_pestanas->setCurrentIndex(0);
    m_pestanaAnterior = 0;
}

void VentanaPrincipal::confirmarEdiciones(int pestana)
{
    const QWidget* marco = m_pestanas->widget(pestana);
    if (marco == m_ingestas)
        m_ingestas->confirmarEdicion();
    else if (marco == m_dris)
        m_dris->confirmarEdiciones();
}

void VentanaPrincipal::cambioDePestana(int indice)
{
    // A value still being edited in a grid is written before the tab changes.
    confirmarEdiciones(m_pestanaAnterior);
    m_pestanaAnterior = indice;
    mostrarTabs();
}

void VentanaPrincipal::irAPestana(int indice)
{
    m_pestanas->setCurrentIndex(indice);
    // The keyboard goes with the shortcut: to the control last used on the
    // tab, else to its first one (the search box of tab 2).
    QWidget* pagina = m_pestanas->widget(indice);
    const QWidget* foco = QApplication::focusWidget();
    if (!pagina || (foco && pagina->isAncestorOf(foco)))
        return;
    if (QWidget* ultimo = pagina->focusWidget(); ultimo && ultimo->isVisible()) {
        ultimo->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    for (QWidget* w = pagina->nextInFocusChain(); w != pagina; w = w->nextInFocusChain()) {
        if (!pagina->isAncestorOf(w))
            break;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

void VentanaPrincipal::avisarFaltanDatos()
{
    mensajes::avisar(this, tr("Please, go to Personal Data and fulfill the form "
                              "there displayed"));
}

void VentanaPrincipal::mostrarTabs()
{
    const QString clave = m_pestanas->tabBar()->tabData(m_pestanas->currentIndex()).toString();
    // Tabs 2 to 5 need the personal data: without them the tab is greyed
    // and the user is sent to tab 1.
    const bool completos = !faltanDatosPersonales(m_sesion.perfilActual);
    if (clave == QLatin1String("dos")) {
        // Tab 4 may have changed what the profile stores of the food.
        m_busqueda->releerGuardada();
        m_busqueda->setEnabled(completos);
    } else if (clave == QLatin1String("tres")) {
        m_ranking->setEnabled(completos);
    } else if (clave == QLatin1String("cuatro")) {
        const QString fallo = m_ingestas->cargar();
        if (!fallo.isEmpty())
            escribirLog(QStringLiteral("mostrarTabs() Tab 4 -> ") + fallo);
        m_ingestas->setEnabled(completos);
    } else if (clave == QLatin1String("cinco")) {
        m_resultados->setEnabled(completos);
        if (completos) {
            m_sesion.establecerValoresRecomendados();
            m_resultados->mostrar();
        } else {
            m_resultados->vaciar();
        }
    } else if (clave == QLatin1String("seis")) {
        m_perfiles->cargarPerfiles();
        return;
    } else if (clave == QLatin1String("ocho")) {
        m_propios->cargar();
        return;
    } else {
        return;
    }
    if (!completos)
        avisarFaltanDatos();
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
    static const char* const cortos[] = {
        QT_TRANSLATE_NOOP("VentanaPrincipal", "1: Personal data"),
        QT_TRANSLATE_NOOP("VentanaPrincipal", "2: Search food"),
        QT_TRANSLATE_NOOP("VentanaPrincipal", "3: Sort by nutrient"),
        QT_TRANSLATE_NOOP("VentanaPrincipal", "4: Confirm intakes"),
        QT_TRANSLATE_NOOP("VentanaPrincipal", "5: Results"),
        QT_TRANSLATE_NOOP("VentanaPrincipal", "6: Profiles"),
        QT_TRANSLATE_NOOP("VentanaPrincipal", "7: Set DRIs"),
        QT_TRANSLATE_NOOP("VentanaPrincipal", "8: My foods")};
    QTabBar* barra = m_pestanas->tabBar();
    // The bar's size hint is that of its captions unshortened.
    for (int i = 0; i < barra->count(); ++i)
        if (barra->tabText(i) != barra->tabToolTip(i))
            barra->setTabText(i, barra->tabToolTip(i));
    if (barra->sizeHint().width() <= m_pestanas->width())
        return;
    for (int i = 0; i < barra->count() && i < int(std::size(cortos)); ++i)
        barra->setTabText(i, tr(cortos[i]));
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
    qApp->removeEventFilter(this);

    // What the user typed last still counts.
    m_ingestas->confirmarEdicion();
    m_dris->confirmarEdiciones();

    vaciarFilaEmpty();
    almacen::ejecutarSQL(QStringLiteral("delete from saves where intake=0"));

    // Models hold queries on the connection; they let go of them first.
    m_dris->liberar();
    m_ingestas->liberar();
    almacen::cerrarBase();

    m_ranking->cerrarDialogos();
    m_resultados->cerrarFuentes();
    m_perfiles->cerrarDialogo();
    cerrarLog();
}

Intro* iniciarPrograma(const QString& aviso)
{
    auto* intro = new Intro;
    intro->setAttribute(Qt::WA_DeleteOnClose);
    // The main window's widgets are built while the splash is on the screen
    // (a moment after it has appeared, so that it is painted first), so that
    // only the load is left for when its half second is over.
    auto ventana = std::make_shared<QPointer<VentanaPrincipal>>();
    auto construir = [ventana] {
        if (!*ventana) {
            *ventana = new VentanaPrincipal;
            (*ventana)->setAttribute(Qt::WA_DeleteOnClose);
        }
    };
    QTimer::singleShot(100, intro, construir);
    QObject::connect(intro, &Intro::tiempoCumplido, intro, [intro, ventana, construir, aviso] {
        construir();
        (*ventana)->avisarAlCargar(aviso);
        (*ventana)->cargar(intro);
    });
    intro->show();
    return intro;
}

void traerAlFrente()
{
    const QWidgetList ventanas = QApplication::topLevelWidgets();
    for (QWidget* w : ventanas) {
        if (!w->isVisible() || (!qobject_cast<VentanaPrincipal*>(w) && !qobject_cast<Intro*>(w)))
            continue;
        if (w->isMinimized())
            w->showNormal();
        w->raise();
        w->activateWindow();
    }
}
