#include "COptOutputPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <optional>

#include "settings/AppSettings.h"
#include "ui/options/ControlIds.h"
#include "ui/options/PageControls.h"
#include "ui/Dialogs.h"

namespace tonvexa {

COptOutputPage::COptOutputPage(Dialogs& dialogs, QWidget* parent)
    : OptionsPage(QStringLiteral("Output Options"), parent), dialogs_(dialogs) {
    auto* box = new QGroupBox(QStringLiteral("Output Folder"), this);
    places_ = new QComboBox(box);
    SetControlId(places_, IdOutputPlace);
    places_->addItem(QStringLiteral("Same as source file"), kOutputBesideSource);
    places_->addItem(QStringLiteral("Specify output folder"), kOutputSpecifiedFolder);

    folder_ = new QLineEdit(box);
    SetControlId(folder_, IdOutputFolder);
    // The options keep a folder of at most this many characters; a longer one would be lost
    // when they are read again.
    folder_->setMaxLength(static_cast<int>(AppSettings::kMaxTextLength));
    folder_->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    browse_ = new QPushButton(QStringLiteral("&Browse"), box);
    SetControlId(browse_, IdOutputBrowse);
    createDirs_ =
        new QCheckBox(QStringLiteral("&Create folders according to path of source file"), box);
    SetControlId(createDirs_, IdCreateDirs);
    explanation_ = new QLabel(ExplanationText(), box);
    SetControlId(explanation_, IdCreateDirsExample);
    explanation_->setWordWrap(true);
    explanation_->setTextFormat(Qt::PlainText);
    browseOutput_ =
        new QCheckBox(QStringLiteral("&Browse output folder while conversion is complete"), this);
    SetControlId(browseOutput_, IdBrowseOutput);
    simultaneous_ = new QSpinBox(this);
    SetControlId(simultaneous_, IdSimultaneousConversions);
    simultaneous_->setRange(kSimultaneousAuto, kMaxSimultaneousConversions);
    simultaneous_->setSpecialValueText(QStringLiteral("Auto"));
    simultaneous_->setAlignment(Qt::AlignRight);

    auto* grid = new QGridLayout(box);
    grid->addWidget(BuddyLabel(QStringLiteral("&Output Folder:"), places_, box), 0, 0);
    grid->addWidget(places_, 0, 1, 1, 2);
    grid->addWidget(BuddyLabel(QStringLiteral("&Specific Folder:"), folder_, box), 1, 0);
    grid->addWidget(folder_, 1, 1);
    grid->addWidget(browse_, 1, 2);
    grid->addWidget(createDirs_, 2, 0, 1, 3);
    auto* indented = new QHBoxLayout;
    indented->addSpacing(20);
    indented->addWidget(explanation_, 1);
    grid->addLayout(indented, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(browseOutput_);
    auto* simultaneousRow = new QHBoxLayout;
    simultaneousRow->addWidget(
        BuddyLabel(QStringLiteral("Si&multaneous conversions:"), simultaneous_, this));
    simultaneousRow->addWidget(simultaneous_);
    simultaneousRow->addStretch(1);
    layout->addLayout(simultaneousRow);
    layout->addStretch(1);

    connect(places_, &QComboBox::activated, this,
            [this] { setFolderControlsEnabled(ChosenData(places_) == kOutputSpecifiedFolder); });
    connect(browse_, &QPushButton::clicked, this, &COptOutputPage::browse);
}

QString COptOutputPage::ExplanationText() {
#ifdef Q_OS_WIN
    return QStringLiteral(
        "For example: the source file is C:\\Music\\pop\\1.mp3 and the specified folder is "
        "D:\\Output; then the output folder is D:\\Output\\C\\Music\\pop, which is created "
        "automatically.");
#else
    return QStringLiteral(
        "For example: the source file is /home/anna/Music/pop/1.mp3 and the specified folder is "
        "/home/anna/Converted; then the output folder is /home/anna/Converted/home/anna/Music/pop, "
        "which is created automatically.");
#endif
}

void COptOutputPage::LoadFrom(const AppSettings& s) {
    option_ = s.DestOutputFolderOpt;
    folderText_ = QString::fromStdString(s.DestSpecifiedFolder);
    createDirsOn_ = s.CreateDirs != 0;
    browseOutputOn_ = s.BrowseOutputFolder != 0;
    simultaneousValue_ = s.SimultaneousConversions;
    reinitialize();
}

void COptOutputPage::initialize() {
    if (!SelectItemWithData(places_, option_)) {
        places_->setCurrentIndex(0);
        option_ = kOutputBesideSource;
    }
    folder_->setText(folderText_);
    createDirs_->setChecked(createDirsOn_);
    browseOutput_->setChecked(browseOutputOn_);
    // A count the control does not offer means Auto, and shows as it.
    if (simultaneousValue_ < simultaneous_->minimum() ||
        simultaneousValue_ > simultaneous_->maximum())
        simultaneousValue_ = kSimultaneousAuto;
    simultaneous_->setValue(simultaneousValue_);
    setFolderControlsEnabled(option_ == kOutputSpecifiedFolder);
}

void COptOutputPage::setFolderControlsEnabled(bool enabled) {
    for (QWidget* control :
         {static_cast<QWidget*>(folder_), static_cast<QWidget*>(browse_),
          static_cast<QWidget*>(createDirs_), static_cast<QWidget*>(explanation_)})
        control->setEnabled(enabled);
}

void COptOutputPage::readControls() {
    folderText_ = folder_->text();
    createDirsOn_ = createDirs_->isChecked();
    browseOutputOn_ = browseOutput_->isChecked();
    simultaneousValue_ = simultaneous_->value();
    option_ = ChosenData(places_).value_or(option_);
}

void COptOutputPage::browse() {
    readControls();
    const std::optional<QString> chosen = BrowseForFolder(
        dialogs_, this, QStringLiteral("Please choose an output folder:"), folderText_);
    if (!chosen) return;
    if (chosen->size() > folder_->maxLength()) {
        dialogs_.showMessage(this,
                             QStringLiteral("The path of this folder is too long: an output "
                                            "folder can have at most %1 characters.")
                                 .arg(folder_->maxLength()),
                             MessageIcon::Warning);
        return;
    }
    folderText_ = *chosen;
    folder_->setText(folderText_);
}

bool COptOutputPage::CanLeave() {
    if (!activated()) return true;
    readControls();
    // A folder of blanks only is no folder anyone meant to choose.
    if (option_ == kOutputSpecifiedFolder && folderText_.trimmed().isEmpty()) {
        dialogs_.showMessage(this, QStringLiteral("Please choose an output folder."),
                             MessageIcon::Warning);
        folder_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

void COptOutputPage::SaveTo(AppSettings& s) {
    if (activated()) readControls();
    s.DestOutputFolderOpt = option_;
    s.DestSpecifiedFolder = folderText_.toStdString();
    s.CreateDirs = createDirsOn_ ? 1 : 0;
    s.BrowseOutputFolder = browseOutputOn_ ? 1 : 0;
    s.SimultaneousConversions = simultaneousValue_;
}

}  // namespace tonvexa
