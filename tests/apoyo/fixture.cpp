#include "apoyo/fixture.h"

#include "storage/esquema.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <sys/statvfs.h>

namespace {

int contador = 0;

// key, name, unit, icon, then the sixteen group values ("" for null).
struct FilaDri
{
    const char* clave;
    const char* nombre;
    const char* unidad;
    const char* icono;
    const char* valores;
};

const FilaDri dris[] = {
    {"Energy", "Energy", "kcal", "general",
     "550,720,990,1480,1990,2740,2720,2570,2380,2240,1810,2060,2110,2000,1860,1760"},
    {"Protein", "Protein", "g", "general",
     "1.52,1.2,1.05,0.95,0.95,0.85,0.8,0.8,0.8,0.8,0.95,0.85,0.8,0.8,0.8,0.8"},
    {"Carbohydrate", "Carbohydrate, by difference", "g", "general",
     "45,55,55,55,55,55,55,55,55,55,55,55,55,55,55,55"},
    {"Sugars_total", "Sugars, total", "g", "general",
     ",,10,10,10,10,10,10,10,10,10,10,10,10,10,10"},
    {"Total_Lipid", "Total lipid (fat)", "g", "general",
     "50,40,35,30,30,30,27.5,27.5,27.5,27.5,30,30,27.5,27.5,27.5,27.5"},
    {"Fatty_acids_total_saturated", "Fatty acids, total saturated", "g", "general",
     ",,10,10,10,10,10,10,10,10,10,10,10,10,10,10"},
    {"Leucine", "Leucine", "g", "aminoacidos", "156,93,63,49,49,47,42,42,42,42,47,44,42,42,42,42"},
    {"Isoleucine", "Isoleucine", "g", "aminoacidos",
     "88,43,28,22,22,21,19,19,19,19,21,19,19,19,19,19"},
    {"Vitamin_C_total_ascorbic_acid", "Vitamin C, total ascorbic acid", "mg", "vitaminas",
     "40,50,15,25,45,75,90,90,90,90,45,65,75,75,75,75"},
    {"Calcium_Ca", "Calcium, Ca", "mg", "minerales",
     "200,260,700,1000,1300,1300,1000,1000,1000,1200,1300,1300,1000,1000,1200,1200"},
    {"Sodium_Na", "Sodium, Na", "mg", "minerales",
     "110,370,800,1000,1200,1500,1500,1500,1500,1500,1200,1500,1500,1500,1500,1500"},
};

// The upper limits of three nutrients: key, applies, the sixteen values.
const char* const limites[][3] = {
    {"Vitamin_C_total_ascorbic_acid", "total",
     ",,400,650,1200,1800,2000,2000,2000,2000,1200,1800,2000,2000,2000,2000"},
    {"Calcium_Ca", "total",
     "1000,1500,2500,2500,3000,3000,2500,2500,2000,2000,3000,3000,2500,2500,2000,2000"},
    {"Sodium_Na", "cdrr",
     ",,1200,1500,1800,2300,2300,2300,2300,2300,1800,2300,2300,2300,2300,2300"},
};

// The average requirements of four nutrients: key, the sixteen values.
const char* const requerimientos[][2] = {
    {"Protein", ",1,0.87,0.76,0.76,0.73,0.66,0.66,0.66,0.66,0.76,0.71,0.66,0.66,0.66,0.66"},
    {"Leucine", ",75,50.8,39.5,39.5,37.9,33.9,33.9,33.9,33.9,37.9,35.5,33.9,33.9,33.9,33.9"},
    {"Vitamin_C_total_ascorbic_acid", ",,13,22,39,63,75,75,75,75,39,56,60,60,60,60"},
    {"Calcium_Ca", ",,500,800,1100,1100,800,800,800,1000,1100,1100,800,800,1000,1000"},
};

// id, description, group, then the nutrient values in key order ("" for null).
struct FilaAlimento
{
    qint64 id;
    const char* descripcion;
    const char* grupo;
    const char* valores;
};

const FilaAlimento alimentos[] = {
    {1001, "Butter, salted", "0100", "717,0.85,0.06,0.06,81.11,51.368,0.083,0.051,0,24,714"},
    {1077, "Milk, whole, 3.25% milkfat", "0100",
     "61,3.15,4.8,5.05,3.25,1.865,0.265,0.165,0,113,43"},
    {9003, "Apples, raw, with skin", "0900", "52,0.26,13.81,10.39,0.17,0.028,0.013,0.006,4.6,6,1"},
    {11124, "Carrots, raw", "1100", "41,0.93,9.58,4.74,0.24,0.037,0.102,0.077,5.9,33,69"},
    {21237, "McDonald's, Hamburger", "2100", "264,12.92,31.36,6.51,9.77,3.6,,,0.6,126,502"},
    {43212, "Snacks, milk chocolate coated crackers", "2500", "480,6.5,62,30,23,12,,,,100,300"},
};

// Household measures: food, amount, name, grams, in the food's order. The
// hamburger has none.
struct FilaMedida
{
    qint64 alimento;
    double cantidad;
    const char* nombre;
    double gramos;
};

const FilaMedida medidas[] = {
    {1077, 1, "cup", 244},
    {1077, 1, "tbsp", 15},
    {1077, 1, "fl oz", 30.5},
    {1077, 1, "quart", 976},
    {1001, 1, "cup", 227},
    {1001, 1, "tbsp", 14.2},
    {1001, 1, "stick", 113},
    {9003, 1, "cup, quartered or chopped", 125},
    {9003, 1, "large (3-1/4\" dia)", 223},
    {11124, 3, "oz", 85},
    {11124, 0.5, "cup, chopped", 64},
    {43212, 1, "oz", 28.35},
};

const char* const grupos[][2] = {
    {"0100", "Dairy and Egg Products"},
    {"0900", "Fruits and Fruit Juices"},
    {"1100", "Vegetables and Vegetable Products"},
    {"2100", "Fast Foods"},
    {"2500", "Snacks"},
    {"1300", "Beef Products"},
};

const char* const columnasGrupo =
    "infants1, infants2, children1, children2, males1, males2, males3, males4, males5, "
    "males6, females1, females2, females3, females4, females5, females6";

QVariantList valoresDe(const char* texto)
{
    QVariantList lista;
    for (const QString& v : QString::fromLatin1(texto).split(QLatin1Char(',')))
        lista << (v.isEmpty() ? QVariant() : QVariant(v.toDouble()));
    return lista;
}

QString marcas(int n)
{
    QStringList m;
    for (int i = 0; i < n; ++i)
        m << QStringLiteral("?");
    return m.join(QStringLiteral(", "));
}

} // namespace

QStringList Fixture::claves()
{
    QStringList c;
    for (const FilaDri& d : dris)
        c << QLatin1String(d.clave);
    return c;
}

Fixture::Fixture(bool conBase)
    : m_anterior(QDir::currentPath()), m_conexion(QStringLiteral("fixture%1").arg(++contador))
{
    QDir::setCurrent(m_dir.path());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_conexion);
    if (!conBase)
        return;
    db.setDatabaseName(ruta(QStringLiteral("sr18.mdb")));
    db.open();
    const QString nutrientes = claves().join(QStringLiteral(" REAL, ")) + QStringLiteral(" REAL");
    ejecutar(QStringLiteral("create table profiles (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                            "name TEXT, last INTEGER NOT NULL DEFAULT 0, age INTEGER, "
                            "gender INTEGER, weight INTEGER)"));
    ejecutar(QStringLiteral("create table saves (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                            "prof_id INTEGER NOT NULL, food_id INTEGER NOT NULL, "
                            "intake INTEGER NOT NULL CHECK (typeof(intake)='integer' AND "
                            "intake >= 0))"));
    ejecutar(
        QStringLiteral("create unique index saves_perfil_alimento on saves(prof_id, food_id)"));
    ejecutar(QStringLiteral("create table groups (id TEXT PRIMARY KEY, name TEXT)"));
    ejecutar(QStringLiteral("create table total (id INTEGER PRIMARY KEY, description TEXT, "
                            "group_id TEXT, %1, Retinol REAL)")
                 .arg(nutrientes));
    ejecutar(QStringLiteral("create table DRIs (id INTEGER PRIMARY KEY, key TEXT, name TEXT, "
                            "unit TEXT, sorting INTEGER, icon TEXT, infants1 REAL, infants2 REAL, "
                            "children1 REAL, children2 REAL, males1 REAL, males2 REAL, "
                            "males3 REAL, males4 REAL, males5 REAL, males6 REAL, females1 REAL, "
                            "females2 REAL, females3 REAL, females4 REAL, females5 REAL, "
                            "females6 REAL)"));

    QSqlQuery q(db);
    db.transaction();
    for (const auto& g : grupos) {
        q.prepare(QStringLiteral("insert into groups values (?, ?)"));
        q.addBindValue(QLatin1String(g[0]));
        q.addBindValue(QLatin1String(g[1]));
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    }
    for (const FilaAlimento& a : alimentos) {
        q.prepare(QStringLiteral("insert into total (id, description, group_id, %1) values (?, ?, "
                                 "?, %2)")
                      .arg(claves().join(QStringLiteral(", ")), marcas(claves().size())));
        q.addBindValue(a.id);
        q.addBindValue(QString::fromUtf8(a.descripcion));
        q.addBindValue(QLatin1String(a.grupo));
        for (const QVariant& v : valoresDe(a.valores))
            q.addBindValue(v);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    }
    int orden = 0;
    for (const FilaDri& d : dris) {
        q.prepare(QStringLiteral("insert into DRIs (key, name, unit, sorting, icon, %1) values "
                                 "(?, ?, ?, ?, ?, %2)")
                      .arg(QLatin1String(columnasGrupo), marcas(16)));
        q.addBindValue(QLatin1String(d.clave));
        q.addBindValue(QLatin1String(d.nombre));
        q.addBindValue(QLatin1String(d.unidad));
        q.addBindValue(++orden);
        q.addBindValue(QLatin1String(d.icono));
        for (const QVariant& v : valoresDe(d.valores))
            q.addBindValue(v);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    }
    ejecutar(QStringLiteral("create table measures (id INTEGER PRIMARY KEY, food_id INTEGER, "
                            "seq INTEGER, amount REAL, name TEXT, grams REAL)"));
    int secuencia = 0;
    for (const FilaMedida& m : medidas) {
        q.prepare(QStringLiteral(
            "insert into measures (food_id, seq, amount, name, grams) values (?, ?, ?, ?, ?)"));
        q.addBindValue(m.alimento);
        q.addBindValue(++secuencia);
        q.addBindValue(m.cantidad);
        q.addBindValue(QString::fromUtf8(m.nombre));
        q.addBindValue(m.gramos);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    }
    ejecutar(QStringLiteral("insert into DRIs (key, name, unit, sorting, icon) values "
                            "('Empty', 'Empty', '', %1, '')")
                 .arg(++orden));
    ejecutar(QStringLiteral("create table ULs (id INTEGER PRIMARY KEY, key TEXT, name TEXT, "
                            "unit TEXT, sorting INTEGER, icon TEXT, %1 REAL, applies TEXT)")
                 .arg(QString::fromLatin1(columnasGrupo)
                          .replace(QLatin1String(","), QLatin1String(" REAL,"))));
    for (const auto& l : limites) {
        q.prepare(QStringLiteral("insert into ULs (key, name, unit, sorting, icon, applies, %1) "
                                 "select key, name, unit, sorting, icon, ?, %2 from DRIs where "
                                 "key=?")
                      .arg(QLatin1String(columnasGrupo), marcas(16)));
        q.addBindValue(QLatin1String(l[1]));
        for (const QVariant& v : valoresDe(l[2]))
            q.addBindValue(v);
        q.addBindValue(QLatin1String(l[0]));
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    }
    for (const QString& sentencia : almacen::definicionesPropias())
        ejecutar(sentencia);
    ejecutar(QStringLiteral("create table EARs as select * from DRIs where 0"));
    for (const auto& r : requerimientos) {
        q.prepare(QStringLiteral("insert into EARs (id, key, name, unit, sorting, icon, %1) "
                                 "select id, key, name, unit, sorting, icon, %2 from DRIs where "
                                 "key=?")
                      .arg(QLatin1String(columnasGrupo), marcas(16)));
        for (const QVariant& v : valoresDe(r[1]))
            q.addBindValue(v);
        q.addBindValue(QLatin1String(r[0]));
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    }
    ejecutar(QStringLiteral("insert into profiles (name, last) values ('My profile', 1)"));
    db.commit();
}

Fixture::~Fixture()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_conexion, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_conexion);
    QDir::setCurrent(m_anterior);
}

bool Fixture::usarCopia(const QString& origen)
{
    QSqlDatabase db = QSqlDatabase::database(m_conexion, false);
    db.close();
    if (!QFile::copy(origen, ruta(QStringLiteral("sr18.mdb"))))
        return false;
    QFile::setPermissions(ruta(QStringLiteral("sr18.mdb")), QFile::ReadOwner | QFile::WriteOwner);
    db.setDatabaseName(ruta(QStringLiteral("sr18.mdb")));
    return db.open();
}

QString Fixture::ruta(const QString& archivo) const
{
    return m_dir.filePath(archivo);
}

QString Fixture::log() const
{
    QFile f(ruta(QStringLiteral("errors.log")));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(f.readAll());
}

int Fixture::entradasLog() const
{
    return int(log().count(QString(92, QLatin1Char('-'))));
}

void Fixture::borrarLog() const
{
    QFile::resize(ruta(QStringLiteral("errors.log")), 0);
}

void Fixture::ejecutar(const QString& sentencia) const
{
    QSqlQuery q(QSqlDatabase::database(m_conexion));
    QVERIFY2(q.exec(sentencia), qPrintable(q.lastError().text() + QLatin1Char(' ') + sentencia));
}

QVariant Fixture::valor(const QString& sentencia) const
{
    const QList<QVariantList> f = filas(sentencia);
    return f.isEmpty() || f.first().isEmpty() ? QVariant() : f.first().first();
}

QList<QVariantList> Fixture::filas(const QString& sentencia) const
{
    QList<QVariantList> resultado;
    QSqlQuery q(QSqlDatabase::database(m_conexion));
    if (!q.exec(sentencia)) {
        qWarning("%s: %s", qPrintable(sentencia), qPrintable(q.lastError().text()));
        return resultado;
    }
    while (q.next()) {
        QVariantList fila;
        for (int i = 0; i < q.record().count(); ++i)
            fila << q.value(i);
        resultado << fila;
    }
    return resultado;
}

DiscoPequeno::DiscoPequeno(const QString& carpeta, qint64 bytes) : m_carpeta(carpeta)
{
    QDir().mkpath(carpeta);
    const QByteArray opciones = "size=" + QByteArray::number(bytes) + ",mode=0700";
    m_montado = ::mount("tmpfs", QFile::encodeName(carpeta).constData(), "tmpfs",
                        MS_NOSUID | MS_NODEV | MS_NOEXEC, opciones.constData()) == 0;
    if (!m_montado)
        m_motivo = QStringLiteral("tmpfs cannot be mounted here: ") +
                   QString::fromLocal8Bit(std::strerror(errno));
}

DiscoPequeno::~DiscoPequeno()
{
    if (m_montado)
        ::umount2(QFile::encodeName(m_carpeta).constData(), MNT_DETACH);
}

bool DiscoPequeno::dejarLibres(qint64 libres)
{
    struct statvfs datos;
    if (::statvfs(QFile::encodeName(m_carpeta).constData(), &datos) != 0)
        return false;
    const qint64 hay = qint64(datos.f_bavail) * qint64(datos.f_frsize);
    QFile relleno(m_carpeta + QStringLiteral("/.relleno"));
    if (!relleno.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    relleno.write(QByteArray(qMax<qint64>(0, hay - libres), 'x'));
    relleno.close();
    if (::statvfs(QFile::encodeName(m_carpeta).constData(), &datos) != 0)
        return false;
    return qint64(datos.f_bavail) * qint64(datos.f_frsize) == libres;
}

QStringList DiscoPequeno::archivos() const
{
    QStringList lista =
        QDir(m_carpeta).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    lista.removeAll(QStringLiteral(".relleno"));
    return lista;
}
