#include "AboutDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/Artwork.h"
#include "ui/DialogUnits.h"
#include "ui/HyperlinkLabel.h"
#include "ui/ProgramInfo.h"
#include "ui/UrlOpener.h"

namespace tonvexa {

AboutDialog::AboutDialog(UrlOpener& opener, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(QStringLiteral("About Tonvexa"));
    setFont(DialogFont());

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(ProgramIcon().pixmap(QSize(48, 48), devicePixelRatioF()));
    icon->setAccessibleName(QStringLiteral("Tonvexa"));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* version = new QLabel(QString::fromLatin1(kVersionLine), this);
    version->setObjectName(QStringLiteral("version"));
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);

    const auto link = [&](const char* text, const char* address) {
        auto* label = new HyperlinkLabel(QString::fromLatin1(text), this);
        label->SetUrl(QString::fromLatin1(address));
        label->SetUnderline(HyperlinkLabel::UnderlineAlways);
        label->setUrlOpener(&opener);
        label->setDialogs(&dialogs);
        return label;
    };

    auto* text = new QVBoxLayout;
    text->addWidget(version);
    text->addSpacing(6);
    text->addWidget(link("Visit Tonvexa Homepage", kHomePage));
    text->addWidget(link("Feedback and Support", kSupportMail));
    text->addWidget(link("The program uses LAME MP3 encoder", kLameHomePage));
    text->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* updates =
        buttons->addButton(QStringLiteral("&Check Updates"), QDialogButtonBox::ActionRole);
    QPushButton* friendButton =
        buttons->addButton(QStringLiteral("Tell a Friend"), QDialogButtonBox::ActionRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(updates, &QPushButton::clicked, this, [&opener] {
        (void)opener.open(QUrl(QString::fromLatin1(kUpdatePage), QUrl::TolerantMode));
    });
    connect(friendButton, &QPushButton::clicked, this, [&opener] {
        (void)opener.open(QUrl(QString::fromLatin1(kTellAFriendMail), QUrl::TolerantMode));
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tonvexa
