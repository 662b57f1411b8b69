// The comparisons of the dictionary page bound to its widgets: the buttons "Сравнить с файлом…"
// and "Сравнить с базовым профилем", and the comparison window they open.
#pragma once

#include <QObject>
#include <QPointer>

#include "model/dictobject.h"

class QAbstractButton;
class QWidget;

namespace tabrin::app {
class MessagePort;
}
namespace tabrin::session {
class ProfileSession;
class Workspace;
struct ShownComparison;
}  // namespace tabrin::session

namespace tabrin::ui {

class ComparisonWindow;

class DictionaryComparisons : public QObject {
    Q_OBJECT

public:
    /// The page's buttons "Сравнить с файлом…" and "Сравнить с базовым профилем"; the window opens
    /// beside `page`.
    DictionaryComparisons(session::Workspace& workspace, session::ProfileSession& session, app::MessagePort& port,
                          QAbstractButton* withFile, QAbstractButton* withBase, QWidget* page);
    /// The buttons as the open profile and its current configuration allow them.
    void updateButtons();
    /// Another profile, or none: a comparison of the last one no longer fits, its window closes.
    void forgetComparison();

signals:
    /// The user chose a line about this object of the open profile.
    void objectChosen(model::ObjectSerial object);

private:
    void compareWithFile();
    void compareWithBaseProfile();
    void show(session::ShownComparison comparison);

    session::Workspace& m_workspace;
    session::ProfileSession& m_session;
    app::MessagePort& m_port;
    QWidget* m_page;
    QAbstractButton* m_withFile;
    QAbstractButton* m_withBase;
    QPointer<ComparisonWindow> m_window;
};

}  // namespace tabrin::ui
