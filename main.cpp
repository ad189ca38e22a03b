#include "windows/main/ventanaprincipal.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstring>

namespace {

// The parser prints --help and --version and exits; the options are those
// that QCommandLineParser adds with addHelpOption and addVersionOption.
bool pideSoloTexto(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char* opcion : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], opcion) == 0)
                return true;
    return false;
}

void leerOpciones(const QCoreApplication& app)
{
    QCommandLineParser opciones;
    opciones.setApplicationDescription(
        QStringLiteral("Assesses a diet against the dietary reference intakes. Works on sr18.mdb\n"
                       "in the working directory and logs failures to errors.log there."));
    opciones.addHelpOption();
    opciones.addVersionOption();
    opciones.process(app);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("Alimetra"));
    QCoreApplication::setApplicationName(QStringLiteral("Alimetra"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1"));

    // Answered without a window, so that they work where no display is.
    if (pideSoloTexto(argc, argv)) {
        QCoreApplication app(argc, argv);
        leerOpciones(app);
        return 0;
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.alimetra.Alimetra"));
    leerOpciones(app);

    iniciarPrograma();
    return app.exec();
}
