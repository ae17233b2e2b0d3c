// The program's settings: two options and two directories in Kelmor.ini.
#pragma once

#include "platform/system/ini_file.h"

#include <memory>
#include <string>

namespace kelmorite {

inline constexpr char kSettingsSection[] = "Setup";
inline constexpr char kBackgroundKey[] = "Save_With_Background";
inline constexpr char kResizedNameKey[] = "Save_With_Resized_Name";
inline constexpr char kDirectoryFromKey[] = "Directory_From";
inline constexpr char kDirectoryToKey[] = "Directory_To";

// Kelmor.ini in the directory of the running executable.
std::string settingsFilePath();

// The controls that the settings are restored into and saved from.
class SettingsControls {
public:
    virtual ~SettingsControls() = default;
    virtual bool backgroundOption() const = 0;
    virtual void setBackgroundOption(bool on) = 0;
    virtual bool resizedNameOption() const = 0;
    virtual void setResizedNameOption(bool on) = 0;
    virtual std::string sourceDirectory() const = 0;
    // May raise "File access denied" for a directory that cannot be entered.
    virtual void setSourceDirectory(const std::string& directory) = 0;
    virtual std::string targetDirectory() const = 0;
    virtual void setTargetDirectory(const std::string& directory) = 0;
    // The drive boxes, given the mount point of a volume.
    virtual void setSourceDrive(const std::string& volume) = 0;
    virtual void setTargetDrive(const std::string& volume) = 0;
};

// Restores, in this order, the background option, the resized-name option,
// the source directory, the target directory and both drive boxes. A value
// missing or unusable keeps the control as it is; a directory that does not
// exist is ignored without a message. An error of a step ends restoring there
// and reaches the caller.
void restoreSettings(const IniFile& settings, SettingsControls& controls);

// Writes the two options and the two directories in this order, then frees
// the settings object. A refused write ("Unable to write to %s") stops at its
// key and leaves the object alive, so that the next save starts again.
void saveSettings(std::unique_ptr<IniFile>& settings, const SettingsControls& controls);

}  // namespace kelmorite
