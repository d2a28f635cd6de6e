// The sound output module: plays the beep's tone through Qt Multimedia.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QTimer>

#include "toolkit/tonemodule.h"

namespace {

constexpr int kCloseAfterMs = 1000;

class AudioTone final : public QObject, public tk::ToneOutput {
public:
    AudioTone(const QAudioDevice& device, const QAudioFormat& format, const QByteArray& pcm)
        : sink_(new QAudioSink(device, format, this)) {
        tone_.setData(pcm);
        // Once the tone has played, the stream is closed: a quiet board wakes nobody. Idle only
        // means the tone has been handed to the sound server, so the stream stays open a little
        // longer rather than cut the tone short.
        closer_.setSingleShot(true);
        closer_.setInterval(kCloseAfterMs);
        QObject::connect(&closer_, &QTimer::timeout, this, [this] {
            if (sink_->state() == QAudio::IdleState) {
                sink_->stop();
            }
        });
        QObject::connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            if (state == QAudio::IdleState) {
                closer_.start();
            }
        });
    }

    bool Play() override {
        sink_->stop();
        tone_.close();
        tone_.open(QIODevice::ReadOnly);
        sink_->start(&tone_);
        return sink_->error() != QAudio::OpenError;
    }

private:
    QBuffer tone_;
    QAudioSink* sink_;
    QTimer closer_{this};
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
    return new AudioTone(device, format, pcm);
}

// The game looks the entry point up by name and calls it through this type.
static_assert(std::is_same_v<decltype(&zapster_open_tone_output), tk::OpenToneOutput>);
