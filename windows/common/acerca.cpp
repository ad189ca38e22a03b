#include "windows/common/acerca.h"

#include "storage/basedatos.h"
#include "storage/esquema.h"
#include "windows/common/mensajes.h"

#include <QCoreApplication>
#include <QDir>

void mostrarAcerca(QWidget* padre)
{
    almacen::InfoBase info;
    if (almacen::baseAbierta())
        info = almacen::leerInfoBase(almacen::base());
    const QStringList lineas =
        almacen::lineasAcerca(QCoreApplication::applicationVersion(),
                              QDir::toNativeSeparators(QDir::currentPath()), info);
    mensajes::mostrar(padre, {mensajes::Tipo::Informacion, QStringLiteral("About Alimetra"),
                              lineas.join(QLatin1Char('\n'))});
}
