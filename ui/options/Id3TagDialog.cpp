#include "Id3TagDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>
#include <vector>

#include "audio/Id3v1.h"
#include "base/Id3Tag.h"
#include "ui/options/ControlIds.h"
#include "ui/options/PageControls.h"
#include "ui/Dialogs.h"

namespace tonvexa {

namespace {

// A character that an ID3v1 text can hold: ISO-8859-1 without the control characters (a
// zero would even end the text).
bool StorableInTag(char16_t c) {
    return (c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF);
}

// Refuses any text with a character that the tag cannot hold, and remembers the first such
// character so that the dialog can name it.
class TagTextValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& /*pos*/) const override {
        refused_.clear();
        for (qsizetype i = 0; i < input.size(); ++i) {
            const char16_t c = input[i].unicode();
            if (StorableInTag(c)) continue;
            // A character beyond the basic plane is two code units; name it whole.
            const bool pair =
                input[i].isHighSurrogate() && i + 1 < input.size() && input[i + 1].isLowSurrogate();
            refused_ = input.mid(i, pair ? 2 : 1);
            return Invalid;
        }
        return Acceptable;
    }

    // The character of the last refusal, if the last text was refused for one.
    QString refused() const { return refused_; }

private:
    mutable QString refused_;
};

// A control character by its code point, which is the same in every language; any other in
// the language's quotation marks.
QString CharacterName(const QString& character) {
    const char32_t code = character.toUcs4().value(0);
    if (code < 0x20 || (code >= 0x7F && code < 0xA0)) {
        return QStringLiteral("U+%1").arg(static_cast<uint>(code), 4, 16, QLatin1Char('0'));
    }
    //: A character the tag cannot hold (%1), in quotation marks, as it begins the message
    //: "%1 cannot be stored in an ID3 tag..."
    return QCoreApplication::translate("tonvexa::Id3TagDialog", "“%1”").arg(character);
}

std::string_view View(const QByteArray& bytes) {
    return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

Id3TagDialog::Id3TagDialog(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    //: The tag editor's title
    setWindowTitle(tr("Edit ID3 tag"));
    setFont(PageFont());

    auto* grid = new QGridLayout;
    //: The output's title is its file name without the extension
    nameAsFileName_ = new QCheckBox(tr("Name as file name (not include extension)"), this);
    SetControlId(nameAsFileName_, IdNameAsFileName);
    grid->addWidget(nameAsFileName_, 0, 0, 1, 4);

    title_ = addTextField(IdTagTitle, kTextLimit);
    //: Label of the song's title; the & letters of the editor's controls differ from one another
    grid->addWidget(BuddyLabel(tr("&Title:"), title_, this), 1, 0);
    grid->addWidget(title_, 1, 1);

    track_ = new NumberStepper(IdTagTrack, IdTagTrackArrows, 10, 1, 0, kTrackMaximum, this);
    track_->edit()->setMaximumWidth(48);
    track_->edit()->setAlignment(Qt::AlignRight);
    //: Label of the track number on the album; little room
    grid->addWidget(BuddyLabel(tr("&Track #:"), track_->edit(), this), 1, 2);
    auto* trackPair = new QHBoxLayout;
    trackPair->setSpacing(0);
    trackPair->addWidget(track_->edit());
    trackPair->addWidget(track_->upDown());
    trackPair->addStretch(1);
    grid->addLayout(trackPair, 1, 3);

    artist_ = addTextField(IdTagArtist, kTextLimit);
    grid->addWidget(BuddyLabel(tr("&Artist:"), artist_, this), 2, 0);
    grid->addWidget(artist_, 2, 1, 1, 3);

    album_ = addTextField(IdTagAlbum, kTextLimit);
    grid->addWidget(BuddyLabel(tr("Albu&m:"), album_, this), 3, 0);
    grid->addWidget(album_, 3, 1, 1, 3);

    year_ = new DigitsEdit(kYearLimit, this);
    SetControlId(year_, IdTagYear);
    year_->setMaximumWidth(48);
    connect(year_, &QLineEdit::inputRejected, this, [this] { explainRefusal(year_); });
    connect(year_, &QLineEdit::textEdited, this, [this] { status_->clear(); });
    grid->addWidget(BuddyLabel(tr("&Year:"), year_, this), 4, 0);
    grid->addWidget(year_, 4, 1, Qt::AlignLeft);

    // The names sorted for people to find; each item keeps its index in the genre list, which
    // is what the tag stores.
    genre_ = new QComboBox(this);
    SetControlId(genre_, IdTagGenre);
    std::vector<std::pair<QString, int>> genres;
    const auto& names = GenreList();
    for (std::size_t i = 0; i < names.size(); ++i) {
        genres.emplace_back(
            QString::fromLatin1(names[i].data(), static_cast<qsizetype>(names[i].size())),
            static_cast<int>(i));
    }
    std::stable_sort(genres.begin(), genres.end(), [](const auto& a, const auto& b) {
        return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0;
    });
    for (const auto& [name, index] : genres) genre_->addItem(name, index);
    genre_->setMaxVisibleItems(16);
    auto* genreRow = new QHBoxLayout;
    //: Label of the list of music genres
    genreRow->addWidget(BuddyLabel(tr("&Genre:"), genre_, this));
    genreRow->addWidget(genre_, 1);
    grid->addLayout(genreRow, 4, 2, 1, 2);

    comment_ = addTextField(IdTagComment, kTextLimit);
    //: Label of the tag's comment field
    grid->addWidget(BuddyLabel(tr("&Comment:"), comment_, this), 5, 0);
    grid->addWidget(comment_, 5, 1, 1, 3);

    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 26);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    status_->setMinimumHeight(2 * fontMetrics().lineSpacing());
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QDialogButtonBox* buttons = OkCancelButtons(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &Id3TagDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &Id3TagDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(status_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(nameAsFileName_, &QCheckBox::toggled, this, &Id3TagDialog::updateTitleEnabled);
    QWidget* const readingOrder[] = {nameAsFileName_,
                                     title_,
                                     track_->edit(),
                                     artist_,
                                     album_,
                                     year_,
                                     genre_,
                                     comment_,
                                     FindControl<QPushButton>(buttons, IdOk),
                                     FindControl<QPushButton>(buttons, IdCancel)};
    for (std::size_t i = 1; i < std::size(readingOrder); ++i)
        setTabOrder(readingOrder[i - 1], readingOrder[i]);
    LoadTag(Id3Tag{});
}

QLineEdit* Id3TagDialog::addTextField(int id, int limit) {
    auto* edit = new QLineEdit(this);
    SetControlId(edit, id);
    edit->setMaxLength(limit);
    edit->setValidator(new TagTextValidator(edit));
    connect(edit, &QLineEdit::inputRejected, this, [this, edit] { explainRefusal(edit); });
    connect(edit, &QLineEdit::textEdited, this, [this] { status_->clear(); });
    return edit;
}

void Id3TagDialog::explainRefusal(QLineEdit* edit) {
    QString text;
    const auto* validator = dynamic_cast<const TagTextValidator*>(edit->validator());
    if (validator != nullptr && !validator->refused().isEmpty()) {
        //: %1 is the character typed, such as “€” or U+0009
        text = tr("%1 cannot be stored in an ID3 tag, which holds Western European "
                  "(ISO-8859-1) characters only.")
                   .arg(CharacterName(validator->refused()));
    } else if (validator == nullptr && edit->text().size() < edit->maxLength()) {
        text = tr("Only digits can be typed here.");
    } else {
        text = tr("This field holds at most %n characters.", nullptr, edit->maxLength());
    }
    status_->setText(text);
    edit->setToolTip(text);
}

QString Id3TagDialog::statusText() const {
    return status_->text();
}

void Id3TagDialog::updateTitleEnabled() {
    title_->setEnabled(!nameAsFileName_->isChecked());
}

void Id3TagDialog::LoadTag(const Id3Tag& tag) {
    nameAsFileName_->setChecked(tag.nameAsFileName != 0);
    const auto show = [](QLineEdit* edit, const std::string& latin1) {
        edit->setText(QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size())));
    };
    show(title_, fieldText(tag.title));
    show(artist_, fieldText(tag.artist));
    show(album_, fieldText(tag.album));
    show(year_, fieldText(tag.year));
    show(comment_, fieldText(tag.comment));
    trackNumber_ = tag.hasTrack != 0 ? tag.track : 0;
    track_->setValue(trackNumber_);
    genreIndex_ = tag.genre;
    if (!SelectItemWithData(genre_, genreIndex_)) genre_->setCurrentIndex(-1);
    status_->clear();
    updateTitleEnabled();
}

void Id3TagDialog::accept() {
    const std::optional<int> genre = ChosenData(genre_);
    genreIndex_ = genre ? (*genre & 0xFF) : Id3Tag::kNoGenre;
    const std::optional<int> track = track_->edit()->value();
    if (!track || *track < 0 || *track > kTrackMaximum) {
        dialogs_.showMessage(
            this,
            track ? tr("Please enter an integer between 0 and %1.").arg(kTrackMaximum)
                  : tr("Please enter an integer."),
            MessageIcon::Warning);
        track_->edit()->setFocus(Qt::OtherFocusReason);
        track_->edit()->selectAll();
        return;
    }
    trackNumber_ = *track;
    QDialog::accept();
}

void Id3TagDialog::TakeTag(Id3Tag& tag) const {
    tag.nameAsFileName = nameAsFileName_->isChecked() ? 1 : 0;
    tag.track = trackNumber_;
    tag.genre = genreIndex_;
    tag.hasTrack = trackNumber_ > 0 ? 1 : 0;
    // The fields only ever hold characters of the tag's character set (the validators see
    // to it), so this conversion is exact.
    setFieldText(tag.title, View(title_->text().toLatin1()));
    setFieldText(tag.artist, View(artist_->text().toLatin1()));
    setFieldText(tag.album, View(album_->text().toLatin1()));
    setFieldText(tag.comment, View(comment_->text().toLatin1()));
    setFieldText(tag.year, View(year_->text().toLatin1()));
}

bool EditId3Tag(Dialogs& dialogs, QWidget* owner, Id3Tag& tag) {
    Id3TagDialog dialog(dialogs, owner);
    dialog.LoadTag(tag);
    if (dialogs.exec(dialog) != QDialog::Accepted) return false;
    dialog.TakeTag(tag);
    return true;
}

}  // namespace tonvexa
