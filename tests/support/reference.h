#pragma once

// What a moderator expects of the game, worked out from what was done and seen, apart from the
// game's own code: the scores, whose turn it is and the round. The soak checks the real screens
// against it, the rules test the game alone.
namespace reference {

// Points by round and row.
inline constexpr int kPoints[3][6] = {
    {25, 50, 75, 100, 125, 150}, {50, 75, 100, 125, 150, 200}, {50, 100, 150, 200, 250, 300}};
// Zapsters planned in rounds 1..3 by the setup's schedules, "None" first.
inline constexpr int kSchedules[6][3] = {{0, 0, 0}, {0, 0, 3},  {0, 3, 6},
                                         {3, 6, 9}, {6, 9, 12}, {30, 30, 30}};

struct Game {
    int rounds = 3, schedule = 3, round = 1, asked = 0, points = 0;
    int score[3] = {0, 0, 0};                              // by team 1 and 2
    bool leftLit = true, rightLit = true, called = false;  // the lit scores: whose turn it is
    bool open = false, revealed = false, timedOut = false, zapster = false;  // the open question
    bool overShown = false;  // the game-over screen: at the end, or brought by the banner

    int Turn() const { return leftLit ? 1 : rightLit ? 2 : 0; }
    bool GameOver() const { return round == rounds + 1; }

    void EndRoundIfLast() {
        if (asked == 30) {
            asked = 0;
            ++round;
        }
    }
    // The turn passes from whichever team's score is lit, team 1's first.
    void PassTurn() {
        const bool wasLeft = leftLit;
        if (leftLit || rightLit) {
            leftLit = !wasLeft;
            rightLit = wasLeft;
        }
    }
    // A Zapster reverses the scoring: a correct answer gives the other team the points, a wrong
    // one gives the team on turn twice the points.
    void Score(int team, bool correct) {
        if (zapster) {
            score[correct ? 3 - team : team] += correct ? points : 2 * points;
            called = false;
        } else if (correct) {
            score[team] += points;
        }
    }
    // After the last judgement of a round the team behind starts the next one.
    void Judge(bool correct) {
        const int team = Turn();
        if (team != 0) {
            Score(team, correct);
            PassTurn();
        }
        if (team == 2 && GameOver()) {
            leftLit = rightLit = false;
        }
        overShown = overShown || GameOver();
        if (asked == 0 && score[1] != score[2]) {
            leftLit = score[1] < score[2];
            rightLit = !leftLit;
        }
        open = false;
    }
    // The time ran out: on a Zapster question whose clock ran down, the team on turn gains twice
    // the points, as if it had answered wrong.
    void TimeOut() {
        timedOut = true;
        if (const int team = Turn(); zapster && team != 0) {
            score[team] += 2 * points;
            called = false;
        }
        EndRoundIfLast();
    }
    // Three seconds later the board is back with the turn passed.
    void BackToBoard() {
        PassTurn();
        open = false;
        overShown = overShown || GameOver();
    }
};

}  // namespace reference
