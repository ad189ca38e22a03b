#pragma once

#include "windows/main/pestanadris.h"
#include "windows/main/pestanaingestas.h"

class QFrame;

// The controls of the tabs still built as control structs, by the object
// names they carry, with the frames they are built in.
struct InterfazPrincipal : ControlesIngestas, ControlesDRIs
{
    QFrame* frm_cuatro = nullptr;
    QFrame* frm_siete = nullptr;
};
