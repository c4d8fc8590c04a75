// Timing of the flash reader's frames: runs the frame timer of the real window over 200 frames at a show time of
// 100 ms (frames that end a sentence stay 200 ms) and prints how late each frame came against its schedule, and
// how far the whole run drifted. Runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include "Figures.h"
#include "perception/Spead.h"
#include "platform/Dialogs.h"
#include "platform/ExternalPrograms.h"
#include "platform/Random.h"
#include "platform/Sound.h"
#include "shell/Roster.h"
#include "shell/Services.h"
#include "shell/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kFrames = 200;
constexpr int kShowTime = 100;

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// Records the moment each tick of the frame timer arrives, before the window handles it.
class TickRecorder : public QObject
{
public:
    std::vector<Clock::time_point> ticks;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Timer)
            ticks.push_back(Clock::now());
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    for (const char* sub : {"bin", "help", "localization"})
        QDir(dir.path()).mkpath(QString::fromLatin1(sub));
    SettingsStore settings(dir.filePath(QStringLiteral("Qor.conf")));
    ScriptedDialogs dialogs;
    Random random;
    CountingSound sound;
    RecordingPrograms programs;
    Roster roster;
    Services services(dir.filePath(QStringLiteral("bin/qor")), settings, dialogs, random, sound, programs, roster);

    // A text of one word per frame; every fifth ends a sentence and stays twice as long.
    QByteArray text;
    for (int i = 0; i < kFrames + 10; ++i)
        text += (i % 5 == 4 ? "sentence" : "frameword") + QByteArray::number(1000 + i) + (i % 5 == 4 ? ". " : " ");
    QFile file(dir.filePath(QStringLiteral("text.txt")));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return 1;
    file.close();
    int doubled = 0;

    auto* read = new TFormRead(services);
    roster.add(read);
    read->guard([read] { read->FormCreate(); });
    read->lettersPerFrame = 10;
    dialogs.files.enqueue(FileChoice{file.fileName(), false});
    read->LoadFile();
    read->showTime = kShowTime;
    read->acceleration = 0;
    read->show();

    TickRecorder recorder;
    read->TimerShow->installEventFilter(&recorder);
    // Connected after the window's own handler: the moment the frame is in the label, and how long it stays.
    std::vector<Clock::time_point> shown;
    std::vector<int> stays;
    QObject::connect(read->TimerShow, &QTimer::timeout, &app, [&] {
        shown.push_back(Clock::now());
        stays.push_back(read->TimerShow->interval());
        if (int(shown.size()) == kFrames) {
            read->Pouse();
            app.quit();
        }
    });

    // A reader that reaches its end early must not keep the benchmark waiting for ever.
    QTimer::singleShot(200 + kFrames * kShowTime * 3, &app, [&] {
        std::fprintf(stderr, "the reader showed only %d of %d frames\n", int(shown.size()), kFrames);
        app.exit(1);
    });
    QTimer::singleShot(200, read, [&] {
        recorder.ticks.push_back(Clock::now()); // the moment of Go stands as tick 0
        read->Go();
    });
    if (app.exec() != 0)
        return 1;

    // Each frame is due one interval after the one before it came; the run as a whole is due the sum of them.
    std::vector<double> tickLateness;
    std::vector<double> shownLateness;
    std::vector<double> handling;
    Clock::duration planned{};
    int previousStay = kShowTime;
    for (int i = 0; i < kFrames; ++i) {
        const auto due = recorder.ticks[i] + std::chrono::milliseconds(previousStay);
        tickLateness.push_back(ms(recorder.ticks[i + 1] - due));
        shownLateness.push_back(ms(shown[i] - due));
        handling.push_back(ms(shown[i] - recorder.ticks[i + 1]));
        planned += std::chrono::milliseconds(previousStay);
        previousStay = stays[i];
        doubled += stays[i] == 2 * kShowTime;
    }
    const double drift = ms(recorder.ticks[kFrames] - recorder.ticks[0] - planned);

    const Figures tick = figures(tickLateness);
    const Figures frame = figures(shownLateness);
    const Figures step = figures(handling);
    std::printf("flash reader frame timing: %d frames (%d of them doubled), show time %d ms, platform %s\n", kFrames,
                doubled, kShowTime, qPrintable(QGuiApplication::platformName()));
    std::printf("  timer tick lateness   median %7.3f ms   max %7.3f ms\n", tick.median, tick.max);
    std::printf("  frame shown lateness  median %7.3f ms   max %7.3f ms   (tick + Step)\n", frame.median, frame.max);
    std::printf("  Step handling         median %7.3f ms   max %7.3f ms\n", step.median, step.max);
    std::printf("  drift over the run    %7.3f ms over %.0f ms planned\n", drift, ms(planned));
    std::printf("  target: median <= 2 ms, max <= 15 ms\n");

    roster.destroyAll();
    return 0;
}
