#pragma once

#include <memory>
#include <type_traits>

// The program's one way to run work in parallel: two halves of one long pass, side by side.

// Whether the machine has a second core for the second half; without one, splitting work only
// costs.
bool ZweiterKernDa();

// Something to call, referred to while the call lasts.
class Auftrag {
public:
    template <typename F>
    requires(!std::is_same_v<std::remove_cvref_t<F>, Auftrag>) Auftrag(
        F&& f) // NOLINT(google-explicit-constructor): a lambda stands where an Auftrag is wanted
        : ziel_(const_cast<void*>(static_cast<const void*>(std::addressof(f)))),
          aufruf_([](void* z) { (*static_cast<std::remove_reference_t<F>*>(z))(); }) {}
    void operator()() const { aufruf_(ziel_); }

private:
    void* ziel_;
    void (*aufruf_)(void*);
};

// Runs `erste` on this thread while the program's second thread runs `zweite`, and returns when
// both are done; an exception of either is passed on (that of `erste` when both throw). The
// second thread is started once and then waits for work: a refresh splits its passes several
// times, and starting a thread costs up to half a millisecond on a busy machine, a wake-up a
// few microseconds. When the second thread is busy (work handed on from another thread, or from
// within its own work) or the machine has a single core, both run here one after the other.
void Nebeneinander(Auftrag erste, Auftrag zweite);
