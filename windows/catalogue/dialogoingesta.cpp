#include "windows/catalogue/dialogoingesta.h"

#include "profiles/perfilactual.h"
#include "storage/basedatos.h"
#include "windows/catalogue/ayudamedidas.h"
#include "windows/catalogue/ingesta.h"
#include "windows/common/controles.h"
#include "windows/common/mensajes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

DialogoIngesta::DialogoIngesta(QWidget* principal, QTreeWidget* listaOrdenada,
                               const PerfilActual& perfil)
    : QWidget(principal, Qt::Window), m_lista(listaOrdenada), m_perfil(perfil)
{
    setObjectName(QStringLiteral("i"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("  Set intake"));
    if (principal)
        setWindowIcon(principal->windowIcon());

    lbl_alimento = new QLabel(this);
    lbl_alimento->setObjectName(QStringLiteral("lbl_alimento"));
    lbl_alimento->setTextFormat(Qt::PlainText);
    tbx_cantidad = new QLineEdit(this);
    tbx_cantidad->setObjectName(QStringLiteral("tbx_cantidad"));
    tbx_cantidad->setMaxLength(5);
    tbx_cantidad->setMaximumWidth(70);
    auto* unidad = new QLabel(QStringLiteral("grams a week"), this);
    unidad->setObjectName(QStringLiteral("lbl_gramosSemana"));
    unidad->setBuddy(tbx_cantidad);
    cmd_guardar = new QPushButton(QStringLiteral("Save"), this);
    cmd_guardar->setObjectName(QStringLiteral("cmd_guardar"));
    cmd_guardar->setDefault(true);

    ayudaMedidas = new AyudaMedidas(tbx_cantidad, this);

    auto* v = new QVBoxLayout(this);
    v->addWidget(lbl_alimento);
    auto* fila = new QHBoxLayout;
    fila->addWidget(tbx_cantidad);
    fila->addWidget(unidad, 1);
    v->addLayout(fila);
    v->addWidget(ayudaMedidas);
    v->addWidget(cmd_guardar);
    setFixedWidth(380);
    m_anchoTexto = 380 - v->contentsMargins().left() - v->contentsMargins().right();

    connect(cmd_guardar, &QPushButton::clicked, this, &DialogoIngesta::guardar);
    connect(tbx_cantidad, &QLineEdit::returnPressed, this, &DialogoIngesta::guardar);
    connect(ayudaMedidas, &AyudaMedidas::confirmado, this, &DialogoIngesta::guardar);
    // The helper follows the food the intake would go to.
    if (m_lista) {
        connect(m_lista, &QTreeWidget::currentItemChanged, this, &DialogoIngesta::mostrarMedidas);
        connect(m_lista, &QTreeWidget::itemSelectionChanged, this, &DialogoIngesta::mostrarMedidas);
    }
    mostrarMedidas();
}

qint64 DialogoIngesta::alimentoElegido() const
{
    const QTreeWidgetItem* fila = m_lista ? m_lista->currentItem() : nullptr;
    return fila && fila->isSelected() ? idAlimento(fila) : 0;
}

void DialogoIngesta::mostrarMedidas()
{
    const qint64 alimento = alimentoElegido();
    // The food the intake goes to, cut to the window's width.
    const QString nombre = alimento > 0 ? m_lista->currentItem()->text(0) : QString();
    lbl_alimento->setToolTip(nombre);
    lbl_alimento->setText(nombre.isEmpty() ? QStringLiteral("No food selected")
                                           : lbl_alimento->fontMetrics().elidedText(
                                                 nombre, Qt::ElideRight, m_anchoTexto));
    const Dato& perfil = m_perfil.idPerfil;
    ayudaMedidas->elegirAlimento(alimento, perfil.tieneValor() ? perfil.entero() : 0);
}

void DialogoIngesta::guardar()
{
    const QString cantidad = tbx_cantidad->text();
    // A week of 0 grams is not an intake worth setting from here.
    if (!soloDigitos(cantidad) || cantidad == QLatin1String("0")) {
        mensajes::avisar(this, QStringLiteral("Please, set your weekly intake (grams, integer "
                                              "numbers only)"));
        tbx_cantidad->setFocus();
        return;
    }
    // The intake goes to the food selected in the ranking at this moment; a
    // list refilled or emptied meanwhile has none until one is picked.
    const qint64 alimento = alimentoElegido();
    if (alimento <= 0) {
        mensajes::avisar(this, QStringLiteral("Please, select a food"));
        return;
    }
    {
        almacen::Ocupado ocupado;
        guardarCantidad(this, m_perfil, cantidad, alimento);
    }
    close();
}
