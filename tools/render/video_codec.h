// The encoders a video can be written with, what each one's file must be
// called, and the encoder arguments ffmpeg gets for it. H.264 and HEVC go in
// MP4 with AAC sound for players and upload sites; FFV1 is a lossless master
// (RGB, no chroma subsampling) in Matroska with FLAC sound, for editing.
#pragma once

#include <string>
#include <vector>

enum class VideoCodec { H264, Hevc, Ffv1 };

// "h264", "hevc" or "ffv1"; false for anything else.
bool ParseVideoCodec(const std::string& name, VideoCodec& codec);
const char* VideoCodecName(VideoCodec codec);
// FFV1; the others take yuv420p, whose colour planes halve both sides.
bool IsLossless(VideoCodec codec);

// Why `path` cannot hold the codec's video: it does not end in the codec's
// extension (.mp4 or .mkv). Empty when it can.
std::string ContainerRefusal(VideoCodec codec, const std::string& path);

// The presets the lossy encoders share, fastest first.
bool IsEncoderPreset(const std::string& preset);
constexpr int kMaxCrf = 51;

// ffmpeg's arguments for the picture and the sound of one codec. `crf` < 0
// and an empty `preset` take the codec's defaults; the lossless codec has
// neither. `encoder`: "libx264", or "h264_nvenc", an NVIDIA GPU's, for H.264.
std::vector<std::string> VideoEncoderArguments(VideoCodec codec, const std::string& encoder,
                                               int crf, const std::string& preset);
std::vector<std::string> AudioEncoderArguments(VideoCodec codec);
