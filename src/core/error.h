#pragma once
// The error that handlers raise: a message text for the error box, nothing else.

#include <string>
#include <utility>

namespace core {

class Error {
public:
    explicit Error(std::u16string message) : message_(std::move(message)) {}
    const std::u16string& Message() const noexcept { return message_; }

private:
    std::u16string message_;
};

}  // namespace core
