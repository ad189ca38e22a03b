#pragma once

#include <QWidget>

class QTimer;
class VentanaPrincipal;

// The splash window: the strawberries picture with the version, shown while
// the program starts. Half a second after it opens it loads the main window,
// whose load sequence closes it.
class Intro : public QWidget
{
    Q_OBJECT

public:
    explicit Intro(QWidget* padre = nullptr);

    // The main window, once the timer has loaded it.
    VentanaPrincipal* ventanaPrincipal() const { return m_f; }

private:
    void cargarPrincipal();

    QTimer* m_temporizador;
    VentanaPrincipal* m_f = nullptr;
};
