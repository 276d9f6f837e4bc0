// One running copy per program folder: a second claim is refused while the first copy
// lives, and a copy that dies without letting go (a crash) leaves the folder free.
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "ui/single_instance.h"

using filmotas::ui::FolderClaim;

namespace {

// Kills and reaps the child on every way out of the test, a failed check included.
struct ChildProcess {
  pid_t pid;
  int status = 0;
  ~ChildProcess() {
    if (pid > 0) end();
  }
  bool end() {
    ::kill(pid, SIGKILL);
    const bool reaped = ::waitpid(pid, &status, 0) == pid;
    pid = -1;
    return reaped;
  }
};

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void secondClaimWaitsForTheFirstToEnd();
  void crashedCopyLeavesTheFolderFree();
  void folderThatCannotBeOpenedBlocksNobody();
};

void SingleInstanceTest::secondClaimWaitsForTheFirstToEnd() {
  QTemporaryDir dir;
  auto first = std::make_unique<FolderClaim>(dir.path().toStdString());
  QVERIFY(first->acquired());
  QVERIFY(!FolderClaim(dir.path().toStdString()).acquired());
  first.reset();
  QVERIFY(FolderClaim(dir.path().toStdString()).acquired());
  QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

// A child process takes the folder and is killed outright: no destructor runs.
void SingleInstanceTest::crashedCopyLeavesTheFolderFree() {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  int ready[2];
  QCOMPARE(::pipe(ready), 0);
  ChildProcess child{::fork()};
  QVERIFY(child.pid >= 0);
  if (child.pid == 0) {
    const FolderClaim claim(folder);
    const char held = claim.acquired() ? '1' : '0';
    (void)!::write(ready[1], &held, 1);
    for (;;) ::pause();
  }
  char held = 0;
  QCOMPARE(::read(ready[0], &held, 1), ssize_t(1));
  ::close(ready[0]);
  ::close(ready[1]);
  QCOMPARE(held, '1');
  QVERIFY(!FolderClaim(folder).acquired());

  QVERIFY(child.end());
  QVERIFY(WIFSIGNALED(child.status));
  QVERIFY(FolderClaim(folder).acquired());
}

void SingleInstanceTest::folderThatCannotBeOpenedBlocksNobody() {
  QTemporaryDir dir;
  QVERIFY(FolderClaim((dir.path() + "/missing").toStdString()).acquired());
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
