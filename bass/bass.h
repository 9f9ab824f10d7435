// The audio library: the thirteen calls the music clock is built on.
//
// Words used here:
//   sample   one value of one channel (16-bit signed PCM in the stream's byte count)
//   frame    one sample of every channel at one instant
//   byte position  frames × channels × 2: the stream counted as 16-bit
//                  interleaved PCM at the file's own rate and channel count
//
// The whole file is decoded into memory when the stream is created. Output runs
// on the audio back end's own thread; every call here is made from one thread
// (the one that runs start-up and the frame loop).
//
// The position is the one being heard: frames handed to the device, less what
// is still queued before the converter; it never decreases while playing. While
// stopped it stays where it was; after the end it is the length. A position set
// before the start becomes 0, one set past the end becomes the end.
//
// Device -1 is the default output device, device 0 the "no sound" device: no
// output at all, its clock advancing in real time from a steady clock.
#pragma once

#include <cstdint>

typedef uint32_t DWORD;
typedef uint64_t QWORD;
typedef int BOOL;
typedef DWORD HSTREAM;

#ifndef FALSE
#define FALSE 0
#endif
#ifndef TRUE
#define TRUE 1
#endif

#define BASSVERSION 0x204

#define BASS_POS_BYTE 0
#define BASS_DATA_FFT256 0x80000000

#define BASS_OK 0
#define BASS_ERROR_MEM 1
#define BASS_ERROR_FILEOPEN 2
#define BASS_ERROR_DRIVER 3
#define BASS_ERROR_BUFLOST 4
#define BASS_ERROR_HANDLE 5
#define BASS_ERROR_FORMAT 6
#define BASS_ERROR_POSITION 7
#define BASS_ERROR_INIT 8
#define BASS_ERROR_START 9
#define BASS_ERROR_ALREADY 14
#define BASS_ERROR_NOCHAN 18
#define BASS_ERROR_ILLTYPE 19
#define BASS_ERROR_ILLPARAM 20
#define BASS_ERROR_NO3D 21
#define BASS_ERROR_NOEAX 22
#define BASS_ERROR_DEVICE 23
#define BASS_ERROR_NOPLAY 24
#define BASS_ERROR_FREQ 25
#define BASS_ERROR_NOTFILE 27
#define BASS_ERROR_NOHW 29
#define BASS_ERROR_EMPTY 31
#define BASS_ERROR_NONET 32
#define BASS_ERROR_CREATE 33
#define BASS_ERROR_NOFX 34
#define BASS_ERROR_NOTAVAIL 37
#define BASS_ERROR_DECODE 38
#define BASS_ERROR_DX 39
#define BASS_ERROR_TIMEOUT 40
#define BASS_ERROR_FILEFORM 41
#define BASS_ERROR_SPEAKER 42
#define BASS_ERROR_VERSION 43
#define BASS_ERROR_CODEC 44
#define BASS_ERROR_ENDED 45
#define BASS_ERROR_UNKNOWN -1

extern "C" {
// 0x0204xxxx: version 2.4, any revision.
DWORD BASS_GetVersion();
// device -1 = default output, 0 = no sound. win and dsguid are unused here.
BOOL BASS_Init(int device, DWORD freq, DWORD flags, void* win, const void* dsguid);
BOOL BASS_Start();
// mem FALSE: file is a NUL-terminated 8-bit path. offset/length 0: the whole file.
HSTREAM BASS_StreamCreateFile(BOOL mem, const void* file, QWORD offset, QWORD length, DWORD flags);
QWORD BASS_ChannelGetLength(DWORD handle, DWORD mode);
double BASS_ChannelBytes2Seconds(DWORD handle, QWORD pos);
QWORD BASS_ChannelSeconds2Bytes(DWORD handle, double pos);
QWORD BASS_ChannelGetPosition(DWORD handle, DWORD mode);
BOOL BASS_ChannelSetPosition(DWORD handle, QWORD pos, DWORD mode);
// restart FALSE: continue from the current position.
BOOL BASS_ChannelPlay(DWORD handle, BOOL restart);
BOOL BASS_ChannelStop(DWORD handle);
// BASS_DATA_FFT256: 128 floats |X_k| / 128 of the Hann-windowed mono mix of the
// 256 frames ending at the position; returns the bytes written (512).
DWORD BASS_ChannelGetData(DWORD handle, void* buffer, DWORD length);
int BASS_ErrorGetCode();
}
