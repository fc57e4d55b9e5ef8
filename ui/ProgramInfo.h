#pragma once

namespace tonvexa {

// Where the program's web commands lead, and the version they and the About box name.
inline constexpr char kHomePage[] = "https://www.tonvexa.example/";
inline constexpr char kHomeHost[] = "www.tonvexa.example";
inline constexpr char kUpdatePage[] =
    "https://www.tonvexa.example/checkforupdates/?ver=2.1&build=791";
inline constexpr char kSupportMail[] = "mailto:support@tonvexa.example";
inline constexpr char kTellAFriendMail[] =
    "mailto:?subject=Tonvexa - very COOL application!!!&body=Download from "
    "https://www.tonvexa.example/";
inline constexpr char kLameHomePage[] = "https://lame.sourceforge.io/";
inline constexpr char kVersion[] = "2.1";
inline constexpr char kBuild[] = "791";

}  // namespace tonvexa
