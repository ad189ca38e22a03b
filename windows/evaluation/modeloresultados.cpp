#include "windows/evaluation/modeloresultados.h"

#include "evaluation/informe.h"
#include "evaluation/resultados.h"
#include "evaluation/sesion.h"
#include "resources/iconos.h"
#include "storage/registro.h"
#include "windows/common/numeros.h"
#include "windows/common/roles.h"

#include <QColor>

namespace {

const char* const titulos[] = {QT_TRANSLATE_NOOP("ModeloResultados", "Nutrient"),
                               QT_TRANSLATE_NOOP("ModeloResultados", "Unit"),
                               QT_TRANSLATE_NOOP("ModeloResultados", "Intake"),
                               QT_TRANSLATE_NOOP("ModeloResultados", "% WRI"),
                               QT_TRANSLATE_NOOP("ModeloResultados", "Daily"),
                               QT_TRANSLATE_NOOP("ModeloResultados", "Reference"),
                               QT_TRANSLATE_NOOP("ModeloResultados", "Upper limit"),
                               QT_TRANSLATE_NOOP("ModeloResultados", "Judgement")};
const char* const claves[] = {"uno", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho"};

} // namespace

QString ModeloResultados::titulo(int columna)
{
    return columna >= 0 && columna < Columnas ? tr(titulos[columna]) : QString();
}

QString ModeloResultados::tituloOriginal(int columna)
{
    return columna >= 0 && columna < Columnas ? QLatin1String(titulos[columna]) : QString();
}

QString ModeloResultados::claveColumna(int columna)
{
    return columna >= 0 && columna < Columnas ? QLatin1String(claves[columna]) : QString();
}

QString ModeloResultados::claveOrden(const QString& texto)
{
    const QString numero = texto.section(QLatin1Char(' '), 0, 0);
    return numero.isEmpty() ? QString() : clavePadded(numero);
}

void ModeloResultados::cargar(const Sesion& sesion)
{
    beginResetModel();
    m_filas.clear();
    QString fallo;
    const ValoresRecomendados& valores = sesion.valoresRecomendados;
    const Evaluacion& evaluacion = sesion.evaluacion;
    m_filas.reserve(valores.claves().size());
    for (const QString& clave : valores.claves()) {
        const EntradaReferencia& e = valores.entrada(clave);
        const ::Juicio j = evaluacion.juicios.value(clave);
        const Desconocidos d = evaluacion.desconocidos.value(clave);
        Fila f;
        f.clave = clave;
        if (esCategoriaConocida(e.icono))
            f.icono = iconoCategoria(e.icono);
        else
            fallo = QStringLiteral("The nutrient \"%1\" has an unknown icon key \"%2\"")
                        .arg(clave, e.icono);
        f.textos[Nutriente] = e.nombre;
        f.textos[Unidad] = e.unidad;
        f.textos[Ingesta] =
            textoNumero(redondearDosDecimales(evaluacion.cantidadesIngeridas.value(clave, 0.0)));
        // A nutrient without a reference to compare with keeps an empty
        // cell, which sorts lowest.
        if (const std::optional<double> p = evaluacion.porcentajesRecomendacion.value(clave, 0.0))
            f.textos[Wri] = textoNumero(redondearDosDecimales(*p));
        f.textos[Diaria] = textoNumero(redondearDosDecimales(j.diaria));
        f.textos[Referencia] = textoReferencia(j, e.unidad);
        f.textos[Limite] = textoLimite(j, e.unidad);
        f.provisional = provisional(evaluacion, clave);
        f.textos[Juicio] = textoJuicio(j, d, f.provisional);
        f.veredicto = int(j.veredicto);

        // Numbers sort as the zero-filled texts of their cells ("Reference"
        // and "Upper limit" by the number before their unit).
        for (int c : {Ingesta, Wri, Diaria, Referencia, Limite})
            f.orden[c] = claveOrden(f.textos[c]);
        f.orden[Juicio] = ordenJuicio(j);

        ponerConsejos(f, j, e.unidad, evaluacion);
        m_filas << f;
    }
    m_cursiva = QFont();
    m_cursiva.setItalic(true);
    endResetModel();
    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("rellenarResultados() -> ") + fallo);
}

void ModeloResultados::ponerConsejos(Fila& f, const ::Juicio& j, const QString& unidad,
                                     const Evaluacion& evaluacion)
{
    const QString& clave = f.clave;
    // An amount of the row's unit, "none" where there is none.
    const auto cantidad = [&unidad](const std::optional<double>& v) {
        return v ? QStringLiteral("%1 %2")
                       .arg(textoNumero(redondearDosDecimales(*v)), unidad)
                       .trimmed()
                 : tr("none");
    };
    QString consejo = explicacionVeredicto(j);
    if (j.requerimiento)
        consejo +=
            QLatin1Char('\n') + tr("Average requirement (EAR): %1").arg(cantidad(j.requerimiento));
    if (const QString t = textoDesconocidos(evaluacion, clave); !t.isEmpty())
        consejo += QLatin1Char('\n') + t;
    f.consejos.fill(consejo);
    // A value the user changed on tab 7 is told apart from the delivered one.
    const auto marcar = [&f](int columna, const QString& entregado) {
        f.cursiva[columna] = true;
        f.consejos[columna] +=
            QLatin1Char('\n') + tr("Edited by you; delivered value: %1").arg(entregado);
    };
    if (j.referenciaEditada)
        marcar(Referencia, textoReferenciaEntregada(j, unidad));
    if (j.limiteEditado)
        marcar(Limite, textoLimiteEntregado(j, unidad));
    if (j.requerimientoEditado)
        marcar(Juicio, tr("average requirement %1").arg(cantidad(j.requerimientoEntregado)));
    // The bar and the swatch are colour only: the words go with them, to the
    // eye in the bar's tooltip, to a screen reader in both.
    f.accesibles[Juicio] = f.textos[Juicio];
    f.accesibles[Wri] =
        f.textos[Wri].isEmpty()
            ? f.textos[Juicio]
            : tr("%1 % of the weekly recommended intake: %2").arg(f.textos[Wri], f.textos[Juicio]);
    f.consejos[Wri].prepend(f.accesibles[Wri] + QLatin1Char('\n'));
}

void ModeloResultados::vaciar()
{
    beginResetModel();
    m_filas.clear();
    endResetModel();
}

QString ModeloResultados::clave(int fila) const
{
    return fila >= 0 && fila < m_filas.size() ? m_filas.at(fila).clave : QString();
}

int ModeloResultados::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : int(m_filas.size());
}

int ModeloResultados::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : Columnas;
}

QVariant ModeloResultados::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid() || indice.row() >= m_filas.size() || indice.column() >= Columnas)
        return {};
    const Fila& f = m_filas.at(indice.row());
    const int c = indice.column();
    switch (rol) {
    case Qt::DisplayRole:
        return f.textos[c];
    case Qt::ToolTipRole:
        return f.consejos[c];
    case Qt::AccessibleTextRole:
        return f.accesibles[c].isEmpty() ? QVariant() : QVariant(f.accesibles[c]);
    case Qt::DecorationRole:
        if (c == Nutriente && !f.icono.isNull())
            return f.icono;
        if (c == Juicio)
            return QColor(colorVeredicto(Veredicto(f.veredicto)));
        return {};
    case Qt::FontRole:
        return f.cursiva[c] ? QVariant(m_cursiva) : QVariant();
    case RolClaveOrden:
        return f.orden[c];
    case RolVeredicto:
        return c == Wri || c == Juicio ? QVariant(f.veredicto) : QVariant();
    case RolProvisional:
        return f.provisional;
    case RolClaveNutriente:
        return f.clave;
    default:
        return {};
    }
}

QVariant ModeloResultados::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal)
        return {};
    if (rol == Qt::DisplayRole)
        return titulo(seccion);
    if (rol == RolClaveColumna)
        return claveColumna(seccion);
    return {};
}

void OrdenResultados::ordenar(int columna, Qt::SortOrder orden)
{
    // Ties keep the order on screen, as a list sorted in place would.
    const int filas = sourceModel() ? sourceModel()->rowCount() : 0;
    QList<int> antes(filas);
    for (int i = 0; i < filas; ++i)
        antes[i] = m_antes.size() == filas ? mapFromSource(sourceModel()->index(i, 0)).row() : i;
    m_antes = antes;
    // A sort on the column already sorted by would not run again.
    invalidate();
    sort(columna, orden);
}

bool OrdenResultados::lessThan(const QModelIndex& izquierda, const QModelIndex& derecha) const
{
    const QVariant a = izquierda.data(RolClaveOrden);
    const QVariant b = derecha.data(RolClaveOrden);
    const int columna = izquierda.column();
    int comparacion = 0;
    if (columna == ModeloResultados::Juicio)
        comparacion = a.toDouble() < b.toDouble() ? -1 : (b.toDouble() < a.toDouble() ? 1 : 0);
    else if (a.isValid() || b.isValid())
        comparacion = a.toString().compare(b.toString());
    else
        comparacion = izquierda.data().toString().compare(derecha.data().toString());
    if (comparacion != 0)
        return comparacion < 0;
    const int i = izquierda.row();
    const int d = derecha.row();
    if (i >= m_antes.size() || d >= m_antes.size())
        return false;
    // Descending sorts compare the other way round: the earlier row must
    // still come first.
    return sortOrder() == Qt::AscendingOrder ? m_antes.at(i) < m_antes.at(d)
                                             : m_antes.at(i) > m_antes.at(d);
}
