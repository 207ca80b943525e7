#include "ui/widgets/FileSaver.h"

#include "app/MessagePrompter.h"
#include "files/WholeFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QStandardPaths>

namespace ui {
namespace {

QString DefaultFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

FileSaver::FileSaver(app::MessagePrompter& prompter)
    : prompter(prompter)
    , askPath([](QWidget* owner, const QString& caption, const QString& suggested, const QString& filter) {
        return QFileDialog::getSaveFileName(owner, caption, suggested, filter);
    })
{ }

void FileSaver::SetPathAsker(SavePathAsker asker)
{
    askPath = std::move(asker);
}

QString FileSaver::AskPath(QWidget* parent, const FileToSave& file)
{
    const QString folder = lastFolder.isEmpty() ? DefaultFolder() : lastFolder;
    const QString name = QStringLiteral("%1.%2").arg(file.name, file.extension);
    QString path = askPath(parent, file.caption, QDir(folder).filePath(name), file.filter);
    if (path.isEmpty())
        return path;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + file.extension;
    lastFolder = QFileInfo(path).absolutePath();
    return path;
}

bool FileSaver::Save(QWidget* parent, const FileToSave& file, const QByteArray& data)
{
    const QString path = AskPath(parent, file);
    return !path.isEmpty() && Write(path, data);
}

bool FileSaver::SavePng(QWidget* parent, const FileToSave& file, const QImage& picture)
{
    const QString path = AskPath(parent, file);
    if (path.isEmpty())
        return false;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) {
        ShowFailure(path, QStringLiteral("The picture could not be encoded"));
        return false;
    }
    return Write(path, png);
}

bool FileSaver::Write(const QString& path, const QByteArray& data)
{
    const QString problem = files::WriteWholeFile(path, data);
    if (!problem.isEmpty())
        ShowFailure(path, problem);
    return problem.isEmpty();
}

void FileSaver::ShowFailure(const QString& path, const QString& reason)
{
    prompter.Show(QStringLiteral("Could Not Save %1\n%2").arg(QDir::toNativeSeparators(path), reason),
        app::MessageIcon::Critical, app::MessageButtons::Ok);
}

} // namespace ui
