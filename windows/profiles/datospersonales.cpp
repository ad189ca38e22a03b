#include "windows/profiles/datospersonales.h"

#include "catalogue/cifras.h"
#include "evaluation/sesion.h"
#include "profiles/perfiles.h"
#include "storage/registro.h"
#include "windows/common/controles.h"
#include "windows/common/mensajes.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

void ControlesDatos::construir(QWidget* marco)
{
    Frame1 = crear<QGroupBox>(marco, "Frame1");
    Frame1->setTitle(QStringLiteral("Complete the following form and click Save"));
    auto* rejilla = new QGridLayout(Frame1);
    rejilla->setVerticalSpacing(14);
    rejilla->addWidget(etiqueta(Frame1, "lbl_edad", QStringLiteral("Age:")), 0, 0);
    cmb_edad = crear<QComboBox>(Frame1, "cmb_edad");
    rejilla->addWidget(cmb_edad, 0, 1, 1, 2);
    rejilla->addWidget(etiqueta(Frame1, "lbl_genero", QStringLiteral("Gender:")), 1, 0);
    opb_hombre = crear<QRadioButton>(Frame1, "opb_hombre");
    opb_hombre->setText(QStringLiteral("Male"));
    opb_mujer = crear<QRadioButton>(Frame1, "opb_mujer");
    opb_mujer->setText(QStringLiteral("Female"));
    grupoGenero = new QButtonGroup(Frame1);
    grupoGenero->addButton(opb_hombre, 0);
    grupoGenero->addButton(opb_mujer, 1);
    rejilla->addWidget(opb_hombre, 1, 1);
    rejilla->addWidget(opb_mujer, 1, 2);
    auto* lblPeso = etiqueta(Frame1, "lbl_peso", QStringLiteral("Weight  (kilograms):"));
    lblPeso->setWordWrap(false);
    rejilla->addWidget(lblPeso, 2, 0);
    tbx_peso = crear<QLineEdit>(Frame1, "tbx_peso");
    tbx_peso->setMaxLength(3);
    tbx_peso->setMaximumWidth(60);
    rejilla->addWidget(tbx_peso, 2, 1, 1, 2, Qt::AlignLeft);
    rejilla->setColumnStretch(1, 1);
    rejilla->setColumnStretch(2, 1);

    cmd_personales = boton(marco, "cmd_personales", QStringLiteral("Save"));
    cmd_personales->setMinimumWidth(180);

    auto* v = new QVBoxLayout(marco);
    v->setContentsMargins(0, 40, 0, 0);
    auto* fila = new QHBoxLayout;
    fila->addStretch(1);
    fila->addWidget(Frame1, 3);
    fila->addStretch(1);
    v->addLayout(fila);
    v->addSpacing(24);
    v->addWidget(cmd_personales, 0, Qt::AlignHCenter);
    v->addStretch(1);
}

DatosPersonales::DatosPersonales(ControlesDatos& ui, Sesion& sesion, QWidget* ventana)
    : QObject(ventana), m_ui(ui), m_sesion(sesion), m_ventana(ventana)
{
    connect(m_ui.cmd_personales, &QPushButton::clicked, this, &DatosPersonales::guardar);
}

void DatosPersonales::poblarComboEdades()
{
    m_ui.cmb_edad->addItems(gruposEdad());
}

void DatosPersonales::seleccionarDatosPersonales()
{
    const PerfilActual& p = m_sesion.perfilActual;
    if (p.edad.esNulo()) {
        m_ui.cmb_edad->setCurrentIndex(-1);
    } else if (p.edad.entero() >= 0 && p.edad.entero() < m_ui.cmb_edad->count()) {
        m_ui.cmb_edad->setCurrentIndex(int(p.edad.entero()));
    } else {
        escribirLog(QStringLiteral("seleccionarDatosPersonales() -> The stored age group %1 is "
                                   "not in the list of age groups")
                        .arg(p.edad.texto()));
    }

    // Both options may have to be cleared, which an exclusive group forbids.
    m_ui.grupoGenero->setExclusive(false);
    m_ui.opb_hombre->setChecked(p.genero.igualA(0));
    m_ui.opb_mujer->setChecked(p.genero.igualA(1));
    m_ui.grupoGenero->setExclusive(true);

    m_ui.tbx_peso->setText(p.peso.tieneValor() ? cifras::entero(p.peso.entero(), QLocale())
                                               : p.peso.texto());
}

bool DatosPersonales::validarDatos()
{
    // The accepted values wait here until the update has succeeded.
    PerfilActual& p = m_validados;
    p = m_sesion.perfilActual;

    const int edad = m_ui.cmb_edad->currentIndex();
    if (edad < 0) {
        mensajes::avisar(m_ventana, QStringLiteral("Age is a compulsory detail"));
        m_ui.cmb_edad->setFocus();
        return false;
    }
    p.edad = Dato::de(edad);

    if (m_ui.opb_hombre->isChecked()) {
        p.genero = Dato::de(0);
    } else if (m_ui.opb_mujer->isChecked()) {
        p.genero = Dato::de(1);
    } else {
        mensajes::avisar(m_ventana, QStringLiteral("Sex is a compulsory detail"));
        m_ui.opb_hombre->setFocus();
        return false;
    }

    const std::optional<QString> peso = cifras::digitos(m_ui.tbx_peso->text());
    // Any number of zeros is a weight of 0, which is no weight.
    if (!peso || peso->toLongLong() == 0) {
        mensajes::avisar(m_ventana,
                         QStringLiteral("Weight is a compulsory detail (integer numbers only)"));
        m_ui.tbx_peso->setFocus();
        return false;
    }
    p.peso = Dato::de(peso->toLongLong());
    return true;
}

void DatosPersonales::guardarDatosPersonales()
{
    const PerfilActual& p = m_validados;
    if (escribirDatosPersonales(p.edad.entero(), p.genero.entero(), p.peso.entero())) {
        // Only what is stored is held in memory.
        m_sesion.perfilActual.edad = p.edad;
        m_sesion.perfilActual.genero = p.genero;
        m_sesion.perfilActual.peso = p.peso;
        mensajes::confirmar(m_ventana, QStringLiteral("Your personal data have been saved"));
    } else {
        mensajes::errorEscritura(
            m_ventana, QStringLiteral("An error occured while saving your personal data"));
    }
}

void DatosPersonales::guardar()
{
    if (!validarDatos())
        return;
    guardarDatosPersonales();
    m_sesion.anunciarCambioDePerfil(Sesion::Cambio::DatosPersonales);
}
