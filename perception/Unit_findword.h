#pragma once

#include "shell/QorForm.h"

class QFrame;
class QLabel;
class QPushButton;
class QSplitter;
class QTimer;
class RichTextBox;
class UpDown;

// The find-word trainer: the user opens a text; "Next" shows a phrase of a few consecutive words of it for some
// seconds, and the user searches the text for it and clicks one of its words.
class TFormFindWord : public QorForm
{
    Q_OBJECT

public:
    explicit TFormFindWord(Services& services);

    void FormCreate() override;
    void FormDestroy() override;
    // Every way of closing stops both timers, closes the help window and writes the results line.
    void FormClose() override;

    int seconds() const { return m_seconds; }
    int foundCount() const { return m_found; }
    const QString& targetPhrase() const { return m_target; }
    int promptStart() const { return m_promptStart; }

    QLabel* Panel4;
    QSplitter* Splitter1;
    QWidget* Panel2;
    QWidget* Panel1;
    RichTextBox* editor;
    QFrame* Panel3;
    QLabel* Label2;
    QLabel* LabelModel;
    QPushButton* ButtonNextOK;
    QPushButton* ButtonOpen;
    QPushButton* ButtonNext;
    QPushButton* ButtonPrompt;
    QLabel* LabelSlov;
    UpDown* UpDown1;
    QLabel* LabelShowTime;
    UpDown* UpDown2;
    QLabel* LabelProbelov;
    QLabel* LabelTime;
    QPushButton* ButtonPouse;
    QPushButton* ButtonHelp;
    QPushButton* ButtonClose;
    QPushButton* Button2;
    QPushButton* Button4;
    QPushButton* Save;
    QPushButton* Button6;
    QTimer* TimerSec;
    QTimer* TimerPrompt;

public Q_SLOTS:
    void ButtonOpenClick();
    void ButtonNextClick();
    // The mouse button was released over the text, at a point of the text box's viewport.
    void editorMouseUp(const QPoint& point);
    void ButtonPromptClick();
    void ButtonPouseClick();
    void TimerNext();
    void TimerSecTimer();
    void UpDown2MouseUp();
    void Splitter1Paint();
    void ButtonHelpClick();
    void ButtonCloseClick();
    void SaveResults();
    void refreshLables();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the window speaks English: its Open button reads exactly "Open".
    bool english() const;
    void showPhrasePanel();

    int m_seconds = 0;
    int m_found = 0;
    QString m_target;
    int m_promptStart = 0;
    int m_promptLength = 0;
    QString m_currentFile;
    int m_leftWidth = 150;
};
