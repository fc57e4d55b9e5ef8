#include "CPageWMAOptions.h"

#include <QComboBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "settings/AppSettings.h"
#include "ui/options/ControlIds.h"
#include "ui/options/PageControls.h"
#include "wm/WmTypes.h"

namespace tonvexa {

namespace {

constexpr int kAutoItem = -1;
// Formats below this many bit/s are not worth offering.
constexpr std::uint32_t kLowestBitRate = 1000;

struct FormatOf {
    std::uint32_t sampleRate = 0;
    int channels = 0;
};

FormatOf Describe(const WmaFormatRef& ref) {
    const WAVEFORMATEX* format = WaveFormatOf(ref.mediaType);
    if (format == nullptr) return {};
    return {format->nSamplesPerSec, format->nChannels};
}

}  // namespace

CPageWMAOptions::CPageWMAOptions(const WmaFormatList& formats, Dialogs& dialogs, QWidget* parent)
    //: Tab title
    : OptionsPage(tr("WMA Options"), parent), formats_(ShareWmaFormats(formats)) {
    list_ = new QComboBox(this);
    SetControlId(list_, IdWmaFormat);
    //: The first of the formats on offer: the program chooses one to suit each file
    list_->addItem(tr("Auto"), kAutoItem);
    for (std::size_t i = 0; i < formats_.size(); ++i) {
        if (formats_[i].bitRate < kLowestBitRate) continue;
        const FormatOf f = Describe(formats_[i]);
        list_->addItem(FormatLabel(f.sampleRate, formats_[i].bitRate, f.channels),
                       static_cast<int>(i));
    }

    tagOption_ = new TagOptionControls({IdWmaTagAdd, IdWmaTagKeep, IdWmaTagNone, IdWmaTagEdit},
                                       dialogs, tag_, this);
    amplify_ =
        new AmplifyControls(IdWmaAmplify, IdWmaCoefficient, IdWmaCoefficientArrows, dialogs, this);

    auto* layout = new QVBoxLayout(this);
    //: Label of the list of formats, each shown as "44100 Hz, 128 kbps, Stereo"
    layout->addWidget(
        BuddyLabel(tr("&Encoding Options: (Sample Frequency, Bit Rate, Channels)"), list_, this));
    layout->addWidget(list_);
    layout->addSpacing(6);
    layout->addWidget(tagOption_->box());
    layout->addWidget(amplify_->box());
    layout->addStretch(1);
}

QString CPageWMAOptions::FormatLabel(std::uint32_t sampleRate, std::uint32_t bitRate,
                                     int channels) {
    //: A Windows Media Audio format: %1 is its sample rate in hertz, %2 its bit rate in
    //: kilobits per second, %3 its channels (Mono or Stereo)
    return tr("%1 Hz, %2 kbps, %3")
        .arg(sampleRate)
        .arg(bitRate / 1000)
        .arg(channels == 1 ? tr("Mono") : tr("Stereo"));
}

void CPageWMAOptions::LoadFrom(const AppSettings& s) {
    amplifyOn_ = s.AmplifyWMA != 0;
    coefficient_ = s.AmplifyWMACoeff;
    tagOptionValue_ = s.WMAID3TagOpt;
    auto_ = s.AutoDestWMAEncodingParam != 0;
    sampleRate_ = s.WMASampleRate;
    bitRate_ = s.WMABitRate;
    channels_ = s.WMAChannels;
    tag_ = s.WMAID3Tag;
    reinitialize();
}

void CPageWMAOptions::initialize() {
    int selected = -1;
    if (auto_) {
        selected = 0;
    } else {
        // Formats are told apart by whole kbit/s, as the list shows them; of several equal
        // ones the last is taken.
        for (int item = 1; item < list_->count(); ++item) {
            const WmaFormatRef& ref =
                formats_[static_cast<std::size_t>(list_->itemData(item).toInt())];
            const FormatOf f = Describe(ref);
            if (static_cast<std::int64_t>(f.sampleRate) == sampleRate_ &&
                static_cast<std::int64_t>(ref.bitRate / 1000) == bitRate_ / 1000 &&
                f.channels == channels_)
                selected = item;
        }
    }
    list_->setCurrentIndex(selected);
    tagOption_->load(tagOptionValue_);
    amplify_->load(amplifyOn_, coefficient_);
}

void CPageWMAOptions::readExchange() {
    tagOption_->read(tagOptionValue_);
    amplify_->read(amplifyOn_, coefficient_, false);
}

bool CPageWMAOptions::CanLeave() {
    if (!activated()) return true;
    if (!amplify_->read(amplifyOn_, coefficient_, true)) return false;
    readExchange();
    return true;
}

void CPageWMAOptions::SaveTo(AppSettings& s) {
    if (activated()) {
        readExchange();
        const int item = ChosenData(list_).value_or(kAutoItem);
        auto_ = item == kAutoItem;
        if (!auto_) {
            const WmaFormatRef& ref = formats_[static_cast<std::size_t>(item)];
            const FormatOf f = Describe(ref);
            sampleRate_ = static_cast<int>(f.sampleRate);
            channels_ = f.channels;
            bitRate_ = static_cast<int>(ref.bitRate);
        }
    }
    s.AutoDestWMAEncodingParam = auto_ ? 1 : 0;
    if (!auto_) {
        s.WMASampleRate = sampleRate_;
        s.WMABitRate = bitRate_;
        s.WMAChannels = channels_;
    }
    s.AmplifyWMA = amplifyOn_ ? 1 : 0;
    s.AmplifyWMACoeff = coefficient_;
    s.WMAID3TagOpt = tagOptionValue_;
    s.WMAID3Tag = tag_;
}

}  // namespace tonvexa
