#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "profiles/perfilactual.h"

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

    // The keys that are plain column names of `total`, in table order, each
    // with its column quoted for a statement; any other key goes to
    // `rechazadas` rather than into a statement.
    QList<QPair<QString, QString>> columnas(QStringList* rechazadas) const;

private:
    QStringList m_claves;
    QHash<QString, EntradaReferencia> m_entradas;
};

// The sixteen age and sex group columns of `DRIs`, youngest first.
const std::array<const char*, 16>& columnasGrupo();

// The position in columnasGrupo() of the profile's age and sex group, by the
// rule of valorRecomendado; -1 when it cannot be told.
int indiceGrupo(const PerfilActual& perfil);

// Clears the values typed into the placeholder row "Empty" (at shutdown).
void vaciarFilaEmpty();

// Reads every nutrient row of `DRIs` (the "Empty" placeholder excepted).
// Amino-acid values, stored in mg per kg of body weight, are turned into
// grams for the profile's weight.
ValoresRecomendados establecerValoresRecomendados(const PerfilActual& perfil);

// The reference value of a nutrient for the profile's age and sex group. A
// null value (not determined for the group) comes back as a null QVariant;
// `ok` is false when the lookup cannot be made (unknown key, age group
// outside 0 to 9, sex other than 0 or 1).
QVariant valorRecomendado(const ValoresRecomendados& valores, const PerfilActual& perfil,
                          const QString& clave, bool* ok = nullptr);
