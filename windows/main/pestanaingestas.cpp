#include "windows/main/pestanaingestas.h"

#include "catalogue/medidas.h"
#include "profiles/perfilactual.h"
#include "storage/registro.h"
#include "windows/common/controles.h"
#include "windows/common/rejilla.h"
#include "windows/common/roles.h"
#include "windows/main/modeloingestas.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

void ControlesIngestas::construir(QWidget* marco)
{
    lbl_4_1 = etiqueta(marco, "lbl_4_1",
                       QStringLiteral("The following grid displays the weekly intakes you have "
                                      "already set."));
    lbl_4_2 = etiqueta(marco, "lbl_4_2",
                       QStringLiteral("You can set new intakes, just rewrite them (remember they "
                                      "must be grams, integer numbers).     To remove a food, "
                                      "switch its intake to zero. Click any other row to commit "
                                      "changes."));
    dgr_alimentos = crear<RejillaDatos>(marco, "dgr_alimentos");
    lbl_4_3 = etiqueta(marco, "lbl_4_3", QString());
    auto* v = new QVBoxLayout(marco);
    v->addWidget(lbl_4_1);
    v->addWidget(lbl_4_2);
    v->addWidget(dgr_alimentos, 1);
    v->addWidget(lbl_4_3);
}

PestanaIngestas::PestanaIngestas(ControlesIngestas& ui, QWidget* ventana)
    : QObject(ventana), m_ui(ui), m_modelo(new ModeloIngestas(ventana))
{
    RejillaDatos* rejilla = m_ui.dgr_alimentos;
    rejilla->setModel(m_modelo);
    rejilla->setColumnHidden(ModeloIngestas::ColId, true);
    // The food's name before its intake, the name taking the spare width.
    rejilla->horizontalHeader()->moveSection(ModeloIngestas::ColAlimento,
                                             ModeloIngestas::ColIngesta);
    rejilla->setColumnWidth(ModeloIngestas::ColIngesta, 915 / 15);
    rejilla->horizontalHeader()->setSectionResizeMode(ModeloIngestas::ColAlimento,
                                                      QHeaderView::Stretch);
    connect(rejilla->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &PestanaIngestas::leerFilaActual);
    connect(m_modelo, &QAbstractItemModel::dataChanged, this, &PestanaIngestas::leerFilaActual);
    connect(m_modelo, &QAbstractItemModel::modelReset, this, &PestanaIngestas::leerFilaActual);
}

void PestanaIngestas::leerFilaActual()
{
    const QModelIndex actual = m_ui.dgr_alimentos->currentIndex();
    bool ok = false;
    const qint64 gramos = actual.isValid()
                              ? m_modelo->index(actual.row(), ModeloIngestas::ColIngesta)
                                    .data(RolValor)
                                    .toLongLong(&ok)
                              : 0;
    if (!ok || gramos < 0) {
        m_ui.lbl_4_3->clear();
        return;
    }
    QString fallo;
    const std::optional<medidas::Medida> primera = medidas::primeraDeIngesta(
        m_modelo->index(actual.row(), ModeloIngestas::ColId).data(RolValor).toLongLong(), &fallo);
    if (!fallo.isEmpty())
        escribirLog(fallo);
    m_ui.lbl_4_3->setText(medidas::lectura(gramos, primera ? &*primera : nullptr, QLocale()));
}

QString PestanaIngestas::cargar(const Dato& idPerfil)
{
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
    m_ui.dgr_alimentos->confirmarEdicion();
}

void PestanaIngestas::liberar()
{
    m_modelo->vaciar();
}
