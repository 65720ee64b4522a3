#include "render.h"

#ifdef TARMIGO_HAVE_QT_SURFACE
#include "qt/render_recording.h"
#endif

#include <QGuiApplication>
#include <QImage>

#include <memory>

namespace tarmigo::replay {

bool renderPng(const RecordingSurface& paint, int zoom, const std::string& path) {
#ifndef TARMIGO_HAVE_QT_SURFACE
    (void)paint, (void)zoom, (void)path;
    return false;
#else
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
#endif
}

} // namespace tarmigo::replay
