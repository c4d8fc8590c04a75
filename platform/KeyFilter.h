#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

// True for a key that types a character other than the decimal digits and Backspace: the keys the trainers'
// number boxes discard. Keys that type nothing (arrows, Delete, Home, Tab, Enter, shortcuts) are not such keys.
bool isNonDigitCharacterKey(const QKeyEvent* event);

// Lets only the digits "0" to "9" and Backspace type into a box; every other character key is discarded.
class DigitKeyFilter : public QObject
{
    Q_OBJECT

public:
    explicit DigitKeyFilter(QObject* parent = nullptr) : QObject(parent) {}
    // Installs one filter, owned by the box, on each box.
    static void install(std::initializer_list<QWidget*> boxes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
