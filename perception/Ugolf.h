#pragma once

#include "shell/QorForm.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class RichTextBox;

// The field-of-view trainer: two groups of characters flash left and right of a centre line; the user, looking at
// the line, types both groups back, left first. A correct answer widens the next task by one step, giving up with
// Enter narrows it. The exercise values come from the settings dialog, which reads and stores them.
class TFormUgol : public QorForm
{
    Q_OBJECT

public:
    explicit TFormUgol(Services& services);

    void FormCreate() override;
    void FormDestroy() override;
    void FormClose() override;

    // Exercise values, set by the settings dialog: characters per group, change of the distance per answer
    // (pixels), show time (ms), answer time (s), task distance (pixels), character library and mask.
    int Razryad = 1;
    int Step = 10;
    int TimeShow = 300;
    int TimeWait = 10;
    int L = 100;
    QString Lib;
    QString Dig;

    // Result of the last answer: +1 correct, -1 given up with Enter, 0 none.
    int outcomeSign() const { return m_sign; }
    int rightAttempts() const { return m_rightCount; }
    int wrongAttempts() const { return m_wrongCount; }
    // The distance the current task was shown at.
    int shownDistance() const { return m_shown; }
    QString expectedAnswer() const { return m_leftGroup + m_rightGroup; }
    int centreX() const { return m_cx; }

    QLabel* Panel1;
    QLabel* LabelL;
    QLabel* LabelR;
    QLabel* Label1;
    QLineEdit* Edit1;
    QLabel* Label_TrTrue;
    QLabel* Label_rast;
    QLabel* Label_TrFalse;
    RichTextBox* Editor;
    QPushButton* ButtonNext;
    QPushButton* ButtonSet;
    QPushButton* ButtonHelp;
    QPushButton* ButtonEnd;
    QPushButton* ButtonStat;
    QTimer* TimerShow;
    QTimer* TimerWait;

public Q_SLOTS:
    void OneStep();
    void New_Hod();
    void Edit1Change();
    // Enter gives the task up.
    void Edit1KeyDown(int key);
    // Backspace takes the last character off the answer.
    void Edit1KeyPress(int key);
    void TimerShowTimer();
    void TimerWaitTimer();
    void FormPaint();
    void FormResize();
    void Settup();
    void ButtonHelpClick();
    void ButtonEndClick();
    void SaveResults();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeControls();
    void computeCentre();

    int m_sign = 1;
    int m_rightCount = 0;
    int m_wrongCount = 0;
    int m_shown = 0;
    QString m_leftGroup;
    QString m_rightGroup;
    int m_cx = 0;
    int m_cy = 0;
    bool m_hasIntro = false;
};
