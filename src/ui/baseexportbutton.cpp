#include "ui/baseexportbutton.h"

#include <QPushButton>

#include "app/eventlog.h"
#include "session/baseexportbutton.h"
#include "session/workspace.h"
#include "ui/editorcommit.h"
#include "ui/named.h"
#include "ui/qtext.h"

namespace tabrin::ui {

QPushButton* makeBaseExportButton(const char* objectName, session::Workspace& workspace, app::FileDialogPort& dialogs,
                                  app::MessagePort& port) {
    auto* button = named(new QPushButton(translatedText(workspace.translator, "Экспорт")), objectName);
    button->setToolTip(translatedText(workspace.translator, "Экспортировать тексты/перечисления в файл"));
    QObject::connect(button, &QPushButton::clicked, button, [button, &workspace, &dialogs, &port] {
        commitOpenEditors(button->window());
        button->setEnabled(false);
        session::exportBasesToChosenFile(workspace, dialogs, port, app::currentTime());
        button->setEnabled(true);
    });
    return button;
}

}  // namespace tabrin::ui
