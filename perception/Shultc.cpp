#include "Shultc.h"

#include "ShultcSet.h"
#include "ShultcTable.h"
#include "platform/Fonts.h"
#include "platform/RichTextBox.h"
#include "shell/FormParts.h"
#include "shell/ResultsLog.h"
#include "shell/Roster.h"
#include "shell/SettingsStore.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextCursor>
#include <QTimer>
#include <limits>

namespace {

const QString kSection = QStringLiteral("Speed_Shultz");

} // namespace

TFormShultz::TFormShultz(Services& services) : QorForm(services, QStringLiteral("FormShultz"))
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Таблица Шульте"));
    setFont(pixelFont(QStringLiteral("Arial"), 20, true));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kTrainerBackground);
    setPalette(palette);
    setAutoFillBackground(true);

    PanelTop = new QLabel(QStringLiteral("Тренинг \"Таблица Шульте\""), this);
    PanelTop->setObjectName(QStringLiteral("PanelTop"));
    PanelTop->setAlignment(Qt::AlignCenter);
    PanelTop->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanelTop->setAutoFillBackground(true);

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(1);
    Panel2 = frame;
    Panel2->setObjectName(QStringLiteral("Panel2"));
    QPalette white = Panel2->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel2->setPalette(white);
    Panel2->setAutoFillBackground(true);

    Panel1 = new QWidget(Panel2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    QFont table = pixelFont(QStringLiteral("Arial"), 37, true);
    Panel1->setFont(table);
    Panel1->installEventFilter(this);

    Editor = new RichTextBox(this);
    Editor->setObjectName(QStringLiteral("Editor"));
    Editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Editor->setReadOnly(true);

    const QFont buttonFont = pixelFont(QStringLiteral("Arial"), 17, true);
    auto button = [&](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(buttonFont);
        return b;
    };
    ButtonNew = button("ButtonNew", QStringLiteral("Ход"));
    ButtonSet = button("ButtonSet", QStringLiteral("Установки"));
    ButtonHelp = button("ButtonHelp", QStringLiteral("Помощь"));
    ButtonHelp->setEnabled(false);
    ButtonEnd = button("ButtonEnd", QStringLiteral("Выход"));
    ButtonStat = button("ButtonStat", QStringLiteral("Статистика"));
    ButtonStat->hide();
    Button1 = button("Button1", QStringLiteral("Результаты"));
    Button1->hide();

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(1000);

    on(ButtonNew, &QPushButton::clicked, &TFormShultz::New);
    on(ButtonSet, &QPushButton::clicked, &TFormShultz::Sett);
    on(ButtonHelp, &QPushButton::clicked, &TFormShultz::ButtonHelpClick);
    on(ButtonEnd, &QPushButton::clicked, &TFormShultz::Qutt);
    on(Button1, &QPushButton::clicked, &TFormShultz::SaveResults);
    on(Timer1, &QTimer::timeout, &TFormShultz::Timer1Timer);
}

void TFormShultz::FormCreate()
{
    placeFullScreen();
    placeControls();

    SettingsStore& settings = services().settings();
    Raz = settings.ReadInteger(kSection, QStringLiteral("Raz"), 4);
    Sec = settings.ReadInteger(kSection, QStringLiteral("Sec"), 100);
    QFont table = tableFont();
    setVclFontHeight(table, settings.ReadInteger(kSection, QStringLiteral("font_height"), -37));
    setTableFont(table);
    // The table holds at most 10 × 10 cells.
    Raz = qBound(2, Raz, 10);

    // The table side follows the screen at every start; the stored value is not read back.
    P = height() - 120;
    FormResize();
    computeFolders();

    const QString help = installRoot() + QStringLiteral("help") + QDir::separator() + QStringLiteral("helpShultc.rtf");
    m_hasIntro = QFile::exists(help);
    if (m_hasIntro) {
        const int w = width() / 3 * 2;
        const int h = height() / 3 * 2;
        Editor->setGeometry((width() - w) / 2, (height() - h) / 2, w, h);
        Editor->loadFile(help);
        Panel2->hide();
    } else {
        Editor->hide();
    }

    loadPhraseList();
    setWindowTitle(LookupPhrase(QStringLiteral("Shutz training")));
    PanelTop->setText(LookupPhrase(QStringLiteral("Shutz training")));
    ButtonNew->setText(LookupPhrase(QStringLiteral("Next")));
    ButtonSet->setText(LookupPhrase(QStringLiteral("Settings")));
    ButtonHelp->setText(LookupPhrase(QStringLiteral("Help")));
    ButtonEnd->setText(LookupPhrase(QStringLiteral("Exit")));
    ButtonStat->setText(LookupPhrase(QStringLiteral("Statistic")));
    appendCredits(Editor);
}

void TFormShultz::FormDestroy()
{
    SettingsStore& settings = services().settings();
    settings.WriteInteger(kSection, QStringLiteral("Sec"), Sec);
    settings.WriteInteger(kSection, QStringLiteral("Raz"), Raz);
    settings.WriteInteger(kSection, QStringLiteral("P"), P);
    settings.WriteInteger(kSection, QStringLiteral("font_height"), vclFontHeight(tableFont()));
    savePhraseList();
}

void TFormShultz::FormClose()
{
    Timer1->stop();
    if (m_hasIntro) {
        Editor->show();
        Panel2->hide();
    }
}

void TFormShultz::userFontsChanged(const QFont& small, const QFont& big)
{
    Label1->setFont(wholeFont(big));
    setFont(small);
}

QFont TFormShultz::tableFont() const
{
    return Panel1->font();
}

void TFormShultz::setTableFont(const QFont& font)
{
    Panel1->setFont(wholeFont(font));
    Panel1->update();
}

void TFormShultz::placeControls()
{
    PanelTop->setGeometry(0, 0, width(), 33);
    const int left = width() - 150;
    const int w = 130;
    const int h = 33;
    ButtonStat->setGeometry(left, height() - 300, w, h);
    ButtonHelp->setGeometry(left, height() - 250, w, h);
    ButtonNew->setGeometry(left, height() - 200, w, h);
    ButtonSet->setGeometry(left, height() - 150, w, h);
    ButtonEnd->setGeometry(left, height() - 60 - h, w, h);
    Button1->setGeometry(left, height() - 350, w, h);
}

void TFormShultz::resizeEvent(QResizeEvent* event)
{
    QorForm::resizeEvent(event);
    placeControls();
    guard([this] { FormResize(); });
}

void TFormShultz::FormResize()
{
    Panel2->setGeometry((width() - P) / 2, (height() - P) / 2, P, P);
    Panel1->setGeometry(1, 1, qMax(0, P - 2), qMax(0, P - 2));
    if (Raz < 2)
        Raz = 2;
    m_pitch = (Panel1->width() - Raz) / Raz;
    Panel1->update();
}

void TFormShultz::New()
{
    ButtonHelp->setEnabled(true);
    Editor->hide();
    // A running timer keeps its schedule: "Next" does not postpone the next automatic change.
    if (!Timer1->isActive())
        Timer1->start();
    Panel2->show();
    Panel1->show();
    FormResize();

    const int n = qBound(2, Raz, 10);
    const QVector<int> numbers = generateShultzNumbers(n, services().random());
    for (auto& row : m_table)
        row.fill(0);
    for (int k = 0; k < numbers.size(); ++k)
        m_table[k / n][k % n] = numbers[k];
    Panel1->update();
}

void TFormShultz::Timer1Timer()
{
    if (!Timer1->isActive() || Sec <= 0)
        return;
    Timer1->stop();
    Timer1->setInterval(int(qMin<qint64>(qint64(Sec) * 300, std::numeric_limits<int>::max())));
    // New starts the timer again, so the next tick comes one frame time after this one.
    New();
}

bool TFormShultz::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Panel1 && event->type() == QEvent::Paint) {
        QPainter painter(Panel1);
        DrawTable(painter);
        return true;
    }
    return QorForm::eventFilter(watched, event);
}

void TFormShultz::DrawTable(QPainter& painter)
{
    if (!Editor->isHidden())
        return;
    painter.fillRect(Panel1->rect(), Qt::white);

    const int n = qBound(2, Raz, 10);
    const int c = m_pitch;
    painter.setFont(tableFont());
    painter.setPen(Qt::black);
    const QFontMetrics metrics(tableFont());
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            // The row index runs along the horizontal axis.
            const QString text = QString::number(m_table[i][j]);
            const int x = i * c + c / 2 - metrics.horizontalAdvance(text) / 2;
            const int y = j * c + c / 2 - metrics.height() / 2;
            painter.drawText(x, y + metrics.ascent(), text);
        }
    }

    const int cx = Panel1->width() / 2;
    const int cy = Panel1->height() / 2;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::red);
    painter.drawEllipse(QRect(cx - 4, cy - 4, 8, 8));
}

void TFormShultz::Sett()
{
    if (QorForm* dialog = services().roster().FormShultzSet())
        dialog->showModeless();
}

void TFormShultz::ButtonHelpClick()
{
    showHelp(installRoot() + QStringLiteral("help") + QDir::separator() + QStringLiteral("helpShultc.rtf"));
}

void TFormShultz::Qutt()
{
    // Every way of closing stops the exercise and brings the intro text back (FormClose).
    reject();
}

void TFormShultz::SaveResults()
{
    AppendResult(programFolder(), QStringLiteral("resultShultz.txt"),
                 QStringLiteral("%1,%2,%3,").arg(Sec).arg(Raz).arg(P), ResultsVariant::B);
}
