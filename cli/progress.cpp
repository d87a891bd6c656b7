#include "cli/progress.h"

#include "cli/console.h"

#include <cstdio>

namespace cli {

Progress::Progress()
    : Progress(StderrIsTerminal())
{
}

Progress::Progress(bool shown)
    : shown_(shown)
    , start_(platform::Clock::now())
{
}

Progress::~Progress()
{
    End();
}

void Progress::Begin(const std::string& step)
{
    start_ = platform::Clock::now();
    Step(step);
}

void Progress::Step(const std::string& step)
{
    step_ = step;
    frames_.clear();
    Tick();
}

void Progress::Frames(std::uint32_t done, std::uint32_t total)
{
    frames_ = " frame " + std::to_string(done) + "/" + std::to_string(total);
    Tick();
}

void Progress::Tick()
{
    if (!shown_)
        return;
    const double seconds = std::chrono::duration<double>(platform::Clock::now() - start_).count();
    // Erase to the end of the line: a shorter step leaves nothing behind.
    std::fprintf(stderr, "\r%s%s  %.1f s\033[K", step_.c_str(), frames_.c_str(), seconds);
    std::fflush(stderr);
    drawn_ = true;
}

void Progress::End()
{
    if (drawn_)
        std::fputc('\n', stderr);
    drawn_ = false;
}

} // namespace cli
