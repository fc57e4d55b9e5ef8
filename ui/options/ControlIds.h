#pragma once

namespace tonvexa {

// The ids of the controls of the options sheet and the tag editor, which are their object
// names (SetControlId): tests and tools find a control by its id, so within one window an id
// names one control.

// The buttons that close the sheet and the tag editor.
enum DialogButtonId : int {
    IdOk = 1,
    IdCancel = 2,
};

// The options sheet. Its pages share the sheet's window, so the controls that two pages have
// alike (the tag option, the volume scaling) carry ids of their own on each page.
enum OptionsControlId : int {
    // MP3 Options
    IdMp3Preset = 1050,
    IdMp3SampleRate = 1042,
    IdMp3BitRate = 1041,
    IdMp3JointStereo = 1047,
    IdMp3Stereo = 1046,
    IdMp3Mono = 1045,
    IdJointStereoLink = 1093,
    IdLameLink = 1094,
    IdMp3TagAdd = 1095,
    IdMp3TagKeep = 1096,
    IdMp3TagNone = 1097,
    IdMp3TagEdit = 1004,
    IdMp3Amplify = 1026,
    IdMp3Coefficient = 1006,
    IdMp3CoefficientArrows = 1008,
    // WMA Options
    IdWmaFormat = 1014,
    IdWmaTagAdd = 1105,
    IdWmaTagKeep = 1106,
    IdWmaTagNone = 1107,
    IdWmaTagEdit = 1104,
    IdWmaAmplify = 1017,
    IdWmaCoefficient = 1018,
    IdWmaCoefficientArrows = 1108,
    // WAV Options
    IdWavPreset = 1051,
    IdWavSampleRate = 1044,
    IdWavBits = 1043,
    IdWavMono = 1060,
    IdWavStereo = 1061,
    IdWavAmplify = 1028,
    IdWavCoefficient = 1011,
    IdWavCoefficientArrows = 1015,
    // Output Options
    IdOutputPlace = 1056,
    IdOutputFolder = 1039,
    IdOutputBrowse = 1040,
    IdCreateDirs = 1019,
    IdCreateDirsExample = 1083,
    IdBrowseOutput = 1092,
    IdSimultaneousConversions = 1109,
};

// The tag editor, a window of its own.
enum TagEditorControlId : int {
    IdNameAsFileName = 1025,
    IdTagTitle = 1012,
    IdTagTrack = 1017,
    IdTagTrackArrows = 1022,
    IdTagArtist = 1016,
    IdTagAlbum = 1018,
    IdTagYear = 1020,
    IdTagGenre = 1023,
    IdTagComment = 1021,
};

}  // namespace tonvexa
