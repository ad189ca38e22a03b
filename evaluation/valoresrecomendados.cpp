#include "evaluation/valoresrecomendados.h"

#include "storage/basedatos.h"
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
    if (!c.ok) {
        fallo = c.error;
    } else {
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
            for (int g = 0; g < 16; ++g) {
                QVariant v = fila[iGrupo[g]];
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
