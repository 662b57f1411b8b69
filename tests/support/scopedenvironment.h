// An environment variable set (or unset) for the life of a test, restored afterwards.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace tabrin::test {

class ScopedEnvironment {
public:
    /// Sets `name` to `value`, or removes it when `value` is null.
    ScopedEnvironment(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        apply(value);
    }
    ~ScopedEnvironment() { apply(m_old ? m_old->c_str() : nullptr); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    void apply(const char* value) {
        if (value != nullptr) ::setenv(m_name.c_str(), value, 1);
        else ::unsetenv(m_name.c_str());
    }

    std::string m_name;
    std::optional<std::string> m_old;
};

}  // namespace tabrin::test
