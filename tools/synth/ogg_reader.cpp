#include "ogg_reader.h"

#include <vorbis/vorbisfile.h>

bool ReadOggVorbis(const std::string& path, DecodedAudio& out) {
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0)
        return false;
    vorbis_info* info = ov_info(&file, -1);
    out.channels = info->channels;
    out.sampleRate = info->rate;
    out.interleaved.clear();
    out.interleaved.reserve(static_cast<size_t>(ov_pcm_total(&file, -1)) * info->channels);
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        long frames = ov_read_float(&file, &pcm, 4096, &section);
        if (frames == OV_HOLE)
            continue; // a gap in the stream: decoding goes on after it
        if (frames < 0) {
            ov_clear(&file);
            return false;
        }
        if (frames == 0)
            break;
        for (long i = 0; i < frames; ++i)
            for (int c = 0; c < out.channels; ++c)
                out.interleaved.push_back(pcm[c][i]);
    }
    ov_clear(&file);
    return true;
}
