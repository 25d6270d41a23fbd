#pragma once
// Move-only owners of Win32 handles: each kind names its invalid value and how it is released.
// A test build (VELMORA_COUNTED_HANDLES) counts per kind the handles taken and not yet closed,
// so a long run can show that none is lost; icons and other shared resources are never owned.
#include <utility>

template <typename Traits>
class HandleOwner {
public:
    using Handle = typename Traits::Handle;

    HandleOwner() = default;
    explicit HandleOwner(Handle handle) : m_handle(handle) { Count(handle, +1); }
    HandleOwner(const HandleOwner&) = delete;
    HandleOwner& operator=(const HandleOwner&) = delete;
    HandleOwner(HandleOwner&& other) noexcept : m_handle(other.release()) {}
    HandleOwner& operator=(HandleOwner&& other) noexcept
    {
        if (this != &other) {
            reset();
            m_handle = other.release();
        }
        return *this;
    }
    ~HandleOwner() { reset(); }

    Handle get() const { return m_handle; }
    explicit operator bool() const { return m_handle != Traits::invalid(); }
    // The handle leaves the owner still open, so it stays counted.
    Handle release() { return std::exchange(m_handle, Traits::invalid()); }
    void reset(Handle handle = Traits::invalid())
    {
        const Handle old = std::exchange(m_handle, handle);
        Count(handle, +1);
        if (old != Traits::invalid()) {
            Traits::close(old);
            Count(old, -1);
        }
    }

#ifdef VELMORA_COUNTED_HANDLES
    static long LiveCount() { return s_live; }
#endif

private:
    static void Count([[maybe_unused]] Handle handle, [[maybe_unused]] long change)
    {
#ifdef VELMORA_COUNTED_HANDLES
        if (handle != Traits::invalid())
            s_live += change;
#endif
    }

#ifdef VELMORA_COUNTED_HANDLES
    static inline long s_live = 0;
#endif
    Handle m_handle = Traits::invalid();
};
