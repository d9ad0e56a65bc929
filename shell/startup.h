// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

class InstanceChannel;

// Notepack's start-up, step by step: file types, the application object with
// its menu bar, the application's command handlers, the main window, then the
// event loop. The documents named on the command line are handed to the main
// window once it exists, in order, as the system's open-document requests are.
namespace startup {

int _Main(int argc, char **argv);

void _InitFileTypes();
void _NewAppInstance(int &argc, char **argv);
void _ApplicationAddMenuHandlers();
void _MakeDefaultView();
// Posts an open-document request for each document named in arguments.
void handOverDocuments(const QStringList &arguments);
// Takes documents from Notepacks started later on channel, as the system's
// open-document requests, and brings the main window to the front.
void takeDocumentsFrom(InstanceChannel &channel);
// Releases what start-up made, the application object last.
void shutDown();

} // namespace startup
