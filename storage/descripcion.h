#pragma once

#include <QCoreApplication>
#include <QString>

namespace almacen {

struct Descripcion;

template <typename T> const T& formaDe(const T& parte, bool)
{
    return parte;
}
const QString& formaDe(const Descripcion& d, bool pantalla);

// A failure described twice: as the log keeps it, in English, and as a
// message box shows it, in the user's language.
struct Descripcion
{
    QString registro;
    QString pantalla;

    bool isEmpty() const { return registro.isEmpty(); }
    // Its %1, %2... filled as QString::arg fills them: a number or a QString
    // goes into both forms as it is, a Descripcion each form into its own.
    template <typename... Partes> Descripcion arg(const Partes&... partes) const
    {
        if constexpr (sizeof...(Partes) == 0)
            return *this;
        else
            return {registro.arg(formaDe(partes, false)...),
                    pantalla.arg(formaDe(partes, true)...)};
    }
};

inline const QString& formaDe(const Descripcion& d, bool pantalla)
{
    return pantalla ? d.pantalla : d.registro;
}

// `fuente`, a text of `contexto` marked with QT_TRANSLATE_NOOP, in both forms.
inline Descripcion traducir(const char* contexto, const char* fuente)
{
    return {QString::fromUtf8(fuente), QCoreApplication::translate(contexto, fuente)};
}

// A text of the context "almacen", filled by `partes`.
template <typename... Partes> Descripcion describir(const char* fuente, const Partes&... partes)
{
    return traducir("almacen", fuente).arg(partes...);
}

// A text that is the same in both forms (the driver's or the system's).
inline Descripcion igual(const QString& texto)
{
    return {texto, texto};
}

} // namespace almacen
