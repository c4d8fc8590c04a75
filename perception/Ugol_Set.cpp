#include "Ugol_Set.h"

#include "UgolTask.h"
#include "Ugolf.h"
#include "platform/Convert.h"
#include "platform/Fonts.h"
#include "platform/KeyFilter.h"
#include "shell/Roster.h"
#include "shell/SettingsStore.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kSection = QStringLiteral("Ugol");

} // namespace

TFormUgolSet::TFormUgolSet(Services& services) : QorForm(services, QStringLiteral("FormUgolSet"))
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("У с т а н о в к и"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(13);
    setFont(font);

    const int margin = 10;
    const int labelWidth = 170;
    const int editLeft = margin + labelWidth + 10;
    const int editWidth = 80;

    Label5 = new QLabel(QStringLiteral("Установки"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setAlignment(Qt::AlignCenter);
    QFont title = font;
    title.setPixelSize(23);
    title.setBold(true);
    Label5->setFont(title);
    Label5->setStyleSheet(QStringLiteral("color: navy;"));

    auto row = [&](QLabel*& label, const char* labelName, const QString& text, QLineEdit*& edit, const char* editName,
                   int top) {
        label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(labelName));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(margin, top, labelWidth, 26);
        edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(editName));
        edit->setGeometry(editLeft, top, editWidth, 26);
        label->setBuddy(edit);
    };
    row(Label1, "Label1", QStringLiteral("Шаг увеличения"), Edit1, "Edit1", 55);
    row(Label2, "Label2", QStringLiteral("Время показа 1000 -1c"), Edit2, "Edit2", 90);
    row(Label8, "Label8", QStringLiteral("Количество разрядов"), Edit6, "Edit6", 125);
    row(Label6, "Label6", QStringLiteral("Начальное растояние"), Edit5, "Edit5", 160);
    DigitKeyFilter::install({Edit1, Edit2, Edit5, Edit6});

    const int buttonTop = 210;
    const int buttonWidth = 80;
    Button3 = new QPushButton(QStringLiteral("Шрифт"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(margin, buttonTop, buttonWidth, 28);
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(editLeft + editWidth - buttonWidth, buttonTop, buttonWidth, 28);
    Button2->setGeometry(Button1->x() - buttonWidth - 8, buttonTop, buttonWidth, 28);
    Label5->setGeometry(margin, 8, Button1->geometry().right() + 1 - margin, 36);

    on(Button1, &QPushButton::clicked, &TFormUgolSet::SavePar);
    on(Button2, &QPushButton::clicked, &TFormUgolSet::Button2Click);
    on(Button3, &QPushButton::clicked, &TFormUgolSet::Button3Click);
}

void TFormUgolSet::FormCreate()
{
    loadSettings();
    FormActivate();
    setFixedSize(Button1->geometry().right() + 1 + 30, Button1->geometry().bottom() + 1 + 30);
    centreOnScreen();

    if (QorForm* ugol = services().roster().FormUgol())
        setFolders(ugol->programFolder(), ugol->installRoot());
    loadPhraseList();
    setWindowTitle(LookupPhrase(QStringLiteral("Settingth")));
    Label1->setText(LookupPhrase(QStringLiteral("The step:")));
    Label2->setText(LookupPhrase(QStringLiteral("Show time:")));
    Label8->setText(LookupPhrase(QStringLiteral("Rank of digits:")));
    Label6->setText(LookupPhrase(QStringLiteral("Start disatance:")));
    Button1->setText(LookupPhrase(QStringLiteral("OK")));
    Button2->setText(LookupPhrase(QStringLiteral("Cancel")));
    Button3->setText(LookupPhrase(QStringLiteral("Font")));
}

void TFormUgolSet::loadSettings()
{
    TFormUgol* ugol = services().roster().FormUgol();
    if (!ugol)
        return;
    const SettingsStore& settings = services().settings();

    // The stored font heights reach the groups and the echo; face and style are not stored.
    auto setHeight = [](QLabel* label, int height) {
        QFont font = label->font();
        setVclFontHeight(font, height);
        label->setFont(font);
    };
    const int firstHeight = settings.ReadInteger(kSection, QStringLiteral("FontHeight"), 3);
    for (QLabel* label : {ugol->LabelL, ugol->LabelR, ugol->Label1})
        setHeight(label, firstHeight);

    ugol->Step = settings.ReadInteger(kSection, QStringLiteral("Step"), 10);
    ugol->TimeShow = settings.ReadInteger(kSection, QStringLiteral("TimeShow"), 300);
    ugol->TimeWait = settings.ReadInteger(kSection, QStringLiteral("TimeWait"), 10);
    ugol->L = settings.ReadInteger(kSection, QStringLiteral("L"), 100);
    ugol->Razryad = settings.ReadInteger(kSection, QStringLiteral("Razryad"), 1);
    Len_True = settings.ReadBool(kSection, QStringLiteral("Len_True"), true);
    Verticale_True = settings.ReadBool(kSection, QStringLiteral("Verticale_True"), true);
    ugol->Lib = settings.ReadString(kSection, QStringLiteral("Lib"), kUgolDefaultLibrary);
    ugol->Dig = settings.ReadString(kSection, QStringLiteral("Dig"), kUgolDefaultMask);

    setHeight(ugol->LabelL, settings.ReadInteger(kSection, QStringLiteral("font_height"), -37));
    const int height = vclFontHeight(ugol->LabelL->font());
    for (QLabel* label : {ugol->LabelR, ugol->Label1})
        setHeight(label, height);

    if (ugol->Step <= 0)
        ugol->Step = 1;
    if (ugol->TimeShow < 300)
        ugol->TimeShow = 300;
    if (ugol->TimeWait < 5)
        ugol->TimeWait = 5;
    if (ugol->L < 100)
        ugol->L = 100;
    if (ugol->Razryad <= 0)
        ugol->Razryad = 1;
    if (ugol->Razryad > 5)
        ugol->Razryad = 5;
}

void TFormUgolSet::FormDestroy()
{
    savePhraseList();
}

void TFormUgolSet::showEvent(QShowEvent* event)
{
    guard([this] { FormActivate(); });
    QorForm::showEvent(event);
}

void TFormUgolSet::FormActivate()
{
    const TFormUgol* ugol = services().roster().FormUgol();
    if (!ugol)
        return;
    Edit1->setText(QString::number(ugol->Step));
    Edit2->setText(QString::number(ugol->TimeShow));
    Edit5->setText(QString::number(ugol->L));
    Edit6->setText(QString::number(ugol->Razryad));
}

void TFormUgolSet::SavePar()
{
    TFormUgol* ugol = services().roster().FormUgol();
    if (!ugol)
        return;
    ugol->Step = StrToInt(Edit1->text());
    ugol->TimeShow = StrToInt(Edit2->text());
    ugol->L = StrToInt(Edit5->text());
    ugol->Razryad = StrToInt(Edit6->text());

    SettingsStore& settings = services().settings();
    const int height = vclFontHeight(ugol->LabelL->font());
    settings.WriteInteger(kSection, QStringLiteral("FontHeight"), height);
    settings.WriteInteger(kSection, QStringLiteral("Step"), ugol->Step);
    settings.WriteInteger(kSection, QStringLiteral("TimeShow"), ugol->TimeShow);
    settings.WriteInteger(kSection, QStringLiteral("TimeWait"), ugol->TimeWait);
    settings.WriteInteger(kSection, QStringLiteral("L"), ugol->L);
    settings.WriteInteger(kSection, QStringLiteral("Razryad"), ugol->Razryad);
    settings.WriteBool(kSection, QStringLiteral("Len_True"), Len_True);
    settings.WriteBool(kSection, QStringLiteral("Verticale_True"), Verticale_True);
    settings.WriteString(kSection, QStringLiteral("Lib"), ugol->Lib);
    settings.WriteString(kSection, QStringLiteral("Dig"), ugol->Dig);
    settings.WriteInteger(kSection, QStringLiteral("font_height"), height);

    close();
    ugol->activateWindow();
    ugol->Edit1->setFocus();
}

void TFormUgolSet::Button2Click()
{
    close();
}

void TFormUgolSet::Button3Click()
{
    TFormUgol* ugol = services().roster().FormUgol();
    if (!ugol)
        return;
    // Applied whatever the answer: on Cancel the dialog hands back the font it was given.
    const QFont chosen = services().dialogs().font(this, ugol->LabelL->font());
    for (QLabel* label : {ugol->LabelL, ugol->LabelR, ugol->Label1})
        label->setFont(wholeFont(chosen));
}
