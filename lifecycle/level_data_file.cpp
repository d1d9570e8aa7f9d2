#include "lifecycle/level_data_file.h"

#include <QFile>

namespace tarvik {

std::optional<PlanCatalogue> loadLevelDataFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Nothing past the last record that can be used is read.
    const QByteArray bytes = file.read(static_cast<qint64>(kMaxPlans * kPlanRecordSize));
    if (bytes.size() < static_cast<qsizetype>(kPlanRecordSize))
        return std::nullopt;
    return loadCatalogueFromBytes(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())));
}

}  // namespace tarvik
