// Guards the pictures in resources/art: every file the program loads is there,
// has its size, uses only the sixteen standard colours, and the card faces
// keep the frame and colour band that tell the card groups apart.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kArtDir = TARMIGO_ART_DIR;

const std::string kBlack = "#000000";
const std::string kWhite = "#FFFFFF";
const std::string kGrey = "#808080";
const std::string kSilver = "#C0C0C0";
const std::string kRed = "#FF0000";
const std::string kLime = "#00FF00";
const std::string kYellow = "#FFFF00";
const std::string kBlue = "#0000FF";
const std::string kAqua = "#00FFFF";
const std::string kNone = "NONE";

const std::set<std::string> kPalette = {
    kBlack,  "#800000", "#008000", "#808000", "#000080", "#800080", "#008080", kGrey,
    kSilver, kRed,      kLime,     kYellow,   kBlue,     "#FF00FF", kAqua,     kWhite,
};

struct Xpm {
    std::string error; // empty when the file was read
    int width = 0;
    int height = 0;
    std::map<std::string, std::string> colours;   // symbol -> upper-case value
    std::vector<std::vector<std::string>> pixels; // [y][x] -> colour value

    const std::string& at(int x, int y) const { return pixels[y][x]; }
};

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

// The C strings of the file in order; comments are skipped.
std::vector<std::string> quotedStrings(const std::string& text) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, 2, "/*") == 0) {
            std::size_t end = text.find("*/", i + 2);
            i = end == std::string::npos ? text.size() : end + 2;
        } else if (text[i] == '"') {
            std::string s;
            ++i;
            while (i < text.size() && text[i] != '"') {
                if (text[i] == '\\' && i + 1 < text.size()) ++i;
                s += text[i++];
            }
            ++i;
            out.push_back(s);
        } else {
            ++i;
        }
    }
    return out;
}

Xpm readXpm(const std::string& name) {
    Xpm xpm;
    std::ifstream in(kArtDir + "/" + name, std::ios::binary);
    if (!in) {
        xpm.error = "cannot open " + name;
        return xpm;
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = buffer.str();
    if (text.rfind("/* XPM */", 0) != 0) {
        xpm.error = name + " does not start with the XPM marker";
        return xpm;
    }
    const std::vector<std::string> strings = quotedStrings(text);
    if (strings.empty()) {
        xpm.error = name + " has no header";
        return xpm;
    }
    int count = 0;
    int cpp = 0;
    std::istringstream header(strings[0]);
    if (!(header >> xpm.width >> xpm.height >> count >> cpp) || cpp < 1 || count < 1) {
        xpm.error = name + " has a bad header: " + strings[0];
        return xpm;
    }
    if (strings.size() != static_cast<std::size_t>(1 + count + xpm.height)) {
        xpm.error = name + " has " + std::to_string(strings.size()) + " strings, expected " +
                    std::to_string(1 + count + xpm.height);
        return xpm;
    }
    for (int i = 0; i < count; ++i) {
        const std::string& line = strings[1 + i];
        if (line.size() < static_cast<std::size_t>(cpp)) {
            xpm.error = name + " has a short colour line";
            return xpm;
        }
        std::istringstream rest(line.substr(cpp));
        std::string key;
        std::string value;
        while (rest >> key) {
            if (key == "c" && rest >> value) break;
            value.clear();
        }
        if (value.empty()) {
            xpm.error = name + " has a colour line without a c value: " + line;
            return xpm;
        }
        xpm.colours[line.substr(0, cpp)] = upper(value);
    }
    for (int y = 0; y < xpm.height; ++y) {
        const std::string& row = strings[1 + count + y];
        if (row.size() != static_cast<std::size_t>(xpm.width * cpp)) {
            xpm.error = name + " row " + std::to_string(y) + " has the wrong length";
            return xpm;
        }
        std::vector<std::string> line;
        for (int x = 0; x < xpm.width; ++x) {
            auto it = xpm.colours.find(row.substr(x * cpp, cpp));
            if (it == xpm.colours.end()) {
                xpm.error = name + " row " + std::to_string(y) + " uses an undeclared symbol";
                return xpm;
            }
            line.push_back(it->second);
        }
        xpm.pixels.push_back(line);
    }
    return xpm;
}

struct Expected {
    std::string name;
    int width;
    int height;
    bool mayBeTransparent;
};

std::vector<Expected> allPictures() {
    std::vector<Expected> all;
    for (int id = 101; id <= 122; ++id) all.push_back({std::to_string(id) + ".xpm", 18, 26, false});
    all.push_back({"123.xpm", 12, 15, false});
    all.push_back({"124.xpm", 12, 15, false});
    all.push_back({"125.xpm", 32, 32, false});
    all.push_back({"127.xpm", 32, 16, true});
    all.push_back({"icon32.xpm", 32, 32, true});
    all.push_back({"icon16.xpm", 16, 16, true});
    return all;
}

std::string faceName(int code) {
    return std::to_string(code) + ".xpm";
}

// Band colour of each card group: distances and Go, remedies, hazards, safeties.
std::string bandColour(int code) {
    if (code <= 107) return kLime;
    if (code <= 111) return kYellow;
    if (code <= 116) return kRed;
    return kAqua;
}

TEST(ArtFiles, EveryPictureExistsWithItsSize) {
    for (const Expected& e : allPictures()) {
        const Xpm xpm = readXpm(e.name);
        ASSERT_EQ(xpm.error, "") << e.name;
        EXPECT_EQ(xpm.width, e.width) << e.name;
        EXPECT_EQ(xpm.height, e.height) << e.name;
    }
}

TEST(ArtFiles, ColoursComeFromTheSixteenColourPalette) {
    for (const Expected& e : allPictures()) {
        const Xpm xpm = readXpm(e.name);
        ASSERT_EQ(xpm.error, "") << e.name;
        for (const auto& [symbol, value] : xpm.colours) {
            if (value == kNone) {
                EXPECT_TRUE(e.mayBeTransparent)
                    << e.name << " is transparent at '" << symbol << "'";
            } else {
                EXPECT_TRUE(kPalette.count(value)) << e.name << " uses " << value;
            }
        }
    }
}

TEST(ArtFiles, CardFacesHaveTheFrameAndTheBandOfTheirGroup) {
    for (int code = 102; code <= 120; ++code) {
        const Xpm xpm = readXpm(faceName(code));
        ASSERT_EQ(xpm.error, "") << code;
        ASSERT_EQ(xpm.width, 18);
        ASSERT_EQ(xpm.height, 26);
        for (int x = 0; x < 18; ++x) {
            for (int y : {0, 25}) {
                const bool corner = x == 0 || x == 17;
                EXPECT_EQ(xpm.at(x, y), corner ? kWhite : kBlack)
                    << code << " at " << x << "," << y;
            }
        }
        for (int y = 1; y < 25; ++y) {
            EXPECT_EQ(xpm.at(0, y), kBlack) << code << " left border, row " << y;
            EXPECT_EQ(xpm.at(17, y), kBlack) << code << " right border, row " << y;
        }
        for (int y : {1, 2, 3, 22, 23, 24}) {
            for (int x = 1; x <= 16; ++x) {
                EXPECT_EQ(xpm.at(x, y), bandColour(code)) << code << " band at " << x << "," << y;
            }
        }
        // Between the bands there is a picture, on white.
        std::map<std::string, int> inner;
        for (int y = 4; y <= 21; ++y) {
            for (int x = 1; x <= 16; ++x) ++inner[xpm.at(x, y)];
        }
        EXPECT_GT(inner[kWhite], 0) << code;
        EXPECT_GT(inner.size(), 1u) << code << " has an empty picture";
    }
}

TEST(ArtFiles, CardFacesArePairwiseDifferent) {
    std::map<int, Xpm> faces;
    for (int code = 102; code <= 120; ++code) {
        faces[code] = readXpm(faceName(code));
        ASSERT_EQ(faces[code].error, "") << code;
    }
    for (int a = 102; a <= 120; ++a) {
        for (int b = a + 1; b <= 120; ++b) {
            EXPECT_NE(faces[a].pixels, faces[b].pixels) << a << " and " << b << " look the same";
        }
    }
}

TEST(ArtFiles, BlankCardHasAGreyBorderAndTheGreyCardIsUniform) {
    const Xpm blank = readXpm("121.xpm");
    ASSERT_EQ(blank.error, "");
    EXPECT_EQ(blank.at(5, 0), kGrey);
    EXPECT_EQ(blank.at(0, 12), kGrey);
    EXPECT_EQ(blank.at(17, 12), kGrey);
    EXPECT_EQ(blank.at(5, 25), kGrey);
    for (int y = 1; y < 25; ++y) {
        for (int x = 1; x < 17; ++x) EXPECT_EQ(blank.at(x, y), kWhite) << x << "," << y;
    }
    const Xpm grey = readXpm("122.xpm");
    ASSERT_EQ(grey.error, "");
    ASSERT_EQ(grey.colours.size(), 1u);
    EXPECT_EQ(grey.colours.begin()->second, kGrey);
}

TEST(ArtFiles, EachCarHasItsOwnBodyColourOnSilver) {
    const struct {
        const char* name;
        const std::string& body;
        const std::string& other;
    } cars[] = {{"123.xpm", kRed, kBlue}, {"124.xpm", kBlue, kRed}};
    for (const auto& car : cars) {
        const Xpm xpm = readXpm(car.name);
        ASSERT_EQ(xpm.error, "") << car.name;
        std::map<std::string, int> count;
        for (const auto& row : xpm.pixels) {
            for (const auto& c : row) ++count[c];
        }
        EXPECT_GT(count[car.body], 0) << car.name;
        EXPECT_EQ(count[car.other], 0) << car.name;
        EXPECT_GT(count[kBlack], 0) << car.name << " has no wheels";
        EXPECT_EQ(xpm.at(0, 0), kSilver) << car.name;
        EXPECT_EQ(xpm.at(11, 14), kSilver) << car.name;
    }
}

} // namespace
