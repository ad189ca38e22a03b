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

LimitesSuperiores leerLimitesSuperiores(const PerfilActual& perfil)
{
    LimitesSuperiores limites;
    const int grupo = indiceGrupo(perfil);
    if (grupo < 0 || !almacen::baseAbierta() ||
        !almacen::base().tables().contains(QStringLiteral("ULs")))
        return limites;

    QString fallo;
    const QString columna = QLatin1String(columnasGrupo()[grupo]);
    const almacen::Consulta c =
        almacen::consultar(QStringLiteral("select key, applies, %1, id from ULs").arg(columna));
    if (!c.ok)
        fallo = c.entradaLog(QString());
    const ValoresEntregados entregados = leerValoresEntregados(QStringLiteral("ULs"));
    for (const QVariantList& fila : c.filas) {
        const std::optional<Aplicacion> a = aplicacion(fila.at(1).toString());
        if (!a) {
            fallo = QStringLiteral("The upper limit of \"%1\" applies to an unknown intake \"%2\"")
                        .arg(fila.at(0).toString(), fila.at(1).toString());
            continue;
        }
        LimiteSuperior l;
        l.aplica = *a;
        bool numero = false;
        const double v = fila.at(2).toDouble(&numero);
        if (!fila.at(2).isNull() && numero)
            l.valor = v;
        const QVariant entregado = entregados.valor(fila.at(3).toLongLong(), columna);
        if (entregado.isValid() && distintoDelEntregado(fila.at(2), entregado)) {
            l.editado = true;
            if (!entregado.isNull())
                l.entregado = entregado.toDouble();
        }
        limites.insert(fila.at(0).toString(), l);
    }
    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("leerLimitesSuperiores() -> ") + fallo);
    return limites;
}

QString columnaComparada(const QString& clave, Aplicacion aplica)
{
    return aplica == Aplicacion::Retinol ? QStringLiteral("Retinol") : clave;
}
