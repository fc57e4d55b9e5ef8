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
    //: Tab title
    : OptionsPage(tr("Output Options"), parent), dialogs_(dialogs) {
    //: Group of the controls that say where converted files go
    auto* box = new QGroupBox(tr("Output Folder"), this);
    places_ = new QComboBox(box);
    SetControlId(places_, IdOutputPlace);
    //: Converted files go to the folder of their source file
    places_->addItem(tr("Same as source file"), kOutputBesideSource);
    //: Converted files go to the folder given below
    places_->addItem(tr("Specify output folder"), kOutputSpecifiedFolder);

    folder_ = new QLineEdit(box);
    SetControlId(folder_, IdOutputFolder);
    // The options keep a folder of at most this many characters; a longer one would be lost
    // when they are read again.
    folder_->setMaxLength(static_cast<int>(AppSettings::kMaxTextLength));
    folder_->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    //: Chooses the output folder in a folder dialog
    browse_ = new QPushButton(tr("&Browse"), box);
    SetControlId(browse_, IdOutputBrowse);
    createDirs_ = new QCheckBox(tr("&Create folders according to path of source file"), box);
    SetControlId(createDirs_, IdCreateDirs);
    explanation_ = new QLabel(ExplanationText(), box);
    SetControlId(explanation_, IdCreateDirsExample);
    explanation_->setWordWrap(true);
    explanation_->setTextFormat(Qt::PlainText);
    //: Shows the output folder in the file manager once a conversion has ended
    browseOutput_ = new QCheckBox(tr("&Browse output folder while conversion is complete"), this);
    SetControlId(browseOutput_, IdBrowseOutput);
    simultaneous_ = new QSpinBox(this);
    SetControlId(simultaneous_, IdSimultaneousConversions);
    simultaneous_->setRange(kSimultaneousAuto, kMaxSimultaneousConversions);
    //: Number of simultaneous conversions: as many as the computer has processor cores
    simultaneous_->setSpecialValueText(tr("Auto"));
    simultaneous_->setAlignment(Qt::AlignRight);

    auto* grid = new QGridLayout(box);
    //: Label of the list: Same as source file, Specify output folder
    grid->addWidget(BuddyLabel(tr("&Output Folder:"), places_, box), 0, 0);
    grid->addWidget(places_, 0, 1, 1, 2);
    grid->addWidget(BuddyLabel(tr("&Specific Folder:"), folder_, box), 1, 0);
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
        BuddyLabel(tr("Si&multaneous conversions:"), simultaneous_, this));
    simultaneousRow->addWidget(simultaneous_);
    simultaneousRow->addStretch(1);
    layout->addLayout(simultaneousRow);
    layout->addStretch(1);

    connect(places_, &QComboBox::activated, this,
            [this] { setFolderControlsEnabled(ChosenData(places_) == kOutputSpecifiedFolder); });
    connect(browse_, &QPushButton::clicked, this, &COptOutputPage::browse);
}

QString COptOutputPage::ExplanationText() {
    // The example's paths are this system's; the sentence is the same everywhere.
#ifdef Q_OS_WIN
    const QString source = QStringLiteral("C:\\Music\\pop\\1.mp3");
    const QString specified = QStringLiteral("D:\\Output");
    const QString output = QStringLiteral("D:\\Output\\C\\Music\\pop");
#else
    const QString source = QStringLiteral("/home/anna/Music/pop/1.mp3");
    const QString specified = QStringLiteral("/home/anna/Converted");
    const QString output = QStringLiteral("/home/anna/Converted/home/anna/Music/pop");
#endif
    //: %1 is a source file's path, %2 the specified output folder, %3 the folder its output
    //: goes to
    return tr("For example: the source file is %1 and the specified folder is %2; then the output "
              "folder is %3, which is created automatically.")
        .arg(source, specified, output);
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
        dialogs_, this, tr("Please choose an output folder:"), folderText_);
    if (!chosen) return;
    if (chosen->size() > folder_->maxLength()) {
        dialogs_.showMessage(this,
                             tr("The path of this folder is too long: an output folder can "
                                "have at most %n characters.",
                                nullptr, folder_->maxLength()),
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
        dialogs_.showMessage(this, tr("Please choose an output folder."),
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
