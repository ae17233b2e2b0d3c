// The file list: listing, selection by mouse and keyboard, re-reading.
#include "platform/ui/file_list_box.h"

#include "tests/support/temp_dir.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace kelmorite::ui {
namespace {

QStringList namesIn(const QListWidget& list)
{
    QStringList names;
    for (int i = 0; i < list.count(); ++i) names << list.item(i)->text();
    return names;
}

void clickRow(QListWidget& list, int row)
{
    const QRect rect = list.visualItemRect(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
}

struct Listed : ::testing::Test {
    test::TempDir dir;
    FileListBox list;
    void SetUp() override
    {
        for (const char* name : {"c.Bmp", "a.bmp", "B.BMP", "d.png", ".h.bmp", "r.bmp"}) test::writeFile(dir.file(name), std::string("x"));
        ::chmod(dir.file("r.bmp").c_str(), 0444);
        ::mkdir(dir.file("e.bmp").c_str(), 0755);
        list.resize(185, 233);
        list.setDirectory(dir.path());
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }
};

TEST_F(Listed, ShowsThePicturesSortedWithoutRegardToCaseAndNothingSelected)
{
    EXPECT_EQ(namesIn(list), (QStringList{"a.bmp", "B.BMP", "c.Bmp", "r.bmp"}));
    EXPECT_EQ(list.selectedPath(), "");
    EXPECT_EQ(list.visualItemRect(list.item(0)).height(), 13);
}

TEST_F(Listed, EverySelectionByTheUserRaisesOneClick)
{
    QSignalSpy clicks(&list, &FileListBox::clicked);
    clickRow(list, 1);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(list.selectedPath(), dir.file("B.BMP"));
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(list.selectedPath(), dir.file("c.Bmp"));
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(list.selectedPath(), dir.file("a.bmp"));
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(list.selectedPath(), dir.file("r.bmp"));
    EXPECT_EQ(clicks.count(), 4);
    QTest::keyClicks(&list, "c");  // typing the start of a name
    EXPECT_EQ(list.selectedPath(), dir.file("c.Bmp"));
    EXPECT_EQ(clicks.count(), 5);
}

TEST_F(Listed, ReReadingRaisesNoClickAndSelectsNothing)
{
    clickRow(list, 0);
    QSignalSpy clicks(&list, &FileListBox::clicked);
    test::writeFile(dir.file("new.bmp"), std::string("x"));
    list.reread();
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(list.selectedPath(), "");
    EXPECT_EQ(namesIn(list), (QStringList{"a.bmp", "B.BMP", "c.Bmp", "new.bmp", "r.bmp"}));
}

TEST(FileListBox, TheSelectedPathAtTheRootHasOneSlash)
{
    FileListBox list;
    list.setDirectory("/");
    list.addItem("Photo.bmp");  // whatever the root holds, a name there joins with one "/"
    list.item(list.count() - 1)->setSelected(true);
    EXPECT_EQ(list.selectedPath(), "/Photo.bmp");
}

}  // namespace
}  // namespace kelmorite::ui
