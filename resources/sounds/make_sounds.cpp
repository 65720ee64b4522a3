// Writes the four move sounds of Tarmigo as WAVE files into the folder given on the command line:
//
//   WVS.wav  a safety laid            11025 Hz, 8909 samples (about 0.81 s)
//   WVR.wav  Go, a remedy, End of Limit 19886 Hz, 2290 samples (about 0.12 s)
//   WVH.wav  a hazard or Speed Limit   8000 Hz, 1742 samples (about 0.22 s)
//   WVM.wav  a distance card          22050 Hz,  915 samples (about 0.04 s)
//
// Every file is RIFF/WAVE, uncompressed PCM, one channel, 8 bits per sample (unsigned, silence at
// 128). The effects are synthesised from sines and band-limited harmonics with smooth envelopes
// that start and end at silence; nothing is random, so every build writes the same bytes.
//
// Usage: make_sounds OUTPUT_FOLDER

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;

struct Sound {
    std::string name;   // file name without the extension
    std::uint32_t rate; // samples per second
    std::size_t count;  // number of samples
    double peak;        // loudest sample, as a fraction of full scale
    std::vector<double> (*render)(std::uint32_t rate, std::size_t count);
};

// Raised-cosine ramp from 0 (at 0) to 1 (at 1), clamped outside.
double smoothStep(double x) {
    if (x <= 0.0) return 0.0;
    if (x >= 1.0) return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

// Fade in over the first `in` seconds and out over the last `out` seconds of a sound `length`
// seconds long, so that the first and the last sample are silent.
double edgeFade(double t, double length, double in, double out) {
    return smoothStep(t / in) * smoothStep((length - t) / out);
}

// Sum of the harmonics of a sawtooth at phase `phase` (radians), softened above about 1.2 kHz
// like a horn's bell, keeping only the partials below `limit` Hz so that nothing folds back above
// half the sample rate.
double hornWave(double phase, double freq, double limit) {
    double sum = 0.0;
    for (int k = 1; k * freq < limit; ++k) {
        const double r = k * freq / 1200.0;
        sum += std::sin(k * phase) / (k * (1.0 + r * r));
    }
    return sum;
}

// A safety: a bright rising arpeggio of three bell-like notes (C, E, G two octaves above middle C),
// each ringing on under the next, the last one held longest.
std::vector<double> renderSafety(std::uint32_t rate, std::size_t count) {
    struct Note {
        double start, freq, decay;
    };
    const Note notes[] = {{0.000, 1046.50, 0.22}, {0.120, 1318.51, 0.24}, {0.240, 1567.98, 0.30}};
    const double length = double(count) / rate;
    std::vector<double> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        double v = 0.0;
        for (const Note& n : notes) {
            const double u = t - n.start;
            if (u < 0.0) continue;
            const double env = smoothStep(u / 0.006) * std::exp(-u / n.decay);
            const double ph = twoPi * n.freq * u;
            // Fundamental with a soft octave and twelfth; the upper partials die away faster,
            // which gives the bell its glassy start and round tail.
            v += env * (std::sin(ph) + 0.30 * std::exp(-u / 0.08) * std::sin(2.0 * ph) +
                        0.10 * std::exp(-u / 0.04) * std::sin(3.0 * ph));
        }
        out[i] = v * edgeFade(t, length, 0.002, 0.060);
    }
    return out;
}

// Go or a remedy: two short rounded tones a fifth apart, low then high.
std::vector<double> renderRemedy(std::uint32_t rate, std::size_t count) {
    const double length = double(count) / rate;
    const double split = length * 0.45; // the second tone starts here
    std::vector<double> out(count);
    double phase = 0.0; // kept continuous across the change of pitch
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        const bool high = t >= split;
        const double freq = high ? 987.77 : 659.26; // B5 over E5
        phase += twoPi * freq / rate;
        // Each tone swells in and fades out on its own, so the join is a short dip, not a click.
        const double local = high ? t - split : t;
        const double span = high ? length - split : split;
        const double env =
            smoothStep(local / 0.004) * smoothStep((span - local) / 0.010) * (high ? 1.0 : 0.85);
        out[i] = env * (std::sin(phase) + 0.08 * std::sin(3.0 * phase));
    }
    return out;
}

// A hazard: a low, buzzy horn that slides down, with two slightly detuned voices.
std::vector<double> renderHazard(std::uint32_t rate, std::size_t count) {
    const double length = double(count) / rate;
    const double limit = 0.42 * rate; // keep the partials clear of half the sample rate
    std::vector<double> out(count);
    double phaseA = 0.0, phaseB = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        const double x = t / length;
        const double freq = 220.0 * std::pow(146.83 / 220.0, x); // A3 gliding down to D3
        phaseA += twoPi * freq / rate;
        phaseB += twoPi * freq * 1.012 / rate;
        const double buzz = hornWave(phaseA, freq, limit) + hornWave(phaseB, freq * 1.012, limit);
        // A firm start that sags a little, then a smooth release over the last third.
        const double env = smoothStep(t / 0.008) * (1.0 - 0.25 * x) * smoothStep((1.0 - x) / 0.35);
        out[i] = env * buzz;
    }
    return out;
}

// A distance card: a soft wooden tick, a quickly damped high tone over a lower body.
std::vector<double> renderMiles(std::uint32_t rate, std::size_t count) {
    const double length = double(count) / rate;
    std::vector<double> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        const double tick = std::exp(-t / 0.0045) * std::sin(twoPi * 1760.0 * t);
        const double body = 0.6 * std::exp(-t / 0.0090) * std::sin(twoPi * 880.0 * t);
        out[i] = (tick + body) * edgeFade(t, length, 0.0012, 0.012);
    }
    return out;
}

// Scales the wave so that its loudest sample reaches `peak` of full scale and converts it to
// unsigned 8-bit samples around 128.
std::vector<std::uint8_t> toUnsigned8(const std::vector<double>& wave, double peak) {
    double loudest = 0.0;
    for (double v : wave) loudest = std::max(loudest, std::abs(v));
    const double gain = loudest > 0.0 ? peak * 127.0 / loudest : 0.0;
    std::vector<std::uint8_t> bytes(wave.size());
    std::transform(wave.begin(), wave.end(), bytes.begin(), [gain](double v) {
        const long s = std::lround(128.0 + v * gain);
        return static_cast<std::uint8_t>(std::clamp(s, 1L, 255L));
    });
    return bytes;
}

// Little-endian writer over a buffer sized in advance.
class ByteWriter {
  public:
    explicit ByteWriter(std::size_t size) : bytes_(size, 0) {}
    void u16(std::uint16_t v) {
        for (int shift = 0; shift < 16; shift += 8) put(static_cast<std::uint8_t>(v >> shift));
    }
    void u32(std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8) put(static_cast<std::uint8_t>(v >> shift));
    }
    void tag(const char (&id)[5]) {
        for (int i = 0; i < 4; ++i) put(static_cast<std::uint8_t>(id[i]));
    }
    void put(std::uint8_t b) { bytes_.at(pos_++) = b; }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

  private:
    std::vector<std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

// The whole file: RIFF header, a 16-byte PCM format chunk and the data chunk, with the pad byte
// that RIFF requires after a chunk of odd size (counted in the RIFF size, not in the chunk size).
std::vector<std::uint8_t> waveFile(std::uint32_t rate, const std::vector<std::uint8_t>& samples) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size());
    const std::uint32_t pad = dataSize & 1U;
    const std::uint32_t riffSize = 4 + (8 + 16) + (8 + dataSize + pad);
    ByteWriter out(8 + riffSize);
    out.tag("RIFF");
    out.u32(riffSize);
    out.tag("WAVE");
    out.tag("fmt ");
    out.u32(16);
    out.u16(1);    // uncompressed PCM
    out.u16(1);    // one channel
    out.u32(rate); // samples per second
    out.u32(rate); // bytes per second: one byte per sample
    out.u16(1);    // block align
    out.u16(8);    // bits per sample
    out.tag("data");
    out.u32(dataSize);
    for (std::uint8_t s : samples) out.put(s);
    if (pad) out.put(0);
    return out.take();
}

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    file.close();
    return bool(file);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_sounds OUTPUT_FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "make_sounds: cannot create " << folder << ": " << error.message() << '\n';
        return 1;
    }

    const Sound sounds[] = {
        {"WVS", 11025, 8909, 0.70, renderSafety},
        {"WVR", 19886, 2290, 0.50, renderRemedy},
        {"WVH", 8000, 1742, 0.60, renderHazard},
        {"WVM", 22050, 915, 0.50, renderMiles},
    };
    for (const Sound& s : sounds) {
        const auto samples = toUnsigned8(s.render(s.rate, s.count), s.peak);
        const auto path = folder / (s.name + ".wav");
        if (!writeFile(path, waveFile(s.rate, samples))) {
            std::cerr << "make_sounds: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
