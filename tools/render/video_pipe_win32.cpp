// The pipe to ffmpeg on Windows: CreateProcess with an anonymous pipe as its
// standard input; ffmpeg is looked up on PATH like any command.
#include "tools/render/video_pipe.h"

#include "platform/report.h"

#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <windows.h>


namespace {

// One command line from the arguments, quoted the way the C runtime splits
// it again: backslashes double only before a quote.
std::string CommandLine(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& argument : arguments) {
        if (!line.empty())
            line += ' ';
        line += '"';
        size_t backslashes = 0;
        for (char c : argument) {
            if (c == '\\') {
                ++backslashes;
                continue;
            }
            line.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
            backslashes = 0;
            line += c;
        }
        line.append(backslashes * 2, '\\');
        line += '"';
    }
    return line;
}

} // namespace

bool FindOnPath(const char* program) {
    char found[MAX_PATH];
    return SearchPathA(nullptr, program, ".exe", MAX_PATH, found, nullptr) > 0;
}

VideoPipe::~VideoPipe() {
    if (fd >= 0 || process)
        Close();
}

bool VideoPipe::Open(const VideoSettings& settings) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        Report("no pipe to ffmpeg (error %lu)", GetLastError());
        return false;
    }
    // Only the reading end goes to ffmpeg.
    SetHandleInformation(writeEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = readEnd;
    // ffmpeg's own output goes to our stderr, never to our stdout.
    startup.hStdOutput = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION child = {};
    std::string line = CommandLine(FfmpegArguments(settings));
    const BOOL started = CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &child);
    CloseHandle(readEnd);
    if (!started) {
        Report("cannot start ffmpeg (error %lu)", GetLastError());
        CloseHandle(writeEnd);
        return false;
    }
    CloseHandle(child.hThread);
    // A C runtime descriptor over the handle, binary: frames are written
    // as they are, by this class or by a writer of its own (Fd()).
    fd = _open_osfhandle(reinterpret_cast<intptr_t>(writeEnd), _O_WRONLY | _O_BINARY);
    process = child.hProcess;
    if (fd < 0) {
        CloseHandle(writeEnd);
        Close();
        return false;
    }
    return true;
}

bool VideoPipe::Write(const unsigned char* frame, size_t bytes) {
    while (bytes > 0) {
        const unsigned chunk = bytes > 0x40000000u ? 0x40000000u : unsigned(bytes);
        const int written = _write(fd, frame, chunk);
        if (written <= 0)
            return false;
        frame += written;
        bytes -= size_t(written);
    }
    return true;
}

bool VideoPipe::Close() {
    if (fd >= 0)
        _close(fd); // closes the handle too: ffmpeg sees the end
    fd = -1;
    if (!process)
        return false;
    WaitForSingleObject(process, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process, &status);
    CloseHandle(process);
    process = nullptr;
    if (status == 0)
        return true;
    Report("ffmpeg failed with status %lu", status);
    return false;
}
