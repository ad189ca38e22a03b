#include "resources/iconos.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace {

const char* const categorias[] = {"general", "aminoacidos", "vitaminas", "minerales"};

} // namespace

bool esCategoriaConocida(const QString& clave)
{
    for (const char* c : categorias)
        if (clave == QLatin1String(c))
            return true;
    return false;
}

QIcon iconoCategoria(const QString& clave)
{
    static QHash<QString, QIcon> cache;
    if (!esCategoriaConocida(clave))
        return QIcon();
    auto it = cache.find(clave);
    if (it == cache.end()) {
        // Drawn at 16, 32 and 48 pixels: crisp on screens scaled to 2x or 3x.
        QIcon icono(QStringLiteral(":/%1.png").arg(clave));
        for (const int lado : {32, 48})
            icono.addFile(QStringLiteral(":/%1%2.png").arg(clave).arg(lado));
        it = cache.insert(clave, icono);
    }
    return *it;
}

namespace {

QPixmap casa(int lado)
{
    QPixmap p(lado, lado);
    p.fill(Qt::transparent);
    QPainter pintor(&p);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.scale(lado / 16.0, lado / 16.0);
    QPainterPath tejado;
    tejado.moveTo(8, 1.5);
    tejado.lineTo(15, 8);
    tejado.lineTo(1, 8);
    tejado.closeSubpath();
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(QColor(0xc0, 0x50, 0x20));
    pintor.drawPath(tejado);
    pintor.setBrush(QColor(0xe8, 0x9a, 0x3c));
    pintor.drawRect(QRectF(3, 8, 10, 6.5));
    pintor.setBrush(QColor(0x5a, 0x32, 0x14));
    pintor.drawRect(QRectF(7, 10.5, 2.5, 4));
    return p;
}

} // namespace

QIcon iconoPropio()
{
    static const QIcon icono = [] {
        QIcon i;
        for (const int lado : {16, 32})
            i.addPixmap(casa(lado));
        return i;
    }();
    return icono;
}

QIcon iconoVentana()
{
    // Installed, the icon theme has the same picture in every size under the
    // program's id; the built-in copy serves a build that is not installed.
    QIcon propio(QStringLiteral(":/alimetra16.png"));
    propio.addFile(QStringLiteral(":/alimetra.png"));
    propio.addFile(QStringLiteral(":/alimetra48.png"));
    return QIcon::fromTheme(QStringLiteral("org.alimetra.Alimetra"), propio);
}

QPixmap imagenPresentacion()
{
    return QPixmap(QStringLiteral(":/intro.jpg"));
}
