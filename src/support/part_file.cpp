#include "support/part_file.h"
#include "store/error.h"
#include <cstdio>

PartFile::PartFile(const QString& target)
    : file_(target + QStringLiteral(".XXXXXX"))
    , target_(target)
{
    if (!file_.open())
        throw KaivoraError(file_.errorString() + QStringLiteral(": ") + target);
    file_.close();
}

void PartFile::commit()
{
    if (std::rename(QFile::encodeName(path()).constData(), QFile::encodeName(target_).constData()) != 0)
        throw KaivoraError(QStringLiteral("cannot replace ") + target_);
}
