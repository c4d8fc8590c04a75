#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QSplitter>
#include <QWidget>

// Small pieces the windows build their controls from.

// A font of a face at a size in pixels, as the windows' designs give them.
inline QFont pixelFont(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A push button found by its name.
inline QPushButton* makeButton(const QString& name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

// A push button found by its name, of a design size. Enter clicks only the focused button in the windows
// (QorForm), so no button is drawn as the default one.
inline QPushButton* sizedButton(const QString& name, const QString& text, QWidget* parent, int width, int height)
{
    QPushButton* button = makeButton(name, text, parent);
    button->resize(width, height);
    button->setAutoDefault(false);
    return button;
}

// A label found by its name.
inline QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// Colours a panel's background, or a text box's page.
inline void paintBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The narrowest middle a split window leaves between its side panels, so the text or field there stays usable.
constexpr int kMinSplitMiddle = 200;

// Lays out a window of a title panel across the top, titleHeight high, and below it a splitter holding a side panel
// and the middle, followed by a second side panel on the right as wide as the first. The side panels get the wanted
// width, at least `minimum` and at most what leaves the middle kMinSplitMiddle pixels (so neither a dragged nor a
// stored width squeezes the middle away or overflows); on a window too narrow for both, the minimum wins. Returns
// the side panels' width.
inline int layOutSplitWindow(QWidget* window, QWidget* title, int titleHeight, QSplitter* splitter, QWidget* rightPanel,
                             int wanted, int minimum)
{
    const int width = window->width();
    const int height = window->height() - titleHeight;
    const int handle = splitter->handleWidth();
    const qint64 most = (qint64(width) - handle - kMinSplitMiddle) / 2;
    const int left = int(qMax<qint64>(minimum, qMin<qint64>(wanted, most)));
    const int middle = qMax(0, width - 2 * left - handle);

    title->setGeometry(0, 0, width, titleHeight);
    splitter->setGeometry(0, titleHeight, width - left, height);
    splitter->setSizes({left, middle});
    splitter->widget(0)->resize(left, height);
    splitter->widget(1)->resize(middle, height);
    rightPanel->setGeometry(width - left, titleHeight, left, height);
    return left;
}
