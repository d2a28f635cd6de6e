#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <vector>

// Hearing what the game sends to the sound server: a private PulseAudio server whose only output
// is a null sink, and a recording of that sink's monitor. Once started, this process plays to it.
namespace listening {

constexpr int kRecordRate = 48000;

class SoundServer {
public:
    ~SoundServer();
    bool Start(QString* error);  // before the sound output is first opened; `error` says why not
    // Records the null sink until StopRecording(), as mono 16-bit samples at kRecordRate.
    bool StartRecording(QString* error);
    QByteArray StopRecording();  // the samples wait in the pipe, read whenever the event loop runs
    int Streams();  // playing to the server now, the one that keeps it running included

private:
    QTemporaryDir dir_;
    QProcess server_, keepAlive_, recorder_;
};

// A sound separated by at least 20 ms of silence, timed from the start of the recording.
struct Tone {
    double onsetMs, lengthMs;
};
std::vector<Tone> FindTones(const QByteArray& samples);

// Recorded tones against the instants the game asked for (ms, any origin), each from its first.
struct Match {
    int received = 0, due = 0;
    double worstOnsetErrorMs = 0, shortestMs = 0, longestMs = 0;
};
Match Compare(const std::vector<Tone>& tones, const std::vector<double>& dueMs);

}  // namespace listening
