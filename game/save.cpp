#include "game/save.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QTimer>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "game/saved_game.h"
#include "game/state.h"
#include "screens/answer.h"
#include "screens/board.h"

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
        return QStringLiteral("the folder %1 cannot be made").arg(job.folder);
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
// already in text, so that a save at a rest writes the file without building it anew.
struct Journal {
    bool active = false;
    bool keepPrevious = false;
    QByteArray content;
    std::vector<Moment> takeBacks;
    std::vector<QByteArray> takeBackTexts;
    std::optional<Moment> pending;  // the open question, just before its outcome
    std::optional<SavedGame> offered;
};

Journal journal;

// The board (and, for a question still to be judged, the answer screen) as it stands.
Moment Capture(bool onAnswerScreen) {
    BoardScreen& board = BoardScreen::Get();
    Moment moment{state, {}, {}};
    BoardView& view = moment.board;
    view.roundLabel = board.roundLabel.Caption();
    for (int column = 0; column < BoardScreen::kColumns; ++column) {
        view.categoryTitles[std::size_t(column)] = board.categoryTitles[column].Caption();
        for (int row = 0; row < BoardScreen::kRows; ++row) {
            const std::size_t square = std::size_t(BoardScreen::kRows * column + row);
            view.squareCaptions[square] = board.squares[column][row].Caption();
            view.squareOpen[square] = board.squares[column][row].isEnabled();
        }
    }
    for (int team = 0; team < 2; ++team) {
        view.onTurn[std::size_t(team)] = board.teamScore[team].isEnabled();
        view.teamNames[std::size_t(team)] = board.teamName[team].Caption();
        for (int button = 0; button < BoardScreen::kZapsterButtons; ++button) {
            const std::size_t i = std::size_t(BoardScreen::kZapsterButtons * team + button);
            view.zapsterCaptions[i] = board.zapsterButtons[team][button].Caption();
            view.zapsterEnabled[i] = board.zapsterButtons[team][button].isEnabled();
        }
    }
    view.soundLogoShown = {!board.soundOnLogo.isHidden(), !board.soundOffLogo.isHidden()};
    view.soundLogoEnabled = {board.soundOnLogo.isEnabled(), board.soundOffLogo.isEnabled()};
    if (onAnswerScreen) {
        const AnswerScreen& answer = AnswerScreen::Get();
        moment.answer = AnswerView{answer.answerText.Caption(), answer.points.Caption(),
                                   answer.rightButton.Caption(), answer.wrongButton.Caption()};
    }
    return moment;
}

// The texts of the round content: the questions, the answers and the category titles.
void CopyContentTexts(const State& from, State& to) {
    to.question = from.question;
    to.answer = from.answer;
    to.categoryTitle = from.categoryTitle;
}

// The round content never changes within a game, so a moment kept to be taken back holds none:
// up to ninety copies of every question, each one separate once read back from a file, would be
// most of what the take-backs hold. It gets the content back from the game's own state when it
// is applied.
Moment WithoutContent(Moment moment) {
    CopyContentTexts(State{}, moment.state);
    return moment;
}

void Apply(const Moment& moment) {
    state = moment.state;
    BoardScreen& board = BoardScreen::Get();
    const BoardView& view = moment.board;
    board.roundLabel.SetCaption(view.roundLabel);
    for (int column = 0; column < BoardScreen::kColumns; ++column) {
        board.categoryTitles[column].SetCaption(view.categoryTitles[std::size_t(column)]);
        for (int row = 0; row < BoardScreen::kRows; ++row) {
            const std::size_t square = std::size_t(BoardScreen::kRows * column + row);
            board.squares[column][row].SetCaption(view.squareCaptions[square]);
            board.squares[column][row].setEnabled(view.squareOpen[square]);
        }
    }
    for (int team = 0; team < 2; ++team) {
        board.teamScore[team].SetCaption(QString::number(state.score[std::size_t(team)]));
        board.teamScore[team].setEnabled(view.onTurn[std::size_t(team)]);
        board.teamName[team].SetCaption(view.teamNames[std::size_t(team)]);
        for (int button = 0; button < BoardScreen::kZapsterButtons; ++button) {
            const std::size_t i = std::size_t(BoardScreen::kZapsterButtons * team + button);
            board.zapsterButtons[team][button].SetCaption(view.zapsterCaptions[i]);
            board.zapsterButtons[team][button].setEnabled(view.zapsterEnabled[i]);
        }
    }
    tk::Picture* logos[] = {&board.soundOnLogo, &board.soundOffLogo};
    for (std::size_t i = 0; i < 2; ++i) {
        logos[i]->setVisible(view.soundLogoShown[i]);
        logos[i]->setEnabled(view.soundLogoEnabled[i]);
    }
    if (moment.answer) {
        AnswerScreen& answer = AnswerScreen::Get();
        answer.answerText.SetCaption(moment.answer->answer);
        answer.points.SetCaption(moment.answer->points);
        answer.rightButton.SetCaption(moment.answer->rightCaption);
        answer.wrongButton.SetCaption(moment.answer->wrongCaption);
    }
}

// The board says once, in its banner, that the game is not being saved, and stops saying it when
// a save succeeds again. The room's game goes on either way.
void Report(const QString& failure) {
    if (!BoardScreen::Loaded() || BoardScreen::Get().Unloaded()) {
        return;
    }
    tk::Label& warning = BoardScreen::Get().saveWarning;
    warning.SetCaption(QStringLiteral("This game cannot be saved: ") + failure);
    warning.setVisible(!failure.isEmpty());
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

void Save(const Moment& now, bool finished) {
    const QByteArray text = SavedGameText(QDateTime::currentDateTimeUtc(), finished,
                                          journal.content, MomentText(now), journal.takeBackTexts);
    writer.Give(Job{text, Folder(), journal.keepPrevious});
    journal.keepPrevious = false;
    if (!lookPending && QCoreApplication::instance() != nullptr) {
        lookPending = true;
        QTimer::singleShot(kReportDelay, QCoreApplication::instance(), &ReportWhenWritten);
    }
}

QString When(const QDateTime& saved) {
    const QDateTime local = saved.toLocalTime();
    const QLocale english(QLocale::English);
    return local.date() == QDate::currentDate()
               ? english.toString(local.time(), QStringLiteral("HH:mm"))
               : english.toString(local, QStringLiteral("d MMM HH:mm"));
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

void NewGame() {
    journal = Journal{};
    journal.active = true;
    journal.keepPrevious = true;
    journal.content = ContentText(state);
}

void AtRest(bool onAnswerScreen) {
    if (!journal.active) {
        return;
    }
    if (journal.pending) {
        journal.takeBackTexts.push_back(MomentText(*journal.pending));
        journal.takeBacks.push_back(WithoutContent(std::move(*journal.pending)));
        journal.pending.reset();
    }
    Save(Capture(onAnswerScreen), false);
}

void BeforeOutcome() {
    // A question has one outcome: the first decision stands for the whole question.
    if (journal.active && !journal.pending) {
        journal.pending = Capture(true);
    }
}

bool TakeBack() {
    if (!journal.active || journal.takeBacks.empty()) {
        return false;
    }
    Moment moment = std::move(journal.takeBacks.back());
    journal.takeBacks.pop_back();
    journal.takeBackTexts.pop_back();
    journal.pending.reset();
    CopyContentTexts(state, moment.state);
    Apply(moment);
    return true;
}

void Finished() {
    if (journal.active) {
        Save(Capture(false), true);
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
        why = QStringLiteral("it is larger than any game");
    } else {
        saved = ReadSavedGame(file.read(kLargestSave), &why);
    }
    file.close();
    if (!saved) {
        const QString aside = QStringLiteral("game-%1.unusable.json")
                                  .arg(QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss"));
        const bool moved = file.rename(Folder() + '/' + aside);
        return {QString(), QStringLiteral("The saved game could not be used (%1); %2.")
                               .arg(why, moved ? QStringLiteral("it is kept as ") + aside
                                               : QStringLiteral("it could not be set aside"))};
    }
    const State& s = saved->now.state;
    if (saved->finished || s.round < 1 || s.round > s.roundsToPlay) {
        return {};
    }
    const BoardView& board = saved->now.board;
    // One pass over every part: a team name with a "%1" in it stays as typed.
    const QString question =
        QStringLiteral("Resume the game of %1 %2 \u2013 %3 %4, round %5, saved %6?")
            .arg(board.teamNames[0], QString::number(s.score[0]), board.teamNames[1],
                 QString::number(s.score[1]), QString::number(s.round), When(saved->saved));
    journal.offered = std::move(saved);
    return {question, QString()};
}

bool Resume(bool* onAnswerScreen) {
    if (!journal.offered) {
        return false;
    }
    SavedGame saved = std::move(*journal.offered);
    journal = Journal{};
    journal.active = true;
    journal.content = ContentText(saved.now.state);
    for (Moment& moment : saved.takeBacks) {
        journal.takeBackTexts.push_back(MomentText(moment));
        journal.takeBacks.push_back(WithoutContent(std::move(moment)));
    }
    Apply(saved.now);
    *onAnswerScreen = saved.now.answer.has_value();
    return true;
}

void Close() {
    writer.Flush();
    journal = Journal{};
}

QString Flush() {
    const QString failure = writer.Flush();
    Report(failure);
    return failure;
}

}  // namespace game::save
