#pragma once

// Small Ogg Vorbis tracks for the music tests: a tone of a given length,
// made here with libvorbisenc, and a reader of Ogg pages.

#include <vorbis/vorbisenc.h>
#include <QByteArray>
#include <QtEndian>

#include <cmath>
#include <cstdint>
#include <vector>

namespace olk::testing {

// `seconds` of a sine at `frequency` Hz, mono 44100 Hz, at half scale.
inline QByteArray oggTone(double seconds, double frequency, int serial)
{
    constexpr int kRate = 44100;
    QByteArray out;
    vorbis_info info;
    vorbis_info_init(&info);
    vorbis_encode_init_vbr(&info, 1, kRate, 0.1f);
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, serial);
    const auto append = [&out](const ogg_page& page) {
        out.append(reinterpret_cast<const char*>(page.header), page.header_len);
        out.append(reinterpret_cast<const char*>(page.body), page.body_len);
    };
    ogg_packet header, commentPacket, codebooks;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentPacket, &codebooks);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentPacket);
    ogg_stream_packetin(&stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0) {
        append(page);
    }
    const long frames = static_cast<long>(seconds * kRate);
    constexpr long kChunk = 4096;
    for (long at = 0; at <= frames; at += kChunk) {
        const long count = std::min(kChunk, frames - at);
        if (count <= 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
            for (long i = 0; i < count; ++i) {
                buffer[0][i] = static_cast<float>(
                    0.5 * std::sin(2 * M_PI * frequency * static_cast<double>(at + i) / kRate));
            }
            vorbis_analysis_wrote(&dsp, static_cast<int>(count));
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    append(page);
                }
            }
        }
        if (count <= 0) {
            break;
        }
    }
    while (ogg_stream_flush(&stream, &page) != 0) {
        append(page);
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

struct OggPage {
    QByteArray bytes;
    bool first = false;  // beginning of a stream
    bool last = false;   // its end
    std::int64_t granule = 0;
    std::uint32_t serial = 0;
    std::uint32_t checksum = 0;
};

// The whole pages at the start of `data`; `used` says how many bytes they
// took. Stops at anything that is not a page.
inline std::vector<OggPage> oggPages(const QByteArray& data, qsizetype* used = nullptr)
{
    std::vector<OggPage> pages;
    qsizetype at = 0;
    while (at + 27 <= data.size() && data.mid(at, 4) == "OggS") {
        const int segments = static_cast<uchar>(data[at + 26]);
        if (at + 27 + segments > data.size()) {
            break;
        }
        qsizetype size = 27 + segments;
        for (int i = 0; i < segments; ++i) {
            size += static_cast<uchar>(data[at + 27 + i]);
        }
        if (at + size > data.size()) {
            break;
        }
        OggPage page;
        page.bytes = data.mid(at, size);
        const char* p = page.bytes.constData();
        page.first = (p[5] & 2) != 0;
        page.last = (p[5] & 4) != 0;
        page.granule = qFromLittleEndian<qint64>(p + 6);
        page.serial = qFromLittleEndian<quint32>(p + 14);
        page.checksum = qFromLittleEndian<quint32>(p + 22);
        pages.push_back(page);
        at += size;
    }
    if (used != nullptr) {
        *used = at;
    }
    return pages;
}

}  // namespace olk::testing
