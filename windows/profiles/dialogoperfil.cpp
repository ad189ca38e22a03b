#include "windows/profiles/dialogoperfil.h"

#include "evaluation/sesion.h"
#include "profiles/perfiles.h"
#include "windows/common/controles.h"
#include "windows/common/mensajes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const char* const falloCrear =
    QT_TRANSLATE_NOOP("DialogoPerfil", "An error occurred while creting the new profile");
const char* const falloCopiar =
    QT_TRANSLATE_NOOP("DialogoPerfil", "An error occurred while duplicating the profile selected");

} // namespace

DialogoPerfil::DialogoPerfil(QWidget* ventana, Sesion& sesion, Modo modo, const QString& nombre,
                             Seleccion seleccion)
    : QDialog(ventana), m_sesion(sesion), m_modo(modo), m_seleccion(std::move(seleccion))
{
    setObjectName(QStringLiteral("p"));
    setWindowTitle(QString());
    setModal(false);
    construir();
    presentar(nombre);

    connect(m_cancelar, &QPushButton::clicked, this, &QDialog::close);
    connect(m_aceptar, &QPushButton::clicked, this, &DialogoPerfil::pulsarGuardar);

    adjustSize();
    if (QScreen* pantalla = ventana ? ventana->screen() : nullptr)
        move(pantalla->availableGeometry().center() - rect().center());
}

void DialogoPerfil::construir()
{
    m_pregunta = crear<QLabel>(this, "lbl_perfil");
    m_pregunta->setTextFormat(Qt::PlainText);
    // Set in a little from the name box's edge.
    m_pregunta->setIndent(8);
    m_nombre = crear<QLineEdit>(this, "tbx_perfil");
    // The length rule is checked on "Save" with a message; the box itself
    // must not cut a longer name short without telling.
    m_nombre->setMaxLength(32767);
    m_nombre->setMinimumWidth(296);
    nombrar(m_nombre, tr("Profile name"), m_pregunta);
    m_cancelar = boton(this, "cmd_cancelar", tr("Cancel"));
    m_aceptar = crear<QPushButton>(this, "cmd_guardar");
    // Enter in the name box carries out the action rather than cancelling it.
    m_aceptar->setDefault(true);

    // The question over the name box, the two buttons side by side under
    // them, centred; the window as large as they need, no larger.
    auto* v = new QVBoxLayout(this);
    v->setSizeConstraint(QLayout::SetFixedSize);
    v->setContentsMargins(8, 8, 8, 8);
    v->setSpacing(4);
    v->addWidget(m_pregunta);
    v->addWidget(m_nombre);
    v->addSpacing(12);
    auto* botones = new QHBoxLayout;
    botones->setSpacing(10);
    botones->addStretch(1);
    for (QPushButton* b : {m_cancelar, m_aceptar}) {
        b->setMinimumWidth(115);
        botones->addWidget(b);
    }
    botones->addStretch(1);
    v->addLayout(botones);

    setTabOrder(m_nombre, m_aceptar);
    setTabOrder(m_aceptar, m_cancelar);
}

void DialogoPerfil::presentar(const QString& nombre)
{
    switch (m_modo) {
    case Modo::Crear:
        m_aceptar->setText(tr("Create"));
        m_pregunta->setText(tr("Enter the name for the new profile:"));
        break;
    case Modo::Guardar:
        m_aceptar->setText(tr("Save"));
        m_pregunta->setText(tr("Enter the name to duplicate the profile:"));
        break;
    case Modo::Renombrar:
        m_aceptar->setText(tr("Rename"));
        m_pregunta->setText(tr("Enter the new name of the profile:"));
        break;
    }
    if (m_modo != Modo::Crear) {
        m_nombre->setText(nombre);
        m_nombre->selectAll();
    }
    m_nombre->setFocus();
}

void DialogoPerfil::done(int resultado)
{
    QDialog::done(resultado);
    // A closed dialog is gone; the next press of a tab button makes a new one.
    deleteLater();
}

void DialogoPerfil::pulsarGuardar()
{
    const QString nombre = m_nombre->text();
    // Characters as a person counts them, not UTF-16 units.
    const qsizetype largo = QStringView(nombre).toUcs4().size();
    // SQLite takes a leading U+FEFF of text bound as UTF-16 for a byte-order
    // mark and drops it, so such a name could not be stored as typed.
    const bool marcaInicial = nombre.startsWith(QChar(0xFEFF));
    // A name is shown whole in the lists and the report's header, where a
    // longer one would only be cut short.
    if (largo == 0 || largo > largoMaximoNombre || marcaInicial) {
        mensajes::avisar(this, tr("Profile name cannot be blank or greater than 200 "
                                  "characters"));
        m_nombre->setFocus();
        return;
    }
    guardar();
}

void DialogoPerfil::avisarSinSeleccion(QWidget* padre)
{
    mensajes::avisar(padre, tr("Please, select a profile in the list first"));
}

void DialogoPerfil::guardar()
{
    qint64 origen = 0;
    const bool haySeleccion = m_seleccion && m_seleccion(&origen);
    const QString nombre = m_nombre->text();

    if (m_modo != Modo::Crear && !haySeleccion) {
        avisarSinSeleccion(this);
        return;
    }

    bool actualNuevo = false;
    bool renombrado = false;
    switch (m_modo) {
    case Modo::Crear:
        actualNuevo = anunciar(perfiles::crear(nombre), tr("Profile created"), tr(falloCrear));
        break;
    case Modo::Guardar:
        actualNuevo =
            anunciar(perfiles::copiar(origen, nombre), tr("Profile saved"), tr(falloCopiar));
        break;
    case Modo::Renombrar:
        renombrado = renombrar(origen, nombre);
        break;
    }

    emit perfilesCambiados();
    if (actualNuevo)
        m_sesion.anunciarCambioDePerfil(Sesion::Cambio::OtroPerfil);
    else if (renombrado)
        m_sesion.anunciarCambioDePerfil(Sesion::Cambio::Nombre);
    close();
}

bool DialogoPerfil::renombrar(qint64 id, const QString& nombre)
{
    if (!perfiles::renombrar(id, nombre)) {
        mensajes::errorEscritura(this, tr("An error occurred while renaming the profile"));
        return false;
    }
    mensajes::confirmar(this, tr("Profile renamed"));
    return true;
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
