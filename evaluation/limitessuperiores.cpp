#include "evaluation/limitessuperiores.h"

#include "evaluation/valoresrecomendados.h"
#include "storage/basedatos.h"
#include "storage/registro.h"

#include <QSqlDatabase>

namespace {

std::optional<Aplicacion> aplicacion(const QString& texto)
{
    if (texto == QLatin1String("total"))
        return Aplicacion::Total;
    if (texto == QLatin1String("retinol"))
        return Aplicacion::Retinol;
    if (texto == QLatin1String("supplements"))
        return Aplicacion::Suplementos;
    if (texto == QLatin1String("cdrr"))
        return Aplicacion::Cdrr;
    return std::nullopt;
}

} // namespace

namespace {

// One row of a reference table for the profile's group: the nutrient key,
// the group's value, and the further columns asked for.
struct FilaGrupo
{
    QString clave;
    ValorGrupo valor;
    QVariantList otras;
};

// Reads the group's column of `tabla` with `otras` columns beside it, each
// value told apart from the delivered one. A database without the table
// (made before it existed) gives nothing, and nothing is logged.
QList<FilaGrupo> leerTablaGrupo(const QString& tabla, const PerfilActual& perfil,
                                const QStringList& otras, QString* fallo)
{
    QList<FilaGrupo> filas;
    const int grupo = indiceGrupo(perfil);
    if (grupo < 0 || !almacen::baseAbierta() || !almacen::base().tables().contains(tabla))
        return filas;
    const QString columna = QLatin1String(columnasGrupo()[grupo]);
    QStringList pedidas{QStringLiteral("key"), columna, QStringLiteral("id")};
    pedidas += otras;
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select %1 from %2").arg(pedidas.join(QStringLiteral(", ")), tabla));
    if (!c.ok)
        *fallo = c.entradaLog(QString());
    const ValoresEntregados entregados = leerValoresEntregados(tabla);
    for (const QVariantList& fila : c.filas) {
        FilaGrupo f;
        f.clave = fila.at(0).toString();
        bool numero = false;
        const double v = fila.at(1).toDouble(&numero);
        if (!fila.at(1).isNull() && numero)
            f.valor.valor = v;
        const QVariant entregado = entregados.valor(fila.at(2).toLongLong(), columna);
        if (entregado.isValid() && distintoDelEntregado(fila.at(1), entregado)) {
            f.valor.editado = true;
            if (!entregado.isNull())
                f.valor.entregado = entregado.toDouble();
        }
        f.otras = fila.mid(3);
        filas << f;
    }
    return filas;
}

} // namespace

LimitesSuperiores leerLimitesSuperiores(const PerfilActual& perfil)
{
    LimitesSuperiores limites;
    QString fallo;
    for (const FilaGrupo& f :
         leerTablaGrupo(QStringLiteral("ULs"), perfil, {QStringLiteral("applies")}, &fallo)) {
        const QString texto = f.otras.value(0).toString();
        const std::optional<Aplicacion> a = aplicacion(texto);
        if (!a) {
            fallo = QStringLiteral("The upper limit of \"%1\" applies to an unknown intake \"%2\"")
                        .arg(f.clave, texto);
            continue;
        }
        LimiteSuperior l;
        static_cast<ValorGrupo&>(l) = f.valor;
        l.aplica = *a;
        limites.insert(f.clave, l);
    }
    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("leerLimitesSuperiores() -> ") + fallo);
    return limites;
}

Requerimientos leerRequerimientos(const PerfilActual& perfil)
{
    Requerimientos requerimientos;
    QString fallo;
    const double peso = perfil.peso.numero();
    for (FilaGrupo& f :
         leerTablaGrupo(QStringLiteral("EARs"), perfil, {QStringLiteral("icon")}, &fallo)) {
        // Per kilogram of body weight: protein in grams, amino acids in
        // milligrams (the food table holds both in grams).
        double factor = 1.0;
        if (f.clave == QLatin1String("Protein"))
            factor = peso;
        else if (f.otras.value(0).toString() == QLatin1String("aminoacidos"))
            factor = peso / 1000.0;
        for (std::optional<double>* v : {&f.valor.valor, &f.valor.entregado})
            if (*v)
                **v *= factor;
        requerimientos.insert(f.clave, f.valor);
    }
    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("leerRequerimientos() -> ") + fallo);
    return requerimientos;
}

QString columnaComparada(const QString& clave, Aplicacion aplica)
{
    return aplica == Aplicacion::Retinol ? QStringLiteral("Retinol") : clave;
}
