#pragma once

#include "catalogue/medidas.h"
#include "catalogue/propios.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTreeWidget;

// Window `e`: one own food typed from its label, or a recipe made of other
// foods, with its household measures. Save checks it, asks what is only
// doubtful and stores it; nothing is stored until then.
class EditorPropio : public QDialog
{
    Q_OBJECT

public:
    // `a` is what the form starts from: an empty food or recipe, one read
    // back for editing (its id set), or a prepared copy.
    EditorPropio(QWidget* padre, const propios::AlimentoPropio& a);

    // The id of the food as stored; 0 while it has not been.
    qint64 guardado() const { return m_guardado; }

    // Reads the form, checks it and stores it; closes the window when stored.
    void guardar();

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void construir();
    QLayout* construirCabecera();
    QGroupBox* construirBase();
    QWidget* construirNutrientes();
    QGroupBox* construirMedidas();
    QGroupBox* construirReceta();
    QLayout* construirBusqueda(QWidget* caja);
    void conectar();
    void conectarReceta();
    void mostrar();
    void llenarNutrientes();
    void llenarMedidas();
    void mostrarMasNutrientes();
    void contarConocidos();

    // The nutrients grid row of a column; -1 when there is none.
    int fila(const QString& columna) const;
    // Shows the field a check named and puts the cursor in it.
    void enfocar(const QString& campo);

    // What the form holds; none (the user told, the field chosen) when a box
    // does not hold a number where one is needed.
    std::optional<propios::AlimentoPropio> leerFormulario();
    bool leerValores(QHash<QString, double>* valores);
    QList<propios::MedidaPropia> leerMedidas() const;
    void leerReceta(propios::AlimentoPropio* a) const;
    // Tells the first refusal and asks each question; true to store.
    bool aceptarComprobacion(const propios::AlimentoPropio& a);

    // What a recipe has: its ingredients, found and added.
    void buscarIngredientes();
    void candidatoElegido();
    void agregarIngrediente();
    void quitarIngrediente();
    void mostrarIngrediente(const propios::Ingrediente& i);
    // The amounts per 100 g of a food, read once for the live computation.
    const propios::ValoresIngrediente& valoresDe(qint64 alimento);
    // The dish's weight: the one typed, else the ingredients' sum.
    double pesoPlato() const;
    // The recipe's values from its ingredients, as they stand in the form.
    void calcularReceta();

    propios::AlimentoPropio m_alimento; // what the form started from
    const QList<propios::Nutriente> m_nutrientes;
    // The value texts shown at the start, by column: a value left as it was
    // keeps its stored digits beyond those shown.
    QHash<QString, QString> m_textosIniciales;
    QList<propios::Ingrediente> m_ingredientesLista; // one per row of the table
    QList<medidas::Medida> m_medidasCandidato;       // one per entry after "g"
    QHash<qint64, propios::ValoresIngrediente> m_valoresDe;
    qint64 m_guardado = 0;
    bool m_llenando = false;

    QLineEdit* m_nombre = nullptr;          // tbx_nombre
    QComboBox* m_grupo = nullptr;           // cmb_grupo
    QRadioButton* m_por100 = nullptr;       // opb_por100
    QRadioButton* m_porRacion = nullptr;    // opb_porRacion
    QLineEdit* m_racion = nullptr;          // tbx_racion
    QTableWidget* m_valores = nullptr;      // tbl_nutrientes
    QPushButton* m_masNutrientes = nullptr; // cmd_masNutrientes
    QLabel* m_conocidos = nullptr;          // lbl_conocidos
    QTableWidget* m_medidas = nullptr;      // tbl_medidas
    QPushButton* m_medidaAgregar = nullptr; // cmd_medidaAgregar
    QPushButton* m_medidaQuitar = nullptr;  // cmd_medidaQuitar
    // A recipe's.
    QTableWidget* m_ingredientes = nullptr;   // tbl_ingredientes
    QLineEdit* m_buscar = nullptr;            // tbx_ingrediente
    QPushButton* m_botonBuscar = nullptr;     // cmd_ingredienteBuscar
    QTreeWidget* m_candidatos = nullptr;      // lsv_candidatos
    QLineEdit* m_cantidad = nullptr;          // tbx_ingredienteCantidad
    QComboBox* m_medidaIngrediente = nullptr; // cmb_ingredienteMedida
    QPushButton* m_agregar = nullptr;         // cmd_ingredienteAgregar
    QPushButton* m_quitar = nullptr;          // cmd_ingredienteQuitar
    QLineEdit* m_pesoCocinado = nullptr;      // tbx_pesoCocinado
    QLineEdit* m_raciones = nullptr;          // tbx_raciones
    QPushButton* m_guardar = nullptr;         // cmd_guardar
    QPushButton* m_cancelar = nullptr;        // cmd_cancelar
};

// Opens the editor over `padre` on `a` (a copy of another food, say) and
// waits for it; true when the food was stored.
bool editarPropio(QWidget* padre, const propios::AlimentoPropio& a);

// "Copy to my foods...": the editor on a new own food with the values and
// measures of `alimento`; true when it was stored.
bool copiarAlimentoPropio(QWidget* padre, qint64 alimento);
