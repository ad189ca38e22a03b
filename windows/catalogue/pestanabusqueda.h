#pragma once

#include "catalogue/catalogo.h"

#include <QObject>
#include <QStringList>

class AyudaMedidas;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class Sesion;

// The controls of tab 2, by the object names they carry.
struct ControlesBusqueda
{
    QLabel* lbl_2_1 = nullptr;
    QLabel* lbl_2_2 = nullptr;
    QLabel* lbl_2_3 = nullptr;
    QLabel* lbl_2_4 = nullptr;
    QLineEdit* tbx_buscar = nullptr;
    QPushButton* cmd_buscar = nullptr;
    QListWidget* lbx_categorias = nullptr;
    QTreeWidget* lsv_alimentos = nullptr;
    QLineEdit* tbx_cantidad = nullptr;
    QPushButton* cmd_guardar = nullptr;
    // Household measures that fill tbx_cantidad.
    AyudaMedidas* ayudaMedidas = nullptr;
    // The food list's pop-up menu.
    QMenu* buscador = nullptr;
    QAction* displayNutrientsBuscador = nullptr;

    void construir(QWidget* marco);
};

// Tab 2: food search by terms and group, and the weekly intake entry.
class PestanaBusqueda : public QObject
{
    Q_OBJECT

public:
    PestanaBusqueda(ControlesBusqueda& ui, Sesion& sesion, QWidget* ventana);

    // True when there is a search text to look for.
    bool validarBusqueda();
    // Lists the groups that hold foods matching every term of the search text.
    void buscarCategorias();
    // Lists the foods of one group that match the terms of the last search.
    void extraerAlimentos(const QString& grupo);
    // Makes the selected food of the list the one intakes are saved for.
    void seleccionarAlimento();
    // True when a food is chosen and the intake text is a whole number.
    bool validarCantidad();

    qint64 alimentoSeleccionado() const { return m_alimentoSeleccionado; }

private:
    void categoriaPulsada(int linea);
    void alimentoPulsado(QTreeWidgetItem* fila);
    void mostrarNutrientes();
    void guardar();
    // Shows the food's measures and stored intake in the helper (0: none).
    void mostrarMedidas(qint64 alimento);

    ControlesBusqueda& m_ui;
    Sesion& m_sesion;
    QWidget* m_ventana;
    // The terms of the last search, which a category click lists foods for.
    catalogo::Busqueda m_condicionBusqueda;
    // The group id of each line of the category list.
    QStringList m_idsCategorias;
    // The category list shows the no-match line, which stands for no group.
    bool m_sinCategorias = false;
    qint64 m_alimentoSeleccionado = 0;
};
