#pragma once

#include "catalogue/catalogo.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class AyudaMedidas;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class Sesion;

// Tab 2: food search by terms and group, and the weekly intake entry.
class PestanaBusqueda : public QWidget
{
    Q_OBJECT

public:
    explicit PestanaBusqueda(Sesion& sesion, QWidget* padre = nullptr);

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
    // Reads again what the profile stores of the chosen food (tab 4 may
    // have changed it).
    void releerGuardada();

    // Lists again, after the user's own foods changed: the groups of the
    // last search, and the foods of the group shown while it has some.
    void releer();

    qint64 alimentoSeleccionado() const { return m_alimentoSeleccionado; }

signals:
    // An own food was stored from this tab ("Copy to my foods...").
    void alimentosCambiados();

private:
    void construir();
    void conectar();
    void categoriaPulsada(int linea);
    void alimentoPulsado(QTreeWidgetItem* fila);
    void mostrarNutrientes();
    void copiarAPropios();
    // The category list of the last search's terms.
    void listarCategorias();
    void guardar();
    // Shows the food's measures and stored intake in the helper (0: none).
    void mostrarMedidas(qint64 alimento);

    Sesion& m_sesion;
    QLineEdit* m_buscar = nullptr;        // tbx_buscar
    QPushButton* m_botonBuscar = nullptr; // cmd_buscar
    QListWidget* m_categorias = nullptr;  // lbx_categorias
    QTreeWidget* m_alimentos = nullptr;   // lsv_alimentos
    QLineEdit* m_cantidad = nullptr;      // tbx_cantidad
    QPushButton* m_guardar = nullptr;     // cmd_guardar
    // Household measures that fill the grams box.
    AyudaMedidas* m_ayudaMedidas = nullptr;
    // The food list's pop-up menu and its entries.
    QMenu* m_menu = nullptr;                // buscador
    QAction* m_mostrarNutrientes = nullptr; // displayNutrientsBuscador
    QAction* m_copiar = nullptr;            // copyToMyFoodsBuscador
    // The terms of the last search, which a category click lists foods for.
    catalogo::Busqueda m_condicionBusqueda;
    // The group id of each line of the category list.
    QStringList m_idsCategorias;
    // The category list shows the no-match line, which stands for no group.
    bool m_sinCategorias = false;
    qint64 m_alimentoSeleccionado = 0;
};
