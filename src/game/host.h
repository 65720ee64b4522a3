#pragma once
// Everything the game asks of its platform. The desktop program implements it
// with Qt; the replay driver, the simulator and the tests with queues and recorders.
#include "game/screen.h"

#include <cstdint>
#include <string_view>

namespace tarmigo {

class DrawingSurface;

// Command ids of the menu bar and of the Scores dialog's button.
namespace command {
inline constexpr int NewGameMenu = 4010; // + playerCount
inline constexpr int OnePlayerGame = 4011;
inline constexpr int TwoPlayerGame = 4012;
inline constexpr int ViewMenu = 4020;
inline constexpr int About = 4021;
inline constexpr int Options = 4022;
inline constexpr int Scores = 4023;
inline constexpr int Help = 4030;
inline constexpr int Undo = 4040;
} // namespace command

// Ids with which a dialog closes.
namespace dialog {
inline constexpr int Done = 1;
inline constexpr int Cancel = 2;
inline constexpr int NewHand = 3227;
} // namespace dialog

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
    // Marks part of the window for one later full paint.
    virtual void invalidate(const Rect& area, bool erase) = 0;
    // Forgets the repaint requests pending for the window.
    virtual void dropPendingRepaint() = 0;
    // Paints the whole board now (used when the computer opens a hand).
    virtual void paintNow() = 0;
    // A drawing surface for the duration of a tap; null where nothing is shown.
    virtual DrawingSurface* acquireTapSurface() = 0;
    virtual void releaseTapSurface() = 0;
    // Shows one step of a card slide and pauses for delayMs without burning the processor.
    virtual void animationStep(int delayMs) = 0;
    // Throws away the taps made during a slide.
    virtual void dropPendingTaps() = 0;
};

} // namespace tarmigo
