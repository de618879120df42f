#include "shell/Clock.h"

#include <QRegularExpression>

namespace brisvola {

namespace {
QDateTime &fixedMoment()
{
    static QDateTime moment;
    return moment;
}
} // namespace

QDateTime now()
{
    return fixedMoment().isValid() ? fixedMoment() : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

void setNow(const QDateTime &moment)
{
    fixedMoment() = moment;
}

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(QLatin1String(dateFormat)) : QString();
}

QDate parseDate(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d{2})/(\\d{2})/(\\d{4})$"));
    const auto match = shape.match(text.trimmed());
    if (!match.hasMatch())
        return {};
    return QDate(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
}

} // namespace brisvola
