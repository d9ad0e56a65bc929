// SPDX-License-Identifier: MIT
#pragma once

#include "menuitem.h"

#include <QMenuBar>
#include <QPointer>

class CommandTarget;

// The program's one menu bar: File, Edit and Help. Items are found by Name;
// a chosen item goes to the frontmost window's handler of that name, then to
// the application's. Enabling is worked out afresh before a menu shows and
// whenever another window comes to the front, so that shortcuts follow the
// same rules as the menus.
class MenuBar1 : public QMenuBar {
    Q_OBJECT
public:
    // The shared bar, built on first use.
    static MenuBar1 &instance();
    static void release();

    // The item of that Name anywhere in the bar, or nullptr.
    MenuItem *item(const QString &name) const;
    // Titles and items, in the order they were appended.
    const QList<MenuItem *> &items() const { return m_items; }

    void setApplicationTarget(CommandTarget *application);
    void refreshEnabling();
    void dispatch(const QString &name);

    // Windows that show no menu bar of their own still take its shortcuts.
    void attachShortcutsTo(QWidget *window) const;

private:
    MenuBar1();

    void Untitled1();
    void Untitled2();
    void Untitled4();

    struct ItemSetup {
        const char *name;
        MenuItemKind kind;
        const char *text;
        const char *keyboardShortcut; // nullptr: never set
        bool autoEnable;
    };
    void appendMenu(const ItemSetup &title, std::initializer_list<ItemSetup> items);
    MenuItem *createItem(const ItemSetup &setup);
    bool handlerReachable(const MenuItem &item, const CommandTarget *front) const;

    QList<MenuItem *> m_items;
    CommandTarget *m_application = nullptr;

    static QPointer<MenuBar1> s_instance;
};
