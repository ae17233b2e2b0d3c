// The directory list with its linked drive box and file list.
#include "platform/ui/directory_list_box.h"

#include "platform/system/directories.h"
#include "platform/ui/drive_combo_box.h"
#include "platform/ui/file_list_box.h"
#include "tests/support/temp_dir.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace kelmorite::ui {
namespace {

std::string errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

struct Browser : ::testing::Test {
    test::TempDir dir;
    DriveComboBox drive;
    DirectoryListBox directories;
    FileListBox files;
    void SetUp() override
    {
        ::mkdir(dir.file("sub").c_str(), 0755);
        ::mkdir(dir.file("Another").c_str(), 0755);
        ::mkdir(dir.file(".hidden").c_str(), 0755);
        test::writeFile(dir.file("top.bmp"), std::string("x"));
        test::writeFile(dir.file("sub/inner.bmp"), std::string("x"));
        drive.link(&directories);
        directories.link(&drive, &files);
        directories.resize(185, 209);
        directories.setDirectory(dir.path());
        directories.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&directories));
    }
    int rowOf(const QString& text)
    {
        for (int i = 0; i < directories.count(); ++i)
            if (directories.item(i)->text().trimmed() == text) return i;
        return -1;
    }
};

TEST_F(Browser, ShowsThePathFromTheRootThenTheSubdirectories)
{
    const auto path = pathFromRoot(dir.path());
    ASSERT_EQ(directories.count(), int(path.size()) + 2);
    EXPECT_EQ(directories.item(0)->text(), "/");
    EXPECT_EQ(directories.item(int(path.size()) - 1)->text().trimmed().toStdString(), path.back().substr(path.back().rfind('/') + 1));
    EXPECT_EQ(directories.item(int(path.size()))->text().trimmed(), "Another");
    EXPECT_EQ(directories.item(int(path.size()) + 1)->text().trimmed(), "sub");
    EXPECT_EQ(files.directory(), dir.path());
    EXPECT_EQ(files.count(), 1);
    EXPECT_EQ(drive.drive(), volumeOf(dir.path()));
}

TEST_F(Browser, ASingleClickHighlightsADoubleClickEnters)
{
    const QRect sub = directories.visualItemRect(directories.item(rowOf("sub")));
    QTest::mouseClick(directories.viewport(), Qt::LeftButton, {}, sub.center());
    EXPECT_EQ(directories.directory(), dir.path());
    EXPECT_EQ(files.directory(), dir.path());
    QTest::mouseDClick(directories.viewport(), Qt::LeftButton, {}, sub.center());
    EXPECT_EQ(directories.directory(), dir.file("sub"));
    EXPECT_EQ(files.directory(), dir.file("sub"));
    EXPECT_EQ(files.item(0)->text(), "inner.bmp");
    EXPECT_EQ(files.selectedPath(), "");
}

TEST_F(Browser, EnterOnTheHighlightedEntryEntersIt)
{
    directories.setCurrentRow(rowOf("Another"));
    QTest::keyClick(&directories, Qt::Key_Return);
    EXPECT_EQ(directories.directory(), dir.file("Another"));
    EXPECT_EQ(files.count(), 0);
}

TEST_F(Browser, ADirectoryThatCannotBeEnteredIsRefusedAndNothingMoves)
{
    EXPECT_EQ(errorOf([&] { directories.setDirectory(dir.file("missing")); }), "File access denied");
    EXPECT_EQ(errorOf([&] { directories.setDirectory(dir.file("top.bmp")); }), "File access denied");
    EXPECT_EQ(directories.directory(), dir.path());
    EXPECT_EQ(files.directory(), dir.path());
}

TEST_F(Browser, ChoosingADriveMovesItsDirectoryList)
{
    ASSERT_GE(drive.count(), 1);
    const int root = drive.findText("/");
    ASSERT_GE(root, 0);
    drive.setCurrentIndex(root);  // a programmatic change moves nothing
    EXPECT_EQ(directories.directory(), dir.path());
    emit drive.activated(root);   // as a choice by the user does
    EXPECT_EQ(directories.directory(), "/");
    EXPECT_EQ(files.directory(), "/");
}

}  // namespace
}  // namespace kelmorite::ui
