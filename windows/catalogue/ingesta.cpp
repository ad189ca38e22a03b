#include "windows/catalogue/ingesta.h"

#include "catalogue/catalogo.h"
#include "catalogue/cifras.h"
#include "profiles/perfilactual.h"
#include "storage/registro.h"
#include "windows/common/controles.h"
#include "windows/common/mensajes.h"
#include "windows/common/roles.h"

#include <QCoreApplication>
#include <QTreeWidgetItem>

qint64 idAlimento(const QTreeWidgetItem* fila)
{
    if (!fila)
        return 0;
    bool ok = false;
    const qint64 id = fila->data(0, RolIdAlimento).toLongLong(&ok);
    return ok ? id : 0;
}

QString sinCoincidencias()
{
    return QCoreApplication::translate("ingesta", "Sorry, no matches were found.");
}

void guardarCantidad(QWidget* padre, const PerfilActual& perfil, const QString& cantidad,
                     qint64 alimento)
{
    bool valida = false;
    const qint64 gramos = cifras::digitos(cantidad).value_or(QString()).toLongLong(&valida);
    const Dato& id = perfil.idPerfil;
    if (!valida || alimento <= 0 || !id.tieneValor()) {
        // The no-match line of the ranking carries no food, and without a
        // current profile there is no one to store the intake for.
        escribirLog(QStringLiteral("guardarCantidad() -> ") +
                    (alimento <= 0 ? QStringLiteral("There is no food to store the intake for")
                     : !id.tieneValor()
                         ? QStringLiteral("There is no current profile")
                         : QStringLiteral("The intake \"%1\" is not a whole number of grams")
                               .arg(cantidad)));
        mensajes::errorEscritura(
            padre, QCoreApplication::translate("ingesta", "An error occured while saving intake"));
        return;
    }
    QString fallo;
    const bool guardada = catalogo::escribirCantidad(gramos, alimento, id.entero(), &fallo);
    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("guardarCantidad() -> ") + fallo);
    if (guardada)
        mensajes::confirmar(padre, QCoreApplication::translate("ingesta", "Intake saved"));
    else
        mensajes::errorEscritura(
            padre, QCoreApplication::translate("ingesta", "An error occured while saving intake"));
}
