// A main window with a profile open and its dictionary table on the screen, with the ways tests
// read the table's cells, click and double-click them, open its context menu, find menu items and
// read the event log.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <memory>

#include "app/eventlog.h"
#include "editing/dictionarygrid.h"
#include "editing/profiledocument.h"
#include "session/profileopening.h"
#include "support/tempfolder.h"
#include "ui/dictionarygridview.h"
#include "ui/openedwindow.h"
#include "ui/qtext.h"

namespace tabrin::test {

class DictionaryWindow : public QObject {
protected:
    using DictionaryGridView = ui::DictionaryGridView;

    /// Opens `profileFile` (none: the demo profile) in a new window with the table on the screen and
    /// focused; `options` as OpenedWindow takes them.
    void openWindow(const std::filesystem::path& profileFile, const std::string& options = "ProgLanguage=0\r\n") {
        m_run = std::make_unique<test::OpenedWindow>(options, profileFile);
        m_view = m_run->find<DictionaryGridView>("StringGridProf");
        QVERIFY(m_view);
        // The shortcuts work while the table is on the screen.
        m_run->find<QTabWidget>("PageControl1")->setCurrentIndex(1);
        m_run->window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_run->window()));
        m_view->setFocus();
    }

    QString cell(int r, int column) const { return m_view->model()->index(r, column).data().toString(); }

    // The row of the object at the address; `occurrence` counts rows of one address.
    int row(const char* index, const char* subindex, int occurrence = 0) const {
        for (int r = 0; r < m_view->model()->rowCount(); ++r) {
            if (cell(r, 1).trimmed() == QLatin1String(index) && cell(r, 2) == QLatin1String(subindex) &&
                occurrence-- == 0)
                return r;
        }
        return -1;
    }

    QColor background(int r) const {
        return m_view->model()->index(r, 5).data(Qt::BackgroundRole).value<QBrush>().color();
    }

    QList<QStringList> tableTexts() const {
        QList<QStringList> rows;
        for (int r = 0; r < m_view->model()->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < m_view->model()->columnCount(); ++c) cells << cell(r, c);
            rows << cells;
        }
        return rows;
    }

    QList<int> selectedRows() const {
        QList<int> rows;
        for (const QModelIndex& index : m_view->selectionModel()->selectedIndexes()) {
            if (!rows.contains(index.row())) rows << index.row();
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    QPoint cellCentre(int r, int column) const {
        const QModelIndex index = m_view->model()->index(r, column);
        m_view->scrollTo(index);
        return m_view->visualRect(index).center();
    }

    void clickCell(int r, int column) {
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, cellCentre(r, column));
    }

    void hover(int r) { move(r, 3, Qt::NoButton, {}); }

    void mouse(QEvent::Type type, int r, int column, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers) {
        const QPointF at = cellCentre(r, column);
        QMouseEvent event(type, at, m_view->viewport()->mapToGlobal(at), button, buttons, modifiers);
        QCoreApplication::sendEvent(m_view->viewport(), &event);
    }
    void press(int r, int column, Qt::KeyboardModifiers modifiers) {
        mouse(QEvent::MouseButtonPress, r, column, Qt::LeftButton, Qt::LeftButton, modifiers);
    }
    void move(int r, int column, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
        mouse(QEvent::MouseMove, r, column, Qt::NoButton, buttons, modifiers);
    }
    void release(int r, int column, Qt::KeyboardModifiers modifiers) {
        mouse(QEvent::MouseButtonRelease, r, column, Qt::LeftButton, Qt::NoButton, modifiers);
    }
    // Drags the row `from` by its number cell onto the row `to`.
    void drag(int from, int to) {
        press(from, 0, {});
        move(to, 0, Qt::LeftButton, {});
        release(to, 0, {});
    }

    // Opens the table's context menu on the row, as a right click there does, and closes it again:
    // the tests trigger its items themselves.
    void openMenu(int r) {
        hover(r);
        emit m_view->customContextMenuRequested(cellCentre(r, 3));
        if (auto* popup = m_run->window().findChild<QMenu*>("PopupMenuEditing")) popup->hide();
    }

    QAction* menuItem(const char* name) const {
        if (auto* action = m_run->window().findChild<QAction*>(QString::fromLatin1(name))) return action;
        if (auto* menu = m_run->window().findChild<QMenu*>(QString::fromLatin1(name))) return menu->menuAction();
        return nullptr;
    }

    std::string log() const { return test::readFile(m_run->home().path() / "Log" / "Tabrin4.log"); }

    // Saves the profile and opens the saved file again beside the window, as opening it would: the
    // table must show the same rows.
    void showsWhatAFreshOpenShows() {
        QList<QStringList> rows;
        readFreshOpen(rows);
        QCOMPARE(tableTexts(), rows);
    }

    // Saves the profile and gives the rows a table shows for the saved file opened again beside the
    // window, as opening it would.
    void readFreshOpen(QList<QStringList>& rows) {
        menuItem("N_Save")->trigger();
        session::Workspace& workspace = m_run->window().workspace();
        app::EventLog log;
        bases::TextBase texts = workspace.texts;
        test::ScriptedMessagePort port;
        editing::ProfileDocument fresh(workspace.translator, workspace.language, texts, log);
        QVERIFY(fresh.load(app::nativePath(m_run->profile())).ok());
        session::prepareOpenedProfile(fresh, texts, workspace.settings.vendorToken, workspace.user, port,
                                      workspace.translator);
        editing::DictionaryGrid grid;
        grid.fill(fresh.profile(), workspace.services(port));
        for (const editing::DictionaryRow& shown : grid.rows()) {
            QStringList cells;
            for (const std::string& text : shown.cells) cells << ui::toQString(text);
            rows << cells;
        }
    }

    // A double click as the system gives it: a click, then the second press as a double click.
    void doubleClickCell(int r, int column) {
        clickCell(r, column);
        QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, {}, cellCentre(r, column));
    }

    std::unique_ptr<test::OpenedWindow> m_run;
    DictionaryGridView* m_view = nullptr;
};


}  // namespace tabrin::test
