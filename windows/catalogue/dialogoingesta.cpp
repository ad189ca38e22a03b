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
    setWindowTitle(tr("  Set intake"));
    if (principal)
        setWindowIcon(principal->windowIcon());

    m_alimento = new QLabel(this);
    m_alimento->setObjectName(QStringLiteral("lbl_alimento"));
    m_alimento->setTextFormat(Qt::PlainText);
    m_cantidad = new QLineEdit(this);
    m_cantidad->setObjectName(QStringLiteral("tbx_cantidad"));
    m_cantidad->setMaxLength(5);
    m_cantidad->setMaximumWidth(70);
    auto* unidad = new QLabel(tr("grams a week"), this);
    unidad->setObjectName(QStringLiteral("lbl_gramosSemana"));
    nombrar(m_cantidad, tr("Weekly intake in grams"), unidad);
    m_ayuda = new AyudaMedidas(m_cantidad, this);
    // Made after the helper, so that Tab reaches Save last, as it is shown.
    m_guardar = new QPushButton(tr("Save"), this);
    m_guardar->setObjectName(QStringLiteral("cmd_guardar"));
    m_guardar->setDefault(true);

    auto* v = new QVBoxLayout(this);
    v->addWidget(m_alimento);
    auto* fila = new QHBoxLayout;
    fila->addWidget(m_cantidad);
    fila->addWidget(unidad, 1);
    v->addLayout(fila);
    v->addWidget(m_ayuda);
    v->addWidget(m_guardar);
    setFixedWidth(380);
    m_anchoTexto = 380 - v->contentsMargins().left() - v->contentsMargins().right();

    connect(m_guardar, &QPushButton::clicked, this, &DialogoIngesta::guardar);
    connect(m_cantidad, &QLineEdit::returnPressed, this, &DialogoIngesta::guardar);
    connect(m_ayuda, &AyudaMedidas::confirmado, this, &DialogoIngesta::guardar);
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
    m_alimento->setToolTip(nombre);
    m_cantidad->setAccessibleDescription(nombre);
    m_alimento->setText(nombre.isEmpty() ? tr("No food selected")
                                         : m_alimento->fontMetrics().elidedText(
                                               nombre, Qt::ElideRight, m_anchoTexto));
    const Dato& perfil = m_perfil.idPerfil;
    m_ayuda->elegirAlimento(alimento, perfil.tieneValor() ? perfil.entero() : 0);
}

void DialogoIngesta::guardar()
{
    const QString cantidad = m_cantidad->text();
    // A week of 0 grams is not an intake worth setting from here.
    if (!soloDigitos(cantidad) || cantidad == QLatin1String("0")) {
        mensajes::avisar(this, tr("Please, set your weekly intake (grams, integer "
                                  "numbers only)"));
        m_cantidad->setFocus();
        return;
    }
    // The intake goes to the food selected in the ranking at this moment; a
    // list refilled or emptied meanwhile has none until one is picked.
    const qint64 alimento = alimentoElegido();
    if (alimento <= 0) {
        mensajes::avisar(this, tr("Please, select a food"));
        return;
    }
    {
        almacen::Ocupado ocupado;
        guardarCantidad(this, m_perfil, cantidad, alimento);
    }
    close();
}
