#include "Sound.h"

#include <QSoundEffect>
#include <QUrl>

QtSound::QtSound(const QString& folder) : m_folder(folder) {}

QtSound::~QtSound() = default;

QSoundEffect* QtSound::effect(Kind kind)
{
    auto& slot = m_effects[kind];
    if (!slot) {
        // Created on first use: the audio back end takes a while to start and most runs never beep.
        slot = std::make_unique<QSoundEffect>();
        slot->setSource(QUrl::fromLocalFile(m_folder + (kind == SimpleBeep ? "beep.wav" : "default.wav")));
        const auto finished = [this, e = slot.get()] {
            if (m_playing == e && (!e->isPlaying() || e->status() == QSoundEffect::Error)) {
                m_playing = nullptr;
                playNext();
            }
        };
        QObject::connect(slot.get(), &QSoundEffect::playingChanged, slot.get(), finished);
        QObject::connect(slot.get(), &QSoundEffect::statusChanged, slot.get(), finished);
    }
    return slot.get();
}

void QtSound::beep(Kind kind)
{
    m_pending.append(kind);
    if (!m_playing)
        playNext();
}

void QtSound::playNext()
{
    // A long queue would lag behind the trainer; beeps beyond a few are dropped.
    while (m_pending.size() > 16)
        m_pending.removeFirst();
    while (!m_pending.isEmpty()) {
        QSoundEffect* e = effect(m_pending.takeFirst());
        if (e->status() == QSoundEffect::Error)
            continue;
        m_playing = e;
        e->play();
        return;
    }
}
