#include "vorbis_writer.h"

#include <vorbis/vorbisenc.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kSerial = 0x7a656e74; // fixed, for reproducible files
constexpr size_t kBlock = 4096;

struct Encoder {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    bool analysing = false;

    Encoder() {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~Encoder() {
        if (analysing) {
            ogg_stream_clear(&stream);
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
};

bool WritePage(std::FILE* f, const ogg_page& page) {
    return std::fwrite(page.header, 1, page.header_len, f) ==
               static_cast<size_t>(page.header_len) &&
           std::fwrite(page.body, 1, page.body_len, f) == static_cast<size_t>(page.body_len);
}

bool WriteHeaders(std::FILE* f, Encoder& e) {
    ogg_packet id, comments, codebooks;
    vorbis_analysis_headerout(&e.dsp, &e.comment, &id, &comments, &codebooks);
    ogg_stream_packetin(&e.stream, &id);
    ogg_stream_packetin(&e.stream, &comments);
    ogg_stream_packetin(&e.stream, &codebooks);
    // The headers end on a page of their own so audio starts on a fresh page.
    ogg_page page;
    while (ogg_stream_flush(&e.stream, &page) != 0)
        if (!WritePage(f, page))
            return false;
    return true;
}

// Pulls every finished block out of the encoder and writes the full pages.
bool Drain(std::FILE* f, Encoder& e) {
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&e.dsp, &e.block) == 1) {
        vorbis_analysis(&e.block, nullptr);
        vorbis_bitrate_addblock(&e.block);
        while (vorbis_bitrate_flushpacket(&e.dsp, &packet) == 1) {
            ogg_stream_packetin(&e.stream, &packet);
            while (ogg_stream_pageout(&e.stream, &page) != 0)
                if (!WritePage(f, page))
                    return false;
        }
    }
    return true;
}

} // namespace

bool WriteOggVorbis(const std::string& path, const StereoBuffer& mix, int sampleRate,
                    float quality) {
    Encoder e;
    if (vorbis_encode_init_vbr(&e.info, 2, sampleRate, quality) != 0)
        return false;
    vorbis_comment_add_tag(&e.comment, "TITLE", "zentrafel");
    vorbis_analysis_init(&e.dsp, &e.info);
    vorbis_block_init(&e.dsp, &e.block);
    ogg_stream_init(&e.stream, kSerial);
    e.analysing = true;

    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"),
                                                         std::fclose);
    if (!file || !WriteHeaders(file.get(), e))
        return false;
    for (size_t at = 0; at < mix.Frames(); at += kBlock) {
        size_t n = std::min(kBlock, mix.Frames() - at);
        float** buffer = vorbis_analysis_buffer(&e.dsp, static_cast<int>(n));
        std::copy(mix.left.begin() + at, mix.left.begin() + at + n, buffer[0]);
        std::copy(mix.right.begin() + at, mix.right.begin() + at + n, buffer[1]);
        vorbis_analysis_wrote(&e.dsp, static_cast<int>(n));
        if (!Drain(file.get(), e))
            return false;
    }
    // Zero frames written marks the end of the stream.
    vorbis_analysis_wrote(&e.dsp, 0);
    return Drain(file.get(), e) && std::fflush(file.get()) == 0;
}
