#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace lumadisc::test {

// Sets (or, with std::nullopt, removes) an environment variable until the object goes away.
class ScopedEnv {
public:
    ScopedEnv(std::string name, std::optional<std::string> value) : m_name(std::move(name)) {
        if (const char* old = std::getenv(m_name.c_str()))
            m_old = old;
        set(value);
    }
    ~ScopedEnv() { set(m_old); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void set(const std::optional<std::string>& value) {
        value ? ::setenv(m_name.c_str(), value->c_str(), 1) : ::unsetenv(m_name.c_str());
    }
    std::string m_name;
    std::optional<std::string> m_old;
};

} // namespace lumadisc::test
