#pragma once

#include "perception/Rhythm.h"
#include "platform/Dialogs.h"
#include "shell/QorForm.h"

#include <QElapsedTimer>

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;
class RichTextBox;

// The metronome: beats the rhythm of its table, one row after the other and again from the top, each row waiting
// its interval and then giving its beeps. The table is edited with the keyboard and loaded from and saved to rhythm
// files through the settings dialog.
class TMetronom : public QorForm
{
    Q_OBJECT

public:
    explicit TMetronom(Services& services);

    void FormCreate() override;
    void FormDestroy() override;
    // Every way of closing leaves the exercise as Exit does.
    void FormClose() override;

    // A cell of the table: column 0 the interval, 1 the beeps, 2 the beat marker.
    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);

    // Both timers off, and on again (the settings dialog stops them while it loads a rhythm).
    void stopTimers();
    void startTimers();

    // The row the next beat plays.
    int currentRow() const { return m_row; }
    // Milliseconds taken off every interval each second while the rhythm plays (negative: added).
    qint64 perSecondChange() const { return m_perSecondChange; }
    void setPerSecondChange(qint64 change) { m_perSecondChange = change; }

    QLabel* PanelTop;
    QFrame* Panel1;
    QLabel* Label5;
    QLabel* Label6;
    QTableWidget* StringGrid1;
    QPushButton* ButtonNext;
    QPushButton* ButtonPouse;
    QPushButton* ButtonSet;
    QPushButton* ButtonInit;
    QPushButton* ButtonHelp;
    QPushButton* ButtonEnd;
    RichTextBox* Editor;
    QTimer* Timer1;
    QTimer* TimerSec;
    // The file dialogs of rhythm files, as the settings dialog runs them.
    FileDialogOptions OpenDialog1;
    FileDialogOptions SaveDialog1;

public Q_SLOTS:
    void Start1Click();
    void Stop1Click();
    void Timer1Timer();
    void TimerSecTimer();
    void StringGrid1SelectCell(int col, int row);
    // A character typed into the table: a digit is appended to the selected cell, Backspace ('\b') takes its last
    // character off; every other character is swallowed.
    void StringGrid1KeyPress(QChar key);
    void ButtonSetClick();
    void ButtonHelpClick();
    void ButtonEndClick();
    void FormResize();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setCaptions();
    void beepTimes(int count);

    int m_row = 0;
    int m_selCol = 0;
    int m_selRow = 0;
    qint64 m_perSecondChange = 0;
    // When the next beat is due, on m_clock (nanoseconds).
    QElapsedTimer m_clock;
    qint64 m_due = 0;
    // The help file was found: the intro text shows until the first start and again after Exit.
    bool m_hasIntro = false;
};
