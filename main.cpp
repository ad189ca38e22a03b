#include "windows/main/ventanaprincipal.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Alimetra"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));

    iniciarPrograma();
    return app.exec();
}
