// A file list: the pictures of one directory, at most one of them selected.
#pragma once

#include <QListWidget>

#include <string>

namespace kelmorite::ui {

class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    const std::string& directory() const { return directory_; }
    // Moves to the directory and reads it; nothing is selected afterwards.
    void setDirectory(const std::string& directory);
    // Reads the names anew; nothing is selected afterwards. Raises no click.
    void reread();
    // The list's directory, a "/" unless it ends in one, and the selected
    // name; the empty text with nothing selected.
    std::string selectedPath() const;

signals:
    // The user selected an item, with the mouse or the keyboard.
    void clicked();

private:
    std::string directory_;
    bool rereading_ = false;
};

}  // namespace kelmorite::ui
