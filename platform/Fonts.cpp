#include "Fonts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QtMath>

int vclFontHeight(const QFont& font)
{
    return -QFontInfo(font).pixelSize();
}

void setVclFontHeight(QFont& font, int height)
{
    if (height < 0) {
        font.setPixelSize(-height);
    } else if (height > 0) {
        // Scale an em size by the face's cell-to-em ratio so that the cell comes out at the given height.
        QFont probe = font;
        probe.setPixelSize(100);
        const qreal cell = QFontMetricsF(probe).height();
        font.setPixelSize(qMax(1, qRound(height * 100.0 / (cell > 0 ? cell : 100.0))));
    }
}

QFont wholeFont(QFont font)
{
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}
