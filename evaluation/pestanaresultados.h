#pragma once

#include <QObject>

class VentanaPrincipal;

// Tab 5: the week's intake of every nutrient against the reference values.
class PestanaResultados : public QObject
{
    Q_OBJECT

public:
    explicit PestanaResultados(VentanaPrincipal& f);

    // Recomputes and shows the results (the reference values are fresh).
    void mostrar();
    // Removes every row of the results list.
    void vaciar();

private:
    VentanaPrincipal& m_f;
};
