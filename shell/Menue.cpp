#include "Menue.h"

#include "Roster.h"
#include "platform/ExternalPrograms.h"
#include "platform/MoviePlayer.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

TFormMenue::TFormMenue(Services& services) : QorForm(services, QStringLiteral("FormMenue"))
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Qor"));
    setStyleSheet(QStringLiteral("TFormMenue { background: #10161f; }"));

    // The notice lies under the movie and shows only where the movie cannot draw.
    Label1 = new QLabel(QStringLiteral("Please install FLASH player for playing this software"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPixelSize(20);
    Label1->setFont(bold);
    Label1->setStyleSheet(QStringLiteral("color: #e8eef5;"));
    Label1->adjustSize();

    Flash1 = new MoviePlayer(this);
    Flash1->setObjectName(QStringLiteral("Flash1"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    connect(Flash1, &MoviePlayer::FSCommand, this, &TFormMenue::Flash1FSCommand);
}

void TFormMenue::FormCreate()
{
    placeFullScreen();
    computeFolders();
    Flash1->setMovie(installRoot() + QStringLiteral("flash") + QDir::separator() + QStringLiteral("menue_read.qml"));
    Flash1->Play();
    layOut();
}

void TFormMenue::layOut()
{
    Flash1->setGeometry(rect());
    Label1->move((width() - Label1->width()) / 2, (height() - Label1->height()) / 2);
}

void TFormMenue::resizeEvent(QResizeEvent* event)
{
    QorForm::resizeEvent(event);
    layOut();
}

void TFormMenue::keyPressEvent(QKeyEvent* event)
{
    // The menu ends only through the movie's "quit", never by Escape.
    if (event->key() == Qt::Key_Escape)
        return;
    QorForm::keyPressEvent(event);
}

const QList<TFormMenue::Command>& TFormMenue::commands()
{
    static const QList<Command> table = {
        {"DOBLANKS", "FormBezProbelov", Opening::Modal},
        {"FINDWORD", "FormFindWord", Opening::Modal},
        {"BUKVA", "FormKarto", Opening::Modal},
        {"DOMINANTA", "FormDominanta", Opening::Modal},
        {"UGOL", "FormUgol", Opening::Modeless},
        {"SHULTZ", "FormShultz", Opening::Modeless},
        {"METRONOM", "Metronom", Opening::Modal},
        {"FOTO", "FormRead", Opening::Modal},
        {"INDEXER", "FormSlova", Opening::Indexer},
        {"CHASTOTA", "FormAnaliz", Opening::Modal},
        {"7BLOKS", "Form7bloks", Opening::Modal},
        {"FONT", "FormSettings", Opening::Modal},
        {"BOOK", "", Opening::Book},
    };
    return table;
}

QString TFormMenue::menuCommand(const QString& args)
{
    QString command = args;
    for (QChar& c : command)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return command;
}

void TFormMenue::Flash1FSCommand(const QString& command, const QString& args)
{
    if (m_running > 0) {
        m_pending.append({command, args});
        return;
    }
    ++m_running;
    guard([&] { dispatch(command, args); });
    --m_running;
    while (m_running == 0 && !m_pending.isEmpty() && isVisible()) {
        const auto next = m_pending.takeFirst();
        Flash1FSCommand(next.first, next.second);
    }
    if (!isVisible())
        m_pending.clear();
}

void TFormMenue::openModal(QorForm* window)
{
    if (window)
        window->exec();
}

void TFormMenue::dispatch(const QString& command, const QString& args)
{
    Roster& roster = services().roster();
    const QString menu = menuCommand(args);

    if (menu == QLatin1String("MIX") || menu == QLatin1String("VOWEL") || menu == QLatin1String("ZADOM") ||
        menu == QLatin1String("RANDOM")) {
        if (QorForm* izbytok = roster.window(QStringLiteral("FormIzbytok"))) {
            izbytok->setOpenArgument(menu);
            openModal(izbytok);
        }
        return;
    }

    for (const Command& row : commands()) {
        if (menu != QLatin1String(row.command))
            continue;
        QorForm* window = roster.window(QString::fromLatin1(row.window));
        switch (row.opening) {
        case Opening::Modal:
            openModal(window);
            break;
        case Opening::Modeless:
            if (window)
                window->showModeless();
            break;
        case Opening::Indexer:
            if (window) {
                window->setOpenArgument(QStringLiteral("help/helpIndex.rtf"));
                window->show();
            }
            openModal(roster.window(QStringLiteral("FormSlovaDir")));
            break;
        case Opening::Book:
            services().programs().open(installRoot() + QStringLiteral("help") + QDir::separator() +
                                       QStringLiteral("book.zip"));
            break;
        }
    }

    if (command == QLatin1String("quit"))
        close();
}
