// Qt's own translation of its standard texts (dialog buttons, the file dialog) for the interface
// language.
#pragma once

#include <QTranslator>

#include "app/language.h"

namespace tabrin::ui {

/// For the Russian interface, loads Qt's Russian translation ("qtbase_ru.qm" of Qt's translations
/// folder) and installs it on the application for as long as this object lives, so that the
/// standard buttons say "Да" and "Отмена". The English interface keeps Qt's English texts, and so
/// does a system without the translation file.
class QtTranslation {
public:
    explicit QtTranslation(app::Language language);
    ~QtTranslation();
    QtTranslation(const QtTranslation&) = delete;
    QtTranslation& operator=(const QtTranslation&) = delete;

    bool isInstalled() const { return m_installed; }

private:
    QTranslator m_translator;
    bool m_installed = false;
};

}  // namespace tabrin::ui
