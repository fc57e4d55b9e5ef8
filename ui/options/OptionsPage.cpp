#include "OptionsPage.h"

#include "ui/options/PageControls.h"

namespace tonvexa {

OptionsPage::OptionsPage(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
    setFont(PageFont());
    setAccessibleName(title);
}

void OptionsPage::Activate() {
    if (activated_) return;
    activated_ = true;
    initialize();
}

void OptionsPage::reinitialize() {
    if (activated_) initialize();
}

}  // namespace tonvexa
