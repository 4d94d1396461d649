#pragma once

#include "failure/Failure.h"

#include <utility>

namespace parolex {

/// A value, or the failure that kept it from being made.
template <typename T> class [[nodiscard]] Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_failure(failure) {}
    Result(Failure::Number failure) : m_failure(failure) {}

    /// True when the value is there.
    explicit operator bool() const { return !m_failure; }
    Failure failure() const { return m_failure; }

    T &operator*() { return m_value; }
    const T &operator*() const { return m_value; }
    T *operator->() { return &m_value; }
    const T *operator->() const { return &m_value; }

private:
    T m_value{};
    Failure m_failure;
};

} // namespace parolex
