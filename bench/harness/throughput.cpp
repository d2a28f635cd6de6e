// Game logic throughput: whole games on the manual clock, every question left running for three
// seconds (bar, beeps, a Zapster's blinking) before it is revealed and judged.
#include <QApplication>

#include "common.h"
#include "figures.h"
#include "report.h"
#include "screens/game_over.h"
#include "support/game.h"
#include "support/harness.h"
#include "toolkit/timer.h"

namespace bench {
namespace {

constexpr int kQuestionsPerGame = 90;  // three rounds

void PlayGame(std::uint64_t seed) {
    FreshProgram(seed);
    play::NewGame();
    int column = 0, index = 0;
    for (int q = 0; q < kQuestionsPerGame; ++q) {
        if (!NextOpenSquare(column, index)) {
            Fail("the board ran out of squares at question " + std::to_string(q + 1));
        }
        play::ClickSquare(column, index);
        tk::clock::Advance(3000);
        play::Reveal();
        play::Judge(q % 3 != 0);
    }
    if (!play::Shown<GameOverScreen>()) {
        Fail("a whole game did not end on the game-over screen");
    }
    CheckPlay("a whole game");
}

// Runs `step` for about `seconds`; returns how many times per second it ran.
double Rate(double seconds, const std::function<void(std::uint64_t)>& step) {
    const double start = NowMs();
    std::uint64_t n = 0;
    while (NowMs() - start < seconds * 1000) {
        step(++n);
    }
    return double(n) * 1000 / (NowMs() - start);
}

}  // namespace

int Throughput(double seconds) {
    PlayGame(1);  // warm
    const double games = Rate(seconds, PlayGame);
    const double setups = Rate(seconds / 2, [](std::uint64_t seed) {
        FreshProgram(seed);
        play::NewGame();
    });
    FreshProgram();
    Print({"Whole games per second, manual clock (baseline: new games set up)", games, setups, "/s",
           "", std::nullopt, 1});
    return 0;
}

}  // namespace bench
