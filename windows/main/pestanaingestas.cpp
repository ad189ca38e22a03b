#include "windows/main/pestanaingestas.h"

#include "catalogue/medidas.h"
#include "evaluation/sesion.h"
#include "profiles/perfilactual.h"
#include "storage/registro.h"
#include "windows/common/controles.h"
#include "windows/common/rejilla.h"
#include "windows/common/roles.h"
#include "windows/main/modeloingestas.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

PestanaIngestas::PestanaIngestas(Sesion& sesion, QWidget* padre) : QWidget(padre), m_sesion(sesion)
{
    construir();
    m_modelo = new ModeloIngestas(this);
    m_rejilla->setModel(m_modelo);
    m_rejilla->setColumnHidden(ModeloIngestas::ColId, true);
    // The food's name before its intake, the name taking the spare width.
    m_rejilla->horizontalHeader()->moveSection(ModeloIngestas::ColAlimento,
                                               ModeloIngestas::ColIngesta);
    m_rejilla->setColumnWidth(ModeloIngestas::ColIngesta, 915 / 15);
    m_rejilla->horizontalHeader()->setSectionResizeMode(ModeloIngestas::ColAlimento,
                                                        QHeaderView::Stretch);
    connect(m_rejilla->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &PestanaIngestas::leerFilaActual);
    connect(m_modelo, &QAbstractItemModel::dataChanged, this, &PestanaIngestas::leerFilaActual);
    connect(m_modelo, &QAbstractItemModel::modelReset, this, &PestanaIngestas::leerFilaActual);
}

void PestanaIngestas::construir()
{
    m_explicacion = etiqueta(this, "lbl_4_1",
                             tr("The following grid displays the weekly intakes you have "
                                "already set."));
    m_instrucciones = etiqueta(this, "lbl_4_2",
                               tr("You can set new intakes, just rewrite them (remember they "
                                  "must be grams, integer numbers).     To remove a food, "
                                  "switch its intake to zero. Click any other row to commit "
                                  "changes."));
    m_rejilla = crear<RejillaDatos>(this, "dgr_alimentos");
    nombrar(m_rejilla, tr("Weekly intakes you have already set"), m_explicacion);
    m_rejilla->setAccessibleDescription(m_instrucciones->text());
    m_lectura = etiqueta(this, "lbl_4_3", QString());
    auto* v = new QVBoxLayout(this);
    v->addWidget(m_explicacion);
    v->addWidget(m_instrucciones);
    v->addWidget(m_rejilla, 1);
    v->addWidget(m_lectura);
}

void PestanaIngestas::leerFilaActual()
{
    const QModelIndex actual = m_rejilla->currentIndex();
    bool ok = false;
    const qint64 gramos = actual.isValid()
                              ? m_modelo->index(actual.row(), ModeloIngestas::ColIngesta)
                                    .data(RolValor)
                                    .toLongLong(&ok)
                              : 0;
    if (!ok || gramos < 0) {
        m_lectura->clear();
        return;
    }
    QString fallo;
    const std::optional<medidas::Medida> primera = medidas::primeraDeIngesta(
        m_modelo->index(actual.row(), ModeloIngestas::ColId).data(RolValor).toLongLong(), &fallo);
    if (!fallo.isEmpty())
        escribirLog(fallo);
    m_lectura->setText(medidas::lectura(gramos, primera ? &*primera : nullptr, QLocale()));
}

QString PestanaIngestas::cargar()
{
    const Dato& idPerfil = m_sesion.perfilActual.idPerfil;
    if (!idPerfil.tieneValor()) {
        m_modelo->vaciar();
        // The statement cannot be formed: the log says what was missing.
        return QStringLiteral("There is no current profile");
    }
    const QString fallo = m_modelo->cargar(ModeloIngestas::sentencia(), {idPerfil.entero()});
    return fallo.isEmpty() ? QString() : conSentencia(fallo, m_modelo->ultimaSentencia());
}

void PestanaIngestas::confirmarEdicion()
{
    m_rejilla->confirmarEdicion();
}

void PestanaIngestas::liberar()
{
    m_modelo->vaciar();
}
