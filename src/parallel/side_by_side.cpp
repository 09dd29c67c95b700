#include "parallel/side_by_side.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <pthread.h>
#include <thread>
#include <utility>

bool ZweiterKernDa() {
    return std::thread::hardware_concurrency() >= 2;
}

namespace {

// The second thread: one piece of work at a time, taken by whoever first finds it free. It is
// never stopped: it waits for work until the process ends, and a process forked from this one,
// which has no such thread, runs both halves itself.
class ZweiterFaden {
public:
    ZweiterFaden() {
        std::thread([this] { Laufen(); }).detach();
    }
    ZweiterFaden(const ZweiterFaden&) = delete;
    ZweiterFaden& operator=(const ZweiterFaden&) = delete;

    // Hands `auftrag` to the thread; false when it is busy. Each true is followed by Warten.
    bool Geben(Auftrag auftrag) {
        bool frei = false;
        if (!belegt_.compare_exchange_strong(frei, true)) return false;
        {
            const std::lock_guard<std::mutex> sperre(mutex_);
            auftrag_.emplace(auftrag);
        }
        geben_.notify_one();
        return true;
    }

    // Waits until the work handed on is done; its exception, if it threw.
    std::exception_ptr Warten() {
        std::unique_lock<std::mutex> sperre(mutex_);
        fertig_.wait(sperre, [this] { return !auftrag_; });
        std::exception_ptr fehler = std::exchange(fehler_, nullptr);
        sperre.unlock();
        belegt_ = false;
        return fehler;
    }

private:
    [[noreturn]] void Laufen() {
        std::unique_lock<std::mutex> sperre(mutex_);
        for (;;) {
            geben_.wait(sperre, [this] { return auftrag_.has_value(); });
            sperre.unlock();
            std::exception_ptr fehler;
            try {
                (*auftrag_)();
            } catch (...) {
                fehler = std::current_exception();
            }
            sperre.lock();
            fehler_ = fehler;
            auftrag_.reset();
            fertig_.notify_one();
        }
    }

    std::atomic<bool> belegt_{false};
    std::mutex mutex_;
    std::condition_variable geben_;
    std::condition_variable fertig_;
    std::optional<Auftrag> auftrag_;
    std::exception_ptr fehler_;
};

std::atomic<bool> geforkt{false};

ZweiterFaden* Faden() {
    if (!ZweiterKernDa()) return nullptr;
    // Made on first use and kept to the end: destroying it at exit would have to stop a thread
    // that may be waiting for work.
    static ZweiterFaden* const faden = [] {
        pthread_atfork(nullptr, nullptr, [] { geforkt = true; });
        return new ZweiterFaden;
    }();
    return geforkt ? nullptr : faden;
}

} // namespace

void Nebeneinander(Auftrag erste, Auftrag zweite) {
    ZweiterFaden* const faden = Faden();
    if (faden == nullptr || !faden->Geben(zweite)) {
        erste();
        zweite();
        return;
    }
    std::exception_ptr fehler;
    try {
        erste();
    } catch (...) {
        fehler = std::current_exception();
    }
    const std::exception_ptr zweiterFehler = faden->Warten();
    if (fehler) std::rethrow_exception(fehler);
    if (zweiterFehler) std::rethrow_exception(zweiterFehler);
}
