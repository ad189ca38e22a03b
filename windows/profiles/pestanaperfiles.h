#pragma once

#include "windows/profiles/dialogoperfil.h"

#include <QPointer>
#include <QWidget>
#include <QtGlobal>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTreeWidget;
class Sesion;

// Tab 6: the list of profiles and the buttons that manage them, the backup
// and restore of the data, and how saves are confirmed.
class PestanaPerfiles : public QWidget
{
    Q_OBJECT

public:
    explicit PestanaPerfiles(Sesion& sesion, QWidget* padre = nullptr);

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
    void construir();
    // The line under the list: how saves are confirmed, and the About link.
    QHBoxLayout* construirPie();
    void abrirDialogo(DialogoPerfil::Modo modo);
    void pulsarBorrar();
    void respaldar();
    void restaurar();

    Sesion& m_sesion;
    QPointer<DialogoPerfil> m_dialogo;
    QTreeWidget* m_lista = nullptr;     // lsv_perfiles
    QPushButton* m_nuevo = nullptr;     // cmd_perfilNuevo
    QPushButton* m_cargar = nullptr;    // cmd_perfilCargar
    QPushButton* m_copiar = nullptr;    // cmd_perfilGuardar
    QPushButton* m_renombrar = nullptr; // cmd_perfilRenombrar
    QPushButton* m_borrar = nullptr;    // cmd_perfilBorrar
    // A copy of the whole database, taken while the program runs.
    QPushButton* m_respaldar = nullptr; // cmd_respaldar
    // Puts such a copy in place of the working data.
    QPushButton* m_restaurar = nullptr; // cmd_restaurar
    // Saves confirmed in the status bar instead of a message box.
    QCheckBox* m_confirmarEnBarra = nullptr; // chk_confirmarEnBarra
    QLabel* m_acerca = nullptr;              // lbl_acerca
};
