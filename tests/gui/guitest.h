// SPDX-License-Identifier: MIT
#pragma once

#include "app.h"
#include "startup.h"

#include <QList>
#include <QTest>
#include <QUrl>

class QWidget;

namespace guitest {

// Delivers a drop of the urls on target the way the platform does: drag
// enter, drag move, then the drop, through the application's event handling.
// Returns whether the drop was accepted.
bool dropUrls(QWidget *target, const QList<QUrl> &urls, QPoint position = QPoint(5, 5));
QList<QUrl> fileUrls(const QStringList &paths);

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
