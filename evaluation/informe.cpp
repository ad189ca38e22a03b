#include "evaluation/informe.h"

#include "catalogue/medidas.h"
#include "evaluation/sesion.h"
#include "profiles/perfiles.h"
#include "storage/archivos.h"
#include "storage/basedatos.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// The report and the results list show their texts translated; the CSV
// files keep them as written here, for the programs that read them.
enum class Idioma { Usuario, Fuente };

QString texto(const char* fuente, Idioma idioma)
{
    return idioma == Idioma::Usuario ? QCoreApplication::translate("informe", fuente)
                                     : QString::fromUtf8(fuente);
}

// A number rounded as the results list rounds it, with at most two
// decimals and no trailing zeros; with a point, or in the user's format when
// `local`.
QString numero(double valor, bool local)
{
    // + 0.0: a negative zero reads "0".
    return medidas::numero(redondearDosDecimales(valor) + 0.0, local ? QLocale() : QLocale::c());
}

QString aplicacion(Aplicacion a, Idioma idioma = Idioma::Usuario)
{
    switch (a) {
    case Aplicacion::Retinol:
        return texto(QT_TRANSLATE_NOOP("informe", "retinol"), idioma);
    case Aplicacion::Cdrr:
        return texto(QT_TRANSLATE_NOOP("informe", "CDRR"), idioma);
    case Aplicacion::Suplementos:
        return texto(QT_TRANSLATE_NOOP("informe", "supplements only"), idioma);
    case Aplicacion::Total:
        break;
    }
    return QString();
}

const Informe::Fila* filaDe(const Informe& informe, const QString& clave)
{
    for (const Informe::Fila& f : informe.filas)
        if (f.clave == clave)
            return &f;
    return nullptr;
}

// A text cell a spreadsheet would take for a formula (or a command) gets a
// leading apostrophe; cells of numbers do not pass through here.
QString textoCsv(const QString& texto)
{
    static const QString arranques = QStringLiteral("=+-@\t\r");
    if (!texto.isEmpty() && arranques.contains(texto.front()))
        return QLatin1Char('\'') + texto;
    return texto;
}

QByteArray csv(const QList<QStringList>& filas)
{
    QByteArray salida("\xEF\xBB\xBF");
    for (const QStringList& fila : filas) {
        QStringList campos;
        for (const QString& c : fila)
            campos << almacen::campoCsv(c);
        salida += campos.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    return salida;
}

} // namespace

QList<AlimentoSemana> alimentosSemana(qint64 perfil, QString* fallo)
{
    const bool conPropios = almacen::hayTabla(QStringLiteral("own_foods"));
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select t.description, s.intake, %1 from saves s inner join total t on "
                       "t.id=s.food_id where s.intake>0 and s.prof_id=? order by s.intake desc, "
                       "t.description")
            .arg(conPropios ? QStringLiteral("(select kind + 1 from own_foods o where o.id=t.id)")
                            : QStringLiteral("null")),
        {perfil});
    QList<AlimentoSemana> alimentos;
    if (!c.ok) {
        if (fallo)
            *fallo = c.error;
        return alimentos;
    }
    for (const QVariantList& fila : c.filas)
        alimentos << AlimentoSemana{fila.value(0).toString(), fila.value(1).toLongLong(),
                                    AlimentoSemana::Origen(fila.value(2).toInt())};
    return alimentos;
}

bool semanaConAlimentos(qint64 perfil, QString* fallo)
{
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select exists (select 1 from saves s inner join total t on "
                       "t.id=s.food_id where s.intake>0 and s.prof_id=?)"),
        {perfil});
    if (!c.ok && fallo)
        *fallo = c.error;
    return !c.vacia() && c.filas.first().value(0).toBool();
}

Informe prepararInforme(const Sesion& sesion, const QStringList& orden, QString* fallo)
{
    Informe informe;
    const PerfilActual& p = sesion.perfilActual;
    informe.fecha = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select name from profiles where id=?"), {p.idPerfil.entero()});
    if (!c.ok && fallo)
        *fallo = c.error;
    informe.nombre = nombreParaMostrar(c.vacia() ? QString() : c.filas.first().value(0).toString());
    const qint64 edad = p.edad.entero();
    const QStringList grupos = gruposEdad();
    if (edad >= 0 && edad < grupos.size())
        informe.grupoEdad = grupos.at(int(edad));
    informe.sexo = p.genero.igualA(0) ? QCoreApplication::translate("informe", "male")
                                      : QCoreApplication::translate("informe", "female");
    informe.peso = p.peso.entero();

    const ValoresRecomendados& valores = sesion.valoresRecomendados;
    const Evaluacion& e = sesion.evaluacion;
    for (const QString& clave : orden.isEmpty() ? valores.claves() : orden) {
        if (!valores.contiene(clave))
            continue;
        const EntradaReferencia& entrada = valores.entrada(clave);
        Informe::Fila f;
        f.clave = clave;
        f.nombre = entrada.nombre;
        f.unidad = entrada.unidad;
        f.semana = e.cantidadesIngeridas.value(clave, 0.0);
        f.porcentaje = e.porcentajesRecomendacion.value(clave, 0.0);
        f.juicio = e.juicios.value(clave);
        f.desconocidos = e.desconocidos.value(clave);
        f.provisional = provisional(e, clave);
        informe.filas << f;
    }
    informe.alimentos = alimentosSemana(p.idPerfil.entero(), fallo);
    return informe;
}

namespace {

QString palabrasJuicio(const Juicio& j, Idioma idioma)
{
    const QString intervalo =
        j.intervalo ? QStringLiteral(" (%1 - %2 %)")
                          .arg(numero(j.intervalo->first, true), numero(j.intervalo->second, true))
                    : QString();
    const double parte = j.parteEnergia.value_or(0.0);
    switch (j.regla) {
    case Regla::Energia: {
        const double p = j.referencia && *j.referencia > 0 ? j.diaria * 100 / *j.referencia : 0;
        return texto(j.veredicto == Veredicto::Correcto
                         ? QT_TRANSLATE_NOOP("informe", "Within 90 - 110 % of the reference")
                         : (p < 90 ? QT_TRANSLATE_NOOP("informe", "Below 90 % of the reference")
                                   : QT_TRANSLATE_NOOP("informe", "Above 110 % of the reference")),
                     idioma);
    }
    case Regla::Intervalo:
        if (j.veredicto == Veredicto::Correcto)
            return texto(QT_TRANSLATE_NOOP("informe", "Within its range"), idioma) + intervalo;
        return texto(parte < j.intervalo->first ? QT_TRANSLATE_NOOP("informe", "Below its range")
                                                : QT_TRANSLATE_NOOP("informe", "Above its range"),
                     idioma) +
               intervalo;
    case Regla::SinIntervalo:
        return texto(QT_TRANSLATE_NOOP("informe", "No range for this age group"), idioma);
    case Regla::Techo:
        return texto(j.veredicto == Veredicto::Exceso
                         ? QT_TRANSLATE_NOOP("informe", "Above its ceiling")
                         : QT_TRANSLATE_NOOP("informe", "Within its ceiling"),
                     idioma);
    case Regla::AzucaresTotales:
        return texto(QT_TRANSLATE_NOOP("informe", "No verdict: total sugars"), idioma);
    case Regla::Requerimiento:
    case Regla::IngestaAdecuada:
    case Regla::Limite:
    case Regla::Ninguna:
        break;
    }
    return idioma == Idioma::Usuario ? adecuacion::palabras(j.banda)
                                     : adecuacion::palabrasFuente(j.banda);
}

QString textoJuicio(const Juicio& j, const Desconocidos& desconocidos, bool provisional,
                    Idioma idioma)
{
    QString t = palabrasJuicio(j, idioma);
    if (j.probabilidad)
        t += QStringLiteral(", ") + adecuacion::textoProbabilidad(*j.probabilidad);
    if (desconocidos.alimentos == 1)
        t += QStringLiteral(", ") + texto(QT_TRANSLATE_NOOP("informe", "1 food unknown"), idioma);
    else if (desconocidos.alimentos > 1)
        t += QStringLiteral(", ") + texto(QT_TRANSLATE_NOOP("informe", "%1 foods unknown"), idioma)
                                        .arg(QLocale().toString(desconocidos.alimentos));
    if (provisional)
        t += QStringLiteral("\u00a0?");
    return t;
}

} // namespace

QString palabrasJuicio(const Juicio& j)
{
    return palabrasJuicio(j, Idioma::Usuario);
}

QString textoJuicio(const Juicio& j, const Desconocidos& desconocidos, bool provisional)
{
    return textoJuicio(j, desconocidos, provisional, Idioma::Usuario);
}

double ordenJuicio(const Juicio& j)
{
    // Band by band, from the likely inadequate to the nothing to judge by;
    // within a band by the chance of meeting the need.
    int banda = 5;
    switch (j.veredicto) {
    case Veredicto::Atencion:
        banda = 0;
        break;
    case Veredicto::AtencionLeve:
        banda = 1;
        break;
    case Veredicto::NoJuzgable:
        banda = 2;
        break;
    case Veredicto::Correcto:
        banda = 3;
        break;
    case Veredicto::Exceso:
        banda = 4;
        break;
    case Veredicto::SinJuicio:
        break;
    }
    return banda + 0.5 * j.probabilidad.value_or(0.0);
}

namespace {

// The rule of a judgement by the average requirement or the adequate intake.
QString explicacionAdecuacion(const Juicio& j)
{
    using adecuacion::Banda;
    QString t;
    switch (j.banda) {
    case Banda::ProbablementeInadecuada:
        t = QCoreApplication::translate("informe",
                                        "Below the average requirement (EAR): the intake likely "
                                        "falls short of the person's need");
        break;
    case Banda::PosiblementeInadecuada:
        t = QCoreApplication::translate("informe",
                                        "From the average requirement (EAR) to below the RDA: "
                                        "the intake may fall short of the person's need");
        break;
    case Banda::NoJuzgable:
        t = QCoreApplication::translate("informe",
                                        "Below the adequate intake (AI): an AI is not a "
                                        "requirement, so an intake below it cannot be called "
                                        "inadequate");
        break;
    default:
        t = j.regla == Regla::Requerimiento
                ? QCoreApplication::translate("informe", "At or above the RDA")
                : QCoreApplication::translate("informe", "At or above the adequate intake (AI)");
    }
    if (j.probabilidad)
        t += QStringLiteral(".\n") +
             QCoreApplication::translate(
                 "informe", "Chance that this usual intake meets the person's need: %1")
                 .arg(adecuacion::textoProbabilidad(*j.probabilidad));
    else if (j.sesgado && j.regla == Regla::Requerimiento)
        t += QStringLiteral(".\n") +
             QCoreApplication::translate("informe",
                                         "No chance is given: the requirement for iron is skewed "
                                         "(children, women who menstruate), so only the band is "
                                         "shown");
    if (j.limite && j.comparada)
        t += QStringLiteral(".\n") +
             (j.aplica == Aplicacion::Cdrr
                  ? QCoreApplication::translate("informe", "Within the CDRR")
                  : QCoreApplication::translate("informe", "Within the upper limit"));
    return t;
}

} // namespace

QString explicacionVeredicto(const Juicio& j)
{
    const bool conLimite = j.limite && j.comparada;
    QString t;
    switch (j.regla) {
    case Regla::Requerimiento:
    case Regla::IngestaAdecuada:
        t = explicacionAdecuacion(j);
        break;
    case Regla::Energia:
        t = QCoreApplication::translate("informe",
                                        "Energy is judged by 90 - 110 % of the reference");
        break;
    case Regla::Intervalo:
        t = QCoreApplication::translate(
            "informe", "Judged by the share of the energy this source should give");
        break;
    case Regla::SinIntervalo:
        t = QCoreApplication::translate(
            "informe", "No range of the energy this source should give is set "
                       "for this age group: the reference is shown, not judged by");
        break;
    case Regla::Techo:
        t = QCoreApplication::translate(
            "informe", "Judged by the ceiling the reference sets on its share of the energy");
        break;
    case Regla::Limite:
        t = j.aplica == Aplicacion::Cdrr
                ? QCoreApplication::translate("informe",
                                              "Above the CDRR: the intake above which to reduce it")
                : QCoreApplication::translate("informe",
                                              "Above the upper limit: a risk of adverse effects");
        break;
    case Regla::AzucaresTotales:
        t = QCoreApplication::translate("informe",
                                        "No verdict: the reference is the guidance for added "
                                        "sugars, and the food table holds only total sugars (those "
                                        "of milk and fruit included)");
        break;
    case Regla::Ninguna:
        t = QCoreApplication::translate("informe", "No reference for this group");
        if (conLimite)
            t += QStringLiteral("; ") +
                 (j.aplica == Aplicacion::Cdrr
                      ? QCoreApplication::translate("informe", "within the CDRR")
                      : QCoreApplication::translate("informe", "within the upper limit"));
        break;
    }
    if (j.parteEnergia)
        t +=
            QLatin1Char(' ') + QCoreApplication::translate("informe", "(share of the energy: %1 %)")
                                   .arg(numero(*j.parteEnergia, true));
    return t;
}

// The four judgements differ in lightness, not only in hue, so that they
// stay apart for a red-green colour-blind eye and in grey: dark red above
// the limit, orange, then green, then light amber.
QString colorVeredicto(Veredicto v)
{
    switch (v) {
    case Veredicto::Atencion:
        return QStringLiteral("#e66101");
    case Veredicto::AtencionLeve:
        return QStringLiteral("#fee08b");
    case Veredicto::Correcto:
        return QStringLiteral("#66bd63");
    case Veredicto::Exceso:
        return QStringLiteral("#a50f15");
    case Veredicto::NoJuzgable:
        return QStringLiteral("#6f8fb8");
    case Veredicto::SinJuicio:
        break;
    }
    return QStringLiteral("#a8a8a8");
}

QList<QPair<Veredicto, QString>> muestrasLeyenda()
{
    using adecuacion::Banda;
    using adecuacion::palabras;
    const auto con = [](const char* nota, Banda banda) {
        return QCoreApplication::translate("informe", nota).arg(palabras(banda));
    };
    return {{Veredicto::Atencion, con(QT_TRANSLATE_NOOP("informe", "%1 (or outside its range)"),
                                      Banda::ProbablementeInadecuada)},
            {Veredicto::AtencionLeve, palabras(Banda::PosiblementeInadecuada)},
            {Veredicto::Correcto, con(QT_TRANSLATE_NOOP("informe", "%1 (or within its range)"),
                                      Banda::ProbablementeAdecuada)},
            {Veredicto::Exceso,
             con(QT_TRANSLATE_NOOP("informe", "%1 (or a ceiling)"), Banda::SobreLimite)},
            {Veredicto::NoJuzgable, palabras(Banda::NoJuzgable)},
            {Veredicto::SinJuicio, palabras(Banda::SinReferencia)}};
}

QString notaLeyenda()
{
    return QCoreApplication::translate(
        "informe",
        "The week is taken as the usual intake; the percentage after the words is the chance "
        "that it meets the person's need. \"?\": foods of unknown value make 10 % of the week's "
        "grams or more. \"% WRI\": percentage of the weekly recommended intake = 7 x the daily "
        "reference.");
}

double parteBarra(std::optional<double> porcentaje)
{
    return porcentaje ? std::clamp(*porcentaje / 150.0, 0.0, 1.0) : 1.0;
}

QString textoReferencia(const Juicio& j, const QString& unidad)
{
    if (!j.referencia)
        return QString();
    return QStringLiteral("%1 %2")
        .arg(numero(*j.referencia, true), j.referenciaEnPorcentaje ? QStringLiteral("%") : unidad)
        .trimmed();
}

QString textoLimite(const Juicio& j, const QString& unidad)
{
    if (!j.limite)
        return QString();
    QString t = QStringLiteral("%1 %2").arg(numero(*j.limite, true), unidad).trimmed();
    const QString a = aplicacion(j.aplica);
    if (j.aplica == Aplicacion::Suplementos)
        t += QStringLiteral(", ") + a;
    else if (!a.isEmpty())
        t += QLatin1Char(' ') + a;
    return t;
}

QString textoReferenciaEntregada(const Juicio& j, const QString& unidad)
{
    Juicio entregado = j;
    entregado.referencia = j.referenciaEntregada;
    return j.referenciaEntregada ? textoReferencia(entregado, unidad)
                                 : QCoreApplication::translate("informe", "none");
}

QString textoLimiteEntregado(const Juicio& j, const QString& unidad)
{
    Juicio entregado = j;
    entregado.limite = j.limiteEntregado;
    return j.limiteEntregado ? textoLimite(entregado, unidad)
                             : QCoreApplication::translate("informe", "none");
}

namespace {

// The asterisk of a changed value goes after its number ("1200* mg"); an
// emptied one keeps the asterisk alone.
QString marcarEditado(const QString& texto, bool editado)
{
    if (!editado)
        return texto;
    const int espacio = texto.indexOf(QLatin1Char(' '));
    return espacio < 0 ? texto + QLatin1Char('*')
                       : texto.left(espacio) + QLatin1Char('*') + texto.mid(espacio);
}

// "1 food", "3 foods".
QString alimentos(int cuantos)
{
    return cuantos == 1 ? QCoreApplication::translate("informe", "1 food")
                        : QCoreApplication::translate("informe", "%1 foods")
                              .arg(QLocale().toString(cuantos));
}

// "1 food, 280 g" of unknown value; empty when none.
QString textoDesconocidosFila(const Desconocidos& d)
{
    if (d.alimentos == 0)
        return QString();
    const QLocale local;
    return QStringLiteral("%1, %2 g")
        .arg(alimentos(d.alimentos), local.toString(qRound64(d.gramos)));
}

bool hayEditados(const Informe& informe)
{
    return std::any_of(informe.filas.cbegin(), informe.filas.cend(), [](const Informe::Fila& f) {
        return f.juicio.referenciaEditada || f.juicio.limiteEditado;
    });
}

} // namespace

TablaInforme tablaResultados(const Informe& informe)
{
    TablaInforme t;
    for (const char* titulo :
         {QT_TRANSLATE_NOOP("informe", "Nutrient"), QT_TRANSLATE_NOOP("informe", "Unit"),
          QT_TRANSLATE_NOOP("informe", "Intake"), QT_TRANSLATE_NOOP("informe", "% WRI"),
          QT_TRANSLATE_NOOP("informe", "Daily"), QT_TRANSLATE_NOOP("informe", "Reference"),
          QT_TRANSLATE_NOOP("informe", "Upper limit"), QT_TRANSLATE_NOOP("informe", "Judgement"),
          QT_TRANSLATE_NOOP("informe", "Unknown in")})
        t.cabecera << QCoreApplication::translate("informe", titulo);
    for (const Informe::Fila& f : informe.filas)
        t.filas << QStringList{
            f.nombre,
            f.unidad,
            numero(f.semana, true),
            f.porcentaje ? numero(*f.porcentaje, true) : QString(),
            numero(f.juicio.diaria, true),
            marcarEditado(textoReferencia(f.juicio, f.unidad), f.juicio.referenciaEditada),
            marcarEditado(textoLimite(f.juicio, f.unidad), f.juicio.limiteEditado),
            textoJuicio(f.juicio, f.desconocidos, f.provisional),
            textoDesconocidosFila(f.desconocidos)};
    t.numericas = {false, false, true, true, true, false, false, false, false};
    t.columnaVeredicto = 7;
    return t;
}

namespace {

// The mark the report puts after an own food's name.
QString marcaOrigen(AlimentoSemana::Origen origen)
{
    switch (origen) {
    case AlimentoSemana::Propio:
        return QLatin1Char(' ') + QCoreApplication::translate("informe", "(own food)");
    case AlimentoSemana::Receta:
        return QLatin1Char(' ') + QCoreApplication::translate("informe", "(own recipe)");
    case AlimentoSemana::Tabla:
        break;
    }
    return QString();
}

} // namespace

TablaInforme tablaAlimentos(const Informe& informe)
{
    TablaInforme t;
    t.cabecera = QStringList{QCoreApplication::translate("informe", "Food"),
                             QCoreApplication::translate("informe", "Grams a week"),
                             QCoreApplication::translate("informe", "Grams a day")};
    for (const AlimentoSemana& a : informe.alimentos)
        t.filas << QStringList{a.descripcion + marcaOrigen(a.origen),
                               numero(double(a.gramos), true), numero(a.gramos / 7.0, true)};
    t.numericas = {false, true, true};
    return t;
}

std::optional<ReparticionEnergia> reparticionEnergia(const Informe& informe)
{
    const Informe::Fila* hidratos = filaDe(informe, QStringLiteral("Carbohydrate"));
    const Informe::Fila* grasa = filaDe(informe, QStringLiteral("Total_Lipid"));
    if (!hidratos || !grasa || !hidratos->juicio.parteEnergia || !grasa->juicio.parteEnergia)
        return std::nullopt;
    ReparticionEnergia r;
    r.hidratos = *hidratos->juicio.parteEnergia;
    r.grasa = *grasa->juicio.parteEnergia;
    // Protein gives the rest of the energy.
    r.proteina = std::max(0.0, 100.0 - r.hidratos - r.grasa);
    if (const Informe::Fila* f = filaDe(informe, QStringLiteral("Sugars_total")))
        r.azucares = f->juicio.parteEnergia;
    if (const Informe::Fila* f = filaDe(informe, QStringLiteral("Fatty_acids_total_saturated")))
        r.saturadas = f->juicio.parteEnergia;
    return r;
}

QString htmlEncabezado(const Informe& informe)
{
    const auto e = [](const QString& t) { return t.toHtmlEscaped(); };
    return QStringLiteral(
               "<h1 style=\"font-size:16pt\">%1</h1>\n<p>%2</p>\n<p>%3<br/>%4<br/>%5<br/>"
               "%6</p>\n")
        .arg(e(QCoreApplication::translate("informe", "Alimetra 1.1 - weekly diet assessment")),
             e(informe.fecha),
             e(QCoreApplication::translate("informe", "Profile: %1"))
                 .arg(QStringLiteral("<b>%1</b>").arg(e(informe.nombre))),
             e(QCoreApplication::translate("informe", "Age group: %1").arg(informe.grupoEdad)),
             e(QCoreApplication::translate("informe", "Sex: %1").arg(informe.sexo)),
             e(QCoreApplication::translate("informe", "Weight: %1 kg").arg(informe.peso)));
}

QString htmlApartado(const QString& titulo)
{
    return QStringLiteral("<h2 style=\"font-size:13pt\">%1</h2>\n").arg(titulo.toHtmlEscaped());
}

QString htmlMuestras()
{
    QStringList muestras;
    for (const auto& [veredicto, texto] : muestrasLeyenda())
        muestras << QStringLiteral("<span style=\"color:%1\">&#9632;</span>&#160;%2")
                        .arg(colorVeredicto(veredicto), texto.toHtmlEscaped());
    return muestras.join(QStringLiteral(" &#160;"));
}

QString htmlLeyenda()
{
    return QStringLiteral("<p>%1<br/>%2 %3</p>\n")
        .arg(htmlMuestras(), notaLeyenda().toHtmlEscaped(),
             QCoreApplication::translate("informe", "The bar is full at 150 % of the reference; "
                                                    "the mark stands at 100 %.")
                 .toHtmlEscaped());
}

QString htmlNotaEnergia(const Informe& informe)
{
    const std::optional<ReparticionEnergia> r = reparticionEnergia(informe);
    if (!r)
        return QString();
    QStringList notas{QCoreApplication::translate("informe", "Protein %1 %")
                          .arg(numero(r->proteina, true))
                          .toHtmlEscaped()};
    for (const char* clave :
         {"Carbohydrate", "Sugars_total", "Total_Lipid", "Fatty_acids_total_saturated"}) {
        const Informe::Fila* f = filaDe(informe, QLatin1String(clave));
        if (!f || !f->juicio.parteEnergia)
            continue;
        QString nota = QStringLiteral("%1 %2 %").arg(f->nombre.toHtmlEscaped(),
                                                     numero(*f->juicio.parteEnergia, true));
        if (f->juicio.referencia && f->juicio.referenciaEnPorcentaje)
            nota += QLatin1Char(' ') + QCoreApplication::translate("informe", "(reference %1 %)")
                                           .arg(numero(*f->juicio.referencia, true))
                                           .toHtmlEscaped();
        notas << nota;
    }
    return QStringLiteral("<p id=\"energy\">%1</p>\n")
        .arg(QCoreApplication::translate("informe", "Share of the week's energy: %1.")
                 .toHtmlEscaped()
                 .arg(notas.join(QStringLiteral("; "))));
}

QString htmlNotasResultados(const Informe& informe)
{
    QString notas;
    if (hayEditados(informe))
        notas += QStringLiteral("<p id=\"edited\">%1</p>\n")
                     .arg(QCoreApplication::translate("informe",
                                                      "* Edited by you, not the delivered value")
                              .toHtmlEscaped());
    if (std::any_of(informe.filas.cbegin(), informe.filas.cend(),
                    [](const Informe::Fila& f) { return f.provisional; }))
        notas += QStringLiteral("<p id=\"provisional\">%1</p>\n")
                     .arg(QCoreApplication::translate(
                              "informe", "? Provisional: foods without a known value of the "
                                         "nutrient make up 10 % or more of the week's grams")
                              .toHtmlEscaped());
    return notas;
}

QString textoDesconocidos(const Evaluacion& evaluacion, const QString& clave)
{
    const auto d = evaluacion.desconocidos.constFind(clave);
    if (d == evaluacion.desconocidos.cend() || d->alimentos == 0)
        return QString();
    const QLocale local;
    QStringList nombres;
    for (qsizetype i = 0; i < d->lista.size(); ++i)
        nombres << QCoreApplication::translate("informe", "%1 %2 g a week")
                       .arg(d->lista.at(i).first, local.toString(qRound64(d->lista.at(i).second)));
    if (d->alimentos > d->lista.size())
        nombres << QCoreApplication::translate("informe", "and %1 more")
                       .arg(local.toString(d->alimentos - d->lista.size()));
    QString texto = QCoreApplication::translate("informe", "%1 of unknown value: %2")
                        .arg(alimentos(d->alimentos), nombres.join(QStringLiteral("; ")));
    if (provisional(evaluacion, clave))
        texto +=
            QLatin1Char('\n') +
            QCoreApplication::translate(
                "informe", "They weigh %1 % of the week's grams: the judgement is provisional.")
                .arg(local.toString(qRound(100 * d->gramos / evaluacion.gramosSemana)));
    return texto;
}

QString htmlPie()
{
    return QStringLiteral("<p>%1</p>\n<p><i>%2</i></p>\n")
        .arg(QCoreApplication::translate(
                 "informe", "Food composition: USDA National Nutrient Database for Standard "
                            "Reference, release 24. Reference values: Dietary Reference Intakes "
                            "(Food and Nutrition Board).")
                 .toHtmlEscaped(),
             QCoreApplication::translate("informe", "This report is not medical advice: talk "
                                                    "about your diet with a physician or a "
                                                    "dietitian.")
                 .toHtmlEscaped());
}

namespace {

// A table with its header row; `celda` gives the HTML of the verdict's cell.
QString tablaHtml(const QString& id, const TablaInforme& tabla,
                  const std::function<QString(int fila, const QString&)>& celdaVeredicto = {})
{
    QString h = QStringLiteral("<table id=\"%1\" width=\"100%\" border=\"1\" cellspacing=\"0\" "
                               "style=\"border-collapse:collapse\">\n<thead><tr>")
                    .arg(id);
    for (const QString& t : tabla.cabecera)
        h += QStringLiteral("<th style=\"padding:2px 6px;background-color:#e8e8e8\">%1</th>")
                 .arg(t.toHtmlEscaped());
    h += QStringLiteral("</tr></thead>\n<tbody>\n");
    for (int i = 0; i < tabla.filas.size(); ++i) {
        h += QStringLiteral("<tr>");
        const QStringList& fila = tabla.filas.at(i);
        for (int c = 0; c < fila.size(); ++c)
            h += QStringLiteral("<td style=\"padding:2px 6px\"%1>%2</td>")
                     .arg(tabla.numericas.value(c) ? QStringLiteral(" align=\"right\"") : QString(),
                          c == tabla.columnaVeredicto && celdaVeredicto
                              ? celdaVeredicto(i, fila.at(c))
                              : fila.at(c).toHtmlEscaped());
        h += QStringLiteral("</tr>\n");
    }
    return h + QStringLiteral("</tbody></table>\n");
}

} // namespace

QString htmlInforme(const Informe& informe, const QString& grafico)
{
    QString h;
    h += QStringLiteral("<html xmlns=\"http://www.w3.org/1999/xhtml\"><head>"
                        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"/>"
                        "<title>%1</title></head>\n"
                        "<body style=\"font-family:sans-serif;font-size:10pt\">\n")
             .arg(QCoreApplication::translate("informe", "Alimetra 1.1 - weekly diet assessment")
                      .toHtmlEscaped());
    h += htmlEncabezado(informe);

    // The verdict column: a bar as long as the share of the reference (full
    // at 150 %), in the verdict's colour, then the verdict in words.
    h += tablaHtml(QStringLiteral("results"), tablaResultados(informe),
                   [&informe](int fila, const QString& texto) {
                       const Informe::Fila& f = informe.filas.at(fila);
                       return QStringLiteral("<span style=\"display:inline-block;width:%1px;"
                                             "height:0.8em;background-color:%2\"></span> %3")
                           .arg(int(std::lround(60.0 * parteBarra(f.porcentaje))))
                           .arg(colorVeredicto(f.juicio.veredicto), texto.toHtmlEscaped());
                   });
    h += htmlNotasResultados(informe);
    h += htmlLeyenda();

    if (reparticionEnergia(informe)) {
        h += htmlApartado(QCoreApplication::translate("informe", "Energy sources"));
        if (!grafico.isEmpty())
            h += QStringLiteral("<p><img src=\"%1\" alt=\"%2\" "
                                "style=\"width:100%;max-width:640px\"/></p>\n")
                     .arg(grafico,
                          QCoreApplication::translate(
                              "informe", "Share of the energy from protein, carbohydrate and fat")
                              .toHtmlEscaped());
        h += htmlNotaEnergia(informe);
    }
    h += htmlApartado(QCoreApplication::translate("informe", "Foods of the week"));
    h += tablaHtml(QStringLiteral("foods"), tablaAlimentos(informe));
    h += htmlPie();
    return h + QStringLiteral("</body></html>\n");
}

namespace {

QList<QStringList> filasCsvResultados(const Informe& informe)
{
    QList<QStringList> filas;
    filas << QStringList{QStringLiteral("Nutrient"),
                         QStringLiteral("Unit"),
                         QStringLiteral("Intake a week (unit)"),
                         QStringLiteral("% WRI (%)"),
                         QStringLiteral("Daily (unit)"),
                         QStringLiteral("Reference a day"),
                         QStringLiteral("Reference unit"),
                         QStringLiteral("Upper limit a day (unit)"),
                         QStringLiteral("Upper limit applies to"),
                         QStringLiteral("Average requirement a day (unit)"),
                         QStringLiteral("Judgement"),
                         QStringLiteral("Chance of meeting the need (%)"),
                         QStringLiteral("Edited"),
                         QStringLiteral("Unknown in (foods)"),
                         QStringLiteral("Unknown in (g a week)"),
                         QStringLiteral("Provisional")};
    for (const Informe::Fila& f : informe.filas) {
        const Juicio& j = f.juicio;
        filas << QStringList{
            textoCsv(f.nombre),
            textoCsv(f.unidad),
            numero(f.semana, false),
            f.porcentaje ? numero(*f.porcentaje, false) : QString(),
            numero(j.diaria, false),
            j.referencia ? numero(*j.referencia, false) : QString(),
            j.referencia ? (j.referenciaEnPorcentaje ? QStringLiteral("%") : textoCsv(f.unidad))
                         : QString(),
            j.limite ? numero(*j.limite, false) : QString(),
            j.limite ? aplicacion(j.aplica, Idioma::Fuente) : QString(),
            j.requerimiento ? numero(*j.requerimiento, false) : QString(),
            textoJuicio(j, f.desconocidos, f.provisional, Idioma::Fuente),
            j.probabilidad ? numero(*j.probabilidad * 100, false) : QString()};
        QStringList editados;
        if (j.referenciaEditada)
            editados << QStringLiteral("reference");
        if (j.limiteEditado)
            editados << QStringLiteral("upper limit");
        if (j.requerimientoEditado)
            editados << QStringLiteral("average requirement");
        filas.last() << editados.join(QStringLiteral("; "))
                     << QString::number(f.desconocidos.alimentos)
                     << numero(f.desconocidos.gramos, false)
                     << (f.provisional ? QStringLiteral("yes") : QString());
    }
    return filas;
}

QList<QStringList> filasCsvAlimentos(const Informe& informe)
{
    QList<QStringList> filas;
    filas << QStringList{QStringLiteral("Food"), QStringLiteral("Grams a week (g)"),
                         QStringLiteral("Grams a day (g)")};
    for (const AlimentoSemana& a : informe.alimentos)
        filas << QStringList{textoCsv(a.descripcion), QString::number(a.gramos),
                             numero(a.gramos / 7.0, false)};
    return filas;
}

} // namespace

QByteArray csvResultados(const Informe& informe)
{
    return csv(filasCsvResultados(informe));
}

QByteArray csvAlimentos(const Informe& informe)
{
    return csv(filasCsvAlimentos(informe));
}

QByteArray csvUnico(const Informe& informe)
{
    QList<QStringList> filas{{QStringLiteral("Results")}};
    filas << filasCsvResultados(informe) << QStringList{}
          << QStringList{QStringLiteral("Foods of the week")} << filasCsvAlimentos(informe);
    return csv(filas);
}

bool escribirArchivo(const QString& ruta, const QByteArray& contenido, QString* fallo)
{
    return almacen::guardarArchivo(ruta, contenido, fallo);
}
