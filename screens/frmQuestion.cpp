#include "screens/frmQuestion.h"

#include "game/module1.h"
#include "screens/Form1.h"
#include "screens/frmAnswer.h"
#include "screens/frmGameOver.h"
#include "toolkit/beep.h"
#include "toolkit/look.h"

using namespace Module1;

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

frmQuestion::frmQuestion() {
    LayWindow(layout::kQuestion);
    Lay(&Label1, "Label1");
    Lay(&Label2, "Label2");
    Lay(&Label3, "Label3");
    Label1.SetShrinkToFit(true);  // a long text is drawn smaller rather than cut off
    connect(&Label2, &tk::Label::Click, this, &frmQuestion::Label2_Click);
    connect(&Label3, &tk::Label::Click, this, &frmQuestion::Label3_Click);
    connect(&Timer1, &tk::Timer::Tick, this, &frmQuestion::Timer1_Timer);
    connect(&Timer2, &tk::Timer::Tick, this, &frmQuestion::Timer2_Timer);
    connect(&Timer3, &tk::Timer::Tick, this, &frmQuestion::Timer3_Timer);
    connect(&Timer4, &tk::Timer::Tick, this, &frmQuestion::Timer4_Timer);
    connect(&Timer5, &tk::Timer::Tick, this, &frmQuestion::Timer5_Timer);
    connect(&Timer6, &tk::Timer::Tick, this, &frmQuestion::Timer6_Timer);
    connect(&Timer7, &tk::Timer::Tick, this, &frmQuestion::Timer7_Timer);
    connect(&Timer8, &tk::Timer::Tick, this, &frmQuestion::Timer8_Timer);
}

// A question opens: book it in the round, settle whether it is a Zapster, label the judging
// buttons for it and start the clock of the question.
void frmQuestion::Form_Load() {
    Form1::Hide();
    ClockSeconds = 0;
    ClockCountingDown = false;
    Label1.SetForeColor(tk::Rgb(kYellow));
    QuestionsAsked = SaturatingAdd(QuestionsAsked, 1);
    Integer* left = ForRound(RoundNumber, SquaresLeft1, SquaresLeft2, SquaresLeft3);
    Integer* used = ForRound(RoundNumber, ZapstersUsed1, ZapstersUsed2, ZapstersUsed3);
    const Integer* planned = ForRound(RoundNumber, ZapsterCount1, ZapsterCount2, ZapsterCount3);
    if (left != nullptr) {
        *left = SaturatingAdd(*left, -1);
    }
    if (planned != nullptr) {
        if (*planned == 30) {
            IsZapster = true;
        }
        // Once the round's planned Zapsters are used up, only a team's call makes one.
        if (*used == *planned) {
            IsZapster = false;
        }
    }
    frmAnswer& answer = frmAnswer::Get();
    if (IsZapster || ZapsterCalled) {
        if (used != nullptr) {
            *used = SaturatingAdd(*used, 1);
        }
        FlashOn = true;
        Timer8.Start();
        answer.Command1.SetCaption(QStringLiteral("NO Zapster!"));
        answer.Command2.SetCaption(QStringLiteral("Zapster!"));
    } else {
        answer.Command1.SetCaption(QStringLiteral("Got it!"));
        answer.Command2.SetCaption(QStringLiteral("Missed it"));
    }
    Label2.SetCaption(QString());
    Timer1.Start();
    Timer2.Start();
    Label2.setEnabled(true);
    Timer6.Start();
    if (IsZapster) {
        Timer6.Stop();
    }
    if (ZapsterCalled) {
        Timer6.Stop();
    }
    // The first beep is half a second away: the sound output gets ready now, so that it is heard
    // as evenly in time as the rest.
    if (Timer6.Running() && SoundOn) {
        tk::ReadyBeep(Timer6);
    }
}

// The time bar: the moderator reveals the answer, unless the time is already up.
void frmQuestion::Label2_Click() {
    if (Label2.Caption() == kTimeIsUp) {
        return;
    }
    Hide();
    frmAnswer::Show();
    for (tk::Timer* timer :
         {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer7, &Timer8}) {
        timer->Stop();
    }
    Label2.SetCaption(QString());
    CheckRoundEnd();
}

// The Zapster clock: the moderator turns it to count down, once per question.
void frmQuestion::Label3_Click() {
    if (!ClockCountingDown) {
        Timer7.Stop();
        ClockCountingDown = true;
        Timer7.Start();
    }
}

// After the 30th question of a round: the next round, its Zapster buttons and its board.
void frmQuestion::CheckRoundEnd() {
    if (QuestionsAsked != 30) {
        return;
    }
    QuestionsAsked = 0;
    ZapstersUsed1 = ZapstersUsed2 = ZapstersUsed3 = 0;
    SquaresLeft1 = SquaresLeft2 = SquaresLeft3 = 30;
    RoundNumber = SaturatingAdd(RoundNumber, 1);
    ResetZapsterButtons();
    if (RoundNumber < NumRounds + 1) {
        Form1& board = Form1::Get();
        board.Label1.SetCaption(QStringLiteral("Round: ") + QString::number(RoundNumber));
        for (int i = 0; i <= 5; ++i) {
            const QString points = QString::number(PointValue(i + 1, RoundNumber));
            for (int column = 1; column <= 5; ++column) {
                board.Column(column)[i].SetCaption(points);
            }
            for (int column = 1; column <= 5; ++column) {
                board.Column(column)[i].setEnabled(true);
            }
            if (i < 5) {
                board.Label2[i].SetCaption(CategoryName(i + 1, RoundNumber));
            }
        }
    }
}

// Every second: the bar is coloured by its length, then grows by one step.
void frmQuestion::Timer1_Timer() {
    const qsizetype length = Label2.Caption().size();
    Label2.SetBackColor(tk::Rgb(length <= kGreenUpTo ? kGreen
                                : length >= kRedFrom ? kRed
                                                     : kYellow));
    Label2.SetCaption(Label2.Caption() + QStringLiteral("[]"));
}

// 32 seconds: the time is up; the turn passes three seconds later.
void frmQuestion::Timer2_Timer() {
    Timer1.Stop();
    Label2.SetAlignment(tk::Align::Center);
    Label2.SetCaption(kTimeIsUp);
    Label2.setEnabled(false);
    Timer3.Start();
    Timer6.Stop();
    CheckRoundEnd();
}

// Three seconds after a time-out: the question closes, the turn passes, the board returns.
void frmQuestion::Timer3_Timer() {
    Hide();
    Timer1.Stop();
    Timer2.Stop();
    Timer3.Stop();
    Timer6.Stop();
    Label2.SetCaption(QString());
    Form1& board = Form1::Get();
    const int team = TeamOnTurn();
    if (team == 1) {
        board.Label8.setEnabled(false);
        board.Label9.setEnabled(true);
    } else if (team == 2) {
        board.Label9.setEnabled(false);
        board.Label8.setEnabled(true);
    }
    // Even with no team on turn the board comes back: a hidden question screen with nothing
    // visible would leave the room looking at an empty desktop.
    frmAnswer::Hide();
    Unload();
    Form1::Show();
    // A time-out on the last question of the game ends it as a judgement would.
    if (RoundNumber == NumRounds + 1) {
        frmGameOver::Show();
    }
}

// Five seconds after the announcement began: the blinking stops on red and the clock appears.
void frmQuestion::Timer4_Timer() {
    Timer8.Stop();
    Timer5.Start();
    if (IsZapster || ZapsterCalled) {
        Label3.setVisible(true);
        Label3.setEnabled(true);
        Timer7.Start();
    }
    SetBackColor(tk::Rgb(kRed));
    Timer4.Stop();
}

// Every half second on a Zapster question: the question shows in white.
void frmQuestion::Timer5_Timer() {
    Label1.SetForeColor(tk::Rgb(kWhite));
    Label1.setVisible(true);
}

// The beeps of a normal question: slow, then faster as the bar fills.
void frmQuestion::Timer6_Timer() {
    if (!SoundOn) {
        return;
    }
    tk::Beep();
    Timer6.SetInterval(kMediumBeep);
    const qsizetype length = Label2.Caption().size();
    if (length <= kGreenUpTo) {
        Timer6.SetInterval(kSlowBeep);
    }
    if (length > kRedFrom) {
        Timer6.SetInterval(kFastBeep);
    }
}

// The Zapster clock, each second: up until the moderator turns it, then down; at zero the team on
// turn gains double points.
void frmQuestion::Timer7_Timer() {
    if (!ClockCountingDown) {
        ClockSeconds = SaturatingAdd(ClockSeconds, 1);
        Label2.setEnabled(false);
    }
    if (ClockCountingDown) {
        ClockSeconds = SaturatingAdd(ClockSeconds, -1);
        Label2.setEnabled(true);
    }
    Label3.SetCaption(QString::number(ClockSeconds));
    if (ClockCountingDown && ClockSeconds == 0) {
        Timer3.Start();
        Timer4.Stop();
        Timer5.Stop();
        Timer7.Stop();
        Timer8.Stop();
        Label2.SetAlignment(tk::Align::Center);
        Label2.SetCaption(kTimeIsUp);
        const int points = frmAnswer::Get().Points();
        const int team = TeamOnTurn();
        if (team != 0 && (IsZapster || ZapsterCalled)) {
            GainPoints(team, 2 * points);
            ZapsterCalled = false;
        }
        CheckRoundEnd();
    }
}

// Every quarter second at the start of a Zapster question: the announcement and the blinking.
void frmQuestion::Timer8_Timer() {
    Label1.setVisible(false);
    Label2.SetForeColor(tk::Rgb(kBlue));
    Timer4.Start();  // the first tick starts it; later ticks leave its schedule alone
    Timer1.Stop();
    Timer2.Stop();
    Timer6.Stop();
    Label2.SetAlignment(tk::Align::Right);
    Label2.SetCaption(QStringLiteral("Zapster!  "));
    if (!FlashOn) {
        FlashOn = true;
    }
    if (BackColor() == tk::Rgb(kRed) && FlashRed) {
        SetBackColor(tk::Rgb(kBlue));
        FlashRed = false;
        FlashOn = false;
    }
    if (BackColor() == tk::Rgb(kBlue) && FlashOn) {
        SetBackColor(tk::Rgb(kRed));
        FlashRed = true;
    }
}

// The question screen is driven by the game: its close box does nothing, so that a question is
// never lost half-way.
void frmQuestion::Form_FrameClose() {}
