#include "ladder/Fairness.h"

#include "ladder/Geometry.h"
#include "ladder/Landings.h"
#include "ladder/SeededGeneration.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <string>

namespace quorvan {

namespace {

// The step of SplitMix64's state: 2^64 divided by the golden ratio, odd.
constexpr uint64_t GoldenStep = 0x9E3779B97F4A7C15u;

// SplitMix64: a small generator of good quality whose state is one word, so
// that seeding it afresh for every ladder costs nothing.
class SplitMix64 {
public:
    using result_type = uint64_t;
    explicit SplitMix64(uint64_t state) : state_(state) {}
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return UINT64_MAX; }
    result_type operator()()
    {
        uint64_t value = state_ += GoldenStep;
        value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9u;
        value = (value ^ (value >> 27)) * 0x94D049BB133111EBu;
        return value ^ (value >> 31);
    }

private:
    uint64_t state_;
};

} // namespace

LandingCounts::LandingCounts(int32_t members)
    : members_(members), counts_(static_cast<std::size_t>(members) * static_cast<std::size_t>(members))
{
}

void LandingCounts::AddAll(const LandingCounts& other)
{
    if (other.members_ != members_)
        throw std::invalid_argument("Landing counts of different sizes cannot be added");
    std::transform(counts_.begin(), counts_.end(), other.counts_.begin(), counts_.begin(), std::plus<>());
}

// One thread's share: ladders first .. end - 1, made and counted with its own
// grid, generators and counts.
struct FairnessSimulation::Worker {
    Worker(int32_t members, int32_t first, int32_t end)
        : First(first), End(end), AsDrawn(members), Shuffled(members)
    {
    }

    int32_t First;
    int32_t End;
    LandingCounts AsDrawn;
    LandingCounts Shuffled;
    Ladder Grid;
    std::exception_ptr Error;
};

FairnessSimulation::FairnessSimulation(const FairnessRun& run) : run_(run)
{
    if (run.Shape.MemberCount < 2 || run.Shape.MemberCount > MostMembers)
        throw std::invalid_argument("The fairness view takes 2 to " + std::to_string(MostMembers)
                                    + " members, not " + std::to_string(run.Shape.MemberCount));
    if (run.Ladders < 1)
        throw std::invalid_argument("The fairness view needs at least one ladder");

    const int32_t cores = static_cast<int32_t>(std::max(1u, std::thread::hardware_concurrency()));
    const int32_t threads = std::min(run.Threads > 0 ? run.Threads : cores, run.Ladders);
    for (int32_t index = 0; index < threads; ++index) {
        const auto share = [&](int32_t part) {
            return static_cast<int32_t>(static_cast<int64_t>(run.Ladders) * part / threads);
        };
        workers_.push_back(std::make_unique<Worker>(run.Shape.MemberCount, share(index), share(index + 1)));
    }
    running_.store(threads, std::memory_order_relaxed);
    for (const auto& worker : workers_)
        threads_.emplace_back([this, &worker = *worker] { Simulate(worker); });
}

FairnessSimulation::~FairnessSimulation()
{
    Cancel();
    for (std::thread& thread : threads_)
        if (thread.joinable())
            thread.join();
}

void FairnessSimulation::Simulate(Worker& worker)
{
    try {
        const int32_t members = run_.Shape.MemberCount;
        LandingLines memberOfHit{};
        LandingLines lineOfHit{}; // where the shuffle puts each hit
        for (int32_t ladder = worker.First; ladder < worker.End; ++ladder) {
            if (cancelled_.load(std::memory_order_relaxed))
                break;
            // Two words of one stream a ladder: Build's seed and the shuffle's.
            SplitMix64 seeds(run_.Seed + 2 * static_cast<uint64_t>(ladder) * GoldenStep);
            // Build's generator takes the low 32 bits of its seed.
            GenerateLadderFromSeed(run_.Shape, static_cast<uint32_t>(seeds()), worker.Grid);
            FindLandings(worker.Grid, members, memberOfHit);

            std::iota(lineOfHit.begin() + 1, lineOfHit.begin() + 1 + members, 1);
            SplitMix64 shuffling(seeds());
            std::shuffle(lineOfHit.begin() + 1, lineOfHit.begin() + 1 + members, shuffling);
            for (int32_t hit = 1; hit <= members; ++hit) {
                worker.AsDrawn.Add(hit, memberOfHit[hit]);
                worker.Shuffled.Add(hit, memberOfHit[lineOfHit[hit]]);
            }
            done_.fetch_add(1, std::memory_order_relaxed);
        }
    } catch (...) {
        worker.Error = std::current_exception();
        cancelled_.store(true, std::memory_order_relaxed);
    }
    running_.fetch_sub(1, std::memory_order_release);
}

std::optional<FairnessResult> FairnessSimulation::Wait()
{
    for (std::thread& thread : threads_)
        if (thread.joinable())
            thread.join();
    for (const auto& worker : workers_)
        if (worker->Error)
            std::rethrow_exception(worker->Error);
    if (cancelled_.load(std::memory_order_relaxed) || workers_.empty())
        return std::nullopt;

    FairnessResult result{run_.Ladders, LandingCounts(run_.Shape.MemberCount),
                          LandingCounts(run_.Shape.MemberCount)};
    for (const auto& worker : workers_) {
        result.AsDrawn.AddAll(worker->AsDrawn);
        result.Shuffled.AddAll(worker->Shuffled);
    }
    workers_.clear();
    return result;
}

} // namespace quorvan
