#include "MoviePlayer.h"

#include <QFileInfo>
#include <QMetaMethod>
#include <QQmlEngine>
#include <QQuickItem>

MoviePlayer::MoviePlayer(QWidget* parent) : QQuickWidget(parent)
{
    setResizeMode(QQuickWidget::SizeRootObjectToView);
    setClearColor(Qt::black);
    setFocusPolicy(Qt::StrongFocus);
    connect(engine(), &QQmlEngine::warnings, this, [this](const QList<QQmlError>& warnings) {
        for (const auto& w : warnings)
            m_errors.append(w.toString());
    });
}

void MoviePlayer::setMovie(const QString& path)
{
    m_movie = path;
    m_errors.clear();
    setSource(QUrl());
    if (!QFileInfo::exists(path)) {
        hide();
        return;
    }
    setSource(QUrl::fromLocalFile(path));
    for (const auto& e : errors())
        m_errors.append(e.toString());
    QObject* root = rootObject();
    if (status() != QQuickWidget::Ready || !root) {
        hide();
        return;
    }
    const int signal = root->metaObject()->indexOfSignal("fscommand(QString,QString)");
    if (signal >= 0) {
        const int slot = metaObject()->indexOfSlot("onFsCommand(QString,QString)");
        QMetaObject::connect(root, signal, this, slot, Qt::QueuedConnection);
    }
    show();
}

bool MoviePlayer::isLoaded() const
{
    return status() == QQuickWidget::Ready && rootObject();
}

void MoviePlayer::callRoot(const char* function)
{
    QObject* root = rootObject();
    if (!root)
        return;
    const QByteArray signature = QByteArray(function) + "()";
    if (root->metaObject()->indexOfMethod(signature.constData()) >= 0)
        QMetaObject::invokeMethod(root, function);
}

void MoviePlayer::Play()
{
    callRoot("play");
}

void MoviePlayer::Stop()
{
    callRoot("stop");
}

void MoviePlayer::onFsCommand(const QString& command, const QString& args)
{
    Q_EMIT FSCommand(command, args);
}
