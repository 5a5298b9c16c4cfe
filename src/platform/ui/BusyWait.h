// Waiting on the UI thread for work another thread does (a serial exchange of up to 30 s): the
// caller stays synchronous, the windows go on repainting (a progress bar moves), and nothing else
// runs meanwhile: the layer's posted messages and timers, and the user's input, wait until the
// work is done, so that no second operation can start inside the first.
//
// Without a backend the wait paints the windows that need it; a backend installs a runner that
// turns its own event loop with user input held back, and a waker that any thread may call.
#pragma once

#include <atomic>
#include <functional>
#include <thread>

class CBusyWait {
public:
    using Runner = std::function<void(const std::function<bool()>& bDone)>;
    using Waker = std::function<void()>;

    // Empty functions restore the backend-less wait.
    static void SetBackend(Runner runner, Waker waker);
    // Returns once bDone() holds; bDone is asked again after every Wake.
    static void Run(const std::function<bool()>& bDone);
    // Any thread: what bDone looks at may have changed.
    static void Wake();
    // TRUE while a wait runs: the backend's queue pump stays away.
    static bool IsRunning();

    // Runs work on a worker thread and waits for its result as Run does. The wait counts as
    // running before the worker starts, so the work already sees IsRunning.
    template <class Result, class Work>
    static Result RunElsewhere(Work work)
    {
        const RunningMark mark;
        Result result{};
        std::atomic<bool> bDone{false};
        std::thread worker([&] {
            result = work();
            bDone = true;
            Wake();
        });
        Wait([&] { return bDone.load(); });
        worker.join();
        return result;
    }

private:
    // IsRunning from construction to destruction; the end wakes the queue pump for what it held.
    struct RunningMark {
        RunningMark();
        ~RunningMark();
        RunningMark(const RunningMark&) = delete;
        RunningMark& operator=(const RunningMark&) = delete;
    };
    static void Wait(const std::function<bool()>& bDone);
};
