#pragma once

#include "catalogue/intercambio.h"
#include "catalogue/propios.h"
#include "windows/catalogue/editorpropio.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;

// Tab 8: the user's own foods and recipes, the editor that records them, and
// the file that shares them with another person.
class PestanaPropios : public QWidget
{
    Q_OBJECT

public:
    explicit PestanaPropios(QWidget* padre = nullptr);

    // Refills the list, choosing the food `elegir` (0: the one chosen
    // before); without the tables of own foods, says so and turns the
    // buttons off.
    void cargar(qint64 elegir = 0);

    // The id (and name) of the food chosen in the list; 0 when none is.
    qint64 propioSeleccionado(QString* nombre = nullptr) const;
    // The editor open over the tab, null when none is.
    EditorPropio* editor() const;

signals:
    // A food was stored, removed or imported: the lists of foods elsewhere
    // are to be read again.
    void alimentosCambiados();

private:
    void construir();
    void conectar();
    // Opens the editor on `a` without waiting for it.
    void abrirEditor(const propios::AlimentoPropio& a);
    void nuevo(propios::Tipo tipo);
    void editar();
    void copiar();
    void borrar();
    void exportar();
    void importar();
    // Asks what to do with the foods of the file whose names exist; none
    // when the user cancels.
    std::optional<intercambio::Repetidos> preguntarRepetidos(const intercambio::Lectura& l);
    void avisarSinSeleccion();

    QPointer<EditorPropio> m_editor;
    QLabel* m_explicacion = nullptr;        // lbl_8_1
    QLabel* m_sinTablas = nullptr;          // lbl_8_2
    QTreeWidget* m_lista = nullptr;         // lsv_propios
    QPushButton* m_alimentoNuevo = nullptr; // cmd_alimentoNuevo
    QPushButton* m_recetaNueva = nullptr;   // cmd_recetaNueva
    QPushButton* m_editar = nullptr;        // cmd_propioEditar
    QPushButton* m_copiar = nullptr;        // cmd_propioCopiar
    QPushButton* m_borrar = nullptr;        // cmd_propioBorrar
    QPushButton* m_exportar = nullptr;      // cmd_exportarPropios
    QPushButton* m_importar = nullptr;      // cmd_importarPropios
};
