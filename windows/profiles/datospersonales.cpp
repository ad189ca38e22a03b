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

DatosPersonales::DatosPersonales(Sesion& sesion, QWidget* padre) : QWidget(padre), m_sesion(sesion)
{
    construir();
    connect(m_guardar, &QPushButton::clicked, this, &DatosPersonales::guardar);
}

void DatosPersonales::construir()
{
    auto* formulario = crear<QGroupBox>(this, "Frame1");
    formulario->setTitle(tr("Complete the following form and click Save"));
    auto* rejilla = new QGridLayout(formulario);
    rejilla->setVerticalSpacing(14);
    QLabel* lblEdad = etiqueta(formulario, "lbl_edad", tr("Age:"));
    rejilla->addWidget(lblEdad, 0, 0);
    m_edad = crear<QComboBox>(formulario, "cmb_edad");
    nombrar(m_edad, tr("Age group"), lblEdad);
    rejilla->addWidget(m_edad, 0, 1, 1, 2);
    rejilla->addWidget(etiqueta(formulario, "lbl_genero", tr("Gender:")), 1, 0);
    m_hombre = crear<QRadioButton>(formulario, "opb_hombre");
    m_hombre->setText(tr("Male"));
    m_mujer = crear<QRadioButton>(formulario, "opb_mujer");
    m_mujer->setText(tr("Female"));
    // The caption alone says the option, not what it answers.
    m_hombre->setAccessibleDescription(tr("Gender"));
    m_mujer->setAccessibleDescription(tr("Gender"));
    m_genero = new QButtonGroup(formulario);
    m_genero->addButton(m_hombre, 0);
    m_genero->addButton(m_mujer, 1);
    rejilla->addWidget(m_hombre, 1, 1);
    rejilla->addWidget(m_mujer, 1, 2);
    auto* lblPeso = etiqueta(formulario, "lbl_peso", tr("Weight  (kilograms):"));
    lblPeso->setWordWrap(false);
    rejilla->addWidget(lblPeso, 2, 0);
    m_peso = crear<QLineEdit>(formulario, "tbx_peso");
    m_peso->setMaxLength(3);
    m_peso->setMaximumWidth(60);
    nombrar(m_peso, tr("Weight in kilograms"), lblPeso);
    rejilla->addWidget(m_peso, 2, 1, 1, 2, Qt::AlignLeft);
    rejilla->setColumnStretch(1, 1);
    rejilla->setColumnStretch(2, 1);

    m_guardar = boton(this, "cmd_personales", tr("Save"));
    m_guardar->setMinimumWidth(180);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 40, 0, 0);
    auto* fila = new QHBoxLayout;
    fila->addStretch(1);
    fila->addWidget(formulario, 3);
    fila->addStretch(1);
    v->addLayout(fila);
    v->addSpacing(24);
    v->addWidget(m_guardar, 0, Qt::AlignHCenter);
    v->addStretch(1);
}

void DatosPersonales::poblarComboEdades()
{
    m_edad->addItems(gruposEdad());
}

void DatosPersonales::seleccionarDatosPersonales()
{
    const PerfilActual& p = m_sesion.perfilActual;
    if (p.edad.esNulo()) {
        m_edad->setCurrentIndex(-1);
    } else if (p.edad.entero() >= 0 && p.edad.entero() < m_edad->count()) {
        m_edad->setCurrentIndex(int(p.edad.entero()));
    } else {
        escribirLog(QStringLiteral("seleccionarDatosPersonales() -> The stored age group %1 is "
                                   "not in the list of age groups")
                        .arg(p.edad.texto()));
    }

    // Both options may have to be cleared, which an exclusive group forbids.
    m_genero->setExclusive(false);
    m_hombre->setChecked(p.genero.igualA(0));
    m_mujer->setChecked(p.genero.igualA(1));
    m_genero->setExclusive(true);

    m_peso->setText(p.peso.tieneValor() ? cifras::entero(p.peso.entero(), QLocale())
                                        : p.peso.texto());
}

bool DatosPersonales::validarDatos()
{
    // The accepted values wait here until the update has succeeded.
    PerfilActual& p = m_validados;
    p = m_sesion.perfilActual;

    const int edad = m_edad->currentIndex();
    if (edad < 0) {
        mensajes::avisar(window(), tr("Age is a compulsory detail"));
        m_edad->setFocus();
        return false;
    }
    p.edad = Dato::de(edad);

    if (m_hombre->isChecked()) {
        p.genero = Dato::de(0);
    } else if (m_mujer->isChecked()) {
        p.genero = Dato::de(1);
    } else {
        mensajes::avisar(window(), tr("Sex is a compulsory detail"));
        m_hombre->setFocus();
        return false;
    }

    const std::optional<QString> peso = cifras::digitos(m_peso->text());
    // Any number of zeros is a weight of 0, which is no weight.
    if (!peso || peso->toLongLong() == 0) {
        mensajes::avisar(window(), tr("Weight is a compulsory detail (integer numbers only)"));
        m_peso->setFocus();
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
        mensajes::confirmar(window(), tr("Your personal data have been saved"));
    } else {
        mensajes::errorEscritura(window(), tr("An error occured while saving your personal data"));
    }
}

void DatosPersonales::guardar()
{
    if (!validarDatos())
        return;
    guardarDatosPersonales();
    m_sesion.anunciarCambioDePerfil(Sesion::Cambio::DatosPersonales);
}
