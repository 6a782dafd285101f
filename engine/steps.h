#pragma once

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace engine {

// A callable borrowed for the length of one call: what a numbered step runs.
// Unlike std::function it never allocates, and a step is called a great many
// times in the rule loops.
template <class Signature>
class FunctionRef;

template <class R, class... Args>
class FunctionRef<R(Args...)> {
public:
    template <class F>
    requires(!std::is_same_v<std::remove_cvref_t<F>, FunctionRef> &&
             std::is_invocable_r_v<R, F&, Args...>) FunctionRef(F&& f)
    noexcept  // NOLINT: converts from any callable, as std::function does
        : object_(const_cast<void*>(static_cast<const void*>(std::addressof(f)))),
          call_([](void* object, Args... args) -> R {
              auto& callable = *static_cast<std::remove_reference_t<F>*>(object);
              if constexpr (std::is_void_v<R>)
                  std::invoke(callable, std::forward<Args>(args)...);
              else
                  return std::invoke(callable, std::forward<Args>(args)...);
          }) {}

    R operator()(Args... args) const { return call_(object_, std::forward<Args>(args)...); }

private:
    void* object_;
    R (*call_)(void*, Args...);
};

// The game's procedures are written as numbered steps so that an error guard
// can name the step that faulted and carry on after it. A condition is a step
// too: where it faults, the branch it guards runs.
class Steps {
public:
    virtual void step(int number, FunctionRef<void()> body) = 0;
    virtual bool test(int number, FunctionRef<bool()> condition) = 0;

protected:
    ~Steps() = default;
};

// Runs each step and lets faults propagate: for the rules run outside a
// window (benchmarks, tests). A template parameter where speed counts, so
// that the steps inline.
struct PlainSteps {
    template <class F>
    void step(int, F&& f) {
        std::forward<F>(f)();
    }
    template <class F>
    bool test(int, F&& f) {
        return static_cast<bool>(std::forward<F>(f)());
    }
};

}  // namespace engine
