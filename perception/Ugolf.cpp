#include "Ugolf.h"

#include "UgolTask.h"
#include "Ugol_Set.h"
#include "platform/RichTextBox.h"
#include "platform/Sound.h"
#include "shell/FormParts.h"
#include "shell/ResultsLog.h"
#include "shell/Roster.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTextCursor>
#include <QTimer>
#include <algorithm>
#include <limits>

namespace {

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

int clampedMilliseconds(qint64 milliseconds)
{
    return int(std::clamp<qint64>(milliseconds, 0, std::numeric_limits<int>::max()));
}

} // namespace

TFormUgol::TFormUgol(Services& services)
    : QorForm(services, QStringLiteral("FormUgol")), Lib(kUgolDefaultLibrary), Dig(kUgolDefaultMask)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Ugol training"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 17, true));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kTrainerBackground);
    palette.setColor(QPalette::WindowText, QColor(bgrColor(0x808000)));
    setPalette(palette);
    setAutoFillBackground(true);

    Panel1 = new QLabel(QStringLiteral("Angle of view"), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAutoFillBackground(true);

    QFont task = font();
    task.setPixelSize(37);
    LabelL = new QLabel(this);
    LabelL->setObjectName(QStringLiteral("LabelL"));
    LabelR = new QLabel(this);
    LabelR->setObjectName(QStringLiteral("LabelR"));
    for (QLabel* group : {LabelL, LabelR}) {
        group->setFont(task);
        setTextColour(group, Qt::black);
    }

    Label1 = new QLabel(QStringLiteral("Press Next button"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);

    // The answer box cannot be seen; it only holds the keyboard focus and the typed answer.
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFrame(false);
    Edit1->setGeometry(0, 0, 0, 1);
    Edit1->installEventFilter(this);

    const QFont small = pixelFont(QStringLiteral("MS Sans Serif"), 13, false);
    auto status = [&](const char* name, const QString& text, int top) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(small);
        setTextColour(label, Qt::gray);
        label->move(8, top);
        return label;
    };
    Label_TrTrue = status("Label_TrTrue", QStringLiteral("good"), 40);
    Label_rast = status("Label_rast", QStringLiteral("curent distanse "), 64);
    Label_TrFalse = status("Label_TrFalse", QStringLiteral("bad"), 88);
    Label_TrFalse->hide();

    Editor = new RichTextBox(this);
    Editor->setObjectName(QStringLiteral("Editor"));
    Editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Editor->setReadOnly(true);
    Editor->hide();

    auto button = [&](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    ButtonNext = button("ButtonNext", QStringLiteral("Go"));
    ButtonSet = button("ButtonSet", QStringLiteral("Settings"));
    ButtonHelp = button("ButtonHelp", QStringLiteral("Help"));
    ButtonHelp->setEnabled(false);
    ButtonEnd = button("ButtonEnd", QStringLiteral("Exit"));
    ButtonStat = button("ButtonStat", QStringLiteral("Статистика"));
    ButtonStat->hide();

    TimerShow = new QTimer(this);
    TimerShow->setObjectName(QStringLiteral("TimerShow"));
    TimerShow->setTimerType(Qt::PreciseTimer);
    TimerWait = new QTimer(this);
    TimerWait->setObjectName(QStringLiteral("TimerWait"));

    on(ButtonNext, &QPushButton::clicked, &TFormUgol::OneStep);
    on(ButtonSet, &QPushButton::clicked, &TFormUgol::Settup);
    on(ButtonHelp, &QPushButton::clicked, &TFormUgol::ButtonHelpClick);
    on(ButtonEnd, &QPushButton::clicked, &TFormUgol::ButtonEndClick);
    on(Edit1, &QLineEdit::textChanged, &TFormUgol::Edit1Change);
    on(TimerShow, &QTimer::timeout, &TFormUgol::TimerShowTimer);
    on(TimerWait, &QTimer::timeout, &TFormUgol::TimerWaitTimer);
}

void TFormUgol::FormCreate()
{
    computeFolders();
    loadPhraseList();
    setWindowTitle(LookupPhrase(windowTitle()));
    for (QLabel* label : {Panel1, Label_TrTrue, Label_rast, Label_TrFalse})
        label->setText(LookupPhrase(label->text()));
    for (QPushButton* button : {ButtonNext, ButtonSet, ButtonHelp, ButtonEnd})
        button->setText(LookupPhrase(button->text()));

    m_rightCount = 0;
    m_shown = 0;
    m_sign = 1;
    FormResize();
    LabelL->clear();
    LabelR->clear();
    Label1->setText(LookupPhrase(QStringLiteral("Press Next button")));
    Label1->adjustSize();
    for (QLabel* label : {Label_TrTrue, Label_rast, Label_TrFalse})
        label->clear();
    placeFullScreen();
    FormResize();

    const QString help = installRoot() + QStringLiteral("help") + QDir::separator() + QStringLiteral("helpUgol.rtf");
    m_hasIntro = QFile::exists(help);
    if (m_hasIntro) {
        const int w = width() / 3 * 2;
        const int h = height() / 4 * 3;
        Editor->setGeometry((width() - w) / 2, (height() - h) / 2, w, h);
        Editor->show();
        Editor->loadFile(help);
    }
    appendCredits(Editor);
}

void TFormUgol::FormDestroy()
{
    TimerWait->stop();
    savePhraseList();
}

void TFormUgol::FormClose()
{
    TimerShow->stop();
    TimerWait->stop();
    if (m_hasIntro)
        Editor->show();
}

void TFormUgol::computeCentre()
{
    m_cx = width() / 2;
    m_cy = height() / 2;
}

void TFormUgol::placeControls()
{
    Panel1->setGeometry(0, 0, width(), 30);
    const int left = width() - 150;
    const int w = 130;
    const int h = 33;
    ButtonStat->setGeometry(left, height() - 300, w, h);
    ButtonHelp->setGeometry(left, height() - 250, w, h);
    ButtonSet->setGeometry(left, height() - 200, w, h);
    ButtonNext->setGeometry(left, height() - 150, w, h);
    ButtonEnd->setGeometry(left, height() - 100, w, h);
}

void TFormUgol::FormResize()
{
    placeControls();
    computeCentre();
    update();
    Label1->adjustSize();
    Label1->move((width() - Label1->width()) / 2, height() / 2 - 10);
    FormPaint();
}

void TFormUgol::FormPaint()
{
    update();
    Label_TrTrue->setText(LookupPhrase(QStringLiteral("Right attempts:")) + QLatin1Char(' ') +
                          QString::number(m_rightCount));
    Label_TrFalse->setText(LookupPhrase(QStringLiteral("Not right attempts:")) + QLatin1Char(' ') +
                           QString::number(m_wrongCount));
    Label_rast->setText(LookupPhrase(QStringLiteral("Current interval:")) + QLatin1Char(' ') +
                        QString::number(m_shown));
    for (QLabel* label : {Label_TrTrue, Label_TrFalse, Label_rast})
        label->adjustSize();
}

void TFormUgol::New_Hod()
{
    // A stored library and mask that cannot be drawn from give way to the default pair.
    const bool usable = isUsableCharacterPair(Lib, Dig);
    const UgolTask task = generateUgolTask(Razryad, usable ? Lib : kUgolDefaultLibrary, usable ? Dig : kUgolDefaultMask,
                                           services().random());
    m_leftGroup = task.left;
    m_rightGroup = task.right;
    computeCentre();
    update();
}

void TFormUgol::OneStep()
{
    ButtonHelp->setEnabled(true);
    Editor->hide();
    Edit1->setFocus();
    if (m_sign != 0)
        ++m_rightCount;
    New_Hod();

    Label1->move(m_cx - Label1->width() / 2, m_cy);
    Label1->clear();
    Edit1->clear();

    // Wide arithmetic: the distance and the step are taken from the settings dialog without bounds.
    qint64 distance = qint64(L) + qint64(Step) * m_sign;
    m_sign = 0;
    if (distance < 10)
        distance = 10;
    if (distance > m_cx - 30)
        distance = m_cx - 30;
    L = int(distance);
    m_shown = L;

    LabelL->setText(m_leftGroup);
    LabelR->setText(m_rightGroup);
    LabelL->adjustSize();
    LabelR->adjustSize();
    LabelL->move(m_cx - L - LabelL->width(), m_cy - LabelL->height() / 2);
    LabelR->move(m_cx + L, m_cy - LabelR->height() / 2);

    TimerShow->setInterval(clampedMilliseconds(TimeShow));
    TimerWait->setInterval(clampedMilliseconds(qint64(TimeWait) * 1000));
    TimerShow->start();
    TimerWait->stop();
    m_sign = 0;
    // The next task starts from 50 at the lowest; this one stays where it was put.
    if (L < 50)
        L = 50;
    TimerWait->start();
    // The moved labels repaint the window, which refreshes the status labels.
    FormPaint();
}

void TFormUgol::Edit1Change()
{
    const QString answer = Edit1->text();
    if (answer.isEmpty()) {
        Label1->hide();
        return;
    }
    update();
    Label1->setText(answer);
    Label1->adjustSize();
    Label1->move(m_cx - Label1->width() / 2, Label1->y());
    Label1->show();

    if (answer == m_leftGroup + m_rightGroup) {
        SaveResults();
        Label1->hide();
        Edit1->clear();
        m_sign = 1;
        OneStep();
        services().sound().beep(Sound::DefaultSound);
        services().sound().beep(Sound::DefaultSound);
    } else {
        m_sign = 0;
    }
}

void TFormUgol::Edit1KeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    if (!Edit1->text().isEmpty())
        ++m_wrongCount;
    else
        --m_rightCount; // OneStep adds it back: giving up on nothing typed is no attempt
    Label1->hide();
    Edit1->clear();
    m_sign = -1;
    FormPaint();
    OneStep();
}

void TFormUgol::Edit1KeyPress(int key)
{
    update();
    if (key == Qt::Key_Backspace)
        Edit1->setText(Edit1->text().chopped(qMin(1, int(Edit1->text().size()))));
}

void TFormUgol::TimerShowTimer()
{
    Edit1->clear();
    TimerShow->stop();
    LabelL->clear();
    LabelR->clear();
    if (isEnabled() && !TimerWait->isActive())
        TimerWait->start();
    FormPaint();
}

void TFormUgol::TimerWaitTimer()
{
    if (!isVisible())
        return;
    TimerWait->stop();
    services().dialogs().message(this, LookupPhrase(QStringLiteral("Time is out.")));
    m_wrongCount += 2;
    m_sign = 0;
    FormPaint();
}

void TFormUgol::Settup()
{
    TimerWait->stop();
    if (QorForm* dialog = services().roster().FormUgolSet())
        dialog->showModeless();
}

void TFormUgol::ButtonHelpClick()
{
    showHelp(installRoot() + QStringLiteral("help") + QDir::separator() + QStringLiteral("helpUgol.rtf"));
}

void TFormUgol::ButtonEndClick()
{
    // Every way of closing stops the timers and brings the intro text back (FormClose).
    reject();
}

void TFormUgol::SaveResults()
{
    AppendResult(programFolder(), QStringLiteral("resultUgol.txt"),
                 QStringLiteral("%1,3,%2,%3,").arg(TimeShow).arg(L).arg(Razryad), ResultsVariant::B);
}

void TFormUgol::paintEvent(QPaintEvent* event)
{
    QorForm::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(m_cx, 0, m_cx, height());
}

void TFormUgol::resizeEvent(QResizeEvent* event)
{
    QorForm::resizeEvent(event);
    guard([this] { FormResize(); });
}

void TFormUgol::showEvent(QShowEvent* event)
{
    QorForm::showEvent(event);
    guard([this] { FormPaint(); });
}

void TFormUgol::changeEvent(QEvent* event)
{
    QorForm::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        guard([this] { FormPaint(); });
}

void TFormUgol::keyPressEvent(QKeyEvent* event)
{
    // A character typed while the window itself holds the focus sends the focus to the answer box.
    if (!event->text().isEmpty() && event->text().at(0).isPrint()) {
        Edit1->setFocus();
        return;
    }
    QorForm::keyPressEvent(event);
}

bool TFormUgol::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guard([&] { Edit1KeyDown(key); });
            return true;
        }
        if (key == Qt::Key_Backspace) {
            guard([&] { Edit1KeyPress(key); });
            return true;
        }
        update();
    }
    return QorForm::eventFilter(watched, event);
}
