#include "windows/evaluation/ventanafuentes.h"

#include "evaluation/fuentes.h"
#include "evaluation/resultados.h"
#include "evaluation/sesion.h"
#include "storage/basedatos.h"
#include "storage/registro.h"
#include "windows/common/controles.h"
#include "windows/common/numeros.h"
#include "windows/common/roles.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

VentanaFuentes::VentanaFuentes(QWidget* principal, const QString& clave)
    : QWidget(principal, Qt::Window), m_clave(clave)
{
    setObjectName(QStringLiteral("fuentes"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (principal)
        setWindowIcon(principal->windowIcon());
    m_explicacion = etiqueta(this, "lbl_fuentes", QString());
    m_lista = listaInforme(this, "lsv_fuentes", {}, {});
    nombrar(m_lista, tr("Foods the nutrient comes from"), m_explicacion);
    m_total = etiqueta(this, "lbl_total", QString());
    m_desconocidos = etiqueta(this, "lbl_desconocidos", QString());
    auto* v = new QVBoxLayout(this);
    v->addWidget(m_explicacion);
    v->addWidget(m_lista, 1);
    v->addWidget(m_total);
    v->addWidget(m_desconocidos);
    resize(720, 440);
}

void VentanaFuentes::cargar(const Sesion& sesion)
{
    almacen::Ocupado ocupado;
    const EntradaReferencia& e = sesion.valoresRecomendados.entrada(m_clave);
    const double kcal = kcalPorGramo(m_clave);
    const QString unidad = kcal > 0 ? QStringLiteral("kcal") : e.unidad;
    setWindowTitle(tr("Sources of %1").arg(e.nombre));
    m_explicacion->setText(
        kcal > 0 ? tr("The foods of the week that supply %1, by the energy they give with it, "
                      "highest first:")
                       .arg(e.nombre)
                 : tr("The foods of the week that supply %1, highest first:").arg(e.nombre));

    QString fallo;
    const QList<FuenteNutriente> fuentes =
        fuentesNutriente(sesion.perfilActual, m_clave, kcal > 0 ? kcal : 1.0, &fallo);
    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("cargarFuentes() -> ") + fallo);

    double total = 0.0;
    int desconocidos = 0;
    for (const FuenteNutriente& f : fuentes) {
        if (f.cantidad)
            total += *f.cantidad;
        else
            ++desconocidos;
    }
    llenarLista(fuentes, unidad, total);

    m_total->setText(
        tr("Week's total: %1 %2").arg(textoNumero(redondearDosDecimales(total)), unidad).trimmed());
    m_desconocidos->setText(
        desconocidos == 0
            ? QString()
            : tr("%1 of these foods have no known value for %2 (\"unknown\"): the week may "
                 "hold more of it than its total shows.")
                  .arg(desconocidos)
                  .arg(e.nombre));
    m_desconocidos->setVisible(desconocidos > 0);
}

void VentanaFuentes::llenarLista(const QList<FuenteNutriente>& fuentes, const QString& unidad,
                                 double total)
{
    m_lista->clear();
    m_lista->setHeaderLabels({tr("Food"), tr("Weekly g"),
                              unidad.isEmpty() ? tr("Amount") : tr("Amount (%1)").arg(unidad),
                              tr("Share %")});
    QList<QTreeWidgetItem*> filas;
    filas.reserve(fuentes.size());
    for (const FuenteNutriente& f : fuentes) {
        auto* fila = new QTreeWidgetItem;
        fila->setText(0, f.descripcion);
        fila->setData(0, RolIdAlimento, f.alimento);
        marcarSiPropio(fila, f.alimento);
        ponerNumero(fila, 1, double(f.gramos));
        if (f.cantidad) {
            ponerNumero(fila, 2, redondearDosDecimales(*f.cantidad));
            ponerNumero(fila, 3,
                        redondearDosDecimales(total > 0 ? *f.cantidad * 100.0 / total : 0.0));
        } else {
            fila->setText(2, tr("unknown"));
            fila->setText(3, tr("unknown"));
        }
        for (int c = 1; c < 4; ++c)
            fila->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        filas << fila;
    }
    m_lista->addTopLevelItems(filas);
    m_lista->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_lista->header()->setStretchLastSection(false);
    for (int c = 1; c < 4; ++c)
        m_lista->setColumnWidth(c, 90);
}

void VentanaFuentes::keyPressEvent(QKeyEvent* evento)
{
    if (evento->matches(QKeySequence::Cancel))
        close();
    else
        QWidget::keyPressEvent(evento);
}

VentanaFuentes* mostrarFuentes(QWidget* principal, const Sesion& sesion, const QString& clave)
{
    const QList<VentanaFuentes*> abiertas =
        principal ? principal->findChildren<VentanaFuentes*>(QString(), Qt::FindDirectChildrenOnly)
                  : QList<VentanaFuentes*>();
    for (VentanaFuentes* v : abiertas) {
        if (v->clave() == clave) {
            v->cargar(sesion);
            v->show();
            v->raise();
            v->activateWindow();
            return v;
        }
    }
    auto* v = new VentanaFuentes(principal, clave);
    v->cargar(sesion);
    situarSobre(v, principal, int(abiertas.size()));
    v->show();
    return v;
}
