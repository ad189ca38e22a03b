#pragma once

#include <QWidget>

class QLabel;
class QTreeWidget;
class Sesion;
struct FuenteNutriente;

// Which foods of the week supply one nutrient: food, weekly grams, amount
// and share of the week's total, highest first; foods whose value is
// unknown last. One window per nutrient, over the main window.
class VentanaFuentes : public QWidget
{
    Q_OBJECT

public:
    VentanaFuentes(QWidget* principal, const QString& clave);

    const QString& clave() const { return m_clave; }
    // Lists the sources for the session's current profile.
    void cargar(const Sesion& sesion);

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    // One row a food, its amount and its share of the week's `total`.
    void llenarLista(const QList<FuenteNutriente>& fuentes, const QString& unidad, double total);

    QString m_clave;
    QLabel* m_explicacion = nullptr;  // lbl_fuentes
    QTreeWidget* m_lista = nullptr;   // lsv_fuentes
    QLabel* m_total = nullptr;        // lbl_total
    QLabel* m_desconocidos = nullptr; // lbl_desconocidos
};

// Shows the sources window of a nutrient, opening it or bringing the one
// already open to the front, reloaded.
VentanaFuentes* mostrarFuentes(QWidget* principal, const Sesion& sesion, const QString& clave);
