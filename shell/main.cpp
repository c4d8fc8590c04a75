#include "Appearance.h"
#include "Folders.h"
#include "Menue.h"
#include "Roster.h"
#include "SettingsStore.h"
#include "Splash.h"
#include "platform/Dialogs.h"
#include "platform/ExternalPrograms.h"
#include "platform/MoviePlayer.h"
#include "platform/Random.h"
#include "platform/Sound.h"

#include <QApplication>
#include <QQuickWindow>
#include <QTimer>
#include <chrono>
#include <cstdio>

namespace {

// With QOR_STARTUP_REPORT set, the program prints the moments of its start-up and shut-down on the monotonic
// clock (milliseconds), for the start-up benchmark.
void report(const char* event)
{
    static const bool enabled = qEnvironmentVariableIsSet("QOR_STARTUP_REPORT");
    if (!enabled)
        return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("%s %.3f\n", event, std::chrono::duration<double, std::milli>(now).count());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    // The movies need no graphics card: Qt Quick's software renderer draws them everywhere.
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND") && !qEnvironmentVariableIsSet("QSG_RHI_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    applyAppearance();

    const QString executable = QCoreApplication::applicationFilePath();
    SettingsStore settings;
    QtDialogs dialogs;
    Random random;
    QtSound sound(installRootOf(programFolderOf(QDir::toNativeSeparators(executable))) + QStringLiteral("sounds") +
                  QDir::separator());
    DesktopPrograms programs;
    Roster roster;
    Services services(executable, settings, dialogs, random, sound, programs, roster);

    TSplashForm splash(services);
    splash.guard([&] { splash.FormCreate(); });
    splash.show();
    QApplication::processEvents();

    roster.create(services, rosterFactories());
    TFormMenue* menu = roster.FormMenue();
    // Queued: a "quit" that comes before the message loop runs must still end it.
    QObject::connect(menu, &QDialog::finished, &app, [] { report("quit"); });
    QObject::connect(menu, &QDialog::finished, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    QObject::connect(&splash, &QDialog::finished, menu, [menu] {
        menu->activateWindow();
        menu->Flash1->setFocus();
    });
    menu->show();
    splash.raise();
    QTimer::singleShot(0, &app, [] { report("menu-ready"); });

    app.exec();

    roster.destroyAll();
    splash.guard([&] { splash.FormDestroy(); });
    settings.sync();
    report("done");
    return 0;
}
