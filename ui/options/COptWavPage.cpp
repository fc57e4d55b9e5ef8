#include "COptWavPage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <initializer_list>

#include "settings/AppSettings.h"
#include "ui/options/ControlIds.h"
#include "ui/options/PageControls.h"

namespace tonvexa {

namespace {

// The fixed presets between "Auto" and "Custom": sample rate, sample width, channels. The
// preset list translates their texts.
constexpr EncodingPreset kPresets[] = {
    {QT_TRANSLATE_NOOP("tonvexa::PresetControls",
                       "11025 Hz, 8 bits, Mono (low quality, smaller file size)"),
     11025, 8, COptWavPage::Mono},
    {QT_TRANSLATE_NOOP("tonvexa::PresetControls",
                       "22050 Hz, 16 bits, Stereo (OK quality, small size)"),
     22050, 16, COptWavPage::Stereo},
    {QT_TRANSLATE_NOOP("tonvexa::PresetControls",
                       "32000 Hz, 16 bits, Stereo (medium quality, normal size)"),
     32000, 16, COptWavPage::Stereo},
    {QT_TRANSLATE_NOOP("tonvexa::PresetControls",
                       "44100Hz, 16 bits, Stereo (high quality, large size)"),
     44100, 16, COptWavPage::Stereo},
};

constexpr int kSampleRates[] = {6000,  8000,  11025, 12000, 16000, 22050,
                                24000, 32000, 44100, 48000, 88200, 96000};

}  // namespace

COptWavPage::COptWavPage(Dialogs& dialogs, QWidget* parent)
    //: Tab title
    : OptionsPage(tr("WAV Options"), parent) {
    presets_ = new PresetControls(IdWavPreset, kPresets, this);

    //: Group of the encoding parameters
    auto* parameters = new QGroupBox(tr("Parameters"), this);
    sampleRates_ = new QComboBox(parameters);
    SetControlId(sampleRates_, IdWavSampleRate);
    for (int rate : kSampleRates) {
        //: %1 is a sample rate in hertz
        sampleRates_->addItem(tr("%1 Hz").arg(rate), rate);
    }
    widths_ = new QComboBox(parameters);
    SetControlId(widths_, IdWavBits);
    for (int bits : {8, 16}) {
        //: A sample width: %n is 8 or 16
        widths_->addItem(tr("%n bits", nullptr, bits), bits);
    }

    channels_ = new QButtonGroup(this);
    QHBoxLayout* channelRow = RadioRow(parameters, channels_,
                                       {
                                           //: Channels of WAV output
                                           {IdWavMono, tr("&Mono"), Mono},
                                           //: Channels of WAV output
                                           {IdWavStereo, tr("&Stereo"), Stereo},
                                       });

    auto* grid = new QGridLayout(parameters);
    grid->addWidget(BuddyLabel(tr("Sample &Frequency:"), sampleRates_, parameters), 0, 0);
    grid->addWidget(sampleRates_, 0, 1);
    //: Label of the list of sample widths (8 bits, 16 bits)
    grid->addWidget(BuddyLabel(tr("&Bits:"), widths_, parameters), 1, 0);
    grid->addWidget(widths_, 1, 1);
    grid->addLayout(channelRow, 2, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    presets_->setParameters(sampleRates_, widths_, channels_);
    amplify_ =
        new AmplifyControls(IdWavAmplify, IdWavCoefficient, IdWavCoefficientArrows, dialogs, this);

    auto* layout = new QVBoxLayout(this);
    auto* presetRow = new QHBoxLayout;
    //: Label of the list of presets (Auto, fixed ones, Custom); the & letters of a page's
    //: controls differ from one another
    presetRow->addWidget(BuddyLabel(tr("&Encoding Options:"), presets_->combo(), this));
    presetRow->addWidget(presets_->combo(), 1);
    layout->addLayout(presetRow);
    layout->addWidget(parameters);
    layout->addWidget(amplify_->box());
    layout->addStretch(1);

    connect(presets_, &PresetControls::chosen, this, &COptWavPage::presetChosen);
    connect(sampleRates_, &QComboBox::activated, this,
            [this] { parameterChosen(sampleRates_, sampleRate_); });
    connect(widths_, &QComboBox::activated, this, [this] { parameterChosen(widths_, bits_); });
    connect(channels_, &QButtonGroup::idClicked, this,
            [this] { presets_->channelClicked(channelIndex_); });
}

void COptWavPage::LoadFrom(const AppSettings& s) {
    auto_ = s.AutoDestWAVEncodingParam != 0;
    sampleRate_ = s.WAVSampleRate;
    channelIndex_ = s.WAVChannelNum - 1;
    bits_ = s.WAVBitsPerSample;
    amplifyOn_ = s.AmplifyWav != 0;
    coefficient_ = s.AmplifyWavCoeff;
    reinitialize();
}

void COptWavPage::initialize() {
    presets_->show(auto_, sampleRate_, bits_, channelIndex_);
    SelectOrFirst(widths_, bits_);
    SelectOrFirst(sampleRates_, sampleRate_);
    CheckButton(channels_, channelIndex_);
    amplify_->load(amplifyOn_, coefficient_);
}

void COptWavPage::readExchange() {
    if (channels_->checkedId() >= 0) channelIndex_ = channels_->checkedId();
    amplify_->read(amplifyOn_, coefficient_, false);
}

void COptWavPage::presetChosen(const EncodingPreset* preset) {
    readExchange();
    if (preset == nullptr) return;
    bits_ = preset->second;
    sampleRate_ = preset->sampleRate;
    channelIndex_ = preset->channelIndex;
}

void COptWavPage::parameterChosen(QComboBox* list, int& value) {
    const std::optional<int> chosen = ChosenData(list);
    if (!chosen || *chosen == value) return;
    presets_->selectCustom();
    value = *chosen;
}

bool COptWavPage::CanLeave() {
    if (!activated()) return true;
    if (!amplify_->read(amplifyOn_, coefficient_, true)) return false;
    readExchange();
    return true;
}

void COptWavPage::SaveTo(AppSettings& s) {
    if (activated()) {
        readExchange();
        auto_ = presets_->automatic();
        bits_ = ChosenData(widths_).value_or(bits_);
        sampleRate_ = ChosenData(sampleRates_).value_or(sampleRate_);
    }
    s.AutoDestWAVEncodingParam = auto_ ? 1 : 0;
    if (!auto_) {
        s.WAVSampleRate = sampleRate_;
        s.WAVChannelNum = channelIndex_ + 1;
        s.WAVBitsPerSample = bits_;
    }
    s.AmplifyWav = amplifyOn_ ? 1 : 0;
    s.AmplifyWavCoeff = coefficient_;
}

}  // namespace tonvexa
