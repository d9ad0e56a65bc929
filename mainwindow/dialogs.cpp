// SPDX-License-Identifier: MIT
#include "dialogs.h"

#include "platformdialogs.h"

namespace {

Dialogs *installed = nullptr;

} // namespace

Dialogs &Dialogs::current()
{
    static PlatformDialogs platform;
    return installed ? *installed : platform;
}

void Dialogs::install(Dialogs *dialogs)
{
    installed = dialogs;
}
