#include "qt/help_page.h"

#include "qt/help_window.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace tarmigo {
namespace {
void dropMessages(QtMsgType, const QMessageLogContext&, const QString&) {}
} // namespace

QString findHelpPage(const QString& programFolder, const QString& language) {
    const QDir dir(programFolder);
    QStringList names;
    if (!language.isEmpty()) names << QStringLiteral("tarmigo_%1.htm").arg(language);
    names << QStringLiteral("tarmigo.htm");
    for (const QString& name : names) {
        for (const QString& candidate :
             {dir.filePath(name), dir.filePath(QStringLiteral("../share/tarmigo/") + name)}) {
            const QFileInfo info(candidate);
            if (info.isFile()) return info.canonicalFilePath();
        }
    }
    return {};
}

bool openInDesktopViewer(const QUrl& page) {
    // The viewer is started detached; a desktop without one only makes Qt complain.
    const QtMessageHandler previous = qInstallMessageHandler(dropMessages);
    const bool started = QDesktopServices::openUrl(page);
    qInstallMessageHandler(previous);
    return started;
}

QWidget* openHelpPage(const QString& path, bool (*viewer)(const QUrl&)) {
    if (path.isEmpty()) return nullptr;
    const QUrl page = QUrl::fromLocalFile(path);
    if (viewer(page)) return nullptr;
    auto* window = new HelpWindow(page);
    window->show();
    return window;
}

} // namespace tarmigo
