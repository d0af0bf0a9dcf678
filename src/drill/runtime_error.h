#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// An error raised by the program's own checks: a 16-bit overflow, an index outside a table,
// a failed control or system call. It is never thrown through the event loop: the handler's
// boundary catches it and hands it to the error path.
class RuntimeError : public std::runtime_error {
public:
    enum class Kind { Overflow, SubscriptOutOfRange, TypeMismatch, InvalidKey, ControlCall };
    RuntimeError(Kind kind, const std::string &what) : std::runtime_error(what), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};
