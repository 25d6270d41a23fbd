#pragma once
// Move-only owners of Win32 handles: each kind names its invalid value and how it is released.
#include <utility>

template <typename Traits>
class HandleOwner {
public:
    using Handle = typename Traits::Handle;

    HandleOwner() = default;
    explicit HandleOwner(Handle handle) : m_handle(handle) {}
    HandleOwner(const HandleOwner&) = delete;
    HandleOwner& operator=(const HandleOwner&) = delete;
    HandleOwner(HandleOwner&& other) noexcept : m_handle(other.release()) {}
    HandleOwner& operator=(HandleOwner&& other) noexcept
    {
        reset(other.release());
        return *this;
    }
    ~HandleOwner() { reset(); }

    Handle get() const { return m_handle; }
    explicit operator bool() const { return m_handle != Traits::invalid(); }
    Handle release() { return std::exchange(m_handle, Traits::invalid()); }
    void reset(Handle handle = Traits::invalid())
    {
        const Handle old = std::exchange(m_handle, handle);
        if (old != Traits::invalid())
            Traits::close(old);
    }

private:
    Handle m_handle = Traits::invalid();
};
