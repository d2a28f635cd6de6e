#pragma once

#include <QByteArray>

namespace tk {

// The sound output is a module of its own, loaded at run time: the multimedia libraries it needs
// are many, and the game should not wait for them to load before it shows its title screen.

// One tone, ready to play on the default sound output.
class ToneOutput {
public:
    virtual ~ToneOutput() = default;
    // Plays the tone from its start, cutting short one still playing. False when the sound
    // device could not be opened.
    virtual bool Play() = 0;
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
