// Kelmorite: start-up of the application and its one window.
#include "app/frm_Kelmor.h"
#include "app/window_dialogs.h"
#include "files/settings.h"

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

bool hasDisplay()
{
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    // Past a file size limit, writes fail with an error instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    if (!hasDisplay()) {
        std::fprintf(stderr, "kelmorite: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("Kelmorite");
    kelmorite::app::QtWindowDialogs dialogs;
    auto* window = new TfrmKelmor({kelmorite::settingsFilePath(), &dialogs});
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QApplication::exec();
    return 0;
}
