#pragma once
// The COM apartment of the user-interface thread, for the length of a scope.

#include <objbase.h>
#include <ole2.h>

namespace platform {

class OleSession {
public:
    OleSession() : initialized_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession()
    {
        if (initialized_)
            OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

private:
    bool initialized_;
};

class ComSession {
public:
    ComSession() : initialized_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComSession()
    {
        if (initialized_)
            CoUninitialize();
    }
    ComSession(const ComSession&) = delete;
    ComSession& operator=(const ComSession&) = delete;

private:
    bool initialized_;
};

}  // namespace platform
