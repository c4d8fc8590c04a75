#pragma once

#include <QFont>

// The largest em size a stored font height sets: a font taller than any screen can only be a corrupt value.
constexpr int kMaxFontPixels = 1000;

// Font heights as the settings store keeps them: a negative height is the character height in pixels (the em
// size), a positive one the cell height in pixels (the em size plus the leading of the face). Setting 0 leaves the
// size as it is; any other height gives an em size of 1 ... kMaxFontPixels.
int vclFontHeight(const QFont& font);
void setVclFontHeight(QFont& font, int height);

// The font with every attribute its own, so that a widget given it takes nothing from its parent's font (a font
// from the font dialog that is not bold stays so under a bold window).
QFont wholeFont(QFont font);
