#include "COptMp3Page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

#include "settings/AppSettings.h"
#include "ui/options/ControlIds.h"
#include "ui/options/PageControls.h"
#include "ui/HyperlinkLabel.h"

namespace tonvexa {

namespace {

// The fixed presets between "Auto" and "Custom": sample rate, bit rate, channels. The preset
// list translates their texts.
constexpr EncodingPreset kPresets[] = {
    {QT_TRANSLATE_NOOP("tonvexa::PresetControls",
                       "11025 Hz, 16 kbps, Mono (low quality, smaller file size)"),
     11025, 16, COptMp3Page::Mono},
    {QT_TRANSLATE_NOOP("tonvexa::PresetControls",
                       "22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)"),
     22050, 32, COptMp3Page::JointStereo},
    {QT_TRANSLATE_NOOP("tonvexa::PresetControls",
                       "32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)"),
     32000, 96, COptMp3Page::JointStereo},
    {QT_TRANSLATE_NOOP("tonvexa::PresetControls",
                       "44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)"),
     44100, 128, COptMp3Page::JointStereo},
};

constexpr int kBitRates[] = {8,  16,  24,  32,  40,  48,  56,  64,  80,
                             96, 112, 128, 144, 160, 192, 224, 256, 320};
constexpr int kSampleRates[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};

bool IsOneOf(int value, std::initializer_list<int> values) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

// The sample rate that a newly chosen bit rate needs (the encoder offers low bit rates only at
// low sample rates, and high ones only at high rates).
int RateForBitRate(int bitRate, int rate) {
    if (IsOneOf(bitRate, {8, 16, 24}) && rate > 24000) return 24000;
    if (IsOneOf(bitRate, {80, 96, 112, 128, 144, 160}) && rate < 16000) return 16000;
    if (IsOneOf(bitRate, {192, 224, 256, 320}) && rate < 32000) return 32000;
    return rate;
}

// The bit rate that a newly chosen sample rate needs.
int BitRateForRate(int rate, int bitRate) {
    if (IsOneOf(rate, {8000, 11025, 12000}) && bitRate > 64) return 64;
    if (IsOneOf(rate, {16000, 22050, 24000}) && bitRate > 160) return 160;
    if (IsOneOf(rate, {32000, 44100, 48000}) && bitRate < 32) return 32;
    return bitRate;
}

}  // namespace

COptMp3Page::COptMp3Page(Dialogs& dialogs, UrlOpener& opener, QWidget* parent)
    //: Tab title
    : OptionsPage(tr("MP3 Options"), parent) {
    presets_ = new PresetControls(IdMp3Preset, kPresets, this);

    //: Group of the encoding parameters
    auto* parameters = new QGroupBox(tr("Parameters"), this);
    sampleRates_ = new QComboBox(parameters);
    SetControlId(sampleRates_, IdMp3SampleRate);
    for (int rate : kSampleRates) {
        //: %1 is a sample rate in hertz
        sampleRates_->addItem(tr("%1 Hz").arg(rate), rate);
    }
    bitRates_ = new QComboBox(parameters);
    SetControlId(bitRates_, IdMp3BitRate);
    for (int rate : kBitRates) {
        //: %1 is a bit rate in kilobits per second
        bitRates_->addItem(tr("%1 kbps").arg(rate), rate);
    }

    channels_ = new QButtonGroup(this);
    QHBoxLayout* channelRow = RadioRow(parameters, channels_,
                                       {
                                           //: Channel mode of MP3 output
                                           {IdMp3JointStereo, tr("&Joint Stereo"), JointStereo},
                                           //: Channel mode of MP3 output
                                           {IdMp3Stereo, tr("&Stereo"), Stereo},
                                           //: Channel mode of MP3 output
                                           {IdMp3Mono, tr("&Mono"), Mono},
                                       });
    //: A link to a web search that explains the difference
    stereoLink_ = new HyperlinkLabel(tr("Joint Stereo vs. Stereo"), parameters);
    //: A link to the web site of LAME, the MP3 encoder's name
    lameLink_ = new HyperlinkLabel(tr("The program uses LAME MP3 encoder."), this);
    const struct {
        HyperlinkLabel* link;
        int id;
        const char* url;
    } links[] = {{stereoLink_, IdJointStereoLink, kJointStereoSearchUrl},
                 {lameLink_, IdLameLink, kLameHomeUrl}};
    for (const auto& l : links) {
        SetControlId(l.link, l.id);
        l.link->SetUrl(QString::fromLatin1(l.url));
        l.link->SetUnderline(HyperlinkLabel::UnderlineAlways);
        l.link->setUrlOpener(&opener);
        l.link->setDialogs(&dialogs);
    }
    channelRow->addWidget(stereoLink_);

    auto* grid = new QGridLayout(parameters);
    grid->addWidget(BuddyLabel(tr("Sample &Frequency:"), sampleRates_, parameters), 0, 0);
    grid->addWidget(sampleRates_, 0, 1);
    grid->addWidget(BuddyLabel(tr("&Bit Rate:"), bitRates_, parameters), 1, 0);
    grid->addWidget(bitRates_, 1, 1);
    grid->addLayout(channelRow, 2, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    presets_->setParameters(sampleRates_, bitRates_, channels_);
    tagOption_ = new TagOptionControls({IdMp3TagAdd, IdMp3TagKeep, IdMp3TagNone, IdMp3TagEdit},
                                       dialogs, tag_, this);
    amplify_ =
        new AmplifyControls(IdMp3Amplify, IdMp3Coefficient, IdMp3CoefficientArrows, dialogs, this);

    auto* layout = new QVBoxLayout(this);
    auto* presetRow = new QHBoxLayout;
    //: Label of the list of presets (Auto, fixed ones, Custom); the & letters of a page's
    //: controls differ from one another
    presetRow->addWidget(BuddyLabel(tr("&Encoding Options:"), presets_->combo(), this));
    presetRow->addWidget(presets_->combo(), 1);
    layout->addLayout(presetRow);
    layout->addWidget(parameters);
    layout->addWidget(lameLink_, 0, Qt::AlignLeft);
    layout->addWidget(tagOption_->box());
    layout->addWidget(amplify_->box());
    layout->addStretch(1);

    connect(presets_, &PresetControls::chosen, this, &COptMp3Page::presetChosen);
    connect(bitRates_, &QComboBox::activated, this, &COptMp3Page::bitRateChosen);
    connect(sampleRates_, &QComboBox::activated, this, &COptMp3Page::sampleRateChosen);
    connect(channels_, &QButtonGroup::idClicked, this,
            [this] { presets_->channelClicked(channelIndex_); });
}

std::int32_t COptMp3Page::ModeOfChannelIndex(int index) {
    switch (index) {
        case JointStereo:
            return kMp3JointStereo;
        case Stereo:
            return kMp3Stereo;
        default:
            return kMp3Mono;
    }
}

int COptMp3Page::ChannelIndexOfMode(std::int32_t mode) {
    switch (mode) {
        case kMp3JointStereo:
            return JointStereo;
        case kMp3Stereo:
            return Stereo;
        default:
            return Mono;
    }
}

void COptMp3Page::LoadFrom(const AppSettings& s) {
    auto_ = s.AutoDestMP3EncodingParam != 0;
    bitRate_ = s.MP3BitRate;
    sampleRate_ = s.MP3SampleRate;
    channelIndex_ = ChannelIndexOfMode(s.MP3ChannelMode);
    tagOptionValue_ = s.ID3TagOpt;
    tag_ = s.ID3Tag;
    amplifyOn_ = s.AmplifyMp3 != 0;
    coefficient_ = s.AmplifyMp3Coeff;
    reinitialize();
}

void COptMp3Page::initialize() {
    presets_->show(auto_, sampleRate_, bitRate_, channelIndex_);
    SelectOrFirst(bitRates_, bitRate_);
    SelectOrFirst(sampleRates_, sampleRate_);
    CheckButton(channels_, channelIndex_);
    tagOption_->load(tagOptionValue_);
    amplify_->load(amplifyOn_, coefficient_);
}

void COptMp3Page::readExchange() {
    if (channels_->checkedId() >= 0) channelIndex_ = channels_->checkedId();
    tagOption_->read(tagOptionValue_);
    amplify_->read(amplifyOn_, coefficient_, false);
}

void COptMp3Page::presetChosen(const EncodingPreset* preset) {
    readExchange();
    if (preset == nullptr) return;
    bitRate_ = preset->second;
    sampleRate_ = preset->sampleRate;
    channelIndex_ = preset->channelIndex;
}

void COptMp3Page::bitRateChosen() {
    const int bitRate = ChosenData(bitRates_).value_or(bitRate_);
    if (bitRate == bitRate_) return;
    const int chosenRate = ChosenData(sampleRates_).value_or(sampleRate_);
    const int rate = RateForBitRate(bitRate, chosenRate);
    if (rate != chosenRate) SelectItemWithData(sampleRates_, rate);
    presets_->selectCustom();
    sampleRate_ = rate;
    bitRate_ = bitRate;
}

void COptMp3Page::sampleRateChosen() {
    const int rate = ChosenData(sampleRates_).value_or(sampleRate_);
    if (rate == sampleRate_) return;
    const int chosenBitRate = ChosenData(bitRates_).value_or(bitRate_);
    const int bitRate = BitRateForRate(rate, chosenBitRate);
    if (bitRate != chosenBitRate) SelectItemWithData(bitRates_, bitRate);
    presets_->selectCustom();
    sampleRate_ = rate;
    bitRate_ = bitRate;
}

bool COptMp3Page::CanLeave() {
    if (!activated()) return true;
    if (!amplify_->read(amplifyOn_, coefficient_, true)) return false;
    readExchange();
    return true;
}

void COptMp3Page::SaveTo(AppSettings& s) {
    if (activated()) {
        readExchange();
        auto_ = presets_->automatic();
        bitRate_ = ChosenData(bitRates_).value_or(bitRate_);
        sampleRate_ = ChosenData(sampleRates_).value_or(sampleRate_);
    }
    s.AutoDestMP3EncodingParam = auto_ ? 1 : 0;
    // With "Auto" the last chosen parameters stay for the next time they are wanted.
    if (!auto_) {
        s.MP3BitRate = bitRate_;
        s.MP3SampleRate = sampleRate_;
        s.MP3ChannelMode = ModeOfChannelIndex(channelIndex_);
    }
    s.ID3TagOpt = tagOptionValue_;
    s.ID3Tag = tag_;
    s.AmplifyMp3 = amplifyOn_ ? 1 : 0;
    s.AmplifyMp3Coeff = coefficient_;
}

}  // namespace tonvexa
