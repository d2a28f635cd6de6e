#include "toolkit/beep.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <cmath>
#include <numbers>

namespace tk {
namespace {

// The beep is a short tone made in memory: on a Linux desktop the X11 bell is usually silent, and
// the room must hear the time running out.
constexpr int kSampleRate = 48000;
constexpr double kFrequency = 880.0;
constexpr int kToneMs = 60;
constexpr int kFadeMs = 5;  // soft edges, so the tone does not click
constexpr double kVolume = 0.45;
constexpr int kCloseAfterMs = 1000;

QByteArray MakeTone() {
    constexpr int samples = kSampleRate * kToneMs / 1000;
    constexpr int fade = kSampleRate * kFadeMs / 1000;
    QByteArray pcm(samples * static_cast<int>(sizeof(qint16)), Qt::Uninitialized);
    auto* out = reinterpret_cast<qint16*>(pcm.data());
    for (int i = 0; i < samples; ++i) {
        const double edge = std::min({1.0, double(i) / fade, double(samples - 1 - i) / fade});
        const double wave = std::sin(2.0 * std::numbers::pi * kFrequency * i / kSampleRate);
        out[i] = static_cast<qint16>(std::lround(wave * edge * kVolume * 32767.0));
    }
    return pcm;
}

enum class Output { Unknown, Audio, Bell };

// Plays the tone on a thread of its own, so that opening the audio device, or a slow sound
// server, never holds up a click or a timer tick of the game.
class TonePlayer : public QObject {
public:
    std::atomic<Output> output{Output::Unknown};

    void Open() {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        QAudioFormat format;
        format.setSampleRate(kSampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (device.isNull() || !device.isFormatSupported(format)) {
            output = Output::Bell;
            return;
        }
        tone_.setData(MakeTone());
        sink_ = new QAudioSink(device, format, this);
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
        output = Output::Audio;
    }

    void Play() {
        if (sink_ == nullptr) {
            return;
        }
        sink_->stop();
        tone_.close();
        tone_.open(QIODevice::ReadOnly);
        sink_->start(&tone_);
        if (sink_->error() == QAudio::OpenError) {
            output = Output::Bell;
        }
    }

private:
    QBuffer tone_;
    QAudioSink* sink_ = nullptr;
    QTimer closer_{this};
};

struct Beeper {
    QThread thread;
    TonePlayer* player = nullptr;

    Beeper() {
        player = new TonePlayer;
        player->moveToThread(&thread);
        QObject::connect(&thread, &QThread::finished, player, &QObject::deleteLater);
        thread.setObjectName(QStringLiteral("beep"));
        thread.start();
        QMetaObject::invokeMethod(
            player, [p = player] { p->Open(); }, Qt::QueuedConnection);
        // Ended with the application, before Qt's own objects go away.
        qAddPostRoutine([] { Instance(false)->Stop(); });
    }

    void Stop() {
        thread.quit();
        thread.wait();
    }

    static Beeper* Instance(bool create = true) {
        static Beeper* beeper = nullptr;
        if (beeper == nullptr && create && QCoreApplication::instance() != nullptr) {
            beeper = new Beeper;
        }
        return beeper;
    }
};

std::function<void()>& Listener() {
    static std::function<void()> listener;
    return listener;
}

}  // namespace

void PrepareBeep() {
    Beeper::Instance();
}

void Beep() {
    if (Listener()) {
        Listener()();
    }
    Beeper* beeper = Beeper::Instance();
    if (beeper == nullptr) {
        return;
    }
    if (beeper->player->output == Output::Bell) {
        QApplication::beep();
        return;
    }
    // Queued to the audio thread: the caller goes on at once.
    QMetaObject::invokeMethod(
        beeper->player, [p = beeper->player] { p->Play(); }, Qt::QueuedConnection);
}

void SetBeepListener(std::function<void()> listener) {
    Listener() = std::move(listener);
}

}  // namespace tk
