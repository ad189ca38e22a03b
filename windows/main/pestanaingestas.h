#pragma once

#include <QObject>
#include <QString>

class Dato;
class ModeloIngestas;
class QLabel;
class QWidget;
class RejillaDatos;

// The controls of tab 4, by the object names they carry.
struct ControlesIngestas
{
    QLabel* lbl_4_1 = nullptr;
    QLabel* lbl_4_2 = nullptr;
    RejillaDatos* dgr_alimentos = nullptr;
    // The current row's intake as a daily amount of the food's first measure.
    QLabel* lbl_4_3 = nullptr;

    void construir(QWidget* marco);
};

// Tab 4: the current profile's weekly intakes in an editable grid; an edited
// intake is written when the user leaves its row.
class PestanaIngestas : public QObject
{
    Q_OBJECT

public:
    PestanaIngestas(ControlesIngestas& ui, QWidget* ventana);

    // Loads the profile's intakes into the grid; returns the failure's
    // description with the statement, empty on success.
    QString cargar(const Dato& idPerfil);
    // Writes any intake still being edited.
    void confirmarEdicion();
    // Lets go of the grid's rows before the connection closes.
    void liberar();

private:
    // Reads the current row's intake back as a daily amount.
    void leerFilaActual();

    ControlesIngestas& m_ui;
    ModeloIngestas* m_modelo;
};
