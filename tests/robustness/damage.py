"""Damaged copies of the production's own files: the ways a real disk, a
half-finished download or a careless edit break a PNG image, a shader source
or the Ogg Vorbis music. Each function takes the intact bytes and returns the
damaged ones."""

import struct
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def png_chunks(data):
    """(type, offset of the chunk's data, length) for every chunk."""
    chunks = []
    at = len(PNG_SIGNATURE)
    while at + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        chunks.append((kind, at + 8, length))
        at += 12 + length
    return chunks


def cut_short(data):
    return data[:len(data) // 2]


def flip_bit_in_png_body(data):
    """One bit flipped in the middle of the first image data chunk, where the
    chunk's checksum no longer matches but the decoder may still make pixels
    of it."""
    _, start, length = next(c for c in png_chunks(data) if c[0] == b"IDAT")
    at = start + length // 2
    return data[:at] + bytes([data[at] ^ 0x08]) + data[at + 1:]


def png_claiming_size(data, width, height):
    """The image's header rewritten to claim another size, with a checksum
    that matches, so only the size itself can give it away."""
    kind, start, length = png_chunks(data)[0]
    assert kind == b"IHDR"
    header = struct.pack(">II", width, height) + data[start + 8:start + length]
    crc = struct.pack(">I", zlib.crc32(b"IHDR" + header))
    return data[:start] + header + crc + data[start + length + 4:]


NOT_AN_IMAGE = b"These are the notes for the credits, saved under the wrong name.\n" * 20

IMAGE_DAMAGE = {
    "missing": None,
    "empty": lambda data: b"",
    "cut short": cut_short,
    "bit-flipped": flip_bit_in_png_body,
    "claiming 100000 x 100000": lambda data: png_claiming_size(data, 100000, 100000),
    "not a PNG": lambda data: NOT_AN_IMAGE,
}


def with_crlf(source):
    return source.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


def with_compile_error(source):
    """The stage's own source with a stray closing brace at its end."""
    return source + b"\n}\n"


def needing_a_missing_function(stage):
    """A source that compiles on its own but names a function no stage
    defines, so the program cannot link."""
    target = "gl_Position" if stage == "ves" else "gl_FragColor"
    return ("vec4 definedNowhere();\nvoid main() { %s = definedNowhere(); }\n"
            % target).encode()


def ogg_pages(data):
    """(offset, size, granule position) of every Ogg page."""
    pages = []
    at = 0
    while data.startswith(b"OggS", at) and at + 27 <= len(data):
        granule = struct.unpack("<q", data[at + 6:at + 14])[0]
        segments = data[at + 26]
        table = data[at + 27:at + 27 + segments]
        size = 27 + segments + sum(table)
        pages.append((at, size, granule))
        at += size
    return pages


def ogg_header_end(data):
    """Where the Vorbis headers end: the start of the first page that carries
    sound (header pages have granule position 0)."""
    return next(offset for offset, _, granule in ogg_pages(data) if granule > 0)


def flip_bits_in_ogg_body(data, count=5):
    """One bit flipped in each of `count` pages spread over the sound."""
    body = ogg_header_end(data)
    damaged = bytearray(data)
    for i in range(count):
        at = body + (len(data) - body) * (2 * i + 1) // (2 * count)
        damaged[at] ^= 0x10
    return bytes(damaged)
