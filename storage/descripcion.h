#pragma once

#include <QCoreApplication>
#include <QString>

namespace almacen {

// A failure described twice: as the log keeps it, in English, and as a
// message box shows it, in the user's language.
struct Descripcion
{
    QString registro;
    QString pantalla;
};

inline const QString& formaDe(const QString& texto, bool)
{
    return texto;
}

inline const QString& formaDe(const Descripcion& d, bool pantalla)
{
    return pantalla ? d.pantalla : d.registro;
}

// `fuente`, a text of the context "almacen" marked with QT_TRANSLATE_NOOP,
// with its %1, %2... filled by `partes` as QString::arg fills them: a
// QString goes into both forms as it is, a Descripcion each form into its own.
template <typename... Partes> Descripcion describir(const char* fuente, const Partes&... partes)
{
    const QString ingles = QString::fromUtf8(fuente);
    const QString traducido = QCoreApplication::translate("almacen", fuente);
    if constexpr (sizeof...(Partes) == 0)
        return {ingles, traducido};
    else
        return {ingles.arg(formaDe(partes, false)...), traducido.arg(formaDe(partes, true)...)};
}

// A text that is the same in both forms (the driver's or the system's).
inline Descripcion igual(const QString& texto)
{
    return {texto, texto};
}

} // namespace almacen
