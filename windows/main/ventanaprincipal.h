#pragma once

#include "evaluation/sesion.h"
#include "windows/catalogue/pestanabusqueda.h"

#include <QList>
#include <QWidget>

class DatosPersonales;
class EtiquetaRecortada;
class Intro;
class QLabel;
class QStatusBar;
class QTabWidget;
class PestanaDRIs;
class PestanaIngestas;
class PestanaPerfiles;
class PestanaPropios;
class PestanaRanking;
class PestanaResultados;

// The main window `f`: eight tabs, one per step of the work, over the one
// database of the program. It owns the session and composes the tabs, each
// given its own controls and the session.
class VentanaPrincipal : public QWidget
{
    Q_OBJECT

public:
    explicit VentanaPrincipal(QWidget* padre = nullptr);
    ~VentanaPrincipal() override;

    // The load sequence: opens the database and the log, reads the current
    // profile and the reference values, fills the lists of the tabs, shows the
    // window and closes the splash window when one is given.
    void cargar(QWidget* presentacion = nullptr);
    // A line for the status bar once the window is loaded.
    void avisarAlCargar(const QString& aviso) { m_avisoInicial = aviso; }

    // How long the start-up waits for a database locked by another program.
    static inline int esperaArranqueMs = 10000;

    Sesion& sesion() { return m_sesion; }
    PestanaPerfiles& perfiles() { return *m_perfiles; }
    PestanaBusqueda& busqueda() { return *m_busqueda; }

    // The tab controller: shows the selected tab and prepares it.
    void mostrarTabs();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    // The tab strip with the eight tabs, and the status bar under it.
    void construir();
    // Adds `pagina` as the next tab, named `nombre`, its caption `titulo`
    // and its key `clave` (what the tab controller tells it by).
    void agregarPestana(QWidget* pagina, const char* nombre, const QString& titulo,
                        const char* clave);
    void inicio();
    // Reads from the database what the load sequence reads, once it opened.
    void cargarDatos();
    // While the database is not open: tries to open it again, and reloads
    // what depends on it when it opens. Runs before a user action.
    void reabrirBase();
    // The database's state in the status bar.
    void mostrarEstadoBase();
    void situarMarcos();
    void final();
    void cambioDePestana(int indice);
    void irAPestana(int indice);
    // What depends on the current profile, refreshed after it changed.
    void alCambiarPerfil(Sesion::Cambio cambio);
    // Own foods were stored or removed: the food lists of the tabs may show
    // one that changed or went.
    void alCambiarAlimentos();
    // Writes what is still being edited in the grids of a tab, before the
    // tab is left or reloaded.
    void confirmarEdiciones(int pestana);
    void avisarFaltanDatos();
    // Full tab captions where they fit, short ones where they do not.
    void ajustarTitulos();

    Sesion m_sesion;
    QTabWidget* m_pestanas = nullptr; // tbs_fichas
    // Under the tabs: which profile is current, and, while the database
    // cannot be opened, why in plain words.
    QStatusBar* m_barra = nullptr;               // sbr_estado
    EtiquetaRecortada* m_perfilActual = nullptr; // lbl_perfil
    QLabel* m_estadoBase = nullptr;              // lbl_base

    DatosPersonales* m_datos = nullptr;
    PestanaPerfiles* m_perfiles = nullptr;
    PestanaBusqueda* m_busqueda = nullptr;
    PestanaRanking* m_ranking = nullptr;
    PestanaIngestas* m_ingestas = nullptr;
    PestanaResultados* m_resultados = nullptr;
    PestanaDRIs* m_dris = nullptr;
    PestanaPropios* m_propios = nullptr;

    int m_pestanaAnterior = 0;
    bool m_terminada = false;
    qint64 m_ultimoIntento = 0; // when reabrirBase last tried, ms since the epoch
    QString m_avisoInicial;
};

// Shows the splash window; half a second later the main window loads and
// closes it. Both go away by themselves when closed. `aviso`, when given, is
// shown once in the main window's status bar (what the start did with the
// user's data).
Intro* iniciarPrograma(const QString& aviso = QString());

// Brings the program's window (or, while it loads, the splash window) to
// the front: another start on the same data folder asked for it.
void traerAlFrente();
