#pragma once

#include "profiles/dialogoperfil.h"

#include <QObject>
#include <QPointer>
#include <QtGlobal>

class QWidget;
class VentanaPrincipal;

// Tab 6: the list of profiles and the buttons that manage them.
class PestanaPerfiles : public QObject
{
    Q_OBJECT

public:
    // Each list item carries its profile's id under this role.
    static constexpr int RolIdPerfil = Qt::UserRole;

    explicit PestanaPerfiles(VentanaPrincipal& f);

    // Refills the profile list and selects the current profile.
    void cargarPerfiles();
    // Makes the profile of the selected item current.
    void cargarPerfil();
    // Removes the profile of the selected item with its intakes, unless it is
    // the current one. The question has been answered before.
    void borrarPerfil();
    // Closes the profile-name dialog if it is open.
    void cerrarDialogo();

    // The id (and shown name) of the selected list item; false when none is.
    bool perfilSeleccionado(qint64* id, QString* nombre = nullptr) const;
    // Tells the user that the action needs a profile chosen in the list.
    static void avisarSinSeleccion(QWidget* padre);
    // The open profile-name dialog, null when none is.
    DialogoPerfil* dialogo() const;

private:
    void abrirDialogo(DialogoPerfil::Modo modo);
    void pulsarBorrar();

    VentanaPrincipal& m_f;
    QPointer<DialogoPerfil> m_dialogo;
};
