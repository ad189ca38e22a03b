#pragma once

#include <QDialog>
#include <QtGlobal>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class Sesion;

// The window `p`: asks for a profile name, then creates a profile, copies the
// selected one under that name or renames it. It does not block the main
// window; the list item selected when the action button is pressed counts.
class DialogoPerfil : public QDialog
{
    Q_OBJECT

public:
    enum class Modo { Crear, Guardar, Renombrar };
    // The profile selected in the list at the moment it is asked; false when
    // none is.
    using Seleccion = std::function<bool(qint64* id)>;

    // `nombre` prefills the name box (wholly selected) for copying and renaming.
    DialogoPerfil(QWidget* ventana, Sesion& sesion, Modo modo, const QString& nombre,
                  Seleccion seleccion);

    // Carries out the action of the dialog's mode, announces what changed and
    // closes the dialog.
    void guardar();

    // Tells the user that the action needs a profile chosen in the list.
    static void avisarSinSeleccion(QWidget* padre);

signals:
    // A profile was added, copied or renamed: the list is to be refilled.
    void perfilesCambiados();

protected:
    void done(int resultado) override;

private:
    void construir();
    // The caption, the button's text and the name shown for the mode.
    void presentar(const QString& nombre);
    void pulsarGuardar();
    // Tells the outcome of a create or copy; a new profile becomes current.
    bool anunciar(qint64 id, const QString& exito, const QString& fallo);
    // Renames the profile `id`, telling the outcome.
    bool renombrar(qint64 id, const QString& nombre);

    Sesion& m_sesion;
    const Modo m_modo;
    Seleccion m_seleccion;
    QLabel* m_pregunta = nullptr;      // lbl_perfil
    QLineEdit* m_nombre = nullptr;     // tbx_perfil
    QPushButton* m_cancelar = nullptr; // cmd_cancelar
    QPushButton* m_aceptar = nullptr;  // cmd_guardar
};
