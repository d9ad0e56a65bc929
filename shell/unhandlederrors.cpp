// SPDX-License-Identifier: MIT
#include "unhandlederrors.h"

namespace {

std::function<void()> &reporter()
{
    static std::function<void()> installed;
    return installed;
}

} // namespace

void UnhandledErrors::setReporter(std::function<void()> reporter)
{
    ::reporter() = std::move(reporter);
}

void UnhandledErrors::report()
{
    if (::reporter())
        ::reporter()();
}
