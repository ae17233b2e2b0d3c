// Unit Uni_Message.
#include "files/Uni_Message.h"

#include "platform/system/file_system.h"

#include <chrono>
#include <thread>

namespace kelmorite {

std::string buttonCaption(DialogButton button)
{
    switch (button) {
    case DialogButton::Yes: return "&Yes";
    case DialogButton::No: return "&No";
    case DialogButton::Ok: return "OK";
    }
    return "";
}

DialogSpec confirmationDialog(const std::string& path)
{
    return {"Confirm", DialogIcon::Question, {DialogButton::Yes, DialogButton::No}, DialogButton::Yes, DialogButton::No,
            std::string(SAreYouSureToDelete) + "\r\n" + path};
}

DialogSpec deleteDeniedDialog(const std::string& path)
{
    return {"Error", DialogIcon::Error, {DialogButton::Ok}, DialogButton::Ok, DialogButton::Ok,
            std::string(SFileDeleteDenied) + "\r\n" + path};
}

bool confirmDeletion(Dialogs& dialogs, const std::string& path)
{
    return dialogs.show(confirmationDialog(path)) == DialogButton::Yes;
}

DeletionSystem DeletionSystem::real()
{
    return {kelmorite::fileExists, kelmorite::deleteFile, [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }};
}

bool DeleteFileWithRetry(const std::string& path, Dialogs& dialogs, const DeletionSystem& system)
{
    for (int attempt = 0; attempt < kDeleteAttempts; ++attempt) {
        if (!system.fileExists(path)) return true;
        if (system.deleteFile(path)) return true;
        system.wait(kDeleteWaitMs);
    }
    // Another program may have deleted it during the last wait.
    if (!system.fileExists(path)) return true;
    dialogs.show(deleteDeniedDialog(path));
    return false;
}

}  // namespace kelmorite
