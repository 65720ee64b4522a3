// One empty window, the size of the game's window at zoom 2 unless told otherwise:
//   tarmigo-bench-minimal [WIDTH HEIGHT]
// With TARMIGO_EXIT_AFTER_FIRST_PAINT=1 it prints "first-paint NANOSECONDS" (the
// wall-clock time) once the window has been painted and ends, as the game does, so
// that the two start-ups can be timed alike.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

class EmptyWindow : public QWidget {
  public:
    bool exitAfterPaint = false;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Qt::white);
        if (!exitAfterPaint) return;
        exitAfterPaint = false;
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("first-paint %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    EmptyWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.exitAfterPaint = qEnvironmentVariable("TARMIGO_EXIT_AFTER_FIRST_PAINT") == "1";
    const int width = argc > 2 ? std::atoi(argv[1]) : 480;
    const int height = argc > 2 ? std::atoi(argv[2]) : 640;
    window.resize(width > 0 ? width : 480, height > 0 ? height : 640);
    window.show();
    return app.exec();
}
