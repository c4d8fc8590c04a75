#pragma once

#include <QList>
#include <QString>
#include <memory>

// The system beeps the trainers use.
class Sound
{
public:
    enum Kind { SimpleBeep, DefaultSound };
    virtual ~Sound() = default;
    virtual void beep(Kind kind) = 0;
};

// Switches the system's warning beeper on and keeps that in the user's profile (Windows); nothing elsewhere.
void switchSystemBeeperOn();

// Plays short WAV files from a folder ("beep.wav", "default.wav") through one audio stream that stays open while
// beeps come (and closes after a few quiet seconds). The beeps of one kind asked for in one go (before control
// returns to the event loop) play as one sound, the file repeated that many times, so five beeps are heard as five,
// back to back. A new burst cuts what is left of the previous one of its kind, so a beep sounds when it is asked
// for and never waits behind older ones: a metronome's beats stay on time. The two kinds sound together.
class QtSound : public Sound
{
public:
    explicit QtSound(const QString& folder);
    ~QtSound() override;
    void beep(Kind kind) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// A test double that records the beeps.
class CountingSound : public Sound
{
public:
    QList<Kind> beeps;
    void beep(Kind kind) override { beeps.append(kind); }
    int count(Kind kind) const { return int(beeps.count(kind)); }
};
