#include "evaluation/ordenacion.h"

#include "storage/basedatos.h"
#include "windows/main/interfaz.h"

#include <QHeaderView>
#include <QLocale>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <cmath>

QHash<QString, bool>& ordenColumnas()
{
    static QHash<QString, bool> orden;
    return orden;
}

QString& ultimaColumnaWRI()
{
    static QString columna;
    return columna;
}

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
        return QStringLiteral("0");
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
        return QStringLiteral("0");
    const QString separador = QLocale().decimalPoint();
    if (separador != QLatin1String("."))
        texto.replace(QLatin1Char('.'), separador);
    return texto;
}

void ponerNumero(QTreeWidgetItem* fila, int columna, double valor)
{
    fila->setText(columna, textoNumero(valor));
}

QString clavePadded(const QString& texto)
{
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
    int inicio = 0;
    const int n = clave.size();
    while (inicio < n && clave.at(inicio) == QLatin1Char('0') && n - inicio > 1 &&
           clave.at(inicio + 1) != QLatin1Char(',') && clave.at(inicio + 1) != QLatin1Char('.'))
        ++inicio;
    return clave.mid(inicio);
}

namespace {

// Flips the remembered direction of the clicked column's caption.
Qt::SortOrder alternar(QTreeWidget* lista, int columna)
{
    const QString titulo = lista->headerItem()->text(columna);
    const bool ascendente = !ordenColumnas().value(titulo, false);
    ordenColumnas()[titulo] = ascendente;
    return ascendente ? Qt::AscendingOrder : Qt::DescendingOrder;
}

QString claveColumna(QTreeWidget* lista, int columna)
{
    return lista->headerItem()->data(columna, RolClaveColumna).toString();
}

// Gives every row its sort text for the column, and shows the text the
// zero-filled form comes back as.
void prepararColumnaNumerica(QTreeWidget* lista, int columna)
{
    const int filas = lista->topLevelItemCount();
    QList<QTreeWidgetItem*> cambiadas;
    {
        // The sort texts are not shown: the views need not hear of them.
        const QSignalBlocker bloqueo(lista->model());
        for (int i = 0; i < filas; ++i) {
            QTreeWidgetItem* fila = lista->topLevelItem(i);
            const QString texto = fila->text(columna);
            // An empty cell has no value to show (a nutrient without a
            // reference, say): it stays empty and sorts below every number.
            const QString clave = texto.isEmpty() ? QString() : clavePadded(texto);
            fila->setData(columna, RolClaveOrden, clave);
            if (!texto.isEmpty() && textoRestaurado(clave) != texto)
                cambiadas << fila;
        }
    }
    for (QTreeWidgetItem* fila : std::as_const(cambiadas))
        fila->setText(columna, textoRestaurado(fila->data(columna, RolClaveOrden).toString()));
}

void ordenar(QTreeWidget* lista, int columna, Qt::SortOrder orden, bool numerica)
{
    if (numerica)
        prepararColumnaNumerica(lista, columna);
    lista->header()->setSortIndicatorShown(true);
    lista->sortItems(columna, orden);
}

} // namespace

void ordenarColumnasWRI(QTreeWidget* lista, int columna, bool reaplicar)
{
    if (columna < 0 || columna >= lista->columnCount())
        return;
    const Qt::SortOrder orden =
        reaplicar ? lista->header()->sortIndicatorOrder() : alternar(lista, columna);
    const QString clave = claveColumna(lista, columna);
    ordenar(lista, columna, orden,
            clave == QLatin1String("tres") || clave == QLatin1String("cuatro"));
    ultimaColumnaWRI() = clave;
}

void ordenarColumnasOrdenado(QTreeWidget* lista, int columna)
{
    if (columna < 0 || columna >= lista->columnCount())
        return;
    almacen::Ocupado ocupado;
    ordenar(lista, columna, alternar(lista, columna),
            claveColumna(lista, columna) == QLatin1String("dos"));
}
