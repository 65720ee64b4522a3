#include "render.h"

#include "qt/qt_surface.h"

#include <QGuiApplication>
#include <QImage>

#include <memory>

namespace tarmigo::replay {

bool renderPng(const RecordingSurface& paint, int zoom, const std::string& path) {
    // Text needs a GUI application; the driver starts one on the off-screen platform
    // the first time a picture is asked for.
    static std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) {
        static int argc = 3;
        static char name[] = "tarmigo-replay";
        static char platform[] = "-platform";
        static char offscreen[] = "offscreen";
        static char* argv[] = {name, platform, offscreen, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    const QImage image = renderRecording(paint, zoom);
    return !image.isNull() && image.save(QString::fromStdString(path), "PNG");
}

} // namespace tarmigo::replay
