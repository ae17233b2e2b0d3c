// The message boxes, inspected without showing them, and answered by keys.
#include "app/window_dialogs.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace kelmorite::app {
namespace {

QStringList captions(const QMessageBox& box)
{
    QStringList out;
    for (auto* button : box.buttons()) out << button->text();
    return out;
}

TEST(WindowDialogs, TheErrorBoxAddsAFullStopAfterALetterDigitOrBackslash)
{
    struct Case { const char* message; const char* shown; };
    for (const auto& c : {Case{"Bitmap image is not valid", "Bitmap image is not valid."}, Case{"Code: 12", "Code: 12."},
                          Case{"C:\\", "C:\\."}, Case{"File Delete Denied.", "File Delete Denied."},
                          Case{"a \"quoted\"", "a \"quoted\""}, Case{"(x)", "(x)"}, Case{"", ""}})
        EXPECT_EQ(errorBoxText(c.message), c.shown) << c.message;
    const auto box = makeErrorBox("Stream read error");
    EXPECT_EQ(box->windowTitle(), "Kelmorite");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->text(), "Stream read error.");
    EXPECT_EQ(captions(*box), QStringList{"OK"});
}

TEST(WindowDialogs, TheConfirmationIsBuiltAsDescribedAndAnsweredByKeys)
{
    const DialogSpec described = confirmationDialog("/p/a.bmp");
    const auto box = makeDialog(described);
    EXPECT_EQ(box->windowTitle(), "Confirm");
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(box->text(), "Are You Sure To Delete ?\r\n/p/a.bmp");
    EXPECT_EQ(captions(*box), (QStringList{"&Yes", "&No"}));
    EXPECT_EQ(box->defaultButton()->text(), "&Yes");
    EXPECT_EQ(box->escapeButton()->text(), "&No");

    struct Case { Qt::Key key; DialogButton answer; };
    for (const auto& c : {Case{Qt::Key_Return, DialogButton::Yes}, Case{Qt::Key_Escape, DialogButton::No}}) {
        const auto asked = makeDialog(described);
        asked->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(asked.get()));
        QTest::keyClick(asked.get(), c.key);
        EXPECT_EQ(answerOf(*asked, described), c.answer);
    }
    const auto closed = makeDialog(described);  // closed without any button: the cancel answer
    EXPECT_EQ(answerOf(*closed, described), DialogButton::No);
}

TEST(WindowDialogs, TheDeleteFailureHasOneOkButton)
{
    const auto box = makeDialog(deleteDeniedDialog("/p/a.bmp"));
    EXPECT_EQ(box->windowTitle(), "Error");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->text(), "File Delete Denied.\r\n/p/a.bmp");
    EXPECT_EQ(captions(*box), QStringList{"OK"});
}

}  // namespace
}  // namespace kelmorite::app
