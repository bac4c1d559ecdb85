// SPDX-License-Identifier: MIT
#include "OggWriter.h"

#include <vorbis/vorbisenc.h>

#include <cstdio>

namespace {

constexpr int StreamSerial = 0x436f7276;  // fixed, so the files never differ
constexpr int BlockFrames = 4096;

// Writes out the pages the stream hands over: `next` is ogg_stream_flush
// (every page, complete or not) or ogg_stream_pageout (complete pages only).
bool WritePages(FILE* file, ogg_stream_state* stream, int (*next)(ogg_stream_state*, ogg_page*)) {
    ogg_page page;
    while (next(stream, &page) != 0) {
        if (std::fwrite(page.header, 1, page.header_len, file) !=
                static_cast<size_t>(page.header_len) ||
            std::fwrite(page.body, 1, page.body_len, file) != static_cast<size_t>(page.body_len)) {
            return false;
        }
    }
    return true;
}

// The Vorbis library's encoder state, released in one place.
class VorbisEncoder {
public:
    VorbisEncoder() {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~VorbisEncoder() {
        if (started) {
            ogg_stream_clear(&stream);
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
    VorbisEncoder(const VorbisEncoder&) = delete;
    VorbisEncoder& operator=(const VorbisEncoder&) = delete;

    bool Start(int sampleRate, float quality) {
        if (vorbis_encode_init_vbr(&info, 2, sampleRate, quality) != 0) {
            return false;
        }
        vorbis_comment_add_tag(&comment, "TITLE", "Corvanel");
        vorbis_analysis_init(&dsp, &info);
        vorbis_block_init(&dsp, &block);
        ogg_stream_init(&stream, StreamSerial);
        started = true;
        return true;
    }

    bool WriteHeaders(FILE* file) {
        ogg_packet identification, comments, codebooks;
        vorbis_analysis_headerout(&dsp, &comment, &identification, &comments, &codebooks);
        ogg_stream_packetin(&stream, &identification);
        ogg_stream_packetin(&stream, &comments);
        ogg_stream_packetin(&stream, &codebooks);
        // The audio starts on a fresh page, as decoders expect.
        return WritePages(file, &stream, ogg_stream_flush);
    }

    // Hands `frames` frames to the encoder (0 marks the end) and writes
    // every page that becomes complete.
    bool Encode(FILE* file, const StereoBuffer& music, size_t start, int frames) {
        if (frames > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, frames);
            for (int i = 0; i < frames; ++i) {
                buffer[0][i] = music.left[start + i];
                buffer[1][i] = music.right[start + i];
            }
        }
        vorbis_analysis_wrote(&dsp, frames);
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                if (!WritePages(file, &stream, ogg_stream_pageout)) {
                    return false;
                }
            }
        }
        return true;
    }

private:
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    bool started = false;
};

}  // namespace

bool WriteOggVorbis(const std::string& path, const StereoBuffer& music, int sampleRate,
                    float quality) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    bool ok = false;
    {
        VorbisEncoder encoder;
        ok = encoder.Start(sampleRate, quality) && encoder.WriteHeaders(file);
        for (size_t start = 0; ok && start < music.Frames(); start += BlockFrames) {
            const size_t left = music.Frames() - start;
            const int frames = static_cast<int>(left < BlockFrames ? left : BlockFrames);
            ok = encoder.Encode(file, music, start, frames);
        }
        ok = ok && encoder.Encode(file, music, 0, 0);
    }
    return std::fclose(file) == 0 && ok;
}
