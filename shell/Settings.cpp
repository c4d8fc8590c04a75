#include "Settings.h"

#include "FormParts.h"
#include "Roster.h"
#include "SettingsStore.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFormSettings::TFormSettings(Services& services) : QorForm(services, QStringLiteral("FormSettings"))
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("User Settings"));

    Label1 = new QLabel(QStringLiteral("Настройки программы"), this);
    QFont title = Label1->font();
    title.setBold(true);
    title.setPixelSize(23);
    Label1->setFont(title);
    Label1->setAlignment(Qt::AlignCenter);

    LabelSmall = new QLabel(QStringLiteral("Мелкий шрифт"), this);
    LabelSmall->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 17, false));
    LabelBig = new QLabel(QStringLiteral("Крупный шрифт"), this);
    LabelBig->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 32, false));
    Button1 = new QPushButton(QStringLiteral("Изменить"), this);
    Button2 = new QPushButton(QStringLiteral("Изменить"), this);
    Label4 = new QLabel(QStringLiteral("Имя пользователя"), this);
    EditUserName = new QLineEdit(this);
    EditUserName->setMinimumWidth(220);
    Label4->setBuddy(EditUserName);
    Button3 = new QPushButton(QStringLiteral("OK"), this);
    Button3->setMinimumWidth(100);
    // Kept from the design; it has no effect.
    CheckBox1 = new QCheckBox(QStringLiteral("Женщина"), this);
    CheckBox1->hide();

    Label1->setObjectName(QStringLiteral("Label1"));
    LabelSmall->setObjectName(QStringLiteral("LabelSmall"));
    LabelBig->setObjectName(QStringLiteral("LabelBig"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Label4->setObjectName(QStringLiteral("Label4"));
    EditUserName->setObjectName(QStringLiteral("EditUserName"));
    Button3->setObjectName(QStringLiteral("Button3"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));

    // The samples grow with their fonts; the window follows them.
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setContentsMargins(24, 16, 24, 20);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(14);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(LabelSmall, 1, 0);
    grid->addWidget(Button1, 1, 1, Qt::AlignVCenter);
    grid->addWidget(LabelBig, 2, 0);
    grid->addWidget(Button2, 2, 1, Qt::AlignVCenter);
    grid->addWidget(Label4, 3, 0, 1, 2);
    grid->addWidget(EditUserName, 4, 0, 1, 2);
    grid->addWidget(Button3, 5, 0, 1, 2, Qt::AlignRight);
    grid->setRowMinimumHeight(5, 40);
    grid->setColumnStretch(0, 1);

    // Enter presses only the focused button here, so no button is drawn as the default.
    for (QPushButton* button : {Button1, Button2, Button3})
        button->setAutoDefault(false);

    on(Button1, &QPushButton::clicked, &TFormSettings::Small);
    on(Button2, &QPushButton::clicked, &TFormSettings::Big);
    on(Button3, &QPushButton::clicked, &TFormSettings::Button3Click);
}

const QStringList& TFormSettings::fontTargets()
{
    static const QStringList targets = {QStringLiteral("FormRead"), QStringLiteral("FormKarto"),
                                        QStringLiteral("FormShultz")};
    return targets;
}

void TFormSettings::FormCreate()
{
    const SettingsStore& store = services().settings();
    const QString section = QString::fromLatin1(kSection);
    smallFont = LabelSmall->font();
    bigFont = LabelBig->font();
    EditUserName->setText(store.ReadString(section, QStringLiteral("UserName"), QStringLiteral("Unknown")));
    m_smallHeight = store.ReadInteger(section, QStringLiteral("SmallHeight"), 12);
    m_bigHeight = store.ReadInteger(section, QStringLiteral("BigHeight"), 24);
    setVclFontHeight(smallFont, m_smallHeight);
    setVclFontHeight(bigFont, m_bigHeight);
    // The samples show the fonts; the other windows keep theirs until a font is changed here.
    LabelSmall->setFont(wholeFont(smallFont));
    LabelBig->setFont(wholeFont(bigFont));
}

void TFormSettings::showEvent(QShowEvent* event)
{
    QorForm::showEvent(event);
    centreOnScreen();
}

void TFormSettings::Small()
{
    bool accepted = false;
    smallFont = services().dialogs().font(this, smallFont, &accepted);
    if (accepted)
        m_smallHeight = vclFontHeight(smallFont);
    changefonts();
}

void TFormSettings::Big()
{
    bool accepted = false;
    bigFont = services().dialogs().font(this, bigFont, &accepted);
    if (accepted)
        m_bigHeight = vclFontHeight(bigFont);
    changefonts();
}

void TFormSettings::changefonts()
{
    LabelBig->setFont(wholeFont(bigFont));
    LabelSmall->setFont(wholeFont(smallFont));
    for (const QString& name : fontTargets())
        if (QorForm* window = services().roster().window(name))
            window->userFontsChanged(smallFont, bigFont);
}

void TFormSettings::Button3Click()
{
    if (!EditUserName->text().trimmed().isEmpty())
        close();
    else
        services().dialogs().message(this, QStringLiteral("Пожалуйста, заполните поле \"Имя пользователя\""));
}

void TFormSettings::FormDestroy()
{
    SettingsStore& store = services().settings();
    const QString section = QString::fromLatin1(kSection);
    store.WriteString(section, QStringLiteral("UserName"), EditUserName->text());
    store.WriteInteger(section, QStringLiteral("SmallHeight"), m_smallHeight);
    store.WriteInteger(section, QStringLiteral("BigHeight"), m_bigHeight);
}
