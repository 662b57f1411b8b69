// The interface language, fixed for the run.
#pragma once

namespace tabrin::app {

enum class Language { Russian = 0, English = 1 };

}  // namespace tabrin::app
