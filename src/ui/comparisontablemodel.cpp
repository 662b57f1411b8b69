// The lines of a comparison as a Qt table model: what differs, where, the field and both values,
// each row coloured by whether its thing is only on one side or changed.
#include "ui/comparisontablemodel.h"

#include <QBrush>
#include <QColor>

#include "ui/qtext.h"

namespace tabrin::ui {
namespace {

enum Column { KindColumn, PlaceColumn, NameColumn, FieldColumn, ValueAColumn, ValueBColumn, ColumnCount };

// Red for what only the compared side has, green for what only the open profile has, yellow for a change.
QColor background(editing::DifferenceKind kind) {
    switch (kind) {
    case editing::DifferenceKind::OnlyInA: return {255, 214, 214};
    case editing::DifferenceKind::OnlyInB: return {214, 245, 214};
    case editing::DifferenceKind::Changed: break;
    }
    return {255, 245, 200};
}

}  // namespace

ComparisonTableModel::ComparisonTableModel(session::ShownComparison comparison, app::Translator& translator,
                                           QObject* parent)
    : QAbstractTableModel(parent), m_comparison(std::move(comparison)) {
    m_headers << translatedText(translator, "Различие") << translatedText(translator, "Адрес")
              << translatedText(translator, "Название") << translatedText(translator, "Поле")
              << toQString(m_comparison.sideA) << toQString(m_comparison.sideB);
    // In the order of editing::DifferenceKind.
    m_kinds << translatedText(translator, "удалён") << translatedText(translator, "добавлен")
            << translatedText(translator, "изменён");
    m_settings = translatedText(translator, "Настройки");
    m_scaleNumber = translatedText(translator, "Коэффициент");
}

int ComparisonTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_comparison.lines.size());
}

int ComparisonTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString ComparisonTableModel::place(const editing::ComparisonLine& line) const {
    switch (line.part) {
    case editing::ComparedPart::Object: return toQString(line.address);
    case editing::ComparedPart::Settings: return m_settings;
    case editing::ComparedPart::ScaleNumber: break;
    }
    // The scale page names its rows so.
    return m_scaleNumber + QLatin1Char(' ') +
           QString::number(line.position, 16).toUpper().rightJustified(2, QLatin1Char('0')) + QLatin1Char('h');
}

QVariant ComparisonTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const editing::ComparisonLine& line = m_comparison.lines[static_cast<std::size_t>(index.row())];
    if (role == Qt::BackgroundRole) return QBrush(background(line.kind));
    if (role == Qt::ForegroundRole) return QBrush(Qt::black);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    switch (index.column()) {
    case KindColumn: return m_kinds.at(static_cast<int>(line.kind));
    case PlaceColumn: return place(line);
    case NameColumn: return toQString(line.name);
    case FieldColumn: return toQString(line.change.field);
    case ValueAColumn: return toQString(line.change.a);
    case ValueBColumn: return toQString(line.change.b);
    default: return {};
    }
}

QVariant ComparisonTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= m_headers.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_headers.at(section);
}

model::ObjectSerial ComparisonTableModel::objectOf(int row) const {
    if (row < 0 || row >= rowCount()) return 0;
    return m_comparison.lines[static_cast<std::size_t>(row)].serialB;
}

}  // namespace tabrin::ui
