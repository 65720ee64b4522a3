#pragma once
// What the rules ask of their platform. The screen's own requests (repaints, the tap's
// surface, the steps of a slide) are the board's: board/screen_host.h.
#include <cstdint>
#include <string_view>

namespace tarmigo {

// At a hand's end the rules run the Scores dialog; when it closes with
// ScoresNewHand they post NewGameCommand + playerCount, which starts the next hand
// of the same kind. The other menu and dialog ids are the application's.
inline constexpr int ScoresNewHand = 3227;
inline constexpr int NewGameCommand = 4010;

class Host {
  public:
    virtual ~Host() = default;

    // Milliseconds since the system started.
    virtual std::uint32_t tickCount() = 0;
    // Starts one of the move sounds "WVS", "WVR", "WVH", "WVM" without waiting.
    virtual void playSound(std::string_view name) = 0;
    // A modal yes/no box titled "Tarmigo" with the text of a string id; true for Yes.
    virtual bool askYesNo(int stringId) = 0;
    // Runs the Scores dialog modally on the current game; returns its closing id.
    virtual int runScoresDialog() = 0;
    // Hands a menu command to the dispatcher after the current handling is over.
    virtual void postCommand(int commandId) = 0;
    virtual void enableUndoButton(bool enabled) = 0;
};

} // namespace tarmigo
