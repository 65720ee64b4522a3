#include "qt/platform/app_paths.h"

#include "app/store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace tarmigo {
namespace {

// The folder exists, belongs to us and nobody else may enter it.
bool isPrivateFolder(const QString& path) {
    const QFileInfo info(path);
    if (!info.isDir() || info.ownerId() != ::getuid()) return false;
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                        QFile::WriteOther | QFile::ExeOther;
    return (info.permissions() & others) == 0;
}
} // namespace

QString saveFilePath(const QString& dataFolder, const QString& programName) {
    const auto name = fileCopyName(programName.toStdString());
    if (!name || dataFolder.isEmpty()) return {};
    return QDir(dataFolder).filePath(QString::fromStdString(*name));
}

QString networkSaveFilePath(const QString& dataFolder, const QString& programName) {
    const QString path = saveFilePath(dataFolder, programName);
    return path.isEmpty() ? path : path + QStringLiteral("-network");
}

QString historyFilePath(const QString& dataFolder, const QString& programName) {
    const QString path = saveFilePath(dataFolder, programName);
    return path.isEmpty() ? path : path + QStringLiteral("-history");
}

QString runtimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (isPrivateFolder(folder)) return folder;
    }
    // No session folder (a bare X server, a service): a private folder of our own
    // under the temporary folder, made quietly.
    const QString folder =
        QDir(QDir::tempPath()).filePath(QStringLiteral("tarmigo-%1").arg(::getuid()));
    ::mkdir(QFile::encodeName(folder).constData(), 0700); // fails harmlessly when it exists
    return isPrivateFolder(folder) ? folder : QString();
}

} // namespace tarmigo
