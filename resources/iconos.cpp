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
    // Installed, the icon theme has the same picture in every size under the
    // program's id; the built-in copy serves a build that is not installed.
    QIcon propio(QStringLiteral(":/alimetra16.png"));
    propio.addFile(QStringLiteral(":/alimetra.png"));
    return QIcon::fromTheme(QStringLiteral("org.alimetra.Alimetra"), propio);
}

QPixmap imagenPresentacion()
{
    return QPixmap(QStringLiteral(":/intro.jpg"));
}
