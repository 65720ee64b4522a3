#pragma once
// A drop-down list that a screen reader speaks with its value: on focus ("Difficulty,
// combo box, Hard") and on each change ("Expert").
class QComboBox;

namespace tarmigo {

// The list is named by its label (setAccessibleName or a buddy label); its current item
// is its text, reported whole and selected, as a reader expects of a list's value.
void speakChoice(QComboBox* list);

} // namespace tarmigo
