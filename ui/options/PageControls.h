#pragma once

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <optional>
#include <span>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QHBoxLayout;
class QPushButton;
class QToolButton;

namespace tonvexa {

class Dialogs;
struct Id3Tag;

// The font of the options sheet, its pages and the tag editor: "Tahoma" 11 pixels high where
// it is installed, else the system's sans-serif at that height.
QFont PageFont();

// A control's numeric id, which is its object name (tests and tools find controls by it).
void SetControlId(QWidget* control, int id);
template <class T>
T* FindControl(const QWidget* root, int id) {
    return root->findChild<T*>(QString::number(id));
}

// Selects the item of a combo box whose data equals value; false (and nothing changed) when
// none does.
bool SelectItemWithData(QComboBox* combo, int value);
// Selects the item carrying value, else the first item.
void SelectOrFirst(QComboBox* combo, int value);
// The data of the chosen item as a number, or nothing when no item is chosen.
std::optional<int> ChosenData(const QComboBox* combo);

// An edit that takes digits only, up to maxDigits of them (typing anything else is refused,
// but a text that is too small or too large can be typed, so that it can be refused with a
// reason when the page is left). Up and Down in the edit step like the arrows beside it.
class DigitsEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit DigitsEdit(int maxDigits, QWidget* parent = nullptr);
    // The text as a number; nothing when it is empty or does not fit.
    std::optional<int> value() const;

Q_SIGNALS:
    // +1 for Up, -1 for Down.
    void stepRequested(int steps);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The pair of arrows beside a number edit. It takes no keyboard focus of its own (the edit's
// Up and Down keys do the same), so Tab goes from the edit to the next control.
class UpDownControl : public QWidget {
    Q_OBJECT

public:
    explicit UpDownControl(QWidget* parent = nullptr);
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

Q_SIGNALS:
    // +1 for the upper arrow, -1 for the lower one.
    void stepRequested(int steps);

private:
    QToolButton* up_;
    QToolButton* down_;
};

// A number edit with its arrows, stepping a value within a range. The edit takes digits only;
// the arrows (and Up, Down) start from the number typed, or from `fallback` while the text is
// no number, and write the stepped, clamped value back.
class NumberStepper : public QObject {
    Q_OBJECT

public:
    NumberStepper(int editId, int upDownId, int maxDigits, int step, int minimum, int maximum,
                  QWidget* parent);
    DigitsEdit* edit() const { return edit_; }
    UpDownControl* upDown() const { return upDown_; }
    // The value the arrows start from while the edit holds no number.
    void setFallback(int value) { fallback_ = value; }
    void setValue(int value);
    void setEnabled(bool enabled);
    void step(int steps);

Q_SIGNALS:
    void stepped(int value);

private:
    DigitsEdit* edit_;
    UpDownControl* upDown_;
    int step_;
    int minimum_;
    int maximum_;
    int fallback_;
};

// A fixed entry of the encoding presets of the MP3 and WAV pages.
struct EncodingPreset {
    // In English, marked for translation in the context "tonvexa::PresetControls", where the
    // preset list translates it.
    const char* label;
    int sampleRate;
    int second;  // the bit rate in kbit/s (MP3) or the sample width (WAV)
    int channelIndex;
};

// The presets of the MP3 and WAV pages: "Auto", the fixed presets, "Custom", and the
// parameter controls they rule (a sample-rate list, a second list, the channel buttons):
// "Auto" greys the parameters, a fixed preset shows its values in them, and a change of a
// parameter makes the preset "Custom".
class PresetControls : public QObject {
    Q_OBJECT

public:
    PresetControls(int comboId, std::span<const EncodingPreset> presets, QWidget* page);
    QComboBox* combo() const { return combo_; }
    void setParameters(QComboBox* sampleRates, QComboBox* seconds, QButtonGroup* channels);

    // Selects "Auto", the fixed preset with exactly these values, or "Custom", and greys the
    // parameters with "Auto".
    void show(bool automatic, int sampleRate, int second, int channelIndex);
    bool automatic() const;
    void selectCustom();
    // A channel button was clicked: the page's index takes it, and "Custom" follows a change.
    void channelClicked(int& channelIndex);

Q_SIGNALS:
    // A preset other than "Auto" was chosen: null for "Custom", else the fixed preset, whose
    // values the parameter controls already show.
    void chosen(const tonvexa::EncodingPreset* preset);

private:
    void presetChosen(int index);
    void setParametersEnabled(bool enabled);

    std::span<const EncodingPreset> presets_;
    QComboBox* combo_;
    QComboBox* sampleRates_ = nullptr;
    QComboBox* seconds_ = nullptr;
    QButtonGroup* channels_ = nullptr;
    int customIndex_;
};

// The volume scaling controls of the MP3, WAV and WMA pages: "&Amplify / Reduce sound", the
// coefficient in percent and its arrows (steps of 10 within 10..3000), and the check that
// keeps a page from being left with a coefficient out of range.
class AmplifyControls : public QObject {
    Q_OBJECT

public:
    static constexpr int kMinimum = 10;
    static constexpr int kMaximum = 3000;
    static constexpr int kStep = 10;

    AmplifyControls(int checkId, int editId, int upDownId, Dialogs& dialogs, QWidget* page);
    QGroupBox* box() const { return box_; }
    QCheckBox* check() const { return check_; }
    DigitsEdit* edit() const { return stepper_->edit(); }

    // Shows the values and greys the coefficient while scaling is off.
    void load(bool amplify, int coefficient);
    bool amplify() const;
    // Takes the controls over: the check always, the coefficient when it is a number. Returns
    // false (with a message, the focus in the edit) when the page must not be left: scaling
    // is on and the coefficient is no number or out of range.
    bool read(bool& amplify, int& coefficient, bool check);

private:
    void refuse(const QString& text);

    QWidget* page_;
    Dialogs& dialogs_;
    QGroupBox* box_;
    QCheckBox* check_;
    NumberStepper* stepper_;
};

// The tag option of the MP3 and WMA pages: "Add &ID3 tag", "&Keep ID3 tag", "No ID3 tag" and
// "Edit ID3 &tag", which runs the tag editor on the page's tag (enabled for "Add" only).
class TagOptionControls : public QObject {
    Q_OBJECT

public:
    // The ids of the controls on one page.
    struct Ids {
        int add, keep, none, edit;
    };

    TagOptionControls(const Ids& ids, Dialogs& dialogs, Id3Tag& tag, QWidget* page);
    QGroupBox* box() const { return box_; }
    QPushButton* editButton() const { return edit_; }

    void load(int option);
    // The checked option, or `option` unchanged when none is checked (a stored value that
    // is none of the three).
    void read(int& option) const;

private:
    void updateEditButton();

    QWidget* page_;
    Dialogs& dialogs_;
    Id3Tag& tag_;
    QGroupBox* box_;
    QButtonGroup* group_;
    QPushButton* edit_;
};

// One radio button of a row: its control id, its (translated) text, and its id in the group.
struct RadioChoice {
    int id;
    QString text;
    int value;
};
// The radio buttons side by side, each in the group under its value, then a stretch; the
// row's widgets belong to parent.
QHBoxLayout* RadioRow(QWidget* parent, QButtonGroup* group, std::initializer_list<RadioChoice> choices);

// Checks the button of a group with this id; with no such button, every button is cleared.
void CheckButton(QButtonGroup* group, int id);

// OK and Cancel (ids IdOk and IdCancel) of the sheet and the tag editor, with our own texts:
// a platform's texts for its standard buttons may carry mnemonics ("&Cancel") that take an Alt
// key from the dialog's own controls.
QDialogButtonBox* OkCancelButtons(QWidget* dialog);

// A label with a mnemonic for a control; the control takes the label's text (without the
// mnemonic) as its accessible name through the buddy.
QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent);

}  // namespace tonvexa
