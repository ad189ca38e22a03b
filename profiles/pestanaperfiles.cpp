#include "profiles/pestanaperfiles.h"

#include "evaluation/valoresrecomendados.h"
#include "profiles/datospersonales.h"
#include "profiles/perfilactual.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/main/mensajes.h"
#include "windows/main/ventanaprincipal.h"

#include <QPushButton>
#include <QTreeWidget>

PestanaPerfiles::PestanaPerfiles(VentanaPrincipal& f) : QObject(&f), m_f(f)
{
    InterfazPrincipal& ui = m_f.ui();
    connect(ui.cmd_perfilNuevo, &QPushButton::clicked, this,
            [this] { abrirDialogo(DialogoPerfil::Modo::Crear); });
    connect(ui.cmd_perfilCargar, &QPushButton::clicked, this, &PestanaPerfiles::cargarPerfil);
    connect(ui.cmd_perfilGuardar, &QPushButton::clicked, this,
            [this] { abrirDialogo(DialogoPerfil::Modo::Guardar); });
    connect(ui.cmd_perfilRenombrar, &QPushButton::clicked, this,
            [this] { abrirDialogo(DialogoPerfil::Modo::Renombrar); });
    connect(ui.cmd_perfilBorrar, &QPushButton::clicked, this, &PestanaPerfiles::pulsarBorrar);
    connect(ui.lsv_perfiles, &QTreeWidget::itemDoubleClicked, this, [this] { cargarPerfil(); });
}

void PestanaPerfiles::cargarPerfiles()
{
    almacen::Ocupado ocupado;
    QTreeWidget* lista = m_f.ui().lsv_perfiles;
    lista->clear();

    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select id, name, last from profiles order by name collate nocase"));
    QList<QTreeWidgetItem*> elementos;
    elementos.reserve(c.filas.size());
    QTreeWidgetItem* actual = nullptr;
    for (const QVariantList& fila : c.filas) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, fila[1].isNull() ? QStringLiteral("Without name") : fila[1].toString());
        item->setData(0, RolIdPerfil, fila[0].toLongLong());
        // The same test as the one that finds the current profile ("last=true").
        if (fila[2].toLongLong() == 1)
            actual = item;
        elementos << item;
    }
    // One insertion instead of one per row keeps a long list quick to refill.
    lista->addTopLevelItems(elementos);
    lista->setCurrentItem(actual);
    if (!actual)
        lista->clearSelection();

    if (!c.ok)
        escribirLog(QStringLiteral("cargarPerfiles() -> ") + c.error);
}

bool PestanaPerfiles::perfilSeleccionado(qint64* id, QString* nombre) const
{
    const QList<QTreeWidgetItem*> seleccion = m_f.ui().lsv_perfiles->selectedItems();
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

void PestanaPerfiles::avisarSinSeleccion(QWidget* padre)
{
    mensajes::avisar(padre, QStringLiteral("Please, select a profile in the list first"));
}

void PestanaPerfiles::cargarPerfil()
{
    qint64 id = 0;
    if (!perfilSeleccionado(&id)) {
        avisarSinSeleccion(&m_f);
        return;
    }

    // Clearing every flag and setting one go together: a load that fails half
    // way must leave the previous profile current, not none.
    bool cargado = false;
    QString fallo;
    {
        almacen::Transaccion t;
        if (!t.iniciada()) {
            fallo = t.error();
        } else {
            cargado = almacen::ejecutarSQL(QStringLiteral("update profiles set last=0")) > 0 &&
                      almacen::ejecutarSQL(QStringLiteral("update profiles set last=1 where id=?"),
                                           {id}) > 0;
            if (cargado && !t.confirmar()) {
                fallo = t.error();
                cargado = false;
            }
        }
    }

    if (cargado) {
        perfilActual().idPerfil = Dato::de(id);
        extraerDatosPersonales();
        m_f.datosPersonales().seleccionarDatosPersonales();
        establecerValoresRecomendados();
        mensajes::informar(&m_f, QStringLiteral("Profile loaded"));
    } else {
        mensajes::error(&m_f,
                        QStringLiteral("An error occurred while loading the profile selected"));
    }
    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("cargarPerfil() -> ") + fallo);
}

void PestanaPerfiles::pulsarBorrar()
{
    if (!perfilSeleccionado(nullptr)) {
        avisarSinSeleccion(&m_f);
        return;
    }
    if (mensajes::preguntar(
            &m_f, QStringLiteral("Are you sure you want to remove the selected profile?")))
        borrarPerfil();
}

void PestanaPerfiles::borrarPerfil()
{
    qint64 id = 0;
    if (!perfilSeleccionado(&id)) {
        avisarSinSeleccion(&m_f);
        return;
    }
    if (perfilActual().idPerfil.igualA(id)) {
        mensajes::avisar(&m_f,
                         QStringLiteral("The profile you try to remove is currently running"));
        return;
    }

    // The profile and its intakes go together or not at all: intakes left
    // without their profile would never be seen or removed again.
    bool borrado = false;
    QString fallo;
    {
        almacen::Transaccion t;
        if (!t.iniciada()) {
            fallo = t.error();
        } else {
            const almacen::Consulta cuenta = almacen::consultar(
                QStringLiteral("select count(*) from saves where prof_id=?"), {id});
            if (!cuenta.ok) {
                fallo = cuenta.error;
            } else if (almacen::ejecutarSQL(QStringLiteral("delete from profiles where id=?"),
                                            {id}) > 0) {
                // A profile without intakes deletes no row here; one with
                // intakes must lose every one of them.
                const qint64 ingestas = cuenta.vacia() ? 0 : cuenta.filas[0][0].toLongLong();
                const int quitadas =
                    almacen::ejecutarSQL(QStringLiteral("delete from saves where prof_id=?"), {id});
                borrado = quitadas == ingestas;
                if (borrado && !t.confirmar()) {
                    fallo = t.error();
                    borrado = false;
                }
            }
        }
    }

    if (borrado) {
        mensajes::informar(&m_f, QStringLiteral("Profile removed"));
        cargarPerfiles();
    } else {
        mensajes::error(&m_f,
                        QStringLiteral("An error occurred while removing the profile selected"));
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
        avisarSinSeleccion(&m_f);
        return;
    }
    m_dialogo = new DialogoPerfil(m_f, modo, nombre);
    m_dialogo->show();
}

void PestanaPerfiles::cerrarDialogo()
{
    if (m_dialogo)
        m_dialogo->close();
}
