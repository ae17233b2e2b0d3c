// Restoring and saving the settings.
#include "files/settings.h"

#include "platform/system/directories.h"

#include <climits>
#include <filesystem>
#include <unistd.h>

namespace kelmorite {
namespace {

// A stored directory as the lists hold one: a full path without ".", ".."
// or repeated separators, and without a trailing "/" except for the root.
// A relative value names no directory of its own and is ignored, like one
// that does not exist.
std::string storedDirectory(const std::string& value)
{
    if (value.empty() || value.front() != '/') return "";
    std::string path = std::filesystem::path(value).lexically_normal().string();
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return directoryExists(path) ? path : "";
}

}  // namespace

std::string settingsFilePath()
{
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return "Kelmor.ini";
    const std::string executable(path, std::size_t(n));
    return executable.substr(0, executable.find_last_of('/') + 1) + "Kelmor.ini";
}

void restoreSettings(const IniFile& settings, SettingsControls& controls)
{
    controls.setBackgroundOption(settings.readBool(kSettingsSection, kBackgroundKey, controls.backgroundOption()));
    controls.setResizedNameOption(settings.readBool(kSettingsSection, kResizedNameKey, controls.resizedNameOption()));
    const std::string from = storedDirectory(settings.readString(kSettingsSection, kDirectoryFromKey, ""));
    if (!from.empty()) controls.setSourceDirectory(from);
    const std::string to = storedDirectory(settings.readString(kSettingsSection, kDirectoryToKey, ""));
    if (!to.empty()) controls.setTargetDirectory(to);
    controls.setSourceDrive(volumeOf(controls.sourceDirectory()));
    controls.setTargetDrive(volumeOf(controls.targetDirectory()));
}

void saveSettings(std::unique_ptr<IniFile>& settings, const SettingsControls& controls)
{
    settings->writeBool(kSettingsSection, kBackgroundKey, controls.backgroundOption());
    settings->writeBool(kSettingsSection, kResizedNameKey, controls.resizedNameOption());
    settings->writeString(kSettingsSection, kDirectoryFromKey, controls.sourceDirectory());
    settings->writeString(kSettingsSection, kDirectoryToKey, controls.targetDirectory());
    settings.reset();  // every write is on disk already; nothing is left to flush
}

}  // namespace kelmorite
