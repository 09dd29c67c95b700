#include "files/text_parts.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// The parts made so far, and whether the making was broken off.
class Teilablage {
public:
    explicit Teilablage(int32_t anzahl) : teile_(static_cast<size_t>(anzahl)), da_(teile_.size()) {}

    void Ablegen(int32_t i, std::string teil) {
        {
            const std::lock_guard sperre(m_);
            teile_[i] = std::move(teil);
            da_[i] = true;
        }
        cv_.notify_one();
    }
    void Abbrechen(std::exception_ptr grund) {
        {
            const std::lock_guard sperre(m_);
            if (!grund_) grund_ = grund;
            abgebrochen_ = true;
        }
        cv_.notify_one();
    }
    // Part i when it is made (with `warten`, once it is); false when it is not, or the making
    // was broken off.
    bool Nehmen(int32_t i, bool warten, std::string& teil) {
        std::unique_lock sperre(m_);
        if (warten) cv_.wait(sperre, [&] { return da_[i] || abgebrochen_; });
        if (!da_[i] || abgebrochen_) return false;
        teil = std::move(teile_[i]);
        return true;
    }
    void Weitergeben() {
        const std::lock_guard sperre(m_);
        if (grund_) std::rethrow_exception(grund_);
    }

private:
    std::mutex m_;
    std::condition_variable cv_;
    std::vector<std::string> teile_;
    std::vector<bool> da_;
    bool abgebrochen_ = false;
    std::exception_ptr grund_;
};

} // namespace

void TeileMachen(const Teiltext& text, const std::function<void(std::string&)>& weiter) {
    const int32_t n = text.anzahl;
    if (n <= 1 || std::thread::hardware_concurrency() < 2) {
        for (int32_t i = 0; i < n; ++i) {
            std::string teil = text.teil(i);
            weiter(teil);
        }
        return;
    }
    Teilablage ablage(n);
    std::atomic<int32_t> naechster{0};
    const auto Machen = [&] {
        try {
            for (int32_t i; (i = naechster++) < n;)
                ablage.Ablegen(i, text.teil(i));
        } catch (...) {
            naechster = n;
            ablage.Abbrechen(std::current_exception());
        }
    };
    std::future<void> zweiter = std::async(std::launch::async, Machen);
    int32_t abgegeben = 0;
    const auto Abgeben = [&](bool warten) {
        std::string teil;
        while (abgegeben < n && ablage.Nehmen(abgegeben, warten, teil)) {
            ++abgegeben;
            weiter(teil);
        }
    };
    try {
        // This thread makes parts too, and hands on what is ready after each.
        for (int32_t i; (i = naechster++) < n;) {
            ablage.Ablegen(i, text.teil(i));
            Abgeben(false);
        }
        Abgeben(true);
    } catch (...) {
        naechster = n;
        ablage.Abbrechen(std::current_exception());
    }
    zweiter.get();
    ablage.Weitergeben();
}

std::string Zusammen(const Teiltext& text) {
    std::string ganz;
    TeileMachen(text, [&](std::string& teil) {
        if (ganz.empty())
            ganz = std::move(teil);
        else
            ganz += teil;
    });
    return ganz;
}
