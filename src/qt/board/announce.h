#pragma once
// What the player should hear: a sentence for the screen reader, said over the board.
class QWidget;
class QString;

namespace tarmigo {

// Makes `sentence` heard by an assistive client watching `board`; does nothing when
// none is listening.
void announce(QWidget* board, const QString& sentence);

} // namespace tarmigo
