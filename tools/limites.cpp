#include "limites.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace construccion {

QString aplicacionLimite(const QString& clave)
{
    // The limit of vitamin A covers preformed vitamin A only; those of
    // magnesium, niacin, folate and vitamin E concern supplements and
    // fortified foods; sodium's row holds the intake above which to reduce
    // it. Every other limit applies to the total intake.
    if (clave == QLatin1String("Vitamin_A_RAE"))
        return QStringLiteral("retinol");
    if (clave == QLatin1String("Magnesium_Mg") || clave == QLatin1String("Niacin") ||
        clave == QLatin1String("Folate_total") ||
        clave == QLatin1String("Vitamin_E_alpha_tocopherol"))
        return QStringLiteral("supplements");
    if (clave == QLatin1String("Sodium_Na"))
        return QStringLiteral("cdrr");
    return QStringLiteral("total");
}

bool leerLimites(const QByteArray& texto, const QString& origen, QList<FilaLimite>* filas,
                 QString* error)
{
    filas->clear();
    QList<FilaReferencia> leidas;
    if (!leerReferencias(texto, origen, &leidas, error))
        return false;
    for (const FilaReferencia& f : std::as_const(leidas))
        filas->append({f, aplicacionLimite(f.clave)});
    return true;
}

bool escribirLimites(QSqlDatabase base, const QList<FilaLimite>& filas, QString* error)
{
    QStringList definicion = {
        QStringLiteral("id INTEGER PRIMARY KEY"), QStringLiteral("\"key\" TEXT NOT NULL"),
        QStringLiteral("\"name\" TEXT"),          QStringLiteral("unit TEXT"),
        QStringLiteral("sorting INTEGER"),        QStringLiteral("icon TEXT")};
    for (const QString& g : columnasGrupos())
        definicion << g + QStringLiteral(" REAL");
    definicion << QStringLiteral("applies TEXT NOT NULL CHECK (applies IN ('total', 'retinol', "
                                 "'supplements', 'cdrr'))");
    QStringList columnas = {QStringLiteral("\"key\""), QStringLiteral("\"name\""),
                            QStringLiteral("unit"), QStringLiteral("sorting"),
                            QStringLiteral("icon")};
    columnas += columnasGrupos();
    columnas << QStringLiteral("applies");

    const QString crear =
        QStringLiteral("CREATE TABLE ULs (%1)").arg(definicion.join(QStringLiteral(", ")));
    const QString insertar =
        QStringLiteral("INSERT INTO ULs (%1) VALUES (%2)")
            .arg(columnas.join(QStringLiteral(", ")),
                 QStringList(columnas.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
    QSqlQuery q(base);
    const auto fallo = [&](const QString& sentencia) {
        *error = QStringLiteral("the database refused \"%1\": %2")
                     .arg(sentencia.left(200), q.lastError().text());
        return false;
    };
    if (!q.exec(crear))
        return fallo(crear);
    if (!q.prepare(insertar))
        return fallo(insertar);
    for (const FilaLimite& l : filas) {
        enlazarReferencia(q, l.fila);
        q.addBindValue(l.aplica);
        if (!q.exec())
            return fallo(insertar);
    }
    return true;
}

} // namespace construccion
