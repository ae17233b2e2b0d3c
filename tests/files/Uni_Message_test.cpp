// The deletion dialogs and DeleteFileWithRetry.
#include "files/Uni_Message.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sys/stat.h>

namespace kelmorite {
namespace {

struct RecordingDialogs : Dialogs {
    DialogButton answer = DialogButton::Yes;
    std::vector<DialogSpec> shown;
    DialogButton show(const DialogSpec& dialog) override
    {
        shown.push_back(dialog);
        return answer;
    }
};

// A file system of one file that refuses to go a given number of times.
struct Scripted {
    bool exists = true;
    int refusals = 0;
    std::vector<std::string> calls;
    DeletionSystem system()
    {
        return {[this](const std::string&) { calls.push_back("exists"); return exists; },
                [this](const std::string&) {
                    calls.push_back("delete");
                    if (refusals > 0) { --refusals; return false; }
                    exists = false;
                    return true;
                },
                [this](int ms) { calls.push_back("wait " + std::to_string(ms)); }};
    }
};

using Calls = std::vector<std::string>;

TEST(UniMessage, TheDialogsAreBuiltAsDescribed)
{
    EXPECT_EQ(confirmationDialog("/p/a.bmp"),
              (DialogSpec{"Confirm", DialogIcon::Question, {DialogButton::Yes, DialogButton::No}, DialogButton::Yes,
                          DialogButton::No, "Are You Sure To Delete ?\r\n/p/a.bmp"}));
    EXPECT_EQ(deleteDeniedDialog("/p/a.bmp"),
              (DialogSpec{"Error", DialogIcon::Error, {DialogButton::Ok}, DialogButton::Ok, DialogButton::Ok,
                          "File Delete Denied.\r\n/p/a.bmp"}));
    EXPECT_EQ(buttonCaption(DialogButton::Yes), "&Yes");
    EXPECT_EQ(buttonCaption(DialogButton::No), "&No");
    EXPECT_EQ(buttonCaption(DialogButton::Ok), "OK");
    RecordingDialogs dialogs;
    for (const auto& [answer, consent] : {std::pair{DialogButton::Yes, true}, {DialogButton::No, false}}) {
        dialogs.answer = answer;
        EXPECT_EQ(confirmDeletion(dialogs, "/x"), consent);
    }
}

TEST(UniMessage, RetriesWithAWaitAfterEveryFailedAttempt)
{
    struct Case { const char* name; bool exists; int refusals; bool result; Calls calls; std::size_t dialogs; };
    const Case cases[] = {
        {"deleted at once", true, 0, true, {"exists", "delete"}, 0},
        {"refused twice, gone at the third", true, 2, true,
         {"exists", "delete", "wait 1000", "exists", "delete", "wait 1000", "exists", "delete"}, 0},
        {"refused every time", true, 3, false,
         {"exists", "delete", "wait 1000", "exists", "delete", "wait 1000", "exists", "delete", "wait 1000", "exists"}, 1},
        {"not a file", false, 0, true, {"exists"}, 0},
    };
    for (const auto& c : cases) {
        Scripted files{c.exists, c.refusals, {}};
        RecordingDialogs dialogs;
        EXPECT_EQ(DeleteFileWithRetry("/p/a.bmp", dialogs, files.system()), c.result) << c.name;
        EXPECT_EQ(files.calls, c.calls) << c.name;
        ASSERT_EQ(dialogs.shown.size(), c.dialogs) << c.name;
        if (c.dialogs) {
            EXPECT_EQ(dialogs.shown[0], deleteDeniedDialog("/p/a.bmp"));
        }
    }
}

TEST(UniMessage, AFileGoneDuringAnyWaitCountsAsDeleted)
{
    // Another program deletes the file during the first, second or last wait.
    for (int vanishesAt = 1; vanishesAt <= 3; ++vanishesAt) {
        Scripted files{true, 5, {}};
        RecordingDialogs dialogs;
        auto system = files.system();
        int waits = 0;
        system.wait = [&](int) {
            if (++waits == vanishesAt) files.exists = false;
        };
        EXPECT_TRUE(DeleteFileWithRetry("/p/a.bmp", dialogs, system)) << "gone during wait " << vanishesAt;
        EXPECT_EQ(waits, vanishesAt);
        EXPECT_TRUE(dialogs.shown.empty()) << "gone during wait " << vanishesAt;
    }
}

TEST(UniMessage, OnTheRealClockAReadOnlyFileStaysAfterThreeSeconds)
{
    test::TempDir dir;
    const std::string path = dir.file("ro.bmp");
    test::writeFile(path, std::string("x"));
    ::chmod(path.c_str(), 0444);
    ::mkdir(dir.file("d.bmp").c_str(), 0755);
    RecordingDialogs dialogs;
    EXPECT_TRUE(DeleteFileWithRetry(dir.file("d.bmp"), dialogs));  // a directory is not a file
    EXPECT_TRUE(DeleteFileWithRetry("", dialogs));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(DeleteFileWithRetry(path, dialogs));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(3000));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "File Delete Denied.\r\n" + path);
    EXPECT_EQ(test::listNames(dir.path()), (std::vector<std::string>{"d.bmp", "ro.bmp"}));
}

}  // namespace
}  // namespace kelmorite
