// SPDX-License-Identifier: MIT
// Asks Qt's MIME database, which the window's file dialogs use, what it makes
// of archives once the package's MIME file is installed. Run it with
// XDG_DATA_DIRS naming only the test's MIME folder.
// Usage: mimetypecheck SCRATCH_FOLDER
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMimeDatabase>

#include <cstdio>

namespace {

const QString kArchiveType = QStringLiteral("application/x-memopad-archive");
int failures = 0;

void expect(bool holds, const QString &what)
{
    if (!holds) {
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(what));
        ++failures;
    }
}

QString writeSample(const QDir &folder, const QString &name, const QByteArray &bytes)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(2);
    }
    return path;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: mimetypecheck SCRATCH_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QMimeDatabase database;

    const QMimeType type = database.mimeTypeForName(kArchiveType);
    expect(type.isValid(), kArchiveType + QStringLiteral(" is not known"));
    expect(type.comment() == QStringLiteral("Memopad Archive"),
           QStringLiteral("the comment is \"%1\"").arg(type.comment()));
    expect(type.globPatterns() == QStringList{QStringLiteral("*.mpa")},
           QStringLiteral("the globs are \"%1\"").arg(type.globPatterns().join(u' ')));
    expect(type.genericIconName() == QStringLiteral("package-x-generic"),
           QStringLiteral("the generic icon is \"%1\"").arg(type.genericIconName()));

    // Some trailing bytes, so the header is not the whole file.
    const QByteArray header("\x00\x01\x50\x4d", 4);
    const QByteArray swapped("\x4d\x50\x01\x00", 4);
    const QByteArray tail("\x00\x00\x00\x01\x00\x00\x00\x04test", 12);

    const struct {
        QString name;
        QByteArray bytes;
        bool isArchive;
    } samples[] = {
        {QStringLiteral("Notes.MPA"), QByteArray("plain text, named like an archive"), true},
        {QStringLiteral("unnamed"), header + tail, true},
        {QStringLiteral("swapped"), swapped + tail, false},
        {QStringLiteral("shifted"), QByteArray(1, '\0') + header + tail, false},
    };
    for (const auto &sample : samples) {
        const QString path = writeSample(folder, sample.name, sample.bytes);
        const QMimeType foundType = database.mimeTypeForFile(path);
        const QString found = foundType.isValid() ? foundType.name() : QStringLiteral("no type");
        expect((found == kArchiveType) == sample.isArchive,
               QStringLiteral("%1 is taken for %2").arg(sample.name, found));
    }
    return failures == 0 ? 0 : 1;
}
