#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <vector>

// Hearing what the game sends to the sound server: a private PulseAudio server whose only output
// is a null sink, and a recording of that sink's monitor. This process plays to the private server
// once it is started (before the sound output is first opened).
namespace listening {

constexpr int kRecordRate = 48000;

class SoundServer {
public:
    // Starts the server; `error` says why when it could not be started.
    bool Start(QString* error);
    ~SoundServer();

    // Records the null sink from now until Stop(), as mono 16-bit samples at kRecordRate.
    bool StartRecording(QString* error);
    QByteArray StopRecording();

private:
    QTemporaryDir dir_;
    QProcess server_;
    QProcess keepAlive_;
    QProcess recorder_;
    QByteArray recorded_;
};

struct Tone {
    double onsetMs;   // from the start of the recording
    double lengthMs;  // from the first to the last sample above the threshold
};

// The tones in a recording: sound separated by at least 20 ms of silence.
std::vector<Tone> FindTones(const QByteArray& samples);

// How the recorded tones match the instants the game asked for (ms, any origin): the count, and
// the worst error of an onset against its instant, both taken relative to the first.
struct Match {
    int received = 0;
    int due = 0;
    double worstOnsetErrorMs = 0;
    int worstTone = 0;  // its index among the tones
    double shortestMs = 0;
    double longestMs = 0;
};
Match Compare(const std::vector<Tone>& tones, const std::vector<double>& dueMs);

}  // namespace listening
