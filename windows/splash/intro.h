#pragma once

#include <QWidget>

class QTimer;

// The splash window: the strawberries picture with the version, shown while
// the program starts. Half a second after it opens it says so, and the main
// window loaded then closes it.
class Intro : public QWidget
{
    Q_OBJECT

public:
    explicit Intro(QWidget* padre = nullptr);

signals:
    // Half a second has passed since the window opened: time for the main
    // window.
    void tiempoCumplido();

private:
    QTimer* m_temporizador;
};
