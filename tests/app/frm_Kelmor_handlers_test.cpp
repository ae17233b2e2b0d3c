// The handlers, as a person uses the window: previews, saving, viewing, deleting.
#include "tests/app/window_fixture.h"

#include "bench/bench_files.h"
#include "platform/picture/bmp_reader.h"
#include "platform/picture/bmp_writer.h"
#include "platform/picture/picture_file.h"
#include "platform/system/file_system.h"
#include "platform/ui/button.h"
#include "platform/ui/directory_list_box.h"
#include "platform/ui/image_view.h"
#include "platform/ui/radio_group.h"
#include "tile/compose_tile.h"

#include <QCheckBox>
#include <sys/stat.h>

namespace kelmorite::app {
namespace {

Bitmap picture(int w, int h, std::uint8_t seed)
{
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.setPixel(x, y, rgb(std::uint8_t(x + seed), std::uint8_t(y * 2), seed));
    return b;
}

// What the source preview shows of a picture: the full decode stretched.
QImage shownStretched(const Bitmap& b)
{
    ui::ImageView view(ui::ImageView::Scaling::Stretch);
    view.resize(205, 205);
    view.setPicture(b);
    return view.shownImage();
}

struct Session : WindowTest {
    std::string source = dir.file("source"), target = dir.file("target");
    void SetUp() override
    {
        ::mkdir(source.c_str(), 0755);
        ::mkdir(target.c_str(), 0755);
        test::writeFile(source + "/Photo.bmp", encodeBmp32(picture(200, 100, 1)));
        test::writeFile(source + "/Other.bmp", encodeBmp32(picture(30, 60, 9)));
        test::writeFile(settings, "[Setup]\r\nDirectory_From=" + source + "\r\nDirectory_To=" + target + "\r\n");
        open();
    }
    void chooseSize(int index)
    {
        auto* item = window->TeRadioGroupSize->item(index);
        QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
    }
    void clickButton(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
};

TEST_F(Session, AWholeSession)
{
    TfrmKelmor& w = *window;
    clickItem(w.TeFileListBoxFrom, "Photo.bmp");
    EXPECT_EQ(w.ImageFrom->shownImage(), shownStretched(picture(200, 100, 1)));
    EXPECT_EQ(*w.ImageTo->bitmap(), ComposeTile(picture(200, 100, 1), 0, Background::On));

    chooseSize(2);
    EXPECT_EQ(*w.ImageTo->bitmap(), ComposeTile(picture(200, 100, 1), 2, Background::On));
    clickButton(w.TeCheckBoxBG);
    EXPECT_FALSE(w.TeCheckBoxBG->isChecked());
    EXPECT_EQ(*w.ImageTo->bitmap(), ComposeTile(picture(200, 100, 1), 2, Background::Off));

    clickButton(w.TeButtonSave);
    const std::string saved = target + "/Photo_2x1.Bmp";
    EXPECT_EQ(test::readFile(saved), encodeBmp32(ComposeTile(picture(200, 100, 1), 2, Background::Off)));
    EXPECT_EQ(names(w.TeFileListBoxTo), QStringList{"Photo_2x1.Bmp"});

    clickItem(w.TeFileListBoxTo, "Photo_2x1.Bmp");
    EXPECT_EQ(*w.ImageView->bitmap(), ComposeTile(picture(200, 100, 1), 2, Background::Off));
    EXPECT_EQ(*w.ImageTo->bitmap(), ComposeTile(picture(200, 100, 1), 2, Background::Off));

    dialogs.answers = {DialogButton::Yes};
    clickButton(w.TeButtonDeleteTo);
    ASSERT_EQ(dialogs.dialogs.size(), 1u);
    EXPECT_EQ(dialogs.dialogs[0], confirmationDialog(saved));
    EXPECT_FALSE(fileExists(saved));
    EXPECT_TRUE(names(w.TeFileListBoxTo).isEmpty());
    EXPECT_TRUE(w.ImageView->empty());
    EXPECT_FALSE(w.ImageTo->empty());  // the other side stays
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_TRUE(waits.empty());
}

TEST_F(Session, ALargeSourceShowsAndTilesAsItsFullDecodeWould)
{
    TfrmKelmor& w = *window;
    const auto bytes = bench::makeBenchBmp("rgb24_1000");
    test::writeFile(source + "/Large.bmp", bytes);
    w.TeFileListBoxFrom->reread();
    clickItem(w.TeFileListBoxFrom, "Large.bmp");
    const Bitmap full = decodeBmp(bytes);
    EXPECT_EQ(w.ImageFrom->shownImage(), shownStretched(full));
    for (const int size : {3, 1, 2, 0}) {
        chooseSize(size);
        EXPECT_EQ(*w.ImageTo->bitmap(), ComposeTile(full, size, Background::On)) << size;
    }
}

TEST_F(Session, NothingHappensWithoutAnExistingSelectedSource)
{
    TfrmKelmor& w = *window;
    chooseSize(1);
    clickButton(w.TeCheckBoxBG);
    EXPECT_TRUE(w.ImageTo->empty());

    clickItem(w.TeFileListBoxFrom, "Photo.bmp");
    const Bitmap tile = *w.ImageTo->bitmap();
    ::unlink((source + "/Photo.bmp").c_str());  // gone behind the list's back
    chooseSize(3);
    EXPECT_EQ(*w.ImageTo->bitmap(), tile);

    w.TeDirectoryListBoxFrom->setDirectory(target);  // a change of directory clears the selection
    chooseSize(0);
    clickButton(w.TeCheckBoxBG);
    EXPECT_EQ(*w.ImageTo->bitmap(), tile);
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(Session, LoadErrorsShowAndKeepThePreviews)
{
    TfrmKelmor& w = *window;
    clickItem(w.TeFileListBoxFrom, "Photo.bmp");
    const QImage shown = w.ImageFrom->shownImage();
    const Bitmap tile = *w.ImageTo->bitmap();
    test::writeFile(source + "/Bad.bmp", std::string("a text file that only looks like a bitmap"));
    w.TeFileListBoxFrom->reread();
    clickItem(w.TeFileListBoxFrom, "Bad.bmp");
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"Bitmap image is not valid"});
    EXPECT_EQ(errorBoxText(dialogs.errors[0]), "Bitmap image is not valid.");
    EXPECT_EQ(w.ImageFrom->shownImage(), shown);
    EXPECT_EQ(*w.ImageTo->bitmap(), tile);

    test::writeFile(target + "/Broken.bmp", std::string("BM"));
    w.TeFileListBoxTo->reread();
    clickItem(w.TeFileListBoxTo, "Broken.bmp");
    EXPECT_EQ(dialogs.errors.back(), "Stream read error");
    EXPECT_TRUE(w.ImageView->empty());
}

TEST_F(Session, TheSaveIsNamedAfterTheTileAndRefusesToLoseFiles)
{
    TfrmKelmor& w = *window;
    clickItem(w.TeFileListBoxFrom, "Photo.bmp");
    chooseSize(1);
    // The selection moves away; the tile is still Photo's at size 1 x 2.
    w.TeDirectoryListBoxFrom->setDirectory(target);
    w.TeDirectoryListBoxFrom->setDirectory(source);
    clickButton(w.TeButtonSave);
    EXPECT_TRUE(fileExists(target + "/Photo_1x2.Bmp"));

    test::writeFile(target + "/Photo_1x2.Bmp", std::string("old"));
    ::chmod((target + "/Photo_1x2.Bmp").c_str(), 0444);
    clickButton(w.TeButtonSave);
    EXPECT_EQ(dialogs.errors.back(), "Cannot create file \"" + target + "/Photo_1x2.Bmp\". Permission denied");
    EXPECT_EQ(test::readText(target + "/Photo_1x2.Bmp"), "old");

    // Both browsers on the source directory and the plain name: the source itself.
    w.TeDirectoryListBoxTo->setDirectory(source);
    clickButton(w.TeCheckBoxFilename);
    test::writeFile(source + "/Photo.Bmp", encodeBmp32(picture(200, 100, 1)));
    ::unlink((source + "/Photo.bmp").c_str());
    w.TeFileListBoxFrom->reread();
    clickItem(w.TeFileListBoxFrom, "Photo.Bmp");
    const auto before = test::readFile(source + "/Photo.Bmp");
    clickButton(w.TeButtonSave);
    EXPECT_EQ(dialogs.errors.back(), "Cannot create file \"" + source + "/Photo.Bmp\". The file is the tile's own source picture");
    EXPECT_EQ(test::readFile(source + "/Photo.Bmp"), before);
}

TEST_F(Session, DeletingAsksAndBearsWithARefusal)
{
    TfrmKelmor& w = *window;
    clickItem(w.TeFileListBoxFrom, "Photo.bmp");
    dialogs.answers = {DialogButton::No};
    clickButton(w.TeButtonDeleteFrom);
    EXPECT_TRUE(fileExists(source + "/Photo.bmp"));
    EXPECT_EQ(w.TeFileListBoxFrom->selectedPath(), source + "/Photo.bmp");
    EXPECT_FALSE(w.ImageTo->empty());

    ::chmod((source + "/Photo.bmp").c_str(), 0444);  // refused every time
    dialogs.answers = {DialogButton::Yes, DialogButton::Ok};
    clickButton(w.TeButtonDeleteFrom);
    EXPECT_EQ(waits, (std::vector<int>{1000, 1000, 1000}));
    ASSERT_EQ(dialogs.dialogs.size(), 3u);
    EXPECT_EQ(dialogs.dialogs[2], deleteDeniedDialog(source + "/Photo.bmp"));
    EXPECT_EQ(names(w.TeFileListBoxFrom), (QStringList{"Other.bmp", "Photo.bmp"}));
    EXPECT_EQ(w.TeFileListBoxFrom->selectedPath(), "");
    EXPECT_TRUE(w.ImageFrom->empty());
    EXPECT_TRUE(w.ImageTo->empty());

    // With nothing selected the question has an empty second line; yes deletes nothing.
    dialogs.answers = {DialogButton::Yes};
    clickButton(w.TeButtonDeleteFrom);
    EXPECT_EQ(dialogs.dialogs.back().text, "Are You Sure To Delete ?\r\n");
    EXPECT_EQ(names(w.TeFileListBoxFrom).size(), 2);
    EXPECT_TRUE(dialogs.errors.empty());
}

}  // namespace
}  // namespace kelmorite::app
