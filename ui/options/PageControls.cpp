#include "PageControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "base/Id3Tag.h"
#include "settings/AppSettings.h"
#include "ui/options/ControlIds.h"
#include "ui/options/Id3TagDialog.h"
#include "ui/DialogUnits.h"
#include "ui/Dialogs.h"

namespace tonvexa {

QFont PageFont() {
    QFont font = DialogFont();
    font.setPixelSize(11);
    return font;
}

void SetControlId(QWidget* control, int id) {
    control->setObjectName(QString::number(id));
}

bool SelectItemWithData(QComboBox* combo, int value) {
    const int index = combo->findData(value);
    if (index < 0) return false;
    combo->setCurrentIndex(index);
    return true;
}

void SelectOrFirst(QComboBox* combo, int value) {
    if (!SelectItemWithData(combo, value)) combo->setCurrentIndex(0);
}

std::optional<int> ChosenData(const QComboBox* combo) {
    if (combo->currentIndex() < 0) return std::nullopt;
    bool ok = false;
    const int value = combo->currentData().toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

QHBoxLayout* RadioRow(QWidget* parent, QButtonGroup* group, std::initializer_list<RadioChoice> choices) {
    auto* row = new QHBoxLayout;
    for (const RadioChoice& choice : choices) {
        auto* radio = new QRadioButton(choice.text, parent);
        SetControlId(radio, choice.id);
        group->addButton(radio, choice.value);
        row->addWidget(radio);
    }
    row->addStretch(1);
    return row;
}

void CheckButton(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons()) b->setChecked(false);
    group->setExclusive(true);
}

QDialogButtonBox* OkCancelButtons(QWidget* dialog) {
    auto* box = new QDialogButtonBox(dialog);
    //: Button of the options and of the tag editor; no & letter, which their controls need
    SetControlId(box->addButton(QCoreApplication::translate("PageControls", "OK"),
                                QDialogButtonBox::AcceptRole),
                 IdOk);
    //: Button of the options and of the tag editor; no & letter, which their controls need
    SetControlId(box->addButton(QCoreApplication::translate("PageControls", "Cancel"),
                                QDialogButtonBox::RejectRole),
                 IdCancel);
    return box;
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

DigitsEdit::DigitsEdit(int maxDigits, QWidget* parent) : QLineEdit(parent) {
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    setMaxLength(maxDigits);
}

std::optional<int> DigitsEdit::value() const {
    bool ok = false;
    const int number = text().toInt(&ok);
    if (!ok) return std::nullopt;
    return number;
}

void DigitsEdit::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
            event->accept();
            Q_EMIT stepRequested(event->key() == Qt::Key_Up ? 1 : -1);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

UpDownControl::UpDownControl(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const struct {
        QToolButton* button;
        Qt::ArrowType arrow;
        const char* name;
        int steps;
    } arrows[] = {
        //: Name for screen readers of the arrow that raises the number beside it
        {up_, Qt::UpArrow, QT_TR_NOOP("Up"), 1},
        //: Name for screen readers of the arrow that lowers the number beside it
        {down_, Qt::DownArrow, QT_TR_NOOP("Down"), -1},
    };
    for (const auto& a : arrows) {
        a.button->setArrowType(a.arrow);
        a.button->setAccessibleName(tr(a.name));
        a.button->setFocusPolicy(Qt::NoFocus);
        a.button->setAutoRepeat(true);
        // The arrows share the height of the edit beside them.
        a.button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
        a.button->setFixedWidth(16);
        layout->addWidget(a.button);
        const int steps = a.steps;
        connect(a.button, &QToolButton::clicked, this,
                [this, steps] { Q_EMIT stepRequested(steps); });
    }
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

NumberStepper::NumberStepper(int editId, int upDownId, int maxDigits, int step, int minimum,
                             int maximum, QWidget* parent)
    : QObject(parent),
      edit_(new DigitsEdit(maxDigits, parent)),
      upDown_(new UpDownControl(parent)),
      step_(step),
      minimum_(minimum),
      maximum_(maximum),
      fallback_(minimum) {
    SetControlId(edit_, editId);
    SetControlId(upDown_, upDownId);
    connect(edit_, &DigitsEdit::stepRequested, this, &NumberStepper::step);
    connect(upDown_, &UpDownControl::stepRequested, this, &NumberStepper::step);
}

void NumberStepper::setValue(int value) {
    fallback_ = value;
    edit_->setText(QString::number(value));
}

void NumberStepper::setEnabled(bool enabled) {
    edit_->setEnabled(enabled);
    upDown_->setEnabled(enabled);
}

void NumberStepper::step(int steps) {
    if (!edit_->isEnabled()) return;
    const long long base = edit_->value().value_or(fallback_);
    const long long next =
        std::clamp<long long>(base + static_cast<long long>(steps) * step_, minimum_, maximum_);
    setValue(static_cast<int>(next));
    edit_->selectAll();
    Q_EMIT stepped(static_cast<int>(next));
}

namespace {
constexpr int kAutoPreset = 0;
}  // namespace

PresetControls::PresetControls(int comboId, std::span<const EncodingPreset> presets, QWidget* page)
    : QObject(page), presets_(presets), combo_(new QComboBox(page)) {
    SetControlId(combo_, comboId);
    // Each item carries its position: "Auto" 0, the fixed presets from 1, "Custom" last.
    //: Encoding preset: the program chooses the parameters to suit each file
    combo_->addItem(tr("Auto"), kAutoPreset);
    for (const EncodingPreset& preset : presets_)
        combo_->addItem(tr(preset.label), combo_->count());
    //: Encoding preset: the parameters chosen below it
    combo_->addItem(tr("Custom"), combo_->count());
    customIndex_ = combo_->count() - 1;
    connect(combo_, &QComboBox::activated, this, &PresetControls::presetChosen);
}

void PresetControls::setParameters(QComboBox* sampleRates, QComboBox* seconds,
                                   QButtonGroup* channels) {
    sampleRates_ = sampleRates;
    seconds_ = seconds;
    channels_ = channels;
}

void PresetControls::show(bool automatic, int sampleRate, int second, int channelIndex) {
    int index = customIndex_;
    if (automatic) {
        index = kAutoPreset;
    } else {
        for (std::size_t i = 0; i < presets_.size(); ++i) {
            const EncodingPreset& p = presets_[i];
            if (p.sampleRate == sampleRate && p.second == second && p.channelIndex == channelIndex)
                index = static_cast<int>(i) + 1;
        }
    }
    combo_->setCurrentIndex(index);
    setParametersEnabled(!automatic);
}

bool PresetControls::automatic() const {
    return combo_->currentIndex() == kAutoPreset;
}

void PresetControls::selectCustom() {
    if (combo_->currentIndex() != customIndex_) combo_->setCurrentIndex(customIndex_);
}

void PresetControls::channelClicked(int& channelIndex) {
    const int clicked = channels_->checkedId();
    if (clicked < 0 || clicked == channelIndex) return;
    channelIndex = clicked;
    selectCustom();
}

void PresetControls::setParametersEnabled(bool enabled) {
    sampleRates_->setEnabled(enabled);
    seconds_->setEnabled(enabled);
    for (QAbstractButton* radio : channels_->buttons()) radio->setEnabled(enabled);
}

void PresetControls::presetChosen(int index) {
    if (index == kAutoPreset) {
        setParametersEnabled(false);
        return;
    }
    if (!sampleRates_->isEnabled()) setParametersEnabled(true);
    const EncodingPreset* preset = nullptr;
    if (index != customIndex_) {
        preset = &presets_[static_cast<std::size_t>(index - 1)];
        SelectItemWithData(sampleRates_, preset->sampleRate);
        SelectItemWithData(seconds_, preset->second);
        CheckButton(channels_, preset->channelIndex);
    }
    Q_EMIT chosen(preset);
}

AmplifyControls::AmplifyControls(int checkId, int editId, int upDownId, Dialogs& dialogs,
                                 QWidget* page)
    : QObject(page), page_(page), dialogs_(dialogs) {
    box_ = new QGroupBox(tr("Volume"), page);
    check_ = new QCheckBox(tr("&Amplify / Reduce sound"), box_);
    SetControlId(check_, checkId);
    stepper_ = new NumberStepper(editId, upDownId, 10, kStep, kMinimum, kMaximum, box_);
    //: Name for screen readers of the field of the volume's scale
    edit()->setAccessibleName(tr("Coefficient in percent"));
    edit()->setAlignment(Qt::AlignRight);
    edit()->setMaximumWidth(60);
    auto* row = new QHBoxLayout(box_);
    row->addWidget(check_);
    row->addStretch(1);
    auto* pair = new QHBoxLayout;
    pair->setSpacing(0);
    pair->addWidget(edit());
    pair->addWidget(stepper_->upDown());
    row->addLayout(pair);
    // A sign, not a word.
    row->addWidget(new QLabel(QStringLiteral("%"), box_));

    connect(check_, &QCheckBox::clicked, this, [this] {
        stepper_->setEnabled(check_->isChecked());
        edit()->setFocus(Qt::OtherFocusReason);
        edit()->selectAll();
    });
}

void AmplifyControls::load(bool amplify, int coefficient) {
    check_->setChecked(amplify);
    stepper_->setValue(coefficient);
    stepper_->setEnabled(amplify);
}

bool AmplifyControls::amplify() const {
    return check_->isChecked();
}

bool AmplifyControls::read(bool& amplify, int& coefficient, bool check) {
    const bool on = check_->isChecked();
    const std::optional<int> typed = edit()->value();
    if (check && on) {
        // With scaling off the coefficient is not used, so whatever it holds may stay.
        if (!typed) {
            refuse(tr("Please enter an integer."));
            return false;
        }
        if (*typed < kMinimum || *typed > kMaximum) {
            refuse(tr("Invalid amplification coefficient. It's betwen 10 and 3000."));
            return false;
        }
    }
    amplify = on;
    if (typed) {
        coefficient = *typed;
        stepper_->setFallback(*typed);
    }
    return true;
}

void AmplifyControls::refuse(const QString& text) {
    dialogs_.showMessage(page_, text, MessageIcon::Warning);
    edit()->setFocus(Qt::OtherFocusReason);
    edit()->selectAll();
}

TagOptionControls::TagOptionControls(const Ids& ids, Dialogs& dialogs, Id3Tag& tag, QWidget* page)
    : QObject(page), page_(page), dialogs_(dialogs), tag_(tag) {
    box_ = new QGroupBox(tr("ID3 Tag"), page);
    group_ = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(box_);
    // Each button's id in the group is the option it stands for.
    const struct {
        int id;
        const char* text;
        int option;
    } options[] = {
        //: The output gets the tag edited with "Edit ID3 tag"
        {ids.add, QT_TR_NOOP("Add &ID3 tag"), kTagAddConfigured},
        //: The output gets the source file's tag
        {ids.keep, QT_TR_NOOP("&Keep ID3 tag"), kTagKeepSource},
        {ids.none, QT_TR_NOOP("No ID3 tag"), kTagNone},
    };
    auto* row = new QHBoxLayout;
    for (const auto& o : options) {
        auto* radio = new QRadioButton(tr(o.text), box_);
        SetControlId(radio, o.id);
        group_->addButton(radio, o.option);
        if (o.option == kTagAddConfigured) {
            // "Edit ID3 tag" belongs to "Add", so it follows it on the line and in Tab order.
            edit_ = new QPushButton(tr("Edit ID3 &tag"), box_);
            SetControlId(edit_, ids.edit);
            row->addWidget(radio);
            row->addStretch(1);
            row->addWidget(edit_);
            layout->addLayout(row);
        } else {
            layout->addWidget(radio);
        }
    }
    connect(group_, &QButtonGroup::idToggled, this, [this] { updateEditButton(); });
    connect(edit_, &QPushButton::clicked, this, [this] { EditId3Tag(dialogs_, page_, tag_); });
}

void TagOptionControls::load(int option) {
    // A stored option that is none of the three leaves every button clear.
    CheckButton(group_, option);
    updateEditButton();
}

void TagOptionControls::read(int& option) const {
    if (group_->checkedId() >= 0) option = group_->checkedId();
}

void TagOptionControls::updateEditButton() {
    edit_->setEnabled(group_->checkedId() == kTagAddConfigured);
}

}  // namespace tonvexa
