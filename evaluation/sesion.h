#pragma once

#include "evaluation/limitessuperiores.h"
#include "evaluation/resultados.h"
#include "evaluation/valoresrecomendados.h"
#include "profiles/perfilactual.h"

#include <QHash>
#include <QObject>
#include <QString>

// What the program holds for its session: the current profile and its
// personal data, the reference values of its group, the last evaluation of
// its week, the sort state of the lists and the mouse button last pressed
// over a food list. The main window owns the one Sesion; each tab and dialog
// is handed the session (or the part of it it works on).
class Sesion : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // What changed about the current profile.
    enum class Cambio {
        OtroPerfil,      // another profile became current: its data are read again
        DatosPersonales, // its personal data were saved
        Nombre,          // it was renamed
        Base,            // the whole database was replaced: everything is read again
    };

    PerfilActual perfilActual;
    ValoresRecomendados valoresRecomendados;
    Evaluacion evaluacion;
    // Sort direction by column caption, and the results column sorted last.
    QHash<QString, bool> ordenColumnas;
    QString ultimaColumnaWRI;
    // 0 none yet, 1 left, 2 right, 3 any other.
    int botonPulsado = 0;

    // Rebuilds the reference values for the current profile's group and
    // weight; the lists' sort directions start afresh.
    void establecerValoresRecomendados()
    {
        valoresRecomendados = ::establecerValoresRecomendados(perfilActual);
        ordenColumnas.clear();
    }

    // Evaluates the current profile's week afresh against the reference
    // values, the upper limits and the average requirements of its group.
    void evaluar()
    {
        evaluacion =
            ::evaluar(perfilActual, valoresRecomendados, leerLimitesSuperiores(perfilActual),
                      leerRequerimientos(perfilActual));
    }

    // Tells whoever depends on the current profile that it changed.
    void anunciarCambioDePerfil(Cambio cambio) { emit perfilCambiado(cambio); }

signals:
    void perfilCambiado(Sesion::Cambio cambio);
};
