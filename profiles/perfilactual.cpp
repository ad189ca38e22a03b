#include "profiles/perfilactual.h"

PerfilActual& perfilActual()
{
    static PerfilActual perfil;
    return perfil;
}
