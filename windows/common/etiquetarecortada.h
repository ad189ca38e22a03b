#pragma once

#include <QLabel>
#include <QString>

// A one-line label that never widens its window, whatever its text: a text
// longer than the label is drawn cut short with "...", line breaks and other
// control characters as blanks. text() stays the whole text.
class EtiquetaRecortada : public QLabel
{
public:
    explicit EtiquetaRecortada(QWidget* padre = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The text as drawn in a width of `ancho` pixels.
    QString textoVisible(int ancho) const;

protected:
    void paintEvent(QPaintEvent* evento) override;
};
