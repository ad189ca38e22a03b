#pragma once

#include <QString>

#include <optional>

// How the DRI reports judge one person's usual intake of a nutrient against
// the average requirement (EAR), the recommended allowance (RDA) or the
// adequate intake (AI) of the person's group, and the upper limit. The week
// is taken as the person's usual intake; every amount here is a daily one,
// in the unit of the reference (already multiplied by the weight where the
// reference is per kilogram).
namespace adecuacion {

enum class Banda {
    SobreLimite,             // above the upper limit
    SobreCdrr,               // sodium above its chronic disease risk reduction intake
    ProbablementeInadecuada, // below the EAR
    PosiblementeInadecuada,  // from the EAR to below the RDA
    ProbablementeAdecuada,   // at or above the RDA, or the AI
    NoJuzgable,              // below an AI: adequacy cannot be determined
    SinReferencia,           // the group has no value to judge by
};

// What the upper limit of a nutrient is compared with.
enum class Limite {
    Ninguno,
    Total,       // the day's total of the nutrient
    Retinol,     // preformed vitamin A only (`retinol` of Entrada)
    Suplementos, // supplements and fortified foods only: never food
    Cdrr,        // sodium: the total, against the CDRR
};

struct Entrada
{
    double diario = 0;
    std::optional<double> ear;
    std::optional<double> referencia; // the RDA where an EAR is given, else an AI
    std::optional<double> limite;
    Limite aplica = Limite::Ninguno;
    double retinol = 0;   // the day's preformed vitamin A, for Limite::Retinol
    bool sesgado = false; // a skewed requirement (iron): the band only, no chance
};

struct Juicio
{
    Banda banda = Banda::SinReferencia;
    // The chance that this usual intake meets the person's requirement
    // (0-1), where an EAR gives it.
    std::optional<double> probabilidad;
};

Juicio juzgar(const Entrada& e);

// The standard normal distribution function.
double phi(double z);

// The chance as a person reads it: a whole percentage, "<1 %" and ">99 %"
// at the ends.
QString textoProbabilidad(double probabilidad);

// The band in words ("Likely inadequate", "Above the upper limit", ...).
QString palabras(Banda banda);

} // namespace adecuacion
