// A value written by one thread and read by another without ordering: a single relaxed atomic.
#pragma once
#include <atomic>

namespace velda::cindermote {

template <typename T>
class Relaxed {
public:
    Relaxed(T init = T()) : value(init) {}
    T get() const { return value.load(std::memory_order_relaxed); }
    void set(T x) { value.store(x, std::memory_order_relaxed); }
    operator T() const { return get(); }
    Relaxed& operator=(T x)
    {
        set(x);
        return *this;
    }

private:
    std::atomic<T> value;
};

}  // namespace velda::cindermote
