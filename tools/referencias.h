#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QSqlQuery;

// The reference values (rows of `DRIs`) as kept in the project's data file.
namespace construccion {

// Splits CSV text into records: fields separated by commas, optionally
// quoted with double quotes (a doubled quote inside stands for one), records
// separated by LF or CRLF. Text is UTF-8. Blank lines are skipped. Returns
// false and sets `error` on an unterminated quote or text after a closing quote.
bool leerCsv(const QByteArray& texto, QList<QStringList>* registros, QString* error);

// Reads a CSV table whose first record must be `cabecera`: every further
// record, with as many fields, goes to `fila` with where it stands ("file,
// line N", for messages); reading stops at the first record `fila` refuses
// (it sets `error`). Returns false on unreadable text, a wrong header or a
// record of another length, with `error` naming the place.
bool leerTabla(const QByteArray& texto, const QString& origen, const QStringList& cabecera,
               const std::function<bool(const QStringList& campos, const QString& donde)>& fila,
               QString* error);

// The sixteen age/sex group columns of `DRIs`, in order.
const QStringList& columnasGrupos();

struct FilaReferencia
{
    QString clave;
    QString nombre;
    QString unidad;
    int orden = 0;
    QString icono;
    QList<std::optional<double>> valores; // sixteen; empty cell = no value
};

// Reads the reference table: a header naming key, name, unit, sorting, icon
// and the sixteen group columns, then one row per nutrient. Rows come back in
// `sorting` order. Returns false and sets `error` (with the line) on a wrong
// header, a short row, a repeated key or sorting, or a value that is not a number.
bool leerReferencias(const QByteArray& texto, const QString& origen, QList<FilaReferencia>* filas,
                     QString* error);

// Reads the average requirements (EAR): a header naming key, name and unit
// and the sixteen group columns, then one row per nutrient that has an EAR
// anywhere. Each key must be one of `referencias`, whose sorting and icon the
// row takes, and each EAR must lie at or below that row's reference value (an
// RDA) of the group. Rows come back in `sorting` order.
bool leerRequerimientos(const QByteArray& texto, const QString& origen,
                        const QList<FilaReferencia>& referencias, QList<FilaReferencia>* filas,
                        QString* error);

// Binds a row's key, name, unit, sorting, icon and sixteen values, in that
// order, to the next placeholders of `q` (an empty value as a null number).
void enlazarReferencia(QSqlQuery& q, const FilaReferencia& fila);

} // namespace construccion
