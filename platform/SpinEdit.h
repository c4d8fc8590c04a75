#pragma once

#include <QAbstractSpinBox>

// A number box with up and down arrows. Its text is free; its value is the integer in the text, or 0 when the
// text is not one. The arrows, the arrow keys and the wheel add or take off the increment; there are no limits.
class SpinEdit : public QAbstractSpinBox
{
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue)
    Q_PROPERTY(int increment READ increment WRITE setIncrement)

public:
    explicit SpinEdit(QWidget* parent = nullptr);

    int value() const;
    // Shows the value in decimal.
    void setValue(int value);
    // Any text; a text that is not an integer has the value 0.
    void setText(const QString& text);
    int increment() const { return m_increment; }
    void setIncrement(int increment) { m_increment = increment; }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_increment = 1;
};
