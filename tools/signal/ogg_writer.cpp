#include "tools/signal/ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Fixed, so that the same samples give the same file.
constexpr int kSerial = 0x7a656e74;

struct Encoder {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state ogg;
    FILE* file = nullptr;
    size_t written = 0;
    bool failed = false;
};

void WritePage(Encoder& e, const ogg_page& page) {
    bool ok =
        std::fwrite(page.header, 1, size_t(page.header_len), e.file) == size_t(page.header_len) &&
        std::fwrite(page.body, 1, size_t(page.body_len), e.file) == size_t(page.body_len);
    e.failed |= !ok;
    e.written += size_t(page.header_len + page.body_len);
}

// The headers go on pages of their own, so the body starts at a known byte.
void WriteHeaders(Encoder& e) {
    ogg_packet id, comments, codebooks;
    vorbis_analysis_headerout(&e.dsp, &e.comment, &id, &comments, &codebooks);
    ogg_stream_packetin(&e.ogg, &id);
    ogg_stream_packetin(&e.ogg, &comments);
    ogg_stream_packetin(&e.ogg, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&e.ogg, &page))
        WritePage(e, page);
}

void DrainBlocks(Encoder& e) {
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&e.dsp, &e.block) == 1) {
        vorbis_analysis(&e.block, nullptr);
        vorbis_bitrate_addblock(&e.block);
        while (vorbis_bitrate_flushpacket(&e.dsp, &packet)) {
            ogg_stream_packetin(&e.ogg, &packet);
            while (ogg_stream_pageout(&e.ogg, &page))
                WritePage(e, page);
        }
    }
}

void EncodeFrames(Encoder& e, const OggShape& shape, const SampleFunction& sample) {
    const int64_t chunk = 4096;
    for (int64_t first = 0; first < shape.frames; first += chunk) {
        int64_t count = std::min(chunk, shape.frames - first);
        float** buffer = vorbis_analysis_buffer(&e.dsp, int(count));
        for (int c = 0; c < shape.channels; ++c)
            for (int64_t i = 0; i < count; ++i)
                buffer[c][i] = sample(first + i, c);
        vorbis_analysis_wrote(&e.dsp, int(count));
        DrainBlocks(e);
    }
    vorbis_analysis_wrote(&e.dsp, 0);
    DrainBlocks(e);
    ogg_page page;
    while (ogg_stream_flush(&e.ogg, &page))
        WritePage(e, page);
}

} // namespace

size_t WriteOgg(const std::string& path, const OggShape& shape, const SampleFunction& sample,
                const char* title) {
    Encoder e;
    vorbis_info_init(&e.info);
    if (vorbis_encode_init_vbr(&e.info, shape.channels, shape.rate, shape.quality) != 0) {
        vorbis_info_clear(&e.info);
        return 0;
    }
    e.file = std::fopen(path.c_str(), "wb");
    vorbis_comment_init(&e.comment);
    if (title)
        vorbis_comment_add_tag(&e.comment, "TITLE", title);
    vorbis_analysis_init(&e.dsp, &e.info);
    vorbis_block_init(&e.dsp, &e.block);
    ogg_stream_init(&e.ogg, kSerial);
    size_t headerBytes = 0;
    if (e.file) {
        WriteHeaders(e);
        headerBytes = e.written;
        EncodeFrames(e, shape, sample);
        e.failed |= std::fclose(e.file) != 0;
    }
    ogg_stream_clear(&e.ogg);
    vorbis_block_clear(&e.block);
    vorbis_dsp_clear(&e.dsp);
    vorbis_comment_clear(&e.comment);
    vorbis_info_clear(&e.info);
    return e.file && !e.failed ? headerBytes : 0;
}

size_t WriteSineOgg(const std::string& path, const OggShape& shape, double frequency,
                    double amplitude) {
    const double step = 2.0 * std::acos(-1.0) * frequency / double(shape.rate);
    return WriteOgg(path, shape, [=](int64_t frame, int) {
        return float(amplitude * std::sin(step * double(frame)));
    });
}
