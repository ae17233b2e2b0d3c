// Peak memory through a child process, so that the runs do not share a heap.
#include "bench/peak_memory.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelmorite::bench {

long peakGrowthKiB(const std::function<void()>& run)
{
    int channel[2];
    if (::pipe(channel) != 0) return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        rusage before{}, after{};
        ::getrusage(RUSAGE_SELF, &before);
        run();
        ::getrusage(RUSAGE_SELF, &after);
        const long growth = after.ru_maxrss - before.ru_maxrss;
        (void)!::write(channel[1], &growth, sizeof growth);
        ::_exit(0);
    }
    long growth = -1;
    (void)!::read(channel[0], &growth, sizeof growth);
    ::waitpid(child, nullptr, 0);
    ::close(channel[0]);
    ::close(channel[1]);
    return growth;
}

}  // namespace kelmorite::bench
