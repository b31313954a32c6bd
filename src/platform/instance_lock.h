#pragma once
// The named mutex that lets one copy of the program run per logon session.

#include <string>

#include "platform/handles.h"

namespace platform {

class InstanceLock {
public:
    enum class State { Owned, HeldByAnotherCopy, Unavailable };

    // Creates the mutex with initial ownership. The handle of an owned lock is
    // kept until the process ends, which is when the system frees the lock.
    explicit InstanceLock(const std::u16string& name);

    State GetState() const noexcept { return state_; }

private:
    UniqueHandle mutex_;
    State state_;
};

}  // namespace platform
