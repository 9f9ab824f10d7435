// The audio library's devices can be initialised once per process, so tests
// that initialise one run their body in a fresh copy of the test program (a
// "threadsafe" death test, which re-executes the binary). The body notes what
// it finds wrong in a Findings; the child prints those on stderr and exits
// with status 1 when there are any, which fails the test with the lines shown.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

class Findings {
  public:
    void True(bool ok, const std::string& what) {
        if (!ok)
            lines.push_back(what);
    }
    template <typename A, typename B>
    void Equal(const A& actual, const B& expected, const std::string& what) {
        if (actual == expected)
            return;
        std::ostringstream line;
        line.precision(17);
        line << what << ": got " << actual << ", expected " << expected;
        lines.push_back(line.str());
    }
    // Ends the child: _exit, because the output thread may still be running.
    [[noreturn]] void Exit() const {
        for (const std::string& line : lines)
            std::fprintf(stderr, "%s\n", line.c_str());
        std::fflush(stderr);
        _exit(lines.empty() ? 0 : 1);
    }

  private:
    std::vector<std::string> lines;
};

#define EXPECT_IN_FRESH_PROCESS(body)                                                              \
    do {                                                                                           \
        GTEST_FLAG_SET(death_test_style, "threadsafe");                                            \
        EXPECT_EXIT((body)().Exit(), testing::ExitedWithCode(0), "");                              \
    } while (0)
