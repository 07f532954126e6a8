// Waiting for another process: everything the driver asks of the program is
// answered asynchronously, so every wait is a poll with a deadline.
#pragma once

#include <windows.h>

namespace e2e {

// Generous: the first Wine program of a session may take seconds to start.
constexpr unsigned kStartTimeoutMs = 20000;
constexpr unsigned kReplyTimeoutMs = 5000;
constexpr unsigned kPollIntervalMs = 10;

// Calls done() until it returns true or timeoutMs have passed; returns its
// last answer.
template <typename Done>
bool PollUntil(unsigned timeoutMs, Done done)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(kPollIntervalMs);
    }
}

}  // namespace e2e
