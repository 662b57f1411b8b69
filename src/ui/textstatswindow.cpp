// The statistics window "Статистика" (TFormTextStats) of the shared-database synchronisation.
#include "ui/textstatswindow.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/named.h"
#include "ui/windowtranslation.h"

namespace tabrin::ui {

TextStatsWindow::TextStatsWindow(app::Translator& translator, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormTextStats"));
    setWindowTitle(QStringLiteral("Статистика"));
    auto* layout = new QVBoxLayout(this);
    auto* statistics = named(new QPlainTextEdit, "MemoStats");
    statistics->setReadOnly(true);
    layout->addWidget(statistics);
    auto* close = named(new QPushButton(QStringLiteral("Закрыть")), "ButtonClose");
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    translateWindow(this, translator);
}

}  // namespace tabrin::ui
