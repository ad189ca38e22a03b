// alimetra-builddb: writes the delivered database file (sr18.mdb).

#include "construirbase.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

using construccion::OpcionesConstruccion;

// One option of the command line and the field of the options it fills.
struct Opcion
{
    const char* nombre;
    const char* ayuda; // "%1" stands for the default, where there is one
    const char* porDefecto;
    QString OpcionesConstruccion::*campo;
};

const Opcion opcionesArchivo[] = {
    {"output", "Database file to write.", nullptr, &OpcionesConstruccion::salida},
    {"deb", "The cronometer .deb to read (default: fetch it with apt-get download).", nullptr,
     &OpcionesConstruccion::paquete},
    {"jar", "usda_sr24.jar itself (overrides --deb).", nullptr, &OpcionesConstruccion::archivo},
    {"dris", "The reference values (default: %1).", ALIMETRA_DRIS_CSV,
     &OpcionesConstruccion::referencias},
    {"groups", "Each food's group (default: %1).", ALIMETRA_GROUPS_CSV,
     &OpcionesConstruccion::gruposAlimentos},
    {"rae", "USDA's vitamin A RAE (default: %1).", ALIMETRA_RAE_CSV, &OpcionesConstruccion::rae},
    {"corrections", "Published values that replace the archive's (default: %1).",
     ALIMETRA_CORRECTIONS_CSV, &OpcionesConstruccion::correcciones},
    {"uls", "The upper limits (default: %1).", ALIMETRA_ULS_CSV, &OpcionesConstruccion::limites},
    {"ears", "The average requirements (default: %1).", ALIMETRA_EARS_CSV,
     &OpcionesConstruccion::requerimientos},
};

// Reads the command line into `o`; a message and the exit status 2 where it
// cannot be used.
int leerOpciones(const QCoreApplication& aplicacion, OpcionesConstruccion* o)
{
    QCommandLineParser opciones;
    opciones.setApplicationDescription(QStringLiteral(
        "Builds Alimetra's database from the USDA Standard Reference (release 24) foods of "
        "Debian's cronometer package, USDA's published food groups, vitamin A and corrected "
        "values of that release, the reference values of dris.csv and the upper limits of "
        "uls.csv."));
    opciones.addHelpOption();
    QList<QCommandLineOption> lista;
    for (const Opcion& op : opcionesArchivo) {
        const QString porDefecto = op.porDefecto ? QString::fromUtf8(op.porDefecto) : QString();
        QCommandLineOption opcion(
            QLatin1String(op.nombre),
            QString::fromUtf8(op.ayuda).replace(QLatin1String("%1"), porDefecto),
            QStringLiteral("PATH"), porDefecto);
        lista << opcion;
        opciones.addOption(opcion);
    }
    opciones.process(aplicacion);

    QTextStream err(stderr);
    if (!opciones.positionalArguments().isEmpty()) {
        err << "alimetra-builddb: unexpected argument " << opciones.positionalArguments().first()
            << " (see --help)\n";
        return 2;
    }
    for (int i = 0; i < lista.size(); ++i)
        o->*(opcionesArchivo[i].campo) = opciones.value(lista.at(i));
    if (o->salida.isEmpty()) {
        err << "alimetra-builddb: --output PATH is required (see --help)\n";
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication aplicacion(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("alimetra-builddb"));
    construccion::OpcionesConstruccion o;
    if (const int estado = leerOpciones(aplicacion, &o); estado != 0)
        return estado;

    construccion::limpiarAlInterrumpir();
    construccion::ResumenConstruccion resumen;
    QString error;
    if (!construccion::construirBase(o, &resumen, &error)) {
        QTextStream(stderr) << "alimetra-builddb: " << error << "\n"
                            << "alimetra-builddb: no database was written\n";
        return 1;
    }
    QTextStream(stdout) << construccion::describirResumen(o, resumen);
    return 0;
}
