#include "catalogue/catalogo.h"

namespace catalogo {

namespace {

// The text without the blanks at either end (other white space is kept, as
// it may be part of a term).
QString sinBlancosExtremos(const QString& texto)
{
    int inicio = 0;
    int fin = texto.size();
    while (inicio < fin && texto.at(inicio) == QLatin1Char(' '))
        ++inicio;
    while (fin > inicio && texto.at(fin - 1) == QLatin1Char(' '))
        --fin;
    return texto.mid(inicio, fin - inicio);
}

// Foods kept only for old intakes (an upgrade carried them over although the
// food table no longer has them) are not offered any more.
QString sinRetirados(const QString& alias)
{
    if (!almacen::hayTabla(QStringLiteral("withdrawn")))
        return QString();
    return QStringLiteral(" and %1id not in (select id from withdrawn)").arg(alias);
}

} // namespace

Busqueda terminos(const QString& texto)
{
    Busqueda b;
    const QString limpio = sinBlancosExtremos(texto);
    if (limpio.isEmpty())
        return b;
    QStringList condiciones;
    for (const QString& termino : limpio.split(QLatin1Char(' '))) {
        condiciones << QStringLiteral(" f.description like ?");
        b.patrones << QString(QLatin1Char('%') + termino + QLatin1Char('%'));
    }
    b.condicion = condiciones.join(QStringLiteral(" and"));
    return b;
}

almacen::Consulta grupos(const Busqueda& busqueda)
{
    return almacen::consultar(
        QStringLiteral("select g.id, g.name from groups g inner join total f on g.id = "
                       "f.group_id where ") +
            busqueda.condicion + sinRetirados(QStringLiteral("f.")) +
            QStringLiteral(" group by g.name, g.id order by g.name"),
        busqueda.patrones);
}

almacen::Consulta alimentos(const QString& grupo, const Busqueda& busqueda)
{
    QVariantList valores{grupo};
    valores += busqueda.patrones;
    return almacen::consultar(
        QStringLiteral("select id, description from total as f where group_id=? and ") +
            busqueda.condicion + sinRetirados(QStringLiteral("f.")) +
            QStringLiteral(" order by description collate nocase"),
        valores);
}

almacen::Consulta todosLosGrupos()
{
    return almacen::consultar(QStringLiteral("select * from groups order by name"));
}

almacen::Consulta listadoOrdenado(const QString& columna, const QString& grupo)
{
    QString sentencia = QStringLiteral("select id, description, ") + columna +
                        QStringLiteral(" from total where ") + columna + QStringLiteral(" > 0 ") +
                        sinRetirados(QString());
    QVariantList valores;
    if (!grupo.isEmpty()) {
        sentencia += QStringLiteral(" and group_id=?");
        valores << grupo;
    }
    sentencia += QStringLiteral(" order by ") + columna + QStringLiteral(" desc");
    return almacen::consultar(sentencia, valores);
}

almacen::Consulta nutrientes(const QStringList& columnas, qint64 alimento)
{
    return almacen::consultar(QStringLiteral("select ") + columnas.join(QStringLiteral(", ")) +
                                  QStringLiteral(" from total where id=?"),
                              {alimento});
}

bool escribirCantidad(qint64 gramos, qint64 alimento, qint64 perfil, QString* fallo)
{
    return almacen::enTransaccion(
        [&] {
            return almacen::ejecutarSQL(
                       QStringLiteral("update saves set intake=? where food_id=? and prof_id=?"),
                       {gramos, alimento, perfil}) > 0 ||
                   almacen::ejecutarSQL(
                       QStringLiteral(
                           "insert into saves(food_id, prof_id, intake) values (?, ?, ?)"),
                       {alimento, perfil, gramos}) > 0;
        },
        fallo);
}

} // namespace catalogo
