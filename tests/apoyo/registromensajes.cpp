#include "apoyo/registromensajes.h"

RegistroMensajes::RegistroMensajes()
{
    mensajes::instalar([this](const mensajes::Mensaje& m) {
        m_mostrados << m;
        if (!m_respuestas.isEmpty())
            return m_respuestas.takeFirst();
        return m.tipo == mensajes::Tipo::Pregunta ? QMessageBox::Yes : QMessageBox::Ok;
    });
}

RegistroMensajes::~RegistroMensajes()
{
    mensajes::instalar({});
}

QStringList RegistroMensajes::textos() const
{
    QStringList t;
    for (const mensajes::Mensaje& m : m_mostrados)
        t << m.texto;
    return t;
}

mensajes::Mensaje RegistroMensajes::ultimo() const
{
    return m_mostrados.isEmpty() ? mensajes::Mensaje{mensajes::Tipo::Informacion, {}, {}}
                                 : m_mostrados.last();
}
