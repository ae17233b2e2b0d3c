// Unit frm_Kelmor: the main window, its controls and its handlers.
#pragma once

#include "files/Uni_Message.h"
#include "tile/tile.h"

#include <QWidget>

#include <memory>
#include <string>

class QFrame;
class QTabWidget;
class QLabel;
class QCheckBox;

namespace kelmorite {
class IniFile;
namespace ui {
class Button;
class RadioGroup;
class ImageView;
class DriveComboBox;
class DirectoryListBox;
class FileListBox;
}  // namespace ui
}  // namespace kelmorite

namespace kelmorite::app {
class WindowDialogs;
}

// The one window. Its controls are public, as the window's published parts
// that the tests drive; everything it does runs through runGuarded.
class TfrmKelmor : public QWidget {
    Q_OBJECT
public:
    struct Setup {
        std::string settingsPath;                // the settings file's full path
        kelmorite::app::WindowDialogs* dialogs;  // the error box and the dialogs
        kelmorite::DeletionSystem deletion = kelmorite::DeletionSystem::real();
    };

    // Builds every control in its design-time state, then runs FormCreate.
    explicit TfrmKelmor(const Setup& setup, QWidget* parent = nullptr);
    ~TfrmKelmor() override;

    // The controls, in the order the design declares them.
    QFrame* TePanelBG;
    kelmorite::ui::Button* TeButtonClose;
    QTabWidget* TePageControl1;
    QWidget* TeTabSheet1;
    kelmorite::ui::RadioGroup* TeRadioGroupSize;
    QFrame* TePanelFrom;
    kelmorite::ui::ImageView* ImageFrom;
    QFrame* TePanelTo;
    kelmorite::ui::ImageView* ImageTo;
    kelmorite::ui::Button* TeButtonDeleteFrom;
    kelmorite::ui::Button* TeButtonDeleteTo;
    kelmorite::ui::Button* TeButtonSave;
    QFrame* TePanelView;
    kelmorite::ui::ImageView* ImageView;
    QLabel* Label1;
    QLabel* Label2;
    QCheckBox* TeCheckBoxFilename;
    QCheckBox* TeCheckBoxBG;
    kelmorite::ui::ImageView* ImageBG;
    kelmorite::ui::DriveComboBox* TeDriveComboBoxFrom;
    kelmorite::ui::DriveComboBox* TeDriveComboBoxTo;
    kelmorite::ui::DirectoryListBox* TeDirectoryListBoxFrom;
    kelmorite::ui::FileListBox* TeFileListBoxFrom;
    kelmorite::ui::FileListBox* TeFileListBoxTo;
    kelmorite::ui::DirectoryListBox* TeDirectoryListBoxTo;

    // Whether the last close request closed the window.
    bool closed() const { return closed_; }
    // The tile ImageTo shows, with what it was made from.
    const kelmorite::Tile& tile() const { return tile_; }

    void FormCreate(QObject* sender);
    // Writes the settings back; on success the window may close.
    void FormClose(QObject* sender, bool& mayClose);
    void TeButtonCloseClick(QObject* sender);
    void TeFileListBoxFromClick(QObject* sender);
    void TeFileListBoxToClick(QObject* sender);
    void TeRadioGroupSizeClick(QObject* sender);
    void TeCheckBoxBGClick(QObject* sender);
    void TeButtonSaveClick(QObject* sender);
    void TeButtonDeleteFromClick(QObject* sender);
    void TeButtonDeleteToClick(QObject* sender);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    // Runs one handler: the silent abort ends it quietly, any other error
    // shows in the error box. Nothing escapes into Qt's event loop.
    void runGuarded(const std::function<void()>& handler);
    void PreviewResizedBitmap();
    void PreviewTargetBitmap();
    class SettingsControls;

    Setup setup_;
    std::unique_ptr<kelmorite::IniFile> settings_;
    kelmorite::Tile tile_;  // what ImageTo shows, with what it was made from
    bool closed_ = false;
};

// The one window, set while it exists.
extern TfrmKelmor* frmKelmor;
