#pragma once

#include "PhraseList.h"
#include "Services.h"
#include "platform/Guard.h"

#include <QColor>
#include <QDialog>

class RichTextBox;

// A colour written as $BBGGRR.
constexpr QRgb bgrColor(quint32 bgr)
{
    return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// The light green of the trainer windows, $EEFFEE.
inline const QColor kTrainerBackground = QColor(bgrColor(0xEEFFEE));

// What every window of the program shares: its name (which also names its phrase file), its phrase list, the
// program folder and the install root, full-screen placement and the error guard of its handlers.
// A window's own creation and destruction steps live in FormCreate and FormDestroy, which the roster runs.
class QorForm : public QDialog
{
    Q_OBJECT

public:
    QorForm(Services& services, const QString& name, QWidget* parent = nullptr);

    Services& services() const { return m_services; }

    // Creation and destruction handlers, run by the roster inside the guard.
    virtual void FormCreate() {}
    virtual void FormDestroy() {}
    // Asked before the window closes; false keeps it open.
    virtual bool FormCloseQuery() { return true; }
    // Run when the window closes (it is then hidden, not destroyed).
    virtual void FormClose() {}
    // Run (inside the guard) each time the window becomes the active window, except when it gets the activation
    // back from a message box or dialog of its own: on Windows those are not windows of the program. A window
    // with an activation handler (FormActivate) runs it from here.
    virtual void windowActivated() {}
    // A string handed over before the window opens: a trainer's mode, the help window's file.
    virtual void setOpenArgument(const QString& argument) { Q_UNUSED(argument); }
    // The user settings changed the small and the big display font.
    virtual void userFontsChanged(const QFont& small, const QFont& big)
    {
        Q_UNUSED(small);
        Q_UNUSED(big);
    }

    QString LookupPhrase(const QString& phrase) { return m_phrases.LookupPhrase(phrase); }
    PhraseList& phraseList() { return m_phrases; }
    QString phraseFile() const;
    // Load the phrase list from the phrase file (an empty list when it is missing).
    void loadPhraseList();
    // Save the phrase list to the phrase file; throws FileError when it cannot be written.
    void savePhraseList();

    // Compute the program folder and the install root from the executable path.
    void computeFolders();
    const QString& programFolder() const { return m_programFolder; }
    const QString& installRoot() const { return m_installRoot; }
    void setFolders(const QString& programFolder, const QString& installRoot);

    // Place the window at (0, 0) with the size of the screen.
    void placeFullScreen();
    // Place the window in the middle of the screen's work area, as the settings and help windows stand.
    void centreOnScreen();
    // Shows the window modelessly, raised and active. A window shown while another runs modally would be blocked
    // by it (a trainer opened from the menu shows its help or settings this way), so it becomes transient for
    // that modal window.
    void showModeless();
    // Shows the shared help window with a help file (a full path).
    void showHelp(const QString& helpFile);
    // Append two empty lines, the author credit and the web address, each through LookupPhrase; the text then
    // shows from its beginning.
    void appendCredits(RichTextBox* editor);

    // Runs a handler inside the guard: an error becomes an error box and the window stays usable.
    template <class Handler> bool guard(Handler&& handler)
    {
        return guarded(m_services.dialogs(), this, std::forward<Handler>(handler));
    }

    // Connects a signal to a handler of this window, run inside the guard.
    template <class Sender, class Signal, class Window>
    void on(Sender* sender, Signal signal, void (Window::*handler)())
    {
        connect(sender, signal, this, [this, handler] { guard([&] { (static_cast<Window*>(this)->*handler)(); }); });
    }

public Q_SLOTS:
    // Every way of closing (close box, Escape, close()) passes FormCloseQuery and FormClose.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    // Enter clicks the focused button and does nothing else: text boxes of the trainers handle Enter themselves,
    // so no button is pressed behind their back.
    void keyPressEvent(QKeyEvent* event) override;

private:
    Services& m_services;
    PhraseList m_phrases;
    QString m_programFolder;
    QString m_installRoot;
    // The activation went to a box or dialog of this window.
    bool m_ownDialogActive = false;
};
