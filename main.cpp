#include "windows/common/mensajes.h"
#include "windows/main/unainstancia.h"
#include "windows/main/ventanaprincipal.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

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

    // A second start on the same data folder brings the first to the front
    // and ends, never opening the database.
    UnaInstancia instancia(QDir::currentPath());
    if (!instancia.primera()) {
        if (instancia.avisarALaPrimera(app.arguments().mid(1)))
            return 0;
        mensajes::avisar(nullptr,
                         QStringLiteral("Alimetra is already running on the data in %1, but it "
                                        "does not answer. Close it and start again.")
                             .arg(QDir::toNativeSeparators(QDir::currentPath())));
        return 1;
    }
    QObject::connect(&instancia, &UnaInstancia::otraArrancada, &traerAlFrente);

    iniciarPrograma();
    return app.exec();
}
