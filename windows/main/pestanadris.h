#pragma once

#include "evaluation/valoresrecomendados.h"
#include "windows/common/rejilla.h"

#include <QList>
#include <QPersistentModelIndex>
#include <QWidget>

class QAction;
class QBoxLayout;
class QMenu;
class QRadioButton;
class QStackedWidget;
class RejillaDatos;

// Reads a reference value as typed: digits with a decimal point (or the
// user's decimal separator), or nothing at all, which clears the value.
// Stores a double, or a null double for a cleared cell, in `valor`; returns
// false for anything else.
bool leerValorReferencia(const QString& texto, QVariant* valor);

// The rows of one reference table (`DRIs`, `ULs` or `EARs`) that one fixed
// query selects. The group columns can be edited; an edited row is written
// back by its id when the user leaves it. A value other than the delivered
// one is drawn in italic, the delivered value in its tooltip. The intake an
// upper limit applies to is shown, not edited.
class ModeloDRIs : public ModeloRejilla
{
    Q_OBJECT

public:
    explicit ModeloDRIs(const QString& tabla, QObject* padre = nullptr)
        : ModeloRejilla(padre), m_tabla(tabla)
    {
    }

    // The delivered values of the table, set before the rows load.
    void ponerEntregados(const ValoresEntregados& entregados) { m_entregados = entregados; }
    bool conEntregados() const { return m_entregados.disponibles; }
    // The unit of the values where the query has no unit column ("g/kg").
    void ponerUnidad(const QString& unidad) { m_unidad = unidad; }
    // The delivered value of a group cell whose value differs from it; an
    // invalid QVariant for any other cell.
    QVariant entregadoDistinto(const QModelIndex& indice) const;

    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;

protected:
    QString tabla() const override { return m_tabla; }
    bool esEditable(int columna) const override;
    bool leerEntrada(const QVariant& entrada, QVariant* valor) const override;
    void entradaRechazada() override;
    void escrituraFallida() override;
    QString texto(const QVariant& valor) const override;
    QVariant alineacion(int columna) const override;

private:
    QString m_tabla;
    ValoresEntregados m_entregados;
    QString m_unidad;
};

// Tab 7: four grids over the reference values, written back row by row, one
// over the upper limits and one over the average requirements; their pop-up
// menu restores delivered values.
class PestanaDRIs : public QWidget
{
    Q_OBJECT

public:
    explicit PestanaDRIs(QWidget* padre = nullptr);

    // Loads the grids; called when the window opens and when another file
    // takes the place of the database. A file without average requirements
    // leaves their option disabled.
    void cargar();
    // Writes any value still being edited.
    void confirmarEdiciones();
    // Lets go of the grids' queries before the connection closes.
    void liberar();

    // The statements behind dgr_dri1 .. dgr_dri4 (0 to 3), dgr_ul (4) and
    // dgr_ear (5).
    static QString sentencia(int rejilla);

private:
    void construir();
    // The pages of the switch: the upper limits, the average requirements
    // and the four grids of the reference values.
    void construirLimites(QWidget* pagina);
    void construirRequerimientos(QWidget* pagina);
    void construirRecomendados(QWidget* pagina);
    // Loads grid `rejilla` with the delivered values of its table.
    void cargarRejilla(int rejilla, const ValoresEntregados& entregados);
    // Column widths and height of grid `n` (of m_rejillas) for the rows it
    // holds.
    void ajustarRejilla(int n);

    // A changed cell of a grid and its delivered value.
    struct Restauracion
    {
        ModeloDRIs* modelo = nullptr;
        int fila = 0;
        int columna = 0;
        CeldaReferencia celda;
    };
    // The changed cells of grid `rejilla`: of row `fila` (-1: every row), of
    // column `columna` (-1: every group column).
    QList<Restauracion> editadas(int rejilla, int fila, int columna) const;
    // The pop-up menu over a grid: the delivered values restored.
    void abrirMenu(int rejilla, const QModelIndex& celda, const QPoint& donde);
    void restaurarValor();
    void restaurarFila();
    void restaurarTodo();
    // Writes the delivered values back, all or none, and shows them.
    void restaurar(int rejilla, const QList<Restauracion>& celdas);

    // A switch between the four reference grids, the upper limits and the
    // average requirements.
    QRadioButton* m_recomendados = nullptr;   // opb_recomendados
    QRadioButton* m_limites = nullptr;        // opb_limites
    QRadioButton* m_requerimientos = nullptr; // opb_requerimientos
    QStackedWidget* m_paginas = nullptr;      // stk_dris
    // The column of the four reference grids, which share its height.
    QBoxLayout* m_columnaRecomendados = nullptr;
    static constexpr int rejillas = 6;
    // dgr_dri1 .. dgr_dri4, dgr_ul and dgr_ear.
    RejillaDatos* m_rejillas[rejillas] = {};
    ModeloDRIs* m_modelos[rejillas] = {};
    QMenu* m_menu = nullptr;
    QAction* m_restaurarValor = nullptr;
    QAction* m_restaurarFila = nullptr;
    QAction* m_restaurarTodo = nullptr;
    // Where the menu was asked for.
    int m_rejillaMenu = 0;
    QPersistentModelIndex m_celdaMenu;
};
