// A program run with its standard input on a pipe that we write into, its
// standard output and error sent to our standard error (never our stdout):
// ffmpeg taking the offline renderer's frames. One implementation per OS
// (piped_process_posix.cpp, piped_process_win32.cpp). Writing allocates
// nothing; one thread writes at a time.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// True when an executable named `program` lies on PATH.
bool FindOnPath(const char* program);

class PipedProcess {
  public:
    PipedProcess() = default;
    PipedProcess(const PipedProcess&) = delete;
    PipedProcess& operator=(const PipedProcess&) = delete;
    ~PipedProcess();

    // Starts arguments[0], looked up on PATH, with the arguments; false
    // (with a line on stderr) when it cannot.
    bool Start(const std::vector<std::string>& arguments);
    // The pipe's end to write into (a C runtime descriptor on every OS); -1
    // when not started.
    int Fd() const { return fd; }
    // Closes the pipe and waits for the program; true when it exited with
    // status 0, else a line on stderr says how it ended.
    bool Finish();

  private:
    std::string name; // arguments[0], for the messages
    int fd = -1;
#ifdef _WIN32
    void* process = nullptr; // the process's HANDLE
#else
    int child = -1; // its pid
#endif
};

// Writes all the bytes, resuming after short writes; false once the reader
// has gone.
bool WriteToPipe(int fd, const unsigned char* bytes, size_t count);
// Writes `rows` rows of rowBytes each, the last row of `bottomUp` first (GL
// reads the bottom row first; pictures go top row first), straight from the
// buffer.
bool WriteRowsReversed(int fd, const unsigned char* bottomUp, size_t rowBytes, int rows);
