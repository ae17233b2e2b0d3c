// A directory list: the path from "/" down to the current directory, then its
// subdirectories; a double click or Enter enters one.
#pragma once

#include "platform/ui/action_guard.h"

#include <QListWidget>

#include <string>

namespace kelmorite::ui {

class DriveComboBox;
class FileListBox;

class DirectoryListBox : public QListWidget {
    Q_OBJECT
public:
    explicit DirectoryListBox(QWidget* parent = nullptr);

    // The linked controls, moved along whenever the directory changes.
    void link(DriveComboBox* drive, FileListBox* files);
    void setActionGuard(ActionGuard guard) { guard_ = std::move(guard); }

    // A full path; only the root "/" ends in "/".
    const std::string& directory() const { return directory_; }
    // Moves to the directory and moves the linked drive box and file list.
    // Raises "File access denied" for a directory that cannot be entered,
    // changing nothing.
    void setDirectory(const std::string& directory);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void enter(QListWidgetItem* item);
    void fill();

    std::string directory_;
    DriveComboBox* drive_ = nullptr;
    FileListBox* files_ = nullptr;
    ActionGuard guard_ = swallowingGuard();
};

}  // namespace kelmorite::ui
