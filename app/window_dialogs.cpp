// Message boxes on QMessageBox.
#include "app/window_dialogs.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

namespace kelmorite::app {
namespace {

constexpr const char* kButtonProperty = "kelmoriteButton";

QMessageBox::ButtonRole roleOf(DialogButton button)
{
    switch (button) {
    case DialogButton::Yes: return QMessageBox::YesRole;
    case DialogButton::No: return QMessageBox::NoRole;
    case DialogButton::Ok: return QMessageBox::AcceptRole;
    }
    return QMessageBox::AcceptRole;
}

}  // namespace

std::string errorBoxText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

std::unique_ptr<QMessageBox> makeErrorBox(const std::string& message, QWidget* parent)
{
    return makeDialog({"Kelmorite", DialogIcon::Error, {DialogButton::Ok}, DialogButton::Ok, DialogButton::Ok,
                       errorBoxText(message)},
                      parent);
}

std::unique_ptr<QMessageBox> makeDialog(const DialogSpec& dialog, QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(QString::fromStdString(dialog.title));
    box->setIcon(dialog.icon == DialogIcon::Question ? QMessageBox::Question : QMessageBox::Critical);
    box->setText(QString::fromStdString(dialog.text));
    box->setTextFormat(Qt::PlainText);
    for (const DialogButton button : dialog.buttons) {
        QPushButton* added = box->addButton(QString::fromStdString(buttonCaption(button)), roleOf(button));
        added->setProperty(kButtonProperty, int(button));
        if (button == dialog.defaultButton) box->setDefaultButton(added);
        if (button == dialog.cancelButton) box->setEscapeButton(added);
    }
    return box;
}

DialogButton answerOf(const QMessageBox& box, const DialogSpec& dialog)
{
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked == nullptr || !clicked->property(kButtonProperty).isValid()) return dialog.cancelButton;
    return DialogButton(clicked->property(kButtonProperty).toInt());
}

void QtWindowDialogs::showError(const std::string& message) { makeErrorBox(message)->exec(); }

DialogButton QtWindowDialogs::show(const DialogSpec& dialog)
{
    const auto box = makeDialog(dialog);
    box->exec();
    return answerOf(*box, dialog);
}

}  // namespace kelmorite::app
