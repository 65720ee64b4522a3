// The WAVE files of make_sounds, read strictly: mono 8-bit PCM at the exact rate and length,
// each effect audible, unclipped, starting and ending at silence.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <string>
#include <vector>

namespace {

struct Sound {
    const char* name;
    std::uint32_t rate;
    std::uint32_t samples;
};

class SoundFile : public testing::TestWithParam<Sound> {};

TEST_P(SoundFile, IsMono8BitPcmAudibleUnclippedAndFramedBySilence) {
    const auto [name, rate, count] = GetParam();
    std::ifstream file(std::filesystem::path(TARMIGO_SOUND_DIR) / (name + std::string(".wav")),
                       std::ios::binary);
    const std::vector<std::uint8_t> b{std::istreambuf_iterator<char>(file), {}};
    const std::uint32_t pad = count & 1; // a chunk of odd size is padded with a zero
    ASSERT_EQ(b.size(), 44 + count + pad);
    EXPECT_EQ(b.back() * pad, 0u);
    // RIFF, WAVE, a 16-byte PCM format chunk (one channel, 8 bits), then the data chunk.
    const auto le = [](std::uint32_t value, int bytes) { // little-endian
        std::string s;
        for (int i = 0; i < bytes; ++i) s += char(value >> 8 * i);
        return s;
    };
    EXPECT_EQ(std::string(b.begin(), b.begin() + 44),
              "RIFF" + le(36 + count + pad, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) +
                  le(rate, 4) + le(rate, 4) + le(1, 2) + le(8, 2) + "data" + le(count, 4));

    // Unsigned 8-bit: silence is 128, so a sound written as signed fails here.
    const std::vector<int> s(b.begin() + 44, b.begin() + 44 + long(count));
    const auto [low, high] = std::minmax_element(s.begin(), s.end());
    EXPECT_GT(std::max(128 - *low, *high - 128), 32) << "too quiet to hear";
    EXPECT_TRUE(*low > 0 && *high < 255) << "clipped";
    EXPECT_NEAR(s.front(), 128, 2) << "clicks at the start";
    EXPECT_NEAR(s.back(), 128, 2) << "clicks at the end";
    EXPECT_NEAR(std::accumulate(s.begin(), s.end(), 0.0) / count, 128.0, 3.0) << "off-centre";
}

INSTANTIATE_TEST_SUITE_P(MoveSounds, SoundFile,
                         testing::Values(Sound{"WVS", 11025, 8909}, Sound{"WVR", 19886, 2290},
                                         Sound{"WVH", 8000, 1742}, Sound{"WVM", 22050, 915}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
