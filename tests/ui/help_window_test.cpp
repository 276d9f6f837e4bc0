// The help window under a dark scheme: its compact and full heights, the rows of each
// topic, the chosen topic checked to a screen reader (to which the help is a window), its
// text dark on white, and which widgets report the pointer's real movements to the bullets.
#include <QtTest>
#include <QtWidgets>

#include "support/fakes.h"
#include "ui/bullet_widget.h"
#include "ui/help_window.h"
#include "ui/twips.h"

using namespace filmotas;
using namespace filmotas::ui;

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // A dark scheme throughout, whose light text would vanish on the help text's white box.
  void initTestCase() { QApplication::setPalette(QPalette(Qt::white, QColor(0x30, 0x30, 0x30))); }

  // A help file of 22 lines "Entrada 1", "Entrada 2"…, CR LF.
  void init() {
    std::string file;
    for (int n = 1; n <= 22; ++n) file += "Entrada " + std::to_string(n) + "\r\n";
    folder.write("Ayuda.dat", file);
    window = std::make_unique<HelpWindow>(DataFolder(folder.path()), boxes);
    window->open();
  }

  // Outer heights 2000 and 5775 twips, less 375 of caption bar and borders.
  void topicsGrowTheWindowAndShowTheirRows() {
    QCOMPARE(QAccessible::queryAccessibleInterface(window.get())->role(), QAccessible::Window);
    QCOMPARE(window->size(), sizeOf(7095, 2000 - 375));
    QVERIFY(c().fraMarco->isHidden());
    QCOMPARE(topicStates(), QString("---"));
    const int rows[] = {3, 8, 3}, firstEntry[] = {1, 10, 20};
    for (std::size_t topic = 0; topic < 3; ++topic) {
      c().cmdTema[topic]->click();
      QCOMPARE(window->size(), sizeOf(7095, 5775 - 375));
      QCOMPARE(topicStates(), QString("---").replace(qsizetype(topic), 1, 'x'));
      for (std::size_t row = 0; row < 8; ++row) {
        const QList<bool> shown{c().cmdMarcoTema[row]->isVisible(), c().shpMarcoTema[row]->isVisible(),
                                c().lblMarcoTema[row]->isVisible()};
        QCOMPARE(shown, QList<bool>(3, int(row) < rows[topic]));
      }
      c().cmdMarcoTema[std::size_t(rows[topic] - 1)]->click();
      QCOMPARE(c().lblAyuda->text(), QStringLiteral("Entrada %1").arg(firstEntry[topic] + rows[topic] - 1));
    }
    const QPalette text = c().lblAyuda->palette();
    QCOMPARE(QList<QColor>({text.color(QPalette::Window), text.color(QPalette::WindowText)}),
             QList<QColor>({Qt::white, Qt::black}));
  }

  // Buttons and the frame report the pointer; labels and the white box keep it to
  // themselves; a bullet lets it through to the surface it lies on. A bullet under the
  // pointer is blue, at rest navy.
  void bulletsFollowThePointer() {
    const QColor blue(Qt::blue), navy(Qt::darkBlue);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    c().cmdTema[1]->click();
    pointAt(c().cmdMarcoTema[1]);
    QCOMPARE(c().lblAyuda->text(), QString("Archivo -> Agregar filmotas"));
    pointAt(c().cmdTema[0]);
    QVERIFY(topicBullet(1) == blue && rowBullet(2) == blue);
    pointAt(c().lblMarcoTema[1]);
    pointAt(c().Picture1, QPoint(3, 3));
    QCOMPARE(rowBullet(2), blue);
    pointAt(c().fraMarco, QPoint(4, c().fraMarco->height() - 4));
    QVERIFY(rowBullet(2) == navy && topicBullet(1) == blue);
    pointAt(c().shpTema[1]);
    QCOMPARE(topicBullet(1), navy);
  }

 private:
  // Moves the pointer through the window system, so Qt finds the widget under it.
  void pointAt(QWidget* widget, QPoint local = QPoint(-1, -1)) {
    if (local == QPoint(-1, -1)) local = widget->rect().center();
    QTest::mouseMove(window->windowHandle(), widget->mapTo(window.get(), local));
  }
  const HelpWindowControls& c() const { return window->controls(); }
  // Each topic as a screen reader finds it: "x" checked, "-" not, "?" not even checkable.
  QString topicStates() const {
    QString states;
    for (QPushButton* topic : c().cmdTema) {
      const QAccessible::State state = QAccessible::queryAccessibleInterface(topic)->state();
      states += !state.checkable ? '?' : state.checked ? 'x' : '-';
    }
    return states;
  }
  QColor rowBullet(int n) const { return c().shpMarcoTema[std::size_t(n - 1)]->fillColor(); }
  QColor topicBullet(int n) const { return c().shpTema[std::size_t(n - 1)]->fillColor(); }

  testing::TempFolder folder;
  testing::ScriptedBoxes boxes;
  std::unique_ptr<HelpWindow> window;
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
