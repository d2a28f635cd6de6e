#include "screens/question.h"

#include "game/save.h"
#include "game/state.h"
#include "screens/answer.h"
#include "screens/board.h"
#include "screens/game_over.h"
#include "toolkit/beep.h"
#include "toolkit/look.h"

using namespace game;

namespace {

constexpr int kBlue = 0x0000C0;  // the screen's own background
constexpr int kRed = 0xFF0000;
constexpr int kGreen = 0x008000;
constexpr int kYellow = 0xFFFF00;
constexpr int kWhite = 0xFFFFFF;
const QString kTimeIsUp = QStringLiteral("Time Is Up!");

// The bar grows by one step a second; its length in characters sets its colour and the beeps.
constexpr qsizetype kGreenUpTo = 18;  // 9 steps
constexpr qsizetype kRedFrom = 40;    // 20 steps
constexpr int kSlowBeep = 1000;
constexpr int kMediumBeep = 500;
constexpr int kFastBeep = 100;

}  // namespace

QuestionScreen::QuestionScreen() {
    LayWindow(layout::kQuestion);
    Lay(&questionText, layout::Widget::questionText);
    Lay(&timeBar, layout::Widget::timeBar);
    Lay(&zapsterClock, layout::Widget::zapsterClock);
    questionText.SetShrinkToFit(true);  // a long text is drawn smaller rather than cut off
    connect(&timeBar, &tk::Label::Click, this, &QuestionScreen::Reveal);
    connect(&zapsterClock, &tk::Label::Click, this, &QuestionScreen::TurnZapsterClock);
    connect(&barStepTimer, &tk::Timer::Tick, this, &QuestionScreen::StepBar);
    connect(&timeOutTimer, &tk::Timer::Tick, this, &QuestionScreen::TimeOut);
    connect(&backToBoardTimer, &tk::Timer::Tick, this, &QuestionScreen::BackToBoard);
    connect(&announcementEndTimer, &tk::Timer::Tick, this, &QuestionScreen::EndAnnouncement);
    connect(&zapsterTextTimer, &tk::Timer::Tick, this, &QuestionScreen::ShowZapsterQuestion);
    connect(&beepTimer, &tk::Timer::Tick, this, &QuestionScreen::Beep);
    connect(&zapsterClockTimer, &tk::Timer::Tick, this, &QuestionScreen::TickZapsterClock);
    connect(&blinkTimer, &tk::Timer::Tick, this, &QuestionScreen::Blink);
}

// A question opens: book it in the round, settle whether it is a Zapster, label the judging
// buttons for it and start the clock of the question.
void QuestionScreen::OnLoad() {
    BoardScreen::Hide();
    state.zapsterClock = 0;
    state.zapsterClockCountingDown = false;
    questionText.SetForeColor(tk::Rgb(kYellow));
    state.questionsOpened = SaturatingAdd(state.questionsOpened, 1);
    Integer* left = state.squaresLeft.In(state.round);
    Integer* opened = state.zapstersOpened.In(state.round);
    const Integer* planned = state.zapstersPlanned.In(state.round);
    if (left != nullptr) {
        *left = SaturatingAdd(*left, -1);
    }
    if (planned != nullptr) {
        if (*planned == kSquaresPerRound) {
            state.zapsterDrawn = true;
        }
        // Once the round's planned Zapsters are used up, only a team's call makes one.
        if (*opened == *planned) {
            state.zapsterDrawn = false;
        }
    }
    AnswerScreen& answer = AnswerScreen::Get();
    if (state.ZapsterQuestion()) {
        if (opened != nullptr) {
            *opened = SaturatingAdd(*opened, 1);
        }
        state.blinking = true;
        blinkTimer.Start();
        answer.rightButton.SetCaption(QStringLiteral("NO Zapster!"));
        answer.wrongButton.SetCaption(QStringLiteral("Zapster!"));
    } else {
        answer.rightButton.SetCaption(QStringLiteral("Got it!"));
        answer.wrongButton.SetCaption(QStringLiteral("Missed it"));
    }
    timeBar.SetCaption(QString());
    barStepTimer.Start();
    timeOutTimer.Start();
    timeBar.setEnabled(true);
    beepTimer.Start();
    if (state.zapsterDrawn) {
        beepTimer.Stop();
    }
    if (state.zapsterCalled) {
        beepTimer.Stop();
    }
    // The first beep is half a second away: the sound output gets ready now, so that it is heard
    // as evenly in time as the rest.
    if (beepTimer.Running() && state.soundOn) {
        tk::ReadyBeep(beepTimer);
    }
}

// The time bar: the moderator reveals the answer, unless the time is already up.
void QuestionScreen::Reveal() {
    if (timeBar.Caption() == kTimeIsUp) {
        return;
    }
    Hide();
    AnswerScreen::Show();
    for (tk::Timer* timer : {&barStepTimer, &timeOutTimer, &backToBoardTimer, &announcementEndTimer,
                             &zapsterTextTimer, &beepTimer, &zapsterClockTimer, &blinkTimer}) {
        timer->Stop();
    }
    timeBar.SetCaption(QString());
    CheckRoundEnd();
}

// The Zapster clock: the moderator turns it to count down, once per question.
void QuestionScreen::TurnZapsterClock() {
    if (!state.zapsterClockCountingDown) {
        zapsterClockTimer.Stop();
        state.zapsterClockCountingDown = true;
        zapsterClockTimer.Start();
    }
}

void QuestionScreen::CheckRoundEnd() {
    if (state.questionsOpened != kSquaresPerRound) {
        return;
    }
    state.questionsOpened = 0;
    state.zapstersOpened.Fill(0);
    state.squaresLeft.Fill(kSquaresPerRound);
    state.round = SaturatingAdd(state.round, 1);
    ResetZapsterButtons();
    if (state.round < state.roundsToPlay + 1) {
        BoardScreen& board = BoardScreen::Get();
        board.roundLabel.SetCaption(QStringLiteral("Round: ") + QString::number(state.round));
        for (int row = 0; row < BoardScreen::kRows; ++row) {
            const QString points = QString::number(state.points(row + 1, state.round));
            for (int column = 0; column < BoardScreen::kColumns; ++column) {
                board.squares[column][row].SetCaption(points);
            }
            for (int column = 0; column < BoardScreen::kColumns; ++column) {
                board.squares[column][row].setEnabled(true);
            }
        }
        for (int column = 0; column < BoardScreen::kColumns; ++column) {
            board.categoryTitles[column].SetCaption(state.categoryTitle(column + 1, state.round));
        }
    }
}

// Every second: the bar is coloured by its length, then grows by one step.
void QuestionScreen::StepBar() {
    const qsizetype length = timeBar.Caption().size();
    timeBar.SetBackColor(tk::Rgb(length <= kGreenUpTo ? kGreen
                                 : length >= kRedFrom ? kRed
                                                      : kYellow));
    timeBar.SetCaption(timeBar.Caption() + QStringLiteral("[]"));
}

// 32 seconds: the time is up; the turn passes three seconds later.
void QuestionScreen::TimeOut() {
    save::BeforeOutcome();
    barStepTimer.Stop();
    timeBar.SetAlignment(tk::Align::Center);
    timeBar.SetCaption(kTimeIsUp);
    timeBar.setEnabled(false);
    backToBoardTimer.Start();
    beepTimer.Stop();
    CheckRoundEnd();
}

// Three seconds after a time-out: the question closes, the turn passes, the board returns.
void QuestionScreen::BackToBoard() {
    Hide();
    barStepTimer.Stop();
    timeOutTimer.Stop();
    backToBoardTimer.Stop();
    beepTimer.Stop();
    timeBar.SetCaption(QString());
    const int team = TeamOnTurn();
    if (team != kNoTeam) {
        BoardScreen& board = BoardScreen::Get();
        board.teamScore[team].setEnabled(false);
        board.teamScore[1 - team].setEnabled(true);
    }
    // Even with no team on turn the board comes back: a hidden question screen with nothing
    // visible would leave the room looking at an empty desktop.
    AnswerScreen::Hide();
    Unload();
    BoardScreen::Show();
    // A time-out on the last question of the game ends it as a judgement would.
    if (state.round == state.roundsToPlay + 1) {
        GameOverScreen::Show();
    }
    save::AtRest();
}

// Five seconds after the announcement began: the blinking stops on red and the clock appears.
void QuestionScreen::EndAnnouncement() {
    blinkTimer.Stop();
    zapsterTextTimer.Start();
    if (state.ZapsterQuestion()) {
        zapsterClock.setVisible(true);
        zapsterClock.setEnabled(true);
        zapsterClockTimer.Start();
    }
    SetBackColor(tk::Rgb(kRed));
    announcementEndTimer.Stop();
}

// Every half second on a Zapster question: the question shows in white.
void QuestionScreen::ShowZapsterQuestion() {
    questionText.SetForeColor(tk::Rgb(kWhite));
    questionText.setVisible(true);
}

// The beeps of a normal question: slow, then faster as the bar fills.
void QuestionScreen::Beep() {
    if (!state.soundOn) {
        return;
    }
    tk::Beep();
    beepTimer.SetInterval(kMediumBeep);
    const qsizetype length = timeBar.Caption().size();
    if (length <= kGreenUpTo) {
        beepTimer.SetInterval(kSlowBeep);
    }
    if (length > kRedFrom) {
        beepTimer.SetInterval(kFastBeep);
    }
}

// The Zapster clock, each second: up until the moderator turns it, then down; at zero the team on
// turn gains double points.
void QuestionScreen::TickZapsterClock() {
    if (!state.zapsterClockCountingDown) {
        state.zapsterClock = SaturatingAdd(state.zapsterClock, 1);
        timeBar.setEnabled(false);
    }
    if (state.zapsterClockCountingDown) {
        state.zapsterClock = SaturatingAdd(state.zapsterClock, -1);
        timeBar.setEnabled(true);
    }
    zapsterClock.SetCaption(QString::number(state.zapsterClock));
    if (state.zapsterClockCountingDown && state.zapsterClock == 0) {
        backToBoardTimer.Start();
        announcementEndTimer.Stop();
        zapsterTextTimer.Stop();
        zapsterClockTimer.Stop();
        blinkTimer.Stop();
        timeBar.SetAlignment(tk::Align::Center);
        timeBar.SetCaption(kTimeIsUp);
        const int points = AnswerScreen::Get().Points();
        const int team = TeamOnTurn();
        save::BeforeOutcome();
        if (team != kNoTeam && (state.ZapsterQuestion())) {
            GainPoints(team, 2 * points);
            state.zapsterCalled = false;
        }
        CheckRoundEnd();
    }
}

// Every quarter second at the start of a Zapster question: the announcement and the blinking.
void QuestionScreen::Blink() {
    questionText.setVisible(false);
    timeBar.SetForeColor(tk::Rgb(kBlue));
    announcementEndTimer.Start();  // the first tick starts it; later ticks leave its schedule alone
    barStepTimer.Stop();
    timeOutTimer.Stop();
    beepTimer.Stop();
    timeBar.SetAlignment(tk::Align::Right);
    timeBar.SetCaption(QStringLiteral("Zapster!  "));
    if (!state.blinking) {
        state.blinking = true;
    }
    if (BackColor() == tk::Rgb(kRed) && state.blinkRed) {
        SetBackColor(tk::Rgb(kBlue));
        state.blinkRed = false;
        state.blinking = false;
    }
    if (BackColor() == tk::Rgb(kBlue) && state.blinking) {
        SetBackColor(tk::Rgb(kRed));
        state.blinkRed = true;
    }
}

// The question screen is driven by the game: its close box does nothing, so that a question is
// never lost half-way.
void QuestionScreen::OnCloseBox() {}
