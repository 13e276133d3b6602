#pragma once

// Where pages ask the operator for a file or a folder. Each question goes
// through a replaceable function, so tests answer it without a dialog. The
// defaults are Qt's own (non-native) file dialogs: the native ones block in
// their own event loop and differ between desktops.

#include <QString>

#include <functional>

class QWidget;

namespace FileChooser {

// parent, caption, starting folder or file, filter; "" means cancelled.
using FileQuestion =
    std::function<QString(QWidget *parent, const QString &caption, const QString &start, const QString &filter)>;
// parent, caption, starting folder; "" means cancelled.
using FolderQuestion = std::function<QString(QWidget *parent, const QString &caption, const QString &start)>;

// An empty function restores the default dialog.
void setSaveFileQuestion(FileQuestion question);
void setOpenFileQuestion(FileQuestion question);
void setFolderQuestion(FolderQuestion question);

QString saveFileName(QWidget *parent, const QString &caption, const QString &start, const QString &filter);
QString openFileName(QWidget *parent, const QString &caption, const QString &start, const QString &filter);
QString existingFolder(QWidget *parent, const QString &caption, const QString &start);

} // namespace FileChooser
