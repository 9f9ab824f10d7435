#include "bass/bass_ogg_memory.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

size_t ReadMemory(void* dst, size_t size, size_t count, void* source) {
    MemoryReader* reader = static_cast<MemoryReader*>(source);
    if (size == 0)
        return 0;
    size_t items = std::min(count, (reader->size - reader->pos) / size);
    if (items == 0)
        return 0; // also keeps an empty file's null data pointer out of memcpy
    std::memcpy(dst, reader->data + reader->pos, items * size);
    reader->pos += items * size;
    return items;
}

int SeekMemory(void* source, ogg_int64_t offset, int whence) {
    MemoryReader* reader = static_cast<MemoryReader*>(source);
    ogg_int64_t base = whence == SEEK_CUR   ? ogg_int64_t(reader->pos)
                       : whence == SEEK_END ? ogg_int64_t(reader->size)
                                            : 0;
    ogg_int64_t target = base + offset;
    if (target < 0 || target > ogg_int64_t(reader->size))
        return -1;
    reader->pos = size_t(target);
    return 0;
}

long TellMemory(void* source) {
    return long(static_cast<MemoryReader*>(source)->pos);
}

} // namespace

bool OpenOggVorbis(MemoryReader& reader, OggVorbis_File& vf) {
    ov_callbacks callbacks{ReadMemory, SeekMemory, nullptr, TellMemory};
    return ov_open_callbacks(&reader, &vf, nullptr, 0, callbacks) == 0;
}

bool HoldsItsLength(OggVorbis_File& vf) {
    const ogg_int64_t total = ov_pcm_total(&vf, -1);
    char chunk[64];
    int section = 0;
    return ov_seekable(&vf) && ov_streams(&vf) == 1 && total >= 0 && ov_pcm_seek(&vf, total) == 0 &&
           ov_read(&vf, chunk, sizeof chunk, 0, 2, 1, &section) == 0;
}
