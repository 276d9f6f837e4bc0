// One running copy per program folder: a second claim is refused while the first one
// lives, and the folder is free again once it is released.
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "ui/single_instance.h"

using filmotas::ui::FolderClaim;

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void secondClaimWaitsForTheFirstToEnd() {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    auto first = std::make_unique<FolderClaim>(folder);
    QVERIFY(first->acquired());
    QVERIFY(!FolderClaim(folder).acquired());
    first.reset();
    QVERIFY(FolderClaim(folder).acquired());
    QVERIFY(FolderClaim(folder + "/missing").acquired());   // no folder to lock: nobody holds it
  }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
