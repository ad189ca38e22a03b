#include "evaluation/resultados.h"

#include "storage/basedatos.h"
#include "storage/registro.h"

#include <QLocale>
#include <QSet>
#include <QSqlRecord>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// How the reference value of a nutrient for the current group can be used.
enum class Referencia {
    Valida,  // a number other than 0
    Ausente, // not determined for the group (null) or 0: there is nothing to divide by
    Fallida  // the lookup cannot be made, or the cell holds no number
};

Referencia referencia(const ValoresRecomendados& valores, const PerfilActual& perfil,
                      const QString& clave, double* valor, QString* fallo)
{
    bool ok = false;
    const QVariant v = valorRecomendado(valores, perfil, clave, &ok);
    if (!ok) {
        *fallo = QStringLiteral("The reference value of \"%1\" cannot be looked up for the "
                                "current age and sex group")
                     .arg(clave);
        return Referencia::Fallida;
    }
    if (v.isNull())
        return Referencia::Ausente;
    bool esNumero = false;
    *valor = v.toDouble(&esNumero);
    if (!esNumero) {
        *fallo = QStringLiteral("The reference value of \"%1\" is not a number: %2")
                     .arg(clave, v.toString());
        return Referencia::Fallida;
    }
    return *valor == 0.0 ? Referencia::Ausente : Referencia::Valida;
}

// A fixed-point amount with four decimal places, as the energy total adds them.
double cuatroDecimales(double valor)
{
    return std::round(valor * 10000.0) / 10000.0;
}

const QString claveProteina = QStringLiteral("Protein");

// The energy sources with the kilocalories of one gram of each.
const struct
{
    const char* clave;
    double kcalPorGramo;
} fuentesEnergia[] = {
    {"Carbohydrate", 4.0},
    {"Sugars_total", 4.0},
    {"Total_Lipid", 9.0},
    {"Fatty_acids_total_saturated", 9.0},
};

// The energy of the week in kilocalories, from the three sources that
// provide it.
double energiaSemana(const QHash<QString, double>& cantidades)
{
    return 4.0 * cuatroDecimales(cantidades.value(claveProteina)) +
           9.0 * cuatroDecimales(cantidades.value(QStringLiteral("Total_Lipid"))) +
           4.0 * cuatroDecimales(cantidades.value(QStringLiteral("Carbohydrate")));
}

// The acceptable range of a source's share of the energy, in percent, for an
// age group: carbohydrate and fat from one year on; none for infants or for
// other nutrients.
std::optional<std::pair<double, double>> intervaloAceptable(const QString& clave, qint64 edad)
{
    if (edad < 2)
        return std::nullopt;
    if (clave == QLatin1String("Carbohydrate"))
        return std::pair(45.0, 65.0);
    if (clave == QLatin1String("Total_Lipid")) {
        if (edad == 2) // 1 - 3 years
            return std::pair(30.0, 40.0);
        if (edad <= 5) // 4 - 18 years
            return std::pair(25.0, 35.0);
        return std::pair(20.0, 35.0);
    }
    return std::nullopt;
}

bool esTecho(const QString& clave)
{
    return clave == QLatin1String("Fatty_acids_total_saturated");
}

} // namespace

double kcalPorGramo(const QString& clave)
{
    for (const auto& fuente : fuentesEnergia)
        if (clave == QLatin1String(fuente.clave))
            return fuente.kcalPorGramo;
    return 0.0;
}

double redondearDosDecimales(double valor)
{
    if (!std::isfinite(valor))
        return valor;
    // The shortest decimal text of the number is what the user would read, so
    // the half is judged on its digits rather than on the binary value.
    const QString texto = QString::number(std::fabs(valor), 'f', QLocale::FloatingPointShortest);
    const int punto = texto.indexOf(QLatin1Char('.'));
    if (punto < 0 || texto.size() - punto - 1 <= 2 || punto > 15)
        return valor;
    const QString decimales = texto.mid(punto + 1);
    qint64 centesimas = (texto.left(punto) + decimales.left(2)).toLongLong();
    const QString resto = decimales.mid(2);
    bool subir = false;
    if (resto.at(0) > QLatin1Char('5'))
        subir = true;
    else if (resto.at(0) == QLatin1Char('5'))
        // The shortest text has no trailing zeros: any digit after the 5 is
        // above the half.
        subir = resto.size() > 1 || centesimas % 2 != 0;
    if (subir)
        ++centesimas;
    const double redondeado = double(centesimas) / 100.0;
    return valor < 0 ? -redondeado : redondeado;
}

namespace {

// The composed statement of the week's totals: for each nutrient its sum and
// its sum against the reference, then the further columns' sums.
struct SentenciaTotales
{
    QStringList externas;
    QStringList internas;
    QVariantList referencias;
    QStringList incluidas; // the nutrients, in the order of their pairs
    QSet<QString> sinReferencia;
    QStringList otras; // the further columns, after the pairs
    QString fallo;

    SentenciaTotales(const PerfilActual& perfil, const ValoresRecomendados& valores,
                     const QStringList& otrasColumnas)
    {
        QStringList rechazadas;
        for (const auto& [clave, columna] : valores.columnas(&rechazadas)) {
            const QString cantidad = QStringLiteral("cant_") + clave;
            internas << QStringLiteral("t.%1 * s.intake / 100.0 as %2").arg(columna, cantidad);
            // SQLite cannot refer to the alias of the sum within the same
            // select list, so the sum is written again for the percentage.
            externas << QStringLiteral("sum(%1) as cantsum_%2").arg(cantidad, clave);
            double valor = 0.0;
            if (referencia(valores, perfil, clave, &valor, &fallo) == Referencia::Valida) {
                externas << QStringLiteral("sum(%1) * 100 / ? as recomsum_%2").arg(cantidad, clave);
                referencias << valor;
            } else {
                externas << QStringLiteral("null as recomsum_%1").arg(clave);
                sinReferencia.insert(clave);
            }
            incluidas << clave;
        }
        for (const QString& otra : otrasColumnas) {
            const QString columna = almacen::identificador(otra);
            if (columna.isEmpty() || incluidas.contains(otra) || otras.contains(otra))
                continue;
            internas << QStringLiteral("t.%1 * s.intake / 100.0 as cant_%2").arg(columna, otra);
            externas << QStringLiteral("sum(cant_%1) as cantsum_%1").arg(otra);
            otras << otra;
        }
        if (!rechazadas.isEmpty())
            fallo = QStringLiteral("The nutrient key \"%1\" is not a column name")
                        .arg(rechazadas.last());
    }

    QString texto() const
    {
        return QStringLiteral("select ") + externas.join(QStringLiteral(", ")) +
               QStringLiteral(" from (select ") + internas.join(QStringLiteral(", ")) +
               QStringLiteral(" from total t inner join saves s on t.id=s.food_id where "
                              "s.intake>0 and prof_id=?)");
    }

    // The totals of the statement's one row.
    void leer(const QVariantList& fila, Evaluacion& evaluacion) const
    {
        const auto numero = [](const QVariant& v) {
            return v.isNull() || v.toString().isEmpty() ? 0.0 : v.toDouble();
        };
        const int pares = int(incluidas.size());
        for (int j = 0; j < otras.size() && 2 * pares + j < fila.size(); ++j)
            evaluacion.otrasCantidades.insert(otras.at(j), numero(fila.at(2 * pares + j)));
        for (int i = 0; i < pares && 2 * i + 1 < fila.size(); ++i) {
            const QString& clave = incluidas.at(i);
            evaluacion.cantidadesIngeridas.insert(clave, numero(fila.at(2 * i)));
            // The statement gives the week against the daily reference.
            evaluacion.porcentajesRecomendacion.insert(
                clave, sinReferencia.contains(clave)
                           ? std::nullopt
                           : std::optional<double>(numero(fila.at(2 * i + 1)) / 7.0));
        }
    }
};

} // namespace

Evaluacion extraerResultados(const PerfilActual& perfil, const ValoresRecomendados& valores,
                             const QStringList& otrasColumnas)
{
    Evaluacion evaluacion;
    const SentenciaTotales s(perfil, valores, otrasColumnas);
    // A statement that cannot be formed is not run: the log says what was
    // missing instead.
    const Dato& idPerfil = perfil.idPerfil;
    if (s.incluidas.isEmpty() || !idPerfil.tieneValor()) {
        escribirLog(QStringLiteral("extraerResultados() -> ") +
                    (s.incluidas.isEmpty() ? QStringLiteral("There are no reference values")
                                           : QStringLiteral("There is no current profile")));
        return evaluacion;
    }
    const almacen::Consulta c =
        almacen::consultar(s.texto(), s.referencias + QVariantList{idPerfil.entero()});
    const QString fallo = c.ok ? s.fallo : c.error;
    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("extraerResultados() -> ") + conSentencia(fallo, c.sentencia));
    if (c.ok && !c.vacia())
        s.leer(c.filas.first(), evaluacion);
    return evaluacion;
}

void calcularGeneral(Evaluacion& evaluacion, const PerfilActual& perfil,
                     const ValoresRecomendados& valores)
{
    QString fallo;
    const Dato& peso = perfil.peso;
    const QHash<QString, double>& cantidades = evaluacion.cantidadesIngeridas;
    QHash<QString, std::optional<double>>& porcentajes = evaluacion.porcentajesRecomendacion;

    if (valores.contiene(claveProteina)) {
        double valor = 0.0;
        if (referencia(valores, perfil, claveProteina, &valor, &fallo) != Referencia::Valida)
            porcentajes.insert(claveProteina, std::nullopt);
        else if (peso.numero() > 0)
            porcentajes.insert(claveProteina, cantidades.value(claveProteina) * 100.0 /
                                                  (valor * peso.numero()) / 7.0);
        else
            porcentajes.insert(claveProteina, 0.0);
    }

    const double energia = energiaSemana(cantidades);
    for (const auto& fuente : fuentesEnergia) {
        const QString clave = QLatin1String(fuente.clave);
        if (!valores.contiene(clave))
            continue;
        double valor = 0.0;
        if (referencia(valores, perfil, clave, &valor, &fallo) != Referencia::Valida) {
            porcentajes.insert(clave, std::nullopt);
        } else if (energia == 0.0) {
            porcentajes.insert(clave, 0.0);
        } else {
            // The share of the energy in percent, against the share the
            // reference asks for.
            const double parte = fuente.kcalPorGramo * cantidades.value(clave) / energia;
            porcentajes.insert(clave, parte * 100.0 * 100.0 / valor);
        }
    }

    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("calcularGeneral() -> ") + fallo);
}

namespace {

Veredicto veredictoDe(adecuacion::Banda banda)
{
    using adecuacion::Banda;
    switch (banda) {
    case Banda::SobreLimite:
    case Banda::SobreCdrr:
        return Veredicto::Exceso;
    case Banda::ProbablementeInadecuada:
        return Veredicto::Atencion;
    case Banda::PosiblementeInadecuada:
        return Veredicto::AtencionLeve;
    case Banda::ProbablementeAdecuada:
        return Veredicto::Correcto;
    case Banda::NoJuzgable:
        return Veredicto::NoJuzgable;
    case Banda::SinReferencia:
        break;
    }
    return Veredicto::SinJuicio;
}

// A nutrient judged by its requirement, adequate intake and upper limit.
void juzgarAdecuacion(Juicio& j, const QString& clave)
{
    adecuacion::Entrada e;
    e.diario = j.diaria;
    e.ear = j.requerimiento;
    // A reference of 0 judges nothing.
    if (j.referencia && *j.referencia > 0)
        e.referencia = j.referencia;
    else
        e.ear.reset();
    e.limite = j.limite;
    e.comparada = j.comparada;
    e.cdrr = j.aplica == Aplicacion::Cdrr;
    // Iron's requirement is skewed (children, women who menstruate): no
    // normal curve gives its chance.
    e.sesgado = j.sesgado = clave == QLatin1String("Iron_Fe");
    const adecuacion::Juicio a = adecuacion::juzgar(e);
    j.banda = a.banda;
    j.probabilidad = a.probabilidad;
    j.veredicto = veredictoDe(a.banda);
    switch (a.banda) {
    case adecuacion::Banda::SobreLimite:
    case adecuacion::Banda::SobreCdrr:
        j.regla = Regla::Limite;
        break;
    case adecuacion::Banda::SinReferencia:
        j.regla = Regla::Ninguna;
        break;
    default:
        j.regla = e.ear ? Regla::Requerimiento : Regla::IngestaAdecuada;
    }
}

} // namespace

namespace {

// The daily amount of a nutrient beside the group's reference, average
// requirement and upper limit, as the evaluation uses them.
Juicio valoresDelJuicio(const Evaluacion& evaluacion, const PerfilActual& perfil,
                        const ValoresRecomendados& valores, const LimitesSuperiores& limites,
                        const Requerimientos& requerimientos, const QString& clave)
{
    Juicio j;
    j.diaria = evaluacion.cantidadesIngeridas.value(clave) / 7.0;
    const double peso = perfil.peso.numero();
    double valor = 0.0;
    QString sinUso;
    if (referencia(valores, perfil, clave, &valor, &sinUso) == Referencia::Valida)
        j.referencia = clave == claveProteina ? valor * peso : valor;
    j.referenciaEnPorcentaje = kcalPorGramo(clave) > 0;
    QVariant entregada;
    if (referenciaEditada(valores, perfil, clave, &entregada)) {
        j.referenciaEditada = true;
        bool esNumero = false;
        const double v = entregada.toDouble(&esNumero);
        if (!entregada.isNull() && esNumero)
            j.referenciaEntregada = clave == claveProteina ? v * peso : v;
    }
    if (const auto r = requerimientos.constFind(clave); r != requerimientos.constEnd()) {
        j.requerimiento = r->valor;
        j.requerimientoEditado = r->editado;
        j.requerimientoEntregado = r->entregado;
    }
    const auto l = limites.constFind(clave);
    if (l == limites.constEnd())
        return j;
    // What the limit applies to is also that of the delivered one.
    j.aplica = l->aplica;
    j.limiteEditado = l->editado;
    j.limiteEntregado = l->entregado;
    if (!l->valor)
        return j;
    j.limite = l->valor;
    if (l->aplica == Aplicacion::Retinol) {
        const auto r =
            evaluacion.otrasCantidades.constFind(columnaComparada(clave, Aplicacion::Retinol));
        if (r != evaluacion.otrasCantidades.constEnd())
            j.comparada = *r / 7.0;
    } else if (l->aplica != Aplicacion::Suplementos) {
        j.comparada = j.diaria;
    }
    return j;
}

// An energy source, judged on its share of the week's energy.
void juzgarFuenteEnergia(Juicio& j, const QString& clave, double semana, double energia,
                         qint64 edad)
{
    if (energia > 0)
        j.parteEnergia = kcalPorGramo(clave) * semana * 100.0 / energia;
    const double parte = j.parteEnergia.value_or(0.0);
    if (clave == QLatin1String("Sugars_total")) {
        // The 10 % of the energy is the guidance for added sugars; the
        // table's total sugars count milk's and fruit's too.
        j.regla = Regla::AzucaresTotales;
    } else if (esTecho(clave)) {
        if (j.referencia) {
            j.regla = Regla::Techo;
            j.veredicto = parte > *j.referencia ? Veredicto::Exceso : Veredicto::Correcto;
        }
    } else if (const auto intervalo = intervaloAceptable(clave, edad)) {
        j.regla = Regla::Intervalo;
        j.intervalo = intervalo;
        j.veredicto = parte >= intervalo->first && parte <= intervalo->second ? Veredicto::Correcto
                                                                              : Veredicto::Atencion;
    } else if (j.referencia) {
        j.regla = Regla::SinIntervalo;
    }
}

} // namespace

void juzgar(Evaluacion& evaluacion, const PerfilActual& perfil, const ValoresRecomendados& valores,
            const LimitesSuperiores& limites, const Requerimientos& requerimientos)
{
    evaluacion.juicios.clear();
    const double energia = energiaSemana(evaluacion.cantidadesIngeridas);
    for (const QString& clave : valores.claves()) {
        Juicio j = valoresDelJuicio(evaluacion, perfil, valores, limites, requerimientos, clave);
        if (kcalPorGramo(clave) > 0) {
            juzgarFuenteEnergia(j, clave, evaluacion.cantidadesIngeridas.value(clave), energia,
                                perfil.edad.entero());
        } else if (clave == QLatin1String("Energy")) {
            const std::optional<double> porcentaje =
                evaluacion.porcentajesRecomendacion.value(clave, std::nullopt);
            if (porcentaje) {
                j.regla = Regla::Energia;
                j.veredicto = *porcentaje >= 90.0 && *porcentaje <= 110.0 ? Veredicto::Correcto
                                                                          : Veredicto::Atencion;
            }
        } else {
            juzgarAdecuacion(j, clave);
        }
        evaluacion.juicios.insert(clave, j);
    }
}

Evaluacion evaluar(const PerfilActual& perfil, const ValoresRecomendados& valores,
                   const LimitesSuperiores& limites, const Requerimientos& requerimientos)
{
    // The columns some limits are set against, where the food table has them.
    QStringList otras;
    for (auto l = limites.cbegin(); l != limites.cend(); ++l) {
        const QString columna = columnaComparada(l.key(), l->aplica);
        if (columna != l.key() && !otras.contains(columna) && almacen::baseAbierta() &&
            almacen::base().record(QStringLiteral("total")).contains(columna))
            otras << columna;
    }
    Evaluacion evaluacion = extraerResultados(perfil, valores, otras);
    calcularGeneral(evaluacion, perfil, valores);
    juzgar(evaluacion, perfil, valores, limites, requerimientos);
    contarDesconocidos(evaluacion, perfil, valores);
    return evaluacion;
}

namespace {

// Counts one food of unknown value; the list keeps the ones of most grams.
void anotarDesconocido(Desconocidos& d, const QString& alimento, double gramos)
{
    ++d.alimentos;
    d.gramos += gramos;
    if (d.lista.size() == Desconocidos::nombrados && gramos <= d.lista.last().second)
        return;
    d.lista.append({alimento, gramos});
    std::stable_sort(d.lista.begin(), d.lista.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    d.lista = d.lista.mid(0, Desconocidos::nombrados);
}

// A recipe with an ingredient of unknown value knows that value only in
// part: the food counts among the unknown ones for it, as a food without
// the value does.
void contarIncompletos(Evaluacion& evaluacion, const PerfilActual& perfil,
                       const QList<QPair<QString, QString>>& columnas)
{
    if (!almacen::hayTabla(QStringLiteral("own_unknown")))
        return;
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select t.description, s.intake, u.nutrient from own_unknown u inner join "
                       "saves s on s.food_id=u.food_id inner join total t on t.id=u.food_id "
                       "where s.intake>0 and s.prof_id=? order by s.intake desc, t.description"),
        {perfil.idPerfil.entero()});
    if (!c.ok) {
        escribirLog(c.entradaLog(QStringLiteral("contarDesconocidos() -> ")));
        return;
    }
    for (const QVariantList& fila : c.filas) {
        const QString columna = fila.value(2).toString();
        for (const QPair<QString, QString>& c : columnas)
            if (c.first == columna)
                anotarDesconocido(evaluacion.desconocidos[c.first], fila.value(0).toString(),
                                  fila.value(1).toDouble());
    }
}

} // namespace

void contarDesconocidos(Evaluacion& evaluacion, const PerfilActual& perfil,
                        const ValoresRecomendados& valores)
{
    QStringList rechazadas;
    const QList<QPair<QString, QString>> columnas = valores.columnas(&rechazadas);
    if (columnas.isEmpty() || !perfil.idPerfil.tieneValor())
        return;
    // One row per food of the week: its grams and which values it lacks,
    // as bits of whole numbers (62 nutrients to each).
    constexpr int porMascara = 62;
    QString sentencia = QStringLiteral("select t.description, s.intake");
    for (int i = 0; i < columnas.size(); ++i) {
        const int bit = i % porMascara;
        sentencia += bit == 0 ? QStringLiteral(", ") : QStringLiteral(" | ");
        sentencia += QStringLiteral("((t.%1 is null) << %2)").arg(columnas.at(i).second).arg(bit);
    }
    sentencia += QStringLiteral(" from saves s inner join total t on t.id=s.food_id where "
                                "s.intake>0 and s.prof_id=? order by s.intake desc, "
                                "t.description");
    const almacen::Consulta c = almacen::consultar(sentencia, {perfil.idPerfil.entero()});
    if (!c.ok) {
        escribirLog(c.entradaLog(QStringLiteral("contarDesconocidos() -> ")));
        return;
    }
    for (const QVariantList& fila : c.filas) {
        const double gramos = fila.value(1).toDouble();
        evaluacion.gramosSemana += gramos;
        for (int i = 0; i < columnas.size(); ++i) {
            const qint64 mascara = fila.value(2 + i / porMascara).toLongLong();
            if (((mascara >> (i % porMascara)) & 1) == 0)
                continue;
            anotarDesconocido(evaluacion.desconocidos[columnas.at(i).first],
                              fila.value(0).toString(), gramos);
        }
    }
    contarIncompletos(evaluacion, perfil, columnas);
}

bool provisional(const Evaluacion& evaluacion, const QString& clave)
{
    const auto d = evaluacion.desconocidos.constFind(clave);
    return d != evaluacion.desconocidos.cend() && evaluacion.gramosSemana > 0 &&
           d->gramos >= 0.1 * evaluacion.gramosSemana;
}
