#pragma once

class QCoreApplication;
class QLocale;

// The program's texts in the language `idioma` asks for, where the program
// has a translation of them (Spanish; English is the program's own), and
// Qt's own texts (buttons of message boxes, file dialogs) with them, where
// the system holds Qt's translations. Returns whether a translation of the
// program's texts was installed.
bool instalarTraducciones(QCoreApplication& programa, const QLocale& idioma);
