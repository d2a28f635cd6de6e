#include "support/listening.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <algorithm>
#include <cmath>

namespace listening {
namespace {

constexpr int kStartLimitMs = 30000;  // generous: a loaded machine starts processes slowly
constexpr int kThreshold = 3277;  // a tenth of full scale; the game's tone peaks near half of it
// What pacat and parec send and receive: raw mono samples, in small blocks.
const QStringList kStream{"--raw", "--format=s16le", QStringLiteral("--rate=%1").arg(kRecordRate),
                          "--channels=1", "--latency-msec=20"};

// `error` is set either way: it also stands for a server that dies before it opens its socket.
bool Launch(QProcess& process, const QString& name, const QStringList& args, QString* error) {
    process.start(name, args);
    *error = name + " did not start (tools/deps.sh --test installs it)";
    return process.waitForStarted(kStartLimitMs);
}

}  // namespace

bool SoundServer::Start(QString* error) {
    // A server of its own: its runtime files and its settings stay in the temporary folder.
    const QString dir = dir_.path(), socket = dir_.filePath("native");
    server_.setEnvironment(QProcess::systemEnvironment()
                           << "XDG_RUNTIME_DIR=" + dir << "XDG_CONFIG_HOME=" + dir
                           << "HOME=" + dir);
    server_.setProcessChannelMode(QProcess::ForwardedChannels);
    Launch(server_, "pulseaudio",
           {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--log-level=error",
            "--disable-shm=yes",
            QStringLiteral("--load=module-null-sink sink_name=cap rate=%1 channels=1")
                .arg(kRecordRate),
            "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket},
           error);
    for (QDeadlineTimer limit(kStartLimitMs); !QFile::exists(socket); QThread::msleep(20)) {
        if (limit.hasExpired() || server_.state() != QProcess::Running) {
            return false;
        }
    }
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    qputenv("PULSE_SINK", "cap");
    // An idle null sink renders two seconds ahead, so a new stream waits that long; a stream of
    // silence keeps it running as a sound card would, once that rendered block has run out.
    keepAlive_.setStandardInputFile("/dev/zero");
    const bool started = Launch(keepAlive_, "pacat", kStream, error);
    QThread::msleep(2500);
    return started;
}

SoundServer::~SoundServer() {
    for (QProcess* process : {&recorder_, &keepAlive_, &server_}) {
        process->kill();
        process->waitForFinished(kStartLimitMs);
    }
}

bool SoundServer::StartRecording(QString* error) {
    return Launch(recorder_, "parec", QStringList{"--device=cap.monitor"} + kStream, error);
}

QByteArray SoundServer::StopRecording() {
    recorder_.terminate();
    recorder_.waitForFinished(kStartLimitMs);
    return recorder_.readAllStandardOutput();
}

int SoundServer::Streams() {
    QProcess pactl;
    pactl.start("pactl", {"list", "short", "sink-inputs"});
    pactl.waitForFinished(kStartLimitMs);
    return int(pactl.readAllStandardOutput().count('\n'));
}

std::vector<Tone> FindTones(const QByteArray& samples) {
    const auto* s = reinterpret_cast<const qint16*>(samples.constData());
    std::vector<Tone> tones;
    qsizetype last = 0;
    for (qsizetype i = 0; i < samples.size() / 2; ++i) {
        if (std::abs(int(s[i])) > kThreshold) {
            if (tones.empty() || i - last > kRecordRate / 50) {  // after 20 ms of silence
                tones.push_back({i * 1000.0 / kRecordRate, 0});
            }
            tones.back().lengthMs = i * 1000.0 / kRecordRate - tones.back().onsetMs;
            last = i;
        }
    }
    return tones;
}

Match Compare(const std::vector<Tone>& tones, const std::vector<double>& dueMs) {
    Match m{int(tones.size()), int(dueMs.size())};
    for (std::size_t i = 0; i < tones.size(); ++i) {
        m.shortestMs = i == 0 ? tones[i].lengthMs : std::min(m.shortestMs, tones[i].lengthMs);
        m.longestMs = std::max(m.longestMs, tones[i].lengthMs);
        const double error =
            i < dueMs.size() ? tones[i].onsetMs - tones[0].onsetMs - (dueMs[i] - dueMs[0]) : 0;
        m.worstOnsetErrorMs = std::max(m.worstOnsetErrorMs, std::abs(error));
    }
    return m;
}

}  // namespace listening
