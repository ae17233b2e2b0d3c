// The window's message boxes: the default error box and the deletion dialogs.
#pragma once

#include "files/Uni_Message.h"

#include <memory>
#include <string>

class QMessageBox;
class QWidget;

namespace kelmorite::app {

// The error's text as the error box shows it: a full stop is added when the
// last character sorts after "." (a letter, a digit, a backslash).
std::string errorBoxText(const std::string& message);

// Title "Kelmorite", the stop icon, one OK button.
std::unique_ptr<QMessageBox> makeErrorBox(const std::string& message, QWidget* parent = nullptr);
// The dialog as described: title, icon, buttons with their captions, the
// default (Enter) and the escape (Esc, close box) button.
std::unique_ptr<QMessageBox> makeDialog(const DialogSpec& dialog, QWidget* parent = nullptr);
// The button of the dialog that a box's clicked button stands for; the
// cancel button when none was clicked.
DialogButton answerOf(const QMessageBox& box, const DialogSpec& dialog);

// What the window shows: tests answer it, the program shows real boxes.
class WindowDialogs : public Dialogs {
public:
    virtual void showError(const std::string& message) = 0;
};

class QtWindowDialogs final : public WindowDialogs {
public:
    void showError(const std::string& message) override;
    DialogButton show(const DialogSpec& dialog) override;
};

}  // namespace kelmorite::app
