#include "resources/iconos.h"

#include <QHash>

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
    if (it == cache.end())
        it = cache.insert(clave, QIcon(QStringLiteral(":/%1.png").arg(clave)));
    return *it;
}

QIcon iconoVentana()
{
    QIcon icono(QStringLiteral(":/alimetra16.png"));
    icono.addFile(QStringLiteral(":/alimetra.png"));
    return icono;
}

QPixmap imagenPresentacion()
{
    return QPixmap(QStringLiteral(":/intro.jpg"));
}
