#include "evaluation/valoresrecomendados.h"

#include "storage/basedatos.h"
#include "storage/esquema.h"
#include "storage/registro.h"

#include <algorithm>

namespace {

// mg per kg of body weight to grams for the given weight.
QVariant aGramos(const QVariant& valor, const Dato& peso)
{
    if (valor.isNull() || peso.esNulo())
        return QVariant();
    return valor.toDouble() * peso.numero() / 1000.0;
}

} // namespace

const EntradaReferencia& ValoresRecomendados::entrada(const QString& clave) const
{
    static const EntradaReferencia vacia;
    const auto it = m_entradas.constFind(clave);
    return it == m_entradas.constEnd() ? vacia : *it;
}

bool ValoresRecomendados::agregar(const QString& clave, const EntradaReferencia& entrada)
{
    if (m_entradas.contains(clave))
        return false;
    m_claves << clave;
    m_entradas.insert(clave, entrada);
    return true;
}

QList<QPair<QString, QString>> ValoresRecomendados::columnas(QStringList* rechazadas) const
{
    QList<QPair<QString, QString>> columnas;
    for (const QString& clave : m_claves) {
        const QString columna = almacen::identificador(clave);
        if (columna.isEmpty())
            rechazadas->append(clave);
        else
            columnas.append({clave, columna});
    }
    return columnas;
}

const std::array<const char*, 16>& columnasGrupo()
{
    static const std::array<const char*, 16> columnas = {
        "infants1", "infants2", "children1", "children2", "males1",   "males2",
        "males3",   "males4",   "males5",    "males6",    "females1", "females2",
        "females3", "females4", "females5",  "females6",
    };
    return columnas;
}

int indiceColumnaGrupo(const QString& columna)
{
    const auto& grupos = columnasGrupo();
    for (int i = 0; i < int(grupos.size()); ++i)
        if (columna == QLatin1String(grupos[i]))
            return i;
    return -1;
}

int indiceGrupo(const PerfilActual& perfil)
{
    const qint64 a = perfil.edad.entero();
    const qint64 s = perfil.genero.entero();
    if (a < 0 || a > 9 || (s != 0 && s != 1))
        return -1;
    // Children's groups are shared by both sexes; the female groups follow
    // the six male ones.
    return int(a <= 3 || s == 0 ? a : a + 6);
}

void vaciarFilaEmpty()
{
    QStringList asignaciones;
    for (const char* columna : columnasGrupo())
        asignaciones << QLatin1String(columna) + QStringLiteral("=null");
    almacen::ejecutarSQL(QStringLiteral("update DRIs set ") +
                         asignaciones.join(QStringLiteral(", ")) +
                         QStringLiteral(" where key='Empty'"));
}

ValoresRecomendados establecerValoresRecomendados(const PerfilActual& perfil)
{
    ValoresRecomendados tabla;

    QString fallo;
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select * from DRIs where key <> 'Empty' order by sorting"));
    const ValoresEntregados entregados = leerValoresEntregados(QStringLiteral("DRIs"));
    if (!c.ok) {
        fallo = c.error;
    } else {
        const int iId = c.columnas.indexOf(QStringLiteral("id"));
        const int iClave = c.columnas.indexOf(QStringLiteral("key"));
        const int iNombre = c.columnas.indexOf(QStringLiteral("name"));
        const int iUnidad = c.columnas.indexOf(QStringLiteral("unit"));
        const int iIcono = c.columnas.indexOf(QStringLiteral("icon"));
        int iGrupo[16];
        for (int g = 0; g < 16; ++g)
            iGrupo[g] = c.columnas.indexOf(QLatin1String(columnasGrupo()[g]));
        const bool completa = iClave >= 0 && iNombre >= 0 && iUnidad >= 0 && iIcono >= 0 &&
                              std::find(iGrupo, iGrupo + 16, -1) == iGrupo + 16;
        if (!completa)
            fallo = QStringLiteral("The table DRIs lacks one of its columns");
        const Dato peso = perfil.peso;
        for (const QVariantList& fila : c.filas) {
            if (!completa)
                break;
            EntradaReferencia e;
            e.icono = fila[iIcono].toString();
            e.nombre = fila[iNombre].toString();
            e.unidad = fila[iUnidad].toString();
            const bool aminoacido = e.icono == QLatin1String("aminoacidos");
            const auto entregada = iId >= 0 ? entregados.filas.constFind(fila[iId].toLongLong())
                                            : entregados.filas.constEnd();
            for (int g = 0; g < 16; ++g) {
                QVariant v = fila[iGrupo[g]];
                if (entregada != entregados.filas.constEnd()) {
                    // Told apart on the values as stored, before any weight.
                    e.editados[g] = distintoDelEntregado(v, (*entregada)[g]);
                    e.entregados[g] = aminoacido ? aGramos((*entregada)[g], peso) : (*entregada)[g];
                }
                if (aminoacido)
                    v = aGramos(v, peso);
                if (g < 4)
                    e.ninos[g] = v;
                else if (g < 10)
                    e.hombres[g - 4] = v;
                else
                    e.mujeres[g - 10] = v;
            }
            const QString clave = fila[iClave].toString();
            if (!tabla.agregar(clave, e))
                fallo = QStringLiteral("The nutrient key \"%1\" appears more than once in DRIs")
                            .arg(clave);
        }
    }
    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("establecerValoresRecomendados() -> ") + fallo);
    return tabla;
}

QVariant valorRecomendado(const ValoresRecomendados& valores, const PerfilActual& perfil,
                          const QString& clave, bool* ok)
{
    const qint64 a = perfil.edad.entero();
    const qint64 s = perfil.genero.entero();
    const bool posible = valores.contiene(clave) && a >= 0 && a <= 9 && (s == 0 || s == 1);
    if (ok)
        *ok = posible;
    if (!posible)
        return QVariant();
    const EntradaReferencia& e = valores.entrada(clave);
    if (a > 3)
        return s == 0 ? e.hombres[a - 4] : e.mujeres[a - 4];
    return e.ninos[a];
}

bool referenciaEditada(const ValoresRecomendados& valores, const PerfilActual& perfil,
                       const QString& clave, QVariant* entregado)
{
    const int grupo = indiceGrupo(perfil);
    if (grupo < 0 || !valores.contiene(clave))
        return false;
    const EntradaReferencia& e = valores.entrada(clave);
    if (!e.editados[grupo])
        return false;
    if (entregado)
        *entregado = e.entregados[grupo];
    return true;
}

QVariant ValoresEntregados::valor(qint64 id, const QString& columna) const
{
    const int g = indiceColumnaGrupo(columna);
    const auto fila = filas.constFind(id);
    return g < 0 || fila == filas.constEnd() ? QVariant() : (*fila)[g];
}

ValoresEntregados leerValoresEntregados(const QString& tabla)
{
    ValoresEntregados entregados;
    const QString copia = almacen::copiaEntregada(tabla);
    if (!almacen::hayTabla(copia))
        return entregados;
    QStringList columnas;
    for (const char* columna : columnasGrupo())
        columnas << QLatin1String(columna);
    // The table's name is the program's own, never the user's.
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select id, %1 from %2").arg(columnas.join(QStringLiteral(", ")), copia));
    if (!c.ok) {
        escribirLog(c.entradaLog(QStringLiteral("leerValoresEntregados() -> ")));
        return entregados;
    }
    entregados.disponibles = true;
    for (const QVariantList& fila : c.filas) {
        std::array<QVariant, 16> valores;
        for (int g = 0; g < 16; ++g) {
            bool numero = false;
            const double v = fila.value(g + 1).toDouble(&numero);
            valores[g] = fila.value(g + 1).isNull() || !numero
                             ? QVariant(QMetaType::fromType<double>())
                             : QVariant(v);
        }
        entregados.filas.insert(fila.value(0).toLongLong(), valores);
    }
    return entregados;
}

bool distintoDelEntregado(const QVariant& valor, const QVariant& entregado)
{
    if (valor.isNull() || entregado.isNull())
        return valor.isNull() != entregado.isNull();
    bool okValor = false;
    bool okEntregado = false;
    const double x = valor.toDouble(&okValor);
    const double y = entregado.toDouble(&okEntregado);
    return okValor && okEntregado ? x != y : valor != entregado;
}

bool escribirReferencias(const QString& tabla, const QList<CeldaReferencia>& celdas)
{
    if (tabla != QLatin1String("DRIs") && tabla != QLatin1String("ULs") &&
        tabla != QLatin1String("EARs")) {
        escribirLog(
            QStringLiteral("escribirReferencias() -> No reference table \"%1\"").arg(tabla));
        return false;
    }
    // The cells of each row in one update, the rows in the order first met.
    QList<qint64> ids;
    QHash<qint64, QList<const CeldaReferencia*>> porFila;
    for (const CeldaReferencia& celda : celdas) {
        if (indiceColumnaGrupo(celda.columna) < 0) {
            escribirLog(QStringLiteral("escribirReferencias() -> \"%1\" is no group column of %2")
                            .arg(celda.columna, tabla));
            return false;
        }
        if (!porFila.contains(celda.id))
            ids << celda.id;
        porFila[celda.id] << &celda;
    }
    const auto escribir = [&] {
        for (qint64 id : std::as_const(ids)) {
            QStringList asignaciones;
            QVariantList valores;
            for (const CeldaReferencia* celda : porFila.value(id)) {
                asignaciones << celda->columna + QStringLiteral("=?");
                valores << celda->valor;
            }
            valores << id;
            if (almacen::ejecutarSQL(QStringLiteral("update ") + tabla + QStringLiteral(" set ") +
                                         asignaciones.join(QStringLiteral(", ")) +
                                         QStringLiteral(" where id=?"),
                                     valores) <= 0)
                return false;
        }
        return true;
    };
    if (ids.size() <= 1)
        return escribir();
    QString fallo;
    const bool escritas = almacen::enTransaccion(escribir, &fallo);
    // A failed statement is logged where it ran; a failed begin or commit here.
    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("escribirReferencias() -> ") + fallo);
    return escritas;
}
