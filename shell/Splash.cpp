#include "Splash.h"

#include "platform/MoviePlayer.h"

#include <QDir>
#include <QLabel>
#include <QTimer>

TSplashForm::TSplashForm(Services& services) : QorForm(services, QStringLiteral("SplashForm"))
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setCursor(Qt::WaitCursor);
    setStyleSheet(QStringLiteral("TSplashForm { background: black; }"));

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Flash = new MoviePlayer(Panel1);
    Flash->setObjectName(QStringLiteral("Flash"));
    Label1 = new QLabel(QStringLiteral("Qor speed-reading trainer"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("color: #9fb3c8;"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(12000);
    Timer1->start();

    on(Timer1, &QTimer::timeout, &TSplashForm::Timer1Timer);
    connect(Flash, &MoviePlayer::FSCommand, this,
            [this](const QString& command, const QString& args) { guard([&] { FlashFSCommand(command, args); }); });
}

void TSplashForm::FormCreate()
{
    computeFolders();
    placeFullScreen();
    setWindowTitle(QStringLiteral("On Start form"));
    Flash->setMovie(installRoot() + QStringLiteral("flash") + QDir::separator() + QStringLiteral("read_start.qml"));
}

void TSplashForm::resizeEvent(QResizeEvent* event)
{
    QorForm::resizeEvent(event);
    Panel1->setGeometry(rect());
    Flash->setGeometry(Panel1->rect());
    Label1->adjustSize();
    Label1->move(width() - Label1->width() - 16, height() - Label1->height() - 12);
    Label1->raise();
}

bool TSplashForm::FormCloseQuery()
{
    return !Timer1->isActive();
}

void TSplashForm::Timer1Timer()
{
    Timer1->stop();
    close();
}

void TSplashForm::FlashFSCommand(const QString& command, const QString& args)
{
    Q_UNUSED(args);
    if (command != QLatin1String("quit"))
        return;
    Flash->Stop();
    Timer1->stop();
    close();
}
