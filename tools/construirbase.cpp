#include "construirbase.h"

#include "alimentos.h"
#include "archivozip.h"
#include "limites.h"
#include "referencias.h"
#include "storage/esquema.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QUuid>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace construccion {

namespace {

// The temporary database being written, for the interruption handler:
// a fixed buffer, since the handler may only call async-signal-safe functions.
char temporalEnCurso[4096];
volatile std::sig_atomic_t hayTemporal = 0;

void alInterrumpir(int senal)
{
    if (hayTemporal)
        ::unlink(temporalEnCurso);
    std::signal(senal, SIG_DFL);
    std::raise(senal);
}

void anotarTemporal(const QString& ruta)
{
    hayTemporal = 0;
    const QByteArray nombre = QFile::encodeName(ruta);
    if (nombre.isEmpty() || size_t(nombre.size()) >= sizeof temporalEnCurso)
        return;
    std::memcpy(temporalEnCurso, nombre.constData(), size_t(nombre.size()) + 1);
    hayTemporal = 1;
}

const QString textoAlimentos =
    QStringLiteral("USDA National Nutrient Database for Standard Reference, release 24, with the "
                   "food groups, vitamin A (RAE) and corrected values USDA published");
const QString textoReferencias =
    QStringLiteral("Dietary Reference Intakes of the Food and Nutrition Board (National "
                   "Academies): RDA or AI, upper limits (UL), sodium's CDRR");

const QString carpetaArchivo = QStringLiteral("usda_sr24/");
const QString rutaEnPaquete = QStringLiteral("usr/share/cronometer/usda_sr24.jar");

// Runs a program to its end; false with a description when it cannot start,
// times out or ends with a failure.
bool ejecutar(const QString& programa, const QStringList& argumentos, const QString& carpeta,
              QString* error)
{
    QProcess proceso;
    proceso.setWorkingDirectory(carpeta);
    proceso.setProcessChannelMode(QProcess::MergedChannels);
    proceso.start(programa, argumentos);
    if (!proceso.waitForStarted(30000)) {
        *error = QStringLiteral("%1 did not start: %2").arg(programa, proceso.errorString());
        return false;
    }
    if (!proceso.waitForFinished(10 * 60 * 1000)) {
        proceso.kill();
        proceso.waitForFinished();
        *error = QStringLiteral("%1 did not finish in ten minutes").arg(programa);
        return false;
    }
    if (proceso.exitStatus() != QProcess::NormalExit || proceso.exitCode() != 0) {
        const QString salida = QString::fromLocal8Bit(proceso.readAll()).trimmed();
        *error = QStringLiteral("%1 %2 failed (exit status %3)%4")
                     .arg(programa, argumentos.join(QLatin1Char(' ')),
                          QString::number(proceso.exitCode()),
                          salida.isEmpty() ? QString() : QStringLiteral(": ") + salida.right(600));
        return false;
    }
    return true;
}

// Finds usda_sr24.jar: given, inside a given package, or inside the package
// fetched from Debian's archive. Temporary folders live in `temporal`.
bool localizarArchivo(const OpcionesConstruccion& opciones, QTemporaryDir& temporal,
                      QString* archivo, QString* error)
{
    if (!opciones.archivo.isEmpty()) {
        *archivo = opciones.archivo;
        return true;
    }
    if (!temporal.isValid()) {
        *error = QStringLiteral("cannot create a temporary folder: %1").arg(temporal.errorString());
        return false;
    }
    QString paquete = opciones.paquete;
    if (paquete.isEmpty()) {
        const QString descarga = temporal.filePath(QStringLiteral("descarga"));
        QDir().mkpath(descarga);
        QString detalle;
        if (!ejecutar(QStringLiteral("apt-get"),
                      {QStringLiteral("download"), QStringLiteral("cronometer")}, descarga,
                      &detalle)) {
            *error = QStringLiteral("could not fetch the cronometer package: %1").arg(detalle);
            return false;
        }
        const QStringList paquetes =
            QDir(descarga).entryList({QStringLiteral("cronometer_*.deb")}, QDir::Files, QDir::Name);
        if (paquetes.isEmpty()) {
            *error =
                QStringLiteral("could not fetch the cronometer package: apt-get left no .deb file");
            return false;
        }
        paquete = QDir(descarga).filePath(paquetes.first());
    } else if (!QFileInfo(paquete).isFile()) {
        *error = QStringLiteral("the package %1 does not exist").arg(paquete);
        return false;
    }
    const QString desempaquetado = temporal.filePath(QStringLiteral("paquete"));
    QDir().mkpath(desempaquetado);
    QString detalle;
    if (!ejecutar(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), paquete, desempaquetado},
                  desempaquetado, &detalle)) {
        *error = QStringLiteral("could not unpack %1: %2").arg(paquete, detalle);
        return false;
    }
    *archivo = QDir(desempaquetado).filePath(rutaEnPaquete);
    if (!QFileInfo(*archivo).isFile()) {
        *error = QStringLiteral("the package %1 holds no %2").arg(paquete, rutaEnPaquete);
        return false;
    }
    return true;
}

struct Fila
{
    int id;
    QString descripcion;
    QString grupo;
    QVariantList valores; // one per column of columnasNutrientes(); null when unknown
    QList<Medida> medidas;
};

// What USDA's published files of the release settle.
struct DatosPublicados
{
    QHash<int, QString> grupos;
    QString origenGrupos;
    QHash<int, double> rae;
    QString origenRae;
    QList<Correccion> correcciones;
    QString origenCorrecciones;
};

bool leerArchivo(const QString& ruta, const QString& que, QByteArray* texto, QString* error)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1 %2: %3").arg(que, ruta, archivo.errorString());
        return false;
    }
    *texto = archivo.readAll();
    return true;
}

bool leerPublicados(const OpcionesConstruccion& opciones, DatosPublicados* datos, QString* error)
{
    QByteArray texto;
    datos->origenGrupos = opciones.gruposAlimentos;
    datos->origenRae = opciones.rae;
    datos->origenCorrecciones = opciones.correcciones;
    return leerArchivo(opciones.gruposAlimentos, QStringLiteral("the food groups"), &texto,
                       error) &&
           leerGruposAlimentos(texto, opciones.gruposAlimentos, &datos->grupos, error) &&
           leerArchivo(opciones.rae, QStringLiteral("the vitamin A values"), &texto, error) &&
           leerRae(texto, opciones.rae, &datos->rae, error) &&
           leerArchivo(opciones.correcciones, QStringLiteral("the corrections"), &texto, error) &&
           leerCorrecciones(texto, opciones.correcciones, &datos->correcciones, error);
}

QString numeroAlimento(int id)
{
    return QStringLiteral("%1").arg(id, 5, 10, QLatin1Char('0'));
}

// A few food numbers for a message, in order.
QString algunos(QList<int> ids)
{
    std::sort(ids.begin(), ids.end());
    QStringList numeros;
    for (int i = 0; i < ids.size() && i < 5; ++i)
        numeros << numeroAlimento(ids[i]);
    if (ids.size() > 5)
        numeros << QStringLiteral("...");
    return QStringLiteral("%1 (%2)").arg(QString::number(ids.size()),
                                         numeros.join(QStringLiteral(", ")));
}

// The group file must name exactly the foods of foods.index.
bool mismosAlimentos(const QList<EntradaIndice>& indice, const QSet<int>& actuales,
                     const DatosPublicados& datos, QString* error)
{
    QList<int> sinGrupo, ajenos;
    for (const EntradaIndice& e : indice)
        if (!datos.grupos.contains(e.id))
            sinGrupo << e.id;
    for (auto it = datos.grupos.cbegin(); it != datos.grupos.cend(); ++it)
        if (!actuales.contains(it.key()))
            ajenos << it.key();
    if (sinGrupo.isEmpty() && ajenos.isEmpty())
        return true;
    QStringList partes;
    if (!sinGrupo.isEmpty())
        partes << QStringLiteral("foods of foods.index without a group: %1").arg(algunos(sinGrupo));
    if (!ajenos.isEmpty())
        partes << QStringLiteral("foods foods.index does not list: %1").arg(algunos(ajenos));
    *error = QStringLiteral("%1 and foods.index disagree on the foods; %2")
                 .arg(datos.origenGrupos, partes.join(QStringLiteral("; ")));
    return false;
}

// A file that names foods foods.index does not list belongs to other data.
bool soloListados(const QSet<int>& ajenos, const QString& origen, QString* error)
{
    if (ajenos.isEmpty())
        return true;
    *error = QStringLiteral("%1 names foods foods.index does not list: %2")
                 .arg(origen, algunos(ajenos.values()));
    return false;
}

// Puts USDA's vitamin A RAE and the corrected values in place. Corrections of
// values `total` does not keep are skipped.
bool aplicarPublicados(const DatosPublicados& datos, QList<Fila>* filas, int* conRae,
                       int* corregidos, QString* error)
{
    const QStringList columnas = columnasNutrientes();
    const qsizetype columnaDeRae = columnas.indexOf(QString::fromLatin1(columnaRae));
    QHash<int, qsizetype> posicion;
    for (qsizetype i = 0; i < filas->size(); ++i)
        posicion.insert(filas->at(i).id, i);

    QSet<int> ajenos;
    for (auto it = datos.rae.cbegin(); it != datos.rae.cend(); ++it) {
        if (posicion.contains(it.key()))
            (*filas)[posicion.value(it.key())].valores[columnaDeRae] = it.value();
        else
            ajenos.insert(it.key());
    }
    if (!soloListados(ajenos, datos.origenRae, error))
        return false;
    *conRae = int(datos.rae.size());

    *corregidos = 0;
    for (const Correccion& c : datos.correcciones) {
        const qsizetype columna = columnas.indexOf(c.clave);
        if (!posicion.contains(c.id))
            ajenos.insert(c.id);
        else if (columna >= 0) {
            (*filas)[posicion.value(c.id)].valores[columna] =
                c.valor ? QVariant(*c.valor) : QVariant(QMetaType(QMetaType::Double));
            ++*corregidos;
        }
    }
    return soloListados(ajenos, datos.origenCorrecciones, error);
}

// A food's measures in the file's order, each identical one once (03072
// lists its jar twice). The same name with another amount stays.
QList<Medida> medidasSinRepetir(const QList<Medida>& medidas)
{
    QList<Medida> unicas;
    for (const Medida& m : medidas)
        if (!unicas.contains(m))
            unicas << m;
    return unicas;
}

// Reads every current food of the archive, ordered by number, with the
// published values in place.
// The index of the archive's current foods, in `indice`; how many foods
// it lists as withdrawn goes into `retirados`.
bool leerIndices(ArchivoZip& archivo, const QString& rutaArchivo, QList<EntradaIndice>* indice,
                 int* retirados, QString* error)
{
    QByteArray texto;
    QList<EntradaIndice> antiguos;
    if (!archivo.leerEntrada(carpetaArchivo + QStringLiteral("foods.index"), &texto) ||
        !leerIndice(texto, QStringLiteral("foods.index"), true, indice, error)) {
        if (error->isEmpty())
            *error = archivo.error();
        return false;
    }
    if (indice->isEmpty()) {
        *error = QStringLiteral("%1: foods.index lists no food").arg(rutaArchivo);
        return false;
    }
    // The withdrawn foods are left out simply by reading foods.index only;
    // the list is read to report how many there are.
    if (archivo.contiene(carpetaArchivo + QStringLiteral("deprecated.index"))) {
        if (!archivo.leerEntrada(carpetaArchivo + QStringLiteral("deprecated.index"), &texto)) {
            *error = archivo.error();
            return false;
        }
        if (!leerIndice(texto, QStringLiteral("deprecated.index"), false, &antiguos, error))
            return false;
    }
    QSet<int> actuales;
    for (const EntradaIndice& e : *indice)
        actuales.insert(e.id);
    QSet<int> retiradosUnicos;
    for (const EntradaIndice& e : antiguos)
        if (!actuales.contains(e.id))
            retiradosUnicos.insert(e.id);
    *retirados = int(retiradosUnicos.size());
    return true;
}

// One food's row from its file in the archive.
bool leerFila(ArchivoZip& archivo, const EntradaIndice& e, const DatosPublicados& datos, Fila* fila,
              QString* error)
{
    const QString numero = numeroAlimento(e.id);
    const QString nombre = carpetaArchivo + numero + QStringLiteral(".xml");
    QByteArray texto;
    if (!archivo.leerEntrada(nombre, &texto)) {
        *error = archivo.error();
        return false;
    }
    Alimento alimento;
    if (!leerAlimento(texto, nombre, &alimento, error))
        return false;
    if (alimento.id != e.id) {
        *error = QStringLiteral("%1: the file describes food %2, not %3")
                     .arg(nombre, QString::number(alimento.id), numero);
        return false;
    }
    const QVariant nulo{QMetaType(QMetaType::Double)};
    *fila = Fila{e.id, e.descripcion, datos.grupos.value(e.id), {}, {}};
    for (const Nutriente& n : nutrientes()) {
        const auto it = alimento.cantidades.constFind(QString::fromLatin1(n.nombreXml));
        fila->valores << (it == alimento.cantidades.constEnd() ? nulo : QVariant(*it));
    }
    fila->valores << nulo; // the RAE, from the published values
    fila->medidas = medidasSinRepetir(alimento.medidas);
    return true;
}

bool leerAlimentos(const QString& rutaArchivo, const DatosPublicados& datos, QList<Fila>* filas,
                   ResumenConstruccion* resumen, QString* error)
{
    ArchivoZip archivo;
    if (!archivo.abrir(rutaArchivo)) {
        *error = archivo.error();
        return false;
    }
    QList<EntradaIndice> indice;
    if (!leerIndices(archivo, rutaArchivo, &indice, &resumen->retirados, error))
        return false;
    QSet<int> actuales;
    for (const EntradaIndice& e : indice)
        actuales.insert(e.id);
    if (!mismosAlimentos(indice, actuales, datos, error))
        return false;

    std::sort(indice.begin(), indice.end(),
              [](const EntradaIndice& a, const EntradaIndice& b) { return a.id < b.id; });
    filas->clear();
    filas->reserve(indice.size());
    for (const EntradaIndice& e : indice) {
        Fila fila;
        if (!leerFila(archivo, e, datos, &fila, error))
            return false;
        filas->append(std::move(fila));
    }
    return aplicarPublicados(datos, filas, &resumen->conRae, &resumen->corregidos, error);
}

// Table `measures`: every food's household measures, `seq` counting from 1
// in the file's order.
bool escribirMedidas(QSqlDatabase base, const QList<Fila>& alimentos, QString* error)
{
    QSqlQuery consulta(base);
    for (const QString& s :
         {QStringLiteral("CREATE TABLE measures (id INTEGER PRIMARY KEY, food_id INTEGER NOT NULL,"
                         " seq INTEGER NOT NULL, amount REAL NOT NULL, \"name\" TEXT NOT NULL,"
                         " grams REAL NOT NULL)"),
          QStringLiteral("CREATE INDEX measures_food ON measures (food_id)")})
        if (!consulta.exec(s)) {
            *error = QStringLiteral("the database refused \"%1\": %2")
                         .arg(s, consulta.lastError().text());
            return false;
        }
    const QString sentencia = QStringLiteral(
        "INSERT INTO measures (food_id, seq, amount, \"name\", grams) VALUES (?, ?, ?, ?, ?)");
    if (!consulta.prepare(sentencia)) {
        *error = QStringLiteral("the database refused \"%1\": %2")
                     .arg(sentencia, consulta.lastError().text());
        return false;
    }
    for (const Fila& f : alimentos) {
        for (int i = 0; i < f.medidas.size(); ++i) {
            consulta.addBindValue(f.id);
            consulta.addBindValue(i + 1);
            consulta.addBindValue(f.medidas[i].cantidad);
            consulta.addBindValue(f.medidas[i].nombre);
            consulta.addBindValue(f.medidas[i].gramos);
            if (!consulta.exec()) {
                *error = QStringLiteral("food %1, measure %2: %3")
                             .arg(f.id)
                             .arg(i + 1)
                             .arg(consulta.lastError().text());
                return false;
            }
        }
    }
    return true;
}

bool leerReferenciasDe(const QString& ruta, QList<FilaReferencia>* filas, QString* error)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the reference values %1: %2")
                     .arg(ruta, archivo.errorString());
        return false;
    }
    if (!leerReferencias(archivo.readAll(), ruta, filas, error))
        return false;
    const QStringList columnas = columnasNutrientes();
    for (const FilaReferencia& f : *filas) {
        if (!columnas.contains(f.clave)) {
            *error = QStringLiteral("%1: the nutrient \"%2\" is not a column of the food table")
                         .arg(ruta, f.clave);
            return false;
        }
    }
    return true;
}

// The average requirements, against the reference values.
bool leerRequerimientosDe(const QString& ruta, const QList<FilaReferencia>& referencias,
                          QList<FilaReferencia>* filas, QString* error)
{
    QByteArray texto;
    return leerArchivo(ruta, QStringLiteral("the average requirements"), &texto, error) &&
           leerRequerimientos(texto, ruta, referencias, filas, error);
}

// The upper limits; every nutrient must be a column of `total`, and so must
// the column a limit is compared with instead.
bool leerLimitesDe(const QString& ruta, QList<FilaLimite>* filas, QString* error)
{
    QByteArray texto;
    if (!leerArchivo(ruta, QStringLiteral("the upper limits"), &texto, error) ||
        !leerLimites(texto, ruta, filas, error))
        return false;
    const QStringList columnas = columnasNutrientes();
    for (const FilaLimite& l : std::as_const(*filas)) {
        const QString columna =
            l.aplica == QLatin1String("retinol") ? QStringLiteral("Retinol") : l.fila.clave;
        if (!columnas.contains(columna)) {
            *error = QStringLiteral("%1: the nutrient \"%2\" is not a column of the food table")
                         .arg(ruta, columna);
            return false;
        }
    }
    return true;
}

// Runs statements one after the other; false with the failing statement.
class Escritor
{
public:
    explicit Escritor(QSqlDatabase base) : base_(base) {}

    bool ejecutar(const QString& sentencia)
    {
        QSqlQuery consulta(base_);
        if (!consulta.exec(sentencia))
            return fallo(consulta, sentencia);
        return true;
    }

    bool fallo(const QSqlQuery& consulta, const QString& sentencia)
    {
        error_ = QStringLiteral("the database refused \"%1\": %2")
                     .arg(sentencia.left(200), consulta.lastError().text());
        return false;
    }

    QString error() const { return error_; }

private:
    QSqlDatabase base_;
    QString error_;
};

// Writes rows laid out as those of `DRIs` into `tabla` (its own name, never
// a user's), inside the caller's transaction.
bool escribirFilasReferencia(QSqlDatabase base, const QString& tabla,
                             const QList<FilaReferencia>& filas, QString* error)
{
    QStringList columnas = {QStringLiteral("\"key\""), QStringLiteral("\"name\""),
                            QStringLiteral("unit"), QStringLiteral("sorting"),
                            QStringLiteral("icon")};
    columnas += columnasGrupos();
    const QString sentencia =
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(tabla, columnas.join(QStringLiteral(", ")),
                 QStringList(columnas.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
    Escritor e(base);
    QSqlQuery q(base);
    if (!q.prepare(sentencia)) {
        e.fallo(q, sentencia);
        *error = e.error();
        return false;
    }
    for (const FilaReferencia& f : filas) {
        enlazarReferencia(q, f);
        if (!q.exec()) {
            e.fallo(q, sentencia);
            *error = e.error();
            return false;
        }
    }
    return true;
}

// Creates the tables, empty but for the first profile.
bool crearEsquema(Escritor& e, QString* error)
{
    const QStringList columnas = columnasNutrientes();
    const QStringList gruposEdad = columnasGrupos();

    QStringList definicion = {QStringLiteral("id INTEGER PRIMARY KEY"),
                              QStringLiteral("description TEXT NOT NULL"),
                              QStringLiteral("group_id TEXT NOT NULL")};
    for (const QString& c : columnas)
        definicion << c + QStringLiteral(" REAL");
    QStringList definicionDris = {
        QStringLiteral("id INTEGER PRIMARY KEY"), QStringLiteral("\"key\" TEXT NOT NULL"),
        QStringLiteral("\"name\" TEXT"),          QStringLiteral("unit TEXT"),
        QStringLiteral("sorting INTEGER"),        QStringLiteral("icon TEXT")};
    for (const QString& g : gruposEdad)
        definicionDris << g + QStringLiteral(" REAL");

    const QStringList esquema = {
        QStringLiteral("PRAGMA journal_mode=MEMORY"),
        QStringLiteral("PRAGMA synchronous=OFF"),
        QStringLiteral("BEGIN"),
        QStringLiteral(
            "CREATE TABLE profiles (id INTEGER PRIMARY KEY AUTOINCREMENT, \"name\" TEXT,"
            " \"last\" INTEGER NOT NULL DEFAULT 0, age INTEGER, gender INTEGER, weight INTEGER)"),
        QStringLiteral(
            "CREATE TABLE saves (id INTEGER PRIMARY KEY AUTOINCREMENT,"
            " prof_id INTEGER NOT NULL, food_id INTEGER NOT NULL,"
            " intake INTEGER NOT NULL CHECK (typeof(intake)='integer' AND intake >= 0))"),
        QStringLiteral("CREATE UNIQUE INDEX saves_prof_food ON saves (prof_id, food_id)"),
        QStringLiteral("CREATE TABLE \"total\" (%1)").arg(definicion.join(QStringLiteral(", "))),
        QStringLiteral("CREATE INDEX total_group ON \"total\" (group_id)"),
        QStringLiteral("CREATE TABLE \"groups\" (id TEXT PRIMARY KEY, \"name\" TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE DRIs (%1)").arg(definicionDris.join(QStringLiteral(", "))),
        // The average requirements, laid out as the reference values.
        QStringLiteral("CREATE TABLE EARs (%1)").arg(definicionDris.join(QStringLiteral(", "))),
        // Foods an upgrade carried over for old intakes although the food
        // table no longer has them.
        QStringLiteral("CREATE TABLE withdrawn (id INTEGER PRIMARY KEY)"),
        QStringLiteral("INSERT INTO profiles (\"name\", \"last\") VALUES ('My profile', 1)"),
    };
    for (const QString& s : esquema)
        if (!e.ejecutar(s)) {
            *error = e.error();
            return false;
        }
    return true;
}

bool escribirGrupos(QSqlDatabase base, Escritor& e, QString* error)
{
    QSqlQuery insercion(base);
    const QString sentenciaGrupos =
        QStringLiteral("INSERT INTO \"groups\" (id, \"name\") VALUES (?, ?)");
    if (!insercion.prepare(sentenciaGrupos)) {
        e.fallo(insercion, sentenciaGrupos);
        *error = e.error();
        return false;
    }
    for (const Grupo& g : grupos()) {
        insercion.addBindValue(g.id);
        insercion.addBindValue(g.nombre);
        if (!insercion.exec()) {
            e.fallo(insercion, sentenciaGrupos);
            *error = e.error();
            return false;
        }
    }
    return true;
}

// The tables of the user's own foods and recipes, empty, and their group,
// after the USDA groups.
bool escribirPropios(Escritor& e, QString* error)
{
    for (const QString& s : almacen::definicionesPropias())
        if (!e.ejecutar(s)) {
            *error = e.error();
            return false;
        }
    return true;
}

bool escribirAlimentos(QSqlDatabase base, Escritor& e, const QList<Fila>& alimentos, QString* error)
{
    const QStringList columnas = columnasNutrientes();
    QStringList marcas(columnas.size() + 3, QStringLiteral("?"));
    const QString sentenciaAlimentos =
        QStringLiteral("INSERT INTO \"total\" (id, description, group_id, %1) VALUES (%2)")
            .arg(columnas.join(QStringLiteral(", ")), marcas.join(QStringLiteral(", ")));
    QSqlQuery alimento(base);
    if (!alimento.prepare(sentenciaAlimentos)) {
        e.fallo(alimento, sentenciaAlimentos);
        *error = e.error();
        return false;
    }
    for (const Fila& f : alimentos) {
        alimento.addBindValue(f.id);
        alimento.addBindValue(f.descripcion);
        alimento.addBindValue(f.grupo);
        for (const QVariant& v : f.valores)
            alimento.addBindValue(v);
        if (!alimento.exec()) {
            e.fallo(alimento, sentenciaAlimentos);
            *error = QStringLiteral("food %1: %2").arg(QString::number(f.id), e.error());
            return false;
        }
    }
    return true;
}

// The reference values with the placeholder row "Empty" after them, and the
// average requirements.
bool escribirValores(QSqlDatabase base, const QList<FilaReferencia>& referencias,
                     const QList<FilaReferencia>& requerimientos, QString* error)
{
    QList<FilaReferencia> filas = referencias;
    FilaReferencia vacia;
    vacia.clave = vacia.nombre = QStringLiteral("Empty");
    vacia.unidad = vacia.icono = QStringLiteral("");
    vacia.orden = filas.last().orden + 1;
    for (int g = 0; g < columnasGrupos().size(); ++g)
        vacia.valores << std::nullopt;
    filas << vacia;
    return escribirFilasReferencia(base, QStringLiteral("DRIs"), filas, error) &&
           escribirFilasReferencia(base, QStringLiteral("EARs"), requerimientos, error);
}

bool escribirTablas(QSqlDatabase base, const QList<Fila>& alimentos,
                    const QList<FilaReferencia>& referencias, const QList<FilaLimite>& limites,
                    const QList<FilaReferencia>& requerimientos, QString* error)
{
    Escritor e(base);
    if (!crearEsquema(e, error) || !escribirGrupos(base, e, error) || !escribirPropios(e, error) ||
        !escribirAlimentos(base, e, alimentos, error) ||
        !escribirValores(base, referencias, requerimientos, error) ||
        !escribirLimites(base, limites, error) || !escribirMedidas(base, alimentos, error))
        return false;
    if (!e.ejecutar(QStringLiteral("COMMIT"))) {
        *error = e.error();
        return false;
    }
    // The file says what it is: version, sources, the delivered reference
    // values kept apart from those the user will edit.
    if (!almacen::sellarEntregada(base, textoAlimentos, textoReferencias, error))
        return false;
    if (!e.ejecutar(QStringLiteral("VACUUM"))) {
        *error = e.error();
        return false;
    }
    return true;
}

// Writes the database into `ruta`, an existing empty file.
bool escribirBase(const QString& ruta, const QList<Fila>& alimentos,
                  const QList<FilaReferencia>& referencias, const QList<FilaLimite>& limites,
                  const QList<FilaReferencia>& requerimientos, QString* error)
{
    const QString conexion = QStringLiteral("construccion-") + QUuid::createUuid().toString();
    bool correcto = false;
    {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexion);
        base.setDatabaseName(ruta);
        if (!base.isValid()) {
            *error =
                QStringLiteral("the SQLite driver of Qt is missing (package libqt6sql6-sqlite)");
        } else if (!base.open()) {
            *error = QStringLiteral("cannot create the database %1: %2")
                         .arg(ruta, base.lastError().text());
        } else {
            correcto = escribirTablas(base, alimentos, referencias, limites, requerimientos, error);
            base.close();
        }
    }
    QSqlDatabase::removeDatabase(conexion);
    return correcto;
}

} // namespace

namespace {

// Writes the database into a temporary file beside `salida`, then renames
// it over `salida` in one step; no file is left when it fails.
bool escribirEn(const QString& salida, const QList<Fila>& alimentos,
                const QList<FilaReferencia>& referencias, const QList<FilaLimite>& limites,
                const QList<FilaReferencia>& requerimientos, QString* error)
{
    const QFileInfo destino(salida);
    if (!QDir().mkpath(destino.absolutePath())) {
        *error = QStringLiteral("cannot create the folder %1").arg(destino.absolutePath());
        return false;
    }
    QTemporaryFile temporal(destino.absolutePath() + QStringLiteral("/.") + destino.fileName() +
                            QStringLiteral(".XXXXXX"));
    if (!temporal.open()) {
        *error = QStringLiteral("cannot write in %1: %2")
                     .arg(destino.absolutePath(), temporal.errorString());
        return false;
    }
    temporal.close();
    anotarTemporal(temporal.fileName());
    if (!escribirBase(temporal.fileName(), alimentos, referencias, limites, requerimientos,
                      error)) {
        hayTemporal = 0;
        return false; // the temporary file goes with `temporal`
    }
    QFile::setPermissions(temporal.fileName(), QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ReadGroup | QFile::ReadOther);
    // rename() replaces an existing file in one step.
    if (std::rename(QFile::encodeName(temporal.fileName()).constData(),
                    QFile::encodeName(destino.absoluteFilePath()).constData()) != 0) {
        hayTemporal = 0;
        *error = QStringLiteral("cannot move the new database to %1: %2")
                     .arg(destino.absoluteFilePath(), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    hayTemporal = 0;
    temporal.setAutoRemove(false);
    return true;
}

// The foods of the archive the options name, corrected by USDA's files.
bool leerAlimentosDe(const OpcionesConstruccion& opciones, const DatosPublicados& publicados,
                     QList<Fila>* alimentos, ResumenConstruccion* resumen, QString* error)
{
    QTemporaryDir temporal;
    QString rutaArchivo;
    if (!localizarArchivo(opciones, temporal, &rutaArchivo, error))
        return false;
    if (!QFileInfo(rutaArchivo).isFile()) {
        *error = QStringLiteral("the archive %1 does not exist").arg(rutaArchivo);
        return false;
    }
    return leerAlimentos(rutaArchivo, publicados, alimentos, resumen, error);
}

} // namespace

bool construirBase(const OpcionesConstruccion& opciones, ResumenConstruccion* resumen,
                   QString* error)
{
    QElapsedTimer reloj;
    reloj.start();
    *resumen = ResumenConstruccion();
    error->clear();
    if (opciones.salida.isEmpty()) {
        *error = QStringLiteral("no output file given");
        return false;
    }
    QList<FilaReferencia> referencias;
    QList<FilaLimite> limites;
    QList<FilaReferencia> requerimientos;
    DatosPublicados publicados;
    QList<Fila> alimentos;
    if (!leerReferenciasDe(opciones.referencias, &referencias, error) ||
        !leerLimitesDe(opciones.limites, &limites, error) ||
        !leerRequerimientosDe(opciones.requerimientos, referencias, &requerimientos, error) ||
        !leerPublicados(opciones, &publicados, error) ||
        !leerAlimentosDe(opciones, publicados, &alimentos, resumen, error) ||
        !escribirEn(opciones.salida, alimentos, referencias, limites, requerimientos, error))
        return false;

    resumen->alimentos = int(alimentos.size());
    for (const Fila& f : alimentos)
        resumen->medidas += int(f.medidas.size());
    resumen->grupos = int(grupos().size());
    resumen->nutrientes = int(columnasNutrientes().size());
    resumen->filasReferencia = int(referencias.size()) + 1;
    resumen->filasLimite = int(limites.size());
    resumen->filasRequerimiento = int(requerimientos.size());
    resumen->bytes = QFileInfo(QFileInfo(opciones.salida).absoluteFilePath()).size();
    resumen->segundos = reloj.nsecsElapsed() / 1e9;
    return true;
}

void limpiarAlInterrumpir()
{
    for (int senal : {SIGINT, SIGTERM, SIGHUP})
        std::signal(senal, alInterrumpir);
}

QString describirResumen(const OpcionesConstruccion& opciones, const ResumenConstruccion& r)
{
    return QStringLiteral("Wrote %1\n"
                          "  foods:      %2 (%3 withdrawn foods left out)\n"
                          "  groups:     %4\n"
                          "  nutrients:  %5 columns of total\n"
                          "  vitamin A:  %6 foods with USDA's RAE\n"
                          "  corrected:  %7 values\n"
                          "  DRIs rows:  %8 (placeholder \"Empty\" included)\n"
                          "  ULs rows:   %12\n"
                          "  EARs rows:  %14\n"
                          "  measures:   %13 household measures\n"
                          "  file size:  %9 bytes (%10 MiB)\n"
                          "  time:       %11 s\n")
        .arg(opciones.salida, QString::number(r.alimentos), QString::number(r.retirados),
             QString::number(r.grupos), QString::number(r.nutrientes), QString::number(r.conRae),
             QString::number(r.corregidos), QString::number(r.filasReferencia),
             QString::number(r.bytes), QString::number(r.bytes / 1048576.0, 'f', 1),
             QString::number(r.segundos, 'f', 2), QString::number(r.filasLimite),
             QString::number(r.medidas), QString::number(r.filasRequerimiento));
}

} // namespace construccion
