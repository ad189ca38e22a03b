#include "evaluation/ordenacion.h"

QHash<QString, bool>& ordenColumnas()
{
    static QHash<QString, bool> orden;
    return orden;
}
