#pragma once

#include "windows/common/mensajes.h"

#include <QList>

// Records every message box instead of showing it and answers it: with the
// queued answers first, then with Yes for questions and OK for the rest.
// Restores the real boxes when it goes.
class RegistroMensajes
{
public:
    RegistroMensajes();
    ~RegistroMensajes();

    void responder(QMessageBox::StandardButton boton) { m_respuestas << boton; }
    const QList<mensajes::Mensaje>& mostrados() const { return m_mostrados; }
    QStringList textos() const;
    // The last message shown (empty when none was).
    mensajes::Mensaje ultimo() const;
    void limpiar() { m_mostrados.clear(); }

private:
    QList<mensajes::Mensaje> m_mostrados;
    QList<QMessageBox::StandardButton> m_respuestas;
};
