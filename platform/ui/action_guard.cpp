// The default action guard.
#include "platform/ui/action_guard.h"

#include <exception>

namespace kelmorite::ui {

ActionGuard swallowingGuard()
{
    return [](const std::function<void()>& action) {
        try {
            action();
        } catch (...) {
        }
    };
}

}  // namespace kelmorite::ui
