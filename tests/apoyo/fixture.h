#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

// A working directory of its own holding a small "sr18.mdb": the five tables
// of the delivered database with a handful of foods, groups and reference
// values. The program finds it (and writes "errors.log") there.
class Fixture
{
public:
    // Makes the directory current; with `conBase` false no database is made.
    explicit Fixture(bool conBase = true);
    ~Fixture();

    QString ruta(const QString& archivo) const;
    // Makes a copy of `origen` the directory's database (for a fixture made
    // without one) and opens the fixture's connection on it.
    bool usarCopia(const QString& origen);
    QString log() const;     // the content of errors.log ("" when missing)
    int entradasLog() const; // how many entries errors.log holds
    void borrarLog() const;

    // Runs a statement on a connection of the fixture's own (for setting up
    // and checking); fails the calling test on error.
    QVariant valor(const QString& sentencia) const;
    void ejecutar(const QString& sentencia) const;
    QList<QVariantList> filas(const QString& sentencia) const;

    // Food ids of the fixture.
    static constexpr qint64 mantequilla = 1001;  // Butter, salted
    static constexpr qint64 leche = 1077;        // Milk, whole
    static constexpr qint64 manzana = 9003;      // Apples, raw, with skin
    static constexpr qint64 zanahoria = 11124;   // Carrots, raw
    static constexpr qint64 hamburguesa = 21237; // McDonald's, Hamburger
    static constexpr qint64 galletas = 43212;    // Snacks, ... (id above 32767)

    // The nutrient keys of the fixture, in `sorting` order.
    static QStringList claves();

private:
    QTemporaryDir m_dir;
    QString m_anterior;
    QString m_conexion;
};

// A small file system of its own (tmpfs, `bytes` large) mounted on the new
// folder `carpeta`, for writes that meet a full disk; mounting needs root,
// so montado() may be false. Unmounted when it goes.
class DiscoPequeno
{
public:
    DiscoPequeno(const QString& carpeta, qint64 bytes);
    ~DiscoPequeno();
    DiscoPequeno(const DiscoPequeno&) = delete;
    DiscoPequeno& operator=(const DiscoPequeno&) = delete;

    bool montado() const { return m_montado; }
    QString motivo() const { return m_motivo; } // why it is not mounted
    // Fills the disk with one file until `libres` bytes are left.
    bool dejarLibres(qint64 libres);
    // The files in it, the filling one left out.
    QStringList archivos() const;

private:
    QString m_carpeta;
    bool m_montado = false;
    QString m_motivo;
};
