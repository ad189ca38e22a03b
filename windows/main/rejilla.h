#pragma once

#include <QTableView>

// An editable grid whose model writes a row back when the user leaves it.
class RejillaDatos : public QTableView
{
    Q_OBJECT

public:
    explicit RejillaDatos(QWidget* padre = nullptr);

    // Commits the cell being edited and writes its row, as if the user had
    // moved to another row; used when the tab changes or the window closes.
    void confirmarEdicion();
};
