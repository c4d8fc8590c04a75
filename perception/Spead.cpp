#include "Spead.h"

#include "FrameCutter.h"
#include "platform/Convert.h"
#include "platform/Dialogs.h"
#include "platform/ExternalPrograms.h"
#include "platform/Fonts.h"
#include "platform/RichTextBox.h"
#include "shell/FormParts.h"
#include "shell/Roster.h"
#include "shell/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <limits>

namespace {

constexpr int kTopHeight = 44;
constexpr int kSidePanelWidth = 170;
constexpr int kSideButtonWidth = 140;
constexpr int kButtonHeight = 34;
constexpr int kBarButtonWidth = 112;
constexpr int kBarSpacing = 10;
constexpr int kEchoHeight = 60;
// The echo label lies 3 px inside the echo panel on either side.
constexpr int kEchoMinWidth = 6;

// A label that keeps the height of one line of its font, as an auto-sized label does.
class LineHeightLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void changeEvent(QEvent* event) override
    {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            resize(width(), fontMetrics().height());
    }
};

// The wait cursor while an outside program works.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

TFormRead::TFormRead(Services& services) : QorForm(services, QStringLiteral("FormRead"))
{
    setWindowTitle(QStringLiteral("Flash reading"));

    PanelTop = new QLabel(QStringLiteral("Flash reading"), this);
    PanelTop->setObjectName(QStringLiteral("PanelTop"));
    PanelTop->setAlignment(Qt::AlignCenter);
    PanelTop->setFrameShape(QFrame::StyledPanel);
    QFont titleFont = PanelTop->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(18);
    PanelTop->setFont(titleFont);

    PanelLeft = new QFrame(this);
    PanelLeft->setObjectName(QStringLiteral("PanelLeft"));
    PanelRight = new QFrame(this);
    PanelRight->setObjectName(QStringLiteral("PanelRight"));
    for (QFrame* panel : {static_cast<QFrame*>(PanelTop), PanelLeft, PanelRight}) {
        panel->setFrameShape(QFrame::StyledPanel);
        paintBackground(panel, QColor(bgrColor(0xD8F0D8)));
    }
    PanelLeft->resize(kSidePanelWidth, 400);
    PanelRight->resize(kSidePanelWidth, 400);

    const int sideX = (kSidePanelWidth - kSideButtonWidth) / 2;
    ButtonLoad =
        sizedButton(QStringLiteral("ButtonLoad"), QStringLiteral("Open"), PanelLeft, kSideButtonWidth, kButtonHeight);
    ButtonLoad->move(sideX, 20);
    ButtonSet = sizedButton(QStringLiteral("ButtonSet"), QStringLiteral("Settings"), PanelRight, kSideButtonWidth,
                            kButtonHeight);
    ButtonHelp =
        sizedButton(QStringLiteral("ButtonHelp"), QStringLiteral("Help"), PanelRight, kSideButtonWidth, kButtonHeight);
    ButtonHelp->setEnabled(false);
    ButtonEnd =
        sizedButton(QStringLiteral("ButtonEnd"), QStringLiteral("Exit"), PanelRight, kSideButtonWidth, kButtonHeight);
    for (QPushButton* button : {ButtonSet, ButtonHelp, ButtonEnd})
        button->move(sideX, 0);

    // The frame label: centred, word-wrapped, bold; its width is limited by its maximum width.
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    QFont frameFont = Label1->font();
    frameFont.setBold(true);
    frameFont.setPixelSize(18);
    Label1->setFont(frameFont);
    Label1->setMaximumWidth(200);
    Label1->resize(200, 80);

    // The echo panel repeats the frames and the pause notice; it stays hidden.
    Panel11 = new QFrame(this);
    Panel11->setObjectName(QStringLiteral("Panel11"));
    Panel11->setFrameShape(QFrame::StyledPanel);
    Panel11->resize(300, kEchoHeight);
    Panel11->hide();
    Panel1 = new QLabel(Panel11);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setTextFormat(Qt::PlainText);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setGeometry(3, 3, 294, kEchoHeight - 6);

    // The measuring box counts the lines a frame wraps into; Label2 gives the height of a line.
    Me = new QTextEdit(this);
    Me->setObjectName(QStringLiteral("Me"));
    Me->setAcceptRichText(false);
    Me->setGeometry(0, 0, 177, 89);
    Me->hide();
    Label2 = new LineHeightLabel(QStringLiteral("Label2"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(0, 0, 60, 20);
    Label2->hide();

    Editor = new RichTextBox(this);
    Editor->setObjectName(QStringLiteral("Editor"));
    Editor->setContextMenuPolicy(Qt::CustomContextMenu);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1 = PopupMenu1->addAction(QStringLiteral("Не показывать время"));
    N1->setObjectName(QStringLiteral("N1"));
    N2 = PopupMenu1->addAction(QStringLiteral("Убрать окно текста"));
    N2->setObjectName(QStringLiteral("N2"));
    connect(Editor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(Editor->viewport()->mapToGlobal(pos)); });

    // The button bar; disabled with its buttons until a text is loaded.
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::StyledPanel);
    Panel2->resize(4 * kBarButtonWidth + 5 * kBarSpacing, kButtonHeight + 20);
    BitBtn1 = sizedButton(QStringLiteral("BitBtn1"), QStringLiteral("Start"), Panel2, kBarButtonWidth, kButtonHeight);
    BitBtn2 = sizedButton(QStringLiteral("BitBtn2"), QStringLiteral("Go"), Panel2, kBarButtonWidth, kButtonHeight);
    BitBtn3 = sizedButton(QStringLiteral("BitBtn3"), QStringLiteral("Step"), Panel2, kBarButtonWidth, kButtonHeight);
    BitBtn4 = sizedButton(QStringLiteral("BitBtn4"), QStringLiteral("Pouse"), Panel2, kBarButtonWidth, kButtonHeight);
    const QStyle::StandardPixmap glyphs[] = {QStyle::SP_MediaSkipBackward, QStyle::SP_MediaPlay,
                                             QStyle::SP_MediaSeekForward, QStyle::SP_MediaPause};
    int x = kBarSpacing;
    int i = 0;
    for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn3, BitBtn4}) {
        button->setIcon(style()->standardIcon(glyphs[i++]));
        button->move(x, 10);
        button->setEnabled(false);
        x += kBarButtonWidth + kBarSpacing;
    }
    Panel2->setEnabled(false);

    LabelTime = new QLabel(QStringLiteral("Work time"), this);
    LabelTime->setObjectName(QStringLiteral("LabelTime"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(1000);
    TimerShow = new QTimer(this);
    TimerShow->setObjectName(QStringLiteral("TimerShow"));
    TimerShow->setTimerType(Qt::PreciseTimer);

    on(ButtonLoad, &QPushButton::clicked, &TFormRead::LoadFile);
    on(ButtonSet, &QPushButton::clicked, &TFormRead::Setup);
    on(ButtonHelp, &QPushButton::clicked, &TFormRead::ButtonHelpClick);
    on(ButtonEnd, &QPushButton::clicked, &TFormRead::ButtonEndClick);
    on(BitBtn1, &QPushButton::clicked, &TFormRead::Back);
    on(BitBtn2, &QPushButton::clicked, &TFormRead::Go);
    on(BitBtn3, &QPushButton::clicked, &TFormRead::Step);
    on(BitBtn4, &QPushButton::clicked, &TFormRead::Pouse);
    on(N1, &QAction::triggered, &TFormRead::N1Click);
    on(N2, &QAction::triggered, &TFormRead::N2Click);
    on(Timer1, &QTimer::timeout, &TFormRead::Timer1Timer);
    on(TimerShow, &QTimer::timeout, &TFormRead::Step);
}

QString TFormRead::helpFileName()
{
    return QStringLiteral("help") + QDir::separator() + QStringLiteral("helpRea.rtf");
}

void TFormRead::FormCreate()
{
    placeFullScreen();
    dockPanels();
    Label1->clear();
    paintBackground(this, kTrainerBackground);
    paintBackground(Me, QColor(bgrColor(0xEEFFA5)));

    const SettingsStore& store = services().settings();
    const QString section = QString::fromLatin1(kSection);
    QFont frameFont = Label1->font();
    setVclFontHeight(frameFont, store.ReadInteger(section, QStringLiteral("label1_Font_Height"), -18));
    Label1->setFont(frameFont);
    wordsPerFrame = store.ReadInteger(section, QStringLiteral("p1"), 0);
    lettersPerFrame = store.ReadInteger(section, QStringLiteral("KolBukv"), 50);
    Label1->resize(store.ReadInteger(section, QStringLiteral("Label1Width"), 300), Label1->height());
    // A stored show time below the floor would leave the frame timer dead (negative) or busy (0); an echo width
    // beyond the widget limits would overflow the layout.
    showTime = qMax(kMinShowTime, store.ReadInteger(section, QStringLiteral("TimeShow"), 300));
    echoWidth = qBound(kEchoMinWidth, store.ReadInteger(section, QStringLiteral("WindowWidt"), 300), QWIDGETSIZE_MAX);
    acceleration = store.ReadInteger(section, QStringLiteral("IzmenenieSkorosti"), 1);
    frames.clear();
    computeFolders();

    Timer1->stop();
    setFrameInterval(showTime);
    fitEchoLabel();
    seconds = 0;
    Editor->clear();
    OpenDialog1.filter = QString::fromLatin1(kFileFilter);

    const QString help = installRoot() + helpFileName();
    if (QFileInfo::exists(help))
        Editor->loadFile(help);
    else
        Editor->hide();

    File_Word();
    Label1->clear();

    FormResize();
    PanelLeft->resize(PanelRight->width(), PanelLeft->height());
    dockPanels();
    const int editorWidth = width() - PanelRight->width() - PanelLeft->width() - 10;
    Editor->setGeometry((width() - editorWidth) / 2, Editor->y(), editorWidth, 250);
    Panel2->move((width() - Panel2->width()) / 2, Panel2->y());
    Panel2->setEnabled(true);
    BitBtn3->setEnabled(true);

    loadPhraseList();
    setWindowTitle(LookupPhrase(QStringLiteral("Flash reading")));
    PanelTop->setText(LookupPhrase(QStringLiteral("Flash reading")));
    ButtonLoad->setText(LookupPhrase(QStringLiteral("Open")));
    ButtonSet->setText(LookupPhrase(QStringLiteral("Settings")));
    ButtonHelp->setText(LookupPhrase(QStringLiteral("Help")));
    ButtonEnd->setText(LookupPhrase(QStringLiteral("Exit")));
    BitBtn1->setText(LookupPhrase(QStringLiteral("Start")));
    BitBtn2->setText(LookupPhrase(QStringLiteral("Go")));
    BitBtn3->setText(LookupPhrase(QStringLiteral("Step")));
    BitBtn4->setText(LookupPhrase(QStringLiteral("Pouse")));
    LabelTime->setText(LookupPhrase(QStringLiteral("Work time")));
    LabelTime->adjustSize();

    appendCredits(Editor);

    OpenDialog1.initialDir = installRoot() + QStringLiteral("help") + QDir::separator();
}

void TFormRead::dockPanels()
{
    PanelTop->setGeometry(0, 0, width(), kTopHeight);
    const int h = qMax(0, height() - kTopHeight);
    PanelLeft->setGeometry(0, kTopHeight, PanelLeft->width(), h);
    PanelRight->setGeometry(width() - PanelRight->width(), kTopHeight, PanelRight->width(), h);
}

void TFormRead::resizeEvent(QResizeEvent* event)
{
    QorForm::resizeEvent(event);
    dockPanels();
    // A window shown for the first time gets the resize it had while hidden; only a new size lays it out again.
    if (size() != m_laidOutSize)
        guard([this] { FormResize(); });
}

void TFormRead::FormResize()
{
    m_laidOutSize = size();
    const int w = width();
    const int h = height();
    paintBackground(this, kTrainerBackground);
    Editor->setGeometry(PanelLeft->width() + 3, h / 2, w - PanelLeft->width() - PanelRight->width() - 6, h / 3);
    Panel11->setGeometry((w - echoWidth) / 2, h / 4, echoWidth, Panel11->height());
    Panel1->setGeometry(3, 3, echoWidth - 6, Panel11->height() - 6);
    Label1->move((w - Label1->width()) / 2, h / 4);
    // The side buttons lie in the right panel, below the title panel.
    ButtonEnd->move(ButtonEnd->x(), h - ButtonEnd->height() - 60);
    ButtonHelp->move(ButtonHelp->x(), h - ButtonEnd->height() - 110);
    ButtonSet->move(ButtonSet->x(), h - ButtonEnd->height() - 150);
    Panel2->move((w - Panel2->width()) / 2, h - Panel2->height() - 55);
    const QScreen* screen = QGuiApplication::primaryScreen();
    LabelTime->move((screen ? screen->geometry().width() : w) / 2, h - 50);
}

void TFormRead::fitEchoLabel()
{
    Panel1->resize(Panel11->width() - 6, Panel1->height());
}

void TFormRead::setFrameInterval(int ms)
{
    ms = qMax(kMinShowTime, ms);
    if (TimerShow->interval() != ms)
        TimerShow->setInterval(ms);
}

void TFormRead::setDisplayFont(const QFont& font)
{
    for (QWidget* widget : {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(Label1), static_cast<QWidget*>(Me),
                            static_cast<QWidget*>(Label2)})
        widget->setFont(wholeFont(font));
}

void TFormRead::userFontsChanged(const QFont& small, const QFont& big)
{
    Q_UNUSED(big);
    for (QWidget* widget :
         {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2)})
        widget->setFont(wholeFont(small));
}

void TFormRead::File_Word()
{
    if (lettersPerFrame == 0)
        lettersPerFrame = kDefaultLettersPerFrame;
    frames = cutFrames(Editor->text(), lettersPerFrame);
}

int TFormRead::measuredLineCount(const QString& text) const
{
    const qreal width = Me->width() - 2 * Me->frameWidth() - 2 * Me->document()->documentMargin();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    int lines = 0;
    for (const QString& paragraph : plain.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, Me->font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(qMax<qreal>(1, width));
            ++lines;
        }
        layout.endLayout();
    }
    return qMax(1, lines);
}

void TFormRead::Step()
{
    // The frame's interval is set once and first of all: the timer restarts when its interval changes, and a restart
    // later in the handler would shift the next frame by the handler's time.
    const bool pastTheEnd = frameIndex > frames.size() - 1;
    const bool twice = !pastTheEnd && holdsTwice(frames.at(frameIndex));
    setFrameInterval(twice ? int(std::min<qint64>(2 * qint64(showTime), std::numeric_limits<int>::max())) : showTime);
    if (pastTheEnd) {
        frameIndex = frames.size();
        Timer1->stop();
        const QString end = LookupPhrase(QStringLiteral("The END"));
        Panel1->setText(end);
        Label1->setText(end);
    } else {
        Panel1->setText(frames.at(frameIndex));
        Label1->setText(frames.at(frameIndex));
    }
    ++frameIndex;

    Panel1->move(Panel1->x(), (Panel11->contentsRect().height() - Panel1->height()) / 3);
    const QString shown = trimControls(Label1->text());
    Label1->setText(shown);
    Me->setPlainText(shown);
    Me->resize(Me->width(), measuredLineCount(shown) * (Label2->contentsRect().height() + 1) + 30);
    Label1->resize(Label1->width(), Me->height() + 10);
    Label1->move((width() - Label1->contentsRect().width()) / 2,
                 (height() - Label1->contentsRect().height()) / 2 - 100);
}

void TFormRead::LoadFile()
{
    ButtonHelp->setEnabled(true);
    Timer1->stop();
    TimerShow->stop();
    seconds = 0;
    Panel1->clear();

    const std::optional<FileChoice> choice = services().dialogs().openFile(this, OpenDialog1);
    if (!choice)
        return;
    const QString extension = QFileInfo(choice->path).suffix().toUpper();
    if (extension == QLatin1String("TXT") || extension == QLatin1String("RTF"))
        Editor->loadFile(choice->path);
    else
        loadConverted(choice->path);
    Editor->moveCursor(QTextCursor::Start);

    File_Word();
    frameIndex = 0;
    Label1->setText(QStringLiteral("Начало"));
    fitEchoLabel();
    Panel2->setEnabled(true);
    for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn3, BitBtn4})
        button->setEnabled(true);
}

void TFormRead::loadConverted(const QString& path)
{
    std::optional<QString> text;
    {
        const WaitCursor wait;
        text = services().programs().convertToText(path);
    }
    if (!text) {
        services().dialogs().message(this, LookupPhrase(QStringLiteral("Can not open the file.")));
        return;
    }
    Editor->loadPlainText(*text);
}

void TFormRead::Go()
{
    setFrameInterval(showTime);
    TimerShow->start();
    // The reading time runs while the frames do.
    if (!Timer1->isActive())
        Timer1->start();
}

void TFormRead::Pouse()
{
    Timer1->stop();
    TimerShow->stop();
    Panel1->setText(LookupPhrase(QStringLiteral("Pouse. press \"Play\" button")));
    fitEchoLabel();
}

void TFormRead::Back()
{
    frameIndex = 0;
    const QString start = LookupPhrase(QStringLiteral("Start"));
    Panel1->setText(start);
    Label1->setText(start);
    fitEchoLabel();
    Timer1->stop();
    TimerShow->stop();
}

void TFormRead::Setup()
{
    if (QorForm* settings = services().roster().window(QStringLiteral("FormReaSet")))
        settings->showModeless();
    Timer1->stop();
    Panel1->setText(LookupPhrase(QStringLiteral("Pouse. press \"Play\" button")));
    fitEchoLabel();
}

void TFormRead::ButtonHelpClick()
{
    showHelp(installRoot() + helpFileName());
}

void TFormRead::ButtonEndClick()
{
    frameIndex = 0;
    TimerShow->stop();
    Timer1->stop();
    close();
}

void TFormRead::Timer1Timer()
{
    ++seconds;
    // Looked up one after the other, so the phrase file lists them in reading order.
    QString text = LookupPhrase(QStringLiteral("It was ")) + QString::number(seconds / 60);
    text += LookupPhrase(QStringLiteral("min. ")) + QString::number(seconds % 60);
    text += LookupPhrase(QStringLiteral("sec. "));
    LabelTime->setText(text);
    LabelTime->adjustSize();
    showTime = acceleratedShowTime(showTime, acceleration);
}

void TFormRead::N1Click()
{
    LabelTime->hide();
}

void TFormRead::N2Click()
{
    Editor->hide();
}

void TFormRead::FormClose()
{
    // A hidden reader neither shows frames nor runs its clock, which would keep lowering the show time.
    TimerShow->stop();
    Timer1->stop();
    SettingsStore& store = services().settings();
    const QString section = QString::fromLatin1(kSection);
    store.WriteInteger(section, QStringLiteral("TimeShow"), showTime);
    store.WriteInteger(section, QStringLiteral("WindowWidt"), echoWidth);
    store.WriteInteger(section, QStringLiteral("IzmenenieSkorosti"), acceleration);
    if (QorForm* help = services().roster().window(QStringLiteral("FormHelp")))
        help->close();
}

void TFormRead::FormDestroy()
{
    SettingsStore& store = services().settings();
    const QString section = QString::fromLatin1(kSection);
    store.WriteInteger(section, QStringLiteral("TimeShow"), showTime);
    store.WriteInteger(section, QStringLiteral("IzmenenieSkorosti"), acceleration);
    store.WriteInteger(section, QStringLiteral("p1"), wordsPerFrame);
    store.WriteInteger(section, QStringLiteral("KolBukv"), lettersPerFrame);
    store.WriteInteger(section, QStringLiteral("Label1Width"), Label1->width());
    store.WriteInteger(section, QStringLiteral("label1_Font_Height"), vclFontHeight(Label1->font()));
    frames.clear();
    savePhraseList();
}
