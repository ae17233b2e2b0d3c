// How a control runs an action of the user's that may fail.
#pragma once

#include <functional>

namespace kelmorite::ui {

// Runs the action, and deals with what it raises (the window shows it in its
// error box). The default swallows every error, so that none crosses Qt's
// event loop even in a control that no window has set up.
using ActionGuard = std::function<void(const std::function<void()>& action)>;

ActionGuard swallowingGuard();

}  // namespace kelmorite::ui
