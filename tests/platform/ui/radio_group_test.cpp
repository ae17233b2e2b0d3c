// The radio group and the button: when their click fires.
#include "platform/ui/button.h"
#include "platform/ui/radio_group.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace kelmorite::ui {
namespace {

TEST(RadioGroup, ClicksOncePerChangeOfTheChosenItem)
{
    RadioGroup group("Size", {"one", "two", "three"});
    group.resize(209, 145);
    group.setItemIndex(0);
    group.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&group));
    QSignalSpy clicks(&group, &RadioGroup::clicked);

    // A radio button takes clicks on its indicator and caption, at its left.
    auto clickItem = [&](int i) { QTest::mouseClick(group.item(i), Qt::LeftButton, {}, QPoint(6, group.item(i)->height() / 2)); };
    clickItem(0);  // already chosen
    EXPECT_EQ(clicks.count(), 0);
    clickItem(2);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(group.itemIndex(), 2);
    group.item(2)->setFocus();
    QTest::keyClick(group.item(2), Qt::Key_Up);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(group.itemIndex(), 1);
    group.setItemIndex(0);  // the program's own choice raises nothing
    EXPECT_EQ(clicks.count(), 2);
}

TEST(Button, PressedByReleaseSpaceAndEnterWhileFocused)
{
    Button button("Save");
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    QSignalSpy clicks(&button, &QPushButton::clicked);
    QTest::mousePress(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(&button, Qt::Key_Space);
    QTest::keyClick(&button, Qt::Key_Return);
    QTest::keyClick(&button, Qt::Key_Enter);
    EXPECT_EQ(clicks.count(), 4);
    EXPECT_FALSE(button.isDefault());
    EXPECT_FALSE(button.autoDefault());
}

}  // namespace
}  // namespace kelmorite::ui
