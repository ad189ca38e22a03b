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

struct Entrada
{
    double diario = 0;
    std::optional<double> ear;
    std::optional<double> referencia; // the RDA where an EAR is given, else an AI
    std::optional<double> limite;
    // The day's intake set against the limit: the nutrient's own, or
    // preformed vitamin A for vitamin A's; none for a limit that concerns
    // supplements only, which food never exceeds.
    std::optional<double> comparada;
    bool cdrr = false;    // the limit is sodium's CDRR: above it, reduce
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

// The band in words ("Likely inadequate", "Above the upper limit", ...), in
// the user's language; `palabrasFuente` gives them untranslated, as the CSV
// files keep them.
QString palabras(Banda banda);
QString palabrasFuente(Banda banda);

} // namespace adecuacion
