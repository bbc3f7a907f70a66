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
        set(value);
    }
    ScopedEnv(std::string name, const std::string& value) : ScopedEnv(name, value.c_str()) {}
    ~ScopedEnv() { set(m_old ? m_old->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void set(const char* value) {
        value ? ::setenv(m_name.c_str(), value, 1) : ::unsetenv(m_name.c_str());
    }
    std::string m_name;
    std::optional<std::string> m_old;
};

} // namespace lumadisc::test
