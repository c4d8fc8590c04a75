#include "Appearance.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

void applyAppearance()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Highlight, QColor(0x2f, 0x6f, 0xb3));
    palette.setColor(QPalette::Link, QColor(0x2f, 0x6f, 0xb3));
    QApplication::setPalette(palette);
}
