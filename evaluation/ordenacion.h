#pragma once

#include <QHash>
#include <QString>

// Sort direction of list columns by caption: true when the last sort by that
// column was ascending. One table serves every sortable list; a missing entry
// counts as false.
QHash<QString, bool>& ordenColumnas();
