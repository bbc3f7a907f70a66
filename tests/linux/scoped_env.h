#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace lumadisc::test {

// Sets (or, with nullptr, removes) an environment variable until the object goes away.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const char* value) : m_name(std::move(name)) {
        if (const char* old = std::getenv(m_name.c_str()))
            m_old = old;
        if (value)
            ::setenv(m_name.c_str(), value, 1);
        else
            ::unsetenv(m_name.c_str());
    }
    ScopedEnv(std::string name, const std::string& value)
        : ScopedEnv(std::move(name), value.c_str()) {}
    ~ScopedEnv() {
        if (m_old)
            ::setenv(m_name.c_str(), m_old->c_str(), 1);
        else
            ::unsetenv(m_name.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

} // namespace lumadisc::test
