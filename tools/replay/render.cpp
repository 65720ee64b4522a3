#include "render.h"

#include "qt/board/qt_surface.h"

#include <QGuiApplication>
#include <QImage>

namespace tarmigo::replay {

Renderer::Renderer() = default;
Renderer::~Renderer() = default;

bool Renderer::renderPng(const RecordingSurface& paint, int zoom, const std::string& path) {
    if (!QGuiApplication::instance()) {
        // The driver's standard error carries only its own error lines.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        static int argc = 3;
        static char name[] = "tarmigo-replay";
        static char platform[] = "-platform";
        static char offscreen[] = "offscreen";
        static char* argv[] = {name, platform, offscreen, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    const QImage image = renderRecording(paint, zoom);
    return !image.isNull() && image.save(QString::fromStdString(path), "PNG");
}

} // namespace tarmigo::replay
