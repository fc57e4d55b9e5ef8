#include "MainDialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include "engine/FolderScan.h"
#include "engine/MediaProbe.h"
#include "settings/SettingsStore.h"
#include "ui/options/OptionsCommand.h"
#include "ui/AboutDialog.h"
#include "ui/Artwork.h"
#include "ui/CommandIds.h"
#include "ui/Commands.h"
#include "ui/DialogUnits.h"
#include "ui/Dialogs.h"
#include "ui/FileAdder.h"
#include "ui/FileListModel.h"
#include "ui/HelpWindow.h"
#include "ui/ImageButton.h"
#include "ui/MainCommands.h"
#include "ui/PopupMenus.h"
#include "ui/ProgramInfo.h"
#include "ui/SortableListCtrl.h"

namespace tonvexa {

namespace {

struct CommandButton {
    int id;
    const char* text;
    const char* tip;
    int y;
};

// The seven command buttons down the left panel. Their texts are translated in the window's
// context; a text too wide for its button is drawn in a smaller font.
constexpr CommandButton kCommandButtons[] = {
    //: A main button with room for about 98 pixels of bold text; a longer text is drawn smaller
    {IdAddFiles, QT_TRANSLATE_NOOP("tonvexa::MainDialog", "&Add Files"),
     QT_TRANSLATE_NOOP("tonvexa::MainDialog", "Add WMA/WMV/ASF/MP3/WAV files"), 72},
    //: A main button with room for about 98 pixels of bold text; a longer text is drawn smaller
    {IdAddFolder, QT_TRANSLATE_NOOP("tonvexa::MainDialog", "Add &Folder"),
     QT_TRANSLATE_NOOP("tonvexa::MainDialog", "Add WMA/WMV/ASF/MP3/WAV files from a folder"), 112},
    //: A main button with room for about 98 pixels of bold text; a longer text is drawn smaller
    {IdRemoveAll, QT_TRANSLATE_NOOP("tonvexa::MainDialog", "Remove A&ll"),
     QT_TRANSLATE_NOOP("tonvexa::MainDialog", "Remove all files from list"), 154},
    //: A main button with room for about 98 pixels of bold text; a longer text is drawn smaller
    {IdConvertAllMp3, QT_TRANSLATE_NOOP("tonvexa::MainDialog", "Convert to M&P3"),
     QT_TRANSLATE_NOOP("tonvexa::MainDialog", "Convert all files to MP3 format"), 197},
    //: A main button with room for about 98 pixels of bold text; a longer text is drawn smaller
    {IdConvertAllWma, QT_TRANSLATE_NOOP("tonvexa::MainDialog", "Convert to W&MA"),
     QT_TRANSLATE_NOOP("tonvexa::MainDialog", "Convert all files to WMA format"), 239},
    //: A main button with room for about 98 pixels of bold text; a longer text is drawn smaller
    {IdConvertAllWav, QT_TRANSLATE_NOOP("tonvexa::MainDialog", "Convert to &WAV"),
     QT_TRANSLATE_NOOP("tonvexa::MainDialog", "Convert all files to WAV format"), 281},
    //: A main button with room for about 98 pixels of bold text; a longer text is drawn smaller
    {IdOptions, QT_TRANSLATE_NOOP("tonvexa::MainDialog", "&Options"),
     //: Tooltip of the Options button
     QT_TRANSLATE_NOOP("tonvexa::MainDialog", "Options"), 323},
};
constexpr int kCommandButtonX = 11;

struct TitleButton {
    int id;
    Art icon;
    const char* tip;
    int x;
};

// Their tips are also their names for screen readers.
constexpr TitleButton kTitleButtons[] = {
    //: The title bar's button that opens the help menu
    {IdHelpButton, Art::HelpIcon, QT_TRANSLATE_NOOP("tonvexa::MainDialog", "Help"), 624},
    //: The title bar's button that minimises the window
    {IdMinimize, Art::MinimizeIcon, QT_TRANSLATE_NOOP("tonvexa::MainDialog", "Minimize"), 647},
    //: The title bar's button that closes the window
    {IdClose, Art::CloseIcon, QT_TRANSLATE_NOOP("tonvexa::MainDialog", "Close"), 669},
};
constexpr int kTitleButtonY = 11;
constexpr int kTitleButtonSize = 21;

const QRect kListRect(137, 63, 552, 465);
const QRect kHomeLinkRect(9, 507, 113, 20);

const QColor kButtonText(0x35, 0x35, 0x35);
// The width a command button's text may take on its 106-pixel face.
constexpr int kFaceTextWidth = 98;
// Where the artwork leaves room for the subtitle: after the product name, on its baseline,
// up to the first title-bar button.
constexpr int kSubtitleX = 157;
constexpr int kSubtitleBaseline = 35;
constexpr int kTitleButtonsX = 624;

// Bold 11-pixel text; where the fallback for Tahoma runs wider, a pixel smaller until the
// text fits its button, so that no label is cut off.
QFont ButtonFont(bool underline, const QString& text, int width) {
    QFont font = DialogFont();
    font.setPixelSize(11);
    font.setBold(true);
    font.setUnderline(underline);
    QString visible = text;
    visible.remove(QLatin1Char('&'));
    while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(visible) > width) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

}  // namespace

MainDialog::MainDialog(const MainServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowSystemMenuHint),
      services_(services),
      environment_{settings_, wmaFormats_, services.runtime} {
    services_.store.LoadSettings(settings_);
    setObjectName(QStringLiteral("MainDialog"));
    setWindowTitle(QStringLiteral("Tonvexa"));
    setWindowIcon(ProgramIcon());
    setFixedSize(kWidth, kHeight);
    setFont(DialogFont());
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    face_ = new QWidget(this);
    face_->setObjectName(QStringLiteral("face"));
    face_->setGeometry(0, 0, kWidth, kHeight);

    commands_ = std::make_unique<CommandSet>();
    model_ = new FileListModel(this);
    list_ = new SortableListCtrl(model_, face_);
    list_->setObjectName(QString::number(kListId));
    list_->setGeometry(kListRect);

    createButtons();
    applyArtwork();
    createSubtitle();

    menus_ = std::make_unique<PopupMenus>(*commands_, [this] {
        ListState state;
        state.rowCount = model_->rowCount();
        const std::vector<int> selected = list_->selectedRowsInOrder();
        state.selectedCount = static_cast<int>(selected.size());
        if (selected.size() == 1) {
            const FileEntry* entry = model_->entry(selected.front());
            state.selectedHasDestination = entry != nullptr && !entry->destinationPath.empty();
        }
        return state;
    }, this);

    const auto lock = [this](bool enabled) { setControlsEnabled(enabled); };
    // The adder probes on its own threads, several files at once: each reader owns its
    // decoder (the MP3 library's shared state sits behind the decoder's lock), and the
    // Windows Media runtime holds no state, which the command-line converter's parallel jobs
    // rely on too.
    adder_ = std::make_unique<FileAdder>(
        *model_, [this](const std::string& path) { return ProbeFile(path, services_.runtime); },
        this, services_.dialogs, lock);
    // The rows of an adding come in while the user watches; the newest stays in view.
    connect(adder_.get(), &FileAdder::rowsAdded, list_,
            [this](int lastRow) { list_->scrollTo(model_->index(lastRow, 0)); });
    RegisterConversions(table_, environment_);
    fileCommands_ = std::make_unique<MainCommands>(
        MainCommands::Parts{this, *list_, services_.dialogs, services_.opener, services_.desktop,
                            settings_, services_.store, *adder_, table_, lock});

    connect(commands_.get(), &CommandSet::triggered, this, &MainDialog::runCommand);
    commands_->addShortcutsTo(this);
    connect(list_, &SortableListCtrl::contextMenuWanted, this, &MainDialog::ShowContextMenu);
    connect(list_, &SortableListCtrl::rowDoubleClicked, this,
            [this](int) { runCommand(IdPlaySource); });

    // Tab goes down the command buttons, into the list, then along the links and the
    // title-bar buttons.
    QWidget* previous = nullptr;
    for (int id : std::initializer_list<int>{IdAddFiles, IdAddFolder, IdRemoveAll, IdConvertAllMp3,
                                             IdConvertAllWma, IdConvertAllWav, IdOptions, kListId,
                                             IdHomepage, IdHelpButton, IdMinimize, IdClose}) {
        QWidget* next = id == kListId ? static_cast<QWidget*>(list_) : button(id);
        if (previous != nullptr) setTabOrder(previous, next);
        previous = next;
    }
    list_->setFocus();

    BuildWmaFormatList(services_.runtime, wmaFormats_);
    centreOnScreen();
}

MainDialog::~MainDialog() {
    if (help_) delete help_.data();
    // The commands hold references to the list and the adder; they go first.
    fileCommands_.reset();
    adder_.reset();
    menus_.reset();
}

void MainDialog::createButtons() {
    for (const CommandButton& b : kCommandButtons) {
        auto* button = new ImageButton(face_);
        button->setObjectName(QString::number(b.id));
        button->setText(tr(b.text));
        button->setToolTip(tr(b.tip));
        button->move(kCommandButtonX, b.y);
        button->resize(107, 27);
        button->SetFont(ButtonFont(false, button->text(), kFaceTextWidth));
        button->SetTextColours(kButtonText, kButtonText);
        button->SetTextOffset(0, -1);
        button->SetBorder(false);
        button->SetDrawFocus(true);
        buttons_[b.id] = button;
    }
    for (const TitleButton& b : kTitleButtons) {
        auto* button = new ImageButton(face_);
        button->setObjectName(QString::number(b.id));
        button->setToolTip(tr(b.tip));
        button->setAccessibleName(tr(b.tip));
        button->setGeometry(b.x, kTitleButtonY, kTitleButtonSize, kTitleButtonSize);
        button->SetDrawText(false);
        button->SetDrawFocus(true);
        buttons_[b.id] = button;
    }
    auto* home = new ImageButton(face_);
    home->setObjectName(QString::number(IdHomepage));
    // The link shows the web site's host name, which no language changes.
    home->setText(QString::fromLatin1(kHomeHost));
    home->setToolTip(tr("Visit Tonvexa Homepage"));
    home->setGeometry(kHomeLinkRect);
    home->SetFont(ButtonFont(true, home->text(), kHomeLinkRect.width() - 2));
    // Blue, and red while the pointer is over it.
    home->SetTextColours(QColor(0, 0, 255), QColor(255, 0, 0));
    home->SetBorder(false);
    home->SetPressedOffset(false);
    home->SetDrawFocus(true);
    buttons_[IdHomepage] = home;

    for (const auto& [id, button] : buttons_) {
        const int command = id;
        connect(button, &QAbstractButton::clicked, this, [this, command] { runCommand(command); });
    }
}

// The words beside the product name are a text, not artwork, so that they speak the user's
// language; they sit on the name's baseline in its grey and never take the title band's drag.
void MainDialog::createSubtitle() {
    auto* subtitle = new QLabel(this);
    subtitle->setObjectName(QStringLiteral("subtitle"));
    //: Beside the product name in the window's title band; about 450 pixels of room
    subtitle->setText(tr("Audio Converter"));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    subtitle->setFont(font);
    QPalette palette = subtitle->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, QColor(0x7B, 0x85, 0x91));
    subtitle->setPalette(palette);
    subtitle->setAttribute(Qt::WA_TransparentForMouseEvents);
    const QFontMetrics metrics(font);
    subtitle->setGeometry(kSubtitleX, kSubtitleBaseline - metrics.ascent(),
                          kTitleButtonsX - kSubtitleX - 8, metrics.height());
    subtitle->raise();
}

void MainDialog::applyArtwork() {
    const qreal ratio = devicePixelRatioF();
    background_ = ArtworkPixmap(Art::Background, ratio);
    const QCursor pointer = PointerCursor(ratio);
    const QPixmap normal = ArtworkPixmap(Art::ButtonNormal, ratio);
    const QPixmap hot = ArtworkPixmap(Art::ButtonHot, ratio);
    for (const CommandButton& b : kCommandButtons) {
        ImageButton* button = buttons_.at(b.id);
        button->SetBackgroundImage(&background_);
        button->SetBitmaps(normal, hot, true);
        button->SetCursor(pointer);
    }
    for (const TitleButton& b : kTitleButtons) {
        ImageButton* button = buttons_.at(b.id);
        const QPixmap icon = ArtworkPixmap(b.icon, ratio);
        button->SetBackgroundImage(&background_);
        button->SetIcon(icon, icon, false);
        button->SetCursor(pointer);
    }
    ImageButton* home = buttons_.at(IdHomepage);
    home->SetBackgroundImage(&background_);
    home->SetCursor(pointer);
    update();
}

ImageButton* MainDialog::button(int id) const {
    const auto found = buttons_.find(id);
    return found == buttons_.end() ? nullptr : found->second;
}

bool MainDialog::controlsEnabled() const {
    return face_->isEnabled();
}

bool MainDialog::busy() const {
    return fileCommands_->busy();
}

void MainDialog::setControlsEnabled(bool enabled) {
    face_->setEnabled(enabled);
    for (int id : commands_->ids()) commands_->action(id)->setEnabled(enabled);
}

void MainDialog::runCommand(int id) {
    if (!controlsEnabled() || fileCommands_->busy()) return;
    switch (id) {
        case IdHelpButton: {
            ImageButton* help = button(IdHelpButton);
            menus_->helpMenu()->popup(help->mapToGlobal(QPoint(0, help->height())));
            return;
        }
        case IdMinimize:
            showMinimized();
            return;
        case IdClose:
            close();
            return;
        case IdHelpTopics:
            ShowHelpTopics();
            return;
        case IdAbout:
            ShowAbout();
            return;
        case IdOptions:
            RunOptionsCommand(this, settings_, services_.store, wmaFormats_, services_.dialogs,
                              services_.opener);
            return;
        default:
            fileCommands_->run(id);
    }
}

void MainDialog::ShowContextMenu(const QPoint& globalPos) {
    if (!controlsEnabled()) return;
    menus_->contextMenu()->popup(globalPos);
}

void MainDialog::ShowAbout() {
    AboutDialog about(services_.opener, services_.dialogs, this);
    services_.dialogs.exec(about);
}

void MainDialog::ShowHelpTopics() {
    if (help_) {
        help_->bringToFront();
        return;
    }
    openHelp(false);
}

void MainDialog::openHelp(bool maximised) {
    help_ = new HelpWindow();
    help_->setAttribute(Qt::WA_DeleteOnClose);
    help_->setUrlOpener(&services_.opener);
    if (maximised) {
        help_->showMaximized();
    } else {
        help_->show();
    }
}

void MainDialog::firstRunCheck() {
    const std::optional<std::int32_t> stored = services_.store.ReadFirstRun();
    const bool firstRun = !stored || *stored != 0;
    if (!firstRun) return;
    services_.store.WriteFirstRun(0);
    openHelp(true);
}

void MainDialog::paintEvent(QPaintEvent* /*event*/) {
    // Moving to a screen of another scale renders the artwork afresh, so it stays sharp.
    if (!qFuzzyCompare(background_.devicePixelRatio(), devicePixelRatioF())) applyArtwork();
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

void MainDialog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // The help opens once the window stands, so that it comes up in front of it.
    QTimer::singleShot(0, this, &MainDialog::firstRunCheck);
}

void MainDialog::centreOnScreen() {
    // Placed before it is first shown: a window moved after that is not always where the
    // window system later says it is.
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void MainDialog::closeEvent(QCloseEvent* event) {
    if (fileCommands_->busy()) {
        // A batch or an adding operation runs inside this window's commands; it ends first.
        event->ignore();
        return;
    }
    if (help_) help_->close();
    event->accept();
}

void MainDialog::mousePressEvent(QMouseEvent* event) {
    if (!dragger_.press(event)) QWidget::mousePressEvent(event);
}

void MainDialog::mouseMoveEvent(QMouseEvent* event) {
    if (!dragger_.move(event)) QWidget::mouseMoveEvent(event);
}

void MainDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragger_.release(event)) QWidget::mouseReleaseEvent(event);
}

void MainDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (!controlsEnabled() || !event->mimeData()->hasUrls()) return;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            return;
        }
    }
}

void MainDialog::dropEvent(QDropEvent* event) {
    std::vector<std::string> items;
    for (const QUrl& url : event->mimeData()->urls()) {
        // A file manager percent-encodes a name that is not UTF-8; its bytes come through.
        if (auto path = LocalPathOfUrl(url)) items.push_back(std::move(*path));
    }
    if (items.empty()) return;
    event->acceptProposedAction();
    // The file manager waits for the drop to finish; the search and the adding run after it.
    QTimer::singleShot(0, this, [this, items] {
        if (controlsEnabled()) fileCommands_->AddDropped(items);
    });
}

}  // namespace tonvexa
