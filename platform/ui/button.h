// A push button that Enter presses too while it has the focus.
#pragma once

#include <QPushButton>

namespace kelmorite::ui {

// Never the window's default button: Enter and Space press it only while it
// has the focus; the mouse presses it on release over it.
class Button : public QPushButton {
    Q_OBJECT
public:
    explicit Button(const QString& text, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kelmorite::ui
