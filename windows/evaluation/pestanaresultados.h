#pragma once

#include <QObject>

#include <functional>

class QLabel;
class QPushButton;
class ModeloResultados;
class OrdenResultados;
class QModelIndex;
class QTreeView;
class QWidget;
class Sesion;
struct Informe;

// The controls of tab 5, by the object names they carry.
struct ControlesResultados
{
    QLabel* lbl_5_1 = nullptr;
    QLabel* lbl_5_2 = nullptr;
    QLabel* lbl_5_3 = nullptr;
    QLabel* lbl_5_4 = nullptr;
    QLabel* lbl_5_5 = nullptr;
    QLabel* lbl_5_6 = nullptr;
    QLabel* lbl_5_7 = nullptr;
    QLabel* img_5_1 = nullptr;
    QLabel* img_5_2 = nullptr;
    QLabel* img_5_3 = nullptr;
    QLabel* img_5_4 = nullptr;
    QTreeView* lsv_wri = nullptr;
    // The rows of the list, and the order they are shown in.
    ModeloResultados* resultados = nullptr;
    OrdenResultados* orden = nullptr;
    // Under the list: what the colours and "% WRI" mean.
    QLabel* lbl_5_8 = nullptr;
    // The week's report: printed, or saved as PDF, HTML or CSV.
    QPushButton* cmd_5_1 = nullptr;
    QPushButton* cmd_5_2 = nullptr;
    QPushButton* cmd_5_3 = nullptr;
    QPushButton* cmd_5_4 = nullptr;

    void construir(QWidget* marco);
};

// Tab 5: the week's intake of every nutrient against the reference values.
class PestanaResultados : public QObject
{
    Q_OBJECT

public:
    PestanaResultados(ControlesResultados& ui, Sesion& sesion, QWidget* ventana);

    // Recomputes and shows the results (the reference values are fresh).
    void mostrar();
    // Removes every row of the results list.
    void vaciar();
    // Opens the window of the foods that supply a row's nutrient.
    void mostrarFuentes(const QModelIndex& fila);
    // Closes the sources windows (the main window is closing).
    void cerrarFuentes();

    // The report of the week as tab 5 shows it, after computing it afresh.
    void imprimir();
    void guardarPdf();
    void guardarHtml();
    void exportarCsv();

private:
    // The report of what tab 5 shows, computed afresh; `ok` false (after
    // telling the user) when it cannot be made or holds no food.
    Informe informeActual(bool* ok);
    // Enables the report buttons while there is something to report.
    void habilitarInforme(const QString& motivo);
    // Writes the report to the file(s) of `ruta`, of the file type `tipo`;
    // returns the file that could not be written (empty when all were),
    // with the reason in `fallo`.
    using Escritor = std::function<QString(const Informe& informe, const QString& ruta,
                                           const QString& tipo, QString* fallo)>;
    // Asks where to save, computes the report and writes it; a failure is
    // logged and shown naming the file. `reserva`: the bytes the writer may
    // add to the chosen name.
    void guardar(const QString& titulo, const QString& extension, const QString& filtro,
                 const Escritor& escribir, int reserva = 0);
    // The file name offered for saving: the profile's name and today, safe
    // for any file system with `reserva` bytes to spare.
    QString nombrePropuesto(const QString& extension, int reserva = 0) const;

    ControlesResultados& m_ui;
    Sesion& m_sesion;
};

// The whole evaluation of tab 5: totals, protein and energy shares, and the
// rows of the list.
void mostrarCantidadesRecomendadas(ModeloResultados* resultados, Sesion& sesion);
