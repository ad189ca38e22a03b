#include "windows/splash/intro.h"

#include "resources/iconos.h"
#include "windows/main/ventanaprincipal.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

Intro::Intro(QWidget* padre) : QWidget(padre, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("intro"));
    setWindowTitle(QStringLiteral("Alimetra 1.1"));
    setWindowIcon(iconoVentana());
    setFixedSize(482, 309);

    auto* imagen = new QLabel(this);
    imagen->setObjectName(QStringLiteral("Picture1"));
    imagen->setPixmap(imagenPresentacion());
    imagen->setGeometry(0, 0, 482, 309);

    auto* version = new QLabel(QStringLiteral("Version 1.1"), this);
    version->setObjectName(QStringLiteral("Label1"));
    version->setGeometry(3360 / 15, 600 / 15, 90, 17);

    if (QScreen* pantalla = QGuiApplication::primaryScreen())
        move(pantalla->availableGeometry().center() - rect().center());

    m_temporizador = new QTimer(this);
    m_temporizador->setObjectName(QStringLiteral("Timer1"));
    m_temporizador->setInterval(500);
    m_temporizador->setSingleShot(true);
    connect(m_temporizador, &QTimer::timeout, this, &Intro::cargarPrincipal);
    m_temporizador->start();
}

void Intro::cargarPrincipal()
{
    if (m_f)
        return;
    m_f = new VentanaPrincipal;
    m_f->setAttribute(Qt::WA_DeleteOnClose);
    m_f->cargar(this);
}
