#pragma once
// Where the driver keeps its stores inside the data folder, and how it renders.
#include "board/recording_surface.h"

#include <string>

namespace tarmigo::replay {

// The file copy is named as the desktop program names it; the second copy is the
// settings store kept in an INI file.
inline constexpr const char* FileCopyName = "tarmigt";
inline constexpr const char* SecondCopyName = "tarmigo-second.ini";

// Writes the last paint as a PNG of 240 x 320 times the zoom.
bool renderPng(const RecordingSurface& paint, int zoom, const std::string& path);

} // namespace tarmigo::replay
