// The file list.
#include "platform/ui/file_list_box.h"

#include "platform/system/directories.h"

namespace kelmorite::ui {
namespace {

constexpr int kRowHeight = 13;

}  // namespace

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!rereading_ && !selectedItems().isEmpty()) emit clicked();
    });
}

void FileListBox::setDirectory(const std::string& directory)
{
    directory_ = directory;
    reread();
}

void FileListBox::reread()
{
    rereading_ = true;
    clear();
    for (const auto& name : listBitmapFiles(directory_)) {
        auto* item = new QListWidgetItem(QString::fromStdString(name), this);
        item->setSizeHint(QSize(0, kRowHeight));
    }
    setCurrentRow(-1);
    clearSelection();
    rereading_ = false;
}

std::string FileListBox::selectedPath() const
{
    const auto items = selectedItems();
    if (items.isEmpty()) return {};
    std::string path = directory_;
    if (path.empty() || path.back() != '/') path += '/';
    return path + items.front()->text().toStdString();
}

}  // namespace kelmorite::ui
