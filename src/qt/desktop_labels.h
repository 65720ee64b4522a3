#pragma once
// Texts that only the desktop window shows: the zoom, and the Done button of
// the dialogs.
namespace tarmigo::desktop_label {

inline constexpr const char* Done = "Done";
inline constexpr const char* Zoom = "Zoom";
inline constexpr const char* ZoomIn = "Zoom In";
inline constexpr const char* ZoomOut = "Zoom Out";
// A zoom factor in the Zoom menu, "%1" being the factor.
inline constexpr const char* ZoomFactor = "%1\u00d7";
inline constexpr const char* Undo = "Undo";
inline constexpr const char* Help = "Help";
inline constexpr const char* AnimationSpeed = "Animation speed";

} // namespace tarmigo::desktop_label
