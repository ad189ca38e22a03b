#include "windows/catalogue/ayudamedidas.h"

#include "catalogue/cifras.h"
#include "storage/registro.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

AyudaMedidas::AyudaMedidas(QLineEdit* gramos, QWidget* padre) : QWidget(padre), m_gramos(gramos)
{
    setObjectName(QStringLiteral("ayudaMedidas"));
    tbx_medidaCantidad = new QLineEdit(QStringLiteral("1"), this);
    tbx_medidaCantidad->setObjectName(QStringLiteral("tbx_medidaCantidad"));
    tbx_medidaCantidad->setMaxLength(8);
    tbx_medidaCantidad->setMaximumWidth(60);
    tbx_medidaCantidad->setToolTip(QStringLiteral("Quantity"));

    cmb_medidas = new QComboBox(this);
    cmb_medidas->setObjectName(QStringLiteral("cmb_medidas"));
    // Long measure names are cut short with "..." and shown whole as a tip.
    cmb_medidas->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmb_medidas->setMinimumContentsLength(30);
    cmb_medidas->setMaxVisibleItems(16);
    auto* vista = new QListView(cmb_medidas);
    vista->setTextElideMode(Qt::ElideRight);
    cmb_medidas->setView(vista);
    cmb_medidas->addItem(QStringLiteral("g"));

    cmb_periodo = new QComboBox(this);
    cmb_periodo->setObjectName(QStringLiteral("cmb_periodo"));
    cmb_periodo->addItems({QStringLiteral("per day"), QStringLiteral("per week")});

    lbl_calculo = new QLabel(this);
    lbl_calculo->setObjectName(QStringLiteral("lbl_calculo"));
    lbl_calculo->setTextFormat(Qt::PlainText);
    lbl_calculo->setWordWrap(true);
    lbl_guardada = new QLabel(this);
    lbl_guardada->setObjectName(QStringLiteral("lbl_guardada"));
    lbl_guardada->setTextFormat(Qt::PlainText);
    lbl_guardada->setWordWrap(true);
    // The lines keep their room when empty, so that the boxes and buttons
    // around them do not move under the pointer as they come and go.
    for (QLabel* linea : {lbl_calculo, lbl_guardada})
        linea->setMinimumHeight(2 * linea->fontMetrics().lineSpacing());

    auto* fila = new QHBoxLayout;
    fila->addWidget(tbx_medidaCantidad);
    fila->addWidget(cmb_medidas);
    fila->addWidget(cmb_periodo);
    fila->addStretch(1);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    v->addLayout(fila);
    v->addWidget(lbl_calculo);
    v->addWidget(lbl_guardada);

    connect(tbx_medidaCantidad, &QLineEdit::textChanged, this, &AyudaMedidas::calcular);
    connect(cmb_medidas, &QComboBox::currentIndexChanged, this, [this] {
        calcular();
        mostrarGuardada();
    });
    connect(cmb_periodo, &QComboBox::currentIndexChanged, this, &AyudaMedidas::calcular);
    connect(tbx_medidaCantidad, &QLineEdit::returnPressed, this, &AyudaMedidas::confirmado);
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
    cmb_medidas->clear();
    cmb_medidas->addItem(QStringLiteral("g"));
    const QLocale local;
    const QFontMetrics medidor(cmb_medidas->font());
    m_medidas = medidas::sinRepetir(todas, local);
    for (const medidas::Medida& m : std::as_const(m_medidas)) {
        const QString texto = medidas::etiqueta(m, local);
        cmb_medidas->addItem(medidor.elidedText(texto, Qt::ElideRight, 300));
        cmb_medidas->setItemData(cmb_medidas->count() - 1, texto, Qt::ToolTipRole);
    }
    cmb_medidas->setCurrentIndex(0);
    // Another food starts from one unit a day: a quantity typed for the last
    // food would otherwise multiply this one's measure.
    tbx_medidaCantidad->setText(local.toString(1));
    cmb_periodo->setCurrentIndex(0);
    m_llenando = false;
    lbl_calculo->clear();
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
    const int i = cmb_medidas->currentIndex() - 1;
    return i >= 0 && i < m_medidas.size() ? &m_medidas[i] : nullptr;
}

void AyudaMedidas::mostrarGuardada()
{
    if (!m_guardada || *m_guardada <= 0) {
        lbl_guardada->clear();
        return;
    }
    // In the measure chosen, else in the food's first one, else in grams.
    const medidas::Medida* m = medidaElegida();
    if (!m && !m_medidas.isEmpty())
        m = &m_medidas.first();
    const QLocale local;
    lbl_guardada->setText(QStringLiteral("Stored now: %1 g a week, about %2 %3 a day")
                              .arg(cifras::entero(*m_guardada, local),
                                   medidas::alDia(*m_guardada, m ? m->gramosPorUnidad() : 1, local),
                                   m ? m->nombre : QStringLiteral("g")));
}

void AyudaMedidas::calcular()
{
    if (m_llenando)
        return;
    const QLocale local;
    const std::optional<double> cantidad = medidas::leerCantidad(tbx_medidaCantidad->text(), local);
    avisarExceso(false);
    if (!cantidad) {
        lbl_calculo->clear();
        return;
    }
    const medidas::Medida* m = medidaElegida();
    const bool porDia = cmb_periodo->currentIndex() == 0;
    const qint64 gramos = medidas::gramosSemana(*cantidad, m ? m->gramosPorUnidad() : 1, porDia);
    const QString suma =
        QStringLiteral("%1 %2 %3 = %4 g a week")
            .arg(medidas::numero(*cantidad, local),
                 m ? QStringLiteral("x ") + medidas::etiqueta(*m, local) : QStringLiteral("g"),
                 cmb_periodo->currentText(), cifras::entero(gramos, local));
    // Neither a week of nothing nor more than the box takes is entered.
    if (gramos > medidas::maximoSemana) {
        lbl_calculo->setText(suma + QStringLiteral(": more than %1 g, not entered")
                                        .arg(cifras::entero(medidas::maximoSemana, local)));
        return;
    }
    if (gramos < 1) {
        lbl_calculo->setText(suma + QStringLiteral(": less than 1 g, not entered"));
        return;
    }
    m_gramos->setText(cifras::entero(gramos, local));
    // More than a person eats of one food is entered, but not silently.
    if (gramos > medidas::semanaVerosimil) {
        lbl_calculo->setText(suma +
                             QStringLiteral(": more than %1 kg a week, please check")
                                 .arg(cifras::entero(medidas::semanaVerosimil / 1000, local)));
        avisarExceso(true);
        return;
    }
    lbl_calculo->setText(suma);
}

void AyudaMedidas::avisarExceso(bool exceso)
{
    lbl_calculo->setProperty("exceso", exceso);
    QPalette paleta = palette();
    if (exceso) {
        // Dark orange on a light window, light orange on a dark one.
        const bool oscura = paleta.color(QPalette::Window).lightness() < 128;
        paleta.setColor(QPalette::WindowText, oscura ? QColor(255, 160, 90) : QColor(168, 64, 0));
    }
    lbl_calculo->setPalette(paleta);
}
