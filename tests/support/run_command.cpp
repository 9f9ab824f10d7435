#include "tests/support/run_command.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

extern char** environ;

namespace {

std::string TempFile() {
    char path[] = "/tmp/zf-render-test-XXXXXX";
    int fd = mkstemp(path);
    if (fd >= 0)
        close(fd);
    return path;
}

// The child's environment. In a sanitizer build the leak check at the
// renderer's exit would run after the GL driver was unloaded with its
// context, and report the driver's own allocations without a module to tell
// them by; memory errors are still caught, and the in-process tests keep the
// leak check for the renderer's code.
std::vector<std::string> ChildEnvironment() {
    std::vector<std::string> variables;
    for (char** v = environ; *v; ++v) {
        std::string variable = *v;
        if (variable.rfind("ASAN_OPTIONS=", 0) == 0)
            variable += ":detect_leaks=0";
        variables.push_back(variable);
    }
    return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(&text[0]);
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string MakeTempDir() {
    char path[] = "/tmp/zf-render-test-XXXXXX";
    return mkdtemp(path) ? path : "";
}

CommandResult RunCommand(const std::vector<std::string>& arguments, const std::string& directory) {
    std::string outPath = TempFile();
    std::string errPath = TempFile();
    std::vector<std::string> args = arguments;
    std::vector<char*> argv = Pointers(args);
    std::vector<std::string> variables = ChildEnvironment();
    std::vector<char*> envp = Pointers(variables);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY, 0);
    if (!directory.empty())
        posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    pid_t child = 0;
    CommandResult result;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        waitpid(child, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    unlink(outPath.c_str());
    unlink(errPath.c_str());
    return result;
}
