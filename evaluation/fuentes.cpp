#include "evaluation/fuentes.h"

#include "storage/basedatos.h"

QList<FuenteNutriente> fuentesNutriente(const PerfilActual& perfil, const QString& clave,
                                        double factor, QString* fallo)
{
    QList<FuenteNutriente> fuentes;
    fallo->clear();
    const QString columna = almacen::identificador(clave);
    if (columna.isEmpty()) {
        *fallo = QStringLiteral("The nutrient key \"%1\" is not a column name").arg(clave);
        return fuentes;
    }
    if (!perfil.idPerfil.tieneValor()) {
        *fallo = QStringLiteral("There is no current profile");
        return fuentes;
    }
    // The products are those the week's totals sum.
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select t.id, t.description, s.intake, t.%1 * s.intake / 100.0 as cant "
                       "from total t inner join saves s on t.id=s.food_id where s.intake>0 and "
                       "prof_id=? and (t.%1 is null or t.%1 <> 0) "
                       "order by cant is null, cant desc, t.description")
            .arg(columna),
        {perfil.idPerfil.entero()});
    if (!c.ok) {
        *fallo = c.entradaLog(QString());
        return fuentes;
    }
    fuentes.reserve(c.filas.size());
    for (const QVariantList& f : c.filas) {
        FuenteNutriente fuente;
        fuente.alimento = f.at(0).toLongLong();
        fuente.descripcion = f.at(1).toString();
        fuente.gramos = f.at(2).toLongLong();
        if (!f.at(3).isNull())
            fuente.cantidad = f.at(3).toDouble() * factor;
        fuentes << fuente;
    }
    return fuentes;
}
