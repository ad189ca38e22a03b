#pragma once

#include "profiles/perfilactual.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Sesion;

// Tab 1: the personal-data form, age group, sex and weight of the current
// profile, and the button that saves them.
class DatosPersonales : public QWidget
{
    Q_OBJECT

public:
    explicit DatosPersonales(Sesion& sesion, QWidget* padre = nullptr);

    // Fills the age-group list; called once when the window loads.
    void poblarComboEdades();
    // Shows the current profile's personal data in the form.
    void seleccionarDatosPersonales();

private:
    // The form centred in the tab's upper part, the button under it.
    void construir();
    // Checks the form and keeps the accepted values for the save; reports the
    // first problem and moves the focus to the control at fault.
    bool validarDatos();
    // Writes the accepted values into the current profile's row; the values
    // held in memory change only when the update succeeded.
    void guardarDatosPersonales();
    void guardar();

    Sesion& m_sesion;
    PerfilActual m_validados;
    QComboBox* m_edad = nullptr;      // cmb_edad
    QRadioButton* m_hombre = nullptr; // opb_hombre
    QRadioButton* m_mujer = nullptr;  // opb_mujer
    QButtonGroup* m_genero = nullptr;
    QLineEdit* m_peso = nullptr;      // tbx_peso
    QPushButton* m_guardar = nullptr; // cmd_personales
};
