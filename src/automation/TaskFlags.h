#pragma once

#include <cstdint>

// State of the running task, shared by the window, the dispatcher and the blog entry filler.
// Everything runs on the window's thread; handlers entered from a nested event loop act on
// the flags as they are at that moment.
struct TaskFlags
{
    bool bBusy = false;           // a task is running; the dispatcher acts only while it is true
    std::int16_t nLoginTries = 0; // login-page loads seen in the current task
    bool bGenerated = false;      // generation has run in the current task
};
