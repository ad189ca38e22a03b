#pragma once

#include "evaluation/informe.h"

#include <QList>
#include <QRectF>
#include <QSizeF>

#include <memory>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QTextDocument;

// Draws the share of the energy from protein, carbohydrate and fat as one
// stacked bar into `area`, sugars and saturated fat hatched inside their
// source, with a legend under it. Used for the pages and for the HTML file's
// image alike.
void pintarGraficoEnergia(QPainter& pintor, const QRectF& area, const ReparticionEnergia& r);

// The week's report laid out on pages: the text pieces from the report's
// HTML, the energy chart, and the two tables drawn row by row, so that a
// page break never cuts a row and every page a table goes on to starts with
// its header row. Each page ends with a footer naming the page.
//
// Lengths are in units of 1/96 inch, whatever the device; drawing scales
// them to its resolution.
class ComposicionInforme
{
public:
    // Lays the report out on pages whose printable area is `pagina`.
    ComposicionInforme(const Informe& informe, const QSizeF& pagina);
    ~ComposicionInforme();
    ComposicionInforme(const ComposicionInforme&) = delete;
    ComposicionInforme& operator=(const ComposicionInforme&) = delete;

    // The area of a page the printable area of `dispositivo` gives, in the
    // units above.
    static QSizeF paginaDe(const QPagedPaintDevice& dispositivo);

    int paginas() const { return m_paginas; }
    // The part of each page the report fills (the footer lies below it).
    QRectF cuerpo() const { return m_cuerpo; }

    // Draws every page on `dispositivo` (which must not be painted on yet),
    // starting a new page for each; false when it could not be painted on.
    bool dibujar(QPagedPaintDevice* dispositivo) const;

    // Where a row of a table landed: `fila` -1 is the header row.
    struct Colocacion
    {
        int tabla = 0; // 0 the results, 1 the foods
        int fila = 0;
        int pagina = 0;
        QRectF rect;
    };
    QList<Colocacion> filasColocadas() const;

private:
    struct Tabla;
    struct Elemento;

    void componer(const Informe& informe);
    // While laying out: goes on to the next page.
    void saltar();
    // Places `e`, `alto` high, at the current height, on the next page where
    // it would not fit together with the `siguiente` that must follow it.
    void colocar(Elemento e, double alto, double siguiente = 0.0);
    // A piece of the report's HTML, laid out at the page's width.
    void ponerTexto(const QString& html, double siguiente = 0.0);
    // Table `indice`, its header again on every page it goes on to.
    void ponerTabla(int indice);
    void dibujarPagina(QPainter& pintor, int pagina) const;

    QSizeF m_pagina;
    QRectF m_cuerpo;
    int m_paginas = 0;
    double m_y = 0.0; // the height filled on the current page, while laying out
    QString m_pie;
    std::vector<std::unique_ptr<Tabla>> m_tablas;
    std::vector<Elemento> m_elementos;
    std::vector<std::unique_ptr<QTextDocument>> m_textos;
    std::optional<ReparticionEnergia> m_energia;
};
