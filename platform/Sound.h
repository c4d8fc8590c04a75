#pragma once

#include <QList>
#include <QString>
#include <memory>

class QSoundEffect;

// The system beeps the trainers use.
class Sound
{
public:
    enum Kind { SimpleBeep, DefaultSound };
    virtual ~Sound() = default;
    virtual void beep(Kind kind) = 0;
};

// Plays short WAV files from a folder ("beep.wav", "default.wav"). Beeps asked for while one plays follow it one
// after the other, so five beeps are heard as five.
class QtSound : public Sound
{
public:
    explicit QtSound(const QString& folder);
    ~QtSound() override;
    void beep(Kind kind) override;

private:
    void playNext();
    QSoundEffect* effect(Kind kind);

    QString m_folder;
    std::unique_ptr<QSoundEffect> m_effects[2];
    QList<Kind> m_pending;
    QSoundEffect* m_playing = nullptr;
};

// A test double that records the beeps.
class CountingSound : public Sound
{
public:
    QList<Kind> beeps;
    void beep(Kind kind) override { beeps.append(kind); }
    int count(Kind kind) const { return int(beeps.count(kind)); }
};
