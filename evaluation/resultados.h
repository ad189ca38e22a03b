#pragma once

#include "evaluation/adecuacion.h"
#include "evaluation/limitessuperiores.h"
#include "evaluation/valoresrecomendados.h"
#include "profiles/perfilactual.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// What the week of one nutrient comes to, shown by its colour.
enum class Veredicto {
    SinJuicio,    // grey: no reference for the group, or no verdict drawn (total sugars)
    Atencion,     // amber: likely inadequate (below the EAR), or outside the range asked for
    AtencionLeve, // light amber: possibly inadequate (from the EAR to below the RDA)
    Correcto,     // green: likely adequate, or inside the range the nutrient asks for
    Exceso,       // red: above the upper limit (or the CDRR), or a share above its ceiling
    NoJuzgable,   // neutral: below an adequate intake, which says nothing of inadequacy
};

// The rule a verdict was reached by, so that its words can say so.
enum class Regla {
    Ninguna,         // neither a reference nor a limit to judge by
    Requerimiento,   // the average requirement and the RDA (with the chance of meeting one's need)
    IngestaAdecuada, // an adequate intake (AI) alone
    Energia,         // energy: 90 to 110 % of the reference
    Intervalo,       // an energy source's share within its acceptable range
    SinIntervalo,    // an energy source, but the group has no acceptable range
    Techo,           // a share of the energy at most the reference
    Limite,          // above the upper limit (or sodium's CDRR)
    // Total sugars: the reference is the guidance for added sugars, which
    // the food table does not hold, so no verdict is drawn.
    AzucaresTotales,
};

// The daily view of one nutrient beside its reference and its upper limit.
struct Juicio
{
    double diaria = 0.0; // the week's total / 7
    // The daily reference as the evaluation used it: for protein the grams
    // per kg times the weight, for the energy sources the percentage of the
    // energy itself (`referenciaEnPorcentaje`). None where the group has none.
    std::optional<double> referencia;
    bool referenciaEnPorcentaje = false;
    // The daily upper limit of the group and the intake it applies to.
    std::optional<double> limite;
    Aplicacion aplica = Aplicacion::Total;
    // The daily intake set against the limit (retinol for vitamin A); none
    // when the limit concerns supplements or the intake cannot be summed.
    std::optional<double> comparada;
    // Energy sources: the share of the week's energy in percent.
    std::optional<double> parteEnergia;
    // The acceptable range of an energy source's share, in percent.
    std::optional<std::pair<double, double>> intervalo;
    // The average requirement of the group (per kg x weight where the
    // reference is), where it has one.
    std::optional<double> requerimiento;
    // The band of the judgement and, for a nutrient with an average
    // requirement, the chance (0-1) that this usual intake meets the
    // person's need; none for iron, whose requirement is skewed.
    adecuacion::Banda banda = adecuacion::Banda::SinReferencia;
    std::optional<double> probabilidad;
    bool sesgado = false;
    Veredicto veredicto = Veredicto::SinJuicio;
    Regla regla = Regla::Ninguna;
    // Where the user changed the group's reference value or upper limit on
    // tab 7: the delivered one, in the terms of `referencia` and `limite`
    // (none where none was delivered).
    bool referenciaEditada = false;
    std::optional<double> referenciaEntregada;
    bool limiteEditado = false;
    std::optional<double> limiteEntregado;
    bool requerimientoEditado = false;
    std::optional<double> requerimientoEntregado;
};

// The foods of the week that have no known value of one nutrient (the food
// table holds none for them: never measured, not a zero).
struct Desconocidos
{
    int alimentos = 0;
    double gramos = 0; // their grams a week
    // The first foods' descriptions and grams a week, most grams first (at
    // most `nombrados` of them).
    QList<QPair<QString, double>> lista;
    static constexpr int nombrados = 5;
};

// The evaluation of a profile's week: every nutrient of the reference table
// summed over the recorded intakes and set against the daily reference value
// of the profile's age and sex group. Numbers only; the results list formats
// them where it shows them.
struct Evaluacion
{
    // The week's total of each nutrient, by nutrient key (0 when the week
    // holds none of it).
    QHash<QString, double> cantidadesIngeridas;
    // The daily intake x 100 / daily reference value, by nutrient key (the
    // "% WRI" shown: the week against seven times the reference). No value
    // when the group has no usable reference value (none determined, or 0):
    // the intake is still shown.
    QHash<QString, std::optional<double>> porcentajesRecomendacion;
    // The week's totals of further columns of `total` summed in the same
    // statement (the retinol that vitamin A's limit is set against).
    QHash<QString, double> otrasCantidades;
    // The verdict of each nutrient, by key (filled by juzgar).
    QHash<QString, Juicio> juicios;
    // The foods of the week without a known value, by nutrient key (only
    // nutrients that have some), and the grams of the whole week.
    QHash<QString, Desconocidos> desconocidos;
    double gramosSemana = 0;
};

// Sums every nutrient over the profile's intakes above 0 g in one statement
// and relates each sum to its reference value. The columns of `total` in
// `otrasColumnas` are summed in the same statement, into `otrasCantidades`.
Evaluacion extraerResultados(const PerfilActual& perfil, const ValoresRecomendados& valores,
                             const QStringList& otrasColumnas = {});

// Replaces the percentages of protein (grams per kg of body weight) and of the
// four energy sources (shares of the energy from protein, fat and
// carbohydrate) whose reference values are not plain amounts.
void calcularGeneral(Evaluacion& evaluacion, const PerfilActual& perfil,
                     const ValoresRecomendados& valores);

// Judges every nutrient of the evaluation: daily amount, reference, average
// requirement and upper limit, and the verdict. The week is taken as the
// person's usual intake.
void juzgar(Evaluacion& evaluacion, const PerfilActual& perfil, const ValoresRecomendados& valores,
            const LimitesSuperiores& limites, const Requerimientos& requerimientos = {});

// Finds, for every nutrient, the foods of the week whose value is unknown.
void contarDesconocidos(Evaluacion& evaluacion, const PerfilActual& perfil,
                        const ValoresRecomendados& valores);

// Whether the foods of unknown value weigh so much of the week (10 % of its
// grams or more) that the nutrient's judgement is only provisional.
bool provisional(const Evaluacion& evaluacion, const QString& clave);

// The whole evaluation of the week: totals, then protein and energy shares,
// then the verdict of every nutrient against its reference and limit.
Evaluacion evaluar(const PerfilActual& perfil, const ValoresRecomendados& valores,
                   const LimitesSuperiores& limites = {},
                   const Requerimientos& requerimientos = {});

// The kilocalories of one gram of an energy source (carbohydrate, sugars,
// fat, saturated fat); 0 for any other nutrient.
double kcalPorGramo(const QString& clave);

// Rounds to two decimals; an exact half, judged on the decimal digits of the
// number (0.125, 0.375), goes to the even neighbour.
double redondearDosDecimales(double valor);
