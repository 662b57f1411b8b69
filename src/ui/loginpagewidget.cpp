// The login page "Вход" (TabSheetLogin): the user name, the known users and the inactive controls
// of the shared-database synchronisation.
#include "ui/loginpagewidget.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/named.h"
#include "ui/qtext.h"

namespace tabrin::ui {
namespace {

QLabel* wrappedLabel(const QString& text, const char* name) {
    auto* label = named(new QLabel(text), name);
    label->setWordWrap(true);
    return label;
}

}  // namespace

LoginPageWidget::LoginPageWidget(QWidget* parent)
    : QWidget(parent),
      m_user(named(new QLineEdit, "EditUser")),
      m_users(named(new QTableWidget(0, 1), "StringGridUsers")),
      m_hint(wrappedLabel(QStringLiteral("Кнопка входа открывает доступ к функциям программы."), "PanelLoginHint")) {
    setObjectName(QStringLiteral("TabSheetLogin"));
    m_users->horizontalHeader()->hide();
    m_users->verticalHeader()->hide();
    m_users->horizontalHeader()->setStretchLastSection(true);
    m_users->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_users->setSelectionMode(QAbstractItemView::SingleSelection);
    const auto copyName = [this](int row) {
        if (const QTableWidgetItem* item = m_users->item(row, 0)) m_user->setText(item->text());
    };
    connect(m_users, &QTableWidget::currentCellChanged, this, copyName);
    connect(m_users, &QTableWidget::cellClicked, this, copyName);

    auto* login = named(new QPushButton(QStringLiteral("Войти")), "ButtonLogin");
    login->setDefault(true);
    connect(login, &QPushButton::clicked, this, &LoginPageWidget::loginClicked);
    connect(m_user, &QLineEdit::returnPressed, this, &LoginPageWidget::loginClicked);

    auto* userColumn = new QVBoxLayout;
    userColumn->addWidget(named(new QLabel(QStringLiteral("Пользователь:")), "LabelUser"));
    userColumn->addWidget(m_user);
    userColumn->addWidget(m_users, 1);
    auto* loginRow = new QHBoxLayout;
    loginRow->addWidget(login);
    loginRow->addWidget(m_hint, 1);
    userColumn->addLayout(loginRow);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(userColumn, 1);
    layout->addWidget(buildDatabaseControls(), 1);
}

QWidget* LoginPageWidget::buildDatabaseControls() {
    auto* controls = new QWidget;
    auto* fields = new QFormLayout;
    fields->addRow(named(new QLabel(QStringLiteral("Адрес БД")), "LabelDBHost"), named(new QLineEdit, "EditDBHost"));
    fields->addRow(named(new QLabel(QStringLiteral("Пользователь БД")), "LabelDBUser"),
                   named(new QLineEdit, "EditDBUser"));
    auto* password = named(new QLineEdit, "EditDBPassword");
    password->setEchoMode(QLineEdit::Password);
    fields->addRow(named(new QLabel(QStringLiteral("Пароль для БД")), "LabelDBPassword"), password);

    auto* layout = new QVBoxLayout(controls);
    layout->addLayout(fields);
    // Without a shared database there is nothing to connect to: the button does nothing, and the
    // synchronisation buttons, enabled only by a connection, stay disabled.
    layout->addWidget(named(new QPushButton(QStringLiteral("Подключиться к базе данных")), "ButtonDBconnect"));
    for (const auto& [text, name] : {std::pair{"Синхронизировать тексты", "ButtonSynchrText"},
                                     std::pair{"Синхронизировать перечисления", "ButtonSynchrSet"},
                                     std::pair{"Скачать тексты с сервера", "ButtonDownloadTexts"},
                                     std::pair{"Скачать перечисления с сервера", "ButtonDownloadSets"}}) {
        auto* button = named(new QPushButton(QString::fromUtf8(text)), name);
        button->setEnabled(false);
        layout->addWidget(button);
    }
    layout->addWidget(wrappedLabel(QStringLiteral("Синхронизация отправляет на сервер тексты и перечисления, "
                                                  "созданные вами, и получает созданные другими пользователями."),
                                   "LabelSyncRule1"));
    layout->addWidget(wrappedLabel(QStringLiteral("Изменять можно только тексты и перечисления, автором которых "
                                                  "вы являетесь."),
                                   "LabelSyncRule2"));
    layout->addWidget(wrappedLabel(QStringLiteral("Скачивание с сервера заменяет локальную базу, изменения в ней, "
                                                  "не синхронизированные с сервером, теряются."),
                                   "LabelSyncRule3"));
    layout->addStretch();
    return controls;
}

void LoginPageWidget::showUsers(const std::vector<std::string>& users, int selectedRow) {
    const QSignalBlocker blocker(m_users);
    m_users->setRowCount(static_cast<int>(users.size()));
    for (std::size_t row = 0; row < users.size(); ++row)
        m_users->setItem(static_cast<int>(row), 0, new QTableWidgetItem(toQString(users[row])));
    if (selectedRow >= 0) m_users->setCurrentCell(selectedRow, 0);
}

}  // namespace tabrin::ui
