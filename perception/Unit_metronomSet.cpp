#include "Unit_metronomSet.h"

#include "Unit_metronom.h"
#include "platform/Errors.h"
#include "platform/KeyFilter.h"
#include "platform/TextFiles.h"
#include "shell/Roster.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

// A number field: digits only, at most nine of them (over eleven days in milliseconds), so its value always fits.
QLineEdit* makeNumberField(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(9);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

qint64 fieldValue(const QString& text)
{
    return rhythm::number(text).value_or(0);
}

} // namespace

TFormMetronomSet::TFormMetronomSet(Services& services) : QorForm(services, QStringLiteral("FormMetronomSet"))
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("Форма установок программы"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kTrainerBackground);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    QFont bold = Panel1->font();
    bold.setPixelSize(17);
    bold.setBold(true);
    Panel1->setFont(bold);
    outer->addWidget(Panel1);

    Label1 = new QLabel(QStringLiteral("Ускорить или замедлить метроном"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont title = bold;
    title.setPixelSize(23);
    Label1->setFont(title);
    Label2 = new QLabel(QStringLiteral("Ускорять каждую секунду на, мс."), Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(QStringLiteral("Замедлять каждую секунду на, мс."), Panel1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Edit1 = makeNumberField(Panel1, "Edit1");
    Edit2 = makeNumberField(Panel1, "Edit2");
    Label2->setBuddy(Edit1);
    Label3->setBuddy(Edit2);
    DigitKeyFilter::install({Edit1, Edit2});

    ButtonLoad = new QPushButton(QStringLiteral("Загрузить ритм"), Panel1);
    ButtonLoad->setObjectName(QStringLiteral("ButtonLoad"));
    ButtonUnLoad = new QPushButton(QStringLiteral("Запомнить ритм"), Panel1);
    ButtonUnLoad->setObjectName(QStringLiteral("ButtonUnLoad"));
    ButtonCancel = new QPushButton(QStringLiteral("Отказаться"), Panel1);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    ButtonOK = new QPushButton(QStringLiteral("ОК"), Panel1);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    for (QPushButton* button : {ButtonLoad, ButtonUnLoad, ButtonCancel, ButtonOK})
        button->setMinimumSize(150, 36);

    auto* grid = new QGridLayout(Panel1);
    grid->setContentsMargins(28, 18, 28, 24);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->setRowMinimumHeight(1, 8);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(Edit1, 2, 1);
    grid->addWidget(Label3, 3, 0);
    grid->addWidget(Edit2, 3, 1);
    grid->setRowMinimumHeight(4, 12);
    // The buttons in two even columns of their own, whatever the widths of the labels above.
    auto* buttons = new QGridLayout;
    buttons->setSpacing(12);
    buttons->addWidget(ButtonLoad, 0, 0);
    buttons->addWidget(ButtonUnLoad, 0, 1);
    buttons->addWidget(ButtonCancel, 1, 0);
    buttons->addWidget(ButtonOK, 1, 1);
    buttons->setColumnStretch(0, 1);
    buttons->setColumnStretch(1, 1);
    grid->addLayout(buttons, 5, 0, 1, 2);

    on(ButtonLoad, &QPushButton::clicked, &TFormMetronomSet::ButtonLoadClick);
    on(ButtonUnLoad, &QPushButton::clicked, &TFormMetronomSet::ButtonUnLoadClick);
    on(ButtonCancel, &QPushButton::clicked, &TFormMetronomSet::ButtonCancelClick);
    on(ButtonOK, &QPushButton::clicked, &TFormMetronomSet::ButtonOKClick);
}

void TFormMetronomSet::FormCreate()
{
    if (const TMetronom* owner = services().roster().Metronom())
        setFolders(owner->programFolder(), owner->installRoot());
    else
        computeFolders();
    loadPhraseList();
    setWindowTitle(LookupPhrase(QStringLiteral("Metronom")));
    Label1->setText(LookupPhrase(QStringLiteral("Metronom")));
    Label2->setText(LookupPhrase(QStringLiteral("Acceleratie every (ms.)")));
    Label3->setText(LookupPhrase(QStringLiteral("Make slow down every (ms.)")));
    ButtonLoad->setText(LookupPhrase(QStringLiteral("Load")));
    ButtonUnLoad->setText(LookupPhrase(QStringLiteral("Save")));
    ButtonCancel->setText(LookupPhrase(QStringLiteral("Cancel")));
    ButtonOK->setText(LookupPhrase(QStringLiteral("OK")));
    adjustSize();
    setFixedSize(size());
}

void TFormMetronomSet::FormDestroy()
{
    savePhraseList();
}

TMetronom& TFormMetronomSet::metronom() const
{
    TMetronom* owner = services().roster().Metronom();
    if (!owner)
        throw QorError(QStringLiteral("The metronome window is missing."));
    return *owner;
}

QString TFormMetronomSet::defaultFile() const
{
    return programFolder() + QStringLiteral("1.txt");
}

void TFormMetronomSet::ButtonLoadClick()
{
    TMetronom& owner = metronom();
    owner.stopTimers();

    FileDialogOptions options = owner.OpenDialog1;
    options.initialDir = programFolder();
    options.fileName = defaultFile();
    const std::optional<FileChoice> choice = services().dialogs().openFile(this, options);
    if (!choice)
        return;

    QStringList lines;
    try {
        lines = readLines(choice->path);
    } catch (const FileError&) {
        services().dialogs().message(this, QStringLiteral("Can not open File"));
        return;
    }

    const QList<rhythm::Row> rows = rhythm::fromLines(lines);
    for (int row = 0; row < rhythm::kRows; ++row) {
        const rhythm::Row loaded = row < rows.size() ? rows[row] : rhythm::Row();
        owner.setCell(0, row, loaded.interval);
        owner.setCell(1, row, loaded.beeps);
    }
    owner.startTimers();
}

void TFormMetronomSet::ButtonUnLoadClick()
{
    const TMetronom& owner = metronom();
    FileDialogOptions options = owner.SaveDialog1;
    options.initialDir = programFolder();
    options.fileName = defaultFile();
    const std::optional<FileChoice> choice = services().dialogs().saveFile(this, options);
    if (!choice)
        return;

    QList<rhythm::Row> rows;
    for (int row = 0; row < rhythm::kRows; ++row)
        rows.append({owner.cell(0, row), owner.cell(1, row)});
    writeLines(choice->path, rhythm::toLines(rows));
}

void TFormMetronomSet::ButtonOKClick()
{
    TMetronom& owner = metronom();
    m_speedUp = Edit1->text();
    m_slowDown = Edit2->text();
    owner.setPerSecondChange(fieldValue(m_speedUp) - fieldValue(m_slowDown));
    close();
}

void TFormMetronomSet::ButtonCancelClick()
{
    close();
}

void TFormMetronomSet::FormClose()
{
    Edit1->setText(m_speedUp);
    Edit2->setText(m_slowDown);
}
