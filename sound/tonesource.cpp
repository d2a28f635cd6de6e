#include "sound/tonesource.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace sound {
namespace {
constexpr qint64 kFrameBytes = sizeof(qint16);
constexpr std::int64_t kNsPerSecond = 1'000'000'000;
}  // namespace

ToneSource::ToneSource(QByteArray pcm, int sampleRate, Clock now)
    : pcm_(std::move(pcm)),
      rate_(sampleRate),
      now_(std::move(now)),
      toneFrames_(pcm_.size() / kFrameBytes) {}

std::int64_t ToneSource::FramesOf(std::int64_t ns) const {
    return ns * rate_ / kNsPerSecond;
}

void ToneSource::Restart(std::int64_t leadFrames) {
    lead_ = leadFrames;
    read_ = 0;
    started_ = false;
    pending_.clear();
    starts_.clear();
}

void ToneSource::PlaceTone(std::int64_t dueNs) {
    if (!started_) {
        pending_.push_back(dueNs);
        return;
    }
    Place(dueNs);
}

void ToneSource::Place(std::int64_t dueNs) {
    starts_.push_back(std::max(lead_ + FramesOf(dueNs - anchorNs_), read_));
}

qint64 ToneSource::bytesAvailable() const {
    // Never runs dry: silence is always there to be read.
    return std::numeric_limits<int>::max() + QIODevice::bytesAvailable();
}

qint64 ToneSource::readData(char* data, qint64 maxSize) {
    if (!started_) {
        started_ = true;
        anchorNs_ = now_();
        for (std::int64_t due : pending_) {
            Place(due);
        }
        pending_.clear();
    }
    const std::int64_t frames = maxSize / kFrameBytes;
    auto* out = reinterpret_cast<qint16*>(data);
    std::memset(out, 0, frames * kFrameBytes);
    const auto* tone = reinterpret_cast<const qint16*>(pcm_.constData());
    const std::int64_t end = read_ + frames;
    for (std::int64_t start : starts_) {
        const std::int64_t from = std::max(start, read_);
        const std::int64_t to = std::min(start + toneFrames_, end);
        for (std::int64_t f = from; f < to; ++f) {
            // Tones that overlap add up rather than cut each other off.
            const int sum = out[f - read_] + tone[f - start];
            out[f - read_] = static_cast<qint16>(std::clamp(sum, -32768, 32767));
        }
    }
    std::erase_if(starts_, [&](std::int64_t start) { return start + toneFrames_ <= end; });
    read_ = end;
    return frames * kFrameBytes;
}

}  // namespace sound
