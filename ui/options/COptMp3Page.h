#pragma once

#include <cstdint>

#include "base/Id3Tag.h"
#include "settings/AppSettings.h"
#include "ui/options/OptionsPage.h"

class QButtonGroup;
class QComboBox;

namespace tonvexa {

class AmplifyControls;
class Dialogs;
class HyperlinkLabel;
class PresetControls;
class TagOptionControls;
struct EncodingPreset;
class UrlOpener;

// "MP3 Options": a preset or the sample rate, bit rate and channel mode of MP3 output (kept
// compatible with each other as the encoder needs), the tag for MP3 output, and its volume
// scaling.
class COptMp3Page : public OptionsPage {
    Q_OBJECT

public:
    // Channel indices of the radio buttons.
    enum ChannelIndex { JointStereo = 0, Stereo = 1, Mono = 2 };

    static constexpr const char* kJointStereoSearchUrl =
        "https://www.google.com/search?q=joint+stereo+vs+stereo";
    static constexpr const char* kLameHomeUrl = "https://lame.sourceforge.io/";

    COptMp3Page(Dialogs& dialogs, UrlOpener& opener, QWidget* parent = nullptr);

    void LoadFrom(const AppSettings& settings) override;
    void SaveTo(AppSettings& settings) override;
    bool CanLeave() override;

    // The encoder's channel mode for a channel index, and back (a mode that is not one of
    // the three shows as mono).
    static std::int32_t ModeOfChannelIndex(int index);
    static int ChannelIndexOfMode(std::int32_t mode);

protected:
    void initialize() override;

private:
    void presetChosen(const EncodingPreset* preset);
    void bitRateChosen();
    void sampleRateChosen();
    // Takes the radio groups, the check box and a typed coefficient into the page's values.
    void readExchange();

    PresetControls* presets_;
    QComboBox* sampleRates_;
    QComboBox* bitRates_;
    QButtonGroup* channels_;
    HyperlinkLabel* stereoLink_;
    HyperlinkLabel* lameLink_;
    TagOptionControls* tagOption_;
    AmplifyControls* amplify_;

    // The page's values.
    int coefficient_ = 100;
    bool amplifyOn_ = false;
    int channelIndex_ = JointStereo;
    int tagOptionValue_ = kTagNone;
    bool auto_ = true;
    int bitRate_ = 128;
    int sampleRate_ = 44100;
    Id3Tag tag_;
};

}  // namespace tonvexa
