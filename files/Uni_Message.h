// Unit Uni_Message: the texts of the deletion dialogs and the guarded deletion.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kelmorite {

inline constexpr char SAreYouSureToDelete[] = "Are You Sure To Delete ?";
inline constexpr char SFileDeleteDenied[] = "File Delete Denied.";

inline constexpr int kDeleteAttempts = 3;
inline constexpr int kDeleteWaitMs = 1000;

enum class DialogIcon { Question, Error };
enum class DialogButton { Yes, No, Ok };

// A standard modal message dialog, described as data.
struct DialogSpec {
    std::string title;
    DialogIcon icon = DialogIcon::Error;
    std::vector<DialogButton> buttons;  // left to right
    DialogButton defaultButton = DialogButton::Ok;  // Enter
    DialogButton cancelButton = DialogButton::Ok;   // Esc and the close box
    std::string text;

    friend bool operator==(const DialogSpec&, const DialogSpec&) = default;
};

// "&Yes", "&No", "OK".
std::string buttonCaption(DialogButton button);

// Shows dialogs and gives the button pressed; closing a dialog by its close
// box or Esc gives its cancel button.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual DialogButton show(const DialogSpec& dialog) = 0;
};

// "Confirm", the question icon, "&Yes" (default) and "&No" (cancel), the
// question, CR LF and the path.
DialogSpec confirmationDialog(const std::string& path);
// "Error", the stop icon, "OK", "File Delete Denied.", CR LF and the path.
DialogSpec deleteDeniedDialog(const std::string& path);

// Asks; only "&Yes" is consent.
bool confirmDeletion(Dialogs& dialogs, const std::string& path);

// What deleting rests on, so that tests need not wait or delete for real.
struct DeletionSystem {
    std::function<bool(const std::string&)> fileExists;
    std::function<bool(const std::string&)> deleteFile;
    std::function<void(int milliseconds)> wait;

    // The real file system and the real clock.
    static DeletionSystem real();
};

// Tries up to three times, waiting one second after every failed attempt,
// to delete the file; a path that names no file (a directory, the empty
// path, a file gone meanwhile) counts as deleted. After the third failed
// attempt and its wait, shows the failure dialog unless the file has gone
// meanwhile. Gives whether the file is gone. Raises nothing of its own.
bool DeleteFileWithRetry(const std::string& path, Dialogs& dialogs, const DeletionSystem& system = DeletionSystem::real());

}  // namespace kelmorite
