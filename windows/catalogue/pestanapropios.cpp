#include "windows/catalogue/pestanapropios.h"

#include "catalogue/catalogo.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/common/controles.h"
#include "windows/common/mensajes.h"
#include "windows/common/roles.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const char* const filtroCsv =
    QT_TRANSLATE_NOOP("PestanaPropios", "CSV files (*.csv);;All files (*)");

} // namespace

PestanaPropios::PestanaPropios(QWidget* padre) : QWidget(padre)
{
    construir();
    conectar();
}

void PestanaPropios::construir()
{
    m_explicacion =
        etiqueta(this, "lbl_8_1",
                 tr("Record here what the food table lacks: a packaged food from the values "
                    "its label prints, or a dish you make from its ingredients, which gets "
                    "its values from theirs. Tab 2 finds them under their group (\"My "
                    "foods\" unless you choose another) and they count in your intakes as "
                    "any food does."));
    m_sinTablas = etiqueta(this, "lbl_8_2",
                           tr("This database has no room for foods of your own, so "
                              "none can be recorded in it."));
    m_sinTablas->hide();
    m_lista = listaInforme(this, "lsv_propios",
                           {tr("Name"), tr("Kind"), tr("Group"), tr("Known nutrients")},
                           {QStringLiteral("name"), QStringLiteral("kind"), QStringLiteral("group"),
                            QStringLiteral("known")});
    m_lista->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    nombrar(m_lista, tr("Your own foods and recipes"));
    for (int c = 1; c < 4; ++c)
        m_lista->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    m_alimentoNuevo = boton(this, "cmd_alimentoNuevo", tr("New food..."));
    m_recetaNueva = boton(this, "cmd_recetaNueva", tr("New recipe..."));
    m_editar = boton(this, "cmd_propioEditar", tr("Edit..."));
    m_copiar = boton(this, "cmd_propioCopiar", tr("Copy..."));
    m_borrar = boton(this, "cmd_propioBorrar", tr("Remove"));
    m_exportar = boton(this, "cmd_exportarPropios", tr("Export my foods..."));
    m_importar = boton(this, "cmd_importarPropios", tr("Import my foods..."));

    auto* botones = new QVBoxLayout;
    botones->setSpacing(14);
    for (QPushButton* b : {m_alimentoNuevo, m_recetaNueva, m_editar, m_copiar, m_borrar}) {
        b->setMinimumWidth(140);
        botones->addWidget(b);
    }
    botones->addSpacing(24);
    for (QPushButton* b : {m_exportar, m_importar})
        botones->addWidget(b);
    botones->addStretch(1);
    auto* fila = new QHBoxLayout;
    fila->addWidget(m_lista, 1);
    fila->addSpacing(16);
    fila->addLayout(botones);

    auto* v = new QVBoxLayout(this);
    v->addWidget(m_explicacion);
    v->addWidget(m_sinTablas);
    v->addSpacing(8);
    v->addLayout(fila, 1);
}

void PestanaPropios::conectar()
{
    connect(m_alimentoNuevo, &QPushButton::clicked, this,
            [this] { nuevo(propios::Tipo::Alimento); });
    connect(m_recetaNueva, &QPushButton::clicked, this, [this] { nuevo(propios::Tipo::Receta); });
    connect(m_editar, &QPushButton::clicked, this, &PestanaPropios::editar);
    connect(m_copiar, &QPushButton::clicked, this, &PestanaPropios::copiar);
    connect(m_borrar, &QPushButton::clicked, this, &PestanaPropios::borrar);
    connect(m_exportar, &QPushButton::clicked, this, &PestanaPropios::exportar);
    connect(m_importar, &QPushButton::clicked, this, &PestanaPropios::importar);
    // A double click or Enter on a row edits it.
    connect(m_lista, &QTreeWidget::itemActivated, this, &PestanaPropios::editar);
}

void PestanaPropios::cargar(qint64 elegir)
{
    if (elegir == 0)
        elegir = propioSeleccionado();
    const bool hay = almacen::baseAbierta() && propios::disponibles();
    m_sinTablas->setVisible(almacen::baseAbierta() && !hay);
    for (QPushButton* b :
         {m_alimentoNuevo, m_recetaNueva, m_editar, m_copiar, m_borrar, m_exportar, m_importar})
        b->setEnabled(hay);
    m_lista->clear();
    if (!hay)
        return;

    almacen::Ocupado ocupado;
    const almacen::Consulta c = propios::lista();
    if (!c.ok)
        escribirLog(c.entradaLog(QStringLiteral("PestanaPropios::cargar() -> ")));
    const QLocale local;
    const QString deTodos = local.toString(propios::nutrientes().size());
    QList<QTreeWidgetItem*> filas;
    QTreeWidgetItem* elegida = nullptr;
    for (const QVariantList& f : c.filas) {
        const qint64 id = f.value(0).toLongLong();
        auto* item = new QTreeWidgetItem(
            {f.value(1).toString(),
             f.value(2).toInt() == int(propios::Tipo::Receta) ? tr("Recipe") : tr("Food"),
             f.value(3).toString(),
             tr("%1 of %2").arg(local.toString(f.value(6).toInt()), deTodos)});
        item->setData(0, RolIdAlimento, id);
        if (id == elegir)
            elegida = item;
        filas << item;
    }
    m_lista->addTopLevelItems(filas);
    if (elegida) {
        m_lista->setCurrentItem(elegida);
        m_lista->scrollToItem(elegida);
    }
}

qint64 PestanaPropios::propioSeleccionado(QString* nombre) const
{
    const QList<QTreeWidgetItem*> elegidas = m_lista->selectedItems();
    if (elegidas.isEmpty())
        return 0;
    if (nombre)
        *nombre = elegidas.first()->text(0);
    return elegidas.first()->data(0, RolIdAlimento).toLongLong();
}

void PestanaPropios::avisarSinSeleccion()
{
    mensajes::avisar(window(), tr("Please, select one of your foods in the list first"));
}

EditorPropio* PestanaPropios::editor() const
{
    // A closed editor is on its way out.
    return m_editor && m_editor->isVisible() ? m_editor.data() : nullptr;
}

void PestanaPropios::abrirEditor(const propios::AlimentoPropio& a)
{
    if (EditorPropio* abierto = editor()) {
        abierto->raise();
        abierto->activateWindow();
        return;
    }
    auto* nuevo = new EditorPropio(window(), a);
    connect(nuevo, &QDialog::accepted, this, [this, nuevo] {
        cargar(nuevo->guardado());
        emit alimentosCambiados();
    });
    connect(nuevo, &QDialog::finished, nuevo, &QObject::deleteLater);
    m_editor = nuevo;
    nuevo->open();
}

void PestanaPropios::nuevo(propios::Tipo tipo)
{
    propios::AlimentoPropio a;
    a.tipo = tipo;
    abrirEditor(a);
}

void PestanaPropios::editar()
{
    const qint64 id = propioSeleccionado();
    if (id == 0) {
        avisarSinSeleccion();
        return;
    }
    QString fallo;
    const std::optional<propios::AlimentoPropio> a = propios::leer(id, &fallo);
    if (!a) {
        escribirLog(fallo);
        mensajes::error(window(), tr("The food could not be read"));
        cargar();
        return;
    }
    abrirEditor(*a);
}

void PestanaPropios::copiar()
{
    const qint64 id = propioSeleccionado();
    if (id == 0) {
        avisarSinSeleccion();
        return;
    }
    QString fallo;
    const std::optional<propios::AlimentoPropio> a = propios::copiaDe(id, &fallo);
    if (!a) {
        escribirLog(fallo);
        mensajes::error(window(), tr("The food could not be read"));
        return;
    }
    abrirEditor(*a);
}

void PestanaPropios::borrar()
{
    QString nombre;
    const qint64 id = propioSeleccionado(&nombre);
    if (id == 0) {
        avisarSinSeleccion();
        return;
    }
    // A food that recipes use is refused before any question: quitar says
    // which recipes.
    const bool enRecetas = !propios::recetasQueLoUsan(id).isEmpty();
    QStringList perfiles = propios::perfilesQueLoUsan(id);
    for (QString& p : perfiles)
        if (p.isEmpty())
            p = tr("Without name");
    const QString pregunta =
        perfiles.isEmpty() ? tr("Remove \"%1\"?").arg(nombre)
                           : tr("\"%1\" is in the intakes of %2. Remove it and those intakes?")
                                 .arg(nombre, perfiles.join(QStringLiteral(", ")));
    if (!enRecetas && !mensajes::preguntar(window(), pregunta))
        return;
    QString fallo;
    if (propios::quitar(id, &fallo)) {
        cargar();
        emit alimentosCambiados();
    } else if (enRecetas) {
        mensajes::avisar(window(), fallo);
    } else {
        mensajes::errorEscritura(window(), tr("\"%1\" could not be removed").arg(nombre));
        escribirLog(QStringLiteral("PestanaPropios::borrar() -> ") + fallo);
    }
}

namespace {

QString cuantosAlimentos(int n)
{
    return n == 1 ? PestanaPropios::tr("1 food")
                  : PestanaPropios::tr("%1 foods").arg(QLocale().toString(n));
}

} // namespace

void PestanaPropios::exportar()
{
    if (m_lista->topLevelItemCount() == 0) {
        mensajes::informar(window(), tr("You have no foods of your own to export"));
        return;
    }
    QString carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (carpeta.isEmpty() || !QFileInfo(carpeta).isDir())
        carpeta = QDir::homePath();
    const QString ruta = mensajes::elegirArchivo(
        window(), tr("Export my foods"), QDir(carpeta).filePath(tr("my-foods.csv")), tr(filtroCsv));
    if (ruta.isEmpty())
        return;
    int cuantos = 0;
    QString fallo;
    if (intercambio::exportar(ruta, &cuantos, &fallo))
        mensajes::informar(
            window(),
            tr("%1 exported to %2").arg(cuantosAlimentos(cuantos), QDir::toNativeSeparators(ruta)));
    else
        mensajes::error(window(), tr("Your foods could not be exported to %1:\n%2")
                                      .arg(QDir::toNativeSeparators(ruta), fallo));
}

std::optional<intercambio::Repetidos>
PestanaPropios::preguntarRepetidos(const intercambio::Lectura& l)
{
    const int n = l.repetidos.size();
    QStringList nombres = l.repetidos.mid(0, 3);
    if (n > 3)
        nombres << QStringLiteral("...");
    const QString pregunta =
        n == 1 ? tr("%1 of the file's %2 has the name of one of yours (%3). Skip them, replace "
                    "yours with them, or keep both (the imported ones get a number after the "
                    "name)?")
               : tr("%1 of the file's %2 have the name of one of yours (%3). Skip them, replace "
                    "yours with them, or keep both (the imported ones get a number after the "
                    "name)?");
    mensajes::Mensaje m{mensajes::Tipo::Pregunta, tr("Import my foods"),
                        pregunta.arg(QLocale().toString(n),
                                     cuantosAlimentos(int(l.alimentos.size())),
                                     nombres.join(QStringLiteral(", ")))};
    m.rotulos = {{QMessageBox::Ignore, tr("Skip")},
                 {QMessageBox::Yes, tr("Replace")},
                 {QMessageBox::YesToAll, tr("Keep both")}};
    switch (mensajes::mostrar(window(), m,
                              QMessageBox::Ignore | QMessageBox::Yes | QMessageBox::YesToAll |
                                  QMessageBox::Cancel)) {
    case QMessageBox::Ignore:
        return intercambio::Repetidos::Saltar;
    case QMessageBox::Yes:
        return intercambio::Repetidos::Reemplazar;
    case QMessageBox::YesToAll:
        return intercambio::Repetidos::Ambos;
    default:
        return std::nullopt;
    }
}

void PestanaPropios::importar()
{
    const QString ruta =
        mensajes::elegirArchivoExistente(window(), tr("Import my foods"), tr(filtroCsv));
    if (ruta.isEmpty())
        return;
    QString fallo;
    const std::optional<intercambio::Lectura> lectura = intercambio::leer(ruta, &fallo);
    if (!lectura) {
        mensajes::error(window(), fallo);
        return;
    }
    std::optional<intercambio::Repetidos> repetidos = intercambio::Repetidos::Saltar;
    if (!lectura->repetidos.isEmpty())
        repetidos = preguntarRepetidos(*lectura);
    if (!repetidos)
        return;
    const std::optional<intercambio::Importacion> hecha =
        intercambio::importar(*lectura, *repetidos, &fallo);
    if (!hecha) {
        mensajes::errorEscritura(
            window(),
            tr("Nothing was imported from %1:\n%2").arg(QDir::toNativeSeparators(ruta), fallo));
        return;
    }
    cargar();
    emit alimentosCambiados();
    mensajes::informar(window(), tr("Imported from %1: %2 new, %3 replaced, %4 "
                                    "skipped")
                                     .arg(QDir::toNativeSeparators(ruta))
                                     .arg(hecha->nuevos)
                                     .arg(hecha->reemplazados)
                                     .arg(hecha->saltados));
}
