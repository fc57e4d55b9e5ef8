#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

class QDialog;
class QWidget;

namespace tonvexa {

inline constexpr char kProgramCaption[] = "Tonvexa";

enum class MessageIcon { Information, Warning };

// Every dialog and message box the window side opens goes through this, so that tests answer
// them without a modal loop. The program's implementation uses the desktop's dialogs.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box with an OK button; the caption is the program's name.
    virtual void showMessage(QWidget* owner, const QString& text, MessageIcon icon) = 0;
    // The desktop's open-file dialog for several existing files. filters are "Description
    // (patterns)" entries, the first one selected. The paths come as the file system's
    // bytes, so that a name that is not UTF-8 survives where the dialog can show it. Empty
    // when the user cancelled.
    virtual std::vector<std::string> openFiles(QWidget* owner, const QStringList& filters) = 0;
    // The desktop's folder dialog, starting at `start` (empty: the user's home). Empty when the
    // user cancelled.
    virtual QString chooseFolder(QWidget* owner, const QString& title, const QString& start) = 0;
    // Runs a dialog of the program modally; its result (QDialog::Accepted or Rejected).
    virtual int exec(QDialog& dialog) = 0;
};

// The desktop's dialogs (native ones where the desktop offers them) and QDialog::exec.
class QtDialogs final : public Dialogs {
public:
    void showMessage(QWidget* owner, const QString& text, MessageIcon icon) override;
    std::vector<std::string> openFiles(QWidget* owner, const QStringList& filters) override;
    QString chooseFolder(QWidget* owner, const QString& title, const QString& start) override;
    int exec(QDialog& dialog) override;

private:
    // The open-file dialog starts where the user last chose files in this run, at first in
    // the user's music folder (or home).
    QString lastFileFolder_;
};

// The folder picker as the program's commands use it: starts at initialFolder (a trailing
// separator is dropped first) and gives the chosen folder in native form with one trailing
// separator, or nothing when the user cancelled or chose nothing usable.
std::optional<QString> BrowseForFolder(Dialogs& dialogs, QWidget* owner, const QString& title,
                                       const QString& initialFolder);

}  // namespace tonvexa
