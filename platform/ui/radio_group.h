// A radio group: a captioned box of items of which at most one is chosen.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace kelmorite::ui {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    // The chosen item, or -1 with none.
    int itemIndex() const;
    // Chooses an item without raising clicked().
    void setItemIndex(int index);
    QWidget* item(int index) const;

signals:
    // Once per change of the chosen item by the user; never for the item
    // already chosen.
    void clicked();

private:
    QButtonGroup* group_;
    bool settingUp_ = false;
};

}  // namespace kelmorite::ui
