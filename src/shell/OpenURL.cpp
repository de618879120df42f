#include "shell/OpenURL.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void TMisc::Open(const QString &sCommand)
{
    QString target = sCommand.trimmed();
    if (target.size() >= 2 && target.startsWith(QLatin1Char('"')) &&
        target.endsWith(QLatin1Char('"')))
        target = target.mid(1, target.size() - 2);
    if (target.isEmpty())
        return;

    QUrl url;
    const bool hasScheme = target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive) ||
                           target.contains(QLatin1String("://"));
    if (hasScheme)
        url = QUrl(target, QUrl::TolerantMode);
    else
        url = QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    QDesktopServices::openUrl(url);
}

QString brisvola::mailtoLink(const QString &address, const QString &subject, const QString &body)
{
    const auto enc = [](const QString &s) {
        return QString::fromLatin1(QUrl::toPercentEncoding(s));
    };
    if (subject.isEmpty() && body.isEmpty())
        return QStringLiteral("mailto:") + address;
    return QStringLiteral("mailto:") + address + QStringLiteral("?subject=") + enc(subject) +
           QStringLiteral("&body=") + enc(body);
}
