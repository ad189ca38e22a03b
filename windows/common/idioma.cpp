#include "windows/common/idioma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool instalarTraducciones(QCoreApplication& programa, const QLocale& idioma)
{
    auto* propia = new QTranslator(&programa);
    if (!propia->load(idioma, QStringLiteral("alimetra"), QStringLiteral("_"),
                      QStringLiteral(":/i18n"))) {
        delete propia;
        return false;
    }
    QCoreApplication::installTranslator(propia);
    auto* deQt = new QTranslator(&programa);
    if (deQt->load(idioma, QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(deQt);
    else
        delete deQt;
    return true;
}
