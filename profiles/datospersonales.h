#pragma once

#include <QObject>

struct InterfazPrincipal;
class QWidget;

// Reads the current profile's id and personal data into perfilActual().
void extraerDatosPersonales();

// True while the current profile's age group, sex or weight is missing, or
// its weight is 0; the tabs that need the personal data ask this first.
bool faltanDatosPersonales();

// One line on the current profile: "Profile: <name> - <age group>, <sex>,
// <weight> kg", or that its personal data are not set yet.
QString resumenPerfilActual();

// The personal-data form of the first tab: age group, sex and weight of the
// current profile.
class DatosPersonales : public QObject
{
    Q_OBJECT

public:
    DatosPersonales(InterfazPrincipal& ui, QWidget* ventana);

    // Fills the age-group list; called once when the window loads.
    void poblarComboEdades();
    // Shows the current profile's personal data in the form.
    void seleccionarDatosPersonales();
    // Checks the form and stores the accepted values in memory; reports the
    // first problem and moves the focus to the control at fault.
    bool validarDatos();
    // Writes the form's values into the current profile's row.
    void guardarDatosPersonales();

signals:
    // The current profile, or its personal data, may have changed.
    void perfilCambiado();

private:
    void guardar();

    InterfazPrincipal& m_ui;
    QWidget* m_ventana;
};
