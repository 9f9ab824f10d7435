#include "tools/signal/jack_dummy.h"

#include <jack/jack.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

void Quiet(const char*) {}

bool Accepts(const std::string& server) {
    jack_status_t status;
    jack_client_t* client = jack_client_open(
        "zf_probe", jack_options_t(JackNoStartServer | JackServerName), &status, server.c_str());
    if (!client)
        return false;
    jack_client_close(client);
    return true;
}

bool Spawn(const std::string& name, long rate, pid_t& pid) {
    std::string rateText = std::to_string(rate);
    std::string periodText = std::to_string(JackDummyServer::kPeriodFrames);
    const char* argv[] = {"jackd", "--no-realtime",  "-n", name.c_str(),       "-d",   "dummy",
                          "-r",    rateText.c_str(), "-p", periodText.c_str(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    int failed = posix_spawnp(&pid, "jackd", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        pid = 0;
    return !failed;
}

bool WaitUntilReady(const std::string& name, pid_t& pid) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = 0;
            return false;
        }
        if (Accepts(name))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

} // namespace

bool JackDummyServer::Start(long rate) {
    static int serial = 0;
    name = "zf_dummy_" + std::to_string(getpid()) + "_" + std::to_string(++serial);
    jack_set_error_function(Quiet);
    jack_set_info_function(Quiet);
    if (!Spawn(name, rate, pid) || !WaitUntilReady(name, pid)) {
        std::fprintf(stderr, "jackd (dummy driver) did not start as \"%s\"\n", name.c_str());
        Stop();
        return false;
    }
    setenv("JACK_DEFAULT_SERVER", name.c_str(), 1);
    return true;
}

void JackDummyServer::Stop() {
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = 0;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = 0;
}
