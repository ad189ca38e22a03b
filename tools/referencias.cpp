#include "referencias.h"

#include <QSqlQuery>
#include <QVariant>

#include <QSet>
#include <algorithm>

namespace construccion {

namespace {

// Reads RFC 4180 text one character at a time.
class LectorCsv
{
public:
    LectorCsv(const QString& texto, QList<QStringList>* registros)
        : m_t(texto), m_registros(registros)
    {
    }

    bool leer(QString* error)
    {
        for (m_i = 0; m_i < m_t.size(); ++m_i) {
            if (m_entreComillas)
                entreComillas();
            else if (!fuera(error))
                return false;
        }
        if (m_entreComillas) {
            *error = QStringLiteral("line %1: a quoted field is never closed").arg(m_lineaComilla);
            return false;
        }
        cerrarRegistro();
        return true;
    }

private:
    void cerrarCampo()
    {
        m_registro << m_campo;
        m_campo.clear();
        m_campoCitado = false;
    }
    void cerrarRegistro()
    {
        if (m_hayAlgo) {
            cerrarCampo();
            m_registros->append(m_registro);
        }
        m_registro.clear();
        m_campo.clear();
        m_campoCitado = false;
        m_hayAlgo = false;
    }
    bool siguienteEs(QChar c) const { return m_i + 1 < m_t.size() && m_t.at(m_i + 1) == c; }

    void entreComillas()
    {
        const QChar c = m_t.at(m_i);
        if (c == QLatin1Char('"')) {
            if (siguienteEs(c)) {
                m_campo += c;
                ++m_i;
            } else {
                m_entreComillas = false;
                m_campoCitado = true;
            }
            return;
        }
        if (c == QLatin1Char('\n'))
            ++m_linea;
        m_campo += c;
    }

    bool fuera(QString* error)
    {
        const QChar c = m_t.at(m_i);
        if (c == QLatin1Char(',')) {
            m_hayAlgo = true;
            cerrarCampo();
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && siguienteEs(QLatin1Char('\n')))
                ++m_i;
            cerrarRegistro();
            ++m_linea;
        } else if (c == QLatin1Char('"') && m_campo.isEmpty() && !m_campoCitado) {
            m_entreComillas = true;
            m_lineaComilla = m_linea;
            m_hayAlgo = true;
        } else if (m_campoCitado) {
            *error = QStringLiteral("line %1: text after a closing quote").arg(m_linea);
            return false;
        } else {
            m_campo += c;
            m_hayAlgo = true;
        }
        return true;
    }

    const QString& m_t;
    QList<QStringList>* m_registros;
    qsizetype m_i = 0;
    QStringList m_registro;
    QString m_campo;
    bool m_entreComillas = false;
    bool m_campoCitado = false; // the current field was quoted and has closed
    bool m_hayAlgo = false;     // the current record holds anything
    int m_linea = 1;
    int m_lineaComilla = 0; // where the open quoted field began
};

} // namespace

bool leerCsv(const QByteArray& texto, QList<QStringList>* registros, QString* error)
{
    registros->clear();
    const QString t = QString::fromUtf8(texto);
    return LectorCsv(t, registros).leer(error);
}

const QStringList& columnasGrupos()
{
    static const QStringList columnas = {
        "infants1", "infants2", "children1", "children2", "males1",   "males2",
        "males3",   "males4",   "males5",    "males6",    "females1", "females2",
        "females3", "females4", "females5",  "females6",
    };
    return columnas;
}

bool leerTabla(const QByteArray& texto, const QString& origen, const QStringList& cabecera,
               const std::function<bool(const QStringList& campos, const QString& donde)>& fila,
               QString* error)
{
    QList<QStringList> registros;
    QString detalle;
    if (!leerCsv(texto, &registros, &detalle)) {
        *error = QStringLiteral("%1: %2").arg(origen, detalle);
        return false;
    }
    if (registros.isEmpty() || registros.first() != cabecera) {
        *error = QStringLiteral("%1, line 1: the header must read \"%2\"")
                     .arg(origen, cabecera.join(QLatin1Char(',')));
        return false;
    }
    for (qsizetype r = 1; r < registros.size(); ++r) {
        const QStringList& campos = registros[r];
        // Records are counted, not lines; the files keep each record on one line.
        const QString donde = QStringLiteral("%1, line %2").arg(origen, QString::number(r + 1));
        if (campos.size() != cabecera.size()) {
            *error =
                QStringLiteral("%1: %2 fields instead of %3")
                    .arg(donde, QString::number(campos.size()), QString::number(cabecera.size()));
            return false;
        }
        if (!fila(campos, donde))
            return false;
    }
    return true;
}

namespace {

// The sixteen group values of a record, from field `desde` on: a number, or
// nothing for no value.
bool leerValoresGrupo(const QStringList& campos, int desde, const QString& donde,
                      FilaReferencia* fila, QString* error)
{
    for (int g = 0; g < columnasGrupos().size(); ++g) {
        const QString celda = campos[desde + g].trimmed();
        if (celda.isEmpty()) {
            fila->valores << std::nullopt;
            continue;
        }
        bool numero = false;
        const double valor = celda.toDouble(&numero);
        if (!numero || valor < 0) {
            *error = QStringLiteral("%1: %2 \"%3\" is not a number of 0 or more")
                         .arg(donde, columnasGrupos()[g], celda);
            return false;
        }
        fila->valores << valor;
    }
    return true;
}

} // namespace

void enlazarReferencia(QSqlQuery& q, const FilaReferencia& fila)
{
    q.addBindValue(fila.clave);
    q.addBindValue(fila.nombre);
    q.addBindValue(fila.unidad);
    q.addBindValue(fila.orden);
    q.addBindValue(fila.icono);
    const QVariant nulo{QMetaType(QMetaType::Double)};
    for (const std::optional<double>& v : fila.valores)
        q.addBindValue(v ? QVariant(*v) : nulo);
}

bool leerReferencias(const QByteArray& texto, const QString& origen, QList<FilaReferencia>* filas,
                     QString* error)
{
    filas->clear();
    const QStringList cabecera =
        QStringList{"key", "name", "unit", "sorting", "icon"} + columnasGrupos();
    QSet<QString> claves;
    QSet<int> ordenes;
    const auto leerFila = [&](const QStringList& campos, const QString& donde) {
        FilaReferencia fila;
        fila.clave = campos[0].trimmed();
        fila.nombre = campos[1];
        fila.unidad = campos[2];
        bool numero = false;
        fila.orden = campos[3].trimmed().toInt(&numero);
        fila.icono = campos[4].trimmed();
        if (fila.clave.isEmpty() || fila.clave == QLatin1String("Empty")) {
            *error = QStringLiteral("%1: the key \"%2\" is not allowed").arg(donde, fila.clave);
            return false;
        }
        if (!numero) {
            *error =
                QStringLiteral("%1: sorting \"%2\" is not a whole number").arg(donde, campos[3]);
            return false;
        }
        if (claves.contains(fila.clave) || ordenes.contains(fila.orden)) {
            *error = QStringLiteral("%1: key \"%2\" or sorting %3 appears twice")
                         .arg(donde, fila.clave, QString::number(fila.orden));
            return false;
        }
        claves.insert(fila.clave);
        ordenes.insert(fila.orden);
        if (!leerValoresGrupo(campos, 5, donde, &fila, error))
            return false;
        filas->append(fila);
        return true;
    };
    if (!leerTabla(texto, origen, cabecera, leerFila, error))
        return false;
    if (filas->isEmpty()) {
        *error = QStringLiteral("%1: no reference rows").arg(origen);
        return false;
    }
    std::stable_sort(
        filas->begin(), filas->end(),
        [](const FilaReferencia& a, const FilaReferencia& b) { return a.orden < b.orden; });
    return true;
}

bool leerRequerimientos(const QByteArray& texto, const QString& origen,
                        const QList<FilaReferencia>& referencias, QList<FilaReferencia>* filas,
                        QString* error)
{
    filas->clear();
    const QStringList cabecera = QStringList{"key", "name", "unit"} + columnasGrupos();
    QSet<QString> claves;
    const auto leerFila = [&](const QStringList& campos, const QString& donde) {
        FilaReferencia fila;
        fila.clave = campos[0].trimmed();
        fila.nombre = campos[1];
        fila.unidad = campos[2];
        const auto referencia =
            std::find_if(referencias.cbegin(), referencias.cend(),
                         [&fila](const FilaReferencia& r) { return r.clave == fila.clave; });
        if (referencia == referencias.cend() || claves.contains(fila.clave)) {
            *error = QStringLiteral("%1: the key \"%2\" is no reference value's or appears twice")
                         .arg(donde, fila.clave);
            return false;
        }
        claves.insert(fila.clave);
        fila.orden = referencia->orden;
        fila.icono = referencia->icono;
        if (!leerValoresGrupo(campos, 3, donde, &fila, error))
            return false;
        // The reference of a group with an average requirement is its RDA,
        // which lies at or above it.
        for (int g = 0; g < fila.valores.size(); ++g) {
            const std::optional<double>& ear = fila.valores.at(g);
            const std::optional<double>& rda = referencia->valores.value(g);
            if (ear && (!rda || *rda < *ear)) {
                *error = QStringLiteral("%1: %2 has an average requirement above its reference "
                                        "value, or none")
                             .arg(donde, columnasGrupos()[g]);
                return false;
            }
        }
        filas->append(fila);
        return true;
    };
    if (!leerTabla(texto, origen, cabecera, leerFila, error))
        return false;
    std::stable_sort(
        filas->begin(), filas->end(),
        [](const FilaReferencia& a, const FilaReferencia& b) { return a.orden < b.orden; });
    return true;
}

} // namespace construccion
