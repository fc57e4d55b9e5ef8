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
    setWindowTitle(tr("About Tonvexa"));
    setFont(DialogFont());

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(ProgramIcon().pixmap(QSize(48, 48), devicePixelRatioF()));
    // The program's name, in every language.
    icon->setAccessibleName(QStringLiteral("Tonvexa"));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    //: %1 is the version number, %2 the build number
    auto* version = new QLabel(
        tr("Tonvexa v%1 build %2").arg(QLatin1String(kVersion), QLatin1String(kBuild)), this);
    version->setObjectName(QStringLiteral("version"));
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);

    const auto link = [&](const QString& text, const char* address) {
        auto* label = new HyperlinkLabel(text, this);
        label->SetUrl(QString::fromLatin1(address));
        label->SetUnderline(HyperlinkLabel::UnderlineAlways);
        label->setUrlOpener(&opener);
        label->setDialogs(&dialogs);
        return label;
    };

    auto* text = new QVBoxLayout;
    text->addWidget(version);
    text->addSpacing(6);
    text->addWidget(link(tr("Visit Tonvexa Homepage"), kHomePage));
    //: A link that writes a mail to the program's support
    text->addWidget(link(tr("Feedback and Support"), kSupportMail));
    //: A link to the web site of LAME, the MP3 encoder's name
    text->addWidget(link(tr("The program uses LAME MP3 encoder"), kLameHomePage));
    text->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    //: A button that opens the web page telling whether a newer version is out
    QPushButton* updates = buttons->addButton(tr("&Check Updates"), QDialogButtonBox::ActionRole);
    //: A button that writes a mail recommending the program
    QPushButton* friendButton =
        buttons->addButton(tr("Tell a Friend"), QDialogButtonBox::ActionRole);
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
