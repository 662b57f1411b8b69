// Qt's own translation of its standard texts (dialog buttons, the file dialog) for the interface
// language.
#include "ui/qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tabrin::ui {

QtTranslation::QtTranslation(app::Language language) {
    if (language != app::Language::Russian) return;
    if (m_translator.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        m_installed = QCoreApplication::installTranslator(&m_translator);
}

QtTranslation::~QtTranslation() {
    if (m_installed) QCoreApplication::removeTranslator(&m_translator);
}

}  // namespace tabrin::ui
