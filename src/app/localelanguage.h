// The interface language a fresh installation starts with: Russian only for a Russian locale.
#pragma once

namespace tabrin::app {

/// 0 (Russian) when the user's locale names the language "ru", else 1 (English). The locale is
/// the first non-empty of LC_ALL, LC_MESSAGES and LANG.
int localeDefaultLanguage();

}  // namespace tabrin::app
