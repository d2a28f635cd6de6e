// The sound output module: one stream that plays the beep's tone through Qt Multimedia.
//
// A question's beeps are not played one stream each: starting and stopping a stream for every beep
// lets the sound server drop tones and puts each onset at the mercy of how long the stream takes to
// start. Instead one stream runs while the question beeps, always fed: silence, with the tone
// written in at the sample that matches the instant the game asked for (see ToneSource). The
// spacing of the beeps is then the spacing of the samples, whatever the reading rhythm of the sound
// server or the load of the machine.
//
// The stream is fed by this module's own clock (push mode): every few milliseconds it is topped up
// to its full buffer. Left to pull in whole periods, Qt's output can stop short of the buffer the
// server waits for before it starts playing, and the first beeps of a question go unheard.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>
#include <memory>

#include "sound/tonesource.h"
#include "toolkit/tonemodule.h"

namespace {

// The buffer asked of the sound server: small, so that a tone is heard soon after its instant, yet
// enough to ride out a busy moment of the machine without running dry. A machine busy on both
// cores can hold this thread up for well over 100 ms; a stream that runs dry then plays a gap,
// which cuts a tone in two and puts every later tone late. Every tone a little later, all alike,
// still goes with its step of the bar; a stutter is heard by everyone in the room.
constexpr int kBufferMs = 200;
// How often the stream is topped up.
constexpr int kFeedEveryMs = 10;
// Beyond the buffer, how late every tone is placed: room for the feeding rhythm and a late
// wake-up of this thread.
constexpr int kSpareMs = 60;
// Beeps come at most a second apart while a question runs: a stream that has had none for longer
// than this is closed, so that an idle board keeps no stream awake.
constexpr int kCloseAfterMs = 2500;
// Once the game says the beeps have stopped: long enough for the last tone to be heard.
constexpr int kReleaseAfterMs = 500;

class AudioTone final : public QObject, public tk::ToneOutput {
public:
    AudioTone(const QAudioFormat& format, const QByteArray& pcm)
        : format_(format), source_(pcm, format.sampleRate(), tk::SteadyNowNs) {
        closer_.setSingleShot(true);
        QObject::connect(&closer_, &QTimer::timeout, this, [this] { Close(); });
        feeder_.setTimerType(Qt::PreciseTimer);
        feeder_.setInterval(kFeedEveryMs);
        QObject::connect(&feeder_, &QTimer::timeout, this, [this] { Feed(); });
    }

    ~AudioTone() override { Close(); }

    bool Ready() override {
        if (sink_ != nullptr && sink_->state() == QAudio::StoppedState) {
            Close();  // the server went away or the stream broke: try a new one
        }
        if (sink_ == nullptr && !Open()) {
            return false;
        }
        closer_.start(kCloseAfterMs);
        return true;
    }

    void Release() override {
        if (sink_ != nullptr) {
            closer_.start(kReleaseAfterMs);
        }
    }

    bool Play(std::int64_t dueNs) override {
        if (!Ready()) {
            return false;
        }
        source_.PlaceTone(dueNs);
        return true;
    }

private:
    bool Open() {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            return false;
        }
        sink_ = std::make_unique<QAudioSink>(device, format_);
        const qsizetype asked = format_.bytesForDuration(kBufferMs * 1000);
        sink_->setBufferSize(asked);
        source_.Restart(LeadFor(asked));
        source_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        stream_ = sink_->start();
        if (stream_ == nullptr || sink_->error() != QAudio::NoError) {
            Close();
            return false;
        }
        // The server may have granted a larger buffer than asked for.
        source_.SetLead(LeadFor(std::max<qsizetype>(sink_->bufferSize(), asked)));
        Feed();
        feeder_.start();
        return true;
    }

    void Feed() {
        const qsizetype bytes = format_.bytesForFrames(format_.framesForBytes(sink_->bytesFree()));
        if (bytes <= 0) {
            return;
        }
        chunk_.resize(bytes);
        source_.read(chunk_.data(), bytes);
        stream_->write(chunk_.constData(), bytes);
    }

    std::int64_t LeadFor(qsizetype bufferBytes) const {
        return format_.framesForBytes(bufferBytes) + format_.framesForDuration(kSpareMs * 1000);
    }

    void Close() {
        closer_.stop();
        feeder_.stop();
        stream_ = nullptr;
        if (sink_ != nullptr) {
            sink_->stop();
            sink_.reset();
        }
        source_.close();
    }

    QAudioFormat format_;
    sound::ToneSource source_;
    std::unique_ptr<QAudioSink> sink_;
    QIODevice* stream_ = nullptr;  // belongs to the sink
    QByteArray chunk_;
    QTimer closer_{this};
    QTimer feeder_{this};
};

}  // namespace

extern "C" Q_DECL_EXPORT tk::ToneOutput* zapster_open_tone_output(const QByteArray& pcm,
                                                                  int sampleRate) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format)) {
        return nullptr;
    }
    return new AudioTone(format, pcm);
}

// The game looks the entry point up by name and calls it through this type.
static_assert(std::is_same_v<decltype(&zapster_open_tone_output), tk::OpenToneOutput>);
