#pragma once

#include <QString>

// The one shell "open" of the program: a web address, a "mailto:" link or a file path, possibly
// enclosed in double quotes. It reports nothing: whatever the desktop does with it is its own.
class TMisc
{
public:
    static void Open(const QString &sCommand);
};

namespace brisvola {
// A "mailto:" link with subject and body percent-encoded, so that "&", "?" or "#" in a name
// reach the mail program whole. Without subject and body the link is "mailto:" and the address.
QString mailtoLink(const QString &address, const QString &subject = {}, const QString &body = {});
} // namespace brisvola
