#pragma once

#include "windows/catalogue/pestanabusqueda.h"
#include "windows/catalogue/pestanaranking.h"
#include "windows/profiles/datospersonales.h"
#include "windows/profiles/pestanaperfiles.h"

class QFrame;

// The controls of the tabs still built as control structs, by the object
// names they carry, with the frames they are built in.
struct InterfazPrincipal : ControlesDatos, ControlesBusqueda, ControlesRanking, ControlesPerfiles
{
    QFrame* frm_uno = nullptr;
    QFrame* frm_dos = nullptr;
    QFrame* frm_tres = nullptr;
    QFrame* frm_seis = nullptr;
};
