// The kinds a profile names by text in an object's format: the format type ("Type"), the kind of a
// float ("FloatType") and the access ("DataType"). The file's texts stay in the objects as they
// are, unknown ones included, so that saving gives the same bytes; the program compares kinds.
#pragma once

#include <string_view>

namespace tabrin::model {

enum class FormatType { Unknown, Root, Bit, StandartNum, IQ, Float };
enum class FloatKind { Unknown, Absolute, Relative };
enum class Access { Unknown, Viewable, Editable, Protected, Secret };

/// The kind a text names; Unknown for any text the table lacks.
FormatType formatTypeOf(std::string_view text);
FloatKind floatKindOf(std::string_view text);
Access accessOf(std::string_view text);

/// The text a profile file names a kind by; empty for Unknown.
std::string_view formatTypeText(FormatType type);
std::string_view floatKindText(FloatKind kind);
std::string_view accessText(Access access);

}  // namespace tabrin::model
