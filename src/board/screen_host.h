#pragma once
// What the board asks of the window it is shown in: repaints and a surface for the tap
// in progress. The pace of a slide is the window's: the board queues its frames
// (board/presentation.h).
#include "board/layout.h"

namespace tarmigo {

class DrawingSurface;

class ScreenHost {
  public:
    virtual ~ScreenHost() = default;

    // Asks for one later paint of the whole board, which starts from its background:
    // area is the part that changed (the desktop window paints the whole board).
    virtual void invalidate(const Rect& area) = 0;
    // Forgets the repaint requests pending for the window.
    virtual void dropPendingRepaint() = 0;
    // Shows the whole board in its turn, before the moves queued after it (used when the
    // computer opens a hand).
    virtual void paintNow() = 0;
    // A drawing surface for the duration of a tap (the table's presentation, where
    // the window plays it); null where nothing is shown.
    virtual DrawingSurface* acquireTapSurface() = 0;
    virtual void releaseTapSurface() = 0;
};

} // namespace tarmigo
