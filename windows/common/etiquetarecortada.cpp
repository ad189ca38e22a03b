#include "windows/common/etiquetarecortada.h"

#include <QPainter>
#include <QStyle>

EtiquetaRecortada::EtiquetaRecortada(QWidget* padre) : QLabel(padre)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QSize EtiquetaRecortada::sizeHint() const
{
    return {fontMetrics().averageCharWidth() * 40, minimumSizeHint().height()};
}

QSize EtiquetaRecortada::minimumSizeHint() const
{
    const QMargins m = contentsMargins();
    return {fontMetrics().horizontalAdvance(QStringLiteral("...")) + m.left() + m.right(),
            fontMetrics().height() + m.top() + m.bottom()};
}

QString EtiquetaRecortada::textoVisible(int ancho) const
{
    QString linea = text();
    for (QChar& c : linea)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return fontMetrics().elidedText(linea, Qt::ElideRight, ancho);
}

void EtiquetaRecortada::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    const QRect r = contentsRect();
    style()->drawItemText(&pintor, r, int(alignment()), palette(), isEnabled(),
                          textoVisible(r.width()), foregroundRole());
}
