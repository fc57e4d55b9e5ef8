#pragma once

#include <QString>
#include <QWidget>

namespace tonvexa {

struct AppSettings;

// One page of the options sheet. A page holds its own copy of the options it edits: it loads
// them from the settings record it is handed and saves them into one; it never reads or
// writes the store. Its controls are filled when the page is first activated (shown), so a
// page the user never looked at saves exactly what it loaded.
class OptionsPage : public QWidget {
    Q_OBJECT

public:
    explicit OptionsPage(const QString& title, QWidget* parent = nullptr);

    // The tab's text.
    QString title() const { return title_; }

    // Takes the page's options from settings (the controls follow if the page is active).
    virtual void LoadFrom(const AppSettings& settings) = 0;
    // Reads the controls (when the page was activated) and writes the page's options into
    // settings.
    virtual void SaveTo(AppSettings& settings) = 0;
    // The page is being left (another tab, or OK): false keeps it, after telling the user why.
    virtual bool CanLeave() { return true; }

    // Fills the controls from the page's values the first time; later calls do nothing.
    void Activate();
    bool activated() const { return activated_; }

protected:
    // Puts the page's values into the controls and sets their enabled states.
    virtual void initialize() = 0;
    // Re-fills the controls after new values were loaded into an activated page.
    void reinitialize();

private:
    QString title_;
    bool activated_ = false;
};

}  // namespace tonvexa
