// How a generation ended.
#pragma once

namespace tabrin::generators {

/// Refused: the check failed or the user's input was refused; the questions asked have said why.
/// Failed: the result's error says why.
enum class GenerationStatus { Generated, Refused, Failed };

}  // namespace tabrin::generators
