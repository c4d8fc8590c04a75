#pragma once

#include "QorForm.h"

#include <QList>
#include <QPair>

class QLabel;
class QTimer;
class MoviePlayer;

// The main window: a borderless full-screen window playing the menu movie. The movie's commands open the
// trainer and tool windows; its "quit" ends the program.
class TFormMenue : public QorForm
{
    Q_OBJECT

public:
    explicit TFormMenue(Services& services);

    void FormCreate() override;

    // How a menu command opens its window.
    enum class Opening { Modal, Modeless, Indexer, Book };
    struct Command
    {
        const char* command;
        const char* window;
        Opening opening;
    };
    // The commands in the order they are tested.
    static const QList<Command>& commands();
    // The command string upper-cased in its ASCII letters only.
    static QString menuCommand(const QString& args);

    MoviePlayer* Flash1;
    QLabel* Label1;
    QTimer* Timer1;

public Q_SLOTS:
    void Flash1FSCommand(const QString& command, const QString& args);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void dispatch(const QString& command, const QString& args);
    void openModal(QorForm* window);
    void layOut();

    // Commands that arrive while a window opened from here runs modally wait here until it closes.
    QList<QPair<QString, QString>> m_pending;
    int m_running = 0;
};
