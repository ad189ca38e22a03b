#include "profiles/perfiles.h"

#include "storage/basedatos.h"
#include "storage/registro.h"

#include <QCoreApplication>

namespace {

const QString etiquetaGuardar = QStringLiteral("guardar() (profiles) -> ");

} // namespace

QStringList gruposEdad()
{
    static const char* const grupos[] = {
        QT_TRANSLATE_NOOP("perfiles", "0 - 6 months"),
        QT_TRANSLATE_NOOP("perfiles", "7 - 12 months"),
        QT_TRANSLATE_NOOP("perfiles", "1 - 3 years"),
        QT_TRANSLATE_NOOP("perfiles", "4 - 8 years"),
        QT_TRANSLATE_NOOP("perfiles", "9 - 13 years"),
        QT_TRANSLATE_NOOP("perfiles", "14 - 18 years"),
        QT_TRANSLATE_NOOP("perfiles", "19 - 30 years"),
        QT_TRANSLATE_NOOP("perfiles", "31 - 50 years"),
        QT_TRANSLATE_NOOP("perfiles", "51 - 70 years"),
        QT_TRANSLATE_NOOP("perfiles", "> 70 years"),
    };
    QStringList lista;
    for (const char* grupo : grupos)
        lista << QCoreApplication::translate("perfiles", grupo);
    return lista;
}

void extraerDatosPersonales(PerfilActual& perfil)
{
    almacen::Ocupado ocupado;
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select id, age, gender, weight from profiles where last=true"));
    if (!c.ok) {
        escribirLog(c.entradaLog(QStringLiteral("extraerDatosPersonales() -> ")));
        return;
    }
    if (c.vacia())
        return;
    const QVariantList& fila = c.filas.first();
    perfil.idPerfil = Dato::deVariante(fila[0]);
    perfil.edad = Dato::deVariante(fila[1]);
    perfil.genero = Dato::deVariante(fila[2]);
    perfil.peso = Dato::deVariante(fila[3]);
}

bool faltanDatosPersonales(const PerfilActual& p)
{
    return p.edad.esNulo() || p.genero.esNulo() || p.peso.esNulo() || p.peso.igualA(0);
}

QString nombreParaMostrar(const QString& nombre)
{
    QList<uint> letras = QStringView(nombre).toUcs4();
    const bool largo = letras.size() > largoMaximoNombre;
    if (largo)
        letras.resize(largoMaximoNombre);
    for (uint& c : letras)
        if (QChar::category(c) == QChar::Other_Control || c == 0x2028 || c == 0x2029)
            c = ' ';
    QString texto =
        QString::fromUcs4(reinterpret_cast<const char32_t*>(letras.constData()), letras.size());
    return largo ? texto + QChar(0x2026) : texto;
}

QString resumenPerfil(const PerfilActual& p)
{
    if (!p.idPerfil.tieneValor())
        return QCoreApplication::translate("perfiles", "No current profile");
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select name from profiles where id=?"), {p.idPerfil.entero()});
    if (!c.ok)
        escribirLog(c.entradaLog(QStringLiteral("resumenPerfil() -> ")));
    const QString nombre = c.vacia() ? QString() : c.filas.first().value(0).toString();
    const qint64 edad = p.edad.entero();
    const QStringList grupos = gruposEdad();
    if (faltanDatosPersonales(p) || !p.edad.tieneValor() || edad < 0 || edad >= grupos.size() ||
        !p.genero.tieneValor())
        return QCoreApplication::translate("perfiles", "Profile: %1 - personal data not set yet")
            .arg(nombre);
    return QCoreApplication::translate("perfiles", "Profile: %1 - %2, %3, %4 kg")
        .arg(nombre, grupos.at(int(edad)),
             p.genero.igualA(0) ? QCoreApplication::translate("perfiles", "male")
                                : QCoreApplication::translate("perfiles", "female"),
             p.peso.texto());
}

bool escribirDatosPersonales(qint64 edad, qint64 genero, qint64 peso)
{
    return almacen::ejecutarSQL(
               QStringLiteral("update profiles set age=?, gender=?, weight=? where last=true"),
               {edad, genero, peso}) > 0;
}

namespace perfiles {

QList<Fila> listar(QString* fallo)
{
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select id, name, last from profiles order by name collate nocase"));
    if (!c.ok && fallo)
        *fallo = c.error;
    QList<Fila> filas;
    filas.reserve(c.filas.size());
    // The same test as the one that finds the current profile ("last=true").
    for (const QVariantList& fila : c.filas)
        filas.append({fila[0].toLongLong(), fila[1], fila[2].toLongLong() == 1});
    return filas;
}

bool hacerActual(qint64 id, QString* fallo)
{
    return almacen::enTransaccion(
        [id] {
            return almacen::ejecutarSQL(QStringLiteral("update profiles set last=0")) > 0 &&
                   almacen::ejecutarSQL(QStringLiteral("update profiles set last=1 where id=?"),
                                        {id}) > 0;
        },
        fallo);
}

bool borrar(qint64 id, QString* fallo)
{
    return almacen::enTransaccion(
        [id, fallo] {
            const almacen::Consulta cuenta = almacen::consultar(
                QStringLiteral("select count(*) from saves where prof_id=?"), {id});
            if (!cuenta.ok) {
                if (fallo)
                    *fallo = cuenta.error;
                return false;
            }
            if (almacen::ejecutarSQL(QStringLiteral("delete from profiles where id=?"), {id}) <= 0)
                return false;
            // A profile without intakes deletes no row here; one with intakes
            // must lose every one of them, or intakes would be left without
            // their profile, never seen or removed again.
            const qint64 ingestas = cuenta.vacia() ? 0 : cuenta.filas[0][0].toLongLong();
            return almacen::ejecutarSQL(QStringLiteral("delete from saves where prof_id=?"),
                                        {id}) == ingestas;
        },
        fallo);
}

qint64 crear(const QString& nombre)
{
    qint64 id = 0;
    QString fallo;
    const bool hecho = almacen::enTransaccion(
        [&] {
            id = nuevoRegistro(nombre);
            return id > 0 && dejarActual(id);
        },
        &fallo);
    if (!fallo.isEmpty())
        escribirLog(etiquetaGuardar + fallo);
    return hecho ? id : 0;
}

qint64 copiar(qint64 origen, const QString& nombre)
{
    qint64 nuevo = 0;
    QString fallo;
    // The copy is one action: a step that fails takes the new row, its
    // intakes and the flag changes back, leaving the source current.
    const bool hecho = almacen::enTransaccion(
        [&] {
            bool leidos = false;
            const QList<Ingesta> alimentos = extraerAlimentosPerfil(origen, &leidos);
            nuevo = leidos ? nuevoRegistro(nombre) : 0;
            if (nuevo <= 0 || !duplicarDatos(nuevo, alimentos))
                return false;
            bool ok = false;
            const std::array<QVariant, 3> datos = extraerPersonalesPerfil(origen, &ok);
            return ok &&
                   almacen::ejecutarSQL(
                       QStringLiteral("update profiles set age=?, gender=?, weight=? where id=?"),
                       {datos[0], datos[1], datos[2], nuevo}) > 0 &&
                   dejarActual(nuevo);
        },
        &fallo);
    if (!fallo.isEmpty())
        escribirLog(etiquetaGuardar + fallo);
    return hecho ? nuevo : 0;
}

bool renombrar(qint64 id, const QString& nombre)
{
    return almacen::ejecutarSQL(QStringLiteral("update profiles set name=? where id=?"),
                                {nombre, id}) > 0;
}

bool dejarActual(qint64 id)
{
    // With no other profile the update changes no row, so its count cannot
    // tell success; what counts is that no other row keeps the flag.
    almacen::ejecutarSQL(QStringLiteral("update profiles set last=0 where id<>?"), {id});
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select count(*) from profiles where last=true and id<>?"), {id});
    if (!c.ok) {
        escribirLog(c.entradaLog(etiquetaGuardar));
        return false;
    }
    return !c.vacia() && c.filas[0][0].toLongLong() == 0;
}

qint64 nuevoRegistro(const QString& nombre)
{
    // The id is the one this very insert was given: the largest id in the
    // table need not be ours.
    const qint64 id = almacen::insertarSQL(
        QStringLiteral("insert into profiles(name,last) values (?, 1)"), {nombre});
    if (id <= 0)
        escribirLog(QStringLiteral("nuevoRegistro() (profiles) -> The new profile was not "
                                   "created"));
    return id;
}

std::array<QVariant, 3> extraerPersonalesPerfil(qint64 id, bool* ok)
{
    std::array<QVariant, 3> datos;
    if (ok)
        *ok = false;
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select age, gender, weight from profiles where id=?"), {id});
    if (!c.ok) {
        escribirLog(c.entradaLog(QStringLiteral("extraerPersonalesPerfil() (profiles) -> ")));
        return datos;
    }
    if (c.vacia()) {
        escribirLog(QStringLiteral("extraerPersonalesPerfil() (profiles) -> There is no profile "
                                   "with the id %1")
                        .arg(id));
        return datos;
    }
    for (int i = 0; i < 3; ++i)
        datos[i] = c.filas[0][i];
    if (ok)
        *ok = true;
    return datos;
}

QList<Ingesta> extraerAlimentosPerfil(qint64 id, bool* ok)
{
    QList<Ingesta> alimentos;
    const almacen::Consulta c = almacen::consultar(
        QStringLiteral("select food_id, intake from saves where prof_id=?"), {id});
    if (ok)
        *ok = c.ok;
    if (!c.ok) {
        escribirLog(c.entradaLog(QStringLiteral("extraerAlimentosPerfil() (profiles) -> ")));
        return alimentos;
    }
    alimentos.reserve(c.filas.size());
    for (const QVariantList& fila : c.filas)
        alimentos.append({fila[0].toLongLong(), fila[1].toLongLong()});
    return alimentos;
}

bool duplicarDatos(qint64 idNuevo, const QList<Ingesta>& alimentos)
{
    for (const Ingesta& a : alimentos) {
        if (almacen::ejecutarSQL(
                QStringLiteral("insert into saves (prof_id, food_id, intake) values (?, ?, ?)"),
                {idNuevo, a.alimento, a.cantidad}) <= 0) {
            escribirLog(QStringLiteral("duplicarDatos() (profiles) -> The intake of food %1 could "
                                       "not be copied to profile %2")
                            .arg(a.alimento)
                            .arg(idNuevo));
            return false;
        }
    }
    return true;
}

} // namespace perfiles
