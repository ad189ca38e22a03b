#include "evaluation/pestanaresultados.h"

#include "evaluation/ordenacion.h"
#include "evaluation/resultados.h"
#include "evaluation/sesion.h"
#include "resources/iconos.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/common/controles.h"
#include "windows/common/numeros.h"
#include "windows/common/roles.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

void ControlesResultados::construir(QWidget* marco)
{
    lbl_5_1 = etiqueta(marco, "lbl_5_1",
                       QStringLiteral("The following chart summons up your weekly nutrients' "
                                      "intake (third column), displaying their ratio over "
                                      "recommended ones in the fourth column. You can sort them "
                                      "by clicking their headers. "));
    lbl_5_6 = etiqueta(marco, "lbl_5_6",
                       QStringLiteral("The fourth column is the REFERENCE that underlies your "
                                      "evaluation."));
    lbl_5_7 = etiqueta(marco, "lbl_5_7",
                       QStringLiteral("Note: Recommended intakes of carbohydrates, sugars and "
                                      "fats are calculated by the percentage they comprise over "
                                      "the total amount of calories."));
    QHBoxLayout* leyenda = leyendaCategorias(marco, {{&img_5_1, "img_5_1"},
                                                     {&lbl_5_2, "lbl_5_2"},
                                                     {&img_5_2, "img_5_2"},
                                                     {&lbl_5_3, "lbl_5_3"},
                                                     {&img_5_3, "img_5_3"},
                                                     {&lbl_5_4, "lbl_5_4"},
                                                     {&img_5_4, "img_5_4"},
                                                     {&lbl_5_5, "lbl_5_5"}});

    lsv_wri = listaInforme(marco, "lsv_wri",
                           {QStringLiteral("Nutrient"), QStringLiteral("Unit"),
                            QStringLiteral("Intake"), QStringLiteral("% WRI")},
                           {QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("tres"),
                            QStringLiteral("cuatro")});
    lsv_wri->setColumnWidth(0, 190);
    for (int i = 1; i < 4; ++i)
        lsv_wri->setColumnWidth(i, 70);
    lsv_wri->header()->setSectionResizeMode(0, QHeaderView::Stretch);

    auto* v = new QVBoxLayout(marco);
    v->addWidget(lbl_5_1);
    v->addWidget(lbl_5_6);
    v->addWidget(lbl_5_7);
    v->addLayout(leyenda);
    v->addWidget(lsv_wri, 1);
}

PestanaResultados::PestanaResultados(ControlesResultados& ui, Sesion& sesion, QWidget* ventana)
    : QObject(ventana), m_ui(ui), m_sesion(sesion)
{
    QTreeWidget* lista = m_ui.lsv_wri;
    lista->header()->setSectionsClickable(true);
    connect(lista->header(), &QHeaderView::sectionClicked, this, [this](int columna) {
        ordenarColumnasWRI(m_ui.lsv_wri, columna, m_sesion.ordenColumnas,
                           m_sesion.ultimaColumnaWRI);
    });
}

void PestanaResultados::mostrar()
{
    QTreeWidget* lista = m_ui.lsv_wri;
    mostrarCantidadesRecomendadas(lista, m_sesion);
    lista->viewport()->update();
    // The rebuilt rows keep the order the user chose last, in the direction
    // the list still shows.
    const QString ultima = m_sesion.ultimaColumnaWRI;
    if (ultima.isEmpty())
        return;
    for (int columna = 0; columna < lista->columnCount(); ++columna) {
        if (lista->headerItem()->data(columna, RolClaveColumna).toString() == ultima) {
            ordenarColumnasWRI(lista, columna, m_sesion.ordenColumnas, m_sesion.ultimaColumnaWRI,
                               /*reaplicar*/ true);
            break;
        }
    }
}

void PestanaResultados::vaciar()
{
    m_ui.lsv_wri->clear();
}

void rellenarResultados(QTreeWidget* lista, const Sesion& sesion)
{
    QString fallo;
    lista->clear();
    const ValoresRecomendados& valores = sesion.valoresRecomendados;
    const Evaluacion& evaluacion = sesion.evaluacion;
    QList<QTreeWidgetItem*> filas;
    filas.reserve(valores.claves().size());
    for (const QString& clave : valores.claves()) {
        const EntradaReferencia& e = valores.entrada(clave);
        auto* fila = new FilaNumerica;
        fila->setText(0, e.nombre);
        if (esCategoriaConocida(e.icono))
            fila->setIcon(0, iconoCategoria(e.icono));
        else
            fallo = QStringLiteral("The nutrient \"%1\" has an unknown icon key \"%2\"")
                        .arg(clave, e.icono);
        fila->setText(1, e.unidad);

        ponerNumero(fila, 2,
                    redondearDosDecimales(evaluacion.cantidadesIngeridas.value(clave, 0.0)));

        // A nutrient without a reference to compare with keeps an empty cell
        // that carries no number, so it sorts lowest.
        const std::optional<double> porcentaje =
            evaluacion.porcentajesRecomendacion.value(clave, 0.0);
        if (porcentaje)
            ponerNumero(fila, 3, redondearDosDecimales(*porcentaje / 7.0));
        filas << fila;
    }
    lista->addTopLevelItems(filas);

    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("rellenarResultados() -> ") + fallo);
}

void mostrarCantidadesRecomendadas(QTreeWidget* lista, Sesion& sesion)
{
    almacen::Ocupado ocupado;
    // The next click on any results column sorts ascending.
    for (const char* titulo : {"Nutrient", "Unit", "Intake", "% WRI"})
        sesion.ordenColumnas[QLatin1String(titulo)] = false;
    sesion.evaluacion = evaluar(sesion.perfilActual, sesion.valoresRecomendados);
    rellenarResultados(lista, sesion);
}
