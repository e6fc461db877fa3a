// olk-soundgen: synthesises the program's sound effects at build time.
//
//   olk-soundgen <output folder>
//
// Writes every effect as "<name>.wav" (16-bit PCM, mono, 44100 Hz) into the
// output folder together with "sounds.qrc", which the build compiles into the
// program's resources as ":/sounds/<name>", and the melody "MidiSong.mid",
// which becomes ":/music/MidiSong". Nothing is recorded: every sound
// is computed here, noise included (from fixed seeds), so two runs write the
// same bytes.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "assets/soundgen/effects.h"
#include "assets/soundgen/melody.h"
#include "assets/soundgen/wav_file.h"

namespace {

bool writeFile(const std::filesystem::path& path, const char* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data, static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        std::fprintf(stderr, "olk-soundgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: olk-soundgen <output folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "olk-soundgen: cannot create %s\n", folder.c_str());
        return 1;
    }

    std::string qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/sounds\">\n";
    for (const olk::soundgen::Effect& effect : olk::soundgen::effects()) {
        const std::string name(effect.name);
        const std::vector<std::uint8_t> wav =
            olk::soundgen::encodeWav(olk::soundgen::renderEffect(effect));
        if (!writeFile(folder / (name + ".wav"), reinterpret_cast<const char*>(wav.data()),
                       wav.size())) {
            return 1;
        }
        qrc += "    <file alias=\"" + name + "\">" + name + ".wav</file>\n";
    }
    const std::vector<std::uint8_t> song = olk::soundgen::composeMidiSong();
    if (!writeFile(folder / "MidiSong.mid", reinterpret_cast<const char*>(song.data()),
                   song.size())) {
        return 1;
    }
    qrc += "</qresource>\n<qresource prefix=\"/music\">\n";
    qrc += "    <file alias=\"MidiSong\">MidiSong.mid</file>\n";
    qrc += "</qresource>\n</RCC>\n";
    // The list goes last: the build takes a complete list as the sign that
    // every file it names is written.
    return writeFile(folder / "sounds.qrc", qrc.data(), qrc.size()) ? 0 : 1;
}
