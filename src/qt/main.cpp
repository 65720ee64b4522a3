// Tarmigo on the desktop: one window, one running copy per user and display;
// --profile DIR starts a separate one, with its own settings and saved games in DIR (to
// try a network game on one computer).
#include "app/store.h"
#include "game/strings.h"
#include "game/version.h"
#include "qt/board/board_view.h"
#include "qt/board/packed_art.h"
#include "qt/command_line.h"
#include "qt/dialogs/help_page.h"
#include "qt/main_window.h"
#include "qt/network/network_play.h"
#include "qt/network/transport.h"
#include "qt/platform/app_paths.h"
#include "qt/platform/settings_store.h"
#include "qt/platform/single_instance.h"
#include "qt/platform/sound_player.h"
#include "qt/platform/translation.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The wall-clock time of the first paint, in nanoseconds, for bench/startup/measure.sh.
void reportFirstPaint() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf(
        "first-paint %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
}

QIcon programIcon() {
    QIcon icon;
    for (const char* name : {"icon16", "icon32"}) {
        const QImage picture = tarmigo::packedPicture(name);
        if (!picture.isNull()) icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}

// What the command line asks that needs no window: the exit status, or nothing to run.
std::optional<int> answerAtOnce(const tarmigo::CommandLine& line) {
    using tarmigo::CommandLine;
    switch (line.action) {
    case CommandLine::Action::Help: std::fputs(tarmigo::CommandLineHelp, stdout); return 0;
    case CommandLine::Action::Version:
        std::printf("tarmigo %s\n", tarmigo::ProgramVersion);
        return 0;
    case CommandLine::Action::Refuse: std::fprintf(stderr, "%s\n", line.error.c_str()); return 2;
    case CommandLine::Action::Run: break;
    }
    return std::nullopt;
}

// A separate player: its settings and saved games under the folder given, through the
// folders Qt reads them from, set before anything reads them. Empty without one.
QString useProfile(const std::string& folder) {
    if (folder.empty()) return {};
    QString profile = QDir(QString::fromLocal8Bit(folder.c_str())).absolutePath();
    QDir().mkpath(profile);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(profile + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(profile + QStringLiteral("/data")));
    return profile;
}

// Where the games are saved: the game's two copies and its moves, and the network game
// hosted, apart in the same two ways with its code.
class SavedStores {
  public:
    explicit SavedStores(const QString& programName) {
        using namespace tarmigo;
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (const QString path = saveFilePath(data, programName); !path.isEmpty()) {
            file_ = std::make_unique<FileStore>(path.toStdString());
            // The start writes the state it loaded; that waits until the first board is
            // on the screen, since the settings store waits for the disk to confirm.
            fileCopy_ = std::make_unique<HeldStore>(*file_);
            fileCopy_->hold();
        }
        second_.hold();
        // The game's moves, beside the file copy, written with it.
        if (const QString path = historyFilePath(data, programName); !path.isEmpty()) {
            historyFile_ = std::make_unique<FileStore>(path.toStdString());
            history_ = std::make_unique<HeldStore>(*historyFile_);
            history_->hold();
        }
        if (const QString path = networkSaveFilePath(data, programName); !path.isEmpty())
            networkFile_ = std::make_unique<FileStore>(path.toStdString());
    }

    // The held writes are made.
    void release() {
        if (fileCopy_) fileCopy_->release();
        if (history_) history_->release();
        second_.release();
    }

    void fill(tarmigo::WindowSetup& setup) {
        setup.fileStore = fileCopy_.get();
        setup.secondStore = &second_;
        setup.historyStore = history_.get();
        setup.networkFile = networkFile_.get();
        setup.networkSecond = &networkSecond_;
        setup.networkCode = &networkCode_;
    }

  private:
    std::unique_ptr<tarmigo::FileStore> file_;
    std::unique_ptr<tarmigo::HeldStore> fileCopy_;
    tarmigo::SettingsStore settings_;
    tarmigo::HeldStore second_{settings_};
    std::unique_ptr<tarmigo::FileStore> historyFile_;
    std::unique_ptr<tarmigo::HeldStore> history_;
    std::unique_ptr<tarmigo::FileStore> networkFile_;
    tarmigo::SettingsStore networkSecond_{tarmigo::SettingsStore::Value::NetworkGame};
    tarmigo::SettingsStore networkCode_{tarmigo::SettingsStore::Value::NetworkCode};
};

} // namespace

int main(int argc, char** argv) {
    using namespace tarmigo;
    // Answered before anything else starts: no window, no display, no second copy.
    const CommandLine line = readCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
    if (const std::optional<int> status = answerAtOnce(line)) return *status;
    const QString profile = useProfile(line.profile);
    QApplication app(argc, argv);
    const QString programName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QCoreApplication::setApplicationName(QStringLiteral("tarmigo"));

    // A second start brings the running window forward and ends, touching nothing.
    SingleInstance instance(runtimeFolder(), SingleInstance::instanceName(profile));
    if (!instance.claim()) {
        instance.notifyRunning();
        return 0;
    }

    SavedStores stores(programName);
    const auto releaseStores = [&stores] { stores.release(); };
    const QString name = QString::fromLatin1(label::ProgramName);
    QSettings preferences(QSettings::NativeFormat, QSettings::UserScope, name, name);
    // The language: --lang CODE, else the View menu's choice, else the system's.
    useLanguage(chosenLanguage(QCoreApplication::arguments(), &preferences),
                findTranslations(QCoreApplication::applicationDirPath()));
    SoundPlayer sounds(SoundPlayer::foldersBeside(QCoreApplication::applicationDirPath()));
    const QString helpPage =
        findHelpPage(QCoreApplication::applicationDirPath(), currentLanguage());

    WindowSetup setup;
    stores.fill(setup);
    setup.preferences = &preferences;
    setup.sounds = &sounds;
    const MainWindow* shown = nullptr; // the help window takes the game window's zoom
    setup.openHelp = [helpPage, &shown] {
        openHelpPage(helpPage, openInDesktopViewer, shown ? shown->zoom() : 1);
    };
    setup.networkTransports = [] { return loadTransports(QCoreApplication::applicationDirPath()); };

    MainWindow window(setup);
    shown = &window;
    QApplication::setWindowIcon(programIcon());
    instance.onRaise = [&window] { window.bringToFront(); };

    // After the first paint, once the frame has gone to the screen, the held writes
    // are made; a window that is never painted makes them a second after the start.
    // For measuring the start-up, the first paint is reported and the program ends.
    const bool exitAfterPaint =
        qEnvironmentVariable("TARMIGO_EXIT_AFTER_FIRST_PAINT") == QLatin1String("1");
    bool painted = false;
    window.board().onPainted = [&painted, exitAfterPaint, releaseStores] {
        if (painted) return;
        painted = true;
        if (exitAfterPaint) {
            reportFirstPaint();
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        QTimer::singleShot(0, qApp, releaseStores);
    };
    QTimer::singleShot(1000, qApp, releaseStores);

    window.start();
    window.show();
    QApplication::exec();
    return 0;
}
