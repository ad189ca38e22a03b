#include "windows/common/mensajes.h"

#include "storage/basedatos.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QSettings>

namespace mensajes {

namespace {

Respondedor& respondedor()
{
    static Respondedor r;
    return r;
}

Elector& elector()
{
    static Elector e;
    return e;
}

Barra& barra()
{
    static Barra b;
    return b;
}

const QString claveConfirmarEnBarra = QStringLiteral("confirmSavesInStatusBar");

QMessageBox::Icon icono(Tipo tipo)
{
    switch (tipo) {
    case Tipo::Informacion:
        return QMessageBox::Information;
    case Tipo::Aviso:
        return QMessageBox::Warning;
    case Tipo::Error:
        return QMessageBox::Critical;
    case Tipo::Pregunta:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void instalar(Respondedor r)
{
    respondedor() = std::move(r);
}

QMessageBox::StandardButton mostrar(QWidget* padre, const Mensaje& mensaje,
                                    QMessageBox::StandardButtons botones)
{
    if (respondedor())
        return respondedor()(mensaje);
    QMessageBox caja(icono(mensaje.tipo), mensaje.titulo, mensaje.texto, botones, padre);
    for (auto r = mensaje.rotulos.cbegin(); r != mensaje.rotulos.cend(); ++r)
        if (QAbstractButton* b = caja.button(r.key()))
            b->setText(r.value());
    return QMessageBox::StandardButton(caja.exec());
}

void informar(QWidget* padre, const QString& texto)
{
    mostrar(padre, {Tipo::Informacion, QString(), texto});
}

void confirmar(QWidget* padre, const QString& texto)
{
    if (barra() && confirmarEnBarra())
        barra()(texto);
    else
        informar(padre, texto);
}

bool confirmarEnBarra()
{
    return QSettings().value(claveConfirmarEnBarra, false).toBool();
}

void ponerConfirmarEnBarra(bool enBarra)
{
    QSettings().setValue(claveConfirmarEnBarra, enBarra);
}

void instalarBarra(Barra b)
{
    barra() = std::move(b);
}

void avisar(QWidget* padre, const QString& texto, const QString& titulo)
{
    mostrar(padre, {Tipo::Aviso, titulo, texto});
}

void error(QWidget* padre, const QString& texto)
{
    mostrar(padre, {Tipo::Error, QString(), texto});
}

void errorEscritura(QWidget* padre, const QString& texto)
{
    const QString motivo = almacen::lineaMotivo(almacen::ultimoMotivo());
    error(padre, motivo.isEmpty() ? texto : texto + QLatin1Char('\n') + motivo);
}

bool preguntar(QWidget* padre, const QString& texto)
{
    return mostrar(padre, {Tipo::Pregunta, QString(), texto}, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void instalarElector(Elector e)
{
    elector() = std::move(e);
}

QString elegirArchivo(QWidget* padre, const QString& titulo, const QString& propuesto,
                      const QString& filtro, QString* elegido)
{
    const QString primero = filtro.section(QStringLiteral(";;"), 0, 0);
    QString tipo = primero;
    QString ruta;
    if (elector()) {
        QString respuesta = filtro;
        ruta = elector()(titulo, propuesto, respuesta);
        if (respuesta != filtro)
            tipo = respuesta;
    } else {
        ruta = QFileDialog::getSaveFileName(padre, titulo, propuesto, filtro, &tipo);
    }
    if (elegido)
        *elegido = tipo;
    return ruta;
}

QString elegirArchivoExistente(QWidget* padre, const QString& titulo, const QString& filtro)
{
    if (elector()) {
        QString tipo = filtro;
        return elector()(titulo, QString(), tipo);
    }
    return QFileDialog::getOpenFileName(padre, titulo, QString(), filtro);
}

} // namespace mensajes
