// The directory list.
#include "platform/ui/directory_list_box.h"

#include "platform/system/directories.h"
#include "platform/system/errors.h"
#include "platform/ui/drive_combo_box.h"
#include "platform/ui/file_list_box.h"

#include <QKeyEvent>

namespace kelmorite::ui {
namespace {

constexpr int kRowHeight = 16;
constexpr int kPathRole = Qt::UserRole;

}  // namespace

DirectoryListBox::DirectoryListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListWidget::itemDoubleClicked, this, &DirectoryListBox::enter);
}

void DirectoryListBox::link(DriveComboBox* drive, FileListBox* files)
{
    drive_ = drive;
    files_ = files;
}

void DirectoryListBox::setDirectory(const std::string& directory)
{
    if (!canEnterDirectory(directory)) throw Error("File access denied");
    directory_ = directory;
    fill();
    if (drive_ != nullptr) drive_->setDrive(volumeOf(directory_));
    if (files_ != nullptr) files_->setDirectory(directory_);
}

void DirectoryListBox::fill()
{
    clear();
    int depth = 0;
    QListWidgetItem* current = nullptr;
    auto add = [&](const std::string& label, const std::string& path, int indent) {
        auto* item = new QListWidgetItem(QString(indent * 2, ' ') + QString::fromStdString(label), this);
        item->setData(kPathRole, QString::fromStdString(path));
        item->setSizeHint(QSize(0, kRowHeight));
        return item;
    };
    for (const auto& ancestor : pathFromRoot(directory_)) {
        const auto slash = ancestor.find_last_of('/');
        current = add(ancestor == "/" ? "/" : ancestor.substr(slash + 1), ancestor, depth++);
    }
    const std::string prefix = directory_ == "/" ? "/" : directory_ + "/";
    for (const auto& name : listSubdirectories(directory_)) add(name, prefix + name, depth);
    setCurrentItem(current);
}

void DirectoryListBox::enter(QListWidgetItem* item)
{
    if (item == nullptr) return;
    const std::string path = item->data(kPathRole).toString().toStdString();
    guard_([&] { setDirectory(path); });
}

void DirectoryListBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        enter(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace kelmorite::ui
