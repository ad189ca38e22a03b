#include "catalogue/intercambio.h"

#include "storage/archivos.h"
#include "storage/descripcion.h"
#include "storage/registro.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>

#include <cmath>

namespace intercambio {

namespace {

// The first columns of every line; the nutrient columns of the food table
// follow, by their column names.
const QStringList fijas = {
    QStringLiteral("record"),        QStringLiteral("name"),     QStringLiteral("group"),
    QStringLiteral("cooked_weight"), QStringLiteral("servings"), QStringLiteral("ingredient"),
    QStringLiteral("ingredient_id"), QStringLiteral("grams"),    QStringLiteral("measure")};
namespace col {
enum { registro, nombre, grupo, peso, raciones, ingrediente, idIngrediente, gramos, medida };
} // namespace col

const QString deAlimento = QStringLiteral("food");
const QString deReceta = QStringLiteral("recipe");
const QString deMedida = QStringLiteral("measure");
const QString deIngrediente = QStringLiteral("ingredient");

// Why a file was refused or an import failed, as errors.log keeps it (in
// English) and as the user reads it.
using Motivo = almacen::Descripcion;

// `fuente` is marked with QT_TRANSLATE_NOOP where it is written.
Motivo motivo(const char* fuente)
{
    return almacen::traducir("intercambio", fuente);
}

// A file of own foods is small; anything much larger is not one.
constexpr qint64 tamanoMaximo = 64 << 20;

// A number as it reads back exactly.
QString numero(double v)
{
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

QString linea(const QStringList& campos)
{
    QStringList escritos;
    for (const QString& c : campos)
        escritos << almacen::campoCsv(c);
    return escritos.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

QStringList lineasDe(const propios::AlimentoPropio& a, const QStringList& columnas)
{
    QStringList fila(fijas.size() + columnas.size());
    fila[col::registro] = a.receta() ? deReceta : deAlimento;
    fila[col::nombre] = a.nombre;
    fila[col::grupo] = a.grupo;
    if (a.receta() && a.pesoCocinado)
        fila[col::peso] = numero(*a.pesoCocinado);
    if (a.receta() && a.raciones > 0)
        fila[col::raciones] = QString::number(a.raciones);
    for (int i = 0; i < columnas.size(); ++i)
        if (a.valores.contains(columnas.at(i)))
            fila[fijas.size() + i] = numero(a.valores.value(columnas.at(i)));
    QStringList lineas{linea(fila)};
    for (const propios::MedidaPropia& m : a.medidas) {
        QStringList f(fijas.size() + columnas.size());
        f[col::registro] = deMedida;
        f[col::nombre] = a.nombre;
        f[col::gramos] = numero(m.gramos);
        f[col::medida] = m.nombre;
        lineas << linea(f);
    }
    for (const propios::Ingrediente& i : a.ingredientes) {
        QStringList f(fijas.size() + columnas.size());
        f[col::registro] = deIngrediente;
        f[col::nombre] = a.nombre;
        f[col::ingrediente] = i.descripcion;
        if (i.alimento < almacen::primerPropio)
            f[col::idIngrediente] = QString::number(i.alimento);
        f[col::gramos] = numero(i.gramos);
        f[col::medida] = i.medida;
        lineas << linea(f);
    }
    return lineas;
}

QStringList columnasNutrientes()
{
    QStringList columnas;
    for (const propios::Nutriente& n : propios::nutrientes())
        columnas << n.columna;
    return columnas;
}

} // namespace

bool exportar(const QString& ruta, int* cuantos, QString* fallo)
{
    *cuantos = 0;
    const auto fallar = [fallo](const QString& motivo) {
        escribirLog(QStringLiteral("exportar (own foods) -> ") + motivo);
        *fallo = motivo;
        return false;
    };
    const almacen::Consulta lista = propios::lista();
    if (!lista.ok)
        return fallar(lista.entradaLog(QString()));
    const QStringList columnas = columnasNutrientes();
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly))
        return fallar(QStringLiteral("%1: %2").arg(ruta, archivo.errorString()));
    archivo.write(linea(fijas + columnas).toUtf8());
    for (const QVariantList& f : lista.filas) {
        QString motivo;
        const std::optional<propios::AlimentoPropio> a =
            propios::leer(f.value(0).toLongLong(), &motivo);
        if (!a)
            return fallar(motivo);
        archivo.write(lineasDe(*a, columnas).join(QString()).toUtf8());
        ++*cuantos;
    }
    if (!archivo.commit())
        return fallar(QStringLiteral("%1: %2").arg(ruta, archivo.errorString()));
    return true;
}

namespace {

struct Registro
{
    int linea = 0; // where it starts, from 1
    QStringList campos;
};

// The records of an RFC 4180 text; none, with the line in `fallo`, where a
// quote is out of place.
std::optional<QList<Registro>> registros(const QString& texto, Motivo* fallo)
{
    QList<Registro> lista;
    Registro actual{1, {}};
    QString valor;
    bool entreComillas = false;
    bool citado = false;
    int linea = 1;
    const auto cerrarCampo = [&] {
        actual.campos << valor;
        valor.clear();
        citado = false;
    };
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c == QLatin1Char('\n'))
            ++linea;
        if (entreComillas) {
            if (c != QLatin1Char('"'))
                valor += c;
            else if (i + 1 < texto.size() && texto.at(i + 1) == QLatin1Char('"'))
                valor += texto.at(++i);
            else
                entreComillas = false;
        } else if (c == QLatin1Char('"') && valor.isEmpty() && !citado) {
            entreComillas = citado = true;
        } else if (c == QLatin1Char(',')) {
            cerrarCampo();
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < texto.size() &&
                texto.at(i + 1) == QLatin1Char('\n'))
                continue;
            cerrarCampo();
            if (actual.campos.size() > 1 || !actual.campos.first().isEmpty())
                lista << actual;
            actual = Registro{linea, {}};
        } else if (citado) {
            *fallo = motivo(QT_TRANSLATE_NOOP("intercambio", "line %1: text after a closing quote"))
                         .arg(linea);
            return std::nullopt;
        } else {
            valor += c;
        }
    }
    if (entreComillas) {
        *fallo = motivo(QT_TRANSLATE_NOOP("intercambio", "line %1: a quote is never closed"))
                     .arg(actual.linea);
        return std::nullopt;
    }
    cerrarCampo();
    if (actual.campos.size() > 1 || !actual.campos.first().isEmpty())
        lista << actual;
    return lista;
}

// Reads the records of a file into a Lectura, line by line.
class Lector
{
public:
    explicit Lector(const QStringList& cabecera)
    {
        const QList<propios::Nutriente> nutrientes = propios::nutrientes();
        for (int i = int(fijas.size()); i < cabecera.size(); ++i)
            for (const propios::Nutriente& n : nutrientes)
                if (n.columna == cabecera.at(i))
                    m_columnas.insert(i, n.columna);
        m_campos = int(cabecera.size());
    }

    // Empty when the record was taken; otherwise why not.
    Motivo leer(const Registro& r)
    {
        if (r.campos.size() != m_campos)
            return motivo(QT_TRANSLATE_NOOP("intercambio",
                                            "it has %1 fields where the first line has %2"))
                .arg(r.campos.size())
                .arg(m_campos);
        const QString tipo = r.campos.at(col::registro);
        if (tipo == deAlimento || tipo == deReceta)
            return alimento(r, tipo == deReceta);
        if (tipo == deMedida || tipo == deIngrediente) {
            const auto a = m_porNombre.constFind(r.campos.at(col::nombre).trimmed().toCaseFolded());
            if (a == m_porNombre.cend())
                return motivo(QT_TRANSLATE_NOOP("intercambio",
                                                "\"%1\" is not a food of an earlier line"))
                    .arg(r.campos.at(col::nombre));
            return tipo == deMedida ? medida(r, m_lectura.alimentos[*a])
                                    : ingrediente(r, m_lectura.alimentos[*a]);
        }
        return motivo(QT_TRANSLATE_NOOP("intercambio",
                                        "\"%1\" is not a kind of line of this file (food, "
                                        "recipe, measure, ingredient)"))
            .arg(tipo);
    }

    // What is left to check once every line is read.
    Motivo terminar(Lectura& lectura);

private:
    static std::optional<double> cifra(const QString& texto, double maximo)
    {
        bool ok = false;
        const double v = texto.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(v) || v < 0 || v > maximo)
            return std::nullopt;
        return v;
    }
    Motivo alimento(const Registro& r, bool receta);
    Motivo medida(const Registro& r, propios::AlimentoPropio& a);
    Motivo ingrediente(const Registro& r, propios::AlimentoPropio& a);

    QHash<int, QString> m_columnas; // field -> nutrient column
    int m_campos = 0;
    QHash<QString, int> m_porNombre; // folded name -> position in the reading
    QHash<int, int> m_lineas;        // position -> line
    Lectura m_lectura;
};

Motivo Lector::alimento(const Registro& r, bool receta)
{
    propios::AlimentoPropio a;
    a.tipo = receta ? propios::Tipo::Receta : propios::Tipo::Alimento;
    a.nombre = r.campos.at(col::nombre).trimmed();
    if (a.nombre.isEmpty() || QStringView(a.nombre).toUcs4().size() > propios::largoNombre)
        return motivo(QT_TRANSLATE_NOOP("intercambio", "a name of 1 to %1 characters is needed"))
            .arg(propios::largoNombre);
    if (m_porNombre.contains(a.nombre.toCaseFolded()))
        return motivo(QT_TRANSLATE_NOOP("intercambio", "\"%1\" is in the file twice"))
            .arg(a.nombre);
    const QString grupo = r.campos.at(col::grupo).trimmed();
    a.grupo = almacen::consultar(QStringLiteral("select 1 from groups where id=?"), {grupo}).vacia()
                  ? almacen::grupoPropio
                  : grupo;
    for (auto c = m_columnas.cbegin(); c != m_columnas.cend(); ++c) {
        const QString texto = r.campos.at(c.key()).trimmed();
        if (texto.isEmpty())
            continue;
        const std::optional<double> v = cifra(texto, 1e9);
        if (!v)
            return motivo(QT_TRANSLATE_NOOP("intercambio", "%1 is not a number of 0 or more"))
                .arg(c.value());
        if (!receta)
            a.valores.insert(c.value(), *v);
    }
    if (receta) {
        const QString peso = r.campos.at(col::peso).trimmed();
        const std::optional<double> gramos = cifra(peso, 1e7);
        if (!peso.isEmpty() && !(gramos && *gramos > 0))
            return motivo(
                QT_TRANSLATE_NOOP("intercambio", "the cooked weight is not a number above 0"));
        if (!peso.isEmpty())
            a.pesoCocinado = gramos;
        const QString raciones = r.campos.at(col::raciones).trimmed();
        bool ok = raciones.isEmpty();
        a.raciones = raciones.isEmpty() ? 0 : raciones.toInt(&ok);
        if (!ok || a.raciones < 0 || a.raciones > 999)
            return motivo(QT_TRANSLATE_NOOP("intercambio",
                                            "the servings are not a whole number from 1 to 999"));
    } else {
        for (const propios::Problema& p : propios::comprobarValores(a.valores, QLocale::c()))
            if (p.nivel == propios::Problema::Rechazo)
                return Motivo{p.ingles, p.texto};
    }
    m_porNombre.insert(a.nombre.toCaseFolded(), int(m_lectura.alimentos.size()));
    m_lineas.insert(int(m_lectura.alimentos.size()), r.linea);
    m_lectura.alimentos << a;
    return {};
}

Motivo Lector::medida(const Registro& r, propios::AlimentoPropio& a)
{
    const std::optional<double> gramos = cifra(r.campos.at(col::gramos), 100000);
    if (r.campos.at(col::medida).trimmed().isEmpty() || !(gramos && *gramos > 0))
        return motivo(
            QT_TRANSLATE_NOOP("intercambio", "a measure needs a name and its grams above 0"));
    a.medidas << propios::MedidaPropia{r.campos.at(col::medida).trimmed(), *gramos};
    return {};
}

Motivo Lector::ingrediente(const Registro& r, propios::AlimentoPropio& a)
{
    if (!a.receta())
        return motivo(QT_TRANSLATE_NOOP("intercambio", "\"%1\" is a food, not a recipe"))
            .arg(a.nombre);
    const std::optional<double> gramos = cifra(r.campos.at(col::gramos), 1e6);
    if (!(gramos && *gramos > 0))
        return motivo(QT_TRANSLATE_NOOP("intercambio",
                                        "the grams of the ingredient are not a number above 0"));
    propios::Ingrediente i{0, *gramos, r.campos.at(col::medida).trimmed(),
                           r.campos.at(col::ingrediente).trimmed()};
    const QString numero = r.campos.at(col::idIngrediente).trimmed();
    if (!numero.isEmpty()) {
        bool ok = false;
        i.alimento = numero.toLongLong(&ok);
        if (!ok || i.alimento <= 0 || i.alimento >= almacen::primerPropio ||
            almacen::consultar(QStringLiteral("select 1 from total where id=?"), {i.alimento})
                .vacia())
            return motivo(
                       QT_TRANSLATE_NOOP("intercambio", "food number %1 is not in the food table"))
                .arg(numero);
    } else if (i.descripcion.isEmpty()) {
        return motivo(
            QT_TRANSLATE_NOOP("intercambio", "the ingredient has neither a name nor a number"));
    }
    a.ingredientes << i;
    return {};
}

Motivo Lector::terminar(Lectura& lectura)
{
    for (int p = 0; p < m_lectura.alimentos.size(); ++p) {
        const propios::AlimentoPropio& a = m_lectura.alimentos.at(p);
        const Motivo enLinea =
            motivo(QT_TRANSLATE_NOOP("intercambio", "line %1: %2")).arg(m_lineas.value(p));
        if (a.receta() && a.ingredientes.isEmpty())
            return enLinea.arg(
                motivo(QT_TRANSLATE_NOOP("intercambio", "the recipe \"%1\" has no ingredients"))
                    .arg(a.nombre));
        for (const propios::Ingrediente& i : a.ingredientes)
            if (i.alimento == 0 && !m_porNombre.contains(i.descripcion.toCaseFolded()) &&
                propios::idDeNombre(i.descripcion) == 0)
                return enLinea.arg(
                    motivo(QT_TRANSLATE_NOOP("intercambio", "no food called \"%1\" in the file "
                                                            "or among your foods"))
                        .arg(i.descripcion));
        if (propios::idDeNombre(a.nombre) > 0)
            m_lectura.repetidos << a.nombre;
    }
    lectura = m_lectura;
    return {};
}

} // namespace

std::optional<Lectura> leer(const QString& ruta, QString* fallo)
{
    const auto fallar = [&](const Motivo& por) -> std::optional<Lectura> {
        const Motivo m =
            motivo(QT_TRANSLATE_NOOP("intercambio", "%1 is not a file of own foods: %2"))
                .arg(ruta, por);
        *fallo = m.pantalla;
        escribirLog(QStringLiteral("leer (own foods) -> ") + m.registro);
        return std::nullopt;
    };
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        return fallar(almacen::igual(archivo.errorString()));
    if (archivo.size() > tamanoMaximo)
        return fallar(motivo(QT_TRANSLATE_NOOP("intercambio", "it is far too large")));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texto = utf8.decode(archivo.readAll());
    if (utf8.hasError())
        return fallar(motivo(QT_TRANSLATE_NOOP("intercambio", "it is not UTF-8 text")));
    Motivo malCitado;
    const std::optional<QList<Registro>> lista = registros(texto, &malCitado);
    if (!lista)
        return fallar(malCitado);
    if (lista->isEmpty() || lista->first().campos.mid(0, fijas.size()) != fijas)
        return fallar(
            motivo(QT_TRANSLATE_NOOP("intercambio", "line 1: its first line must start with %1"))
                .arg(fijas.join(QLatin1Char(','))));
    Lector lector(lista->first().campos);
    for (qsizetype i = 1; i < lista->size(); ++i)
        if (const Motivo m = lector.leer(lista->at(i)); !m.isEmpty())
            return fallar(motivo(QT_TRANSLATE_NOOP("intercambio", "line %1: %2"))
                              .arg(lista->at(i).linea)
                              .arg(m));
    Lectura lectura;
    if (const Motivo m = lector.terminar(lectura); !m.isEmpty())
        return fallar(m);
    return lectura;
}

namespace {

// "Soup (2)": the first name no own food and no food of the file has.
QString nombreLibre(const QString& nombre, const QSet<QString>& delArchivo)
{
    for (int n = 2;; ++n) {
        const QString sufijo = QStringLiteral(" (%1)").arg(n);
        const QString otro = nombre.left(propios::largoNombre - sufijo.size()) + sufijo;
        if (propios::idDeNombre(otro) == 0 && !delArchivo.contains(otro.toCaseFolded()))
            return otro;
    }
}

// Stores the foods of the file, recipes after the own foods they are made
// of; the caller holds the transaction.
class Importador
{
public:
    Importador(const Lectura& l, Repetidos r, Motivo& porQue) : m_motivo(porQue)
    {
        QSet<QString> nombres;
        for (const propios::AlimentoPropio& a : l.alimentos)
            nombres.insert(a.nombre.toCaseFolded());
        for (propios::AlimentoPropio a : l.alimentos) {
            const qint64 existente = propios::idDeNombre(a.nombre);
            const QString clave = a.nombre.toCaseFolded();
            if (existente > 0 && r == Repetidos::Saltar) {
                m_ids.insert(clave, existente);
                ++m_hecha.saltados;
                continue;
            }
            if (existente > 0 && r == Repetidos::Reemplazar) {
                a.id = existente;
                ++m_hecha.reemplazados;
            } else {
                if (existente > 0)
                    a.nombre = nombreLibre(a.nombre, nombres);
                ++m_hecha.nuevos;
            }
            m_pendientes << qMakePair(clave, a);
        }
    }

    std::optional<Importacion> hacer()
    {
        // Each round stores what can be: foods, then recipes whose own
        // ingredients are stored.
        while (!m_pendientes.isEmpty()) {
            const qsizetype antes = m_pendientes.size();
            for (qsizetype i = 0; i < m_pendientes.size();)
                if (resolver(m_pendientes[i].second)) {
                    if (!guardar(m_pendientes.at(i)))
                        return std::nullopt;
                    m_pendientes.removeAt(i);
                } else {
                    ++i;
                }
            if (m_pendientes.size() == antes) {
                m_motivo = motivo(QT_TRANSLATE_NOOP("intercambio",
                                                    "the recipe \"%1\" contains itself through "
                                                    "its ingredients"))
                               .arg(m_pendientes.first().second.nombre);
                return std::nullopt;
            }
        }
        return m_hecha;
    }

private:
    // Gives the own ingredients of `a` their ids; false while one of them
    // is still to be stored.
    bool resolver(propios::AlimentoPropio& a) const
    {
        for (propios::Ingrediente& i : a.ingredientes) {
            if (i.alimento > 0)
                continue;
            const QString clave = i.descripcion.toCaseFolded();
            if (m_ids.contains(clave))
                i.alimento = m_ids.value(clave);
            else if (std::any_of(m_pendientes.cbegin(), m_pendientes.cend(),
                                 [&clave](const auto& p) { return p.first == clave; }))
                return false;
            else
                i.alimento = propios::idDeNombre(i.descripcion);
        }
        return true;
    }
    bool guardar(const QPair<QString, propios::AlimentoPropio>& p)
    {
        for (const propios::Ingrediente& i : p.second.ingredientes)
            if (propios::formaCiclo(p.second.id, i.alimento)) {
                m_motivo = motivo(QT_TRANSLATE_NOOP("intercambio",
                                                    "the recipe \"%1\" would contain itself"))
                               .arg(p.second.nombre);
                return false;
            }
        const qint64 id = propios::escribir(p.second);
        if (id == 0) {
            m_motivo = motivo(QT_TRANSLATE_NOOP("intercambio",
                                                "the database refused \"%1\" (see errors.log)"))
                           .arg(p.second.nombre);
            return false;
        }
        m_ids.insert(p.first, id);
        return true;
    }

    Motivo& m_motivo;
    QList<QPair<QString, propios::AlimentoPropio>> m_pendientes;
    QHash<QString, qint64> m_ids; // folded name in the file -> stored id
    Importacion m_hecha;
};

} // namespace

std::optional<Importacion> importar(const Lectura& lectura, Repetidos repetidos, QString* fallo)
{
    if (!propios::disponibles()) {
        *fallo =
            QCoreApplication::translate("intercambio", "The database has no tables for own foods");
        return std::nullopt;
    }
    almacen::Ocupado ocupado;
    std::optional<Importacion> hecha;
    Motivo porQue;
    QString deLaBase;
    const bool confirmada = almacen::enTransaccion(
        [&] {
            hecha = Importador(lectura, repetidos, porQue).hacer();
            return hecha.has_value();
        },
        &deLaBase);
    if (!confirmada) {
        // A failed begin or commit is the database's to tell.
        const Motivo m = deLaBase.isEmpty() ? porQue : almacen::igual(deLaBase);
        escribirLog(QStringLiteral("importar (own foods) -> ") + m.registro);
        *fallo = m.pantalla;
        return std::nullopt;
    }
    return hecha;
}

} // namespace intercambio
