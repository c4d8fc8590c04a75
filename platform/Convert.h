#pragma once

#include <QString>
#include <optional>

// Integer conversions with the rules of the trainer's edit boxes and stored values: optional blanks before the
// number, an optional sign, decimal digits (or hexadecimal after '$' or "0x"), nothing after it, and a value
// that fits a signed 32-bit integer.
std::optional<int> parseInteger(const QString& text);

// Throws ConvertError "'text' is not a valid integer value" when text is not an integer.
int StrToInt(const QString& text);

int StrToIntDef(const QString& text, int fallback);

// Blanks and control characters (U+0000 to U+0020): what the trainers trim from texts.
inline bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20;
}

// The text without blanks and control characters at both ends.
QString trimControls(const QString& text);
