#include "qt/board/board_font.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace tarmigo {
namespace {

// Tahoma may be installed outside the font directories the system searches
// (the free one of the Windows compatibility fonts is); it is added once from there.
void ensureTahoma() {
    static const bool done = [] {
        if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) return true;
        const char* const paths[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                     "/usr/share/fonts/truetype/wine/tahoma.ttf"};
        return std::any_of(std::begin(paths), std::end(paths), [](const char* path) {
            return QFontDatabase::addApplicationFont(QString::fromLatin1(path)) >= 0;
        });
    }();
    (void)done;
}

} // namespace

QFont boardFont(int zoom) {
    ensureTahoma();
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12 * zoom);
    return font;
}

} // namespace tarmigo
