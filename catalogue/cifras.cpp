#include "catalogue/cifras.h"

namespace cifras {

namespace {

// The ASCII digit that a character stands for, when it is one of 0 to 9 or
// a digit of `local`'s script; none otherwise.
std::optional<QChar> ascii(QChar c, const QLocale& local)
{
    const int valor = c.digitValue();
    if (valor < 0 || valor > 9 || c.category() != QChar::Number_DecimalDigit)
        return std::nullopt;
    const QString cero = local.zeroDigit();
    const bool propio = cero.size() == 1 && c.unicode() - valor == cero.at(0).unicode();
    if (c.unicode() >= 0x80 && !propio)
        return std::nullopt;
    return QChar(QLatin1Char(char('0' + valor)));
}

} // namespace

std::optional<QString> digitos(const QString& texto, const QLocale& local)
{
    if (texto.isEmpty())
        return std::nullopt;
    QString normal;
    normal.reserve(texto.size());
    for (const QChar c : texto) {
        const std::optional<QChar> d = ascii(c, local);
        if (!d)
            return std::nullopt;
        normal += *d;
    }
    return normal;
}

std::optional<QString> decimal(const QString& texto, const QLocale& local, bool tambienPunto)
{
    const QString separador = local.decimalPoint();
    QString normal;
    bool conSeparador = false;
    int cifras = 0;
    for (int i = 0; i < texto.size(); ++i) {
        if (const std::optional<QChar> d = ascii(texto.at(i), local)) {
            normal += *d;
            ++cifras;
        } else if (!conSeparador && !separador.isEmpty() &&
                   QStringView(texto).mid(i, separador.size()) == separador) {
            normal += QLatin1Char('.');
            conSeparador = true;
            i += int(separador.size()) - 1;
        } else if (!conSeparador && tambienPunto && texto.at(i) == QLatin1Char('.')) {
            normal += QLatin1Char('.');
            conSeparador = true;
        } else {
            return std::nullopt;
        }
    }
    if (cifras == 0)
        return std::nullopt;
    return normal;
}

std::optional<double> leerDecimal(const QString& texto, const QLocale& local, bool tambienPunto)
{
    const std::optional<QString> normal = decimal(texto, local, tambienPunto);
    if (!normal)
        return std::nullopt;
    bool ok = false;
    const double valor = normal->toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return valor;
}

QLocale sinGrupos(const QLocale& local)
{
    QLocale l = local;
    l.setNumberOptions(local.numberOptions() | QLocale::OmitGroupSeparator);
    return l;
}

QString entero(qint64 valor, const QLocale& local)
{
    return sinGrupos(local).toString(valor);
}

QString cifrasLocales(QString texto, const QLocale& local)
{
    const QString cero = local.zeroDigit();
    if (cero.size() != 1 || cero == QLatin1String("0"))
        return texto;
    for (QChar& c : texto)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            c = QChar(cero.at(0).unicode() + (c.unicode() - '0'));
    return texto;
}

QString cifrasAscii(QString texto, const QLocale& local)
{
    const QString cero = local.zeroDigit();
    if (cero.size() != 1 || cero == QLatin1String("0"))
        return texto;
    const char16_t base = cero.at(0).unicode();
    for (QChar& c : texto)
        if (c.unicode() >= base && c.unicode() <= base + 9)
            c = QLatin1Char(char('0' + (c.unicode() - base)));
    return texto;
}

QString sinCerosFinales(QString texto, const QLocale& local)
{
    const QString separador = local.decimalPoint();
    if (!texto.contains(separador))
        return texto;
    const QString cero = local.zeroDigit();
    while (texto.endsWith(cero))
        texto.chop(cero.size());
    if (texto.endsWith(separador))
        texto.chop(separador.size());
    return texto;
}

} // namespace cifras
