#include "windows/profiles/pestanaperfiles.h"

#include "catalogue/propios.h"
#include "evaluation/sesion.h"
#include "profiles/perfiles.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/common/acerca.h"
#include "windows/common/controles.h"
#include "windows/common/mensajes.h"
#include "windows/common/roles.h"

#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

PestanaPerfiles::PestanaPerfiles(Sesion& sesion, QWidget* padre) : QWidget(padre), m_sesion(sesion)
{
    construir();
    m_confirmarEnBarra->setChecked(mensajes::confirmarEnBarra());
    connect(m_confirmarEnBarra, &QCheckBox::toggled, this, &mensajes::ponerConfirmarEnBarra);
    connect(m_acerca, &QLabel::linkActivated, this, [this] { mostrarAcerca(window()); });
    connect(m_nuevo, &QPushButton::clicked, this,
            [this] { abrirDialogo(DialogoPerfil::Modo::Crear); });
    connect(m_cargar, &QPushButton::clicked, this, &PestanaPerfiles::cargarPerfil);
    connect(m_copiar, &QPushButton::clicked, this,
            [this] { abrirDialogo(DialogoPerfil::Modo::Guardar); });
    connect(m_renombrar, &QPushButton::clicked, this,
            [this] { abrirDialogo(DialogoPerfil::Modo::Renombrar); });
    connect(m_borrar, &QPushButton::clicked, this, &PestanaPerfiles::pulsarBorrar);
    connect(m_lista, &QTreeWidget::itemDoubleClicked, this, [this] { cargarPerfil(); });
    connect(m_respaldar, &QPushButton::clicked, this, &PestanaPerfiles::respaldar);
    connect(m_restaurar, &QPushButton::clicked, this, &PestanaPerfiles::restaurar);
}

void PestanaPerfiles::construir()
{
    QLabel* titulo =
        etiqueta(this, "Label15", tr("The following list displays profiles already saved."));
    QLabel* explicacion = etiqueta(this, "Label16",
                                   tr("A profile stores information about saved food intakes "
                                      "and personal data. Select one of them and click the "
                                      "buttons on the right for managing. "));
    m_lista = listaInforme(this, "lsv_perfiles", {QString()}, {QStringLiteral("uno")});
    m_lista->setHeaderHidden(true);
    nombrar(m_lista, tr("Profiles already saved"));
    m_lista->header()->setStretchLastSection(true);
    m_nuevo = boton(this, "cmd_perfilNuevo", tr("New"));
    m_cargar = boton(this, "cmd_perfilCargar", tr("Load"));
    m_copiar = boton(this, "cmd_perfilGuardar", tr("Save as"));
    m_renombrar = boton(this, "cmd_perfilRenombrar", tr("Rename"));
    m_borrar = boton(this, "cmd_perfilBorrar", tr("Remove"));
    m_respaldar = boton(this, "cmd_respaldar", tr("Back up data..."));
    m_restaurar = boton(this, "cmd_restaurar", tr("Restore data..."));

    auto* botones = new QVBoxLayout;
    botones->setSpacing(14);
    for (QPushButton* b :
         {m_nuevo, m_cargar, m_copiar, m_renombrar, m_borrar, m_respaldar, m_restaurar}) {
        b->setMinimumWidth(140);
        b->setMaximumWidth(220);
        botones->addWidget(b);
    }
    botones->addStretch(1);
    auto* fila = new QHBoxLayout;
    fila->addSpacing(24);
    fila->addWidget(m_lista, 5);
    fila->addSpacing(24);
    fila->addLayout(botones, 3);
    fila->addSpacing(24);

    auto* v = new QVBoxLayout(this);
    v->addWidget(titulo);
    v->addWidget(explicacion);
    v->addSpacing(12);
    v->addLayout(fila, 1);
    v->addSpacing(12);
    v->addLayout(construirPie());
    v->addSpacing(28);
}

QHBoxLayout* PestanaPerfiles::construirPie()
{
    m_confirmarEnBarra = crear<QCheckBox>(this, "chk_confirmarEnBarra");
    m_confirmarEnBarra->setText(tr("Confirm saves in the status bar instead of a message box"));
    m_acerca = crear<QLabel>(this, "lbl_acerca");
    m_acerca->setText(tr("<a href=\"acerca\">About Alimetra</a>"));
    m_acerca->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    nombrar(m_acerca, tr("About Alimetra"));
    auto* pie = new QHBoxLayout;
    pie->addWidget(m_confirmarEnBarra);
    pie->addStretch(1);
    pie->addWidget(m_acerca);
    return pie;
}

namespace {

// What a restore from `ruta` would do, asked before it is done.
QString preguntaRestaurar(const almacen::Respaldo& r, const QString& ruta)
{
    QString pregunta =
        PestanaPerfiles::tr("Replace all your data with the %1 profile(s) and %2 "
                            "intake(s) of %3, with its %4 edited reference value(s)?")
            .arg(r.perfiles.size())
            .arg(r.ingestas.size())
            .arg(QDir::toNativeSeparators(ruta))
            .arg(r.editados);
    if (!r.retirados.isEmpty())
        pregunta += PestanaPerfiles::tr("\n%1 food(s) of its intakes that the food table no longer "
                                        "has will be kept, marked withdrawn.")
                        .arg(r.retirados.size());
    const int propiosActuales = int(propios::idsPropios().size());
    if (r.alimentosPropios() > 0 || propiosActuales > 0)
        pregunta +=
            PestanaPerfiles::tr("\nYour %1 own food(s) and recipe(s) will be replaced by the "
                                "file's %2.")
                .arg(propiosActuales)
                .arg(r.alimentosPropios());
    if (r.valoresDistintos > 0)
        pregunta +=
            PestanaPerfiles::tr("\n%1 reference value(s) or upper limit(s) of the file differ "
                                "from yours and will replace them.")
                .arg(r.valoresDistintos);
    if (r.omitidas > 0)
        pregunta +=
            PestanaPerfiles::tr("\n%1 row(s) or value(s) of the file are not valid and will "
                                "be left out.")
                .arg(r.omitidas);
    return pregunta;
}

} // namespace

void PestanaPerfiles::restaurar()
{
    const QString ruta =
        mensajes::elegirArchivoExistente(window(), tr("Restore data"), tr("Databases (*.mdb)"));
    if (ruta.isEmpty())
        return;
    QString fallo;
    std::optional<almacen::Respaldo> respaldo;
    {
        AvanceLargo avance(window(),
                           tr("Reading and checking %1...").arg(QDir::toNativeSeparators(ruta)));
        respaldo = almacen::leerRespaldo(ruta, &fallo, [&avance] { avance(); });
    }
    if (!respaldo) {
        mensajes::error(window(), tr("The data were not restored:\n%1").arg(fallo));
        return;
    }
    if (!mensajes::preguntar(window(), preguntaRestaurar(*respaldo, ruta)))
        return;
    cerrarDialogo();
    const bool hecho = almacen::restaurar(*respaldo, &fallo);
    m_sesion.anunciarCambioDePerfil(Sesion::Cambio::Base);
    cargarPerfiles();
    if (hecho)
        mensajes::informar(window(),
                           tr("Data restored from %1: %2 profile(s), %3 "
                              "intake(s), %4 edited reference value(s)%5")
                               .arg(QDir::toNativeSeparators(ruta))
                               .arg(respaldo->perfiles.size())
                               .arg(respaldo->ingestas.size())
                               .arg(respaldo->editados)
                               .arg(respaldo->alimentosPropios() > 0
                                        ? tr(", %1 own food(s)").arg(respaldo->alimentosPropios())
                                        : QString()));
    else
        mensajes::error(window(), tr("The data could not be restored from %1:\n%2")
                                      .arg(QDir::toNativeSeparators(ruta), fallo));
}

void PestanaPerfiles::respaldar()
{
    // Offered among the user's documents, not in the hidden data folder where
    // the working database is.
    QString carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (carpeta.isEmpty() || !QFileInfo(carpeta).isDir())
        carpeta = QDir::homePath();
    const QString ruta = mensajes::elegirArchivo(
        window(), tr("Back up data"),
        QDir(carpeta).filePath(QStringLiteral("alimetra-backup-%1.mdb")
                                   .arg(QDate::currentDate().toString(Qt::ISODate))),
        tr("Databases (*.mdb)"));
    if (ruta.isEmpty())
        return;
    QString fallo;
    if (almacen::respaldar(ruta, &fallo))
        mensajes::confirmar(window(),
                            tr("Data backed up to %1").arg(QDir::toNativeSeparators(ruta)));
    else
        mensajes::error(window(), tr("The data could not be backed up to %1:\n%2")
                                      .arg(QDir::toNativeSeparators(ruta), fallo));
}

void PestanaPerfiles::cargarPerfiles()
{
    almacen::Ocupado ocupado;
    QTreeWidget* lista = m_lista;
    lista->clear();

    QString fallo;
    const QList<perfiles::Fila> filas = perfiles::listar(&fallo);
    QList<QTreeWidgetItem*> elementos;
    elementos.reserve(filas.size());
    QTreeWidgetItem* actual = nullptr;
    for (const perfiles::Fila& fila : filas) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, fila.nombre.isNull() ? tr("Without name") : fila.nombre.toString());
        item->setData(0, RolIdPerfil, fila.id);
        if (fila.actual)
            actual = item;
        elementos << item;
    }
    // One insertion instead of one per row keeps a long list quick to refill.
    lista->addTopLevelItems(elementos);
    lista->setCurrentItem(actual);
    if (!actual)
        lista->clearSelection();

    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("cargarPerfiles() -> ") + fallo);
}

bool PestanaPerfiles::perfilSeleccionado(qint64* id, QString* nombre) const
{
    const QList<QTreeWidgetItem*> seleccion = m_lista->selectedItems();
    if (seleccion.isEmpty())
        return false;
    const QVariant valor = seleccion.first()->data(0, RolIdPerfil);
    if (!valor.isValid())
        return false;
    if (id)
        *id = valor.toLongLong();
    if (nombre)
        *nombre = seleccion.first()->text(0);
    return true;
}

void PestanaPerfiles::cargarPerfil()
{
    qint64 id = 0;
    if (!perfilSeleccionado(&id)) {
        DialogoPerfil::avisarSinSeleccion(window());
        return;
    }
    QString fallo;
    if (perfiles::hacerActual(id, &fallo)) {
        m_sesion.perfilActual.idPerfil = Dato::de(id);
        m_sesion.anunciarCambioDePerfil(Sesion::Cambio::OtroPerfil);
        mensajes::informar(window(), tr("Profile loaded"));
    } else {
        mensajes::errorEscritura(window(),
                                 tr("An error occurred while loading the profile selected"));
    }
    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("cargarPerfil() -> ") + fallo);
}

void PestanaPerfiles::pulsarBorrar()
{
    if (!perfilSeleccionado(nullptr)) {
        DialogoPerfil::avisarSinSeleccion(window());
        return;
    }
    if (mensajes::preguntar(window(), tr("Are you sure you want to remove the selected profile?")))
        borrarPerfil();
}

void PestanaPerfiles::borrarPerfil()
{
    qint64 id = 0;
    if (!perfilSeleccionado(&id)) {
        DialogoPerfil::avisarSinSeleccion(window());
        return;
    }
    if (m_sesion.perfilActual.idPerfil.igualA(id)) {
        mensajes::avisar(window(), tr("The profile you try to remove is currently running"));
        return;
    }
    QString fallo;
    if (perfiles::borrar(id, &fallo)) {
        mensajes::informar(window(), tr("Profile removed"));
        cargarPerfiles();
    } else {
        mensajes::errorEscritura(window(),
                                 tr("An error occurred while removing the profile selected"));
    }
    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("borrarPerfil() -> ") + fallo);
}

DialogoPerfil* PestanaPerfiles::dialogo() const
{
    return m_dialogo && m_dialogo->isVisible() ? m_dialogo.data() : nullptr;
}

void PestanaPerfiles::abrirDialogo(DialogoPerfil::Modo modo)
{
    if (DialogoPerfil* abierto = dialogo()) {
        abierto->raise();
        abierto->activateWindow();
        return;
    }
    QString nombre;
    if (modo != DialogoPerfil::Modo::Crear && !perfilSeleccionado(nullptr, &nombre)) {
        DialogoPerfil::avisarSinSeleccion(window());
        return;
    }
    // The dialog does not block the list: the item selected when its button
    // is pressed is the one that counts.
    m_dialogo = new DialogoPerfil(window(), m_sesion, modo, nombre,
                                  [this](qint64* id) { return perfilSeleccionado(id); });
    connect(m_dialogo, &DialogoPerfil::perfilesCambiados, this, &PestanaPerfiles::cargarPerfiles);
    m_dialogo->show();
}

void PestanaPerfiles::cerrarDialogo()
{
    if (m_dialogo)
        m_dialogo->close();
}
