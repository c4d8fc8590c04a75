#include "Unit_metronom.h"

#include "platform/RichTextBox.h"
#include "platform/Sound.h"
#include "shell/FormParts.h"
#include "shell/Roster.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextCursor>
#include <QTimer>

namespace {

constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 36;
// The left edge of Start and Pause; the right-hand buttons keep the same margin from the right edge.
constexpr int kLeftButtonsLeft = 20;
constexpr int kPanelWidth = 560;
constexpr int kGridLeft = 20;
constexpr int kGridTop = 50;
constexpr int kGridWidth = kPanelWidth - 2 * kGridLeft;
constexpr int kDefaultRowHeight = 26;
constexpr const char* kMarker = "****";
constexpr qint64 kNsPerMs = 1000000;

} // namespace

TMetronom::TMetronom(Services& services) : QorForm(services, QStringLiteral("Metronom"))
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Metronome"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kTrainerBackground);
    setPalette(palette);
    setAutoFillBackground(true);
    QFont bold = font();
    bold.setPixelSize(17);
    bold.setBold(true);
    setFont(bold);

    PanelTop = new QLabel(QStringLiteral("Трениг \"Метроном\""), this);
    PanelTop->setObjectName(QStringLiteral("PanelTop"));
    PanelTop->setAlignment(Qt::AlignCenter);
    PanelTop->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    QFont title = bold;
    title.setPixelSize(20);
    PanelTop->setFont(title);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    Panel1->resize(kPanelWidth, 400);

    Label5 = new QLabel(QStringLiteral("Время между сигналами"), Panel1);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label6 = new QLabel(QStringLiteral("Длительность сигнала"), Panel1);
    Label6->setObjectName(QStringLiteral("Label6"));
    for (QLabel* label : {Label5, Label6}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }

    StringGrid1 = new QTableWidget(rhythm::kRows, 3, Panel1);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setTabKeyNavigation(false);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kDefaultRowHeight + 1);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The marker column takes up the few pixels the table's frame leaves over.
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->setFont(font());
    StringGrid1->setTextElideMode(Qt::ElideNone);
    for (int row = 0; row < rhythm::kRows; ++row) {
        for (int col = 0; col < 3; ++col)
            StringGrid1->setItem(row, col, new QTableWidgetItem);
        StringGrid1->item(row, 2)->setTextAlignment(Qt::AlignCenter);
    }
    StringGrid1->setCurrentCell(0, 0);
    StringGrid1->installEventFilter(this);

    ButtonNext = sizedButton(QStringLiteral("ButtonNext"), QStringLiteral("Начать"), this, kButtonWidth, kButtonHeight);
    ButtonPouse = sizedButton(QStringLiteral("ButtonPouse"), QStringLiteral("Стоп"), this, kButtonWidth, kButtonHeight);
    ButtonSet =
        sizedButton(QStringLiteral("ButtonSet"), QStringLiteral("Установки"), this, kButtonWidth, kButtonHeight);
    ButtonInit =
        sizedButton(QStringLiteral("ButtonInit"), QStringLiteral("Нач. уст"), this, kButtonWidth, kButtonHeight);
    ButtonHelp = sizedButton(QStringLiteral("ButtonHelp"), QStringLiteral("Помощь"), this, kButtonWidth, kButtonHeight);
    ButtonHelp->setEnabled(false);
    ButtonEnd = sizedButton(QStringLiteral("ButtonEnd"), QStringLiteral("Выход"), this, kButtonWidth, kButtonHeight);
    ButtonNext->move(kLeftButtonsLeft, 0);
    ButtonPouse->move(kLeftButtonsLeft, 0);

    Editor = new RichTextBox(this);
    Editor->setObjectName(QStringLiteral("Editor"));
    Editor->setReadOnly(true);
    Editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Editor->setFont(QWidget::font());
    Editor->raise();

    m_clock.start();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(1000);
    TimerSec = new QTimer(this);
    TimerSec->setObjectName(QStringLiteral("TimerSec"));
    TimerSec->setTimerType(Qt::PreciseTimer);
    TimerSec->setInterval(1000);

    OpenDialog1.filter = SaveDialog1.filter = QStringLiteral("Ритм|*.txt");
    OpenDialog1.defaultSuffix = SaveDialog1.defaultSuffix = QStringLiteral("txt");

    on(ButtonNext, &QPushButton::clicked, &TMetronom::Start1Click);
    on(ButtonPouse, &QPushButton::clicked, &TMetronom::Stop1Click);
    on(ButtonSet, &QPushButton::clicked, &TMetronom::ButtonSetClick);
    on(ButtonInit, &QPushButton::clicked, &TMetronom::FormCreate);
    on(ButtonHelp, &QPushButton::clicked, &TMetronom::ButtonHelpClick);
    on(ButtonEnd, &QPushButton::clicked, &TMetronom::ButtonEndClick);
    on(Timer1, &QTimer::timeout, &TMetronom::Timer1Timer);
    on(TimerSec, &QTimer::timeout, &TMetronom::TimerSecTimer);
    connect(StringGrid1, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (row >= 0 && col >= 0)
            guard([&] { StringGrid1SelectCell(col, row); });
    });
}

void TMetronom::FormCreate()
{
    switchSystemBeeperOn();
    computeFolders();
    const QList<rhythm::Row> rows = rhythm::builtIn();
    for (int row = 0; row < rows.size(); ++row) {
        setCell(0, row, rows[row].interval);
        setCell(1, row, rows[row].beeps);
    }
    stopTimers();
    const QString help =
        installRoot() + QStringLiteral("help") + QDir::separator() + QStringLiteral("helpMetronom.rtf");
    m_hasIntro = QFileInfo::exists(help);
    if (m_hasIntro)
        Editor->loadFile(help);
    else
        Editor->hide();
    placeFullScreen();
    loadPhraseList();
    setCaptions();
    appendCredits(Editor);
}

void TMetronom::setCaptions()
{
    setWindowTitle(LookupPhrase(QStringLiteral("Metronome")));
    PanelTop->setText(LookupPhrase(QStringLiteral("Metronome")));
    Label5->setText(LookupPhrase(QStringLiteral("Interval between the beeps")));
    Label6->setText(LookupPhrase(QStringLiteral("Duration of the beep")));
    ButtonNext->setText(LookupPhrase(QStringLiteral("Start")));
    ButtonPouse->setText(LookupPhrase(QStringLiteral("Pause")));
    ButtonSet->setText(LookupPhrase(QStringLiteral("Settings")));
    ButtonInit->setText(LookupPhrase(QStringLiteral("Defalt")));
    ButtonHelp->setText(LookupPhrase(QStringLiteral("Help")));
    ButtonEnd->setText(LookupPhrase(QStringLiteral("Exit")));
}

void TMetronom::FormDestroy()
{
    savePhraseList();
}

QString TMetronom::cell(int col, int row) const
{
    const QTableWidgetItem* item = StringGrid1->item(row, col);
    return item ? item->text() : QString();
}

void TMetronom::setCell(int col, int row, const QString& text)
{
    if (QTableWidgetItem* item = StringGrid1->item(row, col))
        item->setText(text);
}

void TMetronom::stopTimers()
{
    Timer1->stop();
    TimerSec->stop();
}

void TMetronom::startTimers()
{
    m_due = m_clock.nsecsElapsed() + qint64(Timer1->interval()) * kNsPerMs;
    Timer1->start();
    TimerSec->start();
}

void TMetronom::Start1Click()
{
    ButtonHelp->setEnabled(true);
    m_row = 0;
    const QString first = cell(0, 0);
    if (!rhythm::endsRhythm(first)) {
        // "00" and the like are a zero wait; a Qt timer of 0 ms would spin, so the shortest wait is 1 ms.
        Timer1->setInterval(qMax(1, *rhythm::number(first)));
        startTimers();
    }
    Editor->hide();
}

void TMetronom::Stop1Click()
{
    stopTimers();
}

void TMetronom::Timer1Timer()
{
    // How late this beat comes (a call ahead of time, not from the timer, counts as on time).
    const qint64 now = m_clock.nsecsElapsed();
    const qint64 late = qMax<qint64>(0, now - m_due);

    for (int row = 0; row < rhythm::kRows; ++row)
        setCell(2, row, row == m_row ? QString::fromLatin1(kMarker) : QStringLiteral(" "));

    beepTimes(rhythm::beepCount(cell(1, m_row)));

    ++m_row;
    if (m_row >= rhythm::kRows || rhythm::endsRhythm(cell(0, m_row)))
        m_row = 0;

    // Only row 0 can fail to be a number here (every other row was checked above): then nothing is left to play.
    const std::optional<int> wait = rhythm::number(cell(0, m_row));
    if (!wait) {
        stopTimers();
        return;
    }
    // The next beat is due its wait after this one was due, so that lateness does not add up from beat to beat;
    // a beat later than the whole wait (the program was held up) starts the count afresh instead of hurrying.
    const qint64 waitNs = qint64(qMax(1, *wait)) * kNsPerMs;
    const qint64 catchUp = late < waitNs ? late : 0;
    m_due = now - catchUp + waitNs;
    // Whole milliseconds rounded down: a precise timer fires up to a millisecond after its time.
    Timer1->setInterval(int(qMax<qint64>(1, (waitNs - catchUp) / kNsPerMs)));
}

void TMetronom::beepTimes(int count)
{
    Sound& sound = services().sound();
    for (int i = 0; i < count; ++i)
        sound.beep(Sound::SimpleBeep);
}

void TMetronom::TimerSecTimer()
{
    for (int row = 0; row < rhythm::kRows; ++row) {
        const QString interval = cell(0, row);
        if (interval.isEmpty())
            break;
        const std::optional<QString> changed = rhythm::adjusted(interval, m_perSecondChange);
        if (!changed)
            break;
        setCell(0, row, *changed);
    }
}

void TMetronom::StringGrid1SelectCell(int col, int row)
{
    m_selCol = col;
    m_selRow = row;
}

void TMetronom::StringGrid1KeyPress(QChar key)
{
    QString text = cell(m_selCol, m_selRow);
    if (key >= QLatin1Char('0') && key <= QLatin1Char('9')) {
        text += key;
    } else if (key == QLatin1Char('\b')) {
        text.chop(1);
        if (text.isEmpty())
            text = QStringLiteral("0");
    } else {
        return;
    }
    setCell(m_selCol, m_selRow, text);
}

bool TMetronom::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == StringGrid1 && event->type() == QEvent::KeyPress) {
        // The table has no editor of its own: characters edit the selected cell and are swallowed, while keys
        // that type nothing (arrows, Tab, Escape, Enter) keep their usual work.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (key->key() == Qt::Key_Backspace) {
            guard([&] { StringGrid1KeyPress(QLatin1Char('\b')); });
            return true;
        }
        if (text.size() == 1 && text.at(0).isPrint() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            guard([&] { StringGrid1KeyPress(text.at(0)); });
            return true;
        }
    }
    return QorForm::eventFilter(watched, event);
}

void TMetronom::ButtonSetClick()
{
    if (QorForm* settings = services().roster().window(QStringLiteral("FormMetronomSet")))
        settings->exec();
}

void TMetronom::ButtonHelpClick()
{
    showHelp(installRoot() + QStringLiteral("help") + QDir::separator() + QStringLiteral("helpMetronom.rtf"));
}

void TMetronom::ButtonEndClick()
{
    close();
}

void TMetronom::FormClose()
{
    // Without a help file the box would hold only the credits, over the table.
    if (m_hasIntro)
        Editor->show();
    stopTimers();
}

void TMetronom::resizeEvent(QResizeEvent* event)
{
    QorForm::resizeEvent(event);
    guard([this] { FormResize(); });
}

void TMetronom::FormResize()
{
    const int w = width();
    const int h = height();

    PanelTop->setGeometry(0, 0, w, 41);

    // The table: no scroll bars, so it is as tall as its rows.
    const int section = StringGrid1->verticalHeader()->defaultSectionSize();
    const int frame = StringGrid1->frameWidth();
    StringGrid1->setGeometry(kGridLeft, kGridTop, kGridWidth, rhythm::kRows * section + 2 * frame);
    // The marker column is 30 px, or wider when the font needs more for "****".
    const int col2 = qMax(30, StringGrid1->fontMetrics().horizontalAdvance(QString::fromLatin1(kMarker)) + 8);
    const int col1 = kGridWidth / 2 - 30;
    StringGrid1->setColumnWidth(2, col2);
    StringGrid1->setColumnWidth(1, col1);
    StringGrid1->setColumnWidth(0, kGridWidth - col1 - col2 - 7);
    Label5->setGeometry(kGridLeft + 4, 4, StringGrid1->columnWidth(0) - 8, kGridTop - 8);
    Label6->setGeometry(kGridLeft + StringGrid1->columnWidth(0) + 4, 4, col1 + 22, kGridTop - 8);

    Panel1->resize(kPanelWidth, rhythm::kRows * section + 100);
    Panel1->move((w - Panel1->width()) / 2, (h - Panel1->height()) / 2);

    ButtonNext->move(ButtonNext->x(), (h - Panel1->height() + 100) / 2 - 20);
    ButtonPouse->move(ButtonPouse->x(), ButtonNext->y() + 50);

    ButtonEnd->move(w - 140, h - 90);
    ButtonSet->move(ButtonEnd->x(), ButtonEnd->y() - 50);
    ButtonInit->move(ButtonEnd->x(), ButtonSet->y() - 50);
    ButtonHelp->move(ButtonEnd->x(), ButtonSet->y() - 100);

    // Half the width and two thirds of the height, but never narrower or lower than the table it lies over.
    const int introWidth = qMax(w / 2, Panel1->width() + 20);
    const int introHeight = qMax(h / 3 * 2 - 10, Panel1->height() + 20);
    Editor->setGeometry((w - introWidth) / 2, (h - introHeight) / 2, introWidth, introHeight);
}
