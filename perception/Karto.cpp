#include "Karto.h"

#include "KartoTask.h"
#include "platform/Convert.h"
#include "platform/Dialogs.h"
#include "platform/Random.h"
#include "platform/RichTextBox.h"
#include "platform/TextFiles.h"
#include "shell/FormParts.h"
#include "shell/ResultsLog.h"
#include "shell/Roster.h"
#include "shell/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTimer>

namespace {

const QString kSection = QStringLiteral("Speed_karkochki");

// The design font of the letter field: Courier, bold, 20 px, fixed pitch wherever Courier itself is missing.
QFont letterFieldFont()
{
    QFont font = pixelFont(QStringLiteral("Courier"), 20, true);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

// A progress bar's position never passes its maximum.
void addToBar(QProgressBar* bar, int amount)
{
    bar->setValue(qMin(bar->maximum(), bar->value() + amount));
}

} // namespace

TFormKarto::TFormKarto(Services& services) : QorForm(services, QStringLiteral("FormKarto"))
{
    setWindowTitle(QStringLiteral("Count all letters"));

    PanelTop = new QLabel(QStringLiteral("Count all letters"), this);
    PanelTop->setObjectName(QStringLiteral("PanelTop"));
    PanelTop->setAlignment(Qt::AlignCenter);
    PanelTop->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 17, true));
    PanelTop->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanelTop->setAutoFillBackground(true);

    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setHandleWidth(5);

    PanelLeft = new QWidget(Splitter1);
    PanelLeft->setObjectName(QStringLiteral("PanelLeft"));
    PanelLeft->setMinimumWidth(150);
    PanelMiddle = new QWidget(Splitter1);
    PanelMiddle->setObjectName(QStringLiteral("PanelMiddle"));
    Splitter1->addWidget(PanelLeft);
    Splitter1->addWidget(PanelMiddle);

    Editor1 = new RichTextBox(PanelMiddle);
    Editor1->setObjectName(QStringLiteral("Editor1"));
    Editor1->setReadOnly(true);

    Memo = new QPlainTextEdit(PanelMiddle);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setFont(letterFieldFont());
    Memo->setReadOnly(true);
    Memo->setTextInteractionFlags(Qt::NoTextInteraction);
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Memo->hide();

    Button4 = makeButton(QStringLiteral("Button4"), QStringLiteral("New"), PanelLeft);
    Button4->setGeometry(10, 12, 130, 32);
    ButtonPouse = makeButton(QStringLiteral("ButtonPouse"), QStringLiteral("Pouse"), PanelLeft);
    ButtonPouse->setGeometry(10, 52, 130, 32);
    Button3 = makeButton(QStringLiteral("Button3"), QStringLiteral("Save"), PanelLeft);
    Button3->setGeometry(10, 92, 130, 32);
    Button3->hide();

    Label2 = new QLabel(PanelLeft);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(10, 104, 120, 110);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 16, true));
    QPalette red = Label2->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label2->setPalette(red);

    Label1 = new QLabel(QStringLiteral("Ответ:"), PanelLeft);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(10, 222, 130, 22);
    Label1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 15, true));
    Edit1 = new QLineEdit(PanelLeft);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(10, 246, 82, 34);
    Edit1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 20, true));
    Button1 = makeButton(QStringLiteral("Button1"), QStringLiteral("?"), PanelLeft);
    Button1->setGeometry(98, 246, 42, 34);
    setAnswerVisible(false);

    PanelRight = new QWidget(this);
    PanelRight->setObjectName(QStringLiteral("PanelRight"));
    ButtonHelp = makeButton(QStringLiteral("ButtonHelp"), QStringLiteral("Help"), PanelRight);
    ButtonHelp->resize(120, 32);
    ButtonHelp->setEnabled(false);
    ButtonSet = makeButton(QStringLiteral("ButtonSet"), QStringLiteral("Settings"), PanelRight);
    ButtonSet->resize(120, 32);
    ButtonEnd = makeButton(QStringLiteral("ButtonEnd"), QStringLiteral("Exit"), PanelRight);
    ButtonEnd->resize(120, 32);

    // The two difficulty bars work unseen.
    Panel3 = new QWidget(PanelRight);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->resize(60, 200);
    Panel3->hide();
    Pro1 = new QProgressBar(Panel3);
    Pro1->setObjectName(QStringLiteral("Pro1"));
    Pro2 = new QProgressBar(Panel3);
    Pro2->setObjectName(QStringLiteral("Pro2"));
    for (QProgressBar* bar : {Pro1, Pro2}) {
        bar->setOrientation(Qt::Vertical);
        bar->setRange(0, 100);
        bar->setValue(0);
    }
    Pro1->setGeometry(8, 8, 20, 184);
    Pro2->setGeometry(32, 8, 20, 184);

    timerSek = new QTimer(this);
    timerSek->setObjectName(QStringLiteral("timerSek"));
    timerSek->setInterval(1000);
    TimerPro = new QTimer(this);
    TimerPro->setObjectName(QStringLiteral("TimerPro"));
    TimerPro->setInterval(1000);
    TimerPro->start();
    TimerTask = new QTimer(this);
    TimerTask->setObjectName(QStringLiteral("TimerTask"));
    TimerTask->setInterval(1000);
    TimerTask->start();

    on(Button4, &QPushButton::clicked, &TFormKarto::New);
    on(ButtonPouse, &QPushButton::clicked, &TFormKarto::ButtonPouseClick);
    on(Button1, &QPushButton::clicked, &TFormKarto::PraviliyOtvet);
    on(ButtonHelp, &QPushButton::clicked, &TFormKarto::ButtonHelpClick);
    on(ButtonSet, &QPushButton::clicked, &TFormKarto::Programmsetup1Click);
    on(ButtonEnd, &QPushButton::clicked, &TFormKarto::ButtonEndClick);
    on(Edit1, &QLineEdit::textChanged, &TFormKarto::Edit1Change);
    on(timerSek, &QTimer::timeout, &TFormKarto::timerSekTimer);
    on(TimerPro, &QTimer::timeout, &TFormKarto::TimerProTimer);
    on(TimerTask, &QTimer::timeout, &TFormKarto::TimerTaskTimer);
    connect(Splitter1, &QSplitter::splitterMoved, this, [this](int position) {
        m_leftWidth = position;
        guard([this] { Splitter1Moved(); });
    });

    Edit1->installEventFilter(this);
    Memo->installEventFilter(this);
    Memo->viewport()->installEventFilter(this);
    ButtonEnd->installEventFilter(this);
}

void TFormKarto::FormCreate()
{
    Label2->clear();
    paintBackground(this, kTrainerBackground);
    paintBackground(Editor1, kTrainerBackground);
    paintBackground(Memo, kTrainerBackground);
    Edit1->clear();

    computeFolders();
    services().random().randomize();

    SettingsStore& settings = services().settings();
    Slov = settings.ReadInteger(kSection, QStringLiteral("Slov"), 50);
    SlovWrong = settings.ReadInteger(kSection, QStringLiteral("SlovWrong"), 10);
    Time1 = settings.ReadInteger(kSection, QStringLiteral("Time1"), 10);

    placeFullScreen();

    loadPhraseList();
    setWindowTitle(LookupPhrase(QStringLiteral("Count all letters")));
    PanelTop->setText(LookupPhrase(QStringLiteral("Count all letters")));
    for (QPushButton* button : {Button1, ButtonPouse, Button3, Button4, ButtonSet, ButtonHelp, ButtonEnd})
        button->setText(LookupPhrase(button->text()));

    const QString help = installRoot() + QStringLiteral("help") + QDir::separator() + QStringLiteral("helpKarto.rtf");
    if (QFileInfo::exists(help))
        Editor1->loadFile(help);

    Splitter1Moved();
    ReadFile();
    appendCredits(Editor1);
}

void TFormKarto::FormDestroy()
{
    SettingsStore& settings = services().settings();
    settings.WriteInteger(kSection, QStringLiteral("Slov"), Slov);
    settings.WriteInteger(kSection, QStringLiteral("SlovWrong"), SlovWrong);
    settings.WriteInteger(kSection, QStringLiteral("Time1"), Time1);
    savePhraseList();
}

void TFormKarto::userFontsChanged(const QFont& small, const QFont& big)
{
    Q_UNUSED(big);
    setLetterFieldFont(small);
}

void TFormKarto::ReadFile()
{
    const QString path = programFolder() + QStringLiteral("bukva.txt");
    if (!QFileInfo::exists(path)) {
        services().dialogs().message(this, LookupPhrase(QStringLiteral("The is not file. Please reinstal software")));
        return;
    }
    m_letters = letterEntries(readLines(path));
}

void TFormKarto::resizeEvent(QResizeEvent* event)
{
    QorForm::resizeEvent(event);
    guard([this] { FormResize(); });
}

void TFormKarto::FormResize()
{
    if (m_resizing)
        return;
    // A window manager may keep the window smaller than the screen; a size it answered with once is accepted,
    // so the two never ask each other for ever.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && size() != screen->size() && size() != m_refusedSize) {
        m_refusedSize = size();
        m_resizing = true;
        placeFullScreen();
        m_resizing = false;
    }
    Splitter1Moved();
}

void TFormKarto::Splitter1Moved()
{
    const int top = 41;
    const int height = this->height() - top;
    m_leftWidth = layOutSplitWindow(this, PanelTop, top, Splitter1, PanelRight, m_leftWidth, 150);
    const int left = m_leftWidth;

    // The buttons stand at the bottom of the right panel, measured from the window height.
    const int H = this->height();
    const int x = left - ButtonEnd->width() - 10;
    ButtonEnd->move(x, H - ButtonEnd->height() - 60);
    ButtonSet->move(x, H - ButtonEnd->height() - 100);
    ButtonHelp->move(x, H - ButtonEnd->height() - 140);
    Panel3->move((left - Panel3->width()) / 2, (height - Panel3->height()) / 2);

    Editor1->setGeometry(PanelMiddle->rect());
    Memo->setGeometry(Editor1->geometry());
    rewrapField();
}

int TFormKarto::fieldColumns() const
{
    const QFontMetricsF metrics(Memo->font());
    // Every cell is as wide as the widest of the blank and the letters, so no line grows past the field even in
    // a font that is not of fixed pitch.
    qreal cell = metrics.horizontalAdvance(QLatin1Char(' '));
    for (const QString& letter : m_letters)
        cell = qMax(cell, metrics.horizontalAdvance(letter));
    const qreal margin = Memo->document()->documentMargin();
    // One pixel stays free for the text cursor at the end of a line.
    const qreal width = Memo->contentsRect().width() - 2 * margin - 1;
    return cell > 0 ? qMax(0, int(width / cell)) : 0;
}

void TFormKarto::Strok()
{
    const QFontMetricsF metrics(Memo->font());
    const qreal lineHeight = metrics.height() + qMax<qreal>(0, metrics.leading());
    const qreal height = Memo->contentsRect().height() - 2 * Memo->document()->documentMargin();
    m_fieldLines = lineHeight > 0 ? qMax(0, int(height / lineHeight)) : 0;
}

QStringList TFormKarto::fieldText() const
{
    const QString text = Memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TFormKarto::showField(const QStringList& lines)
{
    Memo->setPlainText(lines.join(QLatin1Char('\n')));
    m_shownColumns = fieldColumns();
}

void TFormKarto::rewrapField()
{
    if (Memo->document()->isEmpty() || fieldColumns() == m_shownColumns || fieldColumns() <= 0)
        return;
    showField(::rewrapField(fieldText(), fieldColumns()));
}

void TFormKarto::setLetterFieldFont(const QFont& font)
{
    Memo->setFont(font);
    rewrapField();
}

void TFormKarto::setAnswerVisible(bool visible)
{
    Label1->setVisible(visible);
    Edit1->setVisible(visible);
    Button1->setVisible(visible);
}

QString TFormKarto::prompt(const QString& phrase)
{
    return LookupPhrase(phrase) + m_target + QLatin1Char('"');
}

void TFormKarto::New()
{
    ButtonHelp->setEnabled(true);
    Memo->setGeometry(Editor1->geometry());
    Memo->show();
    Editor1->hide();

    Saveresults();
    m_taskSeconds = 0;
    // Exit stops the task and difficulty timers; a new task runs them again, so tasks done after the window was
    // left once are still timed and logged.
    if (!TimerTask->isActive())
        TimerTask->start();
    if (!TimerPro->isActive())
        TimerPro->start();

    Random& random = services().random();
    m_right = 0;
    m_target.clear();
    m_distractor.clear();
    const std::optional<LetterPair> letters = chooseLetters(m_letters, random);
    if (!letters) {
        setAnswerVisible(false);
        services().dialogs().message(
            this, LookupPhrase(QStringLiteral("The letter list \"bukva.txt\" needs at least two different letters. "
                                              "Please reinstal software")));
        return;
    }
    m_distractor = letters->distractor;
    m_target = letters->target;

    Label2->setText(prompt(QStringLiteral("Enter the amount of letters =\"")));
    Edit1->clear();

    // random(k) gives 0 for k <= 0; limits below 1 are raised first, so a stored limit of -2147483648 does not
    // overflow.
    const int total = 1 + random.random(qMax(1, Slov) - 1);
    m_right = 1 + random.random(qMax(1, SlovWrong) - 1);

    // The field is one line of blanks (kept in "temp.txt") wrapped into display lines of the field's width.
    writeLines(programFolder() + QStringLiteral("temp.txt"), {QString(kFieldBlanks, QLatin1Char(' '))});
    Strok();
    QStringList lines = blankField(kFieldBlanks, fieldColumns(), m_fieldLines);
    // On a large field the blanks end before the last line that fits; letters go only on lines that exist.
    m_fieldLines = qMin(m_fieldLines, int(lines.size()));

    // Target letters never go on the first line, distractors never on the last.
    Placement placed = placeLetters(lines, m_target, m_right, 1, m_fieldLines - 1, random);
    if (placed == Placement::Placed && total > m_right)
        placed = placeLetters(lines, m_distractor, total - m_right, 0, m_fieldLines - 1, random);
    showField(lines);
    if (placed != Placement::Placed) {
        // A task that could not be built has no answer and leaves no results line.
        m_right = 0;
        setAnswerVisible(false);
        services().dialogs().message(
            this, placed == Placement::EmptyLine
                      ? LookupPhrase(QStringLiteral("Error. Please reinstall programm"))
                      : LookupPhrase(QStringLiteral("The field has no room for so many letters. Please lower the "
                                                    "amount of letters in the settings.")));
        return;
    }

    setAnswerVisible(true);
    Edit1->setFocus();
}

void TFormKarto::Saveresults()
{
    if (m_taskSeconds == 0 || m_right == 0)
        return;
    AppendResult(programFolder(), QStringLiteral("results_karto.txt"),
                 QStringLiteral("%1,%2,%3,").arg(m_taskSeconds).arg(m_right).arg(SlovWrong), ResultsVariant::A);
}

void TFormKarto::Edit1KeyPress(QChar key)
{
    // The key's change to the box is checked (Edit1Change) after the prompt has been updated, as a box checks its
    // text once the key has gone in: a right answer's new task then keeps the prompt the check sets.
    QString answer = Edit1->text();
    if (key == QLatin1Char('\r')) {
        if (services().dialogs().confirm(this, LookupPhrase(QStringLiteral("New?")), Buttons::YesNo) == Answer::Yes) {
            New();
            answer = Edit1->text();
        } else {
            Edit1->clear();
            Label2->setText(prompt(QStringLiteral("Please enter how many letters=\"")));
            return;
        }
    } else if (key >= QLatin1Char('0') && key <= QLatin1Char('9')) {
        answer += key;
    } else if (key == QLatin1Char('\b')) {
        answer.chop(1);
    }
    const bool changed = answer != Edit1->text();
    if (changed) {
        const QSignalBlocker quiet(Edit1);
        Edit1->setText(answer);
    }
    if (answer.isEmpty())
        Label2->setText(prompt(QStringLiteral("Enter the amount of letters=\"")));
    if (changed)
        Edit1Change();
}

void TFormKarto::Edit1Change()
{
    const int answer = StrToInt(QLatin1Char('0') + Edit1->text());
    if (answer != m_right || m_right == 0)
        return;
    timerSek->stop();
    services().dialogs().message(this, LookupPhrase(QStringLiteral("All right")));
    addToBar(Pro2, 10);
    New();
    Label2->setText(prompt(QStringLiteral("Enter how many letters=\"")));
}

void TFormKarto::PraviliyOtvet()
{
    services().dialogs().message(this, LookupPhrase(QStringLiteral("Right answer =")) + QString::number(m_right));
    Edit1->setFocus();
}

void TFormKarto::ButtonPouseClick()
{
    if (m_paused) {
        timerSek->start();
        m_paused = false;
    } else {
        timerSek->stop();
        m_paused = true;
    }
    Edit1->setFocus();
}

void TFormKarto::timerSekTimer()
{
    timerSek->setInterval(600);
    ++m_stopwatchSeconds;
    if (m_stopwatchSeconds % 10 == 0 && m_stopwatchSeconds >= 10 && m_stopwatchSeconds <= 60)
        addToBar(Pro1, 4);
    if (m_stopwatchSeconds > 60) {
        m_stopwatchSeconds = 0;
        ++m_stopwatchMinutes;
    }
    ButtonPouse->setText(QStringLiteral("%1 c. %2 мин. ").arg(m_stopwatchSeconds).arg(m_stopwatchMinutes));
}

void TFormKarto::TimerProTimer()
{
    KartoDifficulty state{Slov, SlovWrong, Pro1->value(), Pro2->value()};
    difficultyStep(state, services().random());
    Slov = state.total;
    SlovWrong = state.target;
    Pro1->setValue(state.slow);
    Pro2->setValue(state.success);
}

void TFormKarto::TimerTaskTimer()
{
    ++m_taskSeconds;
}

void TFormKarto::Programmsetup1Click()
{
    if (QorForm* settings = services().roster().window(QStringLiteral("FormKartoSet")))
        settings->showModeless();
}

void TFormKarto::ButtonHelpClick()
{
    showHelp(installRoot() + QStringLiteral("help") + QDir::separator() + QStringLiteral("helpKarto.rtf"));
}

void TFormKarto::ButtonEndClick()
{
    // Every way of closing leaves the exercise the same way (FormClose).
    reject();
}

void TFormKarto::FormClose()
{
    Memo->hide();
    Editor1->show();
    TimerPro->stop();
    timerSek->stop();
    TimerTask->stop();
}

void TFormKarto::FormKeyPress(QChar key)
{
    Edit1->setFocus();
    if (Edit1->isVisible() && key != QLatin1Char('\r') && (key.isPrint() || key == QLatin1Char('\b')))
        Edit1KeyPress(key);
}

void TFormKarto::MemoKeyDown(QChar key)
{
    FormKeyPress(key);
}

void TFormKarto::MemoMouseDown()
{
    Edit1->setFocus();
}

namespace {

// The character a key types for the answer box: '\r' for Enter, '\b' for Backspace, the typed character, or
// nothing for keys that type none (arrows, Delete, Tab, shortcuts).
QChar typedKey(const QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return QLatin1Char('\r');
    if (event->key() == Qt::Key_Backspace)
        return QLatin1Char('\b');
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QChar();
    const QString text = event->text();
    return text.isEmpty() || !text.at(0).isPrint() ? QChar() : text.at(0);
}

} // namespace

void TFormKarto::keyPressEvent(QKeyEvent* event)
{
    const QChar key = typedKey(event);
    if (!key.isNull() && key != QLatin1Char('\r')) {
        guard([&] { FormKeyPress(key); });
        return;
    }
    QorForm::keyPressEvent(event);
}

bool TFormKarto::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const QChar key = typedKey(static_cast<QKeyEvent*>(event));
        if (watched == Edit1 && !key.isNull()) {
            // The answer box takes only what Edit1KeyPress makes of a key.
            guard([&] { Edit1KeyPress(key); });
            return true;
        }
        if (watched == Memo || watched == Memo->viewport()) {
            guard([&] { MemoKeyDown(key); });
            return true;
        }
        if (watched == ButtonEnd && !key.isNull() && key != QLatin1Char('\r') && key != QLatin1Char(' ')) {
            guard([&] { FormKeyPress(key); });
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonPress && (watched == Memo || watched == Memo->viewport())) {
        guard([this] { MemoMouseDown(); });
        return true;
    }
    return QorForm::eventFilter(watched, event);
}
