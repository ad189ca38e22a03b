#pragma once

class QWidget;

// The About box (F1, and the link on tab 6): the program's version, the data
// folder, the food table's release and the sources of the reference values
// of the open database.
void mostrarAcerca(QWidget* padre);
