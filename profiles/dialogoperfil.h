#pragma once

#include <QDialog>
#include <QList>
#include <QVariant>
#include <QtGlobal>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class VentanaPrincipal;

// One intake of a profile as read for copying.
struct IngestaPerfil
{
    qint64 alimento = 0;
    qint64 cantidad = 0;
};

// The window `p`: asks for a profile name, then creates a profile, copies the
// selected one under that name or renames it. It does not block the main
// window; the list item selected when the action button is pressed counts.
class DialogoPerfil : public QDialog
{
    Q_OBJECT

public:
    enum class Modo { Crear, Guardar, Renombrar };

    // `nombre` prefills the name box (wholly selected) for copying and renaming.
    DialogoPerfil(VentanaPrincipal& f, Modo modo, const QString& nombre = QString());

    QLabel* lbl_perfil = nullptr;
    QLineEdit* tbx_perfil = nullptr;
    QPushButton* cmd_cancelar = nullptr;
    QPushButton* cmd_guardar = nullptr;

    // Carries out the action of the dialog's mode, refreshes the main window
    // and closes the dialog.
    void guardar();
    // Inserts a profile named after the name box and marked current; returns
    // its id, 0 when none was created.
    qint64 nuevoRegistro();
    // age, gender and weight of a profile (null values stay null); `ok` is
    // false when they could not be read or the profile does not exist.
    std::array<QVariant, 3> extraerPersonalesPerfil(qint64 id, bool* ok = nullptr);
    // Every intake of a profile, in the order the database gives them; `ok`
    // is false when they could not be read.
    QList<IngestaPerfil> extraerAlimentosPerfil(qint64 id, bool* ok = nullptr);
    // Gives the new profile a copy of the intakes; false at the first one that
    // is not stored. Runs inside the caller's transaction, whose rollback then
    // takes the new profile away again.
    bool duplicarDatos(qint64 idNuevo, const QList<IngestaPerfil>& alimentos);

protected:
    void done(int resultado) override;

private:
    void pulsarGuardar();
    // Tells the outcome of a create or copy; a new profile becomes current.
    bool anunciar(qint64 id, const QString& exito, const QString& fallo);
    bool crear();
    bool copiar(qint64 origen);
    void renombrar(qint64 origen);
    // Clears the flag of every profile but `id`; false when another one keeps it.
    bool dejarActual(qint64 id);

    VentanaPrincipal& m_f;
};
