#include "ShultcSet.h"

#include "Shultc.h"
#include "platform/Convert.h"
#include "platform/KeyFilter.h"
#include "shell/Roster.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFormShultzSet::TFormShultzSet(Services& services) : QorForm(services, QStringLiteral("FormShultzSet"))
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("У с т а н о в к и"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(17);
    font.setBold(true);
    setFont(font);

    const int margin = 5;
    const int labelWidth = 290;
    const int editLeft = margin + labelWidth + 15;
    const int editWidth = 90;

    Label1 = new QLabel(QStringLiteral("Установки"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont title = font;
    title.setPixelSize(23);
    Label1->setFont(title);
    Label1->setStyleSheet(QStringLiteral("color: navy;"));
    Label1->setGeometry(margin, margin, editLeft + editWidth - margin, 40);

    auto row = [&](QLabel*& label, const char* labelName, const QString& text, QLineEdit*& edit, const char* editName,
                   int top) {
        label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(labelName));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(margin + 10, top, labelWidth, 44);
        edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(editName));
        edit->setGeometry(editLeft, top + 7, editWidth, 30);
        label->setBuddy(edit);
    };
    row(Label2, "Label2", QStringLiteral("Время показа кадра:"), EditS, "EditS", 55);
    row(Label4, "Label4", QStringLiteral("Количество строк и столбцов:"), EditR, "EditR", 105);
    row(Label3, "Label3", QStringLiteral("Размер таблицы, пикс."), EditP, "EditP", 155);
    DigitKeyFilter::install({EditS, EditR, EditP});

    const int buttonTop = 220;
    const int buttonWidth = 110;
    Button3 = new QPushButton(QStringLiteral("Шрифт"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(margin + 10, buttonTop, buttonWidth, 32);
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1 = new QPushButton(QStringLiteral("ОК"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(editLeft + editWidth - buttonWidth, buttonTop, buttonWidth, 32);
    Button2->setGeometry(Button1->x() - buttonWidth - 10, buttonTop, buttonWidth, 32);

    on(Button1, &QPushButton::clicked, &TFormShultzSet::Button1Click);
    on(Button2, &QPushButton::clicked, &TFormShultzSet::Button2Click);
    on(Button3, &QPushButton::clicked, &TFormShultzSet::Button3Click);
}

void TFormShultzSet::fitToButton(int margin)
{
    setFixedSize(Button1->geometry().right() + 1 + margin, Button1->geometry().bottom() + 1 + margin);
}

void TFormShultzSet::FormCreate()
{
    fitToButton(30);
    centreOnScreen();

    if (QorForm* shultz = services().roster().FormShultz())
        setFolders(shultz->programFolder(), shultz->installRoot());
    loadPhraseList();
    setWindowTitle(LookupPhrase(QStringLiteral("Settings")));
    Label1->setText(LookupPhrase(QStringLiteral("Settings")));
    Label2->setText(LookupPhrase(QStringLiteral("Show time")));
    Label4->setText(LookupPhrase(QStringLiteral("Range of array")));
    Label3->setText(LookupPhrase(QStringLiteral("Length of array")));
    Button1->setText(LookupPhrase(QStringLiteral("OK")));
    Button2->setText(LookupPhrase(QStringLiteral("Cancel")));
    Button3->setText(LookupPhrase(QStringLiteral("Font")));
}

void TFormShultzSet::FormDestroy()
{
    savePhraseList();
}

void TFormShultzSet::showEvent(QShowEvent* event)
{
    guard([this] { FormActiv(); });
    QorForm::showEvent(event);
}

void TFormShultzSet::FormActiv()
{
    const TFormShultz* shultz = services().roster().FormShultz();
    if (!shultz)
        return;
    EditS->setText(QString::number(shultz->Sec));
    EditR->setText(QString::number(shultz->Raz));
    EditP->setText(QString::number(shultz->P));
}

void TFormShultzSet::Button1Click()
{
    TFormShultz* shultz = services().roster().FormShultz();
    if (!shultz)
        return;
    const int limit = shultz->height() - 100;

    // Each value is kept in its range as soon as it is taken: when a later box does not hold a number, the values
    // already taken stay in force, and the size must never exceed the 10 × 10 table.
    if (EditS->text().isEmpty())
        EditS->setText(QStringLiteral("100"));
    shultz->Sec = qMax(10, StrToInt(EditS->text()));
    if (EditR->text().isEmpty())
        EditR->setText(QStringLiteral("2"));
    shultz->Raz = qMax(2, qMin(10, StrToInt(EditR->text())));
    if (EditP->text().isEmpty())
        EditP->setText(QString::number(limit));
    shultz->P = qMax(100, qMin(limit, StrToInt(EditP->text())));

    close();
    shultz->New();
}

void TFormShultzSet::Button2Click()
{
    close();
}

void TFormShultzSet::Button3Click()
{
    TFormShultz* shultz = services().roster().FormShultz();
    if (!shultz)
        return;
    // Applied whatever the answer: on Cancel the dialog hands back the font it was given.
    shultz->setTableFont(services().dialogs().font(this, shultz->tableFont()));
}
