// The home's bases and translation, and a profile opened the way the window opens it.
#include "cli/clisession.h"

#include <ostream>

#include "app/cp1251.h"
#include "app/paths.h"
#include "cli/commandarguments.h"
#include "session/profileopening.h"

namespace tabrin::cli {

CliSession::CliSession(CliContext& context)
    : m_context(context), m_port(context.err), m_document(m_translator, context.language, m_texts, m_log) {
    m_translator.loadDictionary(context.home / "lang_dict.xml", static_cast<int>(context.language));
}

bool CliSession::loadBases() {
    const auto textFile = bases::TextBase::filePath(m_context.home);
    const auto setFile = bases::SetBase::filePath(m_context.home);
    if (!m_texts.load(textFile, m_port) || !m_texts.readCleanly()) {
        m_context.err << "cannot read the text base " << textFile << '\n';
        return false;
    }
    if (!m_sets.load(setFile, m_port) || !m_sets.readCleanly()) {
        m_context.err << "cannot read the enumeration base " << setFile << '\n';
        return false;
    }
    return true;
}

bool CliSession::loadProfile(const std::string& file) {
    // The profile reader takes the path "stdin" for standard input; a file of that name is named
    // by its absolute path.
    const std::filesystem::path path =
        file == kStandardInput ? std::filesystem::path("stdin") : std::filesystem::absolute(file);
    const xml::TOperationResult result = m_document.load(path);
    if (result.ok()) return true;
    m_context.err << "cannot load " << file << ": code " << result.code << ": "
                  << cp1251::utf16ToUtf8(result.message) << '\n';
    return false;
}

bool CliSession::openProfile(const std::string& file, std::optional<int> configuration) {
    if (!loadProfile(file)) return false;
    const std::string fileName = app::shownPath(app::nativePath(profile().path).filename().native());
    model::checkProfileOrigin(fileName, m_context.settings.vendorToken, profile().vendorToken, m_port, m_translator);
    session::prepareOpenedProfile(m_document, m_texts, m_context.settings.vendorToken, m_context.user, m_port,
                                  m_translator);
    if (configuration) m_document.setCurrent(*configuration);
    return true;
}

}  // namespace tabrin::cli
