#include "storage/esquema.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <QVariant>

namespace almacen {

namespace {

const QStringList referenciasEditables = {QStringLiteral("DRIs"), QStringLiteral("ULs"),
                                          QStringLiteral("EARs")};

} // namespace

QStringList definicionesPropias()
{
    return {QStringLiteral("CREATE TABLE own_foods (id INTEGER PRIMARY KEY, kind INTEGER NOT NULL "
                           "DEFAULT 0 CHECK (kind IN (0, 1)), cooked_weight REAL, servings "
                           "INTEGER)"),
            QStringLiteral("CREATE TABLE own_ingredients (id INTEGER PRIMARY KEY, recipe_id "
                           "INTEGER NOT NULL, seq INTEGER NOT NULL, food_id INTEGER NOT NULL, "
                           "grams REAL NOT NULL, measure TEXT)"),
            QStringLiteral("CREATE INDEX own_ingredients_food ON own_ingredients (food_id)"),
            QStringLiteral("CREATE INDEX own_ingredients_recipe ON own_ingredients (recipe_id, "
                           "seq)"),
            QStringLiteral("CREATE TABLE own_unknown (food_id INTEGER NOT NULL, nutrient TEXT NOT "
                           "NULL, ingredients INTEGER NOT NULL, PRIMARY KEY (food_id, nutrient))"),
            QStringLiteral("INSERT INTO \"groups\" (id, \"name\") VALUES ('%1', '%2')")
                .arg(grupoPropio, nombreGrupoPropio)};
}

bool esTabla(const QSqlDatabase& db, const QString& nombre)
{
    QSqlQuery tipo(db);
    tipo.prepare(QStringLiteral("select type from sqlite_master where name=? collate nocase"));
    tipo.addBindValue(nombre);
    return tipo.exec() && tipo.next() && tipo.value(0).toString() == QLatin1String("table");
}

QStringList tablasEntregadas()
{
    return {QStringLiteral("total"),
            QStringLiteral("groups"),
            QStringLiteral("measures"),
            copiaEntregada(QStringLiteral("DRIs")),
            copiaEntregada(QStringLiteral("ULs")),
            copiaEntregada(QStringLiteral("EARs"))};
}

QString copiaEntregada(const QString& tabla)
{
    return tabla + QStringLiteral("_delivered");
}

QString huellaContenido(const QSqlDatabase& db)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (const QString& tabla : tablasEntregadas()) {
        if (!esTabla(db, tabla))
            return QString();
        QSqlQuery q(db);
        q.setForwardOnly(true);
        // The names come from the list above, never from the file.
        if (!q.exec(QStringLiteral("select * from \"%1\" order by rowid").arg(tabla)))
            return QString();
        h.addData(tabla.toUtf8() + '\n');
        const int columnas = q.record().count();
        while (q.next()) {
            for (int i = 0; i < columnas; ++i) {
                const QVariant v = q.value(i);
                QByteArray celda;
                if (v.isNull())
                    celda = "n";
                else if (v.typeId() == QMetaType::Double)
                    celda = 'r' + QByteArray::number(v.toDouble(), 'g', 17);
                else if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int)
                    celda = 'i' + QByteArray::number(v.toLongLong());
                else
                    celda = 't' + v.toString().toUtf8();
                h.addData(QByteArray::number(celda.size()) + ':' + celda);
            }
            h.addData("\n");
        }
    }
    return QString::fromLatin1(h.result().toHex());
}

bool sellarEntregada(const QSqlDatabase& db, const QString& alimentos, const QString& referencias,
                     QString* fallo)
{
    QSqlQuery q(db);
    const auto ejecutar = [&q, fallo](const QString& sentencia) {
        if (q.exec(sentencia))
            return true;
        *fallo = QStringLiteral("the database refused \"%1\": %2")
                     .arg(sentencia.left(200), q.lastError().text());
        return false;
    };
    if (!ejecutar(QStringLiteral("BEGIN")))
        return false;
    for (const QString& tabla : referenciasEditables) {
        // The copy has the same columns and constraints as the table.
        if (!q.exec(QStringLiteral("select sql from sqlite_master where type='table' and name='%1'")
                        .arg(tabla)) ||
            !q.next()) {
            *fallo = QStringLiteral("the database has no table %1").arg(tabla);
            return false;
        }
        QString definicion = q.value(0).toString();
        definicion.replace(QStringLiteral("CREATE TABLE %1 ").arg(tabla),
                           QStringLiteral("CREATE TABLE %1 ").arg(copiaEntregada(tabla)));
        if (!definicion.startsWith(QStringLiteral("CREATE TABLE %1 ").arg(copiaEntregada(tabla)))) {
            *fallo = QStringLiteral("unexpected definition of table %1").arg(tabla);
            return false;
        }
        if (!ejecutar(definicion) ||
            !ejecutar(QStringLiteral("INSERT INTO %1 SELECT * FROM %2 ORDER BY id")
                          .arg(copiaEntregada(tabla), tabla)))
            return false;
    }
    if (!ejecutar(QStringLiteral("CREATE TABLE about (\"key\" TEXT PRIMARY KEY, value TEXT)")))
        return false;
    const QString huella = huellaContenido(db);
    const QList<QPair<QString, QString>> filas = {{QStringLiteral("food_table"), alimentos},
                                                  {QStringLiteral("reference_values"), referencias},
                                                  {QStringLiteral("content_hash"), huella}};
    for (const auto& [clave, valor] : filas) {
        q.prepare(QStringLiteral("INSERT INTO about (\"key\", value) VALUES (?, ?)"));
        q.addBindValue(clave);
        q.addBindValue(valor);
        if (!q.exec()) {
            *fallo = q.lastError().text();
            return false;
        }
    }
    return ejecutar(QStringLiteral("PRAGMA user_version = %1").arg(versionBase)) &&
           ejecutar(QStringLiteral("COMMIT"));
}

InfoBase leerInfoBase(const QSqlDatabase& db)
{
    InfoBase info;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("pragma user_version")) || !q.next())
        return info;
    info.legible = true;
    info.version = q.value(0).toInt();
    if (!esTabla(db, QStringLiteral("about")))
        return info;
    if (q.exec(QStringLiteral("select \"key\", value from about")))
        while (q.next()) {
            const QString clave = q.value(0).toString();
            if (clave == QLatin1String("food_table"))
                info.alimentos = q.value(1).toString();
            else if (clave == QLatin1String("reference_values"))
                info.referencias = q.value(1).toString();
            else if (clave == QLatin1String("content_hash"))
                info.huella = q.value(1).toString();
        }
    return info;
}

QStringList lineasAcerca(const QString& version, const QString& carpeta, const InfoBase& info)
{
    QStringList lineas = {QStringLiteral("Alimetra %1").arg(version),
                          QCoreApplication::translate("almacen", "Data folder: %1").arg(carpeta)};
    if (!info.legible)
        lineas << QCoreApplication::translate("almacen",
                                              "Food table: no database in the data folder yet");
    else if (info.version < 1)
        lineas << QCoreApplication::translate(
            "almacen", "Food table: from an earlier release (database version 0)");
    else
        lineas
            << QCoreApplication::translate("almacen", "Food table: %1 (database version %2)")
                   .arg(info.alimentos)
                   .arg(info.version)
            << QCoreApplication::translate("almacen", "Reference values: %1").arg(info.referencias);
    return lineas;
}

InfoBase leerInfoBase(const QString& ruta)
{
    const QString nombre = QStringLiteral("alimetra-info-") + QUuid::createUuid().toString();
    InfoBase info;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre);
        db.setDatabaseName(ruta);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open())
            info = leerInfoBase(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(nombre);
    return info;
}

} // namespace almacen
