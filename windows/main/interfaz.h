#pragma once

#include "windows/catalogue/pestanabusqueda.h"
#include "windows/catalogue/pestanaranking.h"
#include "windows/evaluation/pestanaresultados.h"
#include "windows/profiles/datospersonales.h"
#include "windows/profiles/pestanaperfiles.h"
#include "windows/main/pestanadris.h"
#include "windows/main/pestanaingestas.h"

class QFrame;
class QLabel;
class QStatusBar;
class QTabWidget;
class QWidget;

// Every control of the main window, by the object name it carries: the tab
// strip with its seven frames, each tab's own controls (built next to the
// tab's controller) and the status bar.
struct InterfazPrincipal : ControlesDatos,
                           ControlesBusqueda,
                           ControlesRanking,
                           ControlesIngestas,
                           ControlesResultados,
                           ControlesPerfiles,
                           ControlesDRIs
{
    QTabWidget* tbs_fichas = nullptr;
    QFrame* frm_uno = nullptr;
    QFrame* frm_dos = nullptr;
    QFrame* frm_tres = nullptr;
    QFrame* frm_cuatro = nullptr;
    QFrame* frm_cinco = nullptr;
    QFrame* frm_seis = nullptr;
    QFrame* frm_siete = nullptr;

    // Under the tabs: which profile is current.
    QStatusBar* sbr_estado = nullptr;
    QLabel* lbl_perfil = nullptr;
    // Beside it, while the database cannot be opened: why, in plain words.
    QLabel* lbl_base = nullptr;

    // Builds every control inside `ventana`.
    void construir(QWidget* ventana);
};
