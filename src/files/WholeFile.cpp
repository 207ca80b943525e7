#include "files/WholeFile.h"

namespace files {

WholeFile::WholeFile(const QString& target)
    : path(target)
    , file(target)
{ }

bool WholeFile::Open()
{
    return file.open(QIODevice::WriteOnly) || Fail();
}

bool WholeFile::Write(const QByteArray& data)
{
    return file.write(data) == data.size() || Fail();
}

bool WholeFile::Commit()
{
    if (!file.isOpen()) {
        if (error.isEmpty())
            error = QStringLiteral("the file was not opened");
        return false;
    }
    // A writer that streams into Device() may have met an error that it did
    // not pass on; and the last buffered bytes reach the disk only here.
    if (file.error() != QFileDevice::NoError || !file.flush())
        return Fail();
    return file.commit() || Fail();
}

void WholeFile::Cancel()
{
    if (!file.isOpen())
        return;
    file.cancelWriting();
    // Removes the file beside the target; the target is not touched.
    file.commit();
}

QString WholeFile::ReasonOr(const QString& writerSays) const
{
    return file.error() != QFileDevice::NoError ? file.errorString() : writerSays;
}

bool WholeFile::Fail()
{
    error = file.errorString();
    Cancel();
    return false;
}

QString WriteWholeFile(const QString& path, const QByteArray& data)
{
    WholeFile file(path);
    if (file.Open() && file.Write(data) && file.Commit())
        return {};
    return file.Error();
}

} // namespace files
