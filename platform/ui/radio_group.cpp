// The radio group.
#include "platform/ui/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kelmorite::ui {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        layout->addWidget(button);
    }
    layout->addStretch();
    // A button of the group is toggled on exactly once per change of the chosen item.
    connect(group_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on && !settingUp_) emit clicked();
    });
}

int RadioGroup::itemIndex() const { return group_->checkedId(); }

void RadioGroup::setItemIndex(int index)
{
    settingUp_ = true;
    if (auto* button = group_->button(index)) button->setChecked(true);
    settingUp_ = false;
}

QWidget* RadioGroup::item(int index) const { return group_->button(index); }

}  // namespace kelmorite::ui
