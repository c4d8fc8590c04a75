// Plays the metronome's built-in rhythm for 30 s through the real window and prints how late its beats come.
//
// A beat is due at "Start" plus the waits of the rows played so far (the ideal schedule); its lateness is the time
// from then to when its first beep was asked for (a silent beat: to when it was given). The spacing error is how far
// the time between two beats is from the wait of the row, so it shows jitter without the lateness that went before.
// Usage: bench_metronome_timing [seconds]

#include "Figures.h"
#include "perception/Unit_metronom.h"
#include "platform/Dialogs.h"
#include "platform/ExternalPrograms.h"
#include "platform/Random.h"
#include "platform/Sound.h"
#include "shell/Roster.h"
#include "shell/Services.h"
#include "shell/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Remembers when the first beep of each beat was asked for.
class BeatClock : public Sound
{
public:
    explicit BeatClock(const QElapsedTimer& clock) : m_clock(clock) {}
    void beep(Kind) override
    {
        if (m_firstBeep < 0)
            m_firstBeep = m_clock.nsecsElapsed();
    }
    // The time of the beat just given: its first beep, or now for a silent beat.
    qint64 takeBeat()
    {
        const qint64 at = m_firstBeep >= 0 ? m_firstBeep : m_clock.nsecsElapsed();
        m_firstBeep = -1;
        return at;
    }

private:
    const QElapsedTimer& m_clock;
    qint64 m_firstBeep = -1;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 30;

    QTemporaryDir install;
    for (const char* sub : {"bin", "help", "localization"})
        QDir(install.path()).mkpath(QString::fromLatin1(sub));
    QElapsedTimer clock;
    clock.start();

    SettingsStore settings(install.filePath(QStringLiteral("Qor.conf")));
    ScriptedDialogs dialogs;
    Random random;
    BeatClock sound(clock);
    RecordingPrograms programs;
    Roster roster;
    Services services(install.filePath(QStringLiteral("bin/qor")), settings, dialogs, random, sound, programs, roster);

    auto* metronom = new TMetronom(services);
    roster.add(metronom);
    metronom->guard([metronom] { metronom->FormCreate(); });
    metronom->show();

    std::vector<double> late;
    std::vector<double> spacing;
    qint64 previous = 0;
    qint64 previousDue = 0;
    qint64 due = 0;
    // The wait of the row that beats next, as the table holds it.
    const auto nextWait = [metronom] {
        return qint64(rhythm::number(metronom->cell(0, metronom->currentRow())).value_or(0)) * 1000000;
    };
    // Connected after the window's own handler, so it runs right after each beat.
    QObject::connect(metronom->Timer1, &QTimer::timeout, [&] {
        const qint64 at = sound.takeBeat();
        late.push_back((at - due) / 1e6);
        spacing.push_back(std::abs((at - previous) - (due - previousDue)) / 1e6);
        previous = at;
        previousDue = due;
        due += nextWait();
    });

    QTimer::singleShot(500, metronom, [&] {
        previous = previousDue = clock.nsecsElapsed();
        metronom->ButtonNext->click();
        due = previous + nextWait();
        QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    });
    app.exec();
    metronom->ButtonPouse->click();

    const Figures lateness = figures(late);
    const Figures jitter = figures(spacing);
    std::printf("metronome, built-in rhythm, %d s: %zu beats\n", seconds, late.size());
    std::printf("  lateness per beat: median %.2f ms, max %.2f ms (target: median <= 2 ms, max <= 15 ms), "
                "last %.2f ms\n",
                lateness.median, lateness.max, late.empty() ? 0.0 : late.back());
    std::printf("  spacing error between beats: median %.2f ms, max %.2f ms\n", jitter.median, jitter.max);
    roster.destroyAll();
    return 0;
}
