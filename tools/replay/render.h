#pragma once
// Where the driver keeps its stores inside the data folder, and how it renders.
#include "board/recording_surface.h"

#include <memory>
#include <string>

class QGuiApplication;

namespace tarmigo::replay {

// The file copy is named as the desktop program names it; the second copy is the
// settings store kept in an INI file.
inline constexpr const char* FileCopyName = "tarmigt";
// The driver's own settings (the Expert choice), beside the two copies.
inline constexpr const char* PreferencesName = "tarmigo-preferences";
inline constexpr const char* SecondCopyName = "tarmigo-second.ini";

// Writes recorded paints as PNG files. Text needs a GUI application: one is
// started on the off-screen platform the first time a picture is asked for, and
// ended with the renderer.
class Renderer {
  public:
    Renderer();
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // The paint as a PNG of 240 x 320 times the zoom; false when it was not written.
    bool renderPng(const RecordingSurface& paint, int zoom, const std::string& path);

  private:
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace tarmigo::replay
