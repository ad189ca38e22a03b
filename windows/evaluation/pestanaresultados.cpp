#include "windows/evaluation/pestanaresultados.h"

#include "evaluation/informe.h"
#include "evaluation/resultados.h"
#include "evaluation/sesion.h"
#include "resources/iconos.h"
#include "storage/archivos.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/common/controles.h"
#include "windows/common/mensajes.h"
#include "windows/common/numeros.h"
#include "windows/common/roles.h"
#include "windows/evaluation/modeloresultados.h"
#include "windows/evaluation/ordenacion.h"
#include "windows/evaluation/salidainforme.h"
#include "windows/evaluation/ventanafuentes.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QColor colorPantalla(Veredicto v)
{
    return QColor(::colorVeredicto(v));
}

// Draws the verdict in the "% WRI" cell: a bar as long as the percentage
// (the cell's width stands for 150 %, a mark for 100 %) in the verdict's
// colour, under the number.
class DelegadoVeredicto : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* pintor, const QStyleOptionViewItem& opcion,
               const QModelIndex& indice) const override
    {
        const QVariant veredicto = indice.data(RolVeredicto);
        const bool elegida = opcion.state & QStyle::State_Selected;
        // Under the number; on a selected row, whose background covers the
        // cell, as a strip along its foot.
        if (!elegida)
            pintarBarra(pintor, opcion.rect.adjusted(2, 3, -2, -3), veredicto, indice,
                        opcion.palette);
        QStyledItemDelegate::paint(pintor, opcion, indice);
        if (elegida) {
            const QRect celda = opcion.rect.adjusted(2, 0, -2, -1);
            pintarBarra(pintor, QRect(celda.left(), celda.bottom() - 3, celda.width(), 4),
                        veredicto, indice, opcion.palette);
        }
    }

private:
    static void pintarBarra(QPainter* pintor, const QRect& celda, const QVariant& veredicto,
                            const QModelIndex& indice, const QPalette& paleta)
    {
        if (!veredicto.isValid())
            return;
        QColor color = colorPantalla(Veredicto(veredicto.toInt()));
        const bool provisional = indice.data(RolProvisional).toBool();
        bool esNumero = false;
        const double porcentaje =
            QLocale().toDouble(indice.data(Qt::DisplayRole).toString(), &esNumero);
        pintor->save();
        // Light enough, on the palette's background, for its text to stay
        // readable over the bar: a dark palette gets a fainter bar.
        const QColor fondo = paleta.color(QPalette::Base);
        const QColor texto = paleta.color(QPalette::Text);
        color.setAlpha(alfaLegible(color, esNumero ? 120 : 60, fondo, texto));
        const double parte = esNumero ? qBound(0.0, porcentaje / 150.0, 1.0) : 1.0;
        const QRect barra(celda.left(), celda.top(), int(celda.width() * parte), celda.height());
        // A provisional judgement is hatched: foods of unknown value weigh
        // much of the week.
        pintor->fillRect(barra, provisional ? QBrush(color, Qt::BDiagPattern) : QBrush(color));
        if (esNumero) {
            const int marca = celda.left() + celda.width() * 2 / 3;
            QColor trazo = texto;
            trazo.setAlpha(90);
            pintor->setPen(trazo);
            pintor->drawLine(marca, celda.top(), marca, celda.bottom());
        }
        pintor->restore();
    }
};

} // namespace

PestanaResultados::PestanaResultados(Sesion& sesion, QWidget* padre)
    : QWidget(padre), m_sesion(sesion)
{
    construir();
    m_lista->header()->setSectionsClickable(true);
    connect(m_lista->header(), &QHeaderView::sectionClicked, this, [this](int columna) {
        ordenarColumnasWRI(m_lista, columna, m_sesion.ordenColumnas, m_sesion.ultimaColumnaWRI);
    });
    // Double click or Enter on a row, or the pop-up menu, shows its sources.
    connect(m_lista, &QTreeView::activated, this,
            [this](const QModelIndex& fila) { mostrarFuentes(fila); });
    connect(m_lista, &QWidget::customContextMenuRequested, this, [this](const QPoint& punto) {
        const QPersistentModelIndex fila = m_lista->indexAt(punto);
        if (!fila.isValid())
            return;
        QMenu menu(m_lista);
        menu.addAction(tr("Show sources"), this, [this, fila] { mostrarFuentes(fila); });
        menu.exec(m_lista->viewport()->mapToGlobal(punto));
    });
    connect(m_imprimir, &QPushButton::clicked, this, &PestanaResultados::imprimir);
    connect(m_guardarPdf, &QPushButton::clicked, this, &PestanaResultados::guardarPdf);
    connect(m_guardarHtml, &QPushButton::clicked, this, &PestanaResultados::guardarHtml);
    connect(m_exportarCsv, &QPushButton::clicked, this, &PestanaResultados::exportarCsv);
    habilitarInforme(tr("Show the results of a profile with its personal data first"));
}

void PestanaResultados::construir()
{
    QLabel* explicacion = etiqueta(this, "lbl_5_1",
                                   tr("The following chart summons up your weekly nutrients' "
                                      "intake (third column), displaying their ratio over "
                                      "recommended ones in the fourth column. You can sort them "
                                      "by clicking their headers. "));
    QLabel* referencia = etiqueta(this, "lbl_5_6",
                                  tr("The fourth column is the REFERENCE that underlies your "
                                     "evaluation."));
    QLabel* nota = etiqueta(this, "lbl_5_7",
                            tr("Note: Recommended intakes of carbohydrates, sugars "
                               "and fats are calculated by the percentage they "
                               "comprise over the total amount of calories."));
    QLabel* categorias[8] = {};
    QHBoxLayout* leyenda = leyendaCategorias(this, {{&categorias[0], "img_5_1"},
                                                    {&categorias[1], "lbl_5_2"},
                                                    {&categorias[2], "img_5_2"},
                                                    {&categorias[3], "lbl_5_3"},
                                                    {&categorias[4], "img_5_3"},
                                                    {&categorias[5], "lbl_5_4"},
                                                    {&categorias[6], "img_5_4"},
                                                    {&categorias[7], "lbl_5_5"}});

    construirLista();

    QLabel* colores = etiqueta(
        this, "lbl_5_8", htmlMuestras() + QStringLiteral("<br/>") + notaLeyenda().toHtmlEscaped());
    colores->setTextFormat(Qt::RichText);

    auto* v = new QVBoxLayout(this);
    v->addWidget(explicacion);
    v->addWidget(referencia);
    v->addWidget(nota);
    v->addLayout(leyenda);
    v->addWidget(m_lista, 1);
    v->addWidget(colores);

    m_imprimir = boton(this, "cmd_5_1", tr("Print..."));
    m_guardarPdf = boton(this, "cmd_5_2", tr("Save as PDF..."));
    m_guardarHtml = boton(this, "cmd_5_3", tr("Save as HTML..."));
    m_exportarCsv = boton(this, "cmd_5_4", tr("Export CSV..."));
    auto* botones = new QHBoxLayout;
    for (QPushButton* b : {m_imprimir, m_guardarPdf, m_guardarHtml, m_exportarCsv})
        botones->addWidget(b);
    botones->addStretch(1);
    v->addLayout(botones);
}

void PestanaResultados::construirLista()
{
    m_lista = crear<QTreeView>(this, "lsv_wri");
    nombrar(m_lista, tr("Results: nutrients, intake and judgement"));
    m_resultados = new ModeloResultados(m_lista);
    m_orden = new OrdenResultados(m_lista);
    m_orden->setDynamicSortFilter(false);
    m_orden->setSourceModel(m_resultados);
    m_lista->setModel(m_orden);
    m_lista->setRootIsDecorated(false);
    m_lista->setUniformRowHeights(true);
    m_lista->setAllColumnsShowFocus(true);
    m_lista->header()->setSectionsMovable(false);
    // The judgement's words take what the numbers leave.
    m_lista->header()->setStretchLastSection(true);
    m_lista->setColumnWidth(0, 230);
    for (int i = 1; i < 5; ++i)
        m_lista->setColumnWidth(i, 70);
    m_lista->setColumnWidth(5, 90);
    m_lista->setColumnWidth(6, 185);
    m_lista->setItemDelegateForColumn(ModeloResultados::Wri, new DelegadoVeredicto(m_lista));
    m_lista->setContextMenuPolicy(Qt::CustomContextMenu);
}

void PestanaResultados::mostrarFuentes(const QModelIndex& fila)
{
    const QString clave = fila.data(RolClaveNutriente).toString();
    if (!clave.isEmpty())
        ::mostrarFuentes(m_lista->window(), m_sesion, clave);
}

void PestanaResultados::cerrarFuentes()
{
    for (VentanaFuentes* v :
         m_lista->window()->findChildren<VentanaFuentes*>(QString(), Qt::FindDirectChildrenOnly))
        v->close();
}

void PestanaResultados::mostrar()
{
    m_orden->olvidarOrden();
    mostrarCantidadesRecomendadas(m_resultados, m_sesion);
    const bool conIngestas = semanaConAlimentos(m_sesion.perfilActual.idPerfil.entero(), nullptr);
    habilitarInforme(conIngestas ? QString() : tr("The profile has no intakes to report yet"));
    // The rebuilt rows keep the order the user chose last, in the direction
    // the list still shows.
    const QString ultima = m_sesion.ultimaColumnaWRI;
    for (int columna = 0; !ultima.isEmpty() && columna < ModeloResultados::Columnas; ++columna) {
        if (ModeloResultados::claveColumna(columna) == ultima) {
            ordenarColumnasWRI(m_lista, columna, m_sesion.ordenColumnas, m_sesion.ultimaColumnaWRI,
                               /*reaplicar*/ true);
            break;
        }
    }
}

void PestanaResultados::vaciar()
{
    m_resultados->vaciar();
    habilitarInforme(tr("The profile's personal data are missing: fill in tab 1"));
}

void PestanaResultados::habilitarInforme(const QString& motivo)
{
    for (QPushButton* b : {m_imprimir, m_guardarPdf, m_guardarHtml, m_exportarCsv}) {
        b->setEnabled(motivo.isEmpty());
        b->setToolTip(motivo);
    }
}

Informe PestanaResultados::informeActual(bool* ok)
{
    // What tab 5 shows, computed afresh, in the order it shows it.
    m_sesion.establecerValoresRecomendados();
    mostrar();
    QStringList orden;
    for (int i = 0; i < m_orden->rowCount(); ++i)
        orden << m_orden->index(i, 0).data(RolClaveNutriente).toString();
    QString fallo;
    Informe informe = prepararInforme(m_sesion, orden, &fallo);
    *ok = fallo.isEmpty() && !informe.alimentos.isEmpty();
    if (!fallo.isEmpty()) {
        escribirLog(QStringLiteral("informeActual() -> ") + fallo);
        mensajes::error(m_lista->window(), tr("The report could not be made"));
    }
    return informe;
}

QString PestanaResultados::nombrePropuesto(const QString& extension, int reserva) const
{
    const almacen::Consulta c =
        almacen::consultar(QStringLiteral("select name from profiles where id=?"),
                           {m_sesion.perfilActual.idPerfil.entero()});
    const QString nombre = c.vacia() ? QString() : c.filas.first().value(0).toString();
    return almacen::nombreArchivo(
        nombre, QStringLiteral("-%1.%2").arg(QDate::currentDate().toString(Qt::ISODate), extension),
        reserva);
}

namespace {

void avisarFalloArchivo(QWidget* padre, const QString& ruta, const QString& motivo)
{
    escribirLog(QStringLiteral("guardarInforme() -> %1: %2").arg(ruta, motivo));
    mensajes::error(padre, QCoreApplication::translate("PestanaResultados",
                                                       "The report could not be saved to %1:\n%2")
                               .arg(QDir::toNativeSeparators(ruta), motivo));
}

} // namespace

void PestanaResultados::imprimir()
{
    bool ok = false;
    const Informe informe = informeActual(&ok);
    if (ok)
        salidaInforme::imprimir(m_lista->window(), informe);
}

void PestanaResultados::guardar(const QString& titulo, const QString& extension,
                                const QString& filtro, const Escritor& escribir, int reserva)
{
    QWidget* ventana = m_lista->window();
    QString tipo;
    const QString ruta = mensajes::elegirArchivo(
        ventana, titulo, nombrePropuesto(extension, reserva), filtro, &tipo);
    if (ruta.isEmpty())
        return;
    bool ok = false;
    const Informe informe = informeActual(&ok);
    if (!ok)
        return;
    QString fallo;
    const QString fallido = escribir(informe, ruta, tipo, &fallo);
    if (!fallido.isEmpty())
        avisarFalloArchivo(ventana, fallido, fallo);
}

void PestanaResultados::guardarPdf()
{
    guardar(tr("Save as PDF"), QStringLiteral("pdf"), tr("PDF files (*.pdf)"),
            [](const Informe& informe, const QString& ruta, const QString&, QString* fallo) {
                return salidaInforme::escribirPdf(informe, ruta, fallo) ? QString() : ruta;
            });
}

void PestanaResultados::guardarHtml()
{
    guardar(tr("Save as HTML"), QStringLiteral("html"), tr("HTML files (*.html *.htm)"),
            [](const Informe& informe, const QString& ruta, const QString&, QString* fallo) {
                return escribirArchivo(ruta, salidaInforme::html(informe).toUtf8(), fallo)
                           ? QString()
                           : ruta;
            });
}

void PestanaResultados::exportarCsv()
{
    // Two files from one name chosen once (NAME-results.csv and
    // NAME-foods.csv beside it), or one file holding both tables.
    const QString dos = tr("Two CSV files, results and foods (*.csv)");
    const QString uno = tr("One CSV file with both tables (*.csv)");
    guardar(
        tr("Export CSV"), QStringLiteral("csv"), dos + QStringLiteral(";;") + uno,
        [uno](const Informe& informe, const QString& ruta, const QString& tipo, QString* fallo) {
            const bool conExtension = ruta.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
            if (tipo == uno) {
                const QString archivo = conExtension ? ruta : ruta + QStringLiteral(".csv");
                return escribirArchivo(archivo, csvUnico(informe), fallo) ? QString() : archivo;
            }
            // Both on the disk before either replaces a file.
            const QString base = conExtension ? ruta.chopped(4) : ruta;
            QString fallido;
            return almacen::guardarArchivos(
                       {{base + QStringLiteral("-results.csv"), csvResultados(informe)},
                        {base + QStringLiteral("-foods.csv"), csvAlimentos(informe)}},
                       &fallido, fallo)
                       ? QString()
                       : fallido;
        },
        int(qstrlen("-results")));
}

void mostrarCantidadesRecomendadas(ModeloResultados* resultados, Sesion& sesion)
{
    almacen::Ocupado ocupado;
    // The next click on any results column sorts ascending.
    for (int c = 0; c < ModeloResultados::Columnas; ++c)
        sesion.ordenColumnas[ModeloResultados::tituloOriginal(c)] = false;
    sesion.evaluar();
    resultados->cargar(sesion);
}
