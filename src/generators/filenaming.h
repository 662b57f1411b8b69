// The names of the controller file's copies: the folder copy named after the CAN module and the
// configuration, and the transliteration that makes a configuration name fit a file name.
#pragma once

#include <string>
#include <string_view>

namespace tabrin::model {
class Profile;
}

namespace tabrin::generators {

/// `name` with Russian letters written in Latin ones ("Насос" gives "Nasos") and the characters a
/// file name cannot hold replaced or dropped (blank, control characters such as a line break or a
/// tab, "\" and "/" give "_", "?" is dropped).
std::string transliterateName(std::string_view name);

/// "vost.c", "vost1.c" or "vost2.c" by the CAN module, with "_" and the transliterated name of the
/// current configuration before ".c" when that is not the base profile.
std::string controllerFileBaseName(const model::Profile& profile);

/// The full path of the folder copy: the file named by `controllerFileBaseName` in the folder
/// `VostCFolder` (relative to the profile's folder, or absolute; written with "\" or "/"). Empty
/// when no folder is set or it does not exist.
std::string controllerFileName(const model::Profile& profile);

}  // namespace tabrin::generators
