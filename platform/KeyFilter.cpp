#include "KeyFilter.h"

#include <QKeyEvent>
#include <QWidget>

bool isNonDigitCharacterKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return false;
    default:
        break;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    return !(text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9'));
}

void DigitKeyFilter::install(std::initializer_list<QWidget*> boxes)
{
    for (QWidget* box : boxes)
        box->installEventFilter(new DigitKeyFilter(box));
}

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isNonDigitCharacterKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}
