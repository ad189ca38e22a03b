#pragma once

#include <QObject>

class VentanaPrincipal;

// Tab 7: four grids over the reference values, written back row by row.
class PestanaDRIs : public QObject
{
    Q_OBJECT

public:
    explicit PestanaDRIs(VentanaPrincipal& f);

    // Loads the four grids; called once when the window opens.
    void cargar();
    // Writes any value still being edited.
    void confirmarEdiciones();
    // Lets go of the grids' queries before the connection closes.
    void liberar();

private:
    VentanaPrincipal& m_f;
};
