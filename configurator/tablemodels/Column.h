#pragma once

namespace Corvane::Configurator::TableModels {

// The columns a device table may show; each page maps them to its sections
// (BaseTableModel::columnIndex).
enum class Column {
    Description = 0,
    Type = 1,
    Address = 2,
    Pul = 3,
    Groups = 4,
    Fancoil = 5,
    CommandsParameters = 6,
    Unit = 7,
    SecondType = 8,
    EconomicEvaluation = 9,
    CentralUnitPresence = 10,
};

constexpr int COLUMN_COUNT = 11;

} // namespace Corvane::Configurator::TableModels
