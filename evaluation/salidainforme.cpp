#include "evaluation/salidainforme.h"

#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>

namespace salidaInforme {

namespace {

QPageSize tamanoPagina()
{
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                      : QPageSize(QPageSize::A4);
}

} // namespace

bool escribirPdf(const QString& html, const QString& ruta, QString* fallo)
{
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly)) {
        if (fallo)
            *fallo = archivo.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&archivo);
        pdf.setPageSize(tamanoPagina());
        // The document keeps margins of its own when it is printed.
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        pdf.setTitle(QStringLiteral("Alimetra 1.1 - weekly diet assessment"));
        pdf.setCreator(QStringLiteral("Alimetra 1.1"));
        QTextDocument documento;
        documento.setHtml(html);
        documento.print(&pdf);
    }
    if (!archivo.commit()) {
        if (fallo)
            *fallo = archivo.errorString();
        return false;
    }
    return true;
}

void imprimir(QWidget* padre, const QString& html)
{
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPageSize(tamanoPagina());
    QTextDocument documento;
    documento.setHtml(html);
    QPrintPreviewDialog vista(&impresora, padre);
    QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, &vista,
                     [&documento](QPrinter* p) { documento.print(p); });
    vista.exec();
}

} // namespace salidaInforme
