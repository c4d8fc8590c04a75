#pragma once

#include "QorForm.h"

class RichTextBox;

// The shared help window: shows a help file (RTF or plain text) for whichever trainer asked, stays on top of the
// other windows and reads the file again each time it becomes the active window. It has no phrase list.
class TFormHelp : public QorForm
{
    Q_OBJECT

public:
    explicit TFormHelp(Services& services);

    void FormCreate() override;
    void windowActivated() override { FormActivate(); }
    // The help file to show: a full path, or one relative to the current folder.
    void setOpenArgument(const QString& helpFile) override { m_helpFile = helpFile; }
    const QString& helpFile() const { return m_helpFile; }

    RichTextBox* Editor;

public Q_SLOTS:
    // Loads the help file into Editor.
    void FormActivate();
    void ShowHelp();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QString m_helpFile;
};
