#include "Sound.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QMutex>
#include <QTimer>
#include <QVector>
#include <QtEndian>
#include <limits>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

void switchSystemBeeperOn()
{
#ifdef Q_OS_WIN
    SystemParametersInfoA(SPI_SETBEEP, TRUE, nullptr, SPIF_UPDATEINIFILE);
#endif
}

namespace {

constexpr int kRate = 44100;
// About 100 ms of sound waits in the stream: a beep follows its call by that much, always the same, and the stream
// does not run dry on a busy machine (with 60 ms, pips were cut short under load).
constexpr int kBufferBytes = kRate * 2 * 100 / 1000;
// The stream closes after this much silence; the next beep opens it again.
constexpr int kIdleCloseMs = 5000;

// The samples of a PCM WAV file (8 or 16 bits, any number of channels, any rate) as 16-bit mono at kRate; empty
// when the file cannot be read or holds something else.
QVector<qint16> readWav(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE")
        return {};

    int channels = 0, rate = 0, bits = 0;
    QByteArray pcm;
    for (qsizetype at = 12; at + 8 <= data.size();) {
        const QByteArray id = data.mid(at, 4);
        const qsizetype size = qFromLittleEndian<quint32>(data.constData() + at + 4);
        const char* body = data.constData() + at + 8;
        const qsizetype available = qMin<qsizetype>(size, data.size() - at - 8);
        if (id == "fmt " && available >= 16) {
            if (qFromLittleEndian<quint16>(body) != 1) // PCM only
                return {};
            channels = qFromLittleEndian<quint16>(body + 2);
            rate = int(qFromLittleEndian<quint32>(body + 4));
            bits = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data") {
            pcm = QByteArray(body, available);
        }
        at += 8 + size + (size & 1);
    }
    if (channels <= 0 || rate <= 0 || (bits != 8 && bits != 16) || pcm.isEmpty())
        return {};

    const int frameBytes = channels * bits / 8;
    const qsizetype frames = pcm.size() / frameBytes;
    QVector<int> mono(frames);
    for (qsizetype f = 0; f < frames; ++f) {
        int sum = 0;
        for (int c = 0; c < channels; ++c) {
            const char* sample = pcm.constData() + f * frameBytes + c * bits / 8;
            sum += bits == 16 ? qFromLittleEndian<qint16>(sample) : (int(quint8(*sample)) - 128) * 256;
        }
        mono[f] = sum / channels;
    }

    // Linear interpolation to the stream's rate.
    const qsizetype outFrames = frames * kRate / rate;
    QVector<qint16> out(outFrames);
    for (qsizetype i = 0; i < outFrames; ++i) {
        const double x = double(i) * rate / kRate;
        const qsizetype k = qsizetype(x);
        const double t = x - double(k);
        const int a = mono[k];
        const int b = k + 1 < frames ? mono[k + 1] : a;
        out[i] = qint16(a + (b - a) * t);
    }
    return out;
}

// The source the audio stream pulls from: the sounds that play now, mixed, and silence around them.
class Voices : public QIODevice
{
public:
    // Plays samples repeats times from their start, in place of what the voice played.
    void start(int voice, const QVector<qint16>* samples, int repeats)
    {
        QMutexLocker lock(&m_mutex);
        m_voices[voice] = {samples, qint64(samples->size()) * repeats, 0};
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return std::numeric_limits<int>::max(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        QMutexLocker lock(&m_mutex);
        const qint64 count = maxSize / 2;
        auto* out = reinterpret_cast<qint16*>(data);
        for (qint64 i = 0; i < count; ++i) {
            int sum = 0;
            for (Voice& v : m_voices) {
                if (v.left <= 0)
                    continue;
                sum += (*v.samples)[v.position];
                if (++v.position == v.samples->size())
                    v.position = 0;
                --v.left;
            }
            out[i] = qint16(qBound(-32768, sum, 32767));
        }
        return count * 2;
    }

    qint64 writeData(const char*, qint64) override { return -1; }

private:
    struct Voice
    {
        const QVector<qint16>* samples = nullptr;
        qint64 left = 0;
        qsizetype position = 0;
    };
    QMutex m_mutex;
    Voice m_voices[2];
};

} // namespace

struct QtSound::Private
{
    QString folder;
    QVector<qint16> samples[2];
    bool loaded[2] = {false, false};
    int requested[2] = {0, 0};
    Voices voices;
    std::unique_ptr<QAudioSink> sink;
    // Receives the deferred call that plays the requested beeps and runs the idle timer; deleting it drops a call
    // still pending.
    QObject context;
    QTimer idle;

    const QVector<qint16>& sound(Kind kind)
    {
        if (!loaded[kind]) {
            loaded[kind] = true;
            samples[kind] = readWav(folder + (kind == SimpleBeep ? "beep.wav" : "default.wav"));
        }
        return samples[kind];
    }

    // Opens the stream on the default output when it is not open; false when there is none to open.
    bool open()
    {
        if (sink && sink->state() != QAudio::StoppedState)
            return true;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return false;
        QAudioFormat format;
        format.setSampleRate(kRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format))
            return false;
        sink = std::make_unique<QAudioSink>(device, format);
        sink->setBufferSize(kBufferBytes);
        if (!voices.isOpen())
            voices.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        sink->start(&voices);
        return sink->error() == QAudio::NoError;
    }

    void playRequested()
    {
        qint64 longest = 0;
        for (const Kind kind : {SimpleBeep, DefaultSound}) {
            const int repeats = std::exchange(requested[kind], 0);
            if (repeats == 0)
                continue;
            const QVector<qint16>& played = sound(kind);
            if (played.isEmpty())
                continue;
            voices.start(kind, &played, repeats);
            longest = qMax(longest, qint64(played.size()) * repeats * 1000 / kRate);
        }
        if (longest == 0 || !open())
            return;
        idle.start(int(qMin<qint64>(longest + kIdleCloseMs, std::numeric_limits<int>::max())));
    }
};

QtSound::QtSound(const QString& folder) : d(std::make_unique<Private>())
{
    d->folder = folder;
    d->idle.setSingleShot(true);
    QObject::connect(&d->idle, &QTimer::timeout, &d->context, [p = d.get()] {
        if (p->sink)
            p->sink->stop();
    });
}

QtSound::~QtSound()
{
    if (d->sink)
        d->sink->stop();
}

void QtSound::beep(Kind kind)
{
    if (d->requested[SimpleBeep] == 0 && d->requested[DefaultSound] == 0)
        QMetaObject::invokeMethod(
            &d->context, [p = d.get()] { p->playRequested(); }, Qt::QueuedConnection);
    ++d->requested[kind];
}
