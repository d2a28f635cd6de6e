#include "game/save.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QLockFile>
#include <QSaveFile>
#include <QTimer>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "game/saved_game.h"

namespace game::save {
namespace {

// What the background writer is given: the whole file, and whether the game saved before this
// one must first become the previous game.
struct Job {
    QByteArray text;
    QString folder;
    bool keepPrevious = false;
};

QString Write(const Job& job) {
    if (!QDir().mkpath(job.folder)) {
        return SavedGameTexts::tr("the folder %1 cannot be made").arg(job.folder);
    }
    const QString game = job.folder + QStringLiteral("/game.json");
    // Copied, not moved: until the new game's file replaces it, the old game stays where the next
    // start looks, so a program killed in between still finds it.
    if (job.keepPrevious && QFile::exists(game)) {
        const QString previous = job.folder + QStringLiteral("/previous-game.json");
        QFile::remove(previous);
        QFile::copy(game, previous);
    }
    QSaveFile file(game);
    if (!file.open(QIODevice::WriteOnly) || file.write(job.text) != job.text.size() ||
        !file.commit()) {
        return file.errorString();
    }
    return QString();
}

// Writes the save away from the game's handlers: a click on a judging button must show the board
// at once, not after the disk has synced. Only the newest save matters, so a save given while
// another is being written replaces any that is still waiting.
class Writer {
public:
    // Only at the very end, after the program has flushed its last save: a save still waiting
    // then belongs to a harness, and is dropped.
    ~Writer() {
        {
            std::lock_guard lock(mutex_);
            waiting_.reset();
            stopping_ = true;
        }
        changed_.notify_all();
        if (thread_.joinable()) {
            thread_.join();
        }
    }

    void Give(Job job) {
        std::lock_guard lock(mutex_);
        if (!thread_.joinable()) {
            thread_ = std::thread(&Writer::Loop, this);
        }
        if (waiting_) {
            job.keepPrevious = job.keepPrevious || waiting_->keepPrevious;
        }
        waiting_ = std::move(job);
        changed_.notify_all();
    }

    QString Flush() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !waiting_ && !writing_; });
        return failure_;
    }

    // Whether every save given has been written or has failed, and how the last one went.
    bool Idle(QString* failure) {
        std::lock_guard lock(mutex_);
        *failure = failure_;
        return !waiting_ && !writing_;
    }

private:
    void Loop() {
        std::unique_lock lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] { return waiting_ || stopping_; });
            if (!waiting_) {
                return;
            }
            const Job job = std::move(*waiting_);
            waiting_.reset();
            writing_ = true;
            lock.unlock();
            const QString failure = Write(job);
            lock.lock();
            writing_ = false;
            failure_ = failure;
            changed_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Job> waiting_;
    bool writing_ = false;
    bool stopping_ = false;
    QString failure_;
    std::thread thread_;
};

Writer writer;
// A save usually takes a few milliseconds; how it went is looked at this often until it is done.
constexpr int kReportDelay = 100;

// The game that owns the save, as it is written: the round content once, and every moment
// already in text, so that a save at a rest writes the file without building it anew. The moments
// kept to be taken back share the game's content.
struct Journal {
    bool active = false;
    bool keepPrevious = false;
    QByteArray content;
    std::vector<Match> takeBacks;
    std::vector<QByteArray> takeBackTexts;
    std::optional<Match> pending;  // the open question, just before its outcome
    std::optional<SavedGame> offered;
};

Journal journal;
std::unique_ptr<QLockFile> folderLock;
std::function<void(const QString&)> reporter;

void Report(const QString& failure) {
    if (reporter) {
        reporter(failure);
    }
}

// Looks, from the game's own thread, at how the save went once the writer is done with it. One
// look is pending at a time, however many saves are given meanwhile.
bool lookPending = false;

void ReportWhenWritten() {
    QString failure;
    lookPending = !writer.Idle(&failure);
    if (lookPending) {
        QTimer::singleShot(kReportDelay, QCoreApplication::instance(), &ReportWhenWritten);
    } else {
        Report(failure);
    }
}

void Save(const Match& now) {
    const QByteArray text =
        SavedGameText(QDateTime::currentDateTimeUtc(), now.Finished(), journal.content,
                      MomentText(now.state()), journal.takeBackTexts);
    writer.Give(Job{text, Folder(), journal.keepPrevious});
    journal.keepPrevious = false;
    if (!lookPending && QCoreApplication::instance() != nullptr) {
        lookPending = true;
        QTimer::singleShot(kReportDelay, QCoreApplication::instance(), &ReportWhenWritten);
    }
}

void Keep(Match moment) {
    journal.takeBackTexts.push_back(MomentText(
        moment.state(), journal.takeBacks.empty() ? nullptr : &journal.takeBacks.back().state()));
    journal.takeBacks.push_back(std::move(moment));
    // The oldest is let go; the one after it is now written whole.
    if (journal.takeBacks.size() > std::size_t(kMostTakeBacks)) {
        journal.takeBacks.erase(journal.takeBacks.begin());
        journal.takeBackTexts.erase(journal.takeBackTexts.begin());
        journal.takeBackTexts.front() = MomentText(journal.takeBacks.front().state());
    }
}

// In the game's language: the day and month as the room writes them.
QString When(const QDateTime& saved) {
    const QDateTime local = saved.toLocalTime();
    const QLocale language;
    return local.date() == QDate::currentDate()
               ? language.toString(local.time(), QStringLiteral("HH:mm"))
               : language.toString(local, QStringLiteral("d MMM HH:mm"));
}

}  // namespace

QString Folder() {
    QString home = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative path is not a base directory of the desktop's rules; it is ignored.
    if (home.isEmpty() || QDir::isRelativePath(home)) {
        home = QDir::homePath() + QStringLiteral("/.local/state");
    }
    return home + QStringLiteral("/zapster");
}

QString GameFile() {
    return Folder() + QStringLiteral("/game.json");
}

QString PreviousGameFile() {
    return Folder() + QStringLiteral("/previous-game.json");
}

bool HoldFolder() {
    folderLock.reset();
    if (!QDir().mkpath(Folder())) {
        return true;
    }
    folderLock = std::make_unique<QLockFile>(Folder() + QStringLiteral("/game.lock"));
    // A game lasts far longer than any age at which a lock could be called stale: only a lock
    // whose program is no longer running is taken over.
    folderLock->setStaleLockTime(0);
    if (folderLock->tryLock(0)) {
        return true;
    }
    const bool heldByAnother = folderLock->error() == QLockFile::LockFailedError;
    folderLock.reset();
    return !heldByAnother;
}

void NewGame(const Match& game) {
    journal = Journal{};
    journal.active = true;
    journal.keepPrevious = true;
    journal.content = ContentText(game.content());
}

void AtRest(const Match& game) {
    if (!journal.active) {
        return;
    }
    if (journal.pending) {
        Keep(std::move(*journal.pending));
        journal.pending.reset();
    }
    Save(game);
}

void BeforeOutcome(const Match& game) {
    // A question has one outcome: the first decision stands for the whole question. Taken back,
    // the question is on its answer screen, as when its answer was shown.
    if (journal.active && !journal.pending) {
        journal.pending = game;
        journal.pending->Reveal();
    }
}

bool CanTakeBack() {
    return journal.active && !journal.takeBacks.empty();
}

std::optional<Match> TakeBack() {
    if (!journal.active || journal.takeBacks.empty()) {
        return std::nullopt;
    }
    Match moment = std::move(journal.takeBacks.back());
    journal.takeBacks.pop_back();
    journal.takeBackTexts.pop_back();
    journal.pending.reset();
    return moment;
}

void Finished(const Match& game) {
    if (journal.active) {
        Save(game);
        journal.active = false;
    }
}

Offer Look() {
    journal.offered.reset();
    QFile file(GameFile());
    if (!file.exists()) {
        return {};
    }
    QString why;
    std::optional<SavedGame> saved;
    if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
    } else if (file.size() > kLargestSave) {
        why = SavedGameTexts::tr("it is larger than any game");
    } else {
        saved = ReadSavedGame(file.read(kLargestSave), &why);
    }
    file.close();
    if (!saved) {
        const QString aside = QStringLiteral("game-%1.unusable.json")
                                  .arg(QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss"));
        const bool moved = file.rename(Folder() + '/' + aside);
        return {QString(),
                moved ? SavedGameTexts::tr("The saved game could not be used (%1); it is kept as "
                                           "%2.")
                            .arg(why, aside)
                      : SavedGameTexts::tr("The saved game could not be used (%1); it could not "
                                           "be set aside.")
                            .arg(why)};
    }
    const Match& game = saved->now;
    if (game.Finished() || game.Over()) {
        return {};
    }
    const Setup& setup = game.setup();
    // One pass over every part: a team name with a "%1" in it stays as typed.
    const QString question =
        SavedGameTexts::tr("Resume the game of %1 %2 \u2013 %3 %4, round %5, saved %6?")
            .arg(setup.teamNames[0], QString::number(game.Score(0)), setup.teamNames[1],
                 QString::number(game.Score(1)), QString::number(game.Round()), When(saved->saved));
    journal.offered = std::move(saved);
    return {question, QString()};
}

std::optional<Match> Resume() {
    if (!journal.offered) {
        return std::nullopt;
    }
    SavedGame saved = std::move(*journal.offered);
    journal = Journal{};
    journal.active = true;
    journal.content = ContentText(saved.now.content());
    for (Match& moment : saved.takeBacks) {
        Keep(std::move(moment));
    }
    return std::move(saved.now);
}

void OnReport(std::function<void(const QString& failure)> report) {
    reporter = std::move(report);
}

void Close() {
    writer.Flush();
    journal = Journal{};
    folderLock.reset();
}

QString Flush() {
    const QString failure = writer.Flush();
    Report(failure);
    return failure;
}

}  // namespace game::save
