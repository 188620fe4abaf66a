#pragma once
// How fair the program's ladders are: many ladders made by Build's own
// generation, every hit followed to its member, and how often each hit lands
// on each member counted; beside it the same with the hit list shuffled
// uniformly before each ladder. The ladders are shared among worker threads,
// one a core, each with its own generator and counts.

#include "ladder/Generation.h"

#include <atomic>
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace quorvan {

// How often each hit landed on each member, both counted from 1.
class LandingCounts {
public:
    explicit LandingCounts(int32_t members = 0);

    int32_t Members() const { return members_; }
    uint32_t Count(int32_t hit, int32_t member) const { return counts_[Index(hit, member)]; }
    void Add(int32_t hit, int32_t member) { ++counts_[Index(hit, member)]; }
    void AddAll(const LandingCounts& other);

private:
    std::size_t Index(int32_t hit, int32_t member) const
    {
        return static_cast<std::size_t>(hit - 1) * static_cast<std::size_t>(members_)
               + static_cast<std::size_t>(member - 1);
    }

    int32_t members_ = 0;
    std::vector<uint32_t> counts_;
};

struct FairnessRun {
    LadderShape Shape;
    int32_t Ladders = 10000;
    // Ladder i is made from this seed and i alone: the same seed gives the
    // same counts, whatever the number of threads.
    uint64_t Seed = 0;
    int32_t Threads = 0; // 0: one a core
};

struct FairnessResult {
    int32_t Ladders = 0;
    LandingCounts AsDrawn;  // the hits as they stand on their lines
    LandingCounts Shuffled; // the hit list shuffled uniformly before each ladder
};

// One simulation, running from its construction on. Destroying it cancels it
// and waits for its threads.
class FairnessSimulation {
public:
    // Throws std::invalid_argument for a member count outside 2 .. 480 or fewer than one ladder.
    explicit FairnessSimulation(const FairnessRun& run);
    ~FairnessSimulation();
    FairnessSimulation(const FairnessSimulation&) = delete;
    FairnessSimulation& operator=(const FairnessSimulation&) = delete;

    int32_t Ladders() const { return run_.Ladders; }
    int32_t LaddersDone() const { return done_.load(std::memory_order_relaxed); }
    // Every thread has stopped: Wait returns at once.
    bool Finished() const { return running_.load(std::memory_order_acquire) == 0; }
    // The threads stop after the ladder each is making.
    void Cancel() { cancelled_.store(true, std::memory_order_relaxed); }

    // Waits for the threads, then gives the counts, or nothing when cancelled.
    // An error in a thread is raised here. Only the first call gives the counts.
    std::optional<FairnessResult> Wait();

private:
    struct Worker;
    void Simulate(Worker& worker);

    FairnessRun run_;
    std::atomic<int32_t> done_{0};
    std::atomic<int32_t> running_{0};
    std::atomic<bool> cancelled_{false};
    std::vector<std::unique_ptr<Worker>> workers_;
    std::vector<std::thread> threads_;
};

} // namespace quorvan
