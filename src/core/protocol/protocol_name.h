// The name of the protocol file that belongs to a data file.
#pragma once

#include <string>
#include <string_view>

namespace protocol {

// The first ".d" of the file-name part (not the very first character of the name) becomes
// ".z": C:\DATA\A12.dhn -> C:\DATA\A12.zhn. Directory names are never touched. Without a
// lower-case ".d" the first upper-case ".D" becomes ".Z" (X.DHN -> X.ZHN); a name with
// neither gets ".z" appended. The result is never the data file's own name.
std::string protocolFileName(std::string_view dataFileName);

// True when a name ends in one of the four data-file extensions (any letter case): the
// protocol is never written over such a file.
bool looksLikeDataFile(std::string_view fileName);

}  // namespace protocol
