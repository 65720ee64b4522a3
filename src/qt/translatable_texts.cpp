// Every text the program shows, marked for lupdate: the string table's texts and the
// windows' labels, which the code keeps in plain tables of its own. The tests check
// that every string-table text is here; a text missing here shows in English.
#include "qt/translation.h"

#include <QtGlobal>

#include <iterator>

namespace tarmigo {
namespace {

const char* const Texts[] = {
    QT_TRANSLATE_NOOP("Tarmigo", "New"),
    QT_TRANSLATE_NOOP("Tarmigo", "View"),
    QT_TRANSLATE_NOOP("Tarmigo", "Hand"),
    QT_TRANSLATE_NOOP("Tarmigo", "Score"),
    QT_TRANSLATE_NOOP("Tarmigo", "Won"),
    QT_TRANSLATE_NOOP("Tarmigo", "Safety"),
    QT_TRANSLATE_NOOP("Tarmigo", "Hazard"),
    QT_TRANSLATE_NOOP("Tarmigo", "Speed"),
    QT_TRANSLATE_NOOP("Tarmigo", "Distance"),
    QT_TRANSLATE_NOOP("Tarmigo", "Winner!"),
    QT_TRANSLATE_NOOP("Tarmigo", "Tap a card to play it"),
    QT_TRANSLATE_NOOP("Tarmigo", "Tap the deck to discard this card"),
    QT_TRANSLATE_NOOP("Tarmigo", "End of Turn - Player %d tap to here to continue"),
    QT_TRANSLATE_NOOP("Tarmigo", "Game Over - Tap New to start a new game"),
    QT_TRANSLATE_NOOP("Tarmigo", "Tap New to play another hand"),
    QT_TRANSLATE_NOOP("Tarmigo", "Fix hazard before playing Go"),
    QT_TRANSLATE_NOOP("Tarmigo", "You are already moving"),
    QT_TRANSLATE_NOOP("Tarmigo", "Remedy does not fix hazard"),
    QT_TRANSLATE_NOOP("Tarmigo", "Play remedy only when under hazard"),
    QT_TRANSLATE_NOOP("Tarmigo", "Cannot play hazard when opponent is not moving"),
    QT_TRANSLATE_NOOP("Tarmigo", "Opponent is protected against hazard"),
    QT_TRANSLATE_NOOP("Tarmigo", "No speed limit to end"),
    QT_TRANSLATE_NOOP("Tarmigo", "Opponent's speed already limited"),
    QT_TRANSLATE_NOOP("Tarmigo", "Opponent is protected against speed limit"),
    QT_TRANSLATE_NOOP("Tarmigo", "Cannot play mileage when not moving"),
    QT_TRANSLATE_NOOP("Tarmigo", "Cannot play more than two 200 miles"),
    QT_TRANSLATE_NOOP("Tarmigo", "Speed Limit: Can only play 25 and 50 miles"),
    QT_TRANSLATE_NOOP("Tarmigo", "That would exceed the %d mile race"),
    QT_TRANSLATE_NOOP("Tarmigo", "No card can be played, you must discard one"),
    QT_TRANSLATE_NOOP("Tarmigo", "Undone"),
    QT_TRANSLATE_NOOP("Tarmigo", "Tap a card to discard it"),
    QT_TRANSLATE_NOOP("Tarmigo", "Player 1"),
    QT_TRANSLATE_NOOP("Tarmigo", "Player 2"),
    QT_TRANSLATE_NOOP("Tarmigo", "You Win!"),
    QT_TRANSLATE_NOOP("Tarmigo", "Computer Wins!"),
    QT_TRANSLATE_NOOP("Tarmigo", "Player 1 Wins!"),
    QT_TRANSLATE_NOOP("Tarmigo", "Player 2 Wins!"),
    QT_TRANSLATE_NOOP("Tarmigo", "New Game"),
    QT_TRANSLATE_NOOP("Tarmigo", "tap card once"),
    QT_TRANSLATE_NOOP("Tarmigo", "tap card twice"),
    QT_TRANSLATE_NOOP("Tarmigo", "tap card then deck"),
    QT_TRANSLATE_NOOP("Tarmigo", "Easy"),
    QT_TRANSLATE_NOOP("Tarmigo", "Hard"),
    QT_TRANSLATE_NOOP("Tarmigo", "Expert"),
    QT_TRANSLATE_NOOP(
        "Tarmigo",
        "You have completed the 700 mile race.  Would you like to extend it to 1000 miles?"),
    QT_TRANSLATE_NOOP("Tarmigo", "Do you want to forfeit the current game and start a new one?"),
    QT_TRANSLATE_NOOP("Tarmigo", "Do you want to reset all scores?"),
    QT_TRANSLATE_NOOP("Tarmigo", "About Tarmigo"),
    QT_TRANSLATE_NOOP("Tarmigo", "Version 1.1"),
    QT_TRANSLATE_NOOP("Tarmigo", "1 Player Game"),
    QT_TRANSLATE_NOOP("Tarmigo", "2 Player Game"),
    QT_TRANSLATE_NOOP("Tarmigo", "Options"),
    QT_TRANSLATE_NOOP("Tarmigo", "Scores"),
    QT_TRANSLATE_NOOP("Tarmigo", "Difficulty"),
    QT_TRANSLATE_NOOP("Tarmigo", "To play"),
    QT_TRANSLATE_NOOP("Tarmigo", "To discard"),
    QT_TRANSLATE_NOOP("Tarmigo", "Sort Cards in Hand"),
    QT_TRANSLATE_NOOP("Tarmigo", "Play Sounds"),
    QT_TRANSLATE_NOOP("Tarmigo", "Animation"),
    QT_TRANSLATE_NOOP("Tarmigo", "Show Playable Cards"),
    QT_TRANSLATE_NOOP("Tarmigo", "Show Tips"),
    QT_TRANSLATE_NOOP("Tarmigo", "Reset Scores"),
    QT_TRANSLATE_NOOP("Tarmigo", "You"),
    QT_TRANSLATE_NOOP("Tarmigo", "Computer"),
    QT_TRANSLATE_NOOP("Tarmigo", "New Hand"),
    QT_TRANSLATE_NOOP("Tarmigo", "Miles"),
    QT_TRANSLATE_NOOP("Tarmigo", "Safeties"),
    QT_TRANSLATE_NOOP("Tarmigo", "All Safeties"),
    QT_TRANSLATE_NOOP("Tarmigo", "Coup Fourré"),
    QT_TRANSLATE_NOOP("Tarmigo", "Trip Complete"),
    QT_TRANSLATE_NOOP("Tarmigo", "Delayed Action"),
    QT_TRANSLATE_NOOP("Tarmigo", "Safe Trip"),
    QT_TRANSLATE_NOOP("Tarmigo", "Extension"),
    QT_TRANSLATE_NOOP("Tarmigo", "Shut Out"),
    QT_TRANSLATE_NOOP("Tarmigo", "Hand Score"),
    QT_TRANSLATE_NOOP("Tarmigo", "Game Score"),
    QT_TRANSLATE_NOOP("Tarmigo", "Games Won"),
    QT_TRANSLATE_NOOP("Tarmigo", "Done"),
    QT_TRANSLATE_NOOP("Tarmigo", "Zoom"),
    QT_TRANSLATE_NOOP("Tarmigo", "Zoom In"),
    QT_TRANSLATE_NOOP("Tarmigo", "Zoom Out"),
    QT_TRANSLATE_NOOP("Tarmigo", "Undo"),
    QT_TRANSLATE_NOOP("Tarmigo", "Help"),
    QT_TRANSLATE_NOOP("Tarmigo", "Animation speed"),
    QT_TRANSLATE_NOOP("Tarmigo", "Language"),
    QT_TRANSLATE_NOOP("Tarmigo", "System language"),
    QT_TRANSLATE_NOOP("Tarmigo", "Back"),
    QT_TRANSLATE_NOOP("Tarmigo", "Forward"),
    QT_TRANSLATE_NOOP("Tarmigo", "Close"),
};

} // namespace

const char* const* translatableTexts(int* count) {
    *count = static_cast<int>(std::size(Texts));
    return Texts;
}

} // namespace tarmigo
