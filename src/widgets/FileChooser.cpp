#include "FileChooser.h"

#include <QFileDialog>

namespace {

FileChooser::FileQuestion &saveQuestion()
{
    static FileChooser::FileQuestion q;
    return q;
}

FileChooser::FileQuestion &openQuestion()
{
    static FileChooser::FileQuestion q;
    return q;
}

FileChooser::FolderQuestion &folderQuestion()
{
    static FileChooser::FolderQuestion q;
    return q;
}

} // namespace

namespace FileChooser {

void setSaveFileQuestion(FileQuestion question)
{
    saveQuestion() = std::move(question);
}

void setOpenFileQuestion(FileQuestion question)
{
    openQuestion() = std::move(question);
}

void setFolderQuestion(FolderQuestion question)
{
    folderQuestion() = std::move(question);
}

QString saveFileName(QWidget *parent, const QString &caption, const QString &start, const QString &filter)
{
    if (saveQuestion())
        return saveQuestion()(parent, caption, start, filter);
    return QFileDialog::getSaveFileName(parent, caption, start, filter, nullptr, QFileDialog::DontUseNativeDialog);
}

QString openFileName(QWidget *parent, const QString &caption, const QString &start, const QString &filter)
{
    if (openQuestion())
        return openQuestion()(parent, caption, start, filter);
    return QFileDialog::getOpenFileName(parent, caption, start, filter, nullptr, QFileDialog::DontUseNativeDialog);
}

QString existingFolder(QWidget *parent, const QString &caption, const QString &start)
{
    if (folderQuestion())
        return folderQuestion()(parent, caption, start);
    return QFileDialog::getExistingDirectory(parent, caption, start,
                                             QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
}

} // namespace FileChooser
