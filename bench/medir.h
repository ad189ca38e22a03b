#pragma once

// Small helpers shared by the benchmark programs: each program times a few
// user actions on a copy of the delivered database and prints, per action,
// the minimum, median and maximum of several runs.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

// Copies the delivered database (first argument, or $ALIMETRA_DB, or
// build/sr18.mdb) into a fresh working directory and makes it current.
// Returns false, with a message, when there is none.
inline bool prepararBase(QTemporaryDir& dir, const QStringList& argumentos)
{
    QString origen = argumentos.size() > 1 ? argumentos.at(1) : qEnvironmentVariable("ALIMETRA_DB");
    if (origen.isEmpty())
        origen = QStringLiteral("sr18.mdb");
    if (!QFileInfo::exists(origen)) {
        std::fprintf(stderr, "No database at %s; give its path as the first argument.\n",
                     qPrintable(origen));
        return false;
    }
    const QString absoluto = QFileInfo(origen).absoluteFilePath();
    if (!dir.isValid() || !QFile::copy(absoluto, dir.filePath(QStringLiteral("sr18.mdb"))))
        return false;
    QDir::setCurrent(dir.path());
    return true;
}

// Runs `accion` `veces` times (after `preparar`, untimed, before each run)
// and prints min / median / max in milliseconds.
inline void medir(const char* nombre, int veces, const std::function<void()>& accion,
                  const std::function<void()>& preparar = {})
{
    std::vector<double> ms;
    for (int i = 0; i < veces; ++i) {
        if (preparar)
            preparar();
        QElapsedTimer reloj;
        reloj.start();
        accion();
        ms.push_back(reloj.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-48s min %8.2f ms   median %8.2f ms   max %8.2f ms   (%d runs)\n", nombre,
                ms.front(), ms[ms.size() / 2], ms.back(), veces);
    std::fflush(stdout);
}

// Resident memory of this process in megabytes (Linux); with `campo`
// "VmHWM:", the highest since the start or since reiniciarPico().
inline double memoriaResidenteMB(const char* campo = "VmRSS:")
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QStringList lineas = QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'));
    for (const QString& l : lineas)
        if (l.startsWith(QLatin1String(campo)))
            return l.section(QLatin1Char(':'), 1)
                       .trimmed()
                       .section(QLatin1Char(' '), 0, 0)
                       .toDouble() /
                   1024.0;
    return 0;
}

// Starts the count of the highest resident memory afresh (Linux).
inline void reiniciarPico()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

} // namespace bench
