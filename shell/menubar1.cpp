// SPDX-License-Identifier: MIT
#include "menubar1.h"

#include "commandhandlers.h"
#include "commandtarget.h"
#include "unhandlederrors.h"

#include <QApplication>
#include <QMenu>
#include <QWindow>

QPointer<MenuBar1> MenuBar1::s_instance;

namespace {

constexpr bool T = true;
constexpr bool F = false;
using Kind = MenuItemKind;

CommandTarget *frontmostTarget()
{
    return dynamic_cast<CommandTarget *>(QApplication::activeWindow());
}

} // namespace

MenuBar1 &MenuBar1::instance()
{
    if (!s_instance)
        s_instance = new MenuBar1;
    return *s_instance;
}

void MenuBar1::release()
{
    delete s_instance.data();
}

MenuBar1::MenuBar1()
{
    Untitled1();
    Untitled2();
    Untitled4();
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &MenuBar1::refreshEnabling);
    refreshEnabling();
}

void MenuBar1::Untitled1()
{
    appendMenu({"FileMenu", Kind::Plain, "&File", "", F},
               {{"FileNewAttachment", Kind::Plain, "&Add File...", "Cmd+N", T},
                {"UntitledMenu4", Kind::Plain, "-", nullptr, F},
                {"FileCloseWindow", Kind::Plain, "&Close Window", "Cmd+W", T},
                {"UntitledMenu3", Kind::Plain, "-", nullptr, T},
                {"FilePreferences", Kind::Preferences, "&Preferences...", "", F},
                {"UntitledMenu2", Kind::Plain, "-", nullptr, T},
                {"FileQuit", Kind::Quit, "&Quit", "Cmd+Cmd+Q", T}});
}

void MenuBar1::Untitled2()
{
    appendMenu({"EditMenu", Kind::Plain, "&Edit", "", F},
               {{"EditUndo", Kind::Plain, "&Undo", "Cmd+Z", F},
                {"UntitledMenu1", Kind::Plain, "-", nullptr, F},
                {"EditCut", Kind::Plain, "Cu&t", "Cmd+X", F},
                {"EditCopy", Kind::Plain, "&Copy", "Cmd+C", F},
                {"EditPaste", Kind::Plain, "&Paste", "Cmd+V", F},
                {"EditClear", Kind::Plain, "&Delete", "", F},
                {"UntitledMenu0", Kind::Plain, "-", nullptr, T},
                {"EditSelectAll", Kind::Plain, "Select All", "Cmd+A", F}});
}

void MenuBar1::Untitled4()
{
    appendMenu({"HelpMenu", Kind::Plain, "&Help", "", T},
               {{"HelpHelp", Kind::Plain, "&Help...", "", T},
                {"AppleAboutPostling", Kind::About, "About Notepack...", "", F}});
}

void MenuBar1::appendMenu(const ItemSetup &title, std::initializer_list<ItemSetup> items)
{
    MenuItem *titleItem = createItem(title);
    auto *menu = new QMenu(this);
    menu->setObjectName(titleItem->name());
    titleItem->setMenu(menu);
    addAction(titleItem);
    connect(menu, &QMenu::aboutToShow, this, &MenuBar1::refreshEnabling);

    for (const ItemSetup &setup : items) {
        MenuItem *menuItem = createItem(setup);
        item(titleItem->name())->menu()->addAction(menuItem);
        connect(menuItem, &QAction::triggered, this, [this, menuItem] { dispatch(menuItem->name()); });
    }
}

MenuItem *MenuBar1::createItem(const ItemSetup &setup)
{
    auto *menuItem = new MenuItem(setup.kind, this);
    menuItem->setObjectName(QLatin1String(setup.name));
    menuItem->setAutoEnable(setup.autoEnable);
    menuItem->setText(QString::fromUtf8(setup.text));
    menuItem->setSeparator(menuItem->text() == QLatin1String("-"));
    if (setup.keyboardShortcut)
        menuItem->setKeyboardShortcut(QString::fromUtf8(setup.keyboardShortcut));
    m_items.append(menuItem);
    return menuItem;
}

MenuItem *MenuBar1::item(const QString &name) const
{
    for (MenuItem *menuItem : m_items) {
        if (menuItem->name() == name)
            return menuItem;
    }
    return nullptr;
}

void MenuBar1::setApplicationTarget(CommandTarget *application)
{
    m_application = application;
    refreshEnabling();
}

bool MenuBar1::handlerReachable(const MenuItem &menuItem, const CommandTarget *front) const
{
    if (menuItem.kind() == MenuItemKind::Quit)
        return true; // the platform's own quit action
    return (front && front->commandHandlers().has(menuItem.name())) ||
           (m_application && m_application->commandHandlers().has(menuItem.name()));
}

void MenuBar1::refreshEnabling()
{
    CommandTarget *front = frontmostTarget();
    for (MenuItem *menuItem : std::as_const(m_items)) {
        // A menu title stays enabled, or its menu could not be opened at all.
        const bool enabled = menuItem->menu() || (menuItem->autoEnable() && handlerReachable(*menuItem, front));
        menuItem->setEnabled(enabled);
    }
    if (m_application)
        m_application->enableMenuItems(*this);
    if (front && front != m_application)
        front->enableMenuItems(*this);
}

void MenuBar1::dispatch(const QString &name)
{
    UnhandledErrors::guard([&] {
        bool handled = false;
        if (CommandTarget *front = frontmostTarget())
            handled = front->commandHandlers().invoke(name);
        if (!handled && m_application)
            m_application->commandHandlers().invoke(name);
        const MenuItem *chosen = item(name);
        if (chosen && chosen->kind() == MenuItemKind::Quit)
            QCoreApplication::quit();
    });
}

void MenuBar1::attachShortcutsTo(QWidget *window) const
{
    for (MenuItem *menuItem : m_items) {
        if (!menuItem->menu() && !menuItem->isSeparator())
            window->addAction(menuItem);
    }
}
