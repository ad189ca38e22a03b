#pragma once

#include "windows/profiles/dialogoperfil.h"

#include <QObject>
#include <QPointer>
#include <QtGlobal>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QWidget;
class Sesion;

// The controls of tab 6, by the object names they carry.
struct ControlesPerfiles
{
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    QTreeWidget* lsv_perfiles = nullptr;
    QPushButton* cmd_perfilNuevo = nullptr;
    QPushButton* cmd_perfilCargar = nullptr;
    QPushButton* cmd_perfilGuardar = nullptr;
    QPushButton* cmd_perfilRenombrar = nullptr;
    QPushButton* cmd_perfilBorrar = nullptr;
    // A copy of the whole database, taken while the program runs.
    QPushButton* cmd_respaldar = nullptr;
    // Puts such a copy in place of the working data.
    QPushButton* cmd_restaurar = nullptr;
    // Saves confirmed in the status bar instead of a message box.
    QCheckBox* chk_confirmarEnBarra = nullptr;
    QLabel* lbl_acerca = nullptr;

    void construir(QWidget* marco);
};

// Tab 6: the list of profiles and the buttons that manage them.
class PestanaPerfiles : public QObject
{
    Q_OBJECT

public:
    PestanaPerfiles(ControlesPerfiles& ui, Sesion& sesion, QWidget* ventana);

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
    // The open profile-name dialog, null when none is.
    DialogoPerfil* dialogo() const;

private:
    void abrirDialogo(DialogoPerfil::Modo modo);
    void pulsarBorrar();
    void respaldar();
    void restaurar();

    ControlesPerfiles& m_ui;
    Sesion& m_sesion;
    QWidget* m_ventana;
    QPointer<DialogoPerfil> m_dialogo;
};
