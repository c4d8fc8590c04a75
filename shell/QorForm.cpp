#include "QorForm.h"

#include "Folders.h"
#include "Roster.h"
#include "platform/RichTextBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

QorForm::QorForm(Services& services, const QString& name, QWidget* parent)
    : QDialog(parent, Qt::Window), m_services(services)
{
    setObjectName(name);
}

QString QorForm::phraseFile() const
{
    return m_installRoot + QStringLiteral("localization") + QDir::separator() + objectName();
}

void QorForm::loadPhraseList()
{
    m_phrases.load(phraseFile());
}

void QorForm::savePhraseList()
{
    m_phrases.save(phraseFile());
}

void QorForm::computeFolders()
{
    m_programFolder = programFolderOf(QDir::toNativeSeparators(m_services.executablePath()));
    m_installRoot = installRootOf(m_programFolder);
}

void QorForm::setFolders(const QString& programFolder, const QString& installRoot)
{
    m_programFolder = programFolder;
    m_installRoot = installRoot;
}

void QorForm::placeFullScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    setGeometry(screen ? screen->geometry() : QRect(0, 0, 1024, 768));
}

void QorForm::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void QorForm::showModeless()
{
    QWidget* modal = QApplication::activeModalWidget();
    winId();
    if (QWindow* handle = windowHandle())
        handle->setTransientParent(modal && modal != this ? modal->windowHandle() : nullptr);
    show();
    raise();
    activateWindow();
}

void QorForm::appendCredits(RichTextBox* editor)
{
    editor->addLine(QString());
    editor->addLine(QString());
    editor->addLine(LookupPhrase(QStringLiteral("Qor speed-reading trainer. Made by the Qor team.")));
    editor->addLine(LookupPhrase(QStringLiteral("www.qor-reader.example")));
    // The intro text is read from its beginning.
    editor->moveCursor(QTextCursor::Start);
}

void QorForm::showHelp(const QString& helpFile)
{
    QorForm* help = m_services.roster().window(QStringLiteral("FormHelp"));
    if (!help)
        return;
    help->setOpenArgument(helpFile);
    help->showModeless();
}

void QorForm::reject()
{
    bool allowed = true;
    guard([&] { allowed = FormCloseQuery(); });
    if (!allowed)
        return;
    guard([&] { FormClose(); });
    QDialog::reject();
}

namespace {

bool isOwnedBy(const QWidget* widget, const QWidget* owner)
{
    for (const QWidget* w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget())
        if (w == owner)
            return true;
    return false;
}

} // namespace

bool QorForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowDeactivate) {
        // The window that takes the activation over is already known here.
        QWidget* next = QApplication::activeModalWidget();
        if (!next || next == this)
            next = QApplication::activeWindow();
        m_ownDialogActive = isOwnedBy(next, this);
    } else if (event->type() == QEvent::WindowActivate) {
        const bool returning = m_ownDialogActive;
        m_ownDialogActive = false;
        if (!returning)
            guard([this] { windowActivated(); });
    }
    return QDialog::event(event);
}

void QorForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QAbstractButton*>(focusWidget()); button && button->isEnabled())
            button->click();
        else
            event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
