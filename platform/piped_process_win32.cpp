// The piped process on Windows: CreateProcess with an anonymous pipe as its
// standard input, the program looked up on PATH like any command, and a C
// runtime descriptor over the pipe's handle.
#include "platform/piped_process.h"

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

PipedProcess::~PipedProcess() {
    if (fd >= 0 || process)
        Finish();
}

bool PipedProcess::Start(const std::vector<std::string>& arguments) {
    name = arguments.at(0);
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        Report("no pipe to %s (error %lu)", name.c_str(), GetLastError());
        return false;
    }
    // Only the reading end goes to the program.
    SetHandleInformation(writeEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = readEnd;
    // The program's own output goes to our stderr, never to our stdout.
    startup.hStdOutput = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION child = {};
    std::string line = CommandLine(arguments);
    const BOOL started = CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &child);
    CloseHandle(readEnd);
    if (!started) {
        Report("cannot start %s (error %lu)", name.c_str(), GetLastError());
        CloseHandle(writeEnd);
        return false;
    }
    CloseHandle(child.hThread);
    // A C runtime descriptor over the handle, binary: bytes go as they are.
    fd = _open_osfhandle(reinterpret_cast<intptr_t>(writeEnd), _O_WRONLY | _O_BINARY);
    process = child.hProcess;
    if (fd < 0) {
        CloseHandle(writeEnd);
        Finish();
        return false;
    }
    return true;
}

bool PipedProcess::Finish() {
    if (fd >= 0)
        _close(fd); // closes the handle too: the program sees the end
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
    Report("%s failed with status %lu", name.c_str(), status);
    return false;
}

bool WriteToPipe(int fd, const unsigned char* bytes, size_t count) {
    while (count > 0) {
        const unsigned chunk = count > 0x40000000u ? 0x40000000u : unsigned(count);
        const int written = _write(fd, bytes, chunk);
        if (written <= 0)
            return false;
        bytes += written;
        count -= size_t(written);
    }
    return true;
}

bool WriteRowsReversed(int fd, const unsigned char* bottomUp, size_t rowBytes, int rows) {
    for (int row = rows - 1; row >= 0; --row) {
        const unsigned char* data = bottomUp + size_t(row) * rowBytes;
        size_t left = rowBytes;
        while (left > 0) {
            const int n = _write(fd, data, unsigned(left));
            if (n <= 0)
                return false;
            data += n;
            left -= size_t(n);
        }
    }
    return true;
}
