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
        font.setPixelSize(int(qMin(-qint64(height), qint64(kMaxFontPixels))));
    } else if (height > 0) {
        // Scale an em size by the face's cell-to-em ratio so that the cell comes out at the given height.
        QFont probe = font;
        probe.setPixelSize(100);
        const qreal cell = QFontMetricsF(probe).height();
        const qreal pixels = height * 100.0 / (cell > 0 ? cell : 100.0);
        font.setPixelSize(qBound(1, qRound(qMin(pixels, qreal(kMaxFontPixels))), kMaxFontPixels));
    }
}

QFont wholeFont(QFont font)
{
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}
