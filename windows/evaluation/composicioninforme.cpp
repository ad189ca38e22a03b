#include "windows/evaluation/composicioninforme.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace {

// Lengths are laid out at 96 dots per inch, against this image; fonts take
// their sizes from it.
QPaintDevice* lienzo()
{
    static QImage imagen = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        i.setDotsPerMeterX(3780); // 96 dpi
        i.setDotsPerMeterY(3780);
        return i;
    }();
    return &imagen;
}

constexpr double puntosPorPulgada = 96.0;
constexpr double relleno = 4.0;       // inside a cell, left and right
constexpr double rellenoAlto = 2.0;   // inside a cell, above and below
constexpr double anchoMuestra = 48.0; // the verdict's bar in its cell
constexpr double altoGrafico = 64.0;

QFont fuente(double puntos, bool negrita = false)
{
    QFont f = QGuiApplication::font();
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    // Unhinted, so that the text keeps the same proportions at any resolution.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// `texto` laid out `ancho` wide (unbounded when 0), wrapped at words.
std::unique_ptr<QTextLayout> componerTexto(const QString& texto, const QFont& f, double ancho,
                                           Qt::Alignment alineacion = Qt::AlignLeft)
{
    auto l = std::make_unique<QTextLayout>(texto, f, lienzo());
    QTextOption opcion(alineacion);
    // Words wrap (a word longer than the line anywhere); numbers, aligned
    // right, stay whole.
    opcion.setWrapMode(alineacion & Qt::AlignRight ? QTextOption::NoWrap
                                                   : QTextOption::WrapAtWordBoundaryOrAnywhere);
    l->setTextOption(opcion);
    l->setCacheEnabled(true);
    double alto = 0.0;
    l->beginLayout();
    for (QTextLine linea = l->createLine(); linea.isValid(); linea = l->createLine()) {
        if (ancho > 0)
            linea.setLineWidth(ancho);
        linea.setPosition(QPointF(0.0, alto));
        alto += linea.height();
    }
    l->endLayout();
    return l;
}

double alto(const QTextLayout& l)
{
    return l.lineCount() == 0 ? 0.0 : l.lineAt(l.lineCount() - 1).rect().bottom();
}

void dibujarTexto(QPainter& p, const QPointF& punto, const QString& texto, const QFont& f,
                  const QColor& color = Qt::black, double ancho = 0.0,
                  Qt::Alignment alineacion = Qt::AlignLeft)
{
    const std::unique_ptr<QTextLayout> l = componerTexto(texto, f, ancho, alineacion);
    p.setPen(color);
    l->draw(&p, punto);
}

// Diagonal lines over `rect`: the part of a source that is sugars or
// saturated fat.
void rayar(QPainter& p, const QRectF& rect)
{
    p.save();
    p.setClipRect(rect);
    p.setPen(QPen(QColor(40, 40, 40), 1.0));
    for (double x = rect.left() - rect.height(); x < rect.right(); x += 5.0)
        p.drawLine(QPointF(x, rect.bottom()), QPointF(x + rect.height(), rect.top()));
    p.restore();
}

// The text of the tables and the chart.
QFont fuenteTexto()
{
    return fuente(8.5);
}

} // namespace

void pintarGraficoEnergia(QPainter& p, const QRectF& area, const ReparticionEnergia& r)
{
    const QFont f = fuenteTexto();
    const QFontMetricsF metricas(f, lienzo());
    const QRectF barra(area.left(), area.top(), area.width(), area.height() * 0.55);
    const struct
    {
        const char* nombre;
        double parte;
        QColor color;
        std::optional<double> marcada;
    } fuentes[] = {
        {QT_TRANSLATE_NOOP("informe", "Protein"), r.proteina, QColor(0x7a, 0x9c, 0xc6),
         std::nullopt},
        {QT_TRANSLATE_NOOP("informe", "Carbohydrate"), r.hidratos, QColor(0xe3, 0xc4, 0x6b),
         r.azucares},
        {QT_TRANSLATE_NOOP("informe", "Fat"), r.grasa, QColor(0xc9, 0x8a, 0x6b), r.saturadas}};
    const double total = r.proteina + r.hidratos + r.grasa;
    if (total <= 0)
        return;
    p.save();
    double x = barra.left();
    for (const auto& fuente : fuentes) {
        const double ancho = barra.width() * fuente.parte / total;
        const QRectF tramo(x, barra.top(), ancho, barra.height());
        p.fillRect(tramo, fuente.color);
        if (fuente.marcada && fuente.parte > 0)
            rayar(p, QRectF(x, barra.top(), ancho * std::min(1.0, *fuente.marcada / fuente.parte),
                            barra.height()));
        // The source and its share where they fit; the share alone else.
        const QString parte = QStringLiteral("%1 %").arg(qRound(fuente.parte));
        for (const QString& rotulo :
             {QStringLiteral("%1 %2").arg(QCoreApplication::translate("informe", fuente.nombre),
                                          parte),
              parte}) {
            const double largo = metricas.horizontalAdvance(rotulo);
            if (largo + 2 * relleno <= ancho) {
                const QRectF fondo((tramo.center().x() - largo / 2) - 2,
                                   tramo.center().y() - metricas.height() / 2, largo + 4,
                                   metricas.height());
                p.fillRect(fondo, QColor(255, 255, 255, 200));
                dibujarTexto(p, fondo.topLeft() + QPointF(2, 0), rotulo, f);
                break;
            }
        }
        x += ancho;
    }
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(barra);

    // The legend: a hatched sample and what it marks.
    const double y = barra.bottom() + 6.0;
    const QRectF muestra(area.left(), y + 1, 16, metricas.height() - 2);
    p.fillRect(muestra, Qt::white);
    rayar(p, muestra);
    p.drawRect(muestra);
    dibujarTexto(p, QPointF(muestra.right() + 6, y),
                 QCoreApplication::translate("informe", "Hatched: sugars, part of the "
                                                        "carbohydrate; saturated fat, part of the "
                                                        "fat."),
                 f, Qt::black, area.width() - muestra.width() - 6);
    p.restore();
}

// A table laid out: its columns, and every cell's text ready to draw.
struct ComposicionInforme::Tabla
{
    QList<double> x;
    QList<double> ancho;
    std::vector<std::unique_ptr<QTextLayout>> cabecera;
    double altoCabecera = 0.0;
    std::vector<std::vector<std::unique_ptr<QTextLayout>>> filas;
    std::vector<double> altos;
    QFont letra = fuenteTexto();
    // The verdict's column, drawn as a bar before its word.
    int columnaBarra = -1;
    std::vector<std::pair<double, QColor>> barras;

    Tabla(const TablaInforme& tabla, const QList<double>& partes, double anchoTotal)
        : columnaBarra(tabla.columnaVeredicto)
    {
        double posicion = 0.0;
        for (double parte : partes) {
            x << posicion;
            ancho << parte * anchoTotal;
            posicion += parte * anchoTotal;
        }
        const auto alineacion = [&tabla](int c) {
            return tabla.numericas.value(c) ? Qt::AlignRight : Qt::AlignLeft;
        };
        const QFont negrita = fuente(8.5, true);
        for (int c = 0; c < tabla.cabecera.size(); ++c) {
            cabecera.push_back(
                componerTexto(tabla.cabecera.at(c), negrita, interior(c), alineacion(c)));
            altoCabecera = std::max(altoCabecera, alto(*cabecera.back()) + 2 * rellenoAlto);
        }
        filas.reserve(tabla.filas.size());
        altos.reserve(tabla.filas.size());
        for (const QStringList& fila : tabla.filas) {
            std::vector<std::unique_ptr<QTextLayout>> celdas;
            double maximo = 0.0;
            for (int c = 0; c < fila.size(); ++c) {
                celdas.push_back(componerTexto(fila.at(c), letra, interior(c), alineacion(c)));
                maximo = std::max(maximo, alto(*celdas.back()));
            }
            filas.push_back(std::move(celdas));
            altos.push_back(maximo + 2 * rellenoAlto);
        }
    }

    // The header with the first row: what must fit where the table starts.
    double inicio() const { return altoCabecera + (altos.empty() ? 0.0 : altos.front()); }

    // The width the text of column `c` has.
    double interior(int c) const
    {
        return ancho.at(c) - 2 * relleno - (c == columnaBarra ? anchoMuestra + relleno : 0.0);
    }

    void dibujarFila(QPainter& p, int fila, double y) const
    {
        const auto& celdas = fila < 0 ? cabecera : filas.at(fila);
        const double alto = fila < 0 ? altoCabecera : altos.at(fila);
        const double derecha = x.last() + ancho.last();
        if (fila < 0)
            p.fillRect(QRectF(0, y, derecha, alto), QColor(0xe8, 0xe8, 0xe8));
        p.setPen(Qt::black);
        for (int c = 0; c < int(celdas.size()); ++c) {
            double izquierda = x.at(c) + relleno;
            if (c == columnaBarra && fila >= 0) {
                const auto& [parte, color] = barras.at(fila);
                const QFontMetricsF metricas(letra, lienzo());
                const QRectF pista(izquierda, y + rellenoAlto + 2, anchoMuestra,
                                   metricas.height() - 4);
                p.fillRect(pista, QColor(0xf0, 0xf0, 0xf0));
                p.fillRect(QRectF(pista.topLeft(), QSizeF(pista.width() * parte, pista.height())),
                           color);
                // The mark of 100 % of the reference.
                p.setPen(QPen(QColor(0, 0, 0, 140), 1.0));
                const double marca = pista.left() + pista.width() * 2.0 / 3.0;
                p.drawLine(QPointF(marca, pista.top()), QPointF(marca, pista.bottom()));
                p.setPen(Qt::black);
                izquierda += anchoMuestra + relleno;
            }
            celdas.at(c)->draw(&p, QPointF(izquierda, y + rellenoAlto));
        }
        p.setPen(QPen(QColor(0xa0, 0xa0, 0xa0), 0.75));
        p.drawLine(QPointF(0, y + alto), QPointF(derecha, y + alto));
        for (double borde : x)
            p.drawLine(QPointF(borde, y), QPointF(borde, y + alto));
        p.drawLine(QPointF(derecha, y), QPointF(derecha, y + alto));
        if (fila < 0)
            p.drawLine(QPointF(0, y), QPointF(derecha, y));
    }
};

// One thing placed on a page.
struct ComposicionInforme::Elemento
{
    enum class Tipo { Texto, Grafico, Fila } tipo;
    int pagina = 0;
    double y = 0.0;
    int indice = 0; // the text, or the table
    int fila = 0;   // the table's row; -1 its header
};

ComposicionInforme::ComposicionInforme(const Informe& informe, const QSizeF& pagina)
    : m_pagina(pagina)
{
    componer(informe);
}

ComposicionInforme::~ComposicionInforme() = default;

QSizeF ComposicionInforme::paginaDe(const QPagedPaintDevice& d)
{
    return QSizeF(d.width() * puntosPorPulgada / d.logicalDpiX(),
                  d.height() * puntosPorPulgada / d.logicalDpiY());
}

void ComposicionInforme::saltar()
{
    ++m_paginas;
    m_y = 0.0;
}

void ComposicionInforme::colocar(Elemento e, double alto, double siguiente)
{
    if (m_y > 0.0 && m_y + alto + siguiente > m_cuerpo.height())
        saltar();
    e.pagina = m_paginas;
    e.y = m_y;
    m_elementos.push_back(e);
    m_y += alto;
}

void ComposicionInforme::ponerTexto(const QString& html, double siguiente)
{
    if (m_y > 0.0)
        m_y += 6.0;
    auto documento = std::make_unique<QTextDocument>();
    documento->documentLayout()->setPaintDevice(lienzo());
    documento->setDocumentMargin(0);
    documento->setDefaultFont(fuente(10));
    documento->setHtml(html);
    documento->setTextWidth(m_pagina.width());
    const double alto = documento->size().height();
    m_textos.push_back(std::move(documento));
    colocar({Elemento::Tipo::Texto, 0, 0, int(m_textos.size()) - 1, 0}, alto, siguiente);
}

void ComposicionInforme::ponerTabla(int indice)
{
    const Tabla& t = *m_tablas[indice];
    if (m_y > 0.0)
        m_y += 4.0;
    colocar({Elemento::Tipo::Fila, 0, 0, indice, -1}, t.altoCabecera, t.inicio() - t.altoCabecera);
    for (int f = 0; f < int(t.altos.size()); ++f) {
        // A row that does not fit goes whole to the next page, under the
        // header again (a row higher than a page stays where it is).
        if (m_y + t.altos[f] > m_cuerpo.height() && m_y > t.altoCabecera) {
            saltar();
            colocar({Elemento::Tipo::Fila, 0, 0, indice, -1}, t.altoCabecera);
        }
        colocar({Elemento::Tipo::Fila, 0, 0, indice, f}, t.altos[f]);
    }
    m_y += 6.0;
}

void ComposicionInforme::componer(const Informe& informe)
{
    const double ancho = m_pagina.width();
    m_pie = QCoreApplication::translate("informe", "Alimetra 1.1 - weekly diet assessment: %1")
                .arg(informe.nombre);
    const double altoPie = QFontMetricsF(fuente(8), lienzo()).height() + 8.0;
    m_cuerpo = QRectF(0, 0, ancho, std::max(m_pagina.height() - altoPie, 1.0));
    m_energia = reparticionEnergia(informe);
    // Counted from 0 while laying out; the count once done.
    m_paginas = 0;
    m_y = 0.0;

    m_tablas.push_back(std::make_unique<Tabla>(
        tablaResultados(informe),
        QList<double>{0.14, 0.05, 0.09, 0.08, 0.09, 0.11, 0.10, 0.24, 0.10}, ancho));
    for (const Informe::Fila& f : informe.filas)
        m_tablas.back()->barras.emplace_back(parteBarra(f.porcentaje),
                                             QColor(colorVeredicto(f.juicio.veredicto)));
    m_tablas.push_back(
        std::make_unique<Tabla>(tablaAlimentos(informe), QList<double>{0.70, 0.15, 0.15}, ancho));

    ponerTexto(htmlEncabezado(informe), m_tablas[0]->inicio());
    ponerTabla(0);
    if (const QString nota = htmlNotasResultados(informe); !nota.isEmpty())
        ponerTexto(nota);
    ponerTexto(htmlLeyenda());
    if (m_energia) {
        ponerTexto(htmlApartado(QCoreApplication::translate("informe", "Energy sources")),
                   altoGrafico);
        colocar({Elemento::Tipo::Grafico, 0, 0, 0, 0}, altoGrafico);
        ponerTexto(htmlNotaEnergia(informe));
    }
    ponerTexto(htmlApartado(QCoreApplication::translate("informe", "Foods of the week")),
               m_tablas[1]->inicio());
    ponerTabla(1);
    ponerTexto(htmlPie());
    m_paginas += 1;
}

QList<ComposicionInforme::Colocacion> ComposicionInforme::filasColocadas() const
{
    QList<Colocacion> filas;
    for (const Elemento& e : m_elementos) {
        if (e.tipo != Elemento::Tipo::Fila)
            continue;
        const Tabla& t = *m_tablas.at(e.indice);
        filas << Colocacion{
            e.indice, e.fila, e.pagina,
            QRectF(0, e.y, m_cuerpo.width(), e.fila < 0 ? t.altoCabecera : t.altos.at(e.fila))};
    }
    return filas;
}

bool ComposicionInforme::dibujar(QPagedPaintDevice* dispositivo) const
{
    QPainter pintor;
    if (!pintor.begin(dispositivo))
        return false;
    const double escala = dispositivo->logicalDpiX() / puntosPorPulgada;
    for (int pagina = 0; pagina < m_paginas; ++pagina) {
        if (pagina > 0 && !dispositivo->newPage())
            return false;
        pintor.save();
        pintor.scale(escala, dispositivo->logicalDpiY() / puntosPorPulgada);
        dibujarPagina(pintor, pagina);
        pintor.restore();
    }
    return pintor.end();
}

void ComposicionInforme::dibujarPagina(QPainter& p, int pagina) const
{
    // The elements are in page order.
    const auto desde =
        std::lower_bound(m_elementos.begin(), m_elementos.end(), pagina,
                         [](const Elemento& e, int pagina) { return e.pagina < pagina; });
    for (auto e = desde; e != m_elementos.end() && e->pagina == pagina; ++e) {
        switch (e->tipo) {
        case Elemento::Tipo::Texto: {
            p.save();
            p.translate(0, e->y);
            QAbstractTextDocumentLayout::PaintContext contexto;
            // Black on the paper, whatever the colours of the desktop.
            contexto.palette.setColor(QPalette::Text, Qt::black);
            m_textos.at(e->indice)->documentLayout()->draw(&p, contexto);
            p.restore();
            break;
        }
        case Elemento::Tipo::Grafico:
            pintarGraficoEnergia(p, QRectF(0, e->y, m_cuerpo.width(), altoGrafico), *m_energia);
            break;
        case Elemento::Tipo::Fila:
            m_tablas.at(e->indice)->dibujarFila(p, e->fila, e->y);
            break;
        }
    }
    const QColor gris(0x60, 0x60, 0x60);
    const QPointF pie(0, m_cuerpo.bottom() + 6.0);
    dibujarTexto(p, pie, m_pie, fuente(8), gris, m_cuerpo.width() * 0.75);
    dibujarTexto(
        p, pie,
        QCoreApplication::translate("informe", "Page %1 of %2").arg(pagina + 1).arg(m_paginas),
        fuente(8), gris, m_cuerpo.width(), Qt::AlignRight);
}
