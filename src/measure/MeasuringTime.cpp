#include "measure/MeasuringTime.h"

#include <QDateTime>

namespace vamok {

std::string MeasuringTimeText(std::uint32_t secondsSince2000)
{
    if (secondsSince2000 == 0 || secondsSince2000 == 0xFFFFFFFFu)
        return {};
    // The instrument's clock has no time zone: count in UTC so that no
    // daylight-saving shift enters.
    const QDateTime t = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC)
                            .addSecs(static_cast<qint64>(secondsSince2000));
    const QString pattern = t.time() == QTime(0, 0) ? QStringLiteral("dd.MM.yyyy")
                                                    : QStringLiteral("dd.MM.yyyy hh:mm:ss");
    return t.toString(pattern).toStdString();
}

} // namespace vamok
