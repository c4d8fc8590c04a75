#pragma once

#include "platform/Dialogs.h"
#include "shell/QorForm.h"

#include <QStringList>

class QFrame;
class QLabel;
class QMenu;
class QAction;
class QPushButton;
class QTextEdit;
class QTimer;
class RichTextBox;

// The flash reader: cuts a text into frames of a few words and shows them one after another in a large label,
// each for the show time (twice as long after a full stop). Its settings window is TFormReaSet.
class TFormRead : public QorForm
{
    Q_OBJECT

public:
    explicit TFormRead(Services& services);

    void FormCreate() override;
    void FormClose() override;
    void FormDestroy() override;
    // The small font goes to the echo label, the frame label and Label2.
    void userFontsChanged(const QFont& small, const QFont& big) override;

    static constexpr const char* kSection = "Speed_SRead";
    static constexpr const char* kFileFilter = "text files|*.txt;*.doc;*.rtf|DOC|*.doc|RTF|*.rtf|HTML|*.htm;*.html;";
    // The help file below the install root.
    static QString helpFileName();

    // Sets the frame timer's interval, at least kMinShowTime; like the timer it stands for, the timer restarts only
    // when the interval changes, so a steady show keeps its beat.
    void setFrameInterval(int ms);
    // The fonts of the echo label, the frame label, the measuring box and Label2 (the settings window's Font).
    void setDisplayFont(const QFont& font);

    // The frames of the current text and the position of the next one to show.
    QStringList frames;
    int frameIndex = 0;
    // How long a frame stays on screen, ms.
    int showTime = 300;
    // Taken off the show time at each clock tick, ms.
    int acceleration = 1;
    // Minimum length of a frame cut at a blank; 0 stands for 15.
    int lettersPerFrame = 50;
    // Kept and shown by the settings window only.
    int wordsPerFrame = 0;
    // Width of the echo panel, px.
    int echoWidth = 300;
    // Seconds of the exercise clock.
    int seconds = 0;

    QLabel* Label1;  // the frame label
    QFrame* Panel11; // the echo panel (hidden)
    QLabel* Panel1;  // the echo label
    QTextEdit* Me;   // the measuring box (hidden)
    QLabel* Label2;  // the line height (hidden)
    RichTextBox* Editor;
    QMenu* PopupMenu1;
    QAction* N1;
    QAction* N2;
    QFrame* Panel2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    QFrame* PanelLeft;
    QFrame* PanelRight;
    QLabel* PanelTop;
    QPushButton* ButtonLoad;
    QPushButton* ButtonSet;
    QPushButton* ButtonHelp;
    QPushButton* ButtonEnd;
    QLabel* LabelTime;
    QTimer* Timer1;
    QTimer* TimerShow;
    // The open dialog's filter and initial folder.
    FileDialogOptions OpenDialog1;

public Q_SLOTS:
    void FormResize();
    void LoadFile();
    void File_Word();
    void Step();
    void Go();
    void Back();
    void Pouse();
    void Setup();
    void ButtonHelpClick();
    void ButtonEndClick();
    void Timer1Timer();
    void N1Click();
    void N2Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void dockPanels();
    void fitEchoLabel();
    // Lines the text wraps into at the measuring box's width.
    int measuredLineCount(const QString& text) const;
    void loadConverted(const QString& path);

    QSize m_laidOutSize;
};
