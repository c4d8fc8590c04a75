#include "KartoSet.h"

#include "Karto.h"
#include "KartoTask.h"
#include "platform/Convert.h"
#include "platform/Dialogs.h"
#include "platform/KeyFilter.h"
#include "platform/RichTextBox.h"
#include "shell/FormParts.h"
#include "shell/Roster.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QLineEdit* makeBox(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(QStringLiteral("0"), parent);
    box->setObjectName(name);
    return box;
}

} // namespace

TFormKartoSet::TFormKartoSet(Services& services) : QorForm(services, QStringLiteral("FormKartoSet"))
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setContentsMargins(3, 3, 3, 3);
    QFont font = this->font();
    font.setPixelSize(18);
    setFont(font);

    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("Установки"), this);
    QFont title = font;
    title.setPixelSize(28);
    title.setBold(true);
    Label1->setFont(title);
    QPalette navy = Label1->palette();
    navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    Label1->setPalette(navy);
    Label1->setAlignment(Qt::AlignCenter);

    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("Количество букв"), this);
    Label6 = makeLabel(QStringLiteral("Label6"), QStringLiteral("Количество букв, для подсчитета"), this);
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("Время показа"), this);
    EditS = makeBox(QStringLiteral("EditS"), this);
    EditWrong = makeBox(QStringLiteral("EditWrong"), this);
    EditT = makeBox(QStringLiteral("EditT"), this);
    Label3->hide();
    EditT->hide();

    Button1 = makeButton(QStringLiteral("Button1"), QStringLiteral("OK"), this);
    Button3 = makeButton(QStringLiteral("Button3"), QStringLiteral("Шрифт"), this);

    for (QLabel* label : {Label2, Label6, Label3}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    Label1->setGeometry(3, 10, 420, 40);
    Label2->setGeometry(20, 66, 290, 48);
    EditS->setGeometry(320, 74, 80, 32);
    Label6->setGeometry(20, 120, 290, 48);
    EditWrong->setGeometry(320, 128, 80, 32);
    Label3->setGeometry(20, 174, 290, 48);
    EditT->setGeometry(320, 182, 80, 32);
    Button3->setGeometry(20, 188, 120, 36);
    Button1->setGeometry(300, 188, 100, 36);

    DigitKeyFilter::install({EditS, EditWrong, EditT});
    on(Button1, &QPushButton::clicked, &TFormKartoSet::Button1Click);
    on(Button3, &QPushButton::clicked, &TFormKartoSet::Button3Click);
}

TFormKarto* TFormKartoSet::trainer() const
{
    return services().roster().FormKarto();
}

void TFormKartoSet::FormCreate()
{
    setFixedSize(Button1->x() + Button1->width() + 40, Button1->y() + Button1->height() + 40);
    Label1->setGeometry(3, 10, width() - 6, 40);
    centreOnScreen();

    if (const TFormKarto* karto = trainer())
        setFolders(karto->programFolder(), karto->installRoot());
    else
        computeFolders();
    loadPhraseList();
    setWindowTitle(LookupPhrase(QStringLiteral("Settings")));
    Label1->setText(LookupPhrase(QStringLiteral("Settings")));
    Label2->setText(LookupPhrase(QStringLiteral("Comon amount of the lettres")));
    Label6->setText(LookupPhrase(QStringLiteral("Amount of lettres for count")));
    Label3->setText(LookupPhrase(QStringLiteral("Show time")));
    Button1->setText(LookupPhrase(QStringLiteral("OK")));
    Button3->setText(LookupPhrase(QStringLiteral("Font")));
}

void TFormKartoSet::FormDestroy()
{
    savePhraseList();
}

void TFormKartoSet::showEvent(QShowEvent* event)
{
    QorForm::showEvent(event);
    // Activation is up to the window system; the boxes are filled on showing as well.
    guard([this] { FormActivate(); });
}

void TFormKartoSet::FormActivate()
{
    const TFormKarto* karto = trainer();
    if (!karto)
        return;
    EditS->setText(QString::number(karto->Slov));
    EditWrong->setText(QString::number(karto->SlovWrong));
    EditT->setText(QString::number(karto->Time1));
}

void TFormKartoSet::Button1Click()
{
    TFormKarto* karto = trainer();
    if (!karto)
        return;
    if (EditWrong->text().startsWith(QLatin1Char('-')))
        EditWrong->setText(EditWrong->text().mid(1, 10));
    karto->Slov = StrToInt(QLatin1Char('0') + EditS->text());
    karto->SlovWrong = StrToInt(QLatin1Char('0') + EditWrong->text());
    clampKartoSettings(karto->Slov, karto->SlovWrong);
    EditWrong->setText(QString::number(karto->SlovWrong));
    karto->Time1 = StrToInt(QLatin1Char('0') + EditT->text());
    close();
}

void TFormKartoSet::Button3Click()
{
    TFormKarto* karto = trainer();
    if (!karto)
        return;
    const QFont font = services().dialogs().font(this, karto->Memo->font());
    karto->setLetterFieldFont(font);
    karto->Editor1->setFont(font);
}
