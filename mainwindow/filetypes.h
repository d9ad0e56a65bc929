// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class QFileInfo;

struct FileType {
    QString name;
    QString macType;
    QString macCreator;
    QStringList extensions;
};

// The file types the program knows: three that drops are accepted for, and
// the archive's own, which the save dialog filters by. Created once at
// start-up, before any window.
class FileTypes {
public:
    static void _Initialize();
    static void release();

    static const FileType &pSpecialAny();
    static const FileType &pSpecialFolder();
    static const FileType &pSpecialDisk();
    static const FileType &pMemopadArchive();

    // The name of the registered type that matches the entry: folders and
    // disks have their own, every other existing entry is "special/any", and
    // an entry that does not exist has none (empty).
    static QString typeOf(const QFileInfo &entry);
    // The types a window and its list accept drops of, in that order.
    static QStringList dropTypes();
};
