#include "windows/common/numeros.h"

#include "catalogue/cifras.h"
#include "windows/common/roles.h"

#include <QLocale>
#include <QStringList>
#include <QTreeWidget>

#include <cmath>

bool FilaNumerica::operator<(const QTreeWidgetItem& otra) const
{
    const int columna = treeWidget() ? treeWidget()->sortColumn() : 0;
    const QVariant claveA = data(columna, RolClaveOrden);
    const QVariant claveB = otra.data(columna, RolClaveOrden);
    if (claveA.isValid() && claveB.isValid())
        return claveA.toString() < claveB.toString();
    return QTreeWidgetItem::operator<(otra);
}

QString textoNumero(double valor)
{
    if (!std::isfinite(valor))
        return QString::number(valor);
    if (valor == 0)
        return QLocale().toString(0);
    // Fixed notation with 15 significant digits: an exponent or a thousands
    // separator would break the zero-filled sort texts of the lists.
    const int exponente = int(std::floor(std::log10(std::fabs(valor))));
    const int decimales = qBound(0, 14 - exponente, 40);
    QString texto = QString::number(valor, 'f', decimales);
    if (texto.contains(QLatin1Char('.'))) {
        int fin = texto.size();
        while (fin > 0 && texto.at(fin - 1) == QLatin1Char('0'))
            --fin;
        if (fin > 0 && texto.at(fin - 1) == QLatin1Char('.'))
            --fin;
        texto.truncate(fin);
    }
    if (texto == QLatin1String("-0"))
        return QLocale().toString(0);
    const QLocale local;
    const QString separador = local.decimalPoint();
    if (separador != QLatin1String("."))
        texto.replace(QLatin1Char('.'), separador);
    return cifras::cifrasLocales(texto, local);
}

namespace {

// A separator other than the two the sort texts know (the Arabic "٫"):
// it stands in them as a point.
bool separadorPropio(const QString& separador)
{
    return separador != QLatin1String(".") && separador != QLatin1String(",");
}

} // namespace

void ponerNumero(QTreeWidgetItem* fila, int columna, double valor)
{
    fila->setText(columna, textoNumero(valor));
}

QString clavePadded(const QString& texto)
{
    return clavePadded(texto, QLocale());
}

QString clavePadded(const QString& escrito, const QLocale& local)
{
    // Sort texts are in ASCII digits, whatever digits the cell shows.
    QString texto = cifras::cifrasAscii(escrito, local);
    if (separadorPropio(local.decimalPoint()))
        texto.replace(local.decimalPoint(), QStringLiteral("."));
    const QChar punto = QLatin1Char('.');
    const QChar coma = QLatin1Char(',');
    QString v = texto;
    QStringList partes;
    if (v.contains(punto)) {
        partes = v.split(punto);
        v = partes.first();
    }
    if (v.contains(coma)) {
        partes = v.split(coma);
        v = partes.first();
    }
    if (v.size() < 10)
        v.prepend(QString(10 - v.size(), QLatin1Char('0')));
    if (texto.contains(punto))
        v += punto + partes.at(1);
    if (texto.contains(coma))
        v += coma + partes.at(1);
    return v;
}

QString textoRestaurado(const QString& clave)
{
    return textoRestaurado(clave, QLocale());
}

QString textoRestaurado(const QString& clave, const QLocale& local)
{
    int inicio = 0;
    const int n = clave.size();
    while (inicio < n && clave.at(inicio) == QLatin1Char('0') && n - inicio > 1 &&
           clave.at(inicio + 1) != QLatin1Char(',') && clave.at(inicio + 1) != QLatin1Char('.'))
        ++inicio;
    QString texto = clave.mid(inicio);
    if (separadorPropio(local.decimalPoint()))
        texto.replace(QLatin1Char('.'), local.decimalPoint());
    return cifras::cifrasLocales(texto, local);
}
