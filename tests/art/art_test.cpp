// The pictures in resources/art: each at its size in the sixteen colours, transparent only
// where shown on the desktop's background, every card face with its group's frame and band.
#include <QImage>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace {

constexpr QRgb Black = 0xFF000000, White = 0xFFFFFFFF, Grey = 0xFF808080, Silver = 0xFFC0C0C0;
constexpr QRgb Red = 0xFFFF0000, Lime = 0xFF00FF00, Yellow = 0xFFFFFF00, Blue = 0xFF0000FF;
constexpr QRgb Aqua = 0xFF00FFFF;

QImage art(const QString& name) {
    return QImage(QStringLiteral(TARMIGO_ART_DIR "/") + name + QStringLiteral(".xpm"))
        .convertToFormat(QImage::Format_ARGB32);
}

// The colours of a picture, each with its count of pixels.
std::map<QRgb, int> colours(const QImage& image) {
    std::map<QRgb, int> count;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++count[image.pixel(x, y)];
    return count;
}

TEST(Art, EveryPictureDecodesAtItsSizeInTheSixteenColours) {
    const std::set<QRgb> palette = {
        Black,  0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, Grey,
        Silver, Red,        Lime,       Yellow,     Blue,       0xFFFF00FF, Aqua,       White};
    std::vector<std::tuple<QString, QSize, bool>> rows = {
        // name, size, may be transparent
        {"123", {12, 15}, false}, {"124", {12, 15}, false},   {"125", {32, 32}, false},
        {"127", {32, 16}, true},  {"icon32", {32, 32}, true}, {"icon16", {16, 16}, true}};
    for (int card = 101; card <= 122; ++card)
        rows.emplace_back(QString::number(card), QSize(18, 26), false);
    for (const auto& [name, size, mayBeTransparent] : rows) {
        const QImage image = art(name);
        EXPECT_EQ(image.size(), size) << name.toStdString();
        for (auto [colour, count] : colours(image))
            EXPECT_TRUE(qAlpha(colour) == 0 ? mayBeTransparent : palette.count(colour) == 1)
                << name.toStdString() << " uses " << std::hex << colour;
    }
}

TEST(Art, CardFacesHaveTheFrameAndBandOfTheirGroupAndDifferFromEachOther) {
    std::vector<QImage> faces;
    for (int card = 102; card <= 120; ++card) {
        const QImage face = art(QString::number(card));
        ASSERT_EQ(face.size(), QSize(18, 26)) << card;
        // Distances and Go, remedies, hazards, safeties.
        const QRgb band = card <= 107 ? Lime : card <= 111 ? Yellow : card <= 116 ? Red : Aqua;
        for (int y = 0; y < 26; ++y)
            for (int x = 0; x < 18; ++x) {
                const bool edgeRow = y == 0 || y == 25, edgeColumn = x == 0 || x == 17;
                QRgb expected = face.pixel(x, y); // between the bands: the picture
                if (edgeRow || edgeColumn)
                    expected = edgeRow && edgeColumn ? White : Black;
                else if (y <= 3 || y >= 22)
                    expected = band;
                EXPECT_EQ(face.pixel(x, y), expected) << card << " at " << x << "," << y;
            }
        // Between the bands a picture stands on white.
        const auto inner = colours(face.copy(1, 4, 16, 18));
        EXPECT_TRUE(inner.count(White) && inner.size() > 1) << card;
        for (std::size_t other = 0; other < faces.size(); ++other)
            EXPECT_NE(face, faces[other]) << card << " looks like " << 102 + other;
        faces.push_back(face);
    }
}

} // namespace
