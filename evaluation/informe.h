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
    enum Origen { Tabla, Propio, Receta }; // a USDA food, an own food, an own recipe

    QString descripcion;
    qint64 gramos = 0; // a week
    Origen origen = Tabla;
};

// The foods of the profile's week (intakes above 0 g), most grams first;
// `fallo` gets the failure's description (the list is then empty).
QList<AlimentoSemana> alimentosSemana(qint64 perfil, QString* fallo);
// Whether the profile's week holds any food; false, with the failure's
// description in `fallo`, when it could not be read.
bool semanaConAlimentos(qint64 perfil, QString* fallo);

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
        Desconocidos desconocidos; // the foods of the week of unknown value
        bool provisional = false;  // they weigh 10 % of the week or more
    };
    QList<Fila> filas;
    QList<AlimentoSemana> alimentos;
};

// The report of the session's evaluation, its rows in the order of `orden`
// (nutrient keys; the reference table's order when empty). `fallo` gets the
// description of a failed read.
Informe prepararInforme(const Sesion& sesion, const QStringList& orden, QString* fallo);

// The judgement in words: the band ("Possibly inadequate"), or the rule of
// energy and its sources ("Within 90 - 110 % of the reference").
QString palabrasJuicio(const Juicio& juicio);
// The judgement as the results list and the report show it: the words, the
// chance of meeting the need, how many foods are of unknown value, and a "?"
// when they make the judgement provisional ("Possibly inadequate, 84 %, 1
// food unknown").
QString textoJuicio(const Juicio& juicio, const Desconocidos& desconocidos, bool provisional);
// What the judgement column sorts by: band by band, from the likely
// inadequate to the nothing to judge by, then by the chance.
double ordenJuicio(const Juicio& juicio);
// The rule that gave the judgement, in a sentence or two (the results
// list's tooltip).
QString explicacionVeredicto(const Juicio& juicio);
// The foods of unknown value behind a judgement, for its tooltip: "1 food of
// unknown value: Fish, salmon, ... 280 g a week", the first five by grams;
// with "provisional" where they weigh 10 % of the week or more. Empty when
// there are none.
QString textoDesconocidos(const Evaluacion& evaluacion, const QString& clave);
// The colour of a verdict, as "#rrggbb" (the results list draws the same).
QString colorVeredicto(Veredicto veredicto);
// The colours of the legend under the results and in the report, each with
// its words, and the line that follows them.
QList<QPair<Veredicto, QString>> muestrasLeyenda();
QString notaLeyenda();
// How much of a verdict bar is filled, 0 to 1: full at 150 % of the
// reference, and full where there is no percentage.
double parteBarra(std::optional<double> porcentaje);

// A verdict's daily reference and upper limit as the reader sees them
// ("56 g", "55 %", "3000 µg retinol", "35 mg, supplements only"): rounded to
// two decimals, in the user's format; empty where there is none.
QString textoReferencia(const Juicio& juicio, const QString& unidad);
QString textoLimite(const Juicio& juicio, const QString& unidad);
// The same of the delivered reference and upper limit of a verdict the user
// changed them for; "none" where none was delivered.
QString textoReferenciaEntregada(const Juicio& juicio, const QString& unidad);
QString textoLimiteEntregado(const Juicio& juicio, const QString& unidad);

// A table of the report as its reader sees it: numbers in the user's format.
struct TablaInforme
{
    QStringList cabecera;
    QList<QStringList> filas;
    QList<bool> numericas;     // the columns of numbers, aligned right
    int columnaVeredicto = -1; // the column drawn with the verdict's bar
};
// Nutrient, unit, intake, % WRI, daily, reference, upper limit, the
// judgement as tab 5 shows it and the foods of unknown value, one row for
// each row of the report; a reference or limit the user changed has an
// asterisk after its number.
TablaInforme tablaResultados(const Informe& informe);
// Food, grams a week, grams a day.
TablaInforme tablaAlimentos(const Informe& informe);

// Where the week's energy comes from, in percent of it: protein,
// carbohydrate and fat make 100; sugars are part of the carbohydrate and the
// saturated fat part of the fat.
struct ReparticionEnergia
{
    double proteina = 0.0;
    double hidratos = 0.0;
    double grasa = 0.0;
    std::optional<double> azucares;
    std::optional<double> saturadas;
};
// None when the week gives no energy from carbohydrate and fat (or the
// report has no rows for them).
std::optional<ReparticionEnergia> reparticionEnergia(const Informe& informe);

// The pieces of the report in HTML (inline styles only), shared by the HTML
// file and the printed pages.
QString htmlEncabezado(const Informe& informe); // title, date and the profile
QString htmlApartado(const QString& titulo);    // a section's heading
QString htmlLeyenda();                          // what the bar colours mean
QString htmlMuestras(); // the colours of the legend with their words, on one line
QString htmlNotaEnergia(const Informe& informe); // the shares and their references
QString htmlPie();                               // sources; not medical advice
// What the asterisk and the question mark of the results mean; empty when
// no row has either.
QString htmlNotasResultados(const Informe& informe);

// The report as a standalone XHTML document. `grafico`, when given, is the
// energy chart as a data URI of an image.
QString htmlInforme(const Informe& informe, const QString& grafico = QString());

// The results and the foods as CSV: UTF-8 with a byte order mark, CRLF line
// ends, quoted where a field needs it, numbers with a point, a text that
// would start a formula behind an apostrophe; the results end with the
// column "Edited", which of reference and upper limit the user changed.
// `csvUnico` puts both in one file, each under a line with its title, a
// blank line between.
QByteArray csvResultados(const Informe& informe);
QByteArray csvAlimentos(const Informe& informe);
QByteArray csvUnico(const Informe& informe);

// Writes `contenido` to a temporary file beside `ruta`, on the disk before
// it is renamed over `ruta`; false, with the reason in `fallo` and no file
// left, when it could not.
bool escribirArchivo(const QString& ruta, const QByteArray& contenido, QString* fallo);
