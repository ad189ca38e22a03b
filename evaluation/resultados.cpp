#include "evaluation/resultados.h"

#include "evaluation/ordenacion.h"
#include "evaluation/valoresrecomendados.h"
#include "profiles/perfilactual.h"
#include "resources/iconos.h"
#include "storage/basedatos.h"
#include "storage/registro.h"

#include <QLocale>
#include <QSet>
#include <QStringList>
#include <QTreeWidget>

#include <cmath>

namespace {

QHash<QString, QString>& cantidades()
{
    static QHash<QString, QString> tabla;
    return tabla;
}

QHash<QString, QString>& porcentajes()
{
    static QHash<QString, QString> tabla;
    return tabla;
}

// The tables keep numbers as locale-independent text that reads back exactly.
QString textoInterno(double valor)
{
    return QString::number(valor, 'g', QLocale::FloatingPointShortest);
}

// A number of one of the tables; a missing entry or empty text reads as 0.
double numeroDe(const QHash<QString, QString>& tabla, const QString& clave)
{
    bool ok = false;
    const double v = tabla.value(clave).toDouble(&ok);
    return ok ? v : 0.0;
}

// How the reference value of a nutrient for the current group can be used.
enum class Referencia {
    Valida,  // a number other than 0
    Ausente, // not determined for the group (null) or 0: there is nothing to divide by
    Fallida  // the lookup cannot be made, or the cell holds no number
};

Referencia referencia(const QString& clave, double* valor, QString* fallo)
{
    bool ok = false;
    const QVariant v = valorRecomendado(clave, &ok);
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

} // namespace

const QHash<QString, QString>& cantidadesIngeridas()
{
    return cantidades();
}

const QHash<QString, QString>& porcentajesRecomendacion()
{
    return porcentajes();
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

void extraerResultados()
{
    cantidades().clear();
    porcentajes().clear();

    QString fallo;
    QStringList externas;
    QStringList internas;
    QVariantList referencias;
    QStringList incluidas;
    QSet<QString> sinReferencia;
    for (const QString& clave : valoresRecomendados().claves()) {
        const QString columna = almacen::identificador(clave);
        if (columna.isEmpty()) {
            fallo = QStringLiteral("The nutrient key \"%1\" is not a column name").arg(clave);
            continue;
        }
        const QString cantidad = QStringLiteral("cant_") + clave;
        internas << QStringLiteral("t.%1 * s.intake / 100.0 as %2").arg(columna, cantidad);
        // SQLite cannot refer to the alias of the sum within the same select
        // list, so the sum is written again for the percentage.
        externas << QStringLiteral("sum(%1) as cantsum_%2").arg(cantidad, clave);
        double valor = 0.0;
        if (referencia(clave, &valor, &fallo) == Referencia::Valida) {
            externas << QStringLiteral("sum(%1) * 100 / ? as recomsum_%2").arg(cantidad, clave);
            referencias << valor;
        } else {
            externas << QStringLiteral("null as recomsum_%1").arg(clave);
            sinReferencia.insert(clave);
        }
        incluidas << clave;
    }

    const Dato& idPerfil = perfilActual().idPerfil;
    const QString sentencia =
        QStringLiteral("select ") + externas.join(QStringLiteral(", ")) +
        QStringLiteral(" from (select ") + internas.join(QStringLiteral(", ")) +
        QStringLiteral(" from total t inner join saves s on t.id=s.food_id where s.intake>0 "
                       "and prof_id=") +
        (idPerfil.tieneValor() ? QString::number(idPerfil.entero()) : QString()) +
        QStringLiteral(")");

    almacen::Consulta c;
    if (!idPerfil.tieneValor()) {
        fallo = QStringLiteral("There is no current profile");
    } else {
        c = almacen::consultar(sentencia, referencias);
        if (!c.ok)
            fallo = c.error;
    }
    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("extraerResultados() -> ") + conSentencia(fallo, sentencia));

    if (!c.ok || c.vacia())
        return;
    const QVariantList& fila = c.filas.first();
    for (int i = 0; i < incluidas.size() && 2 * i + 1 < fila.size(); ++i) {
        const QString& clave = incluidas.at(i);
        const QVariant& cantidad = fila.at(2 * i);
        const QVariant& porcentaje = fila.at(2 * i + 1);
        const auto texto = [](const QVariant& v) {
            return v.isNull() || v.toString().isEmpty() ? QStringLiteral("0")
                                                        : textoInterno(v.toDouble());
        };
        cantidades().insert(clave, texto(cantidad));
        porcentajes().insert(clave, sinReferencia.contains(clave) ? QString() : texto(porcentaje));
    }
}

void calcularGeneral()
{
    QString fallo;
    const ValoresRecomendados& valores = valoresRecomendados();
    const Dato& peso = perfilActual().peso;

    if (valores.contiene(claveProteina)) {
        double valor = 0.0;
        if (referencia(claveProteina, &valor, &fallo) != Referencia::Valida)
            porcentajes().insert(claveProteina, QString());
        else if (peso.numero() > 0)
            porcentajes().insert(claveProteina, textoInterno(numeroDe(cantidades(), claveProteina) *
                                                             100.0 / (valor * peso.numero())));
        else
            porcentajes().insert(claveProteina, QStringLiteral("0"));
    }

    // The energy of the week in kilocalories, from the three sources that
    // provide it.
    const double energia =
        4.0 * cuatroDecimales(numeroDe(cantidades(), claveProteina)) +
        9.0 * cuatroDecimales(numeroDe(cantidades(), QStringLiteral("Total_Lipid"))) +
        4.0 * cuatroDecimales(numeroDe(cantidades(), QStringLiteral("Carbohydrate")));
    for (const auto& fuente : fuentesEnergia) {
        const QString clave = QLatin1String(fuente.clave);
        if (!valores.contiene(clave))
            continue;
        double valor = 0.0;
        if (referencia(clave, &valor, &fallo) != Referencia::Valida) {
            porcentajes().insert(clave, QString());
        } else if (energia == 0.0) {
            porcentajes().insert(clave, QStringLiteral("0"));
        } else {
            // The share of the energy in percent, against the share the
            // reference asks for, on the weekly scale of the table.
            const double parte = fuente.kcalPorGramo * numeroDe(cantidades(), clave) / energia;
            porcentajes().insert(clave, textoInterno(7.0 * (parte * 100.0 * 100.0) / valor));
        }
    }

    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("calcularGeneral() -> ") + fallo);
}

void rellenarResultados(QTreeWidget* lista)
{
    QString fallo;
    lista->clear();
    const ValoresRecomendados& valores = valoresRecomendados();
    QList<QTreeWidgetItem*> filas;
    filas.reserve(valores.claves().size());
    for (const QString& clave : valores.claves()) {
        const EntradaReferencia& e = valores.entrada(clave);
        auto* fila = new FilaNumerica;
        fila->setText(0, e.nombre);
        if (esCategoriaConocida(e.icono))
            fila->setIcon(0, iconoCategoria(e.icono));
        else
            fallo = QStringLiteral("The nutrient \"%1\" has an unknown icon key \"%2\"")
                        .arg(clave, e.icono);
        fila->setText(1, e.unidad);

        const double cantidad = redondearDosDecimales(numeroDe(cantidades(), clave));
        ponerNumero(fila, 2, cantidad);

        // An empty percentage means there is no reference to compare with: the
        // cell stays empty and carries no number, so it sorts lowest.
        const auto porcentaje = porcentajes().constFind(clave);
        if (porcentaje == porcentajes().constEnd() || !porcentaje->isEmpty()) {
            const double valor = redondearDosDecimales(numeroDe(porcentajes(), clave) / 7.0);
            ponerNumero(fila, 3, valor);
        }
        filas << fila;
    }
    lista->addTopLevelItems(filas);

    if (!fallo.isEmpty())
        escribirLog(QStringLiteral("rellenarResultados() -> ") + fallo);
}

void mostrarCantidadesRecomendadas(QTreeWidget* lista)
{
    almacen::Ocupado ocupado;
    // The next click on any results column sorts ascending.
    for (const char* titulo : {"Nutrient", "Unit", "Intake", "% WRI"})
        ordenColumnas()[QLatin1String(titulo)] = false;
    extraerResultados();
    calcularGeneral();
    rellenarResultados(lista);
}
