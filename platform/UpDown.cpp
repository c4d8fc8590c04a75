#include "UpDown.h"

#include <QToolButton>

UpDown::UpDown(QWidget* parent) : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setObjectName(QStringLiteral("down"));
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::released, this, [this, button] {
            // Auto-repeat releases the button between repeats; only the real release counts.
            if (!button->isDown())
                Q_EMIT released();
        });
    }
    // The position moves when an arrow goes down and at each auto-repeat, before the release is reported.
    connect(m_up, &QToolButton::pressed, this, [this] { setPosition(m_position + 1); });
    connect(m_down, &QToolButton::pressed, this, [this] { setPosition(m_position - 1); });
    resize(sizeHint());
}

void UpDown::setPosition(int position)
{
    position = qBound(m_minimum, position, m_maximum);
    if (position == m_position)
        return;
    m_position = position;
    Q_EMIT positionChanged(m_position);
}

void UpDown::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = qMax(minimum, maximum);
    setPosition(m_position);
}

QSize UpDown::sizeHint() const
{
    return QSize(24, 48);
}

void UpDown::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}
