// SPDX-License-Identifier: MIT
#include "filetypes.h"

#include <QFileInfo>
#include <QStorageInfo>

#include <memory>

namespace {

struct Registry {
    FileType any{QStringLiteral("special/any"), QStringLiteral("????"), QStringLiteral("????"), {}};
    FileType folder{QStringLiteral("special/folder"), QStringLiteral("fold"), QStringLiteral("MACS"), {}};
    FileType disk{QStringLiteral("special/disk"), QStringLiteral("disk"), QStringLiteral("MACS"), {}};
    FileType memopadArchive{QStringLiteral("Memopad Archive"), {}, {}, {QStringLiteral(".mpa")}};
};

std::unique_ptr<Registry> &registry()
{
    static std::unique_ptr<Registry> instance;
    return instance;
}

const Registry &initialized()
{
    if (!registry())
        FileTypes::_Initialize();
    return *registry();
}

} // namespace

void FileTypes::_Initialize()
{
    registry() = std::make_unique<Registry>();
}

void FileTypes::release()
{
    registry().reset();
}

const FileType &FileTypes::pSpecialAny()
{
    return initialized().any;
}

const FileType &FileTypes::pSpecialFolder()
{
    return initialized().folder;
}

const FileType &FileTypes::pSpecialDisk()
{
    return initialized().disk;
}

const FileType &FileTypes::pMemopadArchive()
{
    return initialized().memopadArchive;
}

QString FileTypes::typeOf(const QFileInfo &entry)
{
    if (!entry.exists())
        return {};
    if (!entry.isDir())
        return pSpecialAny().name;
    if (QStorageInfo(entry.absoluteFilePath()).rootPath() == entry.absoluteFilePath())
        return pSpecialDisk().name;
    return pSpecialFolder().name;
}

QStringList FileTypes::dropTypes()
{
    return {pSpecialFolder().name, pSpecialDisk().name, pSpecialAny().name};
}
