#include "platform/profile/ProfileFile.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "TestFiles.h"

namespace {

constexpr int kRounds = 50;
constexpr int kLongestDelayMicroseconds = 3000;

// Large enough that a write takes a while and a kill often lands in the middle of one.
QByteArray Content(const QByteArray& value) {
    return "[Sound]\nValue=" + value + "\n[Filler]\nLine=" + QByteArray(64000, 'f') + "\n";
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

// A writer killed at any moment must leave the file complete: either the content before or after one of its
// writes, never empty, truncated or mixed.
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
    }
}

// The file size limit of the process stands in for a full disk; its signal would end the process.
TEST(ProfileCrashSafety, DiskFullWhileWritingLeavesTheOldFileAndNoTemporary) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("settings.ini");
    constexpr char kOld[] = "[Sound]\r\nKey=1\r\n; keep me\r\n";
    profile_test::WriteBytes(path, kOld);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const sighandler_t previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved;
    lowered.rlim_cur = sizeof kOld;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &lowered), 0);
    const bool written = platform::WritePrivateProfileString("Sound", "Key", QString(64, '7'), path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(profile_test::ReadBytes(path), kOld);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"settings.ini"});
}

} // namespace
