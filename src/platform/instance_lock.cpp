#include "platform/instance_lock.h"

#include "platform/wide.h"

namespace platform {

InstanceLock::InstanceLock(const std::u16string& name)
    : mutex_(CreateMutexW(nullptr, TRUE, Wide(name))), state_(State::Owned)
{
    if (!mutex_)
        state_ = State::Unavailable;
    else if (GetLastError() == ERROR_ALREADY_EXISTS) {
        mutex_.reset();
        state_ = State::HeldByAnotherCopy;
    }
}

}  // namespace platform
