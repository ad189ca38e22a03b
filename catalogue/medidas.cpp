#include "catalogue/medidas.h"

#include "catalogue/cifras.h"

#include <QCoreApplication>

#include <cmath>

namespace medidas {

QList<Medida> deAlimento(qint64 alimento, QString* fallo)
{
    QList<Medida> lista;
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select amount, name, grams from measures where food_id=? order by seq"),
        {alimento});
    if (!c.ok) {
        *fallo = c.entradaLog(QStringLiteral("medidas -> "));
        return lista;
    }
    lista.reserve(c.filas.size());
    for (const QVariantList& f : c.filas) {
        Medida m{f.value(0).toDouble(), f.value(1).toString(), f.value(2).toDouble()};
        // The builder keeps only measures above 0; one that is not cannot be
        // divided by.
        if (m.cantidad > 0 && m.gramos > 0)
            lista << m;
    }
    return lista;
}

std::optional<qint64> guardada(qint64 alimento, qint64 perfil, QString* fallo)
{
    const almacen::Consulta c =
        almacen::consultar(QStringLiteral("select intake from saves where food_id=? and prof_id=?"),
                           {alimento, perfil});
    if (!c.ok) {
        *fallo = c.entradaLog(QStringLiteral("medidas -> "));
        return std::nullopt;
    }
    if (c.vacia() || c.filas.first().value(0).isNull())
        return std::nullopt;
    return c.filas.first().value(0).toLongLong();
}

std::optional<Medida> primeraDeIngesta(qint64 ingesta, QString* fallo)
{
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select m.amount, m.name, m.grams from measures m inner join saves s on "
                       "s.food_id=m.food_id where s.id=? and m.amount>0 and m.grams>0 "
                       "order by m.seq limit 1"),
        {ingesta});
    if (!c.ok) {
        *fallo = c.entradaLog(QStringLiteral("medidas -> "));
        return std::nullopt;
    }
    if (c.vacia())
        return std::nullopt;
    const QVariantList& f = c.filas.first();
    return Medida{f.value(0).toDouble(), f.value(1).toString(), f.value(2).toDouble()};
}

std::optional<double> leerCantidad(const QString& texto, const QLocale& local)
{
    const std::optional<QString> normal = cifras::decimal(texto.trimmed(), local);
    if (!normal)
        return std::nullopt;
    // Significant digits: all but the zeros before the first other digit.
    QString significativas = *normal;
    significativas.remove(QLatin1Char('.'));
    while (significativas.startsWith(QLatin1Char('0')))
        significativas.remove(0, 1);
    if (significativas.isEmpty() || significativas.size() > 4)
        return std::nullopt;
    bool ok = false;
    const double valor = normal->toDouble(&ok);
    if (!ok || !(valor > 0))
        return std::nullopt;
    return valor;
}

qint64 gramosSemana(double cantidad, double gramosPorUnidad, bool porDia)
{
    const double gramos = cantidad * gramosPorUnidad * (porDia ? 7 : 1);
    // The product of decimal fractions lands a hair off its exact value
    // (0.7 x 85 x 7 is 416.5, computed 416.49999999999994): round what is a
    // half within that hair up.
    return qint64(std::floor(gramos + 0.5 + 1e-9 * std::max(1.0, gramos)));
}

QString numero(double valor, const QLocale& local)
{
    return cifras::sinCerosFinales(cifras::sinGrupos(local).toString(valor, 'f', 2), local);
}

QString etiqueta(const Medida& m, const QLocale& local)
{
    return QStringLiteral("%1 %2 (%3 g)")
        .arg(local.toString(1), m.nombre, numero(m.gramosPorUnidad(), local));
}

QList<Medida> sinRepetir(const QList<Medida>& lista, const QLocale& local)
{
    QList<Medida> distintas;
    QStringList puestas;
    for (const Medida& m : lista) {
        const QString texto = etiqueta(m, local);
        if (puestas.contains(texto))
            continue;
        puestas << texto;
        distintas << m;
    }
    return distintas;
}

QString alDia(qint64 gramosSemana, double gramosPorUnidad, const QLocale& local)
{
    const double unidades = double(gramosSemana) / 7 / gramosPorUnidad;
    if (unidades == 0 || std::round(unidades * 10) >= 1)
        return numero(std::round(unidades * 10) / 10, local);
    // Two significant digits; what is too small to write so reads as 0.
    if (unidades < 0.0001)
        return local.toString(0);
    const int decimales = 1 - int(std::floor(std::log10(unidades)));
    return cifras::sinCerosFinales(cifras::sinGrupos(local).toString(unidades, 'f', decimales),
                                   local);
}

QString lectura(qint64 gramosSemana, const Medida* medida, const QLocale& local)
{
    if (!medida)
        return QCoreApplication::translate("medidas", "%1 g a week = about %2 g a day")
            .arg(cifras::entero(gramosSemana, local), alDia(gramosSemana, 1, local));
    return QCoreApplication::translate("medidas", "%1 g a week = about %2 %3 a day")
        .arg(cifras::entero(gramosSemana, local),
             alDia(gramosSemana, medida->gramosPorUnidad(), local), medida->nombre);
}

} // namespace medidas
