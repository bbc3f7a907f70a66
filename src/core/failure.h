#pragma once

#include <stdexcept>
#include <string>

namespace lumadisc {

// A failure raised by an operation; handlers that "end silently" catch it, the others let it
// reach the view, which logs it and goes on.
class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& description, int number = 0)
        : std::runtime_error(description), m_number(number) {}
    int number() const { return m_number; }

private:
    int m_number;
};

} // namespace lumadisc
