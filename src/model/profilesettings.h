// The generation settings a profile keeps in its `dictionary_settings` element.
#pragma once

#include <string>
#include <string_view>

namespace tabrin::model {

/// What an empty or absent address or include text of the C-code series stands for. Module 2's
/// user part starts, like module 1's, at module 1's name.
inline constexpr std::string_view kModule1Start = "CO1_SPI_START_ADDR";
inline constexpr std::string_view kModule2Start = "CO2_SPI_START_ADDR";
inline constexpr std::string_view kDefaultPUTextsHInc = "\"DSP.h\"";
inline constexpr std::string_view kDefaultPUTextsCInc = "\"PU_Texts.h\"";

/// Output of the controller file: C code, or assembler for the x24 processors.
enum class ProcessorSeries { CCode, Assembler };

struct ProfileSettings {
    std::string group_set;  // number of the enumeration naming the groups
    ProcessorSeries proc_series = ProcessorSeries::CCode;
    bool Vost_inc = false;  // assembler: comment out the include of vost.inc
    int prefix = 0;         // CAN module: 0 single, 1 first, 2 second
    std::string AddrComm1;
    std::string AddrUser1;
    std::string AddrComm2;
    std::string AddrUser2;
    bool BigYA = false;
    bool M3Includes = false;
    bool FormatType = false;  // encrypt the format words
    bool GenVostCToFolder = false;
    std::string VostCFolder;
    bool GenPUTextsToFolder = false;
    int PUCodeType = 0;
    int PUTextsType = 2;
    int PUEnumsType = 2;
    bool PUUseOtherEnumIfNoGiven = true;
    std::string PUTextsHPath;
    std::string PUTextsHInc;
    std::string PUTextsCPath;
    std::string PUTextsCInc;
    bool old_groups = false;

    bool operator==(const ProfileSettings&) const = default;
};

}  // namespace tabrin::model
