// SPDX-License-Identifier: MIT
#pragma once

class CommandHandlers;
class MenuBar1;

// The application and the windows that take menu commands. A chosen menu item
// goes to the frontmost window's handler of that name first, then to the
// application's.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;

    virtual const CommandHandlers &commandHandlers() const = 0;
    // Runs each time the menus are brought up to date while this target is
    // in front (the application's runs always); it may only enable items.
    virtual void enableMenuItems(MenuBar1 &menuBar) { (void)menuBar; }
};
