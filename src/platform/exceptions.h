#pragma once

#include <stdexcept>
#include <string>

// Base of the typed errors the platform layer raises; Message() is the text a user sees.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// Text that is no number or date, or date parts that form no date.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A database statement or connection failed; the message is the engine's.
class EDatabaseError : public Exception {
public:
    using Exception::Exception;
};

// A settings key or value that is missing or cannot be written.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// A file that cannot be opened, read or written.
class EFileError : public Exception {
public:
    using Exception::Exception;
};
