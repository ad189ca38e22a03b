#include "evaluation/informe.h"

#include "evaluation/sesion.h"
#include "profiles/perfiles.h"
#include "storage/basedatos.h"

#include <QDate>
#include <QLocale>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace {

// A rounded number with at most two decimals and no trailing zeros; with a
// point, or with the user's decimal separator when `local`.
QString numero(double valor, bool local)
{
    QString texto = QString::number(redondearDosDecimales(valor), 'f', 2);
    while (texto.endsWith(QLatin1Char('0')))
        texto.chop(1);
    if (texto.endsWith(QLatin1Char('.')))
        texto.chop(1);
    if (texto == QLatin1String("-0"))
        texto = QStringLiteral("0");
    if (local)
        texto.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return texto;
}

QString textoReferencia(const Informe::Fila& f, bool local)
{
    if (!f.juicio.referencia)
        return QString();
    return QStringLiteral("%1 %2")
        .arg(numero(*f.juicio.referencia, local),
             f.juicio.referenciaEnPorcentaje ? QStringLiteral("%") : f.unidad)
        .trimmed();
}

QString aplicacion(Aplicacion a)
{
    switch (a) {
    case Aplicacion::Retinol:
        return QStringLiteral("retinol");
    case Aplicacion::Cdrr:
        return QStringLiteral("CDRR");
    case Aplicacion::Suplementos:
        return QStringLiteral("supplements only");
    case Aplicacion::Total:
        break;
    }
    return QString();
}

QString textoLimite(const Informe::Fila& f)
{
    if (!f.juicio.limite)
        return QString();
    QString t = QStringLiteral("%1 %2").arg(numero(*f.juicio.limite, true), f.unidad).trimmed();
    const QString a = aplicacion(f.juicio.aplica);
    if (f.juicio.aplica == Aplicacion::Suplementos)
        t += QStringLiteral(", ") + a;
    else if (!a.isEmpty())
        t += QLatin1Char(' ') + a;
    return t;
}

QString palabraVeredicto(Veredicto v)
{
    switch (v) {
    case Veredicto::Atencion:
        return QStringLiteral("attention");
    case Veredicto::Correcto:
        return QStringLiteral("good");
    case Veredicto::Exceso:
        return QStringLiteral("excess");
    case Veredicto::SinJuicio:
        break;
    }
    return QStringLiteral("none");
}

// The verdict drawn as a bar of blocks: ten stand for 150 %.
QString barra(const Informe::Fila& f)
{
    int largo = 10;
    if (f.porcentaje)
        largo = std::clamp(int(std::lround(*f.porcentaje / 15.0)), 1, 10);
    return QStringLiteral("<span style=\"color:%1;white-space:nowrap\">%2</span>")
        .arg(colorVeredicto(f.juicio.veredicto), QString(largo, QChar(0x2588)));
}

const Informe::Fila* filaDe(const Informe& informe, const QString& clave)
{
    for (const Informe::Fila& f : informe.filas)
        if (f.clave == clave)
            return &f;
    return nullptr;
}

// The share of the energy from protein, carbohydrate and fat as one stacked
// bar, then sugars and saturated fat with the reference percentages.
QString fuentesEnergia(const Informe& informe)
{
    const Informe::Fila* hidratos = filaDe(informe, QStringLiteral("Carbohydrate"));
    const Informe::Fila* grasa = filaDe(informe, QStringLiteral("Total_Lipid"));
    if (!hidratos || !grasa || !hidratos->juicio.parteEnergia || !grasa->juicio.parteEnergia)
        return QString();
    const double h = *hidratos->juicio.parteEnergia;
    const double g = *grasa->juicio.parteEnergia;
    const double p = std::max(0.0, 100.0 - h - g);
    QString t = QStringLiteral("<h2 style=\"font-size:13pt\">Energy sources</h2>\n"
                               "<table id=\"energy\" width=\"100%\" cellspacing=\"0\" "
                               "cellpadding=\"3\"><tr>");
    const struct
    {
        const char* nombre;
        double parte;
        const char* color;
    } partes[] = {{"Protein", p, "#7a9cc6"}, {"Carbohydrate", h, "#e3c46b"}, {"Fat", g, "#c98a6b"}};
    for (const auto& parte : partes) {
        if (parte.parte <= 0)
            continue;
        t += QStringLiteral("<td width=\"%1%\" bgcolor=\"%2\">%3 %4 %</td>")
                 .arg(std::max(1, int(std::lround(parte.parte))))
                 .arg(QLatin1String(parte.color), QLatin1String(parte.nombre),
                      numero(parte.parte, true));
    }
    t += QStringLiteral("</tr></table>\n<p>");
    QStringList notas;
    for (const char* clave :
         {"Carbohydrate", "Sugars_total", "Total_Lipid", "Fatty_acids_total_saturated"}) {
        const Informe::Fila* f = filaDe(informe, QLatin1String(clave));
        if (!f || !f->juicio.parteEnergia)
            continue;
        QString nota = QStringLiteral("%1: %2 % of the energy")
                           .arg(f->nombre.toHtmlEscaped(), numero(*f->juicio.parteEnergia, true));
        if (f->juicio.referencia && f->juicio.referenciaEnPorcentaje)
            nota += QStringLiteral(" (reference %1 %)").arg(numero(*f->juicio.referencia, true));
        notas << nota;
    }
    return t + notas.join(QStringLiteral("; ")) + QStringLiteral(".</p>\n");
}

QString campoCsv(const QString& campo)
{
    if (!campo.contains(QLatin1Char(',')) && !campo.contains(QLatin1Char('"')) &&
        !campo.contains(QLatin1Char('\n')) && !campo.contains(QLatin1Char('\r')))
        return campo;
    QString t = campo;
    t.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

QByteArray csv(const QList<QStringList>& filas)
{
    QByteArray salida("\xEF\xBB\xBF");
    for (const QStringList& fila : filas) {
        QStringList campos;
        for (const QString& c : fila)
            campos << campoCsv(c);
        salida += campos.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    return salida;
}

} // namespace

QList<AlimentoSemana> alimentosSemana(qint64 perfil, QString* fallo)
{
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select t.description, s.intake from saves s inner join total t on "
                       "t.id=s.food_id where s.intake>0 and s.prof_id=? order by s.intake desc, "
                       "t.description"),
        {perfil});
    QList<AlimentoSemana> alimentos;
    if (!c.ok) {
        if (fallo)
            *fallo = c.error;
        return alimentos;
    }
    for (const QVariantList& fila : c.filas)
        alimentos << AlimentoSemana{fila.value(0).toString(), fila.value(1).toLongLong()};
    return alimentos;
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
    informe.nombre = c.vacia() ? QString() : c.filas.first().value(0).toString();
    const qint64 edad = p.edad.entero();
    if (edad >= 0 && edad < gruposEdad().size())
        informe.grupoEdad = gruposEdad().at(int(edad));
    informe.sexo = p.genero.igualA(0) ? QStringLiteral("male") : QStringLiteral("female");
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
        const std::optional<double> porcentaje = e.porcentajesRecomendacion.value(clave, 0.0);
        if (porcentaje)
            f.porcentaje = *porcentaje / 7.0;
        f.juicio = e.juicios.value(clave);
        informe.filas << f;
    }
    informe.alimentos = alimentosSemana(p.idPerfil.entero(), fallo);
    return informe;
}

QString colorVeredicto(Veredicto v)
{
    switch (v) {
    case Veredicto::Atencion:
        return QStringLiteral("#e09a1e");
    case Veredicto::Correcto:
        return QStringLiteral("#3ca54a");
    case Veredicto::Exceso:
        return QStringLiteral("#d63a32");
    case Veredicto::SinJuicio:
        break;
    }
    return QStringLiteral("#a8a8a8");
}

QString htmlInforme(const Informe& informe)
{
    const auto e = [](const QString& t) { return t.toHtmlEscaped(); };
    const QString celda = QStringLiteral("<td style=\"padding:2px 6px\">%1</td>");
    const QString numerica =
        QStringLiteral("<td style=\"padding:2px 6px\" align=\"right\">%1</td>");
    const QString cabecera =
        QStringLiteral("<th style=\"padding:2px 6px;background-color:#e8e8e8\">%1</th>");

    QString h;
    h += QStringLiteral("<html xmlns=\"http://www.w3.org/1999/xhtml\"><head>"
                        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"/>"
                        "<title>Alimetra 1.1 - weekly diet assessment</title></head>\n"
                        "<body style=\"font-family:sans-serif;font-size:10pt\">\n");
    h +=
        QStringLiteral("<h1 style=\"font-size:16pt\">Alimetra 1.1 - weekly diet assessment</h1>\n");
    h += QStringLiteral("<p>%1</p>\n").arg(e(informe.fecha));
    h += QStringLiteral("<p>Profile: <b>%1</b><br/>Age group: %2<br/>Sex: %3<br/>Weight: %4 "
                        "kg</p>\n")
             .arg(e(informe.nombre), e(informe.grupoEdad), e(informe.sexo))
             .arg(informe.peso);

    h += QStringLiteral("<table id=\"results\" width=\"100%\" border=\"1\" cellspacing=\"0\" "
                        "style=\"border-collapse:collapse\">\n<thead><tr>");
    for (const char* t :
         {"Nutrient", "Unit", "Intake", "% WRI", "Daily", "Reference", "Upper limit", "Verdict"})
        h += cabecera.arg(QLatin1String(t));
    h += QStringLiteral("</tr></thead>\n<tbody>\n");
    for (const Informe::Fila& f : informe.filas) {
        h += QStringLiteral("<tr>");
        h += celda.arg(e(f.nombre)) + celda.arg(e(f.unidad)) + numerica.arg(numero(f.semana, true));
        h += numerica.arg(f.porcentaje ? numero(*f.porcentaje, true) : QString());
        h += numerica.arg(numero(f.juicio.diaria, true));
        h += celda.arg(e(textoReferencia(f, true))) + celda.arg(e(textoLimite(f)));
        h += celda.arg(barra(f));
        h += QStringLiteral("</tr>\n");
    }
    h += QStringLiteral("</tbody></table>\n");
    h += QStringLiteral("<p>Bar colours: <span style=\"color:%1\">amber</span> below 70 % of the "
                        "reference (energy sources: outside their range), <span "
                        "style=\"color:%2\">green</span> 70 % and above, <span "
                        "style=\"color:%3\">red</span> above the upper limit or a ceiling, <span "
                        "style=\"color:%4\">grey</span> nothing to judge by. \"% WRI\": percentage "
                        "of the weekly recommended intake = 7 x the daily reference.</p>\n")
             .arg(colorVeredicto(Veredicto::Atencion), colorVeredicto(Veredicto::Correcto),
                  colorVeredicto(Veredicto::Exceso), colorVeredicto(Veredicto::SinJuicio));

    h += fuentesEnergia(informe);
    h += QStringLiteral("<h2 style=\"font-size:13pt\">Foods of the week</h2>\n");
    h += QStringLiteral("<table id=\"foods\" width=\"100%\" border=\"1\" cellspacing=\"0\" "
                        "style=\"border-collapse:collapse\">\n<thead><tr>");
    for (const char* t : {"Food", "Grams a week", "Grams a day"})
        h += cabecera.arg(QLatin1String(t));
    h += QStringLiteral("</tr></thead>\n<tbody>\n");
    for (const AlimentoSemana& a : informe.alimentos)
        h += QStringLiteral("<tr>") + celda.arg(e(a.descripcion)) +
             numerica.arg(numero(double(a.gramos), true)) +
             numerica.arg(numero(a.gramos / 7.0, true)) + QStringLiteral("</tr>\n");
    h += QStringLiteral("</tbody></table>\n");

    h += QStringLiteral("<p>Food composition: USDA National Nutrient Database for Standard "
                        "Reference, release 24. Reference values: Dietary Reference Intakes "
                        "(Food and Nutrition Board).</p>\n"
                        "<p><i>This report is not medical advice: talk about your diet with a "
                        "physician or a dietitian.</i></p>\n</body></html>\n");
    return h;
}

QByteArray csvResultados(const Informe& informe)
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
                         QStringLiteral("Verdict")};
    for (const Informe::Fila& f : informe.filas) {
        const Juicio& j = f.juicio;
        filas << QStringList{
            f.nombre,
            f.unidad,
            numero(f.semana, false),
            f.porcentaje ? numero(*f.porcentaje, false) : QString(),
            numero(j.diaria, false),
            j.referencia ? numero(*j.referencia, false) : QString(),
            j.referencia ? (j.referenciaEnPorcentaje ? QStringLiteral("%") : f.unidad) : QString(),
            j.limite ? numero(*j.limite, false) : QString(),
            j.limite ? aplicacion(j.aplica) : QString(),
            palabraVeredicto(j.veredicto)};
    }
    return csv(filas);
}

QByteArray csvAlimentos(const Informe& informe)
{
    QList<QStringList> filas;
    filas << QStringList{QStringLiteral("Food"), QStringLiteral("Grams a week (g)"),
                         QStringLiteral("Grams a day (g)")};
    for (const AlimentoSemana& a : informe.alimentos)
        filas << QStringList{a.descripcion, QString::number(a.gramos),
                             numero(a.gramos / 7.0, false)};
    return csv(filas);
}

bool escribirArchivo(const QString& ruta, const QByteArray& contenido, QString* fallo)
{
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly) || archivo.write(contenido) != contenido.size() ||
        !archivo.commit()) {
        if (fallo)
            *fallo = archivo.errorString();
        return false;
    }
    return true;
}
