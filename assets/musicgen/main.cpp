// olk-musicgen: the club's music, made at build time.
//
//   olk-musicgen <output folder> [sound font]
//
// Composes every piece of compose.h as MIDI, plays it with FluidSynth and a
// General MIDI sound font into 44.1 kHz stereo, and encodes that as Ogg
// Vorbis: one file per piece, named title + "~" + band + ".ogg" with "_" for
// blanks, which olk-service serves with --music. Each file's stream has a
// serial number of its own, so that the files laid one after another form a
// valid chained Ogg stream. Fixed seeds and a single-threaded synthesiser:
// two runs write the same bytes.

#include <fluidsynth.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "assets/musicgen/compose.h"

namespace {

constexpr int kSampleRate = 44100;
// The pieces peak a little below full scale with this gain and TimGM6mb;
// FluidSynth's own default (0.2) is far too quiet.
constexpr double kGain = 0.6;
constexpr double kRingSeconds = 2.5;  // the last chord dies away
constexpr float kQuality = 0.25f;     // about 96 kbit/s: background music
constexpr float kPeak = 0.85f;        // the loudest sample of every piece

void quiet(int, const char*, void*) {}

// The piece as interleaved stereo float samples; empty on failure.
std::vector<float> render(const std::vector<std::uint8_t>& song, const char* soundFont)
{
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kSampleRate);
    fluid_settings_setnum(settings, "synth.gain", kGain);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_settings_setint(settings, "synth.reverb.active", 1);
    fluid_settings_setint(settings, "synth.polyphony", 96);
    fluid_settings_setint(settings, "synth.cpu-cores", 1);
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_synth_t* synth = new_fluid_synth(settings);
    std::vector<float> samples;
    if (synth != nullptr && fluid_synth_sfload(synth, soundFont, 1) != FLUID_FAILED) {
        fluid_player_t* player = new_fluid_player(synth);
        if (player != nullptr &&
            fluid_player_add_mem(player, song.data(), song.size()) != FLUID_FAILED &&
            fluid_player_play(player) != FLUID_FAILED) {
            constexpr int kBlock = 1024;
            std::vector<float> left(kBlock), right(kBlock);
            int ring = static_cast<int>(kRingSeconds * kSampleRate);
            // Ten minutes at most, whatever the player says.
            const std::size_t limit = std::size_t{600} * kSampleRate * 2;
            while (ring > 0 && samples.size() < limit) {
                fluid_synth_write_float(synth, kBlock, left.data(), 0, 1, right.data(), 0, 1);
                for (int i = 0; i < kBlock; ++i) {
                    samples.push_back(left[static_cast<std::size_t>(i)]);
                    samples.push_back(right[static_cast<std::size_t>(i)]);
                }
                if (fluid_player_get_status(player) != FLUID_PLAYER_PLAYING) {
                    ring -= kBlock;
                }
            }
            fluid_player_stop(player);
        }
        if (player != nullptr) {
            delete_fluid_player(player);
        }
    }
    if (synth != nullptr) {
        delete_fluid_synth(synth);
    }
    delete_fluid_settings(settings);
    // Every piece peaks at the same level, whatever its instruments.
    float peak = 0;
    for (float sample : samples) {
        peak = std::max(peak, std::abs(sample));
    }
    if (peak > 0) {
        const float scale = std::min(kPeak / peak, 8.0f);
        for (float& sample : samples) {
            sample *= scale;
        }
    }
    return samples;
}

bool writePage(std::ofstream& out, const ogg_page& page)
{
    out.write(reinterpret_cast<const char*>(page.header), page.header_len);
    out.write(reinterpret_cast<const char*>(page.body), page.body_len);
    return static_cast<bool>(out);
}

// Encodes interleaved stereo into an Ogg Vorbis file with the given serial
// number and title and artist comments.
bool encode(const std::vector<float>& samples, const std::filesystem::path& path, int serial,
            const olk::musicgen::PieceInfo& piece)
{
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 2, kSampleRate, kQuality) != 0) {
        vorbis_info_clear(&info);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "TITLE", piece.title.c_str());
    vorbis_comment_add_tag(&comment, "ARTIST", piece.band.c_str());
    vorbis_comment_add_tag(&comment, "ALBUM", "Olk club music");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, serial);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    bool ok = static_cast<bool>(out);
    {
        ogg_packet header, commentPacket, codebooks;
        vorbis_analysis_headerout(&dsp, &comment, &header, &commentPacket, &codebooks);
        ogg_stream_packetin(&stream, &header);
        ogg_stream_packetin(&stream, &commentPacket);
        ogg_stream_packetin(&stream, &codebooks);
        ogg_page page;
        while (ogg_stream_flush(&stream, &page) != 0) {
            ok = ok && writePage(out, page);
        }
    }
    const std::size_t frames = samples.size() / 2;
    constexpr std::size_t kChunk = 4096;
    bool ended = false;
    for (std::size_t at = 0; !ended; at += kChunk) {
        const std::size_t count = at < frames ? std::min(kChunk, frames - at) : 0;
        if (count == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
            for (std::size_t i = 0; i < count; ++i) {
                buffer[0][i] = samples[2 * (at + i)];
                buffer[1][i] = samples[2 * (at + i) + 1];
            }
            vorbis_analysis_wrote(&dsp, static_cast<int>(count));
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
                ogg_stream_packetin(&stream, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    ok = ok && writePage(out, page);
                    ended = ended || ogg_page_eos(&page) != 0;
                }
            }
        }
        if (count == 0) {
            ogg_page page;
            while (ogg_stream_flush(&stream, &page) != 0) {
                ok = ok && writePage(out, page);
            }
            ended = true;
        }
    }
    out.close();
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return ok && static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: olk-musicgen <output folder> [sound font]\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::string soundFont = argc == 3 ? argv[2] : "/usr/share/sounds/sf2/TimGM6mb.sf2";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "olk-musicgen: cannot create %s\n", folder.c_str());
        return 1;
    }
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
        fluid_set_log_function(level, quiet, nullptr);
    }
    const std::vector<olk::musicgen::PieceInfo> pieces = olk::musicgen::pieces();
    // Two pieces at a time: each synthesiser and encoder works alone.
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    const auto work = [&] {
        for (int i = next++; i < static_cast<int>(pieces.size()); i = next++) {
            const auto& piece = pieces[static_cast<std::size_t>(i)];
            const std::vector<float> samples =
                render(olk::musicgen::composePiece(i), soundFont.c_str());
            const std::filesystem::path path = folder / olk::musicgen::trackFileName(piece);
            const std::filesystem::path temporary = path.string() + ".part";
            if (samples.empty() || !encode(samples, temporary, 0x4F6C6B00 + i, piece)) {
                std::fprintf(stderr, "olk-musicgen: cannot make %s (sound font %s)\n", path.c_str(),
                             soundFont.c_str());
                failed = true;
                continue;
            }
            std::filesystem::rename(temporary, path, error);
            if (error) {
                failed = true;
            }
        }
    };
    std::thread helper(work);
    work();
    helper.join();
    return failed ? 1 : 0;
}
