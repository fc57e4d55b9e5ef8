#pragma once

#include "ui/options/OptionsPage.h"

class QButtonGroup;
class QComboBox;

namespace tonvexa {

class AmplifyControls;
class Dialogs;
class PresetControls;
struct EncodingPreset;

// "WAV Options": a preset or the sample rate, sample width and channels of WAV output, and
// its volume scaling.
class COptWavPage : public OptionsPage {
    Q_OBJECT

public:
    // Channel indices of the radio buttons (the channel count less one).
    enum ChannelIndex { Mono = 0, Stereo = 1 };

    explicit COptWavPage(Dialogs& dialogs, QWidget* parent = nullptr);

    void LoadFrom(const AppSettings& settings) override;
    void SaveTo(AppSettings& settings) override;
    bool CanLeave() override;

protected:
    void initialize() override;

private:
    void presetChosen(const EncodingPreset* preset);
    // A rate or width chosen in its list: "Custom" when it differs from the page's.
    void parameterChosen(QComboBox* list, int& value);
    void readExchange();

    PresetControls* presets_;
    QComboBox* sampleRates_;
    QComboBox* widths_;
    QButtonGroup* channels_;
    AmplifyControls* amplify_;

    // The page's values.
    int channelIndex_ = Stereo;
    int coefficient_ = 100;
    bool amplifyOn_ = false;
    bool auto_ = true;
    int bits_ = 16;
    int sampleRate_ = 44100;
};

}  // namespace tonvexa
