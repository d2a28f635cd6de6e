// The saved-game reader under libFuzzer: no input crashes it, hangs it or leaks, and every game it
// accepts is written again and read back as the same game.

#include <cstdint>
#include <cstdlib>

#include "game/saved_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<game::SavedGame> saved = game::ReadSavedGame(text);
    if (!saved) {
        return 0;
    }
    const std::optional<game::SavedGame> again = game::ReadSavedGame(game::SavedGameText(
        saved->saved, saved->now.Finished(), game::ContentText(saved->now.content()),
        game::MomentText(saved->now.state()), game::TakeBackTexts(saved->takeBacks)));
    if (!again || !(again->now == saved->now) || again->takeBacks != saved->takeBacks) {
        std::abort();
    }
    return 0;
}
