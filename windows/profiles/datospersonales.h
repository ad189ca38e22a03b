#pragma once

#include "profiles/perfilactual.h"

#include <QObject>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class Sesion;

// The controls of the first tab, by the object names they carry.
struct ControlesDatos
{
    QGroupBox* Frame1 = nullptr;
    QComboBox* cmb_edad = nullptr;
    QRadioButton* opb_hombre = nullptr;
    QRadioButton* opb_mujer = nullptr;
    QButtonGroup* grupoGenero = nullptr;
    QLineEdit* tbx_peso = nullptr;
    QPushButton* cmd_personales = nullptr;

    // Builds them inside the tab's frame: the form centred in its upper part.
    void construir(QWidget* marco);
};

// The personal-data form of the first tab: age group, sex and weight of the
// current profile.
class DatosPersonales : public QObject
{
    Q_OBJECT

public:
    DatosPersonales(ControlesDatos& ui, Sesion& sesion, QWidget* ventana);

    // Fills the age-group list; called once when the window loads.
    void poblarComboEdades();
    // Shows the current profile's personal data in the form.
    void seleccionarDatosPersonales();
    // Checks the form and keeps the accepted values for the save; reports the
    // first problem and moves the focus to the control at fault.
    bool validarDatos();
    // Writes the accepted values into the current profile's row; the values
    // held in memory change only when the update succeeded.
    void guardarDatosPersonales();

private:
    void guardar();

    ControlesDatos& m_ui;
    Sesion& m_sesion;
    QWidget* m_ventana;
    PerfilActual m_validados;
};
