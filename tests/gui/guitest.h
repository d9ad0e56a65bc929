// SPDX-License-Identifier: MIT
#pragma once

#include "app.h"
#include "startup.h"

#include <QList>
#include <QMenu>
#include <QTest>
#include <QUrl>

#include <functional>

class QWidget;

namespace guitest {

// Delivers a drop of the urls on target the way the platform does: drag
// enter, drag move, then the drop, through the application's event handling.
// Returns whether the drop was accepted.
bool dropUrls(QWidget *target, const QList<QUrl> &urls, QPoint position = QPoint(5, 5));
QList<QUrl> fileUrls(const QStringList &paths);

// When the next popup menu is up, runs whileUp and then clicks the item with
// that text, or dismisses the menu with Escape when the text is empty.
void chooseFromNextMenu(const QString &text, std::function<void(QMenu *)> whileUp = {});

// Writes a file (and its folders) for a test; fails the program if it cannot.
QString writeFile(const QString &path, const QByteArray &bytes = "text");

} // namespace guitest

// Runs the test object's functions inside Notepack's own application object,
// set up as start-up sets it up.
#define NOTEPACK_GUI_TEST_MAIN(TestObject)                                                        \
    int main(int argc, char **argv)                                                               \
    {                                                                                             \
        startup::_InitFileTypes();                                                                \
        startup::_NewAppInstance(argc, argv);                                                     \
        startup::_ApplicationAddMenuHandlers();                                                   \
        int status = 0;                                                                           \
        {                                                                                         \
            TestObject test;                                                                      \
            status = QTest::qExec(&test, argc, argv);                                             \
        }                                                                                         \
        startup::shutDown();                                                                 \
        return status;                                                                            \
    }
