// Standard output's buffering, on the C runtime the build links: a line
// written must be in the file before anything flushes the stream. Where the
// runtime fully buffers a stream set to line buffering (Microsoft's), the
// line is not. Written with fputs, which fills the stream's buffer on every
// runtime (MinGW's own printf may flush by itself).
#include "platform/line_output.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace {

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST(LineOutput, EachLineReachesTheFileAsItIsPrinted) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("zentrafel-lines-" + std::to_string(std::random_device()()));
    std::FILE* stream = std::fopen(path.string().c_str(), "wb");
    ASSERT_NE(stream, nullptr) << path;
    DeliverLinesAtOnce(stream);
    std::fputs("time:12.500000\n", stream);
    EXPECT_EQ(FileText(path), "time:12.500000\n");
    std::fclose(stream);
    std::filesystem::remove(path);
}
