#pragma once

#include <QObject>

class VentanaPrincipal;

// Tab 2: food search by terms and group, and the weekly intake entry.
class PestanaBusqueda : public QObject
{
    Q_OBJECT

public:
    explicit PestanaBusqueda(VentanaPrincipal& f);

private:
    VentanaPrincipal& m_f;
};
