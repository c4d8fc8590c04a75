#pragma once

#include "shell/QorForm.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSplitter;
class QTimer;
class RichTextBox;

// The letter-counting trainer: a field of blanks in a fixed-pitch font with copies of a target letter and of a
// distractor letter scattered over it; the user types how many target letters there are. Time passing makes the
// tasks easier, correct answers make them harder.
class TFormKarto : public QorForm
{
    Q_OBJECT

public:
    explicit TFormKarto(Services& services);

    void FormCreate() override;
    void FormDestroy() override;
    // Every way of closing hides the letter field, shows the help text and stops the three timers.
    void FormClose() override;
    void userFontsChanged(const QFont& small, const QFont& big) override;

    // The limits the settings window edits: tasks place fewer than Slov letters of which fewer than SlovWrong are
    // target letters. Time1 is only kept.
    int Slov = 50;
    int SlovWrong = 10;
    int Time1 = 10;

    const QStringList& letterList() const { return m_letters; }
    const QString& targetLetter() const { return m_target; }
    const QString& distractorLetter() const { return m_distractor; }
    int rightCount() const { return m_right; }
    int fieldLines() const { return m_fieldLines; }
    // The display lines of the letter field.
    QStringList fieldText() const;
    // Gives the letter field a font and wraps the current task to it.
    void setLetterFieldFont(const QFont& font);
    // The characters that fit on one display line of the letter field.
    int fieldColumns() const;

    QLabel* PanelTop;
    QWidget* PanelLeft;
    QWidget* PanelRight;
    QWidget* Panel3;
    QSplitter* Splitter1;
    // Holds Editor1 and the letter field, which lies exactly over it, as the splitter's right side.
    QWidget* PanelMiddle;
    RichTextBox* Editor1;
    QPlainTextEdit* Memo;
    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* Edit1;
    QPushButton* Button1;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* ButtonPouse;
    QPushButton* ButtonHelp;
    QPushButton* ButtonSet;
    QPushButton* ButtonEnd;
    QProgressBar* Pro1;
    QProgressBar* Pro2;
    QTimer* timerSek;
    QTimer* TimerPro;
    QTimer* TimerTask;

public Q_SLOTS:
    void ReadFile();
    void Splitter1Moved();
    void New();
    void Strok();
    void Saveresults();
    // A key typed into the answer box: '\r' for Enter, '\b' for Backspace, else the character.
    void Edit1KeyPress(QChar key);
    void Edit1Change();
    void PraviliyOtvet();
    void ButtonPouseClick();
    void timerSekTimer();
    void TimerProTimer();
    void TimerTaskTimer();
    void Programmsetup1Click();
    void ButtonHelpClick();
    void ButtonEndClick();
    // A key pressed on the window or on the Exit button, and a key or mouse press in the letter field: the focus
    // goes to the answer box, and a typed digit goes with it.
    void FormKeyPress(QChar key);
    void MemoKeyDown(QChar key);
    void MemoMouseDown();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormResize();
    void showField(const QStringList& lines);
    // Wraps the shown field again when the field's width or font changed since it was built.
    void rewrapField();
    void setAnswerVisible(bool visible);
    // The phrase, through LookupPhrase, followed by the target letter and a closing double quote.
    QString prompt(const QString& phrase);

    QStringList m_letters;
    QString m_target;
    QString m_distractor;
    int m_right = 0;
    int m_fieldLines = 0;
    int m_taskSeconds = 0;
    int m_stopwatchSeconds = 0;
    int m_stopwatchMinutes = 0;
    bool m_paused = false;
    bool m_resizing = false;
    QSize m_refusedSize;
    int m_leftWidth = 150;
    int m_shownColumns = 0;
};
