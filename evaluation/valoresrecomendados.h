#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>

// The reference value of one nutrient for every age and sex group, with the
// nutrient's name, unit and category icon key.
struct EntradaReferencia
{
    std::array<QVariant, 4> ninos;   // infants1, infants2, children1, children2
    std::array<QVariant, 6> hombres; // males1 .. males6
    std::array<QVariant, 6> mujeres; // females1 .. females6
    QString nombre;
    QString unidad;
    QString icono;
};

// The reference table in memory, in `sorting` order. It is also the nutrient
// catalogue of the program: its keys are the nutrient columns of `total`.
class ValoresRecomendados
{
public:
    const QStringList& claves() const { return m_claves; }
    bool contiene(const QString& clave) const { return m_entradas.contains(clave); }
    const EntradaReferencia& entrada(const QString& clave) const;
    bool isEmpty() const { return m_claves.isEmpty(); }
    // Adds an entry; refuses a key that is already present.
    bool agregar(const QString& clave, const EntradaReferencia& entrada);

private:
    QStringList m_claves;
    QHash<QString, EntradaReferencia> m_entradas;
};

// The table built by the last run of establecerValoresRecomendados().
const ValoresRecomendados& valoresRecomendados();

// Reads every nutrient row of `DRIs` (the "Empty" placeholder excepted) into
// memory. Amino-acid values, stored in mg per kg of body weight, are turned
// into grams for the current profile's weight. Also forgets the sort
// directions of the list columns.
void establecerValoresRecomendados();

// The reference value of a nutrient for the current profile's age and sex
// group. A null value (not determined for the group) comes back as a null
// QVariant; `ok` is false when the lookup cannot be made (unknown key, age
// group outside 0 to 9, sex other than 0 or 1).
QVariant valorRecomendado(const QString& clave, bool* ok = nullptr);
