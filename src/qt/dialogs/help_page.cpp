#include "qt/dialogs/help_page.h"

#include "qt/dialogs/help_window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
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

void openInDesktopViewer(const QUrl& page, const std::function<void()>& failed) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        // Not a free desktop: Qt's own way. A desktop without a viewer only makes Qt
        // complain.
        const QtMessageHandler previous = qInstallMessageHandler(dropMessages);
        const bool started = QDesktopServices::openUrl(page);
        qInstallMessageHandler(previous);
        if (!started) failed();
        return;
    }
    // xdg-open is started as Qt would start it, but watched: it starts whenever it is
    // there, and only its status tells whether it found anything to open the page with.
    // A viewer still starting when the program ends is stopped with it (what it started
    // runs on).
    auto* process = new QProcess(qApp);
    process->setProgram(opener);
    process->setArguments({page.isLocalFile() ? page.toLocalFile() : page.toString()});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int status, QProcess::ExitStatus how) {
                         if (how != QProcess::NormalExit || status != 0) failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return; // finished() follows
                         failed();
                         process->deleteLater();
                     });
    process->start();
}

void openHelpPage(const QString& path, HelpViewer viewer, int zoom) {
    if (path.isEmpty()) return;
    const QUrl page = QUrl::fromLocalFile(path);
    viewer(page, [page, zoom] { showHelpWindow(page, zoom); });
}

QWidget* showHelpWindow(const QUrl& page, int zoom) {
    auto* window = new HelpWindow(page, zoom);
    window->show();
    return window;
}

} // namespace tarmigo
