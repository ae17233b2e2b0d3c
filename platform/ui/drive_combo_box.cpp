// The drive box.
#include "platform/ui/drive_combo_box.h"

#include "platform/system/directories.h"
#include "platform/ui/directory_list_box.h"

namespace kelmorite::ui {

DriveComboBox::DriveComboBox(QWidget* parent) : QComboBox(parent)
{
    for (const auto& volume : mountedVolumes()) addItem(QString::fromStdString(volume));
    setDrive(volumeOf(currentDirectory()));
    // Only the user's choice moves the directory list; setDrive does not.
    connect(this, &QComboBox::activated, this, [this](int) {
        if (directories_ == nullptr) return;
        const std::string chosen = drive();
        guard_([&] { directories_->setDirectory(chosen); });
    });
}

std::string DriveComboBox::drive() const { return currentText().toStdString(); }

void DriveComboBox::setDrive(const std::string& mountPoint)
{
    const QString text = QString::fromStdString(mountPoint);
    int index = findText(text);
    if (index < 0) {
        addItem(text);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

}  // namespace kelmorite::ui
