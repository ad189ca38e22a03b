#pragma once

#include <QString>
#include <QVariant>
#include <QtGlobal>

// A value of the current profile held in memory. It is in one of three
// states: never set (no profile read yet), null (read from a null column), or
// a whole number (ids, the age group, the sex and the weight are all whole).
// A value that was never set compares equal to 0 and converts to 0
// or to the empty text; a null value equals nothing.
class Dato
{
public:
    Dato() = default;
    static Dato nulo()
    {
        Dato d;
        d.m_estado = Estado::Nulo;
        return d;
    }
    static Dato de(qint64 valor)
    {
        Dato d;
        d.m_estado = Estado::Valor;
        d.m_valor = valor;
        return d;
    }
    // A database value: null stays null, anything else becomes a whole number.
    static Dato deVariante(const QVariant& v) { return v.isNull() ? nulo() : de(v.toLongLong()); }

    bool fijado() const { return m_estado != Estado::NoFijado; }
    bool esNulo() const { return m_estado == Estado::Nulo; }
    bool tieneValor() const { return m_estado == Estado::Valor; }

    // Equality as the routines compare: never true for null.
    bool igualA(qint64 v) const { return !esNulo() && entero() == v; }
    // The value as a number: 0 when never set or null.
    qint64 entero() const { return m_estado == Estado::Valor ? m_valor : 0; }
    double numero() const { return double(entero()); }
    // The value as text: empty when never set or null.
    QString texto() const { return tieneValor() ? QString::number(m_valor) : QString(); }

private:
    enum class Estado { NoFijado, Nulo, Valor };
    Estado m_estado = Estado::NoFijado;
    qint64 m_valor = 0;
};

// The current profile: the row of `profiles` whose `last` flag is set. Its id
// and personal data are kept for every routine that works on it (the session
// holds the one the program works with).
struct PerfilActual
{
    Dato idPerfil;
    Dato edad;   // position 0 to 9 in the age-group list
    Dato genero; // 0 male, 1 female
    Dato peso;   // kilograms
};
