#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// Numbers as a person types and reads them in the language settings: the
// digits of any script ("٣٤١٦" in Arabic, "۳۴۱۶" in Persian, "3416") and the
// language's decimal separator. What is stored and computed is always
// written with ASCII digits and a point. No widgets.
namespace cifras {

// The whole number typed in `texto`: digits alone, at least one, each 0 to 9
// or a digit of `local`'s own script. Gives them as ASCII digits ("٠٧" gives
// "07" in Arabic); none for anything else (blanks, signs, separators).
std::optional<QString> digitos(const QString& texto, const QLocale& local = QLocale());

// A decimal number typed in `local`'s way: digits as `digitos` takes them
// with at most one of `local`'s decimal separators. Gives it with ASCII
// digits and a point ("١٫٥" gives "1.5"); none for anything else.
// With `tambienPunto`, a point is taken for the separator as well (one
// separator in all), as a keypad types it.
std::optional<QString> decimal(const QString& texto, const QLocale& local,
                               bool tambienPunto = false);

// The same number read as a double; none where `decimal` gives none.
std::optional<double> leerDecimal(const QString& texto, const QLocale& local,
                                  bool tambienPunto = false);

// `local` writing numbers without thousands separators.
QLocale sinGrupos(const QLocale& local);

// A whole number in `local`'s digits, without thousands separators.
QString entero(qint64 valor, const QLocale& local);

// `texto` with its ASCII digits written in `local`'s digits (unchanged where
// those are 0 to 9), and the reverse.
QString cifrasLocales(QString texto, const QLocale& local);
QString cifrasAscii(QString texto, const QLocale& local);

// Drops the trailing zeros of a number written by `local` (and the
// separator when no decimal is left): "2,50" gives "2,5", "٢٫٠٠" gives "٢".
QString sinCerosFinales(QString texto, const QLocale& local);

} // namespace cifras
