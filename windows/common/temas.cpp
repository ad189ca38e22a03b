#include "windows/common/temas.h"

#include <QApplication>
#include <QSettings>
#include <QStyleFactory>

namespace temas {

namespace {

const QString claveTema = QStringLiteral("theme");

struct Par
{
    QPalette::ColorRole rol;
    QColor color;
};

QPalette paleta(std::initializer_list<Par> activos, const QColor& inactivo)
{
    QPalette p;
    for (const Par& par : activos)
        p.setColor(par.rol, par.color);
    for (const QPalette::ColorRole rol :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText})
        p.setColor(QPalette::Disabled, rol, inactivo);
    return p;
}

} // namespace

std::optional<Tema> temaDeNombre(const QString& nombre)
{
    for (const Tema t : {Tema::Sistema, Tema::Oscuro, Tema::Contraste})
        if (nombre.compare(nombreDeTema(t), Qt::CaseInsensitive) == 0)
            return t;
    return std::nullopt;
}

QString nombreDeTema(Tema tema)
{
    switch (tema) {
    case Tema::Oscuro:
        return QStringLiteral("dark");
    case Tema::Contraste:
        return QStringLiteral("high-contrast");
    case Tema::Sistema:
        break;
    }
    return QStringLiteral("system");
}

// Every text colour stands out from its background by 4.5:1 or more, the
// disabled ones included.
QPalette paletaOscura()
{
    const QColor texto(0xe6, 0xe6, 0xe6);
    return paleta({{QPalette::Window, QColor(0x2d, 0x2d, 0x2d)},
                   {QPalette::WindowText, texto},
                   {QPalette::Base, QColor(0x1e, 0x1e, 0x1e)},
                   {QPalette::AlternateBase, QColor(0x27, 0x27, 0x27)},
                   {QPalette::Text, texto},
                   {QPalette::Button, QColor(0x3a, 0x3a, 0x3a)},
                   {QPalette::ButtonText, texto},
                   {QPalette::BrightText, QColor(0xff, 0x80, 0x80)},
                   {QPalette::Highlight, QColor(0x3d, 0x6f, 0xb6)},
                   {QPalette::HighlightedText, Qt::white},
                   {QPalette::ToolTipBase, QColor(0x3a, 0x3a, 0x3a)},
                   {QPalette::ToolTipText, texto},
                   {QPalette::PlaceholderText, QColor(0xa0, 0xa0, 0xa0)},
                   {QPalette::Link, QColor(0x8a, 0xb4, 0xf8)},
                   {QPalette::LinkVisited, QColor(0xc5, 0x8a, 0xf9)},
                   {QPalette::Light, QColor(0x50, 0x50, 0x50)},
                   {QPalette::Midlight, QColor(0x44, 0x44, 0x44)},
                   {QPalette::Mid, QColor(0x30, 0x30, 0x30)},
                   {QPalette::Dark, QColor(0x20, 0x20, 0x20)},
                   {QPalette::Shadow, Qt::black}},
                  QColor(0xa8, 0xa8, 0xa8));
}

// White on black, the selection black on yellow, frames in white.
QPalette paletaContraste()
{
    return paleta({{QPalette::Window, Qt::black},
                   {QPalette::WindowText, Qt::white},
                   {QPalette::Base, Qt::black},
                   {QPalette::AlternateBase, QColor(0x1a, 0x1a, 0x1a)},
                   {QPalette::Text, Qt::white},
                   {QPalette::Button, Qt::black},
                   {QPalette::ButtonText, Qt::white},
                   {QPalette::BrightText, QColor(0xff, 0xff, 0x00)},
                   {QPalette::Highlight, QColor(0xff, 0xff, 0x00)},
                   {QPalette::HighlightedText, Qt::black},
                   {QPalette::ToolTipBase, Qt::black},
                   {QPalette::ToolTipText, Qt::white},
                   {QPalette::PlaceholderText, QColor(0xc0, 0xc0, 0xc0)},
                   {QPalette::Link, QColor(0x00, 0xff, 0xff)},
                   {QPalette::LinkVisited, QColor(0xff, 0x80, 0xff)},
                   {QPalette::Light, Qt::white},
                   {QPalette::Midlight, Qt::white},
                   {QPalette::Mid, QColor(0xc0, 0xc0, 0xc0)},
                   {QPalette::Dark, Qt::white},
                   {QPalette::Shadow, Qt::white}},
                  QColor(0xa0, 0xa0, 0xa0));
}

Tema elegir(const std::optional<Tema>& pedido)
{
    QSettings ajustes;
    if (pedido) {
        ajustes.setValue(claveTema, nombreDeTema(*pedido));
        return *pedido;
    }
    return temaDeNombre(ajustes.value(claveTema).toString()).value_or(Tema::Sistema);
}

void aplicar(Tema tema)
{
    if (tema == Tema::Sistema)
        return;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(tema == Tema::Oscuro ? paletaOscura() : paletaContraste());
}

} // namespace temas
