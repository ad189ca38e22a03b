#pragma once

#include "referencias.h"

#include <QByteArray>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// The upper limits (rows of `ULs`): the layout of the reference values, and
// for each nutrient the intake its limit applies to.
namespace construccion {

struct FilaLimite
{
    FilaReferencia fila;
    // "total": the week's total of the row's own nutrient; "retinol": the
    // total of the `Retinol` column (preformed vitamin A only); "supplements":
    // the limit concerns supplements and fortified foods only, never food;
    // "cdrr": the total, against a chronic disease risk reduction intake.
    QString aplica;
};

// The intake the upper limit of a nutrient applies to.
QString aplicacionLimite(const QString& clave);

// Reads the upper limits, laid out as the reference values (see
// leerReferencias), and gives each row its `applies`. Rows come back in
// `sorting` order.
bool leerLimites(const QByteArray& texto, const QString& origen, QList<FilaLimite>* filas,
                 QString* error);

// Creates table `ULs` (the columns of `DRIs` and `applies`) and writes the
// rows, inside the caller's transaction.
bool escribirLimites(QSqlDatabase base, const QList<FilaLimite>& filas, QString* error);

} // namespace construccion
