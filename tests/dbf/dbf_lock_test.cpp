// Exclusive and shared opens, in this process and across processes.

#include "dbf_test_support.hpp"
#include "platform/dbf/dbf_table.hpp"
#include "platform/file_lock.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

using namespace tt::dbf;
using tt::platform::FileLock;
using tt::testing::ErrorOf;
using tt::testing::TempDir;

class DbfLock : public ::testing::Test {
protected:
    void SetUp() override { CreateTable(file, {{"ABREV", FieldType::Character, 10}}); }
    std::string LockedMessage() const { return "La tabla " + file.string() + " está bloqueada por otro programa"; }

    TempDir dir;
    std::filesystem::path file = dir / "PROFT.DBF";
};

TEST_F(DbfLock, FileLocksConflictAsTheirKindsSay) {
    using Kind = FileLock::Kind;
    struct Case {
        Kind held;
        Kind wanted;
        bool granted;
    };
    for (const Case& c : {Case{Kind::Shared, Kind::Shared, true}, Case{Kind::Shared, Kind::Exclusive, false},
                          Case{Kind::Exclusive, Kind::Shared, false},
                          Case{Kind::Exclusive, Kind::Exclusive, false}}) {
        const auto held = FileLock::tryLock(file, c.held);
        ASSERT_TRUE(held);
        EXPECT_EQ(FileLock::tryLock(file, c.wanted) != nullptr, c.granted)
            << static_cast<int>(c.held) << " then " << static_cast<int>(c.wanted);
    }
    EXPECT_TRUE(FileLock::tryLock(file, Kind::Exclusive)) << "every lock was released";
}

TEST_F(DbfLock, ExclusiveOpenExcludesEveryOtherOpenInThisProcess) {
    {
        Table table(file, OpenMode::Exclusive);
        EXPECT_EQ(ErrorOf([&] { Table second(file, OpenMode::Exclusive); }), LockedMessage());
        EXPECT_EQ(ErrorOf([&] { Table second(file, OpenMode::Shared); }), LockedMessage());
        EXPECT_EQ(ErrorOf([&] { CreateTable(file, {{"X", FieldType::Logical}}); }), LockedMessage());
        EXPECT_FALSE(DeleteTableFiles(file));
        EXPECT_TRUE(std::filesystem::exists(file));
        table.close();
        Table again(file, OpenMode::Exclusive); // close released it
    }
    Table afterDestructor(file, OpenMode::Exclusive);
}

TEST_F(DbfLock, SharedOpensCoexistAndKeepWritersOut) {
    Table first(file, OpenMode::Shared);
    Table second(file, OpenMode::Shared);
    EXPECT_EQ(ErrorOf([&] { Table writer(file, OpenMode::Exclusive); }), LockedMessage());
    first.close();
    EXPECT_EQ(ErrorOf([&] { Table writer(file, OpenMode::Exclusive); }), LockedMessage());
    second.close();
    Table writer(file, OpenMode::Exclusive);
}

TEST_F(DbfLock, DeleteTableFilesRemovesTheTableAndItsIndex) {
    auto index = file;
    index.replace_extension(".MDX");
    tt::testing::WriteFile(index, "stale index");
    EXPECT_TRUE(DeleteTableFiles(file));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(std::filesystem::exists(index));
    EXPECT_TRUE(DeleteTableFiles(file)) << "nothing to delete is no failure";
    EXPECT_EQ(ErrorOf([&] { Table table(file, OpenMode::Shared); }), "No se encuentra la tabla " + file.string());
}

TEST_F(DbfLock, TableInAMissingFolderCannotBeCreated) {
    const auto missing = dir / "NOHAY" / "PROFT.DBF";
    const std::string message = ErrorOf([&] { CreateTable(missing, {{"ABREV", FieldType::Character, 10}}); });
    EXPECT_NE(message.find("No se puede abrir el archivo " + missing.string()), std::string::npos) << message;
}

#ifndef _WIN32

// A child process that opens the table in `mode` and holds it until told to
// let go. Exit status: 0 held and released, 1 refused as locked, 2 other error.
// The child inherits the parent's open tables, but a lock belongs to the open
// file, so the child's own open still meets the parent's lock.
class Holder {
public:
    Holder(const std::filesystem::path& file, OpenMode mode) {
        if (::pipe(ready_) != 0 || ::pipe(release_) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready_[0]);
            ::close(release_[1]); // or the wait below would never see the end of the pipe
            int status = 2;
            try {
                Table table(file, mode);
                status = 0;
                char signal = 'r';
                (void)!::write(ready_[1], &signal, 1);
                (void)!::read(release_[0], &signal, 1);
            } catch (const tt::Error& error) {
                status = std::string(error.what()).find("bloqueada") != std::string::npos ? 1 : 2;
            } catch (...) {
            }
            ::_exit(status);
        }
        ::close(ready_[1]);
        ::close(release_[0]);
    }
    ~Holder() {
        if (pid_ > 0) finish();
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

    // True once the child holds the table; false when it ended without.
    bool waitUntilHeld() {
        char signal = 0;
        return ::read(ready_[0], &signal, 1) == 1;
    }

    // Lets go of the table (closing the pipe ends the child's wait) and
    // returns the child's exit status.
    int finish() {
        ::close(release_[1]);
        ::close(ready_[0]);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    int ready_[2] = {-1, -1};
    int release_[2] = {-1, -1};
    pid_t pid_ = -1;
};

TEST_F(DbfLock, ExclusiveOpenExcludesOtherProcesses) {
    {
        Holder child(file, OpenMode::Exclusive);
        ASSERT_TRUE(child.waitUntilHeld());
        EXPECT_EQ(ErrorOf([&] { Table table(file, OpenMode::Shared); }), LockedMessage());
        EXPECT_EQ(ErrorOf([&] { CreateTable(file, {{"X", FieldType::Logical}}); }), LockedMessage());
        EXPECT_EQ(child.finish(), 0);
    }
    Table table(file, OpenMode::Exclusive);
    Holder refused(file, OpenMode::Shared);
    EXPECT_FALSE(refused.waitUntilHeld());
    EXPECT_EQ(refused.finish(), 1) << "the other process is told the table is locked";
}

TEST_F(DbfLock, SharedOpensCoexistAcrossProcesses) {
    Table mine(file, OpenMode::Shared);
    Holder reader(file, OpenMode::Shared);
    EXPECT_TRUE(reader.waitUntilHeld());
    EXPECT_EQ(reader.finish(), 0);
    Holder writer(file, OpenMode::Exclusive);
    EXPECT_FALSE(writer.waitUntilHeld());
    EXPECT_EQ(writer.finish(), 1);
}

#endif

} // namespace
