#include "windows/common/controles.h"

#include "catalogue/cifras.h"
#include "resources/iconos.h"
#include "storage/esquema.h"
#include "windows/common/roles.h"

#include <QColor>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QTreeWidgetItem>

#include <algorithm>
#include <cmath>

QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto)
{
    auto* l = crear<QLabel>(padre, nombre);
    l->setText(texto);
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton* boton(QWidget* padre, const char* nombre, const QString& texto)
{
    auto* b = crear<QPushButton>(padre, nombre);
    b->setText(texto);
    return b;
}

void nombrar(QWidget* control, const QString& nombre, QLabel* rotulo)
{
    control->setAccessibleName(nombre);
    if (rotulo)
        rotulo->setBuddy(control);
}

QTreeWidget* listaInforme(QWidget* padre, const char* nombre, const QStringList& titulos,
                          const QStringList& claves)
{
    auto* l = crear<QTreeWidget>(padre, nombre);
    l->setRootIsDecorated(false);
    l->setUniformRowHeights(true);
    l->setAllColumnsShowFocus(true);
    l->setColumnCount(titulos.size());
    l->setHeaderLabels(titulos);
    for (int i = 0; i < claves.size(); ++i)
        l->headerItem()->setData(i, RolClaveColumna, claves[i]);
    l->header()->setSectionsMovable(false);
    l->header()->setStretchLastSection(false);
    return l;
}

QHBoxLayout* leyendaCategorias(QWidget* padre, const PiezaLeyenda (&piezas)[8])
{
    static const char* const categorias[4][2] = {
        {"general", QT_TRANSLATE_NOOP("controles", "General")},
        {"aminoacidos", QT_TRANSLATE_NOOP("controles", "Amino acids")},
        {"vitaminas", QT_TRANSLATE_NOOP("controles", "Vitamins")},
        {"minerales", QT_TRANSLATE_NOOP("controles", "Minerals")}};
    auto* leyenda = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        QLabel* imagen = crear<QLabel>(padre, piezas[2 * i].nombre);
        imagen->setPixmap(iconoCategoria(QLatin1String(categorias[i][0])).pixmap(16, 16));
        imagen->setFixedSize(16, 16);
        QLabel* texto = etiqueta(padre, piezas[2 * i + 1].nombre,
                                 QCoreApplication::translate("controles", categorias[i][1]));
        texto->setWordWrap(false);
        leyenda->addWidget(imagen);
        leyenda->addWidget(texto);
        leyenda->addSpacing(12);
        *piezas[2 * i].etiqueta = imagen;
        *piezas[2 * i + 1].etiqueta = texto;
    }
    leyenda->addStretch(1);
    return leyenda;
}

void situarSobre(QWidget* ventana, const QWidget* principal, int paso)
{
    if (!principal)
        return;
    const QRect sobre = principal->window()->frameGeometry();
    QRect r(QPoint(), ventana->frameGeometry().size());
    r.moveCenter(sobre.center());
    r.translate(QPoint(24, 24) * (paso % 8));
    if (const QScreen* pantalla = principal->screen()) {
        const QRect libre = pantalla->availableGeometry();
        r.moveRight(qMin(r.right(), libre.right()));
        r.moveBottom(qMin(r.bottom(), libre.bottom()));
        r.moveLeft(qMax(r.left(), libre.left()));
        r.moveTop(qMax(r.top(), libre.top()));
    }
    ventana->move(r.topLeft());
}

bool soloDigitos(const QString& texto)
{
    return cifras::digitos(texto).has_value();
}

AvanceLargo::AvanceLargo(QWidget* padre, const QString& texto) : m_padre(padre), m_texto(texto)
{
    m_reloj.start();
}

AvanceLargo::~AvanceLargo()
{
    delete m_dialogo;
}

void AvanceLargo::operator()()
{
    const qint64 ahora = m_reloj.elapsed();
    if (!m_dialogo) {
        if (ahora < 1000)
            return;
        m_dialogo = new QProgressDialog(m_texto, QString(), 0, 0, m_padre);
        m_dialogo->setObjectName(QStringLiteral("dlg_avance"));
        m_dialogo->setWindowModality(Qt::WindowModal);
        m_dialogo->setMinimumDuration(0);
        m_dialogo->show();
    } else if (ahora - m_ultimo < 50) {
        return;
    }
    m_ultimo = ahora;
    m_dialogo->setValue(0);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void marcarSiPropio(QTreeWidgetItem* fila, qint64 alimento)
{
    if (alimento < almacen::primerPropio)
        return;
    fila->setIcon(0, iconoPropio());
    fila->setToolTip(0,
                     fila->text(0) + QCoreApplication::translate("controles", " (your own food)"));
    fila->setData(0, Qt::AccessibleDescriptionRole,
                  QCoreApplication::translate("controles", "Your own food"));
}

namespace {

double luminancia(const QColor& c)
{
    const auto canal = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
}

} // namespace

double contraste(const QColor& a, const QColor& b)
{
    const double la = luminancia(a);
    const double lb = luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor mezcla(const QColor& color, int alfa, const QColor& fondo)
{
    const double t = alfa / 255.0;
    return QColor::fromRgbF(float(color.redF() * t + fondo.redF() * (1 - t)),
                            float(color.greenF() * t + fondo.greenF() * (1 - t)),
                            float(color.blueF() * t + fondo.blueF() * (1 - t)));
}

int alfaLegible(const QColor& color, int alfa, const QColor& fondo, const QColor& texto)
{
    while (alfa > 0 && contraste(texto, mezcla(color, alfa, fondo)) < 4.5)
        alfa -= 5;
    return std::max(alfa, 0);
}
