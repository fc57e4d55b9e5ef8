#pragma once

#include <vector>

#include "base/Id3Tag.h"
#include "settings/AppSettings.h"
#include "ui/options/OptionsPage.h"
#include "wm/WmaFormatList.h"

class QComboBox;

namespace tonvexa {

class AmplifyControls;
class Dialogs;
class TagOptionControls;

// "WMA Options": one of the Windows Media Audio formats that the encoder offers, or "Auto";
// the tag for Windows Media output; its volume scaling.
class CPageWMAOptions : public OptionsPage {
    Q_OBJECT

public:
    // The page shares the formats' media types with the list, which must outlive it.
    CPageWMAOptions(const WmaFormatList& formats, Dialogs& dialogs, QWidget* parent = nullptr);

    void LoadFrom(const AppSettings& settings) override;
    void SaveTo(AppSettings& settings) override;
    bool CanLeave() override;

    // An entry's text in the list: "%d Hz, %d kbps, %s".
    static QString FormatLabel(std::uint32_t sampleRate, std::uint32_t bitRate, int channels);

protected:
    void initialize() override;

private:
    void readExchange();

    std::vector<WmaFormatRef> formats_;
    QComboBox* list_;
    TagOptionControls* tagOption_;
    AmplifyControls* amplify_;

    // The page's values.
    bool amplifyOn_ = false;
    int coefficient_ = 100;
    int tagOptionValue_ = kTagNone;
    bool auto_ = true;
    int sampleRate_ = 44100;
    int bitRate_ = 128000;
    int channels_ = 2;
    Id3Tag tag_;
};

}  // namespace tonvexa
