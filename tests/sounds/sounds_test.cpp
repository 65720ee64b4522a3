// Reads the WAVE files written by make_sounds and checks them the way a strict player would:
// the RIFF structure chunk by chunk, the PCM format, and that each effect is audible, unclipped
// and starts and ends at silence.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

const std::filesystem::path soundDir = TARMIGO_SOUND_DIR;

struct Expected {
    const char* name;
    std::uint32_t rate;
    std::uint32_t count;
};

void PrintTo(const Expected& e, std::ostream* os) {
    *os << e.name;
}

const Expected expectedSounds[] = {
    {"WVS", 11025, 8909},
    {"WVR", 19886, 2290},
    {"WVH", 8000, 1742},
    {"WVM", 22050, 915},
};

std::vector<std::uint8_t> readAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t le16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t(b.at(at)) | std::uint32_t(b.at(at + 1)) << 8;
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return le16(b, at) | le16(b, at + 2) << 16;
}

std::string tag(const std::vector<std::uint8_t>& b, std::size_t at) {
    return {b.begin() + std::ptrdiff_t(at), b.begin() + std::ptrdiff_t(at + 4)};
}

struct Chunk {
    std::string id;
    std::size_t offset; // of the chunk body
    std::uint32_t size; // as stored, without the pad byte
};

// Walks the chunks after "WAVE"; fails the test when a chunk runs past the end of the file or
// the walk does not end exactly at it.
std::vector<Chunk> walkChunks(const std::vector<std::uint8_t>& b) {
    std::vector<Chunk> chunks;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        Chunk c{tag(b, at), at + 8, le32(b, at + 4)};
        const std::size_t next = c.offset + c.size + (c.size & 1U);
        EXPECT_LE(next, b.size()) << "chunk '" << c.id << "' runs past the end of the file";
        chunks.push_back(c);
        at = next;
    }
    EXPECT_EQ(at, b.size()) << "bytes left over after the last chunk";
    return chunks;
}

std::optional<Chunk> find(const std::vector<Chunk>& chunks, const std::string& id) {
    for (const Chunk& c : chunks)
        if (c.id == id) return c;
    return std::nullopt;
}

class SoundFile : public testing::TestWithParam<Expected> {
  protected:
    void SetUp() override {
        path = soundDir / (std::string(GetParam().name) + ".wav");
        ASSERT_TRUE(std::filesystem::exists(path)) << path;
        bytes = readAll(path);
        ASSERT_GE(bytes.size(), 44U);
    }
    std::filesystem::path path;
    std::vector<std::uint8_t> bytes;
};

TEST_P(SoundFile, RiffHeaderMatchesTheFileSize) {
    EXPECT_EQ(tag(bytes, 0), "RIFF");
    EXPECT_EQ(le32(bytes, 4), bytes.size() - 8);
    EXPECT_EQ(tag(bytes, 8), "WAVE");
}

TEST_P(SoundFile, FormatIsMono8BitPcmAtTheExactRate) {
    const auto chunks = walkChunks(bytes);
    ASSERT_FALSE(chunks.empty());
    EXPECT_EQ(chunks.front().id, "fmt ") << "the format chunk must come first";
    const auto fmt = find(chunks, "fmt ");
    ASSERT_TRUE(fmt);
    ASSERT_EQ(fmt->size, 16U);
    const std::size_t f = fmt->offset;
    EXPECT_EQ(le16(bytes, f), 1U) << "format tag (uncompressed PCM)";
    EXPECT_EQ(le16(bytes, f + 2), 1U) << "channels";
    EXPECT_EQ(le32(bytes, f + 4), GetParam().rate) << "sample rate";
    EXPECT_EQ(le32(bytes, f + 8), GetParam().rate) << "byte rate";
    EXPECT_EQ(le16(bytes, f + 12), 1U) << "block align";
    EXPECT_EQ(le16(bytes, f + 14), 8U) << "bits per sample";
}

TEST_P(SoundFile, DataChunkHoldsTheExactSampleCountAndAZeroPad) {
    const auto chunks = walkChunks(bytes);
    const auto data = find(chunks, "data");
    ASSERT_TRUE(data);
    EXPECT_EQ(data->size, GetParam().count);
    const std::size_t pad = GetParam().count & 1U;
    EXPECT_EQ(bytes.size(), 44 + GetParam().count + pad);
    if (pad) {
        EXPECT_EQ(bytes.back(), 0U) << "pad byte after an odd-sized data chunk";
    }
}

TEST_P(SoundFile, IsAudibleUnclippedAndStartsAndEndsAtSilence) {
    const auto data = find(walkChunks(bytes), "data");
    ASSERT_TRUE(data);
    ASSERT_GT(data->size, 0U);
    const auto first = bytes.begin() + std::ptrdiff_t(data->offset);
    const std::vector<int> samples(first, first + data->size);

    const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
    EXPECT_GT(std::max(128 - *low, *high - 128), 32) << "too quiet to hear";
    EXPECT_GT(*low, 0) << "clipped at the bottom";
    EXPECT_LT(*high, 255) << "clipped at the top";

    // Unsigned 8-bit: silence is 128, so a sound written as signed would fail here.
    EXPECT_NEAR(samples.front(), 128, 2) << "clicks at the start";
    EXPECT_NEAR(samples.back(), 128, 2) << "clicks at the end";
    double sum = 0;
    for (int s : samples) sum += s;
    EXPECT_NEAR(sum / samples.size(), 128.0, 3.0) << "off-centre waveform";
}

INSTANTIATE_TEST_SUITE_P(MoveSounds, SoundFile, testing::ValuesIn(expectedSounds),
                         [](const testing::TestParamInfo<Expected>& info) {
                             return std::string(info.param.name);
                         });

TEST(SoundResources, QrcListsEverySoundUnderItsAlias) {
    const auto qrc = readAll(soundDir / "sounds.qrc");
    const std::string text(qrc.begin(), qrc.end());
    EXPECT_NE(text.find("prefix=\"/sounds\""), std::string::npos);
    for (const Expected& e : expectedSounds) {
        const std::string file = std::string(e.name) + ".wav";
        EXPECT_NE(text.find("alias=\"" + file + "\">" + file + "</file>"), std::string::npos)
            << file;
        EXPECT_TRUE(std::filesystem::exists(soundDir / file)) << file;
    }
}

} // namespace
