#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class Dato;
class ModeloIngestas;
class QLabel;
class RejillaDatos;

// Tab 4: the current profile's weekly intakes in an editable grid; an edited
// intake is written when the user leaves its row.
class PestanaIngestas : public QWidget
{
    Q_OBJECT

public:
    explicit PestanaIngestas(QWidget* padre = nullptr);

    // Loads the profile's intakes into the grid; returns the failure's
    // description with the statement, empty on success.
    QString cargar(const Dato& idPerfil);
    // Writes any intake still being edited.
    void confirmarEdicion();
    // Lets go of the grid's rows before the connection closes.
    void liberar();
    // Enables the grid and its lines while the personal data are complete.
    void habilitar(bool completos);

private:
    // Reads the current row's intake back as a daily amount.
    void leerFilaActual();

    ModeloIngestas* m_modelo;
    RejillaDatos* m_rejilla = nullptr; // dgr_alimentos
    // The current row's intake as a daily amount of the food's first measure.
    QLabel* m_lectura = nullptr; // lbl_4_3
    QList<QWidget*> m_protegidos;
};
