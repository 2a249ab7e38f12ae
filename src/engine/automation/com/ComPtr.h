#pragma once

#include <utility>

// Holds one reference to a COM interface and releases it when dropped, on every path.
template <typename T>
class ComPtr
{
public:
    ComPtr() = default;
    // Takes over a reference the caller already owns (as every out-parameter hands one).
    explicit ComPtr(T *adopted) : m_pointer(adopted) {}
    ComPtr(const ComPtr &other) : m_pointer(other.m_pointer)
    {
        if (m_pointer)
            m_pointer->AddRef();
    }
    ComPtr(ComPtr &&other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
    ComPtr &operator=(ComPtr other) noexcept
    {
        std::swap(m_pointer, other.m_pointer);
        return *this;
    }
    ~ComPtr() { reset(); }

    T *get() const { return m_pointer; }
    T *operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }

    void reset()
    {
        if (T *pointer = std::exchange(m_pointer, nullptr))
            pointer->Release();
    }
    // For an out-parameter: drops what is held and lets the callee store a new reference.
    T **put()
    {
        reset();
        return &m_pointer;
    }

private:
    T *m_pointer = nullptr;
};
