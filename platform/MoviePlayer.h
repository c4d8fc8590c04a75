#pragma once

#include <QQuickWidget>
#include <QString>

// Plays a movie: a QML file whose root item declares `signal fscommand(string command, string args)` and may
// define the functions play() and stop(). The movie's commands arrive as FSCommand(command, args). When the file
// is missing or does not load, the player hides itself so that whatever lies beneath it shows.
class MoviePlayer : public QQuickWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Movie READ Movie WRITE setMovie)

public:
    explicit MoviePlayer(QWidget* parent = nullptr);

    QString Movie() const { return m_movie; }
    void setMovie(const QString& path);
    // True when the current movie loaded and runs.
    bool isLoaded() const;
    // The QML errors of the last load, as text (empty when it loaded cleanly).
    QStringList loadErrors() const { return m_errors; }

public Q_SLOTS:
    void Play();
    void Stop();

Q_SIGNALS:
    void FSCommand(const QString& command, const QString& args);

private Q_SLOTS:
    void onFsCommand(const QString& command, const QString& args);

private:
    void callRoot(const char* function);

    QString m_movie;
    QStringList m_errors;
};
