#pragma once

// Files written whole or not at all. Everything the program and the renderer
// save (the people's list, pictures, pages, tables and calendars) goes
// through here: the content goes to a file beside the target, which is
// renamed over the target only when every write, the flush and the rename
// have succeeded. On any failure the earlier file under the name is left as
// it was, the half-written one is removed, and the caller gets the reason in
// the operating system's words ("No space left on device").
//
// QSaveFile alone is not enough: its commit() flushes what is still buffered
// without looking at the result, so on a full disk it renames a cut or empty
// file over a good one and reports success. WholeFile flushes first and
// checks.
//
// QtCore only: the people's file and the renderer use it without a window.

#include <QByteArray>
#include <QSaveFile>
#include <QString>

class QIODevice;

namespace files {

class WholeFile {
public:
    explicit WholeFile(const QString& path);

    // Starts the file beside the target; false when it cannot be made.
    bool Open();
    // Where a writer that needs a device (a PDF or image writer) writes.
    QIODevice& Device() { return file; }
    bool Write(const QByteArray& data);
    // Puts the file in place of the target: true only when all of it is
    // there. False leaves the target as it was.
    bool Commit();
    // Gives up: the target stays as it was.
    void Cancel();

    // Why the last step failed.
    const QString& Error() const { return error; }
    // Why a writer into Device() could not finish: the file's own reason when
    // a write failed (the writer may only know that it stopped), else the
    // writer's.
    QString ReasonOr(const QString& writerSays) const;
    const QString& Path() const { return path; }

private:
    bool Fail();

    QString path;
    QSaveFile file;
    QString error;
};

// The whole of data under path, or nothing: empty when written, else why not.
QString WriteWholeFile(const QString& path, const QByteArray& data);

} // namespace files
