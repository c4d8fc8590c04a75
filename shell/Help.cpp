#include "Help.h"

#include "platform/RichTextBox.h"

namespace {
constexpr int kMargin = 2;
constexpr QSize kClientSize(598, 384);
} // namespace

TFormHelp::TFormHelp(Services& services) : QorForm(services, QStringLiteral("FormHelp"))
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Help"));
    setFixedSize(kClientSize);

    Editor = new RichTextBox(this);
    Editor->setObjectName(QStringLiteral("Editor"));
    Editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Editor->setReadOnly(true);
    Editor->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void TFormHelp::FormCreate()
{
    Editor->setGeometry(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin));
    centreOnScreen();
}

void TFormHelp::FormActivate()
{
    ShowHelp();
}

void TFormHelp::ShowHelp()
{
    // A file that cannot be read raises a file error and leaves the previous content.
    Editor->loadFile(m_helpFile);
}

void TFormHelp::resizeEvent(QResizeEvent* event)
{
    QorForm::resizeEvent(event);
    Editor->setGeometry(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin));
}
