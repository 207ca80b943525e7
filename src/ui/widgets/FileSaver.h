#pragma once

// Saving a file the user asked for, the one way every window does it: a
// file dialog asks where (with a suggested name in the folder of the last
// save, the Documents folder at first), the content goes to the disk whole
// or not at all (files/WholeFile.h), and a failure is one message box that
// names the file and the reason. A cancelled dialog writes nothing and says
// nothing.
//
// In: the message prompter, and a replacement for the file dialog in tests.
// Out: the file, the message box.

#include <QString>

#include <functional>

class QByteArray;
class QImage;
class QWidget;

namespace app {
class MessagePrompter;
}

namespace ui {

// Asks where to save: the chosen path, or empty when the user cancels.
using SavePathAsker = std::function<QString(
    QWidget* parent, const QString& caption, const QString& suggestedPath, const QString& filter)>;

// What the file dialog shows for one kind of file.
struct FileToSave {
    QString caption; // the dialog's title
    QString name; // the suggested file name, without its extension
    QString extension; // without the dot; added to a name typed without one
    QString filter; // "PNG image (*.png)"
};

class FileSaver {
public:
    explicit FileSaver(app::MessagePrompter& prompter);

    // Replaces the file dialog (tests).
    void SetPathAsker(SavePathAsker asker);

    // True when the whole of data is in the file the user chose; false when
    // the user cancelled or the write failed (and was shown).
    bool Save(QWidget* parent, const FileToSave& file, const QByteArray& data);
    // The picture as PNG, encoded once the user has chosen where.
    bool SavePng(QWidget* parent, const FileToSave& file, const QImage& picture);

private:
    QString AskPath(QWidget* parent, const FileToSave& file);
    bool Write(const QString& path, const QByteArray& data);
    void ShowFailure(const QString& path, const QString& reason);

    app::MessagePrompter& prompter;
    SavePathAsker askPath;
    QString lastFolder; // while the program runs, for every kind of file
};

} // namespace ui
