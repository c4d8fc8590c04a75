#pragma once

#include "QorForm.h"

class QLabel;
class QTimer;
class QWidget;
class MoviePlayer;

// The start screen: plays the start movie while the other windows are created, and closes on the movie's "quit"
// or 12 s after its creation. Until then it refuses to close.
class TSplashForm : public QorForm
{
    Q_OBJECT

public:
    explicit TSplashForm(Services& services);

    void FormCreate() override;
    bool FormCloseQuery() override;

    QWidget* Panel1;
    MoviePlayer* Flash;
    QLabel* Label1;
    QTimer* Timer1;

public Q_SLOTS:
    void Timer1Timer();
    void FlashFSCommand(const QString& command, const QString& args);

protected:
    void resizeEvent(QResizeEvent* event) override;
};
