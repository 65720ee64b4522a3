// The packed board font draws every board text as Qt draws it with the board font: same
// width and pixels, in each language and packed zoom, on each background, cut at an edge.
#include "game/strings.h"
#include "qt/board/board_font.h"
#include "qt/board/packed_text.h"
#include "qt/platform/translation.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

namespace tarmigo {
namespace {
const QString Translations = findTranslations(QFileInfo(QStringLiteral(TARMIGO_PROGRAM)).path());

// Every text of the string table as the board shows it, numbers put in, and some numbers.
QStringList shownTexts() {
    QStringList texts;
    for (const auto& [id, english] : stringTable())
        texts << shownText(english).replace(QLatin1String("%d"), QLatin1String("1000"));
    for (const char* number : {"0", "25", "87", "  106", "1234567890", "4711"})
        texts << QString::fromLatin1(number);
    return texts;
}

QImage drawn(const QString& text, int zoom, QRgb background, const QRect& clip, bool packed) {
    QImage image(260 * zoom, 16 * zoom, QImage::Format_RGB32);
    image.fill(background);
    const int x = 3 * zoom + 1;
    const int baseline = 12 * zoom;
    if (packed) {
        PackedText(PackedText::sizeFor(zoom), text).draw(image, x, baseline, clip, qRgb(0, 0, 0));
    } else {
        QPainter painter(&image);
        painter.setClipRect(clip);
        painter.setFont(boardFont(zoom));
        painter.setPen(Qt::black);
        painter.drawText(x, baseline, text);
    }
    return image;
}

TEST(PackedTextTest, DrawsTheSamePixelsAsQtInEveryLanguage) {
    int checked = 0;
    for (const char* language : {"en", "de", "fr"}) {
        useLanguage(QString::fromLatin1(language), Translations);
        const QStringList texts = shownTexts();
        for (int zoom = 1; zoom <= 4; ++zoom) {
            const PackedFontSize* size = PackedText::sizeFor(zoom);
            if (!size) continue;
            const QFontMetrics metrics(boardFont(zoom));
            const QRect whole(0, 0, 260 * zoom, 16 * zoom);
            const QRect cut(40 * zoom + 1, 3 * zoom, 30 * zoom, 6 * zoom);
            for (const QString& text : texts) {
                const PackedText packed(size, text);
                ASSERT_TRUE(packed.valid()) << language << ": " << text.toStdString();
                EXPECT_EQ(packed.width(), metrics.horizontalAdvance(text)) << text.toStdString();
                for (const auto& [background, clip] :
                     {std::pair(qRgb(255, 255, 255), whole), std::pair(qRgb(128, 128, 255), cut)})
                    EXPECT_EQ(drawn(text, zoom, background, clip, true),
                              drawn(text, zoom, background, clip, false))
                        << language << " zoom " << zoom << ": " << text.toStdString();
                ++checked;
            }
        }
    }
    useLanguage(QStringLiteral("en"), Translations);
    EXPECT_GT(checked, 0) << "no packed size";
}

TEST(PackedTextTest, LeavesToQtWhatItCannotDraw) {
    EXPECT_EQ(PackedText::sizeFor(99), nullptr);
    const PackedFontSize* size = PackedText::sizeFor(1);
    if (!size) GTEST_SKIP() << "no packed size";
    EXPECT_FALSE(PackedText(size, QStringLiteral("Spur \u6f22")).valid());
    EXPECT_FALSE(PackedText(nullptr, QStringLiteral("Hand")).valid());
    EXPECT_TRUE(PackedText(size, QString()).valid());
}
} // namespace
} // namespace tarmigo
