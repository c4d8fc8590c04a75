#pragma once

#include <QFont>

// Font heights as the settings store keeps them. A stored height counts pixels; its sign says whether it meant the
// character height (negative) or the cell height (positive). Qt sizes a font by one pixel size, so a height of
// either sign becomes the pixel size.

constexpr int kMaxFontHeight = 1000;

// The font's height in pixels: its pixel size, or its point size at the screen's logical resolution.
int fontPixelHeight(const QFont& font);
// The font with a stored height of either sign; 0 leaves it as it is.
QFont withFontHeight(QFont font, int height);
