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
    // The values delivered with the database for the sixteen groups, in the
    // order of columnasGrupo() and in the terms above (amino acids in grams),
    // and which of them the user changed on tab 7. Nothing is changed in a
    // database without delivered values.
    std::array<QVariant, 16> entregados;
    std::array<bool, 16> editados{};
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

// The position in columnasGrupo() of a group column, -1 for any other name.
int indiceColumnaGrupo(const QString& columna);

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

// Whether the user changed the reference value of a nutrient for the
// profile's age and sex group; `entregado` then gets the delivered one, in
// the terms valorRecomendado gives (a null QVariant where none was delivered).
bool referenciaEditada(const ValoresRecomendados& valores, const PerfilActual& perfil,
                       const QString& clave, QVariant* entregado = nullptr);

// A reference table ("DRIs" or "ULs") as the database delivered it, read
// from its pristine copy ("DRIs_delivered", "ULs_delivered"): by row id, the
// values of the sixteen groups in the order of columnasGrupo(), a null double
// where none was delivered.
struct ValoresEntregados
{
    // False for a database without the copy (a file of an earlier release):
    // nothing counts as changed there, and nothing can be restored.
    bool disponibles = false;
    QHash<qint64, std::array<QVariant, 16>> filas;

    // The delivered value of the group column `columna` of row `id`; an
    // invalid QVariant where the copy has no such cell.
    QVariant valor(qint64 id, const QString& columna) const;
};

// Reads the pristine copy of `tabla`; a copy that cannot be read is logged
// and counts as missing.
ValoresEntregados leerValoresEntregados(const QString& tabla);

// Whether a stored reference value differs from the delivered one, compared
// as numbers; an empty cell differs from any number.
bool distintoDelEntregado(const QVariant& valor, const QVariant& entregado);

// One group cell of a reference table and the value to store in it.
struct CeldaReferencia
{
    qint64 id = 0;
    QString columna; // one of columnasGrupo()
    QVariant valor;  // a double, or a null one for none
};

// Stores `celdas` in `tabla` ("DRIs", "ULs" or "EARs"): one statement for the cells of
// one row, one transaction for those of several rows, each value bound. False
// when the database refused; the failure is logged.
bool escribirReferencias(const QString& tabla, const QList<CeldaReferencia>& celdas);
