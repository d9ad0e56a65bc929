// SPDX-License-Identifier: MIT
#include "memotext.h"

#include "textfilereader.h"

namespace notepack {

MemoText LoadTextFile(const std::filesystem::path &path)
{
    MemoText memo;
    const TextFileReader::Result result = TextFileReader().appendText(memo.text, path);
    memo.status = result.status;
    memo.fileSize = result.fileSize;
    if (result.opened)
        memo.fileName = path.filename().string();
    return memo;
}

} // namespace notepack
