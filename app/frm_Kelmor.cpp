// The main window: layout, start-up, closing and the handlers.
#include "app/frm_Kelmor.h"

#include "app/window_dialogs.h"
#include "files/settings.h"
#include "platform/picture/picture_file.h"
#include "platform/picture/sampled_picture.h"
#include "platform/system/directories.h"
#include "platform/system/file_system.h"
#include "platform/system/ini_file.h"
#include "tile/compose_tile.h"
#include "tile/tile_file_name.h"
#include "tile/tile_save.h"
#include "platform/picture/background.h"
#include "platform/system/errors.h"
#include "platform/ui/button.h"
#include "platform/ui/directory_list_box.h"
#include "platform/ui/drive_combo_box.h"
#include "platform/ui/file_list_box.h"
#include "platform/ui/image_view.h"
#include "platform/ui/radio_group.h"

#include <QCheckBox>
#include <algorithm>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>

TfrmKelmor* frmKelmor = nullptr;

using namespace kelmorite;

namespace {

constexpr int kClientWidth = 792;
constexpr int kClientHeight = 573;

QFrame* panel(QWidget* parent, int left, int top, int width, int height, QFrame::Shadow shadow)
{
    auto* frame = new QFrame(parent);
    frame->setGeometry(left, top, width, height);
    frame->setFrameShape(shadow == QFrame::Plain ? QFrame::NoFrame : QFrame::Panel);
    frame->setFrameShadow(shadow);
    frame->setLineWidth(1);
    frame->setMidLineWidth(0);
    return frame;
}

// A panel with a raised outer and a lowered inner bevel of one pixel each,
// and an image filling it inside them.
QFrame* bevelledPanel(QWidget* parent, int left, int top, int side)
{
    auto* outer = panel(parent, left, top, side, side, QFrame::Raised);
    auto* inner = panel(outer, 1, 1, side - 2, side - 2, QFrame::Sunken);
    inner->setAttribute(Qt::WA_TransparentForMouseEvents);
    return outer;
}

QLabel* heading(QWidget* parent, const QString& text, int left, int top)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(14);
    font.setBold(true);
    font.setUnderline(true);
    label->setFont(font);
    label->move(left, top);
    label->adjustSize();  // the size follows the text
    return label;
}

// A check box whose width follows its caption, as it does at its design size
// in the design's font.
QCheckBox* checkBox(const QString& caption, QWidget* parent, int left, int top, int designWidth, int height)
{
    auto* box = new QCheckBox(caption, parent);
    box->setGeometry(left, top, std::max(designWidth, box->sizeHint().width()), height);
    box->setChecked(true);
    return box;
}

template <typename Control>
Control* place(Control* control, int left, int top, int width, int height)
{
    control->setGeometry(left, top, width, height);
    return control;
}

}  // namespace

TfrmKelmor::TfrmKelmor(const Setup& setup, QWidget* parent) : QWidget(parent), setup_(setup)
{
    frmKelmor = this;
    buildControls();
    connectHandlers();
    runGuarded([this] { FormCreate(this); });
}

TfrmKelmor::~TfrmKelmor()
{
    if (frmKelmor == this) frmKelmor = nullptr;
}

void TfrmKelmor::buildControls()
{
    setWindowTitle("Kelmorite v1.1.0.0");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setFamily(font.defaultFamily());
    font.setPointSize(8);
    setFont(font);
    setAcceptDrops(false);

    TePanelBG = panel(this, 0, 0, kClientWidth, kClientHeight, QFrame::Plain);
    TeButtonClose = place(new ui::Button("Close", TePanelBG), 704, 544, 75, 25);
    TePageControl1 = place(new QTabWidget(TePanelBG), 0, 0, 792, 537);
    TeTabSheet1 = new QWidget;
    TePageControl1->addTab(TeTabSheet1, "Resize Bitmap");
    QWidget* page = TeTabSheet1;

    TeRadioGroupSize = place(new ui::RadioGroup("Bitmap Resize (Width x Height)",
                                                {"1 x 1 (68 x 68)", "1 x 2 (68 x 139)", "2 x 1 (139 x 68)", "2 x 2 (139 x 139)"},
                                                page),
                             208, 264, 209, 145);
    TeRadioGroupSize->setItemIndex(0);
    TePanelFrom = bevelledPanel(page, 208, 48, 209);
    ImageFrom = place(new ui::ImageView(ui::ImageView::Scaling::Stretch, TePanelFrom), 2, 2, 205, 205);
    TePanelTo = bevelledPanel(page, 632, 48, 143);
    ImageTo = place(new ui::ImageView(ui::ImageView::Scaling::Unscaled, TePanelTo), 2, 2, 139, 139);
    TeButtonDeleteFrom = place(new ui::Button("Delete Bitmap File", page), 208, 472, 209, 25);
    TeButtonDeleteTo = place(new ui::Button("Delete Bitmap File", page), 632, 472, 145, 25);
    TeButtonSave = place(new ui::Button("Save Resized Bitmap", page), 632, 232, 145, 25);
    TePanelView = bevelledPanel(page, 632, 264, 143);
    ImageView = place(new ui::ImageView(ui::ImageView::Scaling::Unscaled, TePanelView), 2, 2, 139, 139);
    Label1 = heading(page, "Original Bitmap", 208, 16);
    Label2 = heading(page, "Resized Bitmap", 632, 16);
    TeCheckBoxFilename = checkBox("Save With Resized Name", page, 632, 204, 142, 20);
    TeCheckBoxBG = checkBox("With 139 x 139 Background", page, 208, 444, 153, 20);
    ImageBG = place(new ui::ImageView(ui::ImageView::Scaling::Unscaled, page), 200, 280, 139, 139);
    ImageBG->setPicture(backgroundPicture());
    ImageBG->hide();
    TeDriveComboBoxFrom = place(new ui::DriveComboBox(page), 16, 24, 185, 19);
    TeDriveComboBoxTo = place(new ui::DriveComboBox(page), 440, 24, 185, 19);
    TeDirectoryListBoxFrom = place(new ui::DirectoryListBox(page), 16, 48, 185, 209);
    TeFileListBoxFrom = place(new ui::FileListBox(page), 16, 264, 185, 233);
    TeFileListBoxTo = place(new ui::FileListBox(page), 440, 264, 185, 233);
    TeDirectoryListBoxTo = place(new ui::DirectoryListBox(page), 440, 48, 185, 209);

    // The browsers of each side follow one another; the sides share nothing.
    TeDriveComboBoxFrom->link(TeDirectoryListBoxFrom);
    TeDirectoryListBoxFrom->link(TeDriveComboBoxFrom, TeFileListBoxFrom);
    TeDriveComboBoxTo->link(TeDirectoryListBoxTo);
    TeDirectoryListBoxTo->link(TeDriveComboBoxTo, TeFileListBoxTo);
    for (auto* directories : {TeDirectoryListBoxFrom, TeDirectoryListBoxTo}) {
        directories->setActionGuard([this](const std::function<void()>& action) { runGuarded(action); });
        runGuarded([&] { directories->setDirectory(currentDirectory()); });
    }
    for (auto* drive : {TeDriveComboBoxFrom, TeDriveComboBoxTo})
        drive->setActionGuard([this](const std::function<void()>& action) { runGuarded(action); });

    // The focus visits the controls in this order, not in screen order.
    QWidget* const focusOrder[] = {TeButtonClose, TePageControl1->tabBar(), TeRadioGroupSize->item(0), TeButtonDeleteFrom,
                                   TeCheckBoxFilename, TeButtonSave, TeButtonDeleteTo, TeCheckBoxBG,
                                   TeDriveComboBoxFrom, TeDriveComboBoxTo, TeDirectoryListBoxFrom, TeFileListBoxFrom,
                                   TeFileListBoxTo, TeDirectoryListBoxTo};
    for (std::size_t i = 0; i + 1 < std::size(focusOrder); ++i) setTabOrder(focusOrder[i], focusOrder[i + 1]);
    setTabOrder(focusOrder[std::size(focusOrder) - 1], focusOrder[0]);  // after the last, the first again
    for (auto* passive : std::initializer_list<QWidget*>{TePanelBG, TePanelFrom, TePanelTo, TePanelView, ImageFrom, ImageTo,
                                                         ImageView, ImageBG, Label1, Label2, TeTabSheet1, TePageControl1})
        passive->setFocusPolicy(Qt::NoFocus);
    TePageControl1->tabBar()->setFocusPolicy(Qt::StrongFocus);

    // Hints are off: no tooltip ever shows.
    for (auto* child : findChildren<QWidget*>()) child->installEventFilter(this);

    // Centred on the screen when first shown.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool TfrmKelmor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip || event->type() == QEvent::WhatsThis) return true;
    return QWidget::eventFilter(watched, event);
}

void TfrmKelmor::runGuarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const SilentAbort&) {
    } catch (const std::exception& e) {
        setup_.dialogs->showError(e.what());
    } catch (...) {
        setup_.dialogs->showError("Unknown error");
    }
}

void TfrmKelmor::connectHandlers()
{
    auto bind = [this](auto* control, auto signal, void (TfrmKelmor::*handler)(QObject*)) {
        connect(control, signal, this, [this, control, handler] { runGuarded([&] { (this->*handler)(control); }); });
    };
    bind(TeButtonClose, &QPushButton::clicked, &TfrmKelmor::TeButtonCloseClick);
    bind(TeFileListBoxFrom, &ui::FileListBox::clicked, &TfrmKelmor::TeFileListBoxFromClick);
    bind(TeFileListBoxTo, &ui::FileListBox::clicked, &TfrmKelmor::TeFileListBoxToClick);
    bind(TeRadioGroupSize, &ui::RadioGroup::clicked, &TfrmKelmor::TeRadioGroupSizeClick);
    bind(TeCheckBoxBG, &QCheckBox::toggled, &TfrmKelmor::TeCheckBoxBGClick);
    bind(TeButtonSave, &QPushButton::clicked, &TfrmKelmor::TeButtonSaveClick);
    bind(TeButtonDeleteFrom, &QPushButton::clicked, &TfrmKelmor::TeButtonDeleteFromClick);
    bind(TeButtonDeleteTo, &QPushButton::clicked, &TfrmKelmor::TeButtonDeleteToClick);
}

void TfrmKelmor::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    runGuarded([&] { FormClose(this, mayClose); });
    closed_ = mayClose;
    if (mayClose)
        event->accept();
    else
        event->ignore();  // a refused settings write keeps the window open
}

void TfrmKelmor::TeButtonCloseClick(QObject*) { close(); }

// The controls that the settings are restored into and saved from.
class TfrmKelmor::SettingsControls final : public kelmorite::SettingsControls {
public:
    explicit SettingsControls(TfrmKelmor& window) : w_(window) {}
    bool backgroundOption() const override { return w_.TeCheckBoxBG->isChecked(); }
    // A change raises the check box's click, as the user's would.
    void setBackgroundOption(bool on) override { w_.TeCheckBoxBG->setChecked(on); }
    bool resizedNameOption() const override { return w_.TeCheckBoxFilename->isChecked(); }
    void setResizedNameOption(bool on) override { w_.TeCheckBoxFilename->setChecked(on); }
    std::string sourceDirectory() const override { return w_.TeDirectoryListBoxFrom->directory(); }
    void setSourceDirectory(const std::string& d) override { w_.TeDirectoryListBoxFrom->setDirectory(d); }
    std::string targetDirectory() const override { return w_.TeDirectoryListBoxTo->directory(); }
    void setTargetDirectory(const std::string& d) override { w_.TeDirectoryListBoxTo->setDirectory(d); }
    void setSourceDrive(const std::string& volume) override { w_.TeDriveComboBoxFrom->setDrive(volume); }
    void setTargetDrive(const std::string& volume) override { w_.TeDriveComboBoxTo->setDrive(volume); }

private:
    TfrmKelmor& w_;
};

void TfrmKelmor::FormCreate(QObject*)
{
    settings_ = std::make_unique<IniFile>(setup_.settingsPath);
    SettingsControls controls(*this);
    restoreSettings(*settings_, controls);
}

void TfrmKelmor::FormClose(QObject*, bool& mayClose)
{
    if (settings_) {
        SettingsControls controls(*this);
        saveSettings(settings_, controls);  // a refused write raises here: the window stays
    }
    mayClose = true;
    frmKelmor = nullptr;
}

void TfrmKelmor::PreviewResizedBitmap()
{
    const std::string path = TeFileListBoxFrom->selectedPath();
    if (!fileExists(path)) throw SilentAbort();
    // Read afresh every time, and only where the preview and the tiles sample
    // it; a load error keeps both previews.
    const auto grids = standardGrids(ImageFrom->devicePixelRatioF());
    auto source = std::make_shared<const SampledPicture>(loadSampledPicture(path, grids));
    ImageFrom->setSource(source);
    try {
        const int sizeChoice = TeRadioGroupSize->itemIndex();
        const Background background = TeCheckBoxBG->isChecked() ? Background::On : Background::Off;
        Tile tile{ComposeTile(*source, sizeChoice, background), path, sizeChoice};
        tile_ = std::move(tile);
        ImageTo->setPicture(tile_.picture);
    } catch (...) {
        // Once the source is loaded, a failing composition leaves the previous tile.
    }
}

void TfrmKelmor::PreviewTargetBitmap()
{
    const std::string path = TeFileListBoxTo->selectedPath();
    if (!fileExists(path)) throw SilentAbort();
    ImageView->setPicture(loadPicture(TeFileListBoxTo->selectedPath()));
}

void TfrmKelmor::TeFileListBoxFromClick(QObject*) { PreviewResizedBitmap(); }

void TfrmKelmor::TeFileListBoxToClick(QObject*) { PreviewTargetBitmap(); }

void TfrmKelmor::TeRadioGroupSizeClick(QObject*) { PreviewResizedBitmap(); }

void TfrmKelmor::TeCheckBoxBGClick(QObject*) { PreviewResizedBitmap(); }

void TfrmKelmor::TeButtonSaveClick(QObject*)
{
    // The file is named after the tile itself; with no tile, after the
    // selection as it is now (nothing is written then).
    const bool haveTile = !tile_.picture.empty();
    const std::string source = haveTile ? tile_.sourcePath : TeFileListBoxFrom->selectedPath();
    const int sizeChoice = haveTile ? tile_.sizeChoice : TeRadioGroupSize->itemIndex();
    const std::string target = BuildTileFileName(TeDirectoryListBoxTo->directory(), source,
                                                 TeCheckBoxFilename->isChecked() ? TileName::Resized : TileName::Plain,
                                                 sizeChoice);
    saveTile(tile_, target);
    if (fileExists(target)) TeFileListBoxTo->reread();
}

void TfrmKelmor::TeButtonDeleteFromClick(QObject*)
{
    if (!confirmDeletion(*setup_.dialogs, TeFileListBoxFrom->selectedPath())) return;
    DeleteFileWithRetry(TeFileListBoxFrom->selectedPath(), *setup_.dialogs, setup_.deletion);
    TeFileListBoxFrom->reread();
    ImageFrom->clear();
    ImageTo->clear();
    tile_ = {};
}

void TfrmKelmor::TeButtonDeleteToClick(QObject*)
{
    if (!confirmDeletion(*setup_.dialogs, TeFileListBoxTo->selectedPath())) return;
    DeleteFileWithRetry(TeFileListBoxTo->selectedPath(), *setup_.dialogs, setup_.deletion);
    TeFileListBoxTo->reread();
    ImageView->clear();
}
