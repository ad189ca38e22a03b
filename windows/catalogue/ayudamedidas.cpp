#include "windows/catalogue/ayudamedidas.h"

#include "catalogue/cifras.h"
#include "storage/registro.h"
#include "windows/common/controles.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

AyudaMedidas::AyudaMedidas(QLineEdit* gramos, QWidget* padre) : QWidget(padre), m_gramos(gramos)
{
    setObjectName(QStringLiteral("ayudaMedidas"));
    m_cantidad = new QLineEdit(QStringLiteral("1"), this);
    m_cantidad->setObjectName(QStringLiteral("tbx_medidaCantidad"));
    m_cantidad->setMaxLength(8);
    m_cantidad->setMaximumWidth(60);
    m_cantidad->setToolTip(tr("Quantity"));
    nombrar(m_cantidad, tr("Quantity"));

    m_medidasLista = new QComboBox(this);
    m_medidasLista->setObjectName(QStringLiteral("cmb_medidas"));
    // Long measure names are cut short with "..." and shown whole as a tip.
    m_medidasLista->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_medidasLista->setMinimumContentsLength(30);
    m_medidasLista->setMaxVisibleItems(16);
    auto* vista = new QListView(m_medidasLista);
    vista->setTextElideMode(Qt::ElideRight);
    m_medidasLista->setView(vista);
    m_medidasLista->addItem(QStringLiteral("g"));
    nombrar(m_medidasLista, tr("Household measure"));

    m_periodo = new QComboBox(this);
    m_periodo->setObjectName(QStringLiteral("cmb_periodo"));
    m_periodo->addItems({tr("per day"), tr("per week")});
    nombrar(m_periodo, tr("Period"));

    m_calculo = new QLabel(this);
    m_calculo->setObjectName(QStringLiteral("lbl_calculo"));
    m_calculo->setTextFormat(Qt::PlainText);
    m_calculo->setWordWrap(true);
    m_lineaGuardada = new QLabel(this);
    m_lineaGuardada->setObjectName(QStringLiteral("lbl_guardada"));
    m_lineaGuardada->setTextFormat(Qt::PlainText);
    m_lineaGuardada->setWordWrap(true);
    // The lines keep their room when empty, so that the boxes and buttons
    // around them do not move under the pointer as they come and go.
    for (QLabel* linea : {m_calculo, m_lineaGuardada})
        linea->setMinimumHeight(2 * linea->fontMetrics().lineSpacing());

    auto* fila = new QHBoxLayout;
    fila->addWidget(m_cantidad);
    fila->addWidget(m_medidasLista);
    fila->addWidget(m_periodo);
    fila->addStretch(1);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    v->addLayout(fila);
    v->addWidget(m_calculo);
    v->addWidget(m_lineaGuardada);

    connect(m_cantidad, &QLineEdit::textChanged, this, &AyudaMedidas::calcular);
    connect(m_medidasLista, &QComboBox::currentIndexChanged, this, [this] {
        calcular();
        mostrarGuardada();
    });
    connect(m_periodo, &QComboBox::currentIndexChanged, this, &AyudaMedidas::calcular);
    connect(m_cantidad, &QLineEdit::returnPressed, this, &AyudaMedidas::confirmado);
}

void AyudaMedidas::elegirAlimento(qint64 alimento, qint64 perfil)
{
    // The same food again keeps the measure chosen and the sum shown.
    if (alimento == m_alimento && perfil == m_perfil && alimento > 0) {
        releerGuardada();
        return;
    }
    m_alimento = alimento;
    m_perfil = perfil;
    QString fallo;
    const QList<medidas::Medida> todas =
        alimento > 0 ? medidas::deAlimento(alimento, &fallo) : QList<medidas::Medida>();
    if (!fallo.isEmpty())
        escribirLog(fallo);

    m_llenando = true;
    m_medidasLista->clear();
    m_medidasLista->addItem(QStringLiteral("g"));
    const QLocale local;
    const QFontMetrics medidor(m_medidasLista->font());
    m_medidas = medidas::sinRepetir(todas, local);
    for (const medidas::Medida& m : std::as_const(m_medidas)) {
        const QString texto = medidas::etiqueta(m, local);
        m_medidasLista->addItem(medidor.elidedText(texto, Qt::ElideRight, 300));
        m_medidasLista->setItemData(m_medidasLista->count() - 1, texto, Qt::ToolTipRole);
    }
    m_medidasLista->setCurrentIndex(0);
    // Another food starts from one unit a day: a quantity typed for the last
    // food would otherwise multiply this one's measure.
    m_cantidad->setText(local.toString(1));
    m_periodo->setCurrentIndex(0);
    m_llenando = false;
    m_calculo->clear();
    releerGuardada();
}

void AyudaMedidas::releerGuardada()
{
    m_guardada.reset();
    if (m_alimento > 0 && m_perfil > 0) {
        QString fallo;
        m_guardada = medidas::guardada(m_alimento, m_perfil, &fallo);
        if (!fallo.isEmpty())
            escribirLog(fallo);
    }
    mostrarGuardada();
}

const medidas::Medida* AyudaMedidas::medidaElegida() const
{
    const int i = m_medidasLista->currentIndex() - 1;
    return i >= 0 && i < m_medidas.size() ? &m_medidas[i] : nullptr;
}

void AyudaMedidas::mostrarGuardada()
{
    if (!m_guardada || *m_guardada <= 0) {
        m_lineaGuardada->clear();
        return;
    }
    // In the measure chosen, else in the food's first one, else in grams.
    const medidas::Medida* m = medidaElegida();
    if (!m && !m_medidas.isEmpty())
        m = &m_medidas.first();
    const QLocale local;
    m_lineaGuardada->setText(
        tr("Stored now: %1 g a week, about %2 %3 a day")
            .arg(cifras::entero(*m_guardada, local),
                 medidas::alDia(*m_guardada, m ? m->gramosPorUnidad() : 1, local),
                 m ? m->nombre : QStringLiteral("g")));
}

void AyudaMedidas::calcular()
{
    if (m_llenando)
        return;
    const QLocale local;
    const std::optional<double> cantidad = medidas::leerCantidad(m_cantidad->text(), local);
    avisarExceso(false);
    if (!cantidad) {
        m_calculo->clear();
        return;
    }
    const medidas::Medida* m = medidaElegida();
    const bool porDia = m_periodo->currentIndex() == 0;
    const qint64 gramos = medidas::gramosSemana(*cantidad, m ? m->gramosPorUnidad() : 1, porDia);
    const QString suma =
        tr("%1 %2 %3 = %4 g a week")
            .arg(medidas::numero(*cantidad, local),
                 m ? QStringLiteral("x ") + medidas::etiqueta(*m, local) : QStringLiteral("g"),
                 m_periodo->currentText(), cifras::entero(gramos, local));
    // Neither a week of nothing nor more than the box takes is entered.
    if (gramos > medidas::maximoSemana) {
        m_calculo->setText(
            suma +
            tr(": more than %1 g, not entered").arg(cifras::entero(medidas::maximoSemana, local)));
        return;
    }
    if (gramos < 1) {
        m_calculo->setText(suma + tr(": less than 1 g, not entered"));
        return;
    }
    m_gramos->setText(cifras::entero(gramos, local));
    // More than a person eats of one food is entered, but not silently.
    if (gramos > medidas::semanaVerosimil) {
        m_calculo->setText(suma + tr(": more than %1 kg a week, please check")
                                      .arg(cifras::entero(medidas::semanaVerosimil / 1000, local)));
        avisarExceso(true);
        return;
    }
    m_calculo->setText(suma);
}

void AyudaMedidas::avisarExceso(bool exceso)
{
    m_calculo->setProperty("exceso", exceso);
    QPalette paleta = palette();
    if (exceso) {
        // Dark orange on a light window, light orange on a dark one.
        const bool oscura = paleta.color(QPalette::Window).lightness() < 128;
        paleta.setColor(QPalette::WindowText, oscura ? QColor(255, 160, 90) : QColor(168, 64, 0));
    }
    m_calculo->setPalette(paleta);
}
