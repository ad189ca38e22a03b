#include "windows/splash/intro.h"

#include "resources/iconos.h"

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

    auto* version = new QLabel(tr("Version 1.1"), this);
    version->setObjectName(QStringLiteral("Label1"));
    version->setGeometry(3360 / 15, 600 / 15, 90, 17);

    if (QScreen* pantalla = QGuiApplication::primaryScreen())
        move(pantalla->availableGeometry().center() - rect().center());

    m_temporizador = new QTimer(this);
    m_temporizador->setObjectName(QStringLiteral("Timer1"));
    m_temporizador->setInterval(500);
    m_temporizador->setSingleShot(true);
    connect(m_temporizador, &QTimer::timeout, this, &Intro::tiempoCumplido);
    m_temporizador->start();
}
