// The file conventions both bases share: a `root` element holding one section of elements.
#include "bases/basefile.h"

#include "app/cp1251.h"
#include "app/filewrite.h"

namespace tabrin::bases {

std::optional<BaseSection> openBaseSection(const std::filesystem::path& file, std::string_view sectionName,
                                           app::MessagePort& port) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
    xml::XMLResults results;
    const xml::XMLNode root = xml::XMLNode::openFileForUser(file, "root", port, &results);
    return BaseSection{root.child(sectionName), results.error == xml::XMLError::None};
}

xml::TOperationResult writeBaseDocument(const xml::XMLNode& document, const std::filesystem::path& file) {
    int systemError = 0;
    const xml::XMLError error = document.writeToFile(file, {}, &systemError);
    if (error == xml::XMLError::None) return {};
    std::string message = std::string(xml::errorText(error)) + ": " + cp1251::fromUtf8(file.string());
    if (systemError != 0) message += " (" + app::systemErrorText(systemError) + ")";
    return {static_cast<int>(error), cp1251::toUtf16(message)};
}

bool isUnreadFile(const std::filesystem::path& unreadFile, const std::filesystem::path& file) {
    if (unreadFile.empty()) return false;
    std::error_code ec;
    return std::filesystem::equivalent(unreadFile, file, ec) || unreadFile == file;
}

xml::TOperationResult unwrittenElementResult(const xml::TOperationResult& written, std::string_view id) {
    return {written.code, u"Элемент с номером '" + cp1251::toUtf16(id) + u"' не записан (" + written.message +
                              u"), база не сохранена."};
}

xml::TOperationResult unreadBaseResult(const std::filesystem::path& file) {
    return {static_cast<int>(xml::XMLError::CannotWriteFile),
            u"Файл '" + cp1251::toUtf16(cp1251::fromUtf8(file.string())) +
                u"' не был прочитан без ошибок и не перезаписан, чтобы не потерять его содержимое."};
}

}  // namespace tabrin::bases
