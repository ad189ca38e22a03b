#pragma once

#include <QString>

// Builds the delivered database file from the USDA food archive, USDA's own
// published food groups, vitamin A and corrected values, and the project's
// reference values.
namespace construccion {

struct OpcionesConstruccion
{
    QString salida;          // database file to write
    QString paquete;         // the cronometer .deb; empty to fetch it with apt-get
    QString archivo;         // usda_sr24.jar itself; when set, `paquete` is not used
    QString referencias;     // the reference values (dris.csv)
    QString gruposAlimentos; // each food's group (usda-sr24-groups.csv)
    QString rae;             // USDA's vitamin A RAE (usda-sr24-rae.csv)
    QString correcciones;    // published values that replace the archive's
    QString limites;         // the upper limits (uls.csv)
    QString requerimientos;  // the average requirements (ears.csv)
};

struct ResumenConstruccion
{
    int alimentos = 0;
    int retirados = 0; // foods of deprecated.index left out
    int grupos = 0;
    int nutrientes = 0;         // nutrient columns of `total`
    int filasReferencia = 0;    // rows of `DRIs`, the placeholder included
    int filasLimite = 0;        // rows of `ULs`
    int filasRequerimiento = 0; // rows of `EARs`
    int conRae = 0;             // foods with a vitamin A RAE
    int corregidos = 0;         // values replaced by the corrections
    int medidas = 0;            // rows of `measures`
    qint64 bytes = 0;
    double segundos = 0;
};

// Writes the database into a temporary file beside `salida` and renames it
// into place only when everything succeeded; on failure nothing is left
// behind, an existing `salida` is untouched, and `error` says why.
bool construirBase(const OpcionesConstruccion& opciones, ResumenConstruccion* resumen,
                   QString* error);

// Makes an interrupted build (SIGINT, SIGTERM, SIGHUP) remove its temporary
// file before the process ends. For the command; tests do not need it.
void limpiarAlInterrumpir();

// The summary as printed by the command.
QString describirResumen(const OpcionesConstruccion& opciones, const ResumenConstruccion& resumen);

} // namespace construccion
