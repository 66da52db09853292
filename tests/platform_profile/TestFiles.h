#pragma once
// Raw file access for the profile tests, so that expectations are about exact bytes.

#include <QByteArray>
#include <QString>

namespace profile_test {

void WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadBytes(const QString& path);

} // namespace profile_test
