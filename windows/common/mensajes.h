#pragma once

#include <QMap>
#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through here, so that tests can
// record what would have been shown and answer it.
namespace mensajes {

enum class Tipo { Informacion, Aviso, Error, Pregunta };

struct Mensaje
{
    Tipo tipo;
    QString titulo;
    QString texto;
    // Captions in place of the standard ones, for answers of the program's
    // own ("Skip", "Replace"); the button pressed is still told as the
    // standard button it is.
    QMap<QMessageBox::StandardButton, QString> rotulos = {};
};

// Answers a message box in place of the user; returns the button pressed.
using Respondedor = std::function<QMessageBox::StandardButton(const Mensaje&)>;

// Replaces the real boxes (an empty function restores them).
void instalar(Respondedor respondedor);

QMessageBox::StandardButton mostrar(QWidget* padre, const Mensaje& mensaje,
                                    QMessageBox::StandardButtons botones = QMessageBox::Ok);

// Information icon, OK, empty title.
void informar(QWidget* padre, const QString& texto);
// A save done: in the status bar for 5 s when the user chose so (and a
// status bar is installed), otherwise as `informar` does.
void confirmar(QWidget* padre, const QString& texto);
// Whether saves are confirmed in the status bar; remembered in the settings.
bool confirmarEnBarra();
void ponerConfirmarEnBarra(bool enBarra);
// Where `confirmar` shows its text (an empty function: nowhere, boxes then).
using Barra = std::function<void(const QString& texto)>;
void instalarBarra(Barra barra);
// Warning icon, OK; the title is empty unless given.
void avisar(QWidget* padre, const QString& texto, const QString& titulo = QString());
// Error icon, OK, empty title.
void error(QWidget* padre, const QString& texto);
// Error icon for a failed write: when the database refused it for being
// read-only or in use, a second line says so.
void errorEscritura(QWidget* padre, const QString& texto);
// Yes/No without icon, empty title; true for Yes.
bool preguntar(QWidget* padre, const QString& texto);

// Asks for the file to save to (empty: the user cancelled); tests answer it
// in place of the file dialog, as they do the message boxes. `filtro` holds
// the file types offered, separated by ";;"; an elector may set it to the
// one it picks (the first, when it leaves it).
using Elector =
    std::function<QString(const QString& titulo, const QString& propuesto, QString& filtro)>;
// Replaces the file dialogs (an empty function restores them).
void instalarElector(Elector elector);
// `elegido`, when given, gets the file type the user picked.
QString elegirArchivo(QWidget* padre, const QString& titulo, const QString& propuesto,
                      const QString& filtro, QString* elegido = nullptr);
// The same for a file to open.
QString elegirArchivoExistente(QWidget* padre, const QString& titulo, const QString& filtro);

} // namespace mensajes
