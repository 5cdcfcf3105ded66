#pragma once

#include "platform/integer.h"

#include <QString>

namespace Help
{

// What the program says about itself in the about box.
struct VersionInfo {
    QString productName;
    Integer major;
    Integer minor;
    Integer revision;
    QString description;
    QString legalNotice;
};

// The program's own version information, generated from the build description.
VersionInfo programVersionInfo();

// The same with another version number, "major.minor.revision" (a missing
// part is 0).
VersionInfo versionInfoFor(QStringView dotted);

// The about box message: name and version ("1.00": minor and revision run
// together), description, legal notice, and a hint naming the two buttons
// that explain their gestures on a right-click. Lines are separated by single
// carriage returns; there is no break at the end.
QString aboutText(const VersionInfo &info, const QString &captionOggi, const QString &captionDiff);

QString aboutTitle();

} // namespace Help
