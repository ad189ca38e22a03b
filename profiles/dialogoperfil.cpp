#include "profiles/dialogoperfil.h"

#include "evaluation/valoresrecomendados.h"
#include "profiles/datospersonales.h"
#include "profiles/perfilactual.h"
#include "profiles/pestanaperfiles.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/main/mensajes.h"
#include "windows/main/ventanaprincipal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

const QString textoCrear = QStringLiteral("Create");
const QString textoGuardar = QStringLiteral("Save");
const QString textoRenombrar = QStringLiteral("Rename");

const QString etiquetaGuardar = QStringLiteral("guardar() (profiles) -> ");

const QString falloCrear = QStringLiteral("An error occurred while creting the new profile");
const QString falloCopiar =
    QStringLiteral("An error occurred while duplicating the profile selected");

// Positions in the window's own unit (twips) turned into pixels.
QRect rectangulo(int izquierda, int arriba, int ancho, int alto)
{
    return QRect(izquierda / 15, arriba / 15, ancho / 15, alto / 15);
}

} // namespace

DialogoPerfil::DialogoPerfil(VentanaPrincipal& f, Modo modo, const QString& nombre)
    : QDialog(&f), m_f(f)
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
    // The 255-character rule is checked on "Save" with a message; the box
    // itself must not cut a longer name short without telling.
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

    if (QScreen* pantalla = f.screen())
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
    if (largo == 0 || largo > 255) {
        mensajes::avisar(this, QStringLiteral("Profile name cannot be blank or greater than 255 "
                                              "characters"));
        tbx_perfil->setFocus();
        return;
    }
    guardar();
}

void DialogoPerfil::guardar()
{
    PestanaPerfiles& perfiles = m_f.perfiles();
    qint64 origen = 0;
    const bool haySeleccion = perfiles.perfilSeleccionado(&origen);
    const QString modo = cmd_guardar->text();

    if ((modo == textoGuardar || modo == textoRenombrar) && !haySeleccion) {
        PestanaPerfiles::avisarSinSeleccion(this);
        return;
    }

    bool actualNuevo = false;
    if (modo == textoGuardar)
        actualNuevo = copiar(origen);
    else if (modo == textoRenombrar)
        renombrar(origen);
    else if (modo == textoCrear)
        actualNuevo = crear();

    perfiles.cargarPerfiles();
    extraerDatosPersonales();
    m_f.datosPersonales().seleccionarDatosPersonales();
    if (actualNuevo)
        establecerValoresRecomendados();
    close();
}

bool DialogoPerfil::anunciar(qint64 id, const QString& exito, const QString& fallo)
{
    if (id <= 0) {
        mensajes::error(this, fallo);
        return false;
    }
    mensajes::informar(this, exito);
    perfilActual().idPerfil = Dato::de(id);
    return true;
}

bool DialogoPerfil::crear()
{
    qint64 id = 0;
    {
        almacen::Transaccion t;
        if (!t.iniciada()) {
            escribirLog(etiquetaGuardar + t.error());
        } else {
            id = nuevoRegistro();
            if (id > 0 && !(dejarActual(id) && t.confirmar())) {
                if (!t.error().isEmpty())
                    escribirLog(etiquetaGuardar + t.error());
                id = 0;
            }
        }
    }
    return anunciar(id, QStringLiteral("Profile created"), falloCrear);
}

bool DialogoPerfil::copiar(qint64 origen)
{
    qint64 id = 0;
    {
        // The copy is one action: a step that fails takes the new row, its
        // intakes and the flag changes back, leaving the source current.
        almacen::Transaccion t;
        if (!t.iniciada()) {
            escribirLog(etiquetaGuardar + t.error());
        } else {
            bool leidos = false;
            const QList<IngestaPerfil> alimentos = extraerAlimentosPerfil(origen, &leidos);
            const qint64 nuevo = leidos ? nuevoRegistro() : 0;
            if (nuevo > 0 && duplicarDatos(nuevo, alimentos)) {
                bool ok = false;
                const std::array<QVariant, 3> datos = extraerPersonalesPerfil(origen, &ok);
                const bool hecho =
                    ok &&
                    almacen::ejecutarSQL(
                        QStringLiteral("update profiles set age=?, gender=?, weight=? where id=?"),
                        {datos[0], datos[1], datos[2], nuevo}) > 0 &&
                    dejarActual(nuevo);
                if (hecho) {
                    if (t.confirmar())
                        id = nuevo;
                    else
                        escribirLog(etiquetaGuardar + t.error());
                }
            }
        }
    }
    return anunciar(id, QStringLiteral("Profile saved"), falloCopiar);
}

void DialogoPerfil::renombrar(qint64 origen)
{
    if (almacen::ejecutarSQL(QStringLiteral("update profiles set name=? where id=?"),
                             {tbx_perfil->text(), origen}) > 0)
        mensajes::informar(this, QStringLiteral("Profile renamed"));
    else
        mensajes::error(this, QStringLiteral("An error occurred while renaming the profile"));
}

bool DialogoPerfil::dejarActual(qint64 id)
{
    // With no other profile the update changes no row, so its count cannot
    // tell success; what counts is that no other row keeps the flag.
    almacen::ejecutarSQL(QStringLiteral("update profiles set last=0 where id<>?"), {id});
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select count(*) from profiles where last=true and id<>?"), {id});
    if (!c.ok) {
        escribirLog(c.entradaLog(etiquetaGuardar));
        return false;
    }
    return !c.vacia() && c.filas[0][0].toLongLong() == 0;
}

qint64 DialogoPerfil::nuevoRegistro()
{
    // The id is the one this very insert was given: the largest id in the
    // table need not be ours.
    const qint64 id = almacen::insertarSQL(
        QStringLiteral("insert into profiles(name,last) values (?, 1)"), {tbx_perfil->text()});
    if (id <= 0)
        escribirLog(QStringLiteral("nuevoRegistro() (profiles) -> The new profile was not "
                                   "created"));
    return id;
}

std::array<QVariant, 3> DialogoPerfil::extraerPersonalesPerfil(qint64 id, bool* ok)
{
    std::array<QVariant, 3> datos;
    if (ok)
        *ok = false;
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select age, gender, weight from profiles where id=?"), {id});
    if (!c.ok) {
        escribirLog(c.entradaLog(QStringLiteral("extraerPersonalesPerfil() (profiles) -> ")));
        return datos;
    }
    if (c.vacia()) {
        escribirLog(QStringLiteral("extraerPersonalesPerfil() (profiles) -> There is no profile "
                                   "with the id %1")
                        .arg(id));
        return datos;
    }
    for (int i = 0; i < 3; ++i)
        datos[i] = c.filas[0][i];
    if (ok)
        *ok = true;
    return datos;
}

QList<IngestaPerfil> DialogoPerfil::extraerAlimentosPerfil(qint64 id, bool* ok)
{
    QList<IngestaPerfil> alimentos;
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select food_id, intake from saves where prof_id=?"), {id});
    if (ok)
        *ok = c.ok;
    if (!c.ok) {
        escribirLog(c.entradaLog(QStringLiteral("extraerAlimentosPerfil() (profiles) -> ")));
        return alimentos;
    }
    alimentos.reserve(c.filas.size());
    for (const QVariantList& fila : c.filas)
        alimentos.append({fila[0].toLongLong(), fila[1].toLongLong()});
    return alimentos;
}

bool DialogoPerfil::duplicarDatos(qint64 idNuevo, const QList<IngestaPerfil>& alimentos)
{
    for (const IngestaPerfil& a : alimentos) {
        if (almacen::ejecutarSQL(
                QStringLiteral("insert into saves (prof_id, food_id, intake) values (?, ?, ?)"),
                {idNuevo, a.alimento, a.cantidad}) <= 0) {
            escribirLog(QStringLiteral("duplicarDatos() (profiles) -> The intake of food %1 could "
                                       "not be copied to profile %2")
                            .arg(a.alimento)
                            .arg(idNuevo));
            return false;
        }
    }
    return true;
}
