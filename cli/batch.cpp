// The batch run: expand the sources, name every tile first, then make the
// tiles on worker threads and report them in order.
#include "cli/batch.h"

#include "platform/picture/sampled_picture.h"
#include "platform/system/directories.h"
#include "tile/tile_save.h"
#include "tile/tile_size.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <ostream>
#include <set>
#include <thread>
#include <vector>

namespace kelmorite::cli {
namespace {

// Up to this many sources, a run is over before a counting line helps.
constexpr std::size_t kFewSources = 3;

struct Job {
    std::string source;
    std::string target;
    std::optional<std::string> error;  // set before the work when the name is taken
    bool done = false;
};

// A DIR argument stands for its listed pictures; anything else is a FILE.
std::vector<std::string> expandSources(const std::vector<std::string>& arguments)
{
    std::vector<std::string> sources;
    for (const auto& argument : arguments) {
        if (!directoryExists(argument)) {
            sources.push_back(argument);
            continue;
        }
        const std::string prefix = argument.back() == '/' ? argument : argument + "/";
        for (const auto& name : listBitmapFiles(argument)) sources.push_back(prefix + name);
    }
    return sources;
}

std::vector<Job> planJobs(const Options& options)
{
    std::vector<Job> jobs;
    std::set<std::string> targets;
    for (auto& source : expandSources(options.sources)) {
        Job job;
        job.source = source;
        job.target = BuildTileFileName(options.targetDirectory, source, options.name, options.sizeChoice);
        // Two sources of one run must not write one file: the first keeps it.
        const std::string key = std::filesystem::path(job.target).lexically_normal().string();
        if (!targets.insert(key).second)
            job.error = "Cannot create file \"" + job.target + "\". An earlier source of this run has the same tile name";
        jobs.push_back(std::move(job));
    }
    return jobs;
}

std::optional<std::string> makeTile(const Options& options, const Job& job)
{
    try {
        // Only the pixels the tile samples are read from the file.
        const TileSize size = GetTileSize(options.sizeChoice);
        const SampleGrid grid{size.width, size.height};
        const SampledPicture source = loadSampledPicture(job.source, {&grid, 1});
        saveTile({ComposeTile(source, options.sizeChoice, options.background), job.source, options.sizeChoice}, job.target);
        return std::nullopt;
    } catch (const std::exception& e) {
        return std::string(e.what());
    }
}

}  // namespace

int runBatch(const Options& options, std::ostream& out, std::ostream& err, bool progress)
{
    std::vector<Job> jobs = planJobs(options);
    progress = progress && jobs.size() > kFewSources;
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<std::size_t> next{0};

    auto work = [&] {
        for (std::size_t i; (i = next++) < jobs.size();) {
            std::optional<std::string> error = jobs[i].error;
            if (!error) error = makeTile(options, jobs[i]);
            const std::lock_guard lock(mutex);
            jobs[i].error = std::move(error);
            jobs[i].done = true;
            finished.notify_one();
        }
    };
    const unsigned threads = unsigned(std::min<std::size_t>(options.jobs, std::max<std::size_t>(jobs.size(), 1)));
    std::vector<std::jthread> workers;
    for (unsigned t = 0; t < threads; ++t) workers.emplace_back(work);

    int status = 0;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        std::unique_lock lock(mutex);
        finished.wait(lock, [&] { return jobs[i].done; });
        lock.unlock();
        if (progress) err << "\r\033[K";
        if (jobs[i].error) {
            err << "kelmorite-tile: " << jobs[i].source << ": " << *jobs[i].error << '\n';
            status = 1;
        } else {
            out << jobs[i].source << " -> " << jobs[i].target << '\n';
        }
        if (progress) err << "kelmorite-tile: " << i + 1 << " of " << jobs.size() << (i + 1 == jobs.size() ? "\r\033[K" : "") << std::flush;
    }
    out.flush();
    return status;
}

}  // namespace kelmorite::cli
