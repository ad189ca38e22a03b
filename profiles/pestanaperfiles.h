#pragma once

#include <QObject>

class VentanaPrincipal;

// Tab 6: the list of profiles and the buttons that manage them.
class PestanaPerfiles : public QObject
{
    Q_OBJECT

public:
    explicit PestanaPerfiles(VentanaPrincipal& f);

    // Refills the profile list and selects the current profile.
    void cargarPerfiles();
    // Closes the profile-name dialog if it is open.
    void cerrarDialogo();

private:
    VentanaPrincipal& m_f;
};
