// Writes the ten calling alert tones that the Optional Features preview plays, "Call Tone 1.wav"
// to "Call Tone 10.wav", into the folder given as the only argument. Each is a second or so of
// 16-bit mono PCM: a warble, a rising triad or a pulse train, on its own pitch.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 16000;
constexpr double kLevel = 0.45 * 32767.0;
constexpr double kEdgeSeconds = 0.004; // fade in and out of every note: no clicks

struct Note {
    double hz; // 0: silence
    double seconds;
};

void appendNote(std::vector<std::int16_t>& pcm, const Note& note) {
    const int count = static_cast<int>(note.seconds * kRate);
    const int edge = static_cast<int>(kEdgeSeconds * kRate);
    for (int i = 0; i < count; ++i) {
        double v = 0.0;
        if (note.hz > 0.0) {
            const double fade = std::min(
                {1.0, static_cast<double>(i) / edge, static_cast<double>(count - 1 - i) / edge});
            v = kLevel * fade * std::sin(2.0 * std::numbers::pi * note.hz * i / kRate);
        }
        pcm.push_back(static_cast<std::int16_t>(std::lround(v)));
    }
}

// Tone n (1..10): the pattern cycles with n, the pitch rises with n.
std::vector<Note> pattern(int n) {
    const double f = 600.0 + 90.0 * (n - 1);
    std::vector<Note> notes;
    switch (n % 3) {
    case 1: // warble
        for (int i = 0; i < 14; ++i)
            notes.push_back({i % 2 ? f * 1.5 : f, 0.08});
        break;
    case 2: // rising triad, twice
        for (int r = 0; r < 2; ++r)
            for (double k : {1.0, 1.25, 1.5}) {
                notes.push_back({f * k, 0.2});
                notes.push_back({0.0, 0.04});
            }
        break;
    default: // pulses
        for (int i = 0; i < 6; ++i) {
            notes.push_back({f, 0.1});
            notes.push_back({0.0, 0.08});
        }
        break;
    }
    return notes;
}

void put16(std::ofstream& out, std::uint16_t v) {
    out.put(static_cast<char>(v & 0xFF));
    out.put(static_cast<char>(v >> 8));
}

void put32(std::ofstream& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

// Writes a RIFF/WAVE file beside its final name first, then renames it into place.
bool writeWave(const std::filesystem::path& path, const std::vector<std::int16_t>& pcm) {
    const std::filesystem::path temp = path.string() + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
        out.write("RIFF", 4);
        put32(out, 36 + dataBytes);
        out.write("WAVEfmt ", 8);
        put32(out, 16);        // format chunk size
        put16(out, 1);         // PCM
        put16(out, 1);         // mono
        put32(out, kRate);     // samples per second
        put32(out, kRate * 2); // bytes per second
        put16(out, 2);         // block align
        put16(out, 16);        // bits per sample
        out.write("data", 4);
        put32(out, dataBytes);
        for (const std::int16_t s : pcm)
            put16(out, static_cast<std::uint16_t>(s));
        if (!out.flush())
            return false;
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    return !ec;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    for (int n = 1; n <= 10; ++n) {
        std::vector<std::int16_t> pcm;
        for (const Note& note : pattern(n))
            appendNote(pcm, note);
        appendNote(pcm, {0.0, 0.05});
        const auto path = folder / ("Call Tone " + std::to_string(n) + ".wav");
        if (!writeWave(path, pcm)) {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            return 1;
        }
    }
    return 0;
}
