#pragma once

#include <QDialog>

#include <vector>

class QDialogButtonBox;
class QTabWidget;

namespace tonvexa {

class OptionsPage;

// "Options": the option pages as tabs, with OK and Cancel. The page being left (for another
// tab, or on OK) can refuse, which keeps it on display. The sheet remembers the page that was
// on display when it closed, whichever way it closed.
class COptSheet : public QDialog {
    Q_OBJECT

public:
    explicit COptSheet(QWidget* parent = nullptr);

    // Adds a page as the next tab; the sheet owns it.
    void AddPage(OptionsPage* page);
    int pageCount() const { return static_cast<int>(pages_.size()); }
    OptionsPage* page(int index) const;
    // The page to open on (before the sheet is shown); out of range means the first.
    void SetActivePage(int index);
    // The page on display (after the sheet closed: the one on display when it closed).
    int GetActiveIndex() const { return current_; }

    QTabWidget* tabs() const { return tabs_; }
    QDialogButtonBox* buttons() const { return buttons_; }

    void setVisible(bool visible) override;

public Q_SLOTS:
    void accept() override;

private:
    void tabChosen(int index);
    void showTab(int index);

    QTabWidget* tabs_;
    QDialogButtonBox* buttons_;
    std::vector<OptionsPage*> pages_;
    int current_ = 0;
    bool switching_ = false;
};

}  // namespace tonvexa
