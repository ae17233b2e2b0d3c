// The window's layout: every control in its place, the frame, the focus order.
#include "tests/app/window_fixture.h"

#include "platform/ui/button.h"
#include "platform/ui/directory_list_box.h"
#include "platform/ui/drive_combo_box.h"
#include "platform/ui/image_view.h"
#include "platform/ui/radio_group.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

namespace kelmorite::app {
namespace {

TEST_F(WindowTest, EveryControlStandsInItsPlaceWithItsText)
{
    open();
    TfrmKelmor& w = *window;
    struct Case { const char* name; QWidget* control; QWidget* parent; QRect geometry; QString text; };
    auto textOf = [](QWidget* c) -> QString {
        if (auto* b = qobject_cast<QAbstractButton*>(c)) return b->text();
        if (auto* l = qobject_cast<QLabel*>(c)) return l->text();
        if (auto* g = qobject_cast<QGroupBox*>(c)) return g->title();
        return "";
    };
    const Case cases[] = {
        {"TePanelBG", w.TePanelBG, &w, {0, 0, 792, 573}, ""},
        {"TePageControl1", w.TePageControl1, w.TePanelBG, {0, 0, 792, 537}, ""},
        {"TeDriveComboBoxFrom", w.TeDriveComboBoxFrom, w.TeTabSheet1, {16, 24, 185, 19}, ""},
        {"TeDirectoryListBoxFrom", w.TeDirectoryListBoxFrom, w.TeTabSheet1, {16, 48, 185, 209}, ""},
        {"TeFileListBoxFrom", w.TeFileListBoxFrom, w.TeTabSheet1, {16, 264, 185, 233}, ""},
        {"TePanelFrom", w.TePanelFrom, w.TeTabSheet1, {208, 48, 209, 209}, ""},
        {"ImageFrom", w.ImageFrom, w.TePanelFrom, {2, 2, 205, 205}, ""},
        {"TeRadioGroupSize", w.TeRadioGroupSize, w.TeTabSheet1, {208, 264, 209, 145}, "Bitmap Resize (Width x Height)"},
        {"TeCheckBoxBG", w.TeCheckBoxBG, w.TeTabSheet1, {208, 444, std::max(153, w.TeCheckBoxBG->sizeHint().width()), 20},
         "With 139 x 139 Background"},
        {"TeButtonDeleteFrom", w.TeButtonDeleteFrom, w.TeTabSheet1, {208, 472, 209, 25}, "Delete Bitmap File"},
        {"TeDriveComboBoxTo", w.TeDriveComboBoxTo, w.TeTabSheet1, {440, 24, 185, 19}, ""},
        {"TeDirectoryListBoxTo", w.TeDirectoryListBoxTo, w.TeTabSheet1, {440, 48, 185, 209}, ""},
        {"TeFileListBoxTo", w.TeFileListBoxTo, w.TeTabSheet1, {440, 264, 185, 233}, ""},
        {"TePanelTo", w.TePanelTo, w.TeTabSheet1, {632, 48, 143, 143}, ""},
        {"ImageTo", w.ImageTo, w.TePanelTo, {2, 2, 139, 139}, ""},
        {"TeCheckBoxFilename", w.TeCheckBoxFilename, w.TeTabSheet1,
         {632, 204, std::max(142, w.TeCheckBoxFilename->sizeHint().width()), 20}, "Save With Resized Name"},
        {"TeButtonSave", w.TeButtonSave, w.TeTabSheet1, {632, 232, 145, 25}, "Save Resized Bitmap"},
        {"TePanelView", w.TePanelView, w.TeTabSheet1, {632, 264, 143, 143}, ""},
        {"ImageView", w.ImageView, w.TePanelView, {2, 2, 139, 139}, ""},
        {"TeButtonDeleteTo", w.TeButtonDeleteTo, w.TeTabSheet1, {632, 472, 145, 25}, "Delete Bitmap File"},
        {"ImageBG", w.ImageBG, w.TeTabSheet1, {200, 280, 139, 139}, ""},
        {"TeButtonClose", w.TeButtonClose, w.TePanelBG, {704, 544, 75, 25}, "Close"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.control->parentWidget(), c.parent);
        EXPECT_EQ(c.control->geometry(), c.geometry);
        EXPECT_EQ(textOf(c.control), c.text);
    }
    EXPECT_EQ(w.TePageControl1->count(), 1);
    EXPECT_EQ(w.TePageControl1->tabText(0), "Resize Bitmap");
    EXPECT_EQ(w.TePageControl1->currentWidget(), w.TeTabSheet1);
    for (auto* label : {w.Label1, w.Label2}) {
        EXPECT_EQ(label->font().pointSize(), 14);
        EXPECT_TRUE(label->font().bold());
        EXPECT_TRUE(label->font().underline());
    }
    EXPECT_EQ(w.Label1->text(), "Original Bitmap");
    EXPECT_EQ(w.Label1->pos(), QPoint(208, 16));
    EXPECT_EQ(w.Label2->text(), "Resized Bitmap");
    EXPECT_EQ(w.Label2->pos(), QPoint(632, 16));
    const QStringList items{"1 x 1 (68 x 68)", "1 x 2 (68 x 139)", "2 x 1 (139 x 68)", "2 x 2 (139 x 139)"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(qobject_cast<QAbstractButton*>(w.TeRadioGroupSize->item(i))->text(), items[i]);
    EXPECT_EQ(w.TeRadioGroupSize->itemIndex(), 0);
    EXPECT_TRUE(w.TeCheckBoxBG->isChecked());
    EXPECT_TRUE(w.TeCheckBoxFilename->isChecked());
    EXPECT_FALSE(w.TeCheckBoxBG->isTristate());
    EXPECT_FALSE(w.ImageBG->isVisible());
    EXPECT_EQ(*w.ImageBG->bitmap(), Bitmap(139, 139, kMagenta));
    EXPECT_TRUE(w.ImageFrom->empty());
    EXPECT_TRUE(w.ImageTo->empty());
    EXPECT_TRUE(w.ImageView->empty());
}

TEST_F(WindowTest, TheFrameIsFixedWithOnlyTheSystemMenuAndCloseBox)
{
    open();
    EXPECT_EQ(window->windowTitle(), "Kelmorite v1.1.0.0");
    EXPECT_EQ(window->size(), QSize(792, 573));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window->font().pointSize(), 8);
    EXPECT_FALSE(window->acceptDrops());
}

TEST_F(WindowTest, TabVisitsTheControlsInTheDesignedOrder)
{
    open();
    TfrmKelmor& w = *window;
    const std::vector<std::pair<const char*, QWidget*>> order = {
        {"TeButtonClose", w.TeButtonClose}, {"tab strip", w.TePageControl1->tabBar()},
        {"TeRadioGroupSize", w.TeRadioGroupSize->item(0)}, {"TeButtonDeleteFrom", w.TeButtonDeleteFrom},
        {"TeCheckBoxFilename", w.TeCheckBoxFilename}, {"TeButtonSave", w.TeButtonSave},
        {"TeButtonDeleteTo", w.TeButtonDeleteTo}, {"TeCheckBoxBG", w.TeCheckBoxBG},
        {"TeDriveComboBoxFrom", w.TeDriveComboBoxFrom}, {"TeDriveComboBoxTo", w.TeDriveComboBoxTo},
        {"TeDirectoryListBoxFrom", w.TeDirectoryListBoxFrom}, {"TeFileListBoxFrom", w.TeFileListBoxFrom},
        {"TeFileListBoxTo", w.TeFileListBoxTo}, {"TeDirectoryListBoxTo", w.TeDirectoryListBoxTo},
        {"TeButtonClose again", w.TeButtonClose}};
    w.TeButtonClose->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), w.TeButtonClose);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i].second) << "after " << order[i - 1].first << " expected " << order[i].first;
    }
}

}  // namespace
}  // namespace kelmorite::app
