#pragma once

#include <string_view>

class QWidget;

namespace tessora {

// Result codes of ShellExecute: above 32 means the file or address was handed on.
namespace shell {
constexpr int kOpened = 42;
constexpr int kNoAssociation = 31;  // SE_ERR_NOASSOC: nothing is there to open it with
constexpr int kShowNormal = 1;      // SW_SHOWNORMAL
}  // namespace shell

// Opens a web address or file with the user's program for it (the operation "open", in any
// case, or empty); a web address goes to the user's web browser. Other operations are not
// supported and give kNoAssociation. owner, parameters, directory and showCommand are accepted
// for the caller's sake and not needed here. Never raises a message: failures only show in the
// result, which callers may ignore.
int ShellExecute(QWidget* owner, std::string_view operation, std::string_view file,
                 std::string_view parameters, std::string_view directory, int showCommand);

}  // namespace tessora
