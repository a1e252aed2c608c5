#pragma once
// The move-only owner behind every RAII alias (common/Handle_win.h), free of Windows so that its
// rules are tested natively: copy deleted, a move leaves the source empty, reset closes the old
// value, release hands it out unclosed, put frees the old value before giving out the slot.
#include <utility>

namespace pvn {

// Traits: `type`, `static type invalid()`, `static void close(type)`.
template <typename Traits> class UniqueAny {
public:
    using T = typename Traits::type;

    UniqueAny() = default;
    explicit UniqueAny(T value) : m_value(value) {}
    ~UniqueAny() { reset(); }
    UniqueAny(const UniqueAny&) = delete;
    UniqueAny& operator=(const UniqueAny&) = delete;
    UniqueAny(UniqueAny&& other) noexcept : m_value(other.release()) {}
    UniqueAny& operator=(UniqueAny&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    T get() const { return m_value; }
    explicit operator bool() const { return m_value != Traits::invalid(); }
    void reset(T value = Traits::invalid()) {
        // Taken out first: a close that re-enters (a hook procedure, a destroy message) sees us empty.
        const T old = std::exchange(m_value, value);
        if (old != Traits::invalid())
            Traits::close(old);
    }
    T release() { return std::exchange(m_value, Traits::invalid()); }
    // Frees the current value first, then hands out the slot for an out-parameter.
    T* put() {
        reset();
        return &m_value;
    }

private:
    T m_value = Traits::invalid();
};

namespace detail {
template <typename T, void (*Close)(T)> struct NullTraits {
    using type = T;
    static T invalid() { return T{}; }
    static void close(T v) { Close(v); }
};
} // namespace detail

// An owner whose empty value is the zero of its type (nullptr for handles and pointers).
template <typename T, void (*Close)(T)> using UniqueNull = UniqueAny<detail::NullTraits<T, Close>>;

} // namespace pvn
