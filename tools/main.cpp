// alimetra-builddb: writes the delivered database file (sr18.mdb).

#include "construirbase.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication aplicacion(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("alimetra-builddb"));

    QCommandLineParser opciones;
    opciones.setApplicationDescription(QStringLiteral(
        "Builds Alimetra's database from the USDA Standard Reference (release 24) foods of "
        "Debian's cronometer package, USDA's published food groups, vitamin A and corrected "
        "values of that release, the reference values of dris.csv and the upper limits of "
        "uls.csv."));
    opciones.addHelpOption();
    const QCommandLineOption salida(QStringLiteral("output"),
                                    QStringLiteral("Database file to write."),
                                    QStringLiteral("PATH"));
    const QCommandLineOption paquete(
        QStringLiteral("deb"),
        QStringLiteral("The cronometer .deb to read (default: fetch it with apt-get download)."),
        QStringLiteral("PATH"));
    const QCommandLineOption archivo(QStringLiteral("jar"),
                                     QStringLiteral("usda_sr24.jar itself (overrides --deb)."),
                                     QStringLiteral("PATH"));
    const QCommandLineOption referencias(QStringLiteral("dris"),
                                         QStringLiteral("The reference values (default: %1).")
                                             .arg(QStringLiteral(ALIMETRA_DRIS_CSV)),
                                         QStringLiteral("PATH"), QStringLiteral(ALIMETRA_DRIS_CSV));
    const QCommandLineOption gruposAlimentos(
        QStringLiteral("groups"),
        QStringLiteral("Each food's group (default: %1).").arg(QStringLiteral(ALIMETRA_GROUPS_CSV)),
        QStringLiteral("PATH"), QStringLiteral(ALIMETRA_GROUPS_CSV));
    const QCommandLineOption rae(
        QStringLiteral("rae"),
        QStringLiteral("USDA's vitamin A RAE (default: %1).").arg(QStringLiteral(ALIMETRA_RAE_CSV)),
        QStringLiteral("PATH"), QStringLiteral(ALIMETRA_RAE_CSV));
    const QCommandLineOption correcciones(
        QStringLiteral("corrections"),
        QStringLiteral("Published values that replace the archive's (default: %1).")
            .arg(QStringLiteral(ALIMETRA_CORRECTIONS_CSV)),
        QStringLiteral("PATH"), QStringLiteral(ALIMETRA_CORRECTIONS_CSV));
    const QCommandLineOption limites(
        QStringLiteral("uls"),
        QStringLiteral("The upper limits (default: %1).").arg(QStringLiteral(ALIMETRA_ULS_CSV)),
        QStringLiteral("PATH"), QStringLiteral(ALIMETRA_ULS_CSV));
    const QCommandLineOption requerimientos(
        QStringLiteral("ears"),
        QStringLiteral("The average requirements (default: %1).")
            .arg(QStringLiteral(ALIMETRA_EARS_CSV)),
        QStringLiteral("PATH"), QStringLiteral(ALIMETRA_EARS_CSV));
    opciones.addOptions(
        {salida, paquete, archivo, referencias, gruposAlimentos, rae, correcciones});
    opciones.addOption(limites);
    opciones.addOption(requerimientos);
    opciones.process(aplicacion);

    QTextStream err(stderr);
    if (!opciones.positionalArguments().isEmpty()) {
        err << "alimetra-builddb: unexpected argument " << opciones.positionalArguments().first()
            << " (see --help)\n";
        return 2;
    }
    if (!opciones.isSet(salida) || opciones.value(salida).isEmpty()) {
        err << "alimetra-builddb: --output PATH is required (see --help)\n";
        return 2;
    }

    construccion::OpcionesConstruccion o;
    o.salida = opciones.value(salida);
    o.paquete = opciones.value(paquete);
    o.archivo = opciones.value(archivo);
    o.referencias = opciones.value(referencias);
    o.gruposAlimentos = opciones.value(gruposAlimentos);
    o.rae = opciones.value(rae);
    o.correcciones = opciones.value(correcciones);
    o.limites = opciones.value(limites);
    o.requerimientos = opciones.value(requerimientos);

    construccion::limpiarAlInterrumpir();
    construccion::ResumenConstruccion resumen;
    QString error;
    if (!construccion::construirBase(o, &resumen, &error)) {
        err << "alimetra-builddb: " << error << "\n"
            << "alimetra-builddb: no database was written\n";
        return 1;
    }
    QTextStream(stdout) << construccion::describirResumen(o, resumen);
    return 0;
}
