// A writer killed at any moment must leave the file complete: either the content before or after one of
// its writes, never empty, truncated or mixed.

#include "platform/profile/ProfileFile.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "TestFiles.h"

namespace {

constexpr int kRounds = 150;
constexpr int kFillerLines = 4000;
constexpr int kLongestDelayMicroseconds = 3000;

QByteArray Content(const QByteArray& value) {
    QByteArray content = "[Sound]\nValue=" + value + "\n[Filler]\n";
    for (int i = 0; i < kFillerLines; ++i) {
        content += "Line" + QByteArray::number(i) + "=" + QByteArray(16, 'a' + i % 26) + "\n";
    }
    return content;
}

// Writes the two values in turn for ever, telling the parent through ready once the first write is done.
[[noreturn]] void WriteUntilKilled(const QString& path, int ready) {
    const QString values[] = {"A", "B"};
    for (int n = 0;; ++n) {
        if (!platform::WritePrivateProfileString("Sound", "Value", values[n % 2], path)) {
            ::_exit(3);
        }
        if (n == 0) {
            const char byte = 1;
            if (::write(ready, &byte, 1) != 1) {
                ::_exit(4);
            }
        }
    }
}

TEST(ProfileCrashSafety, WriterKilledAtRandomMomentsLeavesOldOrNewContent) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("settings.ini");
    const QByteArray contentA = Content("A");
    const QByteArray contentB = Content("B");
    profile_test::WriteBytes(path, contentB);
    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> delay(0, kLongestDelayMicroseconds);
    for (int round = 0; round < kRounds; ++round) {
        int pipeEnds[2];
        ASSERT_EQ(::pipe(pipeEnds), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipeEnds[0]);
            WriteUntilKilled(path, pipeEnds[1]);
        }
        ::close(pipeEnds[1]);
        char byte = 0;
        const bool started = ::read(pipeEnds[0], &byte, 1) == 1;
        ::close(pipeEnds[0]);
        ::usleep(delay(random));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(started) << "writer failed before its first write, status " << status;
        ASSERT_TRUE(WIFSIGNALED(status)) << "writer stopped by itself, status " << status;
        const QByteArray content = profile_test::ReadBytes(path);
        ASSERT_TRUE(content == contentA || content == contentB)
            << "round " << round << ": " << content.size() << " bytes";
        const std::optional<QString> value = platform::GetPrivateProfileString("Sound", "Value", path);
        ASSERT_TRUE(value == QString("A") || value == QString("B")) << "round " << round;
    }
}

} // namespace
