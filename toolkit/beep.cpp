#include "toolkit/beep.h"

#include <dlfcn.h>

#include <QApplication>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <cmath>
#include <memory>
#include <numbers>

#include "toolkit/timer.h"
#include "toolkit/tonemodule.h"

namespace tk {
namespace {

// The beep is a short tone made in memory: on a Linux desktop the X11 bell is usually silent, and
// the room must hear the time running out.
constexpr int kSampleRate = 48000;
constexpr double kFrequency = 880.0;
constexpr int kToneMs = 60;
constexpr int kFadeMs = 5;  // soft edges, so the tone does not click
constexpr double kVolume = 0.45;
// Long enough for the title screen to be up: loading the sound module alongside the start-up
// would hold it up, as the two take turns on the process's loader and on the processor.
constexpr int kPrepareAfterMs = 1000;

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

// Plays the tone on a thread of its own, so that loading the sound module, opening the audio
// device, or a slow sound server never holds up a click or a timer tick of the game.
class TonePlayer : public QObject {
public:
    std::atomic<Output> output{Output::Unknown};

    void Open() {
        // The module stays loaded for the rest of the game: the multimedia libraries keep threads
        // and registrations of their own that must not be pulled from under them.
        void* module = dlopen(kToneModule, RTLD_NOW | RTLD_LOCAL);
        const auto open = module == nullptr
                              ? nullptr
                              : reinterpret_cast<OpenToneOutput>(dlsym(module, kOpenToneOutput));
        tone_.reset(open == nullptr ? nullptr : open(MakeTone(), kSampleRate));
        output = tone_ != nullptr ? Output::Audio : Output::Bell;
    }

    void Ready() {
        if (tone_ != nullptr && !tone_->Ready()) {
            output = Output::Bell;
        }
    }

    void Release() {
        if (tone_ != nullptr) {
            tone_->Release();
        }
    }

    void Play(std::int64_t dueNs) {
        if (tone_ != nullptr && !tone_->Play(dueNs)) {
            output = Output::Bell;
        }
    }

private:
    std::unique_ptr<ToneOutput> tone_;
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
    // The first beep is a question away; a beep before then opens the output itself.
    QTimer::singleShot(kPrepareAfterMs, [] { Beeper::Instance(); });
}

void OpenBeepOutput() {
    if (!clock::IsManual()) {
        Beeper::Instance();
    }
}

void Beep() {
    if (Listener()) {
        Listener()();
    }
    // On the manual clock a whole question passes in an instant: its beeps are for the listener.
    Beeper* beeper = clock::IsManual() ? nullptr : Beeper::Instance();
    if (beeper == nullptr) {
        return;
    }
    if (beeper->player->output == Output::Bell) {
        QApplication::beep();
        return;
    }
    // The beep is due at its tick's instant, not when the tick got to run: the sound output keeps
    // the spacing the game asked for even when the game's thread was held up.
    const std::int64_t dueNs = SteadyNowNs() - clock::Lateness() * 1'000'000;
    // Queued to the audio thread: the caller goes on at once.
    QMetaObject::invokeMethod(
        beeper->player, [p = beeper->player, dueNs] { p->Play(dueNs); }, Qt::QueuedConnection);
}

void ReadyBeep(const Timer& beepTimer) {
    Beeper* beeper = clock::IsManual() ? nullptr : Beeper::Instance();
    if (beeper == nullptr || beeper->player->output == Output::Bell) {
        return;
    }
    QMetaObject::invokeMethod(
        beeper->player, [p = beeper->player] { p->Ready(); }, Qt::QueuedConnection);
    // The stream is let go as soon as the beeps stop, so that the board is quiet at once.
    QObject::connect(&beepTimer, &Timer::Stopped, beeper->player, &TonePlayer::Release,
                     Qt::QueuedConnection);
}

bool BeepOutputSettled() {
    Beeper* beeper = Beeper::Instance(false);
    return beeper != nullptr && beeper->player->output != Output::Unknown;
}

void SetBeepListener(std::function<void()> listener) {
    Listener() = std::move(listener);
}

}  // namespace tk
