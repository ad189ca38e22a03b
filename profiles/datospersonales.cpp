#include "profiles/datospersonales.h"

#include "evaluation/valoresrecomendados.h"
#include "profiles/perfilactual.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/main/interfaz.h"
#include "windows/main/mensajes.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <iterator>

namespace {

const char* const gruposEdad[] = {
    "0 - 6 months",  "7 - 12 months", "1 - 3 years",   "4 - 8 years",   "9 - 13 years",
    "14 - 18 years", "19 - 30 years", "31 - 50 years", "51 - 70 years", "> 70 years",
};

bool soloDigitos(const QString& texto)
{
    for (const QChar c : texto)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

void extraerDatosPersonales()
{
    almacen::Ocupado ocupado;
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select id, age, gender, weight from profiles where last=true"));
    if (!c.ok) {
        escribirLog(c.entradaLog(QStringLiteral("extraerDatosPersonales() -> ")));
        return;
    }
    if (c.vacia())
        return;
    const QVariantList& fila = c.filas.first();
    PerfilActual& p = perfilActual();
    p.idPerfil = Dato::deVariante(fila[0]);
    p.edad = Dato::deVariante(fila[1]);
    p.genero = Dato::deVariante(fila[2]);
    p.peso = Dato::deVariante(fila[3]);
}

bool faltanDatosPersonales()
{
    const PerfilActual& p = perfilActual();
    return p.edad.esNulo() || p.genero.esNulo() || p.peso.esNulo() || p.peso.igualA(0);
}

QString resumenPerfilActual()
{
    const PerfilActual& p = perfilActual();
    if (!p.idPerfil.tieneValor())
        return QStringLiteral("No current profile");
    const almacen::Consulta c =
        almacen::consultar(QStringLiteral("select name from profiles where id=?"),
                           {p.idPerfil.entero()});
    if (!c.ok)
        escribirLog(c.entradaLog(QStringLiteral("resumenPerfilActual() -> ")));
    const QString nombre = c.vacia() ? QString() : c.filas.first().value(0).toString();
    const qint64 edad = p.edad.entero();
    if (faltanDatosPersonales() || !p.edad.tieneValor() || edad < 0 ||
        edad >= qint64(std::size(gruposEdad)) || !p.genero.tieneValor())
        return QStringLiteral("Profile: %1 - personal data not set yet").arg(nombre);
    return QStringLiteral("Profile: %1 - %2, %3, %4 kg")
        .arg(nombre, QLatin1String(gruposEdad[edad]),
             p.genero.igualA(0) ? QStringLiteral("male") : QStringLiteral("female"),
             p.peso.texto());
}

DatosPersonales::DatosPersonales(InterfazPrincipal& ui, QWidget* ventana)
    : QObject(ventana), m_ui(ui), m_ventana(ventana)
{
    connect(m_ui.cmd_personales, &QPushButton::clicked, this, &DatosPersonales::guardar);
}

void DatosPersonales::poblarComboEdades()
{
    for (const char* g : gruposEdad)
        m_ui.cmb_edad->addItem(QLatin1String(g));
}

void DatosPersonales::seleccionarDatosPersonales()
{
    const PerfilActual& p = perfilActual();
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

    m_ui.tbx_peso->setText(p.peso.esNulo() ? QString() : p.peso.texto());
    emit perfilCambiado();
}

bool DatosPersonales::validarDatos()
{
    PerfilActual& p = perfilActual();

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

    const QString peso = m_ui.tbx_peso->text();
    if (peso.isEmpty() || peso == QLatin1String("0") || !soloDigitos(peso)) {
        mensajes::avisar(m_ventana,
                         QStringLiteral("Weight is a compulsory detail (integer numbers only)"));
        m_ui.tbx_peso->setFocus();
        return false;
    }
    p.peso = Dato::de(peso.toLongLong());
    return true;
}

void DatosPersonales::guardarDatosPersonales()
{
    const int filas = almacen::ejecutarSQL(
        QStringLiteral("update profiles set age=?, gender=?, weight=? where last=true"),
        {m_ui.cmb_edad->currentIndex(), perfilActual().genero.entero(),
         m_ui.tbx_peso->text().toLongLong()});
    if (filas > 0)
        mensajes::informar(m_ventana, QStringLiteral("Your personal data have been saved"));
    else
        mensajes::error(m_ventana, QStringLiteral("An error occured while saving your personal data"));
}

void DatosPersonales::guardar()
{
    if (!validarDatos())
        return;
    guardarDatosPersonales();
    establecerValoresRecomendados();
    emit perfilCambiado();
}
