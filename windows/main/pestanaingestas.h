#pragma once

#include <QString>
#include <QWidget>

class ModeloIngestas;
class QLabel;
class RejillaDatos;
class Sesion;

// Tab 4: the current profile's weekly intakes in an editable grid; an edited
// intake is written when the user leaves its row.
class PestanaIngestas : public QWidget
{
    Q_OBJECT

public:
    explicit PestanaIngestas(Sesion& sesion, QWidget* padre = nullptr);

    // Loads the current profile's intakes into the grid; returns the
    // failure's description with the statement, empty on success.
    QString cargar();
    // Writes any intake still being edited.
    void confirmarEdicion();
    // Lets go of the grid's rows before the connection closes.
    void liberar();

private:
    void construir();
    // Reads the current row's intake back as a daily amount.
    void leerFilaActual();

    Sesion& m_sesion;
    QLabel* m_explicacion = nullptr;   // lbl_4_1
    QLabel* m_instrucciones = nullptr; // lbl_4_2
    RejillaDatos* m_rejilla = nullptr; // dgr_alimentos
    // The current row's intake as a daily amount of the food's first measure.
    QLabel* m_lectura = nullptr; // lbl_4_3
    ModeloIngestas* m_modelo = nullptr;
};
