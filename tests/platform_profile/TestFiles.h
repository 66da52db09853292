#pragma once
// Raw file access for the profile tests, so that expectations are about exact bytes.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace profile_test {

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "cannot read " << path.toStdString();
    return file.readAll();
}

} // namespace profile_test
