#include "windows/main/modeloingestas.h"

#include "catalogue/cifras.h"
#include "resources/iconos.h"
#include "storage/esquema.h"
#include "windows/common/mensajes.h"

#include <QRegularExpression>

namespace {

const QRegularExpression& patronIngesta()
{
    static const QRegularExpression patron(QStringLiteral("^[0-9]{1,5}$"));
    return patron;
}

} // namespace

bool esIngestaValida(const QString& texto)
{
    const std::optional<QString> normal = cifras::digitos(texto);
    return normal && patronIngesta().match(*normal).hasMatch();
}

QString ModeloIngestas::sentencia()
{
    return QStringLiteral(
               "select s.id, s.intake, t.description, t.id from saves s inner join total t ") +
           QStringLiteral(" on t.id=s.food_id where s.prof_id=?") +
           QStringLiteral(" and s.intake>0");
}

QVariant ModeloIngestas::data(const QModelIndex& indice, int rol) const
{
    const bool propio =
        indice.isValid() && indice.column() == ColAlimento &&
        valorCelda(indice.row(), ColIdAlimento).toLongLong() >= almacen::primerPropio;
    if (propio && rol == Qt::DecorationRole)
        return iconoPropio();
    if (propio && rol == Qt::ToolTipRole)
        return ModeloRejilla::data(indice).toString() + tr(" (your own food)");
    return ModeloRejilla::data(indice, rol);
}

QVariant ModeloIngestas::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole)
        return ModeloRejilla::headerData(seccion, orientacion, rol);
    switch (seccion) {
    case ColId:
        return QStringLiteral("id");
    case ColAlimento:
        return tr("Food");
    case ColIngesta:
        return tr("Intake");
    }
    return {};
}

bool ModeloIngestas::leerEntrada(const QVariant& entrada, QVariant* valor) const
{
    const QString texto = entrada.toString();
    if (!esIngestaValida(texto))
        return false;
    *valor = cifras::digitos(texto)->toLongLong();
    return true;
}

QString ModeloIngestas::texto(const QVariant& valor) const
{
    if (valor.isNull() || valor.userType() == QMetaType::QString)
        return valor.toString();
    return cifras::entero(valor.toLongLong(), QLocale());
}

void ModeloIngestas::entradaRechazada()
{
    mensajes::avisar(qobject_cast<QWidget*>(QObject::parent()),
                     tr("Please, set your weekly intake (grams, integer numbers "
                        "only)"));
}

void ModeloIngestas::escrituraFallida()
{
    // The cell shows the stored value again; the user must also be told.
    mensajes::errorEscritura(qobject_cast<QWidget*>(QObject::parent()),
                             tr("An error occurred while saving intake"));
}
