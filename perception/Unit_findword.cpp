#include "Unit_findword.h"

#include "FindWordText.h"
#include "platform/Dialogs.h"
#include "platform/Random.h"
#include "platform/RichTextBox.h"
#include "platform/UpDown.h"
#include "shell/ClockLabel.h"
#include "shell/FormParts.h"
#include "shell/ResultsLog.h"
#include "shell/Roster.h"
#include "shell/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSplitter>
#include <QTextCursor>
#include <QTimer>

namespace {

const QString kSection = QStringLiteral("Speed_FindWord");

// A word-wrapped label of the left panel, its text at the top left.
QLabel* wrappedLabel(const QString& name, QWidget* parent)
{
    QLabel* label = makeLabel(name, QString(), parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

TFormFindWord::TFormFindWord(Services& services) : QorForm(services, QStringLiteral("FormFindWord"))
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13, false));

    Panel4 = new QLabel(QStringLiteral("Find word training"), this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setAlignment(Qt::AlignCenter);
    Panel4->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 17, true));
    Panel4->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel4->setAutoFillBackground(true);

    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setHandleWidth(5);
    Panel2 = new QWidget(Splitter1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setMinimumWidth(120);
    editor = new RichTextBox(Splitter1);
    editor->setObjectName(QStringLiteral("editor"));
    editor->setFont(pixelFont(QStringLiteral("Arial"), 20, false));
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Splitter1->addWidget(Panel2);
    Splitter1->addWidget(editor);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));

    const QFont panelFont = pixelFont(QStringLiteral("MS Sans Serif"), 17, true);
    ButtonOpen = makeButton(QStringLiteral("ButtonOpen"), QStringLiteral("Open"), Panel2);
    ButtonOpen->setGeometry(8, 8, 134, 32);
    ButtonNext = makeButton(QStringLiteral("ButtonNext"), QStringLiteral("Next"), Panel2);
    ButtonNext->setGeometry(8, 48, 134, 32);
    ButtonPrompt = makeButton(QStringLiteral("ButtonPrompt"), QStringLiteral("Prompt"), Panel2);
    ButtonPrompt->setGeometry(8, 88, 134, 32);
    LabelSlov = wrappedLabel(QStringLiteral("LabelSlov"), Panel2);
    LabelSlov->setGeometry(8, 136, 102, 54);
    UpDown1 = new UpDown(Panel2);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setRange(1, 100);
    UpDown1->setPosition(10);
    UpDown1->move(112, 136);
    LabelShowTime = wrappedLabel(QStringLiteral("LabelShowTime"), Panel2);
    LabelShowTime->setGeometry(8, 192, 102, 62);
    UpDown2 = new UpDown(Panel2);
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    UpDown2->setRange(1, 60);
    UpDown2->setPosition(10);
    UpDown2->move(113, 192);
    LabelProbelov = wrappedLabel(QStringLiteral("LabelProbelov"), Panel2);
    LabelProbelov->setGeometry(8, 256, 134, 50);
    LabelTime = wrappedLabel(QStringLiteral("LabelTime"), Panel2);
    LabelTime->setGeometry(8, 312, 134, 60);
    ButtonPouse = makeButton(QStringLiteral("ButtonPouse"), QStringLiteral("Pouse"), Panel2);
    ButtonPouse->setGeometry(8, 416, 134, 32);
    ButtonPouse->setEnabled(false);

    ButtonHelp = makeButton(QStringLiteral("ButtonHelp"), QStringLiteral("Help"), Panel1);
    ButtonHelp->resize(110, 32);
    ButtonHelp->setEnabled(false);
    ButtonClose = makeButton(QStringLiteral("ButtonClose"), QStringLiteral("Exit"), Panel1);
    ButtonClose->resize(110, 32);

    Button2 = makeButton(QStringLiteral("Button2"), QStringLiteral("Save results"), Panel2);
    Button4 = makeButton(QStringLiteral("Button4"), QStringLiteral("Statistics"), Panel2);
    Save = makeButton(QStringLiteral("Save"), QStringLiteral("Save"), Panel2);
    Button6 = makeButton(QStringLiteral("Button6"), QStringLiteral("Прокрутить"), Panel2);
    for (QPushButton* hidden : {Button2, Button4, Save, Button6})
        hidden->hide();

    for (QWidget* control : Panel2->findChildren<QWidget*>() + Panel1->findChildren<QWidget*>())
        control->setFont(panelFont);

    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel3->setLineWidth(1);
    Panel3->setContentsMargins(2, 2, 2, 2);
    Panel3->resize(520, 160);
    Panel3->hide();
    Label2 = new QLabel(QStringLiteral("Find this words:"), Panel3);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 17, true));
    LabelModel = new QLabel(Panel3);
    LabelModel->setObjectName(QStringLiteral("LabelModel"));
    LabelModel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LabelModel->setWordWrap(true);
    LabelModel->setFont(pixelFont(QStringLiteral("Arial"), 22, true));
    ButtonNextOK = makeButton(QStringLiteral("ButtonNextOK"), QStringLiteral("OK"), Panel3);
    ButtonNextOK->resize(100, 32);

    TimerSec = new QTimer(this);
    TimerSec->setObjectName(QStringLiteral("TimerSec"));
    TimerSec->setInterval(1000);
    TimerPrompt = new QTimer(this);
    TimerPrompt->setObjectName(QStringLiteral("TimerPrompt"));

    on(ButtonOpen, &QPushButton::clicked, &TFormFindWord::ButtonOpenClick);
    on(ButtonNext, &QPushButton::clicked, &TFormFindWord::ButtonNextClick);
    on(ButtonPrompt, &QPushButton::clicked, &TFormFindWord::ButtonPromptClick);
    on(ButtonPouse, &QPushButton::clicked, &TFormFindWord::ButtonPouseClick);
    on(ButtonNextOK, &QPushButton::clicked, &TFormFindWord::TimerNext);
    on(TimerPrompt, &QTimer::timeout, &TFormFindWord::TimerNext);
    on(TimerSec, &QTimer::timeout, &TFormFindWord::TimerSecTimer);
    on(UpDown1, &UpDown::released, &TFormFindWord::UpDown2MouseUp);
    on(UpDown2, &UpDown::released, &TFormFindWord::UpDown2MouseUp);
    on(ButtonHelp, &QPushButton::clicked, &TFormFindWord::ButtonHelpClick);
    on(ButtonClose, &QPushButton::clicked, &TFormFindWord::ButtonCloseClick);
    connect(Splitter1, &QSplitter::splitterMoved, this, [this](int position) {
        m_leftWidth = position;
        guard([this] { Splitter1Paint(); });
    });
    editor->viewport()->installEventFilter(this);
}

void TFormFindWord::FormCreate()
{
    services().random().randomize();
    setWindowTitle(QStringLiteral("Тренинг \"Найди слово\""));
    m_seconds = 0;
    m_found = 0;
    for (QWidget* panel : {Panel1, Panel2, static_cast<QWidget*>(Panel3)})
        paintBackground(panel, kTrainerBackground);
    computeFolders();
    placeFullScreen();

    SettingsStore& settings = services().settings();
    UpDown1->setPosition(settings.ReadInteger(kSection, QStringLiteral("UpDown1Position"), 10));
    UpDown2->setPosition(settings.ReadInteger(kSection, QStringLiteral("UpDown2Position"), 10));
    m_leftWidth = settings.ReadInteger(kSection, QStringLiteral("Panel2Width"), 150);
    Splitter1Paint();

    loadPhraseList();
    setWindowTitle(LookupPhrase(windowTitle()));
    for (QLabel* label : {Panel4, Label2})
        label->setText(LookupPhrase(label->text()));
    for (QPushButton* button :
         {ButtonOpen, ButtonNext, ButtonPrompt, ButtonPouse, ButtonHelp, ButtonClose, Button2, Button4, Save, Button6})
        button->setText(LookupPhrase(button->text()));

    const QString help =
        installRoot() + QStringLiteral("help") + QDir::separator() + QStringLiteral("helpFindWord.rtf");
    if (QFileInfo::exists(help))
        editor->loadFile(help);
    appendCredits(editor);
    refreshLables();
}

void TFormFindWord::FormDestroy()
{
    SettingsStore& settings = services().settings();
    settings.WriteInteger(kSection, QStringLiteral("UpDown1Position"), UpDown1->position());
    settings.WriteInteger(kSection, QStringLiteral("UpDown2Position"), UpDown2->position());
    settings.WriteInteger(kSection, QStringLiteral("Panel2Width"), m_leftWidth);
    savePhraseList();
}

void TFormFindWord::resizeEvent(QResizeEvent* event)
{
    QorForm::resizeEvent(event);
    guard([this] { Splitter1Paint(); });
}

void TFormFindWord::Splitter1Paint()
{
    m_leftWidth = layOutSplitWindow(this, Panel4, 41, Splitter1, Panel1, m_leftWidth, 120);
    const int left = m_leftWidth;

    const int H = this->height();
    ButtonClose->move(left - 20 - ButtonClose->width(), H - 90);
    ButtonHelp->move(left - 20 - ButtonHelp->width(), H - 130);
    if (Panel3->isVisible())
        Panel3->move((width() - Panel3->width()) / 2, (H - Panel3->height()) / 2);
    editor->viewport()->update();
}

bool TFormFindWord::english() const
{
    return ButtonOpen->text() == QLatin1String("Open");
}

void TFormFindWord::refreshLables()
{
    LabelProbelov->setText(LookupPhrase(QStringLiteral("Attempts: ")) + QString::number(m_found));
    LabelTime->setText(clockLabelText(
        m_seconds, [this](const QString& phrase) { return LookupPhrase(phrase); }, QStringLiteral(" sec.")));
    LabelSlov->setText(LookupPhrase(QStringLiteral("Words for search: ")) + QString::number(UpDown1->position()));
    LabelShowTime->setText(LookupPhrase(QStringLiteral("Show time: ")) + QString::number(UpDown2->position()) +
                           LookupPhrase(QStringLiteral(" sec.")));
}

void TFormFindWord::ButtonOpenClick()
{
    ButtonHelp->setEnabled(true);
    editor->setEnabled(true);

    FileDialogOptions options;
    options.filter = QStringLiteral("Rich Text Files (*.RTF)|*.RTF|Text Files (*.TXT)|*.TXT");
    options.initialDir = installRoot() + QStringLiteral("help") + QDir::separator();
    options.showReadOnly = true;
    const std::optional<FileChoice> choice = services().dialogs().openFile(this, options);
    if (!choice)
        return;

    m_currentFile = choice->path;
    editor->setReadOnly(choice->readOnly);
    ButtonPouse->setEnabled(true);
    editor->loadFile(m_currentFile);
    editor->moveCursor(QTextCursor::Start);
    editor->setFocus();
    editor->setModified(false);

    m_seconds = 0;
    m_found = 0;
    refreshLables();
    TimerSec->start();
    ButtonPrompt->setEnabled(true);
    ButtonNext->setEnabled(true);
    editor->setFocus();
}

void TFormFindWord::ButtonNextClick()
{
    // A text without a long enough phrase would be searched for ever; the search gives up after a bounded number
    // of draws, before the clock starts.
    const std::optional<PhraseDraw> pick = choosePhrase(editor->text(), UpDown1->position(), services().random());
    if (!pick) {
        services().dialogs().message(
            this, LookupPhrase(QStringLiteral("There is no phrase of 4 or more characters in this text. Please open "
                                              "another text or set more words for search.")));
        return;
    }
    TimerSec->start();
    ButtonPouse->setEnabled(true);

    m_promptStart = pick->start;
    m_promptLength = int(pick->phrase.size());
    m_target = normalisePhrase(pick->phrase);
    showPhrasePanel();

    TimerPrompt->setInterval(UpDown2->position() * 1000);
    TimerPrompt->start();
}

void TFormFindWord::showPhrasePanel()
{
    LabelModel->setText(m_target);
    const int width = qMin(520, qMax(240, this->width() - 40));
    const int labelWidth = width - 24;
    const int labelHeight = LabelModel->heightForWidth(labelWidth);
    Panel3->resize(width, labelHeight + 90);
    Label2->setGeometry(12, 8, labelWidth, 24);
    LabelModel->setGeometry(12, 36, labelWidth, labelHeight);
    ButtonNextOK->move((width - ButtonNextOK->width()) / 2, Panel3->height() - ButtonNextOK->height() - 10);
    Panel3->move((this->width() - width) / 2, (height() - Panel3->height()) / 2);
    Panel3->show();
    Panel3->raise();
}

void TFormFindWord::TimerNext()
{
    editor->setEnabled(true);
    TimerPrompt->stop();
    Panel3->hide();
}

void TFormFindWord::editorMouseUp(const QPoint& point)
{
    const QString text = editor->text();
    const QString word = wordAt(text, textOffsetOfBoxPosition(text, editor->charIndexAt(point)));
    if (!wordMatches(word, m_target))
        return;
    services().dialogs().message(this, LookupPhrase(QStringLiteral("Правильно!")));
    TimerSec->stop();
    ++m_found;
    refreshLables();
    m_target.clear();
}

void TFormFindWord::ButtonPromptClick()
{
    const QString caption = ButtonPrompt->text();
    if (caption == QLatin1String("Prompt") || caption == QStringLiteral("Подсказка")) {
        const QString text = editor->text();
        const int start = boxPositionOfTextOffset(text, m_promptStart);
        const int end = boxPositionOfTextOffset(text, m_promptStart + m_promptLength);
        editor->setSelection(start, end - start);
        editor->ensureCursorVisible();
        editor->setFocus();
        ButtonPouse->setEnabled(false);
        ButtonNext->setEnabled(false);
        ButtonPrompt->setText(english() ? QStringLiteral("GO") : QStringLiteral("Продолжить"));
    } else {
        ButtonPouse->setEnabled(true);
        ButtonNext->setEnabled(true);
        ButtonPrompt->setText(english() ? QStringLiteral("Prompt") : QStringLiteral("Подсказка"));
    }
}

void TFormFindWord::ButtonPouseClick()
{
    const QString caption = ButtonPouse->text();
    if (caption == QLatin1String("Pouse") || caption == QStringLiteral("Пауза")) {
        TimerSec->stop();
        editor->setEnabled(false);
        ButtonPrompt->setEnabled(false);
        ButtonNext->setEnabled(false);
        ButtonPouse->setText(english() ? QStringLiteral("Continue") : QStringLiteral("Продолжить"));
    } else {
        ButtonPrompt->setEnabled(true);
        ButtonNext->setEnabled(true);
        editor->setEnabled(true);
        TimerSec->start();
        ButtonPouse->setText(english() ? QStringLiteral("Pouse") : QStringLiteral("Пауза"));
    }
}

void TFormFindWord::TimerSecTimer()
{
    ++m_seconds;
    refreshLables();
}

void TFormFindWord::UpDown2MouseUp()
{
    refreshLables();
}

void TFormFindWord::ButtonHelpClick()
{
    showHelp(installRoot() + QStringLiteral("help") + QDir::separator() + QStringLiteral("helpFindWord.rtf"));
}

void TFormFindWord::ButtonCloseClick()
{
    // Every way of closing, Escape included, leaves the exercise the same way (FormClose).
    reject();
}

void TFormFindWord::FormClose()
{
    TimerPrompt->stop();
    TimerSec->stop();
    if (QorForm* help = services().roster().window(QStringLiteral("FormHelp")))
        help->close();
    SaveResults();
}

void TFormFindWord::SaveResults()
{
    if (m_found == 0 || m_seconds == 0)
        return;
    AppendResult(programFolder(), QStringLiteral("FindWord.txt"), QStringLiteral("%1, %2").arg(m_found).arg(m_seconds),
                 ResultsVariant::A);
}

bool TFormFindWord::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const QPoint point = static_cast<QMouseEvent*>(event)->position().toPoint();
        guard([&] { editorMouseUp(point); });
    }
    return QorForm::eventFilter(watched, event);
}
