#pragma once

#include <QWidget>

class QToolButton;

// A pair of up and down arrows without a box of their own: each click moves the position by one within its range.
// The window shows the value elsewhere, usually in a label refreshed on released().
class UpDown : public QWidget
{
    Q_OBJECT

public:
    explicit UpDown(QWidget* parent = nullptr);

    int position() const { return m_position; }
    // Positions outside the range are moved into it.
    void setPosition(int position);
    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void positionChanged(int position);
    // The mouse button was released on one of the arrows.
    void released();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
};
