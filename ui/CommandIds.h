#pragma once

namespace tonvexa {

// The main window's commands. A command does the same whether it comes from its button, its
// menu item or its shortcut, so each id has one action.
enum CommandId : int {
    IdClose = 1000,
    IdConvertAllMp3 = 1001,
    IdConvertAllWav = 1002,
    IdConvertAllWma = 1003,
    IdOptions = 1014,
    IdAbout = 1017,
    IdAddFolder = 1024,
    IdMinimize = 1030,
    IdHelpButton = 1049,
    IdAddFiles = 1090,
    IdRemoveAll = 1091,
    IdConvertSelectedWma = 32771,
    IdRemove = 32772,
    IdPlaySource = 32775,
    IdConvertSelectedMp3 = 32776,
    IdBrowseSourceFolder = 32777,
    IdConvertSelectedWav = 32779,
    IdBrowseDestinationFolder = 32780,
    IdPlayDestination = 32781,
    IdTellAFriend = 32782,
    IdFeedback = 32783,
    IdHomepage = 32784,
    IdCheckLatestVersion = 32785,
    IdHelpTopics = 57670,
};

}  // namespace tonvexa
