#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace tonvexa {

class Dialogs;
class DigitsEdit;
class NumberStepper;
struct Id3Tag;

// "Edit ID3 tag": edits one tag record within the limits of an ID3v1 block. The record's
// texts are ISO-8859-1, so the text fields refuse any other character as it is typed or
// pasted, and a line below the fields says why; nothing is ever stored as "?".
class Id3TagDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kTextLimit = 30;
    static constexpr int kYearLimit = 4;
    static constexpr int kTrackMaximum = 255;

    explicit Id3TagDialog(Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows a record: its texts, the name-as-file-name check, the genre (none selected for
    // an index outside the list) and the track number when the record has one, else 0.
    void LoadTag(const Id3Tag& tag);
    // Writes what the dialog accepted into a record.
    void TakeTag(Id3Tag& tag) const;

    // The explanation of the last refused input (empty when there is none).
    QString statusText() const;

public Q_SLOTS:
    void accept() override;

private:
    QLineEdit* addTextField(int id, int limit);
    void explainRefusal(QLineEdit* edit);
    void updateTitleEnabled();

    Dialogs& dialogs_;
    QCheckBox* nameAsFileName_;
    QLineEdit* title_;
    NumberStepper* track_;
    QLineEdit* artist_;
    QLineEdit* album_;
    DigitsEdit* year_;
    QComboBox* genre_;
    QLineEdit* comment_;
    QLabel* status_;

    // The values accepted with OK.
    int genreIndex_ = 0;
    int trackNumber_ = 0;
};

// Runs the editor on a record, as the pages' "Edit ID3 tag" does: on OK the record takes the
// edited values, on Cancel it stays as it was. True on OK.
bool EditId3Tag(Dialogs& dialogs, QWidget* owner, Id3Tag& tag);

}  // namespace tonvexa
