// Restoring and saving the settings.
#include "files/settings.h"

#include "platform/system/directories.h"

#include <climits>
#include <unistd.h>

namespace kelmorite {

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
    const std::string from = settings.readString(kSettingsSection, kDirectoryFromKey, "");
    if (directoryExists(from)) controls.setSourceDirectory(from);
    const std::string to = settings.readString(kSettingsSection, kDirectoryToKey, "");
    if (directoryExists(to)) controls.setTargetDirectory(to);
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
