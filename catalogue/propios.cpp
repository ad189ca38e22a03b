#include "catalogue/propios.h"

#include "catalogue/medidas.h"
#include "storage/descripcion.h"
#include "storage/registro.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <cmath>
#include <functional>

namespace propios {

namespace {

const char* const columnasEtiqueta[] = {
    "Energy",       "Total_Lipid",  "Fatty_acids_total_saturated",
    "Carbohydrate", "Sugars_total", "Fiber_total_dietary",
    "Protein",      "Sodium_Na"};

// Columns without a reference value that an own food may still give.
struct Otra
{
    const char* columna;
    const char* nombre;
    const char* unidad;
};
const Otra otrasColumnas[] = {
    {"Retinol", "Retinol", "\u00b5g"},
    {"Ash", "Ash", "g"},
    {"Starch", "Starch", "g"},
    {"Fatty_acids_total_monounsaturated", "Fatty acids, total monounsaturated", "g"},
    {"Fatty_acids_total_polyunsaturated", "Fatty acids, total polyunsaturated", "g"},
    {"Fatty_acids_total_trans", "Fatty acids, total trans", "g"},
    {"Cholesterol", "Cholesterol", "mg"},
    {"Alcohol_ethyl", "Alcohol, ethyl", "g"},
    {"Caffeine", "Caffeine", "mg"}};

const QString energia = QStringLiteral("Energy");
const QString proteina = QStringLiteral("Protein");
const QString grasa = QStringLiteral("Total_Lipid");
const QString carbohidratos = QStringLiteral("Carbohydrate");
const QString agua = QStringLiteral("Water");
const QString ceniza = QStringLiteral("Ash");
const QString alcohol = QStringLiteral("Alcohol_ethyl");

// Runs one statement on the shared connection; a failure is logged.
bool correr(QSqlQuery& q, const QString& sentencia, const QVariantList& valores = {})
{
    q.prepare(sentencia);
    for (const QVariant& v : valores)
        q.addBindValue(v);
    if (q.exec())
        return true;
    escribirLog(conSentencia(QStringLiteral("propios -> ") + q.lastError().text(), sentencia));
    return false;
}

QVariant nulo()
{
    return QVariant(QMetaType::fromType<double>());
}

QStringList columnasDe(const QList<Nutriente>& lista)
{
    QStringList columnas;
    for (const Nutriente& n : lista)
        columnas << n.columna;
    return columnas;
}

// "t.Energy, t.Protein, ..." for reading those columns.
QString lectura(const QStringList& columnas, const QString& alias)
{
    QStringList partes;
    for (const QString& c : columnas)
        partes << alias + almacen::identificador(c);
    return partes.join(QStringLiteral(", "));
}

// A recipe's value to four significant digits: as exact as the table's
// values, and as the editor shows it.
double cuatroCifras(double v)
{
    if (v == 0 || !std::isfinite(v))
        return v;
    const int p = 3 - int(std::floor(std::log10(std::fabs(v))));
    const double escala = std::pow(10.0, std::abs(p));
    return p >= 0 ? std::round(v * escala) / escala : std::round(v / escala) * escala;
}

// A check's text (`fuente`, marked with QT_TRANSLATE_NOOP where it is
// written) with its placeholders filled, as shown and in English.
template <typename... Args>
Problema problema(Problema::Nivel nivel, const QString& campo, const char* fuente,
                  const Args&... args)
{
    const almacen::Descripcion d = almacen::traducir("propios", fuente).arg(args...);
    return {nivel, campo, d.pantalla, d.registro};
}

template <typename... Args>
Problema rechazo(const QString& campo, const char* fuente, const Args&... args)
{
    return problema(Problema::Rechazo, campo, fuente, args...);
}

} // namespace

QList<Nutriente> nutrientes()
{
    QList<Nutriente> lista;
    if (!almacen::baseAbierta())
        return lista;
    const QSqlRecord total = almacen::base().record(QStringLiteral("total"));
    const almacen::Consulta dris = almacen::consultar(
        QStringLiteral("select key, name, unit from DRIs where key<>'Empty' order by sorting"));
    QList<Nutriente> conReferencia;
    for (const QVariantList& f : dris.filas) {
        const QString clave = f.value(0).toString();
        if (total.contains(clave) && !almacen::identificador(clave).isEmpty())
            conReferencia << Nutriente{clave, f.value(1).toString(), f.value(2).toString()};
    }
    for (const char* c : columnasEtiqueta)
        for (const Nutriente& n : std::as_const(conReferencia))
            if (n.columna == QLatin1String(c))
                lista << Nutriente{n.columna, n.nombre, n.unidad, true};
    for (const Nutriente& n : std::as_const(conReferencia))
        if (!n.enEtiqueta && std::none_of(lista.cbegin(), lista.cend(), [&n](const Nutriente& e) {
                return e.columna == n.columna;
            }))
            lista << n;
    for (const Otra& o : otrasColumnas)
        if (total.contains(QLatin1String(o.columna)))
            lista << Nutriente{QLatin1String(o.columna), QLatin1String(o.nombre),
                               QString::fromUtf8(o.unidad)};
    return lista;
}

double AlimentoPropio::pesoPlato() const
{
    if (pesoCocinado)
        return *pesoCocinado;
    double suma = 0;
    for (const Ingrediente& i : ingredientes)
        suma += i.gramos;
    return suma;
}

double porCienGramos(double valor, double gramosRacion)
{
    return gramosRacion > 0 ? valor * 100.0 / gramosRacion : 0;
}

QList<Problema> comprobarValores(const QHash<QString, double>& valores, const QLocale& local)
{
    QList<Problema> problemas;
    for (auto v = valores.cbegin(); v != valores.cend(); ++v)
        if (!std::isfinite(v.value()) || v.value() < 0)
            problemas << rechazo(v.key(),
                                 QT_TRANSLATE_NOOP("propios", "A value cannot be below 0"));
    const auto g = [&valores](const QString& c) { return valores.value(c, 0); };
    const double masa = g(proteina) + g(grasa) + g(carbohidratos) + g(agua) + g(ceniza);
    if (masa > 100)
        problemas << rechazo(carbohidratos,
                             QT_TRANSLATE_NOOP("propios",
                                               "Protein, fat and carbohydrate (with water and ash) "
                                               "come to %1 g in 100 g of the food: at most 100 g"),
                             medidas::numero(masa, local));
    if (g(energia) > 900)
        problemas << rechazo(energia,
                             QT_TRANSLATE_NOOP("propios", "Energy: %1 kcal in 100 g is more than "
                                                          "any food has (pure fat has 900 kcal)"),
                             medidas::numero(g(energia), local));
    // A typo catcher: the energy the macronutrients give, at 4, 9 and 4
    // kcal per g (and 7 for alcohol).
    if (valores.contains(energia) && valores.contains(proteina) && valores.contains(grasa) &&
        valores.contains(carbohidratos) && problemas.isEmpty()) {
        const double calculada =
            4 * g(proteina) + 9 * g(grasa) + 4 * g(carbohidratos) + 7 * g(alcohol);
        if (std::abs(g(energia) - calculada) > 0.2 * calculada && g(energia) + calculada > 0)
            problemas << problema(
                Problema::Pregunta, energia,
                QT_TRANSLATE_NOOP("propios",
                                  "Energy is %1 kcal in 100 g, but protein, fat and carbohydrate "
                                  "give about %2 kcal (4, 9 and 4 kcal per g). Keep %1 kcal?"),
                medidas::numero(g(energia), local), medidas::numero(std::round(calculada), local));
    }
    return problemas;
}

namespace {

QList<Problema> comprobarNombre(const AlimentoPropio& a)
{
    const QString nombre = a.nombre.trimmed();
    if (nombre.isEmpty())
        return {rechazo(QStringLiteral("name"),
                        QT_TRANSLATE_NOOP("propios", "Please, give the food a name"))};
    if (QStringView(nombre).toUcs4().size() > largoNombre)
        return {rechazo(QStringLiteral("name"),
                        QT_TRANSLATE_NOOP("propios", "The name is longer than %1 characters"),
                        QString::number(largoNombre))};
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select 1 from total t inner join own_foods o on o.id=t.id where "
                       "t.description=? collate nocase and t.id<>?"),
        {nombre, a.id});
    if (!c.vacia())
        return {rechazo(QStringLiteral("name"),
                        QT_TRANSLATE_NOOP("propios", "You already have a food called \"%1\""),
                        nombre)};
    return {};
}

QList<Problema> comprobarMedidas(const AlimentoPropio& a, const QLocale& local)
{
    QList<Problema> problemas;
    for (const MedidaPropia& m : a.medidas) {
        if (m.nombre.trimmed().isEmpty())
            problemas << rechazo(QStringLiteral("measures"),
                                 QT_TRANSLATE_NOOP("propios", "Please, give every measure a name"));
        else if (!(m.gramos > 0 && m.gramos <= 100000))
            problemas << rechazo(QStringLiteral("measures"),
                                 QT_TRANSLATE_NOOP("propios", "Measure \"%1\": give its weight in "
                                                              "grams, above 0 and at most %2"),
                                 m.nombre.trimmed(), local.toString(100000));
    }
    return problemas;
}

QList<Problema> comprobarIngredientes(const AlimentoPropio& a)
{
    QList<Problema> problemas;
    const QString campo = QStringLiteral("ingredients");
    if (a.ingredientes.isEmpty())
        problemas << rechazo(
            campo, QT_TRANSLATE_NOOP("propios", "A recipe needs at least one ingredient"));
    for (const Ingrediente& i : a.ingredientes) {
        const almacen::Consulta c = almacen::consultar(
            QStringLiteral("select description from total where id=?"), {i.alimento});
        const QString nombre = c.vacia() ? i.descripcion : c.filas.first().value(0).toString();
        if (c.vacia())
            problemas << rechazo(
                campo, QT_TRANSLATE_NOOP("propios", "\"%1\" is not in the food table any more"),
                nombre);
        else if (!(i.gramos > 0 && i.gramos <= 1e6))
            problemas << rechazo(
                campo, QT_TRANSLATE_NOOP("propios", "\"%1\": give the amount in grams, above 0"),
                nombre);
        else if (formaCiclo(a.id, i.alimento))
            problemas << rechazo(campo,
                                 QT_TRANSLATE_NOOP("propios", "\"%1\" contains this recipe: it "
                                                              "cannot be one of its ingredients"),
                                 nombre);
    }
    if (a.pesoCocinado && !(*a.pesoCocinado > 0 && *a.pesoCocinado <= 1e7))
        problemas << rechazo(
            QStringLiteral("weight"),
            QT_TRANSLATE_NOOP("propios", "The weight of the dish must be above 0 g"));
    if (a.raciones < 0 || a.raciones > 999)
        problemas << rechazo(
            QStringLiteral("servings"),
            QT_TRANSLATE_NOOP("propios", "The number of servings goes from 1 to 999"));
    return problemas;
}

} // namespace

QList<Problema> comprobar(const AlimentoPropio& a, const QLocale& local)
{
    QList<Problema> problemas = comprobarNombre(a);
    if (almacen::consultar(QStringLiteral("select 1 from groups where id=?"), {a.grupo}).vacia())
        problemas << rechazo(QStringLiteral("group"),
                             QT_TRANSLATE_NOOP("propios", "Please, choose a food group"));
    problemas += comprobarMedidas(a, local);
    if (a.receta())
        problemas += comprobarIngredientes(a);
    else
        problemas += comprobarValores(a.valores, local);
    return problemas;
}

Calculo calcularReceta(const QList<ValoresIngrediente>& ingredientes, double peso,
                       const QStringList& columnas)
{
    Calculo c;
    if (!(peso > 0))
        return c;
    for (const QString& columna : columnas) {
        double suma = 0;
        int conocidos = 0;
        int faltan = 0;
        for (const ValoresIngrediente& i : ingredientes) {
            const auto v = i.valores.constFind(columna);
            if (v == i.valores.cend()) {
                ++faltan;
                continue;
            }
            ++conocidos;
            suma += v.value() * i.gramos / 100.0;
            if (i.inciertos.contains(columna))
                ++faltan;
        }
        if (conocidos == 0)
            continue;
        c.valores.insert(columna, cuatroCifras(suma / peso * 100.0));
        if (faltan > 0)
            c.desconocidos.insert(columna, faltan);
    }
    return c;
}

bool disponibles()
{
    return almacen::hayTabla(QStringLiteral("own_foods"));
}

bool esPropio(qint64 alimento)
{
    return alimento >= almacen::primerPropio && disponibles() &&
           !almacen::consultar(QStringLiteral("select 1 from own_foods where id=?"), {alimento})
                .vacia();
}

QSet<qint64> idsPropios()
{
    QSet<qint64> ids;
    if (!disponibles())
        return ids;
    for (const QVariantList& f :
         almacen::consultar(QStringLiteral("select id from own_foods")).filas)
        ids.insert(f.value(0).toLongLong());
    return ids;
}

almacen::Consulta lista()
{
    QStringList conocidos;
    for (const Nutriente& n : nutrientes())
        conocidos << QStringLiteral("(t.%1 is not null)").arg(almacen::identificador(n.columna));
    return almacen::consultar(
        QStringLiteral("select t.id, t.description, o.kind, g.name, o.cooked_weight, (select "
                       "count(*) from own_ingredients i where i.recipe_id=t.id), %1 from "
                       "own_foods o inner join total t on t.id=o.id left join groups g on "
                       "g.id=t.group_id order by t.description collate nocase")
            .arg(conocidos.isEmpty() ? QStringLiteral("0")
                                     : conocidos.join(QStringLiteral(" + "))));
}

namespace {

// The values of the columns read from `fila` from position `desde` on.
QHash<QString, double> valoresDeFila(const QVariantList& fila, int desde,
                                     const QStringList& columnas)
{
    QHash<QString, double> valores;
    for (int i = 0; i < columnas.size(); ++i) {
        const QVariant v = fila.value(desde + i);
        if (!v.isNull())
            valores.insert(columnas.at(i), v.toDouble());
    }
    return valores;
}

bool leerPartes(AlimentoPropio& a, QString* fallo)
{
    const almacen::Consulta m = almacen::consultar(
        QStringLiteral("select name, grams / amount from measures where food_id=? and seq>0 "
                       "order by seq"),
        {a.id});
    const almacen::Consulta i = almacen::consultar(
        QStringLiteral("select i.food_id, i.grams, i.measure, t.description from "
                       "own_ingredients i left join total t on t.id=i.food_id where "
                       "i.recipe_id=? order by i.seq"),
        {a.id});
    for (const almacen::Consulta* c : {&m, &i})
        if (!c->ok) {
            *fallo = c->entradaLog(QStringLiteral("leer (own food) -> "));
            return false;
        }
    for (const QVariantList& f : m.filas)
        a.medidas << MedidaPropia{f.value(0).toString(), f.value(1).toDouble()};
    for (const QVariantList& f : i.filas)
        a.ingredientes << Ingrediente{f.value(0).toLongLong(), f.value(1).toDouble(),
                                      f.value(2).toString(), f.value(3).toString()};
    a.desconocidos = desconocidos(a.id);
    return true;
}

} // namespace

std::optional<AlimentoPropio> leer(qint64 id, QString* fallo)
{
    const QStringList columnas = columnasDe(nutrientes());
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select t.description, t.group_id, o.kind, o.cooked_weight, o.servings, "
                       "%1 from own_foods o inner join total t on t.id=o.id where o.id=?")
            .arg(lectura(columnas, QStringLiteral("t."))),
        {id});
    if (!c.ok)
        *fallo = c.entradaLog(QStringLiteral("leer (own food) -> "));
    if (c.vacia())
        return std::nullopt;
    const QVariantList& f = c.filas.first();
    AlimentoPropio a;
    a.id = id;
    a.nombre = f.value(0).toString();
    a.grupo = f.value(1).toString();
    a.tipo = f.value(2).toInt() == 1 ? Tipo::Receta : Tipo::Alimento;
    if (!f.value(3).isNull())
        a.pesoCocinado = f.value(3).toDouble();
    a.raciones = f.value(4).toInt();
    a.valores = valoresDeFila(f, 5, columnas);
    if (!leerPartes(a, fallo))
        return std::nullopt;
    return a;
}

std::optional<AlimentoPropio> copiaDe(qint64 alimento, QString* fallo)
{
    if (esPropio(alimento)) {
        std::optional<AlimentoPropio> a = leer(alimento, fallo);
        if (a) {
            a->id = 0;
            a->nombre =
                (a->nombre + QCoreApplication::translate("propios", " (copy)")).left(largoNombre);
            a->desconocidos.clear();
        }
        return a;
    }
    const QStringList columnas = columnasDe(nutrientes());
    const almacen::Consulta c =
        almacen::consultar(QStringLiteral("select description, %1 from total where id=?")
                               .arg(lectura(columnas, QString())),
                           {alimento});
    if (!c.ok)
        *fallo = c.entradaLog(QStringLiteral("copiaDe (own food) -> "));
    if (c.vacia())
        return std::nullopt;
    AlimentoPropio a;
    a.nombre = c.filas.first().value(0).toString().left(largoNombre);
    a.valores = valoresDeFila(c.filas.first(), 1, columnas);
    for (const medidas::Medida& m : medidas::deAlimento(alimento, fallo))
        a.medidas << MedidaPropia{m.nombre, m.gramosPorUnidad()};
    return a;
}

namespace {

// Recipe -> the foods it is made of, for every recipe.
QMultiHash<qint64, qint64> composicion()
{
    QMultiHash<qint64, qint64> hecha;
    for (const QVariantList& f :
         almacen::consultar(QStringLiteral("select recipe_id, food_id from own_ingredients")).filas)
        hecha.insert(f.value(0).toLongLong(), f.value(1).toLongLong());
    return hecha;
}

// Every recipe that has `alimento` in it through any chain, each after the
// recipes it is made of.
QList<qint64> recetasAfectadas(qint64 alimento)
{
    const QMultiHash<qint64, qint64> hecha = composicion();
    QMultiHash<qint64, qint64> usadoEn;
    for (auto i = hecha.cbegin(); i != hecha.cend(); ++i)
        usadoEn.insert(i.value(), i.key());
    QSet<qint64> afectadas;
    QList<qint64> pendientes{alimento};
    while (!pendientes.isEmpty())
        for (const qint64 r : usadoEn.values(pendientes.takeLast()))
            if (!afectadas.contains(r)) {
                afectadas.insert(r);
                pendientes << r;
            }
    QList<qint64> orden;
    QSet<qint64> vistas;
    const std::function<void(qint64)> visitar = [&](qint64 r) {
        if (vistas.contains(r))
            return;
        vistas.insert(r);
        for (const qint64 i : hecha.values(r))
            if (afectadas.contains(i))
                visitar(i);
        orden << r;
    };
    QList<qint64> todas(afectadas.cbegin(), afectadas.cend());
    std::sort(todas.begin(), todas.end());
    for (const qint64 r : std::as_const(todas))
        visitar(r);
    return orden;
}

// Writes the values of `columnas` of food `id`.
bool escribirValores(QSqlQuery& q, qint64 id, const QStringList& columnas,
                     const QHash<QString, double>& valores)
{
    QStringList asignaciones;
    QVariantList datos;
    for (const QString& c : columnas) {
        asignaciones << almacen::identificador(c) + QStringLiteral("=?");
        datos << (valores.contains(c) ? QVariant(valores.value(c)) : nulo());
    }
    datos << id;
    return correr(q,
                  QStringLiteral("update total set %1 where id=?")
                      .arg(asignaciones.join(QStringLiteral(", "))),
                  datos);
}

// Computes recipe `receta` again from its ingredients as stored.
bool recalcular(QSqlQuery& q, qint64 receta, const QStringList& columnas)
{
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select i.food_id, i.grams, %1 from own_ingredients i inner join total t "
                       "on t.id=i.food_id where i.recipe_id=? order by i.seq")
            .arg(lectura(columnas, QStringLiteral("t."))),
        {receta});
    const almacen::Consulta peso = almacen::consultar(
        QStringLiteral("select coalesce(cooked_weight, (select sum(grams) from own_ingredients "
                       "where recipe_id=?)) from own_foods where id=?"),
        {receta, receta});
    if (!c.ok || !peso.ok)
        return false;
    QList<ValoresIngrediente> ingredientes;
    for (const QVariantList& f : c.filas) {
        ValoresIngrediente v{f.value(1).toDouble(), valoresDeFila(f, 2, columnas), {}};
        const QList<QString> inciertos = desconocidos(f.value(0).toLongLong()).keys();
        v.inciertos = QSet<QString>(inciertos.cbegin(), inciertos.cend());
        ingredientes << v;
    }
    const double gramos = peso.vacia() ? 0 : peso.filas.first().value(0).toDouble();
    const Calculo calculo = calcularReceta(ingredientes, gramos, columnas);
    if (!escribirValores(q, receta, columnas, calculo.valores) ||
        !correr(q, QStringLiteral("delete from own_unknown where food_id=?"), {receta}))
        return false;
    for (auto d = calculo.desconocidos.cbegin(); d != calculo.desconocidos.cend(); ++d)
        if (!correr(q,
                    QStringLiteral("insert into own_unknown (food_id, nutrient, ingredients) "
                                   "values (?, ?, ?)"),
                    {receta, d.key(), d.value()}))
            return false;
    return true;
}

qint64 nuevoId()
{
    const almacen::Consulta c = almacen::consultar(QStringLiteral("select max(id) from own_foods"));
    const qint64 mayor = c.vacia() ? 0 : c.filas.first().value(0).toLongLong();
    return std::max(mayor + 1, almacen::primerPropio);
}

// The rows of the food itself: `total`, `own_foods`, its measures and
// ingredients.
bool escribirFilas(QSqlQuery& q, qint64 id, const AlimentoPropio& a, const QStringList& columnas)
{
    const QVariant peso = a.pesoCocinado ? QVariant(*a.pesoCocinado) : nulo();
    const QVariant raciones = a.raciones > 0 ? QVariant(a.raciones) : QVariant();
    if (!correr(q,
                QStringLiteral("insert or ignore into total (id, description, group_id) values "
                               "(?, ?, ?)"),
                {id, a.nombre.trimmed(), a.grupo}) ||
        !correr(q, QStringLiteral("update total set description=?, group_id=? where id=?"),
                {a.nombre.trimmed(), a.grupo, id}) ||
        !correr(q,
                QStringLiteral("insert or replace into own_foods (id, kind, cooked_weight, "
                               "servings) values (?, ?, ?, ?)"),
                {id, int(a.tipo), peso, raciones}) ||
        !escribirValores(q, id, columnas, a.receta() ? QHash<QString, double>() : a.valores) ||
        !correr(q, QStringLiteral("delete from measures where food_id=?"), {id}) ||
        !correr(q, QStringLiteral("delete from own_ingredients where recipe_id=?"), {id}) ||
        !correr(q, QStringLiteral("delete from own_unknown where food_id=?"), {id}))
        return false;
    int seq = 0;
    const QString medida = QStringLiteral(
        "insert into measures (food_id, seq, amount, name, grams) values (?, ?, 1, ?, ?)");
    // A recipe's serving comes first, numbered 0: it is made, not typed.
    if (a.receta() && a.raciones > 0 &&
        !correr(q, medida, {id, 0, nombreRacion, a.pesoPlato() / a.raciones}))
        return false;
    for (const MedidaPropia& m : a.medidas)
        if (!correr(q, medida, {id, ++seq, m.nombre.trimmed(), m.gramos}))
            return false;
    seq = 0;
    for (const Ingrediente& i : a.receta() ? a.ingredientes : QList<Ingrediente>())
        if (!correr(q,
                    QStringLiteral("insert into own_ingredients (recipe_id, seq, food_id, "
                                   "grams, measure) values (?, ?, ?, ?, ?)"),
                    {id, ++seq, i.alimento, i.gramos,
                     i.medida.isEmpty() ? QVariant(QMetaType::fromType<QString>())
                                        : QVariant(i.medida)}))
            return false;
    return true;
}

} // namespace

qint64 escribir(const AlimentoPropio& a)
{
    // Only the user's own rows are ever written here, never a USDA food.
    if (a.id > 0 && a.id < almacen::primerPropio)
        return 0;
    const QStringList columnas = columnasDe(nutrientes());
    const qint64 id = a.id > 0 ? a.id : nuevoId();
    QSqlQuery q(almacen::base());
    if (!escribirFilas(q, id, a, columnas) || (a.receta() && !recalcular(q, id, columnas)))
        return 0;
    for (const qint64 r : recetasAfectadas(id))
        if (!recalcular(q, r, columnas))
            return 0;
    return id;
}

qint64 guardar(const AlimentoPropio& a, QString* fallo)
{
    if (!disponibles()) {
        *fallo = QCoreApplication::translate("propios", "The database has no tables for own foods");
        return 0;
    }
    almacen::Ocupado ocupado;
    qint64 id = 0;
    const bool hecho = almacen::enTransaccion([&] { return (id = escribir(a)) > 0; }, fallo);
    if (!hecho && fallo->isEmpty())
        *fallo = QCoreApplication::translate("propios",
                                             "The database refused the food (see errors.log)");
    return hecho ? id : 0;
}

qint64 idDeNombre(const QString& nombre)
{
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select t.id from total t inner join own_foods o on o.id=t.id where "
                       "t.description=? collate nocase"),
        {nombre.trimmed()});
    return c.vacia() ? 0 : c.filas.first().value(0).toLongLong();
}

namespace {

// The first column of the rows of `sentencia` for the food.
QStringList nombresDe(const char* sentencia, qint64 alimento)
{
    QStringList nombres;
    for (const QVariantList& f : almacen::consultar(QLatin1String(sentencia), {alimento}).filas)
        nombres << f.value(0).toString();
    return nombres;
}

} // namespace

QStringList perfilesQueLoUsan(qint64 alimento)
{
    return nombresDe("select distinct p.name from saves s inner join profiles p on "
                     "p.id=s.prof_id where s.food_id=? order by p.name",
                     alimento);
}

QStringList recetasQueLoUsan(qint64 alimento)
{
    return nombresDe("select distinct t.description from own_ingredients i inner join total t "
                     "on t.id=i.recipe_id where i.food_id=? order by t.description",
                     alimento);
}

bool quitar(qint64 id, QString* fallo)
{
    if (!esPropio(id)) {
        *fallo = QStringLiteral("Only your own foods can be removed");
        return false;
    }
    const QStringList recetas = recetasQueLoUsan(id);
    if (!recetas.isEmpty()) {
        *fallo = QCoreApplication::translate(
                     "propios", "It is an ingredient of %1. Take it out of those recipes first.")
                     .arg(recetas.join(QStringLiteral(", ")));
        return false;
    }
    almacen::Ocupado ocupado;
    return almacen::enTransaccion(
        [id] {
            QSqlQuery q(almacen::base());
            for (const char* sentencia :
                 {"delete from saves where food_id=?", "delete from measures where food_id=?",
                  "delete from own_ingredients where recipe_id=?",
                  "delete from own_unknown where food_id=?", "delete from own_foods where id=?",
                  "delete from total where id=?"})
                if (!correr(q, QLatin1String(sentencia), {id}))
                    return false;
            return true;
        },
        fallo);
}

bool formaCiclo(qint64 receta, qint64 ingrediente)
{
    if (ingrediente == receta)
        return true;
    if (receta <= 0)
        return false;
    // Whether the ingredient has the recipe in it, through any chain.
    const QMultiHash<qint64, qint64> hecha = composicion();
    QSet<qint64> vistos;
    QList<qint64> pendientes{ingrediente};
    while (!pendientes.isEmpty()) {
        const qint64 a = pendientes.takeLast();
        if (a == receta)
            return true;
        if (vistos.contains(a))
            continue;
        vistos.insert(a);
        pendientes += hecha.values(a);
    }
    return false;
}

QString lineaFicha(qint64 alimento, const QLocale& local)
{
    if (alimento < almacen::primerPropio || !disponibles())
        return QString();
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select kind, coalesce(cooked_weight, (select sum(grams) from "
                       "own_ingredients where recipe_id=o.id)), (select count(*) from "
                       "own_ingredients where recipe_id=o.id) from own_foods o where id=?"),
        {alimento});
    if (c.vacia())
        return QString();
    const QVariantList& f = c.filas.first();
    if (f.value(0).toInt() != 1)
        return QCoreApplication::translate("propios", "Own food");
    const int n = f.value(2).toInt();
    return (n == 1 ? QCoreApplication::translate("propios", "Recipe: %1 ingredient, %2 g")
                   : QCoreApplication::translate("propios", "Recipe: %1 ingredients, %2 g"))
        .arg(local.toString(n), local.toString(qRound64(f.value(1).toDouble())));
}

QHash<QString, int> desconocidos(qint64 alimento, int* ingredientes)
{
    QHash<QString, int> d;
    if (alimento < almacen::primerPropio || !disponibles())
        return d;
    for (const QVariantList& f :
         almacen::consultar(
             QStringLiteral("select nutrient, ingredients from own_unknown where food_id=?"),
             {alimento})
             .filas)
        d.insert(f.value(0).toString(), f.value(1).toInt());
    if (ingredientes)
        *ingredientes =
            almacen::consultar(
                QStringLiteral("select count(*) from own_ingredients where recipe_id=?"),
                {alimento})
                .filas.value(0)
                .value(0)
                .toInt();
    return d;
}

} // namespace propios
