#include "ReaSet.h"

#include "FrameCutter.h"
#include "Spead.h"
#include "platform/Convert.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/KeyFilter.h"
#include "platform/SpinEdit.h"
#include "shell/FormParts.h"
#include "shell/Roster.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>
#include <algorithm>

namespace {

constexpr int kMargin = 30;
constexpr int kRowHeight = 40;
constexpr int kFieldWidth = 96;
constexpr int kButtonWidth = 104;
constexpr int kButtonHeight = 32;

SpinEdit* makeSpin(const QString& name, int increment, QWidget* parent)
{
    auto* spin = new SpinEdit(parent);
    spin->setObjectName(name);
    spin->setIncrement(increment);
    spin->resize(kFieldWidth, 28);
    return spin;
}

} // namespace

TFormReaSet::TFormReaSet(Services& services) : QorForm(services, QStringLiteral("FormReaSet"))
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setContentsMargins(5, 5, 5, 5);

    Label5 = makeLabel(QStringLiteral("Label5"), QStringLiteral("Установки программы"), this);
    QFont title = Label5->font();
    title.setBold(true);
    title.setPixelSize(18);
    Label5->setFont(title);

    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("Выводить в кадр по "), this);
    Edit2 = makeSpin(QStringLiteral("Edit2"), 10, this);
    Label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("букв"), this);
    Label7 = makeLabel(QStringLiteral("Label7"), QStringLiteral("Ширина окна, пкс."), this);
    SpinEdit2 = makeSpin(QStringLiteral("SpinEdit2"), 10, this);
    Label9 = makeLabel(QStringLiteral("Label9"), QStringLiteral("Время показа кадра, мс."), this);
    SpinEdit3 = makeSpin(QStringLiteral("SpinEdit3"), 50, this);
    Label6 = makeLabel(QStringLiteral("Label6"), QStringLiteral("Темп изменения скрости"), this);
    SpinEdit1 = makeSpin(QStringLiteral("SpinEdit1"), 10, this);

    // Words per frame: kept in the store, without effect; hidden.
    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("Выводить в кадр по "), this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("слов"), this);
    Edit1->setEnabled(false);
    for (QWidget* hidden : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Edit1), static_cast<QWidget*>(Label2)})
        hidden->hide();

    ButtonCancel =
        sizedButton(QStringLiteral("ButtonCancel"), QStringLiteral("Отмена"), this, kButtonWidth, kButtonHeight);
    Button3 = sizedButton(QStringLiteral("Button3"), QStringLiteral("Шрифт"), this, kButtonWidth, kButtonHeight);
    Button1 = sizedButton(QStringLiteral("Button1"), QStringLiteral("OK"), this, kButtonWidth, kButtonHeight);

    // SpinEdit1KeyPress: the digits and Backspace only, in all five fields.
    DigitKeyFilter::install({Edit1, Edit2, SpinEdit1, SpinEdit2, SpinEdit3});

    on(Button1, &QPushButton::clicked, &TFormReaSet::Save);
    on(Button3, &QPushButton::clicked, &TFormReaSet::Font);
    on(ButtonCancel, &QPushButton::clicked, &TFormReaSet::ButtonCancelClick);

    layOut();
}

TFormRead& TFormReaSet::reader() const
{
    TFormRead* read = services().roster().FormRead();
    if (!read)
        throw QorError(QStringLiteral("The flash reader window is missing."));
    return *read;
}

// Labels on the left, fields beside them, the buttons below with OK at the right; the window ends 30 px after OK.
void TFormReaSet::layOut()
{
    Label5->adjustSize();
    Label5->move(kMargin, 22);
    const QList<QPair<QLabel*, QWidget*>> rows = {
        {Label3, Edit2}, {Label7, SpinEdit2}, {Label9, SpinEdit3}, {Label6, SpinEdit1}};
    int labelWidth = 0;
    for (const auto& row : rows) {
        row.first->adjustSize();
        labelWidth = qMax(labelWidth, row.first->width());
    }
    const int fieldX = kMargin + labelWidth + 14;
    int y = 70;
    for (const auto& row : rows) {
        row.second->move(fieldX, y);
        row.first->move(kMargin, y + (row.second->height() - row.first->height()) / 2);
        y += kRowHeight;
    }
    Label4->adjustSize();
    Label4->move(fieldX + kFieldWidth + 8, Label3->y());
    Label1->move(kMargin, y);
    Edit1->setGeometry(fieldX, y, kFieldWidth, 28);
    Label2->move(fieldX + kFieldWidth + 8, y);

    const int right = std::max({fieldX + kFieldWidth + 8 + Label4->width(), Label5->x() + Label5->width(),
                                kMargin + 3 * kButtonWidth + 2 * 12});
    const int buttonsY = y + 16;
    Button1->move(right - kButtonWidth, buttonsY);
    Button3->move(Button1->x() - 12 - kButtonWidth, buttonsY);
    ButtonCancel->move(kMargin, buttonsY);
    resize(Button1->x() + Button1->width() + 30, Button1->y() + Button1->height() + 30);
}

void TFormReaSet::FormCreate()
{
    if (TFormRead* read = services().roster().FormRead())
        setFolders(read->programFolder(), read->installRoot());
    else
        computeFolders();
    layOut();

    loadPhraseList();
    setWindowTitle(LookupPhrase(QStringLiteral("Settings")));
    Label5->setText(LookupPhrase(QStringLiteral("Settings")));
    Label3->setText(LookupPhrase(QStringLiteral("Length of frame")));
    Label4->setText(LookupPhrase(QStringLiteral("letters")));
    Label7->setText(LookupPhrase(QStringLiteral("Width of frame, px")));
    Label9->setText(LookupPhrase(QStringLiteral("Show time of the flash")));
    Label6->setText(LookupPhrase(QStringLiteral("Acceleration of show speed")));
    ButtonCancel->setText(LookupPhrase(QStringLiteral("Cancel")));
    Button3->setText(LookupPhrase(QStringLiteral("Font")));
    Button1->setText(LookupPhrase(QStringLiteral("OK")));
    layOut();
}

void TFormReaSet::showEvent(QShowEvent* event)
{
    QorForm::showEvent(event);
    centreOnScreen();
}

void TFormReaSet::paintEvent(QPaintEvent* event)
{
    QorForm::paintEvent(event);
    // Without a window frame, a line marks the window's edge.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TFormReaSet::FormActivate()
{
    TFormRead& read = reader();
    if (read.lettersPerFrame == 0)
        read.lettersPerFrame = kDefaultLettersPerFrame;
    Edit1->setText(QString::number(read.wordsPerFrame));
    Edit2->setValue(read.lettersPerFrame);
    SpinEdit1->setValue(read.acceleration);
    SpinEdit2->setValue(read.Label1->width());
    SpinEdit3->setValue(read.showTime);
}

void TFormReaSet::Save()
{
    TFormRead& read = reader();
    if (SpinEdit2->value() < 100)
        SpinEdit2->setValue(100);
    if (SpinEdit3->value() < 100)
        SpinEdit3->setValue(100);
    read.wordsPerFrame = StrToInt(Edit1->text());
    read.lettersPerFrame = StrToInt(Edit2->text());
    read.Label1->setMaximumWidth(SpinEdit2->value());
    read.Label1->resize(SpinEdit2->value(), read.Label1->height());
    read.setFrameInterval(SpinEdit3->value());
    read.acceleration = SpinEdit1->value();
    read.showTime = SpinEdit3->value();
    close();
    read.Me->setMaximumWidth(read.Label1->maximumWidth());
    read.File_Word();
    read.frameIndex = 0;
}

void TFormReaSet::Font()
{
    TFormRead& read = reader();
    read.setDisplayFont(services().dialogs().font(this, read.Label1->font()));
}

void TFormReaSet::ButtonCancelClick()
{
    close();
}

void TFormReaSet::FormDestroy()
{
    savePhraseList();
}
