#include "support/listening.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace listening {
namespace {

// Generous: a loaded machine may take a while to start a process.
constexpr int kStartLimitMs = 30000;
// A tone is sound above a tenth of full scale; the game's tone peaks at nearly half of it.
constexpr int kThreshold = 3277;
constexpr int kSilenceBetweenTonesMs = 20;
constexpr int kIdleBlockMs = 2500;

}  // namespace

bool SoundServer::Start(QString* error) {
    const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (pulseaudio.isEmpty() || !dir_.isValid()) {
        *error = QStringLiteral("pulseaudio is not installed (tools/deps.sh --test installs it)");
        return false;
    }
    const QString socket = dir_.filePath(QStringLiteral("native"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // A server of its own: its runtime files and its settings stay in the temporary folder.
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.path());
    env.insert(QStringLiteral("HOME"), dir_.path());
    server_.setProcessEnvironment(env);
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.setStandardOutputFile(QProcess::nullDevice());
    server_.start(
        pulseaudio,
        {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
         QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
         QStringLiteral("--log-level=error"), QStringLiteral("--disable-shm=yes"),
         QStringLiteral("--load=module-null-sink sink_name=cap rate=%1 channels=1")
             .arg(kRecordRate),
         QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket});
    if (!server_.waitForStarted(kStartLimitMs)) {
        *error = QStringLiteral("pulseaudio did not start: ") + server_.errorString();
        return false;
    }
    QDeadlineTimer limit(kStartLimitMs);
    while (!QFile::exists(socket)) {
        if (limit.hasExpired() || server_.state() != QProcess::Running) {
            *error = QStringLiteral("pulseaudio did not open its socket");
            return false;
        }
        QThread::msleep(20);
    }
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    qputenv("PULSE_SINK", "cap");
    // A null sink left idle renders two seconds ahead and takes up to that long to start a new
    // stream, where a sound card starts it at once: a low-latency stream of silence keeps it
    // running as a card would, from the moment the block it rendered while idle has run out.
    // Silence adds nothing to the recording.
    const QString pacat = QStandardPaths::findExecutable(QStringLiteral("pacat"));
    keepAlive_.setStandardInputFile(QStringLiteral("/dev/zero"));
    keepAlive_.setStandardOutputFile(QProcess::nullDevice());
    keepAlive_.start(pacat, {QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                             QStringLiteral("--rate=%1").arg(kRecordRate),
                             QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20")});
    if (pacat.isEmpty() || !keepAlive_.waitForStarted(kStartLimitMs)) {
        *error = QStringLiteral("pacat did not start (tools/deps.sh --test installs it)");
        return false;
    }
    QThread::msleep(kIdleBlockMs);
    return true;
}

SoundServer::~SoundServer() {
    for (QProcess* p : {&recorder_, &keepAlive_, &server_}) {
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished(kStartLimitMs);
        }
    }
}

bool SoundServer::StartRecording(QString* error) {
    const QString parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
    if (parec.isEmpty()) {
        *error = QStringLiteral("parec is not installed (tools/deps.sh --test installs it)");
        return false;
    }
    recorded_.clear();
    QObject::connect(&recorder_, &QProcess::readyReadStandardOutput,
                     [this] { recorded_ += recorder_.readAllStandardOutput(); });
    recorder_.start(parec,
                    {QStringLiteral("--device=cap.monitor"), QStringLiteral("--raw"),
                     QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(kRecordRate),
                     QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20")});
    if (!recorder_.waitForStarted(kStartLimitMs)) {
        *error = QStringLiteral("parec did not start: ") + recorder_.errorString();
        return false;
    }
    return true;
}

QByteArray SoundServer::StopRecording() {
    recorder_.terminate();
    recorder_.waitForFinished(kStartLimitMs);
    recorded_ += recorder_.readAllStandardOutput();
    QObject::disconnect(&recorder_, nullptr, nullptr, nullptr);
    return recorded_;
}

std::vector<Tone> FindTones(const QByteArray& samples) {
    const auto* s = reinterpret_cast<const qint16*>(samples.constData());
    const qsizetype count = samples.size() / qsizetype(sizeof(qint16));
    constexpr qsizetype gap = kRecordRate * kSilenceBetweenTonesMs / 1000;
    std::vector<Tone> tones;
    qsizetype first = -1, last = -1;
    auto close = [&] {
        if (first >= 0) {
            tones.push_back({first * 1000.0 / kRecordRate, (last - first) * 1000.0 / kRecordRate});
        }
    };
    for (qsizetype i = 0; i < count; ++i) {
        if (std::abs(int(s[i])) <= kThreshold) {
            continue;
        }
        if (first < 0 || i - last > gap) {
            close();
            first = i;
        }
        last = i;
    }
    close();
    return tones;
}

Match Compare(const std::vector<Tone>& tones, const std::vector<double>& dueMs) {
    Match m;
    m.received = int(tones.size());
    m.due = int(dueMs.size());
    if (tones.empty()) {
        return m;
    }
    m.shortestMs = m.longestMs = tones.front().lengthMs;
    for (const Tone& t : tones) {
        m.shortestMs = std::min(m.shortestMs, t.lengthMs);
        m.longestMs = std::max(m.longestMs, t.lengthMs);
    }
    const std::size_t n = std::min(tones.size(), dueMs.size());
    for (std::size_t i = 0; i < n; ++i) {
        const double error = (tones[i].onsetMs - tones[0].onsetMs) - (dueMs[i] - dueMs[0]);
        if (std::abs(error) > m.worstOnsetErrorMs) {
            m.worstOnsetErrorMs = std::abs(error);
            m.worstTone = int(i);
        }
    }
    return m;
}

}  // namespace listening
