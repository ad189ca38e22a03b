#pragma once

#include <QWidget>

class AyudaMedidas;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
struct PerfilActual;

// Window `i`: the weekly intake of the food selected in the ranking list.
// It does not block the main window, so the user may pick another food
// while it is open; the intake goes to the food selected when "Save" is
// pressed. It goes away after a save, whatever the outcome.
class DialogoIngesta : public QWidget
{
    Q_OBJECT

public:
    DialogoIngesta(QWidget* principal, QTreeWidget* listaOrdenada, const PerfilActual& perfil);

private:
    void guardar();
    // The food selected in the ranking list; 0 when none is.
    qint64 alimentoElegido() const;
    void mostrarMedidas();

    QTreeWidget* m_lista;
    // The food the intake goes to (elided; whole in its tooltip).
    QLabel* m_alimento = nullptr;
    QLineEdit* m_cantidad = nullptr;
    QPushButton* m_guardar = nullptr;
    AyudaMedidas* m_ayuda = nullptr;
    int m_anchoTexto = 0;
    const PerfilActual& m_perfil;
};
