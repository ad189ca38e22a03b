#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantList>

class QTreeWidgetItem;
class VentanaPrincipal;

// Tab 2: food search by terms and group, and the weekly intake entry.
class PestanaBusqueda : public QObject
{
    Q_OBJECT

public:
    explicit PestanaBusqueda(VentanaPrincipal& f);

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

    // The condition of the last search, with `?` for each term's pattern.
    const QString& condicionBusqueda() const { return m_condicionBusqueda; }
    const QVariantList& patronesBusqueda() const { return m_patrones; }
    // The group id of each line of the category list.
    const QStringList& idsCategorias() const { return m_idsCategorias; }
    qint64 alimentoSeleccionado() const { return m_alimentoSeleccionado; }

private:
    void categoriaPulsada(int linea);
    void alimentoPulsado(QTreeWidgetItem* fila);
    void mostrarNutrientes();
    void guardar();

    VentanaPrincipal& m_f;
    // Compared only: it may be on its way out when an event reaches the filter.
    QString m_condicionBusqueda;
    QVariantList m_patrones;
    QStringList m_idsCategorias;
    // The category list shows the no-match line, which stands for no group.
    bool m_sinCategorias = false;
    qint64 m_alimentoSeleccionado = 0;
};
