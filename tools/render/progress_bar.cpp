#include "tools/render/progress_bar.h"

#include <cstdio>

namespace {

constexpr int kBarWidth = 30;
constexpr auto kRedrawEvery = std::chrono::milliseconds(250);

} // namespace

void FormatProgress(char* line, int size, long done, long total, double seconds) {
    char bar[kBarWidth + 1];
    long filled = total > 0 ? done * kBarWidth / total : kBarWidth;
    for (int i = 0; i < kBarWidth; ++i)
        bar[i] = i < filled ? '#' : '.';
    bar[kBarWidth] = '\0';
    double fps = seconds > 0.0 ? done / seconds : 0.0;
    long left = fps > 0.0 ? static_cast<long>((total - done) / fps + 0.5) : -1;
    char leftText[32] = "--:--";
    if (left >= 0)
        std::snprintf(leftText, sizeof leftText, "%ld:%02ld", left / 60, left % 60);
    std::snprintf(line, size, "[%s] %ld/%ld frames  %5.1f fps  %s left", bar, done, total, fps,
                  leftText);
}

ProgressBar::ProgressBar(long totalFrames) : total(totalFrames) {
    Draw(0, started);
}

void ProgressBar::Update(long framesDone) {
    Clock::time_point now = Clock::now();
    if (now - lastDrawn >= kRedrawEvery)
        Draw(framesDone, now);
}

void ProgressBar::Finish(long framesDone) {
    Draw(framesDone, Clock::now());
    std::fputs("\n", stderr);
}

void ProgressBar::Draw(long framesDone, Clock::time_point now) {
    lastDrawn = now;
    char line[160];
    line[0] = '\r';
    FormatProgress(line + 1, sizeof line - 1, framesDone, total,
                   std::chrono::duration<double>(now - started).count());
    std::fputs(line, stderr);
    // Covers what a longer previous line left behind.
    std::fputs("    ", stderr);
}
