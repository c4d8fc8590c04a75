#include "FontHeight.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

int fontPixelHeight(const QFont& font)
{
    if (font.pixelSize() > 0)
        return font.pixelSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return qMax(1, qRound(font.pointSizeF() * dpi / 72.0));
}

QFont withFontHeight(QFont font, int height)
{
    // A height beyond any screen (a damaged stored value) is held at kMaxFontHeight.
    if (height != 0)
        font.setPixelSize(int(qMin<qint64>(qAbs(qint64(height)), kMaxFontHeight)));
    return font;
}
