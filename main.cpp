#include "storage/actualizacion.h"
#include "storage/basedatos.h"
#include "storage/esquema.h"
#include "storage/registro.h"
#include "windows/common/idioma.h"
#include "windows/common/mensajes.h"
#include "windows/common/temas.h"
#include "windows/main/unainstancia.h"
#include "windows/main/ventanaprincipal.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// Answered without a window, so that they work where no display is.
bool pideSoloTexto(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char* opcion : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], opcion) == 0)
                return true;
    return false;
}

struct Opciones
{
    QString entregada;               // the database this release delivers
    QString carpeta;                 // the data folder
    std::optional<temas::Tema> tema; // asked for with --theme
};

// Reads the command line; prints --help and --version and exits.
Opciones leerOpciones(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Assesses a diet against the dietary reference "
                                            "intakes. Works on sr18.mdb\n"
                                            "in the working directory and logs failures to "
                                            "errors.log there."));
    parser.addHelpOption();
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("main", "Displays version information."));
    const QCommandLineOption entregada(
        QStringLiteral("delivered"),
        QCoreApplication::translate("main", "The database this release delivers: an older sr18.mdb "
                                            "is upgraded from it, keeping your data."),
        QCoreApplication::translate("main", "file"));
    const QCommandLineOption carpeta(
        QStringLiteral("data-folder"),
        QCoreApplication::translate("main", "The data folder --version names (default: the working "
                                            "directory)."),
        QCoreApplication::translate("main", "folder"));
    const QCommandLineOption tema(
        QStringLiteral("theme"),
        QCoreApplication::translate("main", "The look: system (the desktop's), dark or "
                                            "high-contrast; remembered for the next starts."),
        QCoreApplication::translate("main", "name"));
    parser.addOptions({version, entregada, carpeta, tema});
    parser.process(app);
    Opciones o;
    o.entregada = parser.value(entregada);
    o.carpeta = parser.isSet(carpeta) ? parser.value(carpeta) : QDir::currentPath();
    if (parser.isSet(tema)) {
        o.tema = temas::temaDeNombre(parser.value(tema));
        if (!o.tema) {
            std::fputs(qPrintable(QCoreApplication::translate(
                                      "main", "Unknown theme \"%1\": use system, dark or "
                                              "high-contrast.")
                                      .arg(parser.value(tema)) +
                                  QLatin1Char('\n')),
                       stderr);
            std::exit(1);
        }
    }
    if (parser.isSet(version)) {
        const QString base = QDir(o.carpeta).filePath(almacen::archivoBase);
        const QStringList lineas = almacen::lineasAcerca(
            QCoreApplication::applicationVersion(), QDir::toNativeSeparators(o.carpeta),
            almacen::leerInfoBase(QFileInfo::exists(base) ? base : o.entregada));
        std::fputs(qPrintable(lineas.join(QLatin1Char('\n')) + QLatin1Char('\n')), stdout);
        std::exit(0);
    }
    return o;
}

// Moves the user's data to the delivered database of this release when the
// working one is older; what happened, for the status bar.
QString actualizarSiHaceFalta(const Opciones& opciones)
{
    const QString trabajo = QDir::current().filePath(almacen::archivoBase);
    if (opciones.entregada.isEmpty() || !almacen::haceFaltaActualizar(trabajo, opciones.entregada))
        return QString();
    abrirLog();
    QString fallo;
    const auto hecha = almacen::actualizar(trabajo, opciones.entregada,
                                           QCoreApplication::applicationVersion(), &fallo);
    if (!hecha)
        return QCoreApplication::translate("main", "Your data could not be moved to the new food "
                                                   "table (see errors.log); they stay as they "
                                                   "were");
    return almacen::textoActualizacion(*hecha);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("Alimetra"));
    QCoreApplication::setApplicationName(QStringLiteral("Alimetra"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1"));

    if (pideSoloTexto(argc, argv)) {
        QCoreApplication app(argc, argv);
        instalarTraducciones(app, QLocale());
        leerOpciones(app);
        return 0;
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.alimetra.Alimetra"));
    instalarTraducciones(app, QLocale());
    const Opciones opciones = leerOpciones(app);
    temas::aplicar(temas::elegir(opciones.tema));

    // A second start on the same data folder brings the first to the front
    // and ends, never opening the database.
    UnaInstancia instancia(QDir::currentPath());
    if (!instancia.primera()) {
        if (instancia.avisarALaPrimera(app.arguments().mid(1)))
            return 0;
        mensajes::avisar(nullptr,
                         QCoreApplication::translate("main", "Alimetra is already running on the "
                                                             "data in %1, but it does not answer. "
                                                             "Close it and start again.")
                             .arg(QDir::toNativeSeparators(QDir::currentPath())));
        return 1;
    }
    QObject::connect(&instancia, &UnaInstancia::otraArrancada, &traerAlFrente);

    // Only the one instance moves the data, before anything opens them.
    iniciarPrograma(actualizarSiHaceFalta(opciones));
    return app.exec();
}
