#include "game/module1.h"

#include "screens/title.h"
#include "toolkit/random.h"

namespace Module1 {

void Main() {
    tk::Randomize();
    RoundNumber = 0;
    ZapstersUsed1 = 0;
    ZapstersUsed2 = 0;
    ZapstersUsed3 = 0;
    SquaresLeft1 = 30;
    SquaresLeft2 = 30;
    SquaresLeft3 = 30;
    TitleScreen::Show();
    SoundOn = true;
}

void ClearState() {
    QuestionText.fill(QString());
    AnswerText.fill(QString());
    CategoryName.fill(QString());
    PointValue.fill(0);
    RoundNumber = NumRounds = Team1Score = Team2Score = QuestionsAsked = 0;
    ZapsterCount1 = ZapsterCount2 = ZapsterCount3 = 0;
    ZapstersUsed1 = ZapstersUsed2 = ZapstersUsed3 = 0;
    SquaresLeft1 = SquaresLeft2 = SquaresLeft3 = 0;
    IsZapster = ZapsterCalled = SoundOn = FlashOn = FlashRed = false;
    ClockSeconds = 0;
    ClockCountingDown = false;
}

}  // namespace Module1
