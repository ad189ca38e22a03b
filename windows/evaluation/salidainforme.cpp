#include "windows/evaluation/salidainforme.h"

#include "storage/archivos.h"
#include "windows/evaluation/composicioninforme.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

namespace salidaInforme {

namespace {

QPageLayout paginaLocal()
{
    const QPageSize tamano(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                               ? QPageSize::Letter
                               : QPageSize::A4);
    return QPageLayout(tamano, QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

// The energy chart as a PNG data URI, drawn at twice its size for sharp
// screens and printers.
QString graficoPng(const ReparticionEnergia& reparticion)
{
    QImage imagen(QSize(640, 64) * 2, QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(2.0);
    imagen.fill(Qt::white);
    {
        QPainter pintor(&imagen);
        pintor.setRenderHint(QPainter::Antialiasing);
        pintarGraficoEnergia(pintor, QRectF(0, 0, 640, 64), reparticion);
    }
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    imagen.save(&png, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.data().toBase64());
}

} // namespace

QString html(const Informe& informe)
{
    const std::optional<ReparticionEnergia> reparticion = reparticionEnergia(informe);
    return htmlInforme(informe, reparticion ? graficoPng(*reparticion) : QString());
}

bool escribirPdf(const Informe& informe, const QString& ruta, QString* fallo, int* paginas)
{
    // Drawn in memory, then written as any other file: the PDF writer does
    // not tell when a write of its own falls short.
    QBuffer documento;
    documento.open(QIODevice::WriteOnly);
    bool dibujado = false;
    {
        QPdfWriter pdf(&documento);
        pdf.setPageLayout(paginaLocal());
        pdf.setTitle(
            QCoreApplication::translate("informe", "Alimetra 1.1 - weekly diet assessment"));
        pdf.setCreator(QStringLiteral("Alimetra 1.1"));
        const ComposicionInforme composicion(informe, ComposicionInforme::paginaDe(pdf));
        dibujado = composicion.dibujar(&pdf);
        if (paginas)
            *paginas = composicion.paginas();
    }
    if (!dibujado) {
        if (fallo)
            *fallo = QStringLiteral("The PDF could not be drawn");
        return false;
    }
    return almacen::guardarArchivo(ruta, documento.data(), fallo);
}

void imprimir(QWidget* padre, const Informe& informe)
{
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPageLayout(paginaLocal());
    impresora.setDocName(
        QCoreApplication::translate("informe", "Alimetra 1.1 - weekly diet assessment"));
    QPrintPreviewDialog vista(&impresora, padre);
    if (padre)
        vista.resize(padre->window()->size() * 0.9);
    // Laid out again for each request: the user may change the paper.
    QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, &vista, [&informe](QPrinter* p) {
        ComposicionInforme(informe, ComposicionInforme::paginaDe(*p)).dibujar(p);
    });
    vista.exec();
}

} // namespace salidaInforme
