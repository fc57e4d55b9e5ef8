#pragma once

#include <QString>

#include "settings/AppSettings.h"
#include "ui/options/OptionsPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tonvexa {

class Dialogs;

// "Output Options": where converted files go (beside their sources, or in a folder of the
// user's choice, optionally below a copy of the source's folder path), whether the output is
// shown in the file manager when a batch ends, and how many files are converted at once.
class COptOutputPage : public OptionsPage {
    Q_OBJECT

public:
    explicit COptOutputPage(Dialogs& dialogs, QWidget* parent = nullptr);

    void LoadFrom(const AppSettings& settings) override;
    void SaveTo(AppSettings& settings) override;
    bool CanLeave() override;

    // The explanation below "Create folders", with an example in this system's paths.
    static QString ExplanationText();

protected:
    void initialize() override;

private:
    void browse();
    void readControls();
    void setFolderControlsEnabled(bool enabled);

    Dialogs& dialogs_;
    QComboBox* places_;
    QLineEdit* folder_;
    QPushButton* browse_;
    QCheckBox* createDirs_;
    QLabel* explanation_;
    QCheckBox* browseOutput_;
    QSpinBox* simultaneous_;

    // The page's values.
    int option_ = kOutputBesideSource;
    QString folderText_;
    bool createDirsOn_ = false;
    bool browseOutputOn_ = true;
    int simultaneousValue_ = kSimultaneousAuto;
};

}  // namespace tonvexa
