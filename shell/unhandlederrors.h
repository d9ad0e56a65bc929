// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// Where errors go that no code of the program caught. The application installs
// the reporter; code that runs a handler on behalf of the platform runs it
// through guard(), so that an error ends that handler and nothing else.
class UnhandledErrors {
public:
    static void setReporter(std::function<void()> reporter);
    static void report();

    template <typename Function>
    static void guard(Function &&function)
    {
        try {
            function();
        } catch (...) {
            report();
        }
    }
};
