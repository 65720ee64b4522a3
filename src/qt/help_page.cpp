#include "qt/help_page.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace tarmigo {
namespace {
void dropMessages(QtMsgType, const QMessageLogContext&, const QString&) {}
} // namespace

QString findHelpPage(const QString& programFolder) {
    const QDir dir(programFolder);
    const QString name = QStringLiteral("tarmigo.htm");
    for (const QString& candidate :
         {dir.filePath(name), dir.filePath(QStringLiteral("../share/tarmigo/") + name)}) {
        const QFileInfo info(candidate);
        if (info.isFile()) return info.canonicalFilePath();
    }
    return {};
}

void openHelpPage(const QString& path) {
    if (path.isEmpty()) return;
    // The viewer is started detached; a desktop without one only makes Qt complain.
    const QtMessageHandler previous = qInstallMessageHandler(dropMessages);
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    qInstallMessageHandler(previous);
}

} // namespace tarmigo
