#pragma once

#include "evaluation/resultados.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Sesion;

// One food of the profile's week.
struct AlimentoSemana
{
    QString descripcion;
    qint64 gramos = 0; // a week
};

// The foods of the profile's week (intakes above 0 g), most grams first;
// `fallo` gets the failure's description (the list is then empty).
QList<AlimentoSemana> alimentosSemana(qint64 perfil, QString* fallo);

// What the report of a week shows, gathered from the session's evaluation.
struct Informe
{
    QString fecha; // today, in the user's format
    QString nombre;
    QString grupoEdad;
    QString sexo;
    qint64 peso = 0;

    struct Fila
    {
        QString clave;
        QString nombre;
        QString unidad;
        double semana = 0.0;              // the week's total
        std::optional<double> porcentaje; // "% WRI"
        Juicio juicio;
    };
    QList<Fila> filas;
    QList<AlimentoSemana> alimentos;
};

// The report of the session's evaluation, its rows in the order of `orden`
// (nutrient keys; the reference table's order when empty). `fallo` gets the
// description of a failed read.
Informe prepararInforme(const Sesion& sesion, const QStringList& orden, QString* fallo);

// The colour of a verdict, as "#rrggbb" (the results list draws the same).
QString colorVeredicto(Veredicto veredicto);

// The report as a standalone XHTML document (inline styles only).
QString htmlInforme(const Informe& informe);

// The results and the foods as CSV: UTF-8 with a byte order mark, CRLF line
// ends, quoted where a field needs it, numbers with a point.
QByteArray csvResultados(const Informe& informe);
QByteArray csvAlimentos(const Informe& informe);

// Writes `contenido` to a temporary file beside `ruta` and renames it over
// `ruta` at the end; false, with the reason in `fallo`, when it could not.
bool escribirArchivo(const QString& ruta, const QByteArray& contenido, QString* fallo);
