#include "alimentos.h"

#include "referencias.h"

#include <QSet>
#include <QXmlStreamReader>
#include <functional>
#include <iterator>

namespace construccion {

namespace {

// The nutrients that have a reference value come first, in the order of the
// reference table; the rest follow under SR-style names.
const Nutriente tablaNutrientes[] = {
    {"Energy", "Energy"},
    {"Protein", "Protein"},
    {"Carbs", "Carbohydrate"},
    {"Sugars", "Sugars_total"},
    {"Fiber", "Fiber_total_dietary"},
    {"Fat", "Total_Lipid"},
    {"Saturated", "Fatty_acids_total_saturated"},
    {"Omega-6", "Omega_6"},
    {"Omega-3", "Omega_3"},
    {"Water", "Water"},
    {"LEU", "Leucine"},
    {"ILE", "Isoleucine"},
    {"THR", "Threonine"},
    {"MET", "Methionine"},
    {"LYS", "Lysine"},
    {"PHE", "Phenylalanine"},
    {"VAL", "Valine"},
    {"TRP", "Tryptophan"},
    {"TYR", "Tyrosine"},
    {"CYS", "Cystine"},
    {"Vitamin C", "Vitamin_C_total_ascorbic_acid"},
    {"Vitamin D", "Vitamin_D_IU"},
    {"Vitamin E", "Vitamin_E_alpha_tocopherol"},
    {"Vitamin K", "Vitamin_K_phylloquinone"},
    {"B1 (Thiamine)", "Thiamin"},
    {"B2 (Riboflavin)", "Riboflavin"},
    {"B3 (Niacin)", "Niacin"},
    {"B5 (Pantothenic Acid)", "Pantothenic_acid"},
    {"B6 (Pyridoxine)", "Vitamin_B6"},
    {"Folate", "Folate_total"},
    {"B12 (Cyanocobalamin)", "Vitamin_B12"},
    {"Choline", "Choline_total"},
    {"Calcium", "Calcium_Ca"},
    {"Iron", "Iron_Fe"},
    {"Magnesium", "Magnesium_Mg"},
    {"Phosphorus", "Phosphorus_P"},
    {"Potassium", "Potassium_K"},
    {"Sodium", "Sodium_Na"},
    {"Zinc", "Zinc_Zn"},
    {"Copper", "Copper_Cu"},
    {"Manganese", "Manganese_Mn"},
    {"Selenium", "Selenium_Se"},
    {"Fluoride", "Fluoride_F"},
    // Kept for completeness; no reference value reads them today.
    {"Starch", "Starch"},
    {"Monounsaturated", "Fatty_acids_total_monounsaturated"},
    {"Polyunsaturated", "Fatty_acids_total_polyunsaturated"},
    {"Trans-Fats", "Fatty_acids_total_trans"},
    {"Cholesterol", "Cholesterol"},
    {"Phytosterol", "Phytosterols"},
    {"Ash", "Ash"},
    {"Alcohol", "Alcohol_ethyl"},
    {"Caffeine", "Caffeine"},
    {"Vitamin A", "Vitamin_A_IU"},
    {"Retinol", "Retinol"},
    {"Alpha-carotene", "Carotene_alpha"},
    {"Beta-carotene", "Carotene_beta"},
    {"Beta-cryptoxanthin", "Cryptoxanthin_beta"},
    {"Lycopene", "Lycopene"},
    {"Lutein+Zeaxanthin", "Lutein_zeaxanthin"},
    {"Beta Tocopherol", "Tocopherol_beta"},
    {"Gamma Tocopherol", "Tocopherol_gamma"},
    {"Delta Tocopherol", "Tocopherol_delta"},
    {"ALA", "Alanine"},
    {"ARG", "Arginine"},
    {"ASP", "Aspartic_acid"},
    {"GLU", "Glutamic_acid"},
    {"GLY", "Glycine"},
    {"HIS", "Histidine"},
    {"HYP", "Hydroxyproline"},
    {"PRO", "Proline"},
    {"SER", "Serine"},
};

} // namespace

const QList<Nutriente>& nutrientes()
{
    static const QList<Nutriente> lista(std::begin(tablaNutrientes), std::end(tablaNutrientes));
    return lista;
}

QStringList columnasNutrientes()
{
    QStringList columnas;
    for (const Nutriente& n : nutrientes())
        columnas << QString::fromLatin1(n.columna);
    columnas << QString::fromLatin1(columnaRae);
    return columnas;
}

bool leerIndice(const QByteArray& texto, const QString& origen, bool unicos,
                QList<EntradaIndice>* entradas, QString* error)
{
    entradas->clear();
    QSet<int> vistos;
    const QList<QByteArray> lineas = texto.split('\n');
    for (qsizetype i = 0; i < lineas.size(); ++i) {
        QByteArray linea = lineas[i];
        if (linea.endsWith('\r'))
            linea.chop(1);
        if (linea.isEmpty())
            continue;
        const qsizetype barra = linea.indexOf('|');
        bool numero = false;
        const QByteArray codigo = linea.left(barra);
        const int id = codigo.toInt(&numero);
        if (barra < 0 || codigo.size() != 5 || !numero || id <= 0) {
            *error = QStringLiteral("%1, line %2: expected \"NNNNN|description\", found \"%3\"")
                         .arg(origen, QString::number(i + 1), QString::fromUtf8(linea.left(60)));
            return false;
        }
        if (unicos && vistos.contains(id)) {
            *error = QStringLiteral("%1, line %2: food %3 is listed twice")
                         .arg(origen, QString::number(i + 1), QString::fromLatin1(codigo));
            return false;
        }
        vistos.insert(id);
        entradas->append({id, QString::fromUtf8(linea.mid(barra + 1))});
    }
    return true;
}

namespace {

// One <measure>: its amount and grams must be numbers above 0 (grams per unit
// are grams / amount) and its name not empty. Raises the error on the reader.
bool leerMedida(QXmlStreamReader& lector, QList<Medida>* medidas)
{
    const auto atributos = lector.attributes();
    Medida m;
    m.nombre = atributos.value(QLatin1String("name")).toString();
    bool cantidadLeida = false, gramosLeidos = false;
    m.cantidad = atributos.value(QLatin1String("amount")).toDouble(&cantidadLeida);
    m.gramos = atributos.value(QLatin1String("grams")).toDouble(&gramosLeidos);
    if (m.nombre.trimmed().isEmpty() || !cantidadLeida || !gramosLeidos || !(m.cantidad > 0) ||
        !(m.gramos > 0)) {
        lector.raiseError(QStringLiteral("measure \"%1\" needs an amount and grams above 0"
                                         " (\"%2\", \"%3\")")
                              .arg(m.nombre, atributos.value(QLatin1String("amount")).toString(),
                                   atributos.value(QLatin1String("grams")).toString()));
        return false;
    }
    medidas->append(m);
    return true;
}

} // namespace

bool leerAlimento(const QByteArray& xml, const QString& origen, Alimento* alimento, QString* error)
{
    *alimento = Alimento();
    QXmlStreamReader lector(xml);
    bool raiz = false;
    while (!lector.atEnd()) {
        if (lector.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto atributos = lector.attributes();
        if (!raiz) {
            if (lector.name() != QLatin1String("food")) {
                lector.raiseError(QStringLiteral("the root element is <%1>, not <food>")
                                      .arg(lector.name().toString()));
                break;
            }
            raiz = true;
            bool numero = false;
            alimento->id = atributos.value(QLatin1String("uid")).toInt(&numero);
            if (!numero) {
                lector.raiseError(QStringLiteral("<food> has no numeric uid"));
                break;
            }
            alimento->nombre = atributos.value(QLatin1String("name")).toString();
        } else if (lector.name() == QLatin1String("nutrient")) {
            const QString nombre = atributos.value(QLatin1String("name")).toString();
            const QStringView texto = atributos.value(QLatin1String("amount"));
            bool numero = false;
            const double cantidad = texto.toDouble(&numero);
            if (nombre.isEmpty() || !numero) {
                lector.raiseError(QStringLiteral("nutrient \"%1\" has no numeric amount (\"%2\")")
                                      .arg(nombre, texto.toString()));
                break;
            }
            alimento->cantidades.insert(nombre, cantidad);
        } else if (lector.name() == QLatin1String("measure")) {
            if (!leerMedida(lector, &alimento->medidas))
                break;
        }
    }
    if (!lector.hasError() && !raiz)
        lector.raiseError(QStringLiteral("no <food> element"));
    if (lector.hasError()) {
        *error = QStringLiteral("%1, line %2, column %3: %4")
                     .arg(origen, QString::number(lector.lineNumber()),
                          QString::number(lector.columnNumber()), lector.errorString());
        return false;
    }
    return true;
}

const QList<Grupo>& grupos()
{
    static const QList<Grupo> lista = {
        {"0100", "Dairy and Egg Products"},
        {"0200", "Spices and Herbs"},
        {"0300", "Baby Foods"},
        {"0400", "Fats and Oils"},
        {"0500", "Poultry Products"},
        {"0600", "Soups, Sauces, and Gravies"},
        {"0700", "Sausages and Luncheon Meats"},
        {"0800", "Breakfast Cereals"},
        {"0900", "Fruits and Fruit Juices"},
        {"1000", "Pork Products"},
        {"1100", "Vegetables and Vegetable Products"},
        {"1200", "Nut and Seed Products"},
        {"1300", "Beef Products"},
        {"1400", "Beverages"},
        {"1500", "Finfish and Shellfish Products"},
        {"1600", "Legumes and Legume Products"},
        {"1700", "Lamb, Veal, and Game Products"},
        {"1800", "Baked Products"},
        {"1900", "Sweets"},
        {"2000", "Cereal Grains and Pasta"},
        {"2100", "Fast Foods"},
        {"2200", "Meals, Entrees, and Side Dishes"},
        {"2500", "Snacks"},
        {"3500", "American Indian/Alaska Native Foods"},
        {"3600", "Restaurant Foods"},
    };
    return lista;
}

namespace {

bool grupoExiste(const QString& id)
{
    for (const Grupo& g : grupos())
        if (g.id == id)
            return true;
    return false;
}

// Reads one of the published files: checks the header and hands every row to
// `fila` with its food number and where it is, for messages; stops at the
// first row `fila` refuses.
bool leerTablaPublicada(const QByteArray& texto, const QString& origen, const QStringList& cabecera,
                        const std::function<bool(int, const QStringList&, const QString&)>& fila,
                        QString* error)
{
    return leerTabla(
        texto, origen, cabecera,
        [&](const QStringList& campos, const QString& donde) {
            bool numero = false;
            const int id = campos[0].toInt(&numero);
            if (campos[0].size() != 5 || !numero || id <= 0) {
                *error = QStringLiteral("%1: \"%2\" is not a food number").arg(donde, campos[0]);
                return false;
            }
            return fila(id, campos, donde);
        },
        error);
}

// A value of the published files; empty when `vacio` allows it.
bool leerValor(const QString& celda, const QString& donde, bool vacio, std::optional<double>* valor,
               QString* error)
{
    *valor = std::nullopt;
    if (vacio && celda.isEmpty())
        return true;
    bool numero = false;
    const double v = celda.toDouble(&numero);
    if (!numero) {
        *error = QStringLiteral("%1: \"%2\" is not a number").arg(donde, celda);
        return false;
    }
    *valor = v;
    return true;
}

QString repetido(const QString& donde, int id)
{
    return QStringLiteral("%1: food %2 is listed twice")
        .arg(donde, QStringLiteral("%1").arg(id, 5, 10, QLatin1Char('0')));
}

} // namespace

bool leerGruposAlimentos(const QByteArray& texto, const QString& origen,
                         QHash<int, QString>* grupoPorAlimento, QString* error)
{
    grupoPorAlimento->clear();
    return leerTablaPublicada(
        texto, origen, {QStringLiteral("ndb"), QStringLiteral("group_id")},
        [&](int id, const QStringList& campos, const QString& donde) {
            if (grupoPorAlimento->contains(id)) {
                *error = repetido(donde, id);
                return false;
            }
            if (!grupoExiste(campos[1])) {
                *error = QStringLiteral("%1: \"%2\" is not a food group").arg(donde, campos[1]);
                return false;
            }
            grupoPorAlimento->insert(id, campos[1]);
            return true;
        },
        error);
}

bool leerRae(const QByteArray& texto, const QString& origen, QHash<int, double>* rae,
             QString* error)
{
    rae->clear();
    return leerTablaPublicada(
        texto, origen, {QStringLiteral("ndb"), QString::fromLatin1(columnaRae)},
        [&](int id, const QStringList& campos, const QString& donde) {
            std::optional<double> valor;
            if (rae->contains(id)) {
                *error = repetido(donde, id);
                return false;
            }
            if (!leerValor(campos[1], donde, false, &valor, error))
                return false;
            rae->insert(id, *valor);
            return true;
        },
        error);
}

bool leerCorrecciones(const QByteArray& texto, const QString& origen,
                      QList<Correccion>* correcciones, QString* error)
{
    correcciones->clear();
    return leerTablaPublicada(
        texto, origen,
        {QStringLiteral("ndb"), QStringLiteral("key"), QStringLiteral("value"),
         QStringLiteral("source")},
        [&](int id, const QStringList& campos, const QString& donde) {
            Correccion c{id, campos[1], std::nullopt};
            if (!leerValor(campos[2], donde, true, &c.valor, error))
                return false;
            correcciones->append(c);
            return true;
        },
        error);
}

} // namespace construccion
