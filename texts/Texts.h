#pragma once

// The words the window and the converter show for the engine's values, in the user's
// language through Qt's translation system. Without a translation they are the program's
// own English texts, byte for byte. Texts come as UTF-8.

#include <QString>

#include <functional>
#include <initializer_list>
#include <string>

#include "engine/AddFailureReport.h"
#include "engine/AudioFormat.h"
#include "engine/BatchDriver.h"

namespace tonvexa {

// A row's status: the output's file name once converted, otherwise why not.
std::string StatusText(const JobOutcome& outcome);
// A row's status while its job runs: "Converting...".
std::string ConvertingText();

// The batch line: "Converting <begun> of <count> file(s) to MP3..." (WMA, WAV).
std::string BatchLine(int begun, int count, AudioFormatCode target);
// The running file's line: "Converting <name>...<percent>%".
std::string FileLine(const std::string& fileName, int percent);

// Puts the arguments in for %1, %2, ... of a translated text in one pass, as bytes: a path
// that is not UTF-8 keeps its bytes, and an argument that holds "%2" stays as it is.
std::string FillIn(const QString& text, std::initializer_list<std::string> args);

std::string NoSelectionMessage();
std::string EmptyListMessage();

// "Failed to load the following files.", the paths (each as `shown` writes it: the window
// shows text, the terminal the bytes), and where to get help.
using ShownPath = std::function<std::string(const std::string& path)>;
std::string LoadFailureMessage(const AddFailureReport& report, const ShownPath& shown = {});

}  // namespace tonvexa
