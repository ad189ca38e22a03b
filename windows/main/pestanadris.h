#pragma once

#include "windows/common/rejilla.h"

#include <QObject>

class QLabel;
class QRadioButton;
class QStackedWidget;
class QWidget;
class RejillaDatos;

// Reads a reference value as typed: digits with a decimal point (or the
// user's decimal separator), or nothing at all, which clears the value.
// Stores a double, or a null double for a cleared cell, in `valor`; returns
// false for anything else.
bool leerValorReferencia(const QString& texto, QVariant* valor);

// The rows of `DRIs` that one fixed query selects. The group columns can be
// edited; an edited row is written back by its id when the user leaves it.
class ModeloDRIs : public ModeloRejilla
{
    Q_OBJECT

public:
    using ModeloRejilla::ModeloRejilla;

    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;

protected:
    QString tabla() const override { return QStringLiteral("DRIs"); }
    bool esEditable(int columna) const override;
    bool leerEntrada(const QVariant& entrada, QVariant* valor) const override;
    void entradaRechazada() override;
    void escrituraFallida() override;
    QString texto(const QVariant& valor) const override;
    QVariant alineacion(int columna) const override;
};

// The rows of `ULs`, the upper limits, edited as the reference values are;
// the intake each limit applies to is shown, not edited.
class ModeloULs : public ModeloDRIs
{
    Q_OBJECT

public:
    using ModeloDRIs::ModeloDRIs;

    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;

protected:
    QString tabla() const override { return QStringLiteral("ULs"); }
};

// The controls of tab 7, by the object names they carry.
struct ControlesDRIs
{
    QLabel* Label17 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* Label23 = nullptr;
    QLabel* Label24 = nullptr;
    RejillaDatos* dgr_dri1 = nullptr;
    RejillaDatos* dgr_dri2 = nullptr;
    RejillaDatos* dgr_dri3 = nullptr;
    RejillaDatos* dgr_dri4 = nullptr;
    // A switch between the four reference grids and the upper limits.
    QRadioButton* opb_recomendados = nullptr;
    QRadioButton* opb_limites = nullptr;
    QStackedWidget* stk_dris = nullptr;
    QLabel* Label25 = nullptr;
    RejillaDatos* dgr_ul = nullptr;

    void construir(QWidget* marco);
};

// Tab 7: four grids over the reference values, written back row by row.
class PestanaDRIs : public QObject
{
    Q_OBJECT

public:
    PestanaDRIs(ControlesDRIs& ui, QWidget* ventana);

    // Loads the four grids; called once when the window opens.
    void cargar();
    // Writes any value still being edited.
    void confirmarEdiciones();
    // Lets go of the grids' queries before the connection closes.
    void liberar();

    // The statements behind dgr_dri1 .. dgr_dri4 (0 to 3) and dgr_ul (4).
    static QString sentencia(int rejilla);

private:
    ControlesDRIs& m_ui;
    RejillaDatos* m_rejillas[5] = {};
    ModeloDRIs* m_modelos[5] = {};
};
