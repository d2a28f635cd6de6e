#pragma once

#include <QByteArray>
#include <QIODevice>
#include <cstdint>
#include <functional>
#include <vector>

namespace sound {

// The stream the sound output plays while a question beeps: silence, with the tone written in at
// the samples that match the instants asked for. The output reads it without end.
//
// Time is mapped to samples from the stream's first read: a tone due d nanoseconds after that
// read starts `lead` frames plus d worth of frames into the stream. The lead keeps every tone
// beyond what the output has already read ahead, so that the spacing of the tones is exactly the
// spacing of their instants, whatever the rhythm in which the output reads.
//
// The mapping is never corrected from the rhythm of the reading: servers read in bursts of their
// own choosing, and what looks like lateness is most often only that. A server that starts late
// delays every tone alike, which keeps the spacing.
class ToneSource final : public QIODevice {
public:
    using Clock = std::function<std::int64_t()>;  // nanoseconds on the clock of the instants

    ToneSource(QByteArray pcm, int sampleRate, Clock now);

    // Starts a new stream at frame 0, with no tone to come.
    void Restart(std::int64_t leadFrames);
    // The output turned out to read further ahead than first thought: a longer lead from now on.
    void SetLead(std::int64_t leadFrames) { lead_ = leadFrames; }
    // Places the tone due at `dueNs`. A tone whose frame has already been read starts at the next
    // unread one.
    void PlaceTone(std::int64_t dueNs);

    std::int64_t ReadFrames() const { return read_; }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::int64_t FramesOf(std::int64_t ns) const;
    void Place(std::int64_t dueNs);

    QByteArray pcm_;
    int rate_;
    Clock now_;
    std::int64_t toneFrames_;
    std::int64_t lead_ = 0;
    std::int64_t read_ = 0;
    bool started_ = false;
    std::int64_t anchorNs_ = 0;          // the instant of frame 0, less the lead
    std::vector<std::int64_t> pending_;  // instants asked for before the first read
    std::vector<std::int64_t> starts_;   // frames of the tones not yet read to their end
};

}  // namespace sound
