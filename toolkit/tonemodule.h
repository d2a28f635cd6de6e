#pragma once

#include <QByteArray>
#include <chrono>
#include <cstdint>

namespace tk {

// The sound output is a module of its own, loaded at run time: the multimedia libraries it needs
// are many, and the game should not wait for them to load before it shows its title screen.

// The clock of the instants the game asks tones for, in nanoseconds.
inline std::int64_t SteadyNowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// One tone, played on the default sound output at the instants the game asks for.
class ToneOutput {
public:
    virtual ~ToneOutput() = default;
    // Opens the output for tones to come within the next second or two, so that the first of
    // them is as much in time as the rest. False when the sound device could not be opened.
    virtual bool Ready() = 0;
    // Plays the tone at `dueNs` on the steady clock (SteadyNowNs), keeping the
    // spacing between tones exactly as asked: the whole output is delayed by the same small amount,
    // never one tone more than another. A tone whose instant has passed plays as soon as it can.
    // False when the sound device could not be opened.
    virtual bool Play(std::int64_t dueNs) = 0;
    // No more tones for now: the output closes once the last one has been heard.
    virtual void Release() = 0;
};

// The module's one entry point: a mono 16-bit tone at `sampleRate` on the default output, or null
// where there is no output that plays it. The output belongs to the calling thread, which must
// run an event loop.
using OpenToneOutput = ToneOutput* (*)(const QByteArray& pcm, int sampleRate);

// Found through the game's own library path (next to the program in the build, under the library
// directory once installed).
inline constexpr char kToneModule[] = "libzapster_sound.so";
inline constexpr char kOpenToneOutput[] = "zapster_open_tone_output";

}  // namespace tk
