#include "alimentos.h"

#include <QSet>
#include <QXmlStreamReader>

namespace construccion {

const QList<Nutriente>& nutrientes()
{
    // The nutrients that have a reference value come first, in the order of
    // the reference table; the rest follow under SR-style names.
    static const QList<Nutriente> lista = {
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
                         .arg(origen).arg(i + 1).arg(QString::fromUtf8(linea.left(60)));
            return false;
        }
        if (unicos && vistos.contains(id)) {
            *error = QStringLiteral("%1, line %2: food %3 is listed twice")
                         .arg(origen).arg(i + 1).arg(QString::fromLatin1(codigo));
            return false;
        }
        vistos.insert(id);
        entradas->append({id, QString::fromUtf8(linea.mid(barra + 1))});
    }
    return true;
}

bool leerAlimento(const QByteArray& xml, const QString& origen, Alimento* alimento,
                  QString* error)
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
        }
    }
    if (!lector.hasError() && !raiz)
        lector.raiseError(QStringLiteral("no <food> element"));
    if (lector.hasError()) {
        *error = QStringLiteral("%1, line %2, column %3: %4")
                     .arg(origen)
                     .arg(lector.lineNumber())
                     .arg(lector.columnNumber())
                     .arg(lector.errorString());
        return false;
    }
    return true;
}

std::optional<double> calcularRae(const Alimento& alimento)
{
    const auto& c = alimento.cantidades;
    const QString retinol = QStringLiteral("Retinol"), beta = QStringLiteral("Beta-carotene"),
                  alfa = QStringLiteral("Alpha-carotene"),
                  cripto = QStringLiteral("Beta-cryptoxanthin");
    if (!c.contains(retinol) && !c.contains(beta) && !c.contains(alfa) && !c.contains(cripto))
        return std::nullopt;
    return c.value(retinol) + c.value(beta) / 12.0 + (c.value(alfa) + c.value(cripto)) / 24.0;
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

// How a description names its group, for numbers that do not. Tried in order:
// the first pattern found wins, so the narrower ones come first.
struct Pauta
{
    enum Modo { Empieza, Contiene } modo;
    const char* texto;   // lower case
    const char* grupo;
};

const Pauta pautas[] = {
    {Pauta::Contiene, "meatless", "1600"},
    {Pauta::Empieza, "vegetarian", "1600"},
    {Pauta::Empieza, "babyfood", "0300"},
    {Pauta::Empieza, "snacks", "2500"},
    {Pauta::Empieza, "granola bar", "2500"},
    {Pauta::Empieza, "breakfast bar", "2500"},
    {Pauta::Empieza, "popcorn", "2500"},
    {Pauta::Empieza, "rice cake", "2500"},
    {Pauta::Empieza, "cereal", "0800"},
    {Pauta::Empieza, "amaranth flakes", "0800"},
    {Pauta::Contiene, "sausage", "0700"},
    {Pauta::Contiene, "bologna", "0700"},
    {Pauta::Empieza, "frankfurter", "0700"},
    {Pauta::Empieza, "luncheon", "0700"},
    {Pauta::Empieza, "turkey bacon", "0700"},
    {Pauta::Empieza, "turkey ham", "0700"},
    {Pauta::Empieza, "mayonnaise, made with tofu", "0400"},
    {Pauta::Empieza, "soybean", "1600"},
    {Pauta::Empieza, "tofu", "1600"},
    {Pauta::Contiene, "made from soy", "1600"},
    {Pauta::Empieza, "bean", "1600"},
    {Pauta::Empieza, "baked beans", "1600"},
    {Pauta::Empieza, "peanut butter", "1600"},
    {Pauta::Empieza, "papad", "1600"},
    {Pauta::Empieza, "cheese", "0100"},
    {Pauta::Empieza, "imitation cheese", "0100"},
    {Pauta::Empieza, "milk dessert", "1900"},
    {Pauta::Empieza, "milk", "0100"},
    {Pauta::Empieza, "cream substitute", "0100"},
    {Pauta::Empieza, "whipped", "0100"},
    {Pauta::Empieza, "yogurt", "0100"},
    {Pauta::Empieza, "eggs", "0100"},
    {Pauta::Empieza, "ice cream", "1900"},
    {Pauta::Empieza, "frozen", "1900"},
    {Pauta::Empieza, "candies", "1900"},
    {Pauta::Empieza, "chewing gum", "1900"},
    {Pauta::Empieza, "jams", "1900"},
    {Pauta::Empieza, "jellies", "1900"},
    {Pauta::Empieza, "pectin", "1900"},
    {Pauta::Empieza, "syrups", "1900"},
    {Pauta::Empieza, "sweeteners", "1900"},
    {Pauta::Empieza, "puddings", "1900"},
    {Pauta::Empieza, "pie fillings", "1900"},
    {Pauta::Empieza, "oil", "0400"},
    {Pauta::Empieza, "margarine", "0400"},
    {Pauta::Empieza, "vegetable oil", "0400"},
    {Pauta::Empieza, "butter", "0400"},
    {Pauta::Empieza, "mayonnaise", "0400"},
    {Pauta::Empieza, "salad dressing", "0400"},
    {Pauta::Empieza, "creamy dressing", "0400"},
    {Pauta::Empieza, "chicken", "0500"},
    {Pauta::Empieza, "turkey", "0500"},
    {Pauta::Empieza, "pheasant", "0500"},
    {Pauta::Empieza, "quail", "0500"},
    {Pauta::Empieza, "dove", "0500"},
    {Pauta::Empieza, "pork", "1000"},
    {Pauta::Empieza, "beef", "1300"},
    {Pauta::Empieza, "fish", "1500"},
    {Pauta::Empieza, "mollusks", "1500"},
    {Pauta::Empieza, "crustaceans", "1500"},
    {Pauta::Empieza, "jellyfish", "1500"},
    {Pauta::Empieza, "frog legs", "1500"},
    {Pauta::Empieza, "turtle", "1500"},
    {Pauta::Empieza, "alcoholic beverage", "1400"},
    {Pauta::Empieza, "beverage", "1400"},
    {Pauta::Empieza, "coffee", "1400"},
    {Pauta::Empieza, "cocktail mix", "1400"},
    {Pauta::Empieza, "fluid replacement", "1400"},
    {Pauta::Empieza, "ensure", "1400"},
    {Pauta::Contiene, "drink", "1400"},
    {Pauta::Contiene, "beverage", "1400"},
    {Pauta::Empieza, "tomato", "1100"},
    {Pauta::Empieza, "vegetable", "1100"},
    {Pauta::Empieza, "cabbage", "1100"},
    {Pauta::Empieza, "celery", "1100"},
    {Pauta::Empieza, "eggplant", "1100"},
    {Pauta::Empieza, "palm hearts", "1100"},
    {Pauta::Empieza, "potatoes", "1100"},
    {Pauta::Empieza, "radishes", "1100"},
    {Pauta::Empieza, "sauerkraut", "1100"},
    {Pauta::Empieza, "turnip", "1100"},
    {Pauta::Contiene, "juice", "0900"},
    {Pauta::Empieza, "millet", "2000"},
    {Pauta::Empieza, "vital wheat gluten", "2000"},
    {Pauta::Empieza, "vermicelli", "2000"},
    {Pauta::Empieza, "rolls", "1800"},
    {Pauta::Empieza, "pretzels", "1800"},
    {Pauta::Empieza, "yeast extract", "0600"},
};

bool grupoExiste(const QString& id)
{
    for (const Grupo& g : grupos())
        if (g.id == id)
            return true;
    return false;
}

} // namespace

QString grupoDeAlimento(int id, const QString& descripcion)
{
    const int prefijo = id / 1000;
    switch (prefijo) {
    case 23: return QStringLiteral("1300");
    case 27: return QStringLiteral("0600");
    case 31: return QStringLiteral("1100");
    case 42: case 43: case 44: case 48: case 80: case 83: case 90: case 93: {
        const QString texto = descripcion.trimmed().toLower();
        for (const Pauta& p : pautas) {
            const QLatin1String patron(p.texto);
            const bool coincide = p.modo == Pauta::Empieza ? texto.startsWith(patron)
                                                           : texto.contains(patron);
            if (coincide)
                return QString::fromLatin1(p.grupo);
        }
        return QString();
    }
    default: {
        const QString codigo = QStringLiteral("%1").arg(prefijo, 2, 10, QLatin1Char('0'))
                               + QStringLiteral("00");
        return id > 0 && id < 100000 && grupoExiste(codigo) ? codigo : QString();
    }
    }
}

} // namespace construccion
