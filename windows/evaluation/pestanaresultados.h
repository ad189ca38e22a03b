#pragma once

#include <QList>
#include <QWidget>

#include <functional>

class QPushButton;
class ModeloResultados;
class OrdenResultados;
class QModelIndex;
class QTreeView;
class QWidget;
class Sesion;
struct Informe;

// Tab 5: the week's intake of every nutrient against the reference values,
// judged, and the week's report printed or saved as PDF, HTML or CSV.
class PestanaResultados : public QWidget
{
    Q_OBJECT

public:
    explicit PestanaResultados(Sesion& sesion, QWidget* padre = nullptr);

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
    void construir();
    // The results list over its model and sort, its columns and delegate.
    void construirLista();
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

    Sesion& m_sesion;
    QTreeView* m_lista = nullptr; // lsv_wri
    ModeloResultados* m_resultados = nullptr;
    OrdenResultados* m_orden = nullptr;
    // The week's report: printed, or saved as PDF, HTML or CSV.
    QPushButton* m_imprimir = nullptr;    // cmd_5_1
    QPushButton* m_guardarPdf = nullptr;  // cmd_5_2
    QPushButton* m_guardarHtml = nullptr; // cmd_5_3
    QPushButton* m_exportarCsv = nullptr; // cmd_5_4
};

// The whole evaluation of tab 5: totals, protein and energy shares, and the
// rows of the list.
void mostrarCantidadesRecomendadas(ModeloResultados* resultados, Sesion& sesion);
