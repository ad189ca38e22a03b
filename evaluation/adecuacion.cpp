#include "evaluation/adecuacion.h"

#include <QCoreApplication>

#include <cmath>

namespace adecuacion {

double phi(double z)
{
    return 0.5 * std::erfc(-z / std::sqrt(2.0));
}

Juicio juzgar(const Entrada& e)
{
    Juicio j;
    if (e.limite && e.comparada && *e.comparada > *e.limite) {
        j.banda = e.cdrr ? Banda::SobreCdrr : Banda::SobreLimite;
        return j;
    }
    if (e.ear && e.referencia) {
        const double ear = *e.ear;
        const double rda = *e.referencia;
        if (e.diario < ear)
            j.banda = Banda::ProbablementeInadecuada;
        else if (e.diario < rda)
            j.banda = Banda::PosiblementeInadecuada;
        else
            j.banda = Banda::ProbablementeAdecuada;
        // The RDA lies two standard deviations above the EAR; an RDA edited
        // to the EAR or below it leaves the usual 10 % variation.
        const double sd = rda > ear ? (rda - ear) / 2 : 0.1 * ear;
        if (!e.sesgado && sd > 0)
            j.probabilidad = phi((e.diario - ear) / sd);
        return j;
    }
    if (e.referencia && *e.referencia > 0) {
        j.banda = e.diario >= *e.referencia ? Banda::ProbablementeAdecuada : Banda::NoJuzgable;
        return j;
    }
    j.banda = Banda::SinReferencia;
    return j;
}

QString textoProbabilidad(double probabilidad)
{
    const double por100 = probabilidad * 100;
    if (por100 < 1)
        return QStringLiteral("<1 %");
    if (por100 > 99)
        return QStringLiteral(">99 %");
    return QStringLiteral("%1 %").arg(qRound(por100));
}

namespace {

const char* fuentePalabras(Banda banda)
{
    switch (banda) {
    case Banda::SobreLimite:
        return QT_TRANSLATE_NOOP("adecuacion", "Above the upper limit");
    case Banda::SobreCdrr:
        return QT_TRANSLATE_NOOP("adecuacion", "Above the CDRR: reduce");
    case Banda::ProbablementeInadecuada:
        return QT_TRANSLATE_NOOP("adecuacion", "Likely inadequate");
    case Banda::PosiblementeInadecuada:
        return QT_TRANSLATE_NOOP("adecuacion", "Possibly inadequate");
    case Banda::ProbablementeAdecuada:
        return QT_TRANSLATE_NOOP("adecuacion", "Likely adequate");
    case Banda::NoJuzgable:
        return QT_TRANSLATE_NOOP("adecuacion", "Cannot be judged: below the adequate intake");
    case Banda::SinReferencia:
        break;
    }
    return QT_TRANSLATE_NOOP("adecuacion", "No reference for this group");
}

} // namespace

QString palabras(Banda banda)
{
    return QCoreApplication::translate("adecuacion", fuentePalabras(banda));
}

QString palabrasFuente(Banda banda)
{
    return QString::fromLatin1(fuentePalabras(banda));
}

} // namespace adecuacion
