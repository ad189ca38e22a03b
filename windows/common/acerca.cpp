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
    QStringList lineas = almacen::lineasAcerca(QCoreApplication::applicationVersion(),
                                               QDir::toNativeSeparators(QDir::currentPath()), info);
    // Told only in a translation: the food table itself is not translated.
    static const char* const usda = QT_TRANSLATE_NOOP(
        "acerca", "Food descriptions and nutrient names come from the USDA table and stay in "
                  "English.");
    if (const QString linea = QCoreApplication::translate("acerca", usda);
        linea != QLatin1String(usda))
        lineas << linea;
    mensajes::mostrar(padre, {mensajes::Tipo::Informacion,
                              QCoreApplication::translate("acerca", "About Alimetra"),
                              lineas.join(QLatin1Char('\n'))});
}
