// The generation of the controller dictionary file: the C file, or the assembler file for the x24
// processors, from the profile's current view.
#pragma once

#include <string>

#include "generators/generationstatus.h"
#include "model/services.h"

namespace tabrin::model {
class Profile;
}

namespace tabrin::generators {

struct ControllerFile {
    GenerationStatus status = GenerationStatus::Refused;
    std::string text;        // Windows-1251, CR LF after every line; empty unless generated
    std::string folderCopy;  // the folder copy written (`controllerFileName`), or empty
    std::string error;       // Windows-1251; set when the generation failed

    bool writtenToFolder() const { return !folderCopy.empty(); }
};

/// Runs the check before generation with its questions and writes the file of the profile's
/// series: the C file, saved also as the folder copy when the profile asks for it, or the assembler
/// file, saved as vost.asm in the program's folder. The scale-coefficient objects are expected to
/// hold their defaults from the scale table already (`Profile::takeScaleCoefficients`). With
/// `BigYA`, every "я" of the returned text is "Я"; the saved copies keep the small letter. A failed
/// check returns nothing and saves nothing; so does a failure, which `error` explains.
ControllerFile generateControllerFile(const model::Profile& profile, const model::Services& context);

}  // namespace tabrin::generators
