#include "SpinEdit.h"

#include "Convert.h"

#include <QLineEdit>
#include <algorithm>
#include <limits>

SpinEdit::SpinEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    setValue(0);
}

int SpinEdit::value() const
{
    return StrToIntDef(text(), 0);
}

void SpinEdit::setValue(int value)
{
    setText(QString::number(value));
}

void SpinEdit::setText(const QString& text)
{
    lineEdit()->setText(text);
}

void SpinEdit::stepBy(int steps)
{
    const qint64 next = qint64(value()) + qint64(steps) * m_increment;
    setValue(int(std::clamp<qint64>(next, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
    selectAll();
}

QValidator::State SpinEdit::validate(QString&, int&) const
{
    return QValidator::Acceptable;
}

void SpinEdit::fixup(QString&) const {}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const
{
    return isReadOnly() ? StepNone : (StepUpEnabled | StepDownEnabled);
}
