#include "windows/profiles/dialogoperfil.h"

#include "evaluation/sesion.h"
#include "profiles/perfiles.h"
#include "windows/common/mensajes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

const QString textoCrear = QStringLiteral("Create");
const QString textoGuardar = QStringLiteral("Save");
const QString textoRenombrar = QStringLiteral("Rename");

const QString falloCrear = QStringLiteral("An error occurred while creting the new profile");
const QString falloCopiar =
    QStringLiteral("An error occurred while duplicating the profile selected");

// Positions in the window's own unit (twips) turned into pixels.
QRect rectangulo(int izquierda, int arriba, int ancho, int alto)
{
    return QRect(izquierda / 15, arriba / 15, ancho / 15, alto / 15);
}

} // namespace

DialogoPerfil::DialogoPerfil(QWidget* ventana, Sesion& sesion, Modo modo, const QString& nombre,
                             Seleccion seleccion)
    : QDialog(ventana), m_sesion(sesion), m_seleccion(std::move(seleccion))
{
    setObjectName(QStringLiteral("p"));
    setWindowTitle(QString());
    setModal(false);

    lbl_perfil = new QLabel(this);
    lbl_perfil->setObjectName(QStringLiteral("lbl_perfil"));
    lbl_perfil->setTextFormat(Qt::PlainText);
    lbl_perfil->setGeometry(rectangulo(240, 120, 4215, 375));

    tbx_perfil = new QLineEdit(this);
    tbx_perfil->setObjectName(QStringLiteral("tbx_perfil"));
    tbx_perfil->setGeometry(rectangulo(120, 480, 4455, 375));
    // The length rule is checked on "Save" with a message; the box itself
    // must not cut a longer name short without telling.
    tbx_perfil->setMaxLength(32767);

    cmd_cancelar = new QPushButton(QStringLiteral("Cancel"), this);
    cmd_cancelar->setObjectName(QStringLiteral("cmd_cancelar"));
    cmd_guardar = new QPushButton(this);
    cmd_guardar->setObjectName(QStringLiteral("cmd_guardar"));
    // Enter in the name box carries out the action rather than cancelling it.
    cmd_guardar->setDefault(true);
    // The buttons keep their places but get the height their text needs.
    const int alto = qMax(255 / 15, cmd_cancelar->sizeHint().height());
    QRect r = rectangulo(520, 1080, 1815, 255);
    cmd_cancelar->setGeometry(r.x(), r.y(), r.width(), alto);
    r = rectangulo(2480, 1080, 1695, 255);
    cmd_guardar->setGeometry(r.x(), r.y(), r.width(), alto);
    setFixedSize(4680 / 15, qMax(1500 / 15, r.y() + alto + 8));

    setTabOrder(tbx_perfil, cmd_guardar);
    setTabOrder(cmd_guardar, cmd_cancelar);

    connect(cmd_cancelar, &QPushButton::clicked, this, &QDialog::close);
    connect(cmd_guardar, &QPushButton::clicked, this, &DialogoPerfil::pulsarGuardar);

    if (modo != Modo::Crear) {
        tbx_perfil->setText(nombre);
        tbx_perfil->selectAll();
    }
    switch (modo) {
    case Modo::Crear:
        cmd_guardar->setText(textoCrear);
        lbl_perfil->setText(QStringLiteral("Enter the name for the new profile:"));
        break;
    case Modo::Guardar:
        cmd_guardar->setText(textoGuardar);
        lbl_perfil->setText(QStringLiteral("Enter the name to duplicate the profile:"));
        break;
    case Modo::Renombrar:
        cmd_guardar->setText(textoRenombrar);
        lbl_perfil->setText(QStringLiteral("Enter the new name of the profile:"));
        break;
    }
    tbx_perfil->setFocus();

    if (QScreen* pantalla = ventana ? ventana->screen() : nullptr)
        move(pantalla->availableGeometry().center() - rect().center());
}

void DialogoPerfil::done(int resultado)
{
    QDialog::done(resultado);
    // A closed dialog is gone; the next press of a tab button makes a new one.
    deleteLater();
}

void DialogoPerfil::pulsarGuardar()
{
    const QString nombre = tbx_perfil->text();
    // Characters as a person counts them, not UTF-16 units.
    const qsizetype largo = QStringView(nombre).toUcs4().size();
    // SQLite takes a leading U+FEFF of text bound as UTF-16 for a byte-order
    // mark and drops it, so such a name could not be stored as typed.
    const bool marcaInicial = nombre.startsWith(QChar(0xFEFF));
    // A name is shown whole in the lists and the report's header, where a
    // longer one would only be cut short.
    if (largo == 0 || largo > largoMaximoNombre || marcaInicial) {
        mensajes::avisar(this, QStringLiteral("Profile name cannot be blank or greater than 200 "
                                              "characters"));
        tbx_perfil->setFocus();
        return;
    }
    guardar();
}

void DialogoPerfil::avisarSinSeleccion(QWidget* padre)
{
    mensajes::avisar(padre, QStringLiteral("Please, select a profile in the list first"));
}

void DialogoPerfil::guardar()
{
    qint64 origen = 0;
    const bool haySeleccion = m_seleccion && m_seleccion(&origen);
    const QString modo = cmd_guardar->text();
    const QString nombre = tbx_perfil->text();

    if ((modo == textoGuardar || modo == textoRenombrar) && !haySeleccion) {
        avisarSinSeleccion(this);
        return;
    }

    bool actualNuevo = false;
    bool renombrado = false;
    if (modo == textoGuardar) {
        actualNuevo = anunciar(perfiles::copiar(origen, nombre), QStringLiteral("Profile saved"),
                               falloCopiar);
    } else if (modo == textoRenombrar) {
        renombrado = perfiles::renombrar(origen, nombre);
        if (renombrado)
            mensajes::confirmar(this, QStringLiteral("Profile renamed"));
        else
            mensajes::errorEscritura(
                this, QStringLiteral("An error occurred while renaming the profile"));
    } else if (modo == textoCrear) {
        actualNuevo =
            anunciar(perfiles::crear(nombre), QStringLiteral("Profile created"), falloCrear);
    }

    emit perfilesCambiados();
    if (actualNuevo)
        m_sesion.anunciarCambioDePerfil(Sesion::Cambio::OtroPerfil);
    else if (renombrado)
        m_sesion.anunciarCambioDePerfil(Sesion::Cambio::Nombre);
    close();
}

bool DialogoPerfil::anunciar(qint64 id, const QString& exito, const QString& fallo)
{
    if (id <= 0) {
        mensajes::errorEscritura(this, fallo);
        return false;
    }
    mensajes::confirmar(this, exito);
    m_sesion.perfilActual.idPerfil = Dato::de(id);
    return true;
}
