// A drive box: the machine's mounted volumes; choosing one moves the linked
// directory list to it.
#pragma once

#include "platform/ui/action_guard.h"

#include <QComboBox>

#include <string>

namespace kelmorite::ui {

class DirectoryListBox;

class DriveComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveComboBox(QWidget* parent = nullptr);

    void link(DirectoryListBox* directories) { directories_ = directories; }
    void setActionGuard(ActionGuard guard) { guard_ = std::move(guard); }

    // The chosen volume's mount point.
    std::string drive() const;
    // Shows the volume, adding it when it was mounted since; moves nothing.
    void setDrive(const std::string& mountPoint);

private:
    DirectoryListBox* directories_ = nullptr;
    ActionGuard guard_ = swallowingGuard();
};

}  // namespace kelmorite::ui
