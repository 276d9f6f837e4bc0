// The help window's topics, sub-topics, hover highlighting and reset.
#include <gtest/gtest.h>

#include "help/frm_ayuda.h"
#include "support/fakes.h"

using namespace filmotas;
using namespace filmotas::help;
using filmotas::testing::ScriptedBoxes;
using filmotas::testing::TempFolder;

namespace {

// Lines "línea 1" to "línea N" in Windows-1252 with CR LF.
std::string helpFile(int lines) {
  std::string out;
  for (int i = 1; i <= lines; ++i) out += "l\xEDnea " + std::to_string(i) + "\r\n";
  return out;
}

// A window as the observer would draw it: each notification copies just the named value.
void copyNotified(const HelpWindowModel& from, HelpWindowModel& to, HelpControl control, int n) {
  const auto i = HelpWindowModel::at(n);
  switch (control) {
    case HelpControl::fraMarcoCaption: to.fraMarcoCaption = from.fraMarcoCaption; break;
    case HelpControl::fraMarcoVisible: to.fraMarcoVisible = from.fraMarcoVisible; break;
    case HelpControl::lblMarcoTema: to.lblMarcoTema[i] = from.lblMarcoTema[i]; break;
    case HelpControl::marcoTemaRow: to.rowVisible[i] = from.rowVisible[i]; break;
    case HelpControl::shpTema: to.shpTema[i] = from.shpTema[i]; break;
    case HelpControl::shpMarcoTema: to.shpMarcoTema[i] = from.shpMarcoTema[i]; break;
    case HelpControl::lblAyuda: to.lblAyuda = from.lblAyuda; break;
    case HelpControl::height: to.height = from.height; break;
  }
}

struct Navigation : ::testing::Test {
  explicit Navigation(int lines = 22) : window(DataFolder(folder.path().string()), boxes) {
    folder.write("Ayuda.dat", helpFile(lines));
    window.setObserver([this](HelpControl c, int n) {
      ++notifications;
      copyNotified(window.model(), drawn, c, n);
    });
    EXPECT_TRUE(window.Form_Load());
  }
  const HelpWindowModel& m() const { return window.model(); }
  TempFolder folder;
  ScriptedBoxes boxes;
  FrmAyuda window;
  HelpWindowModel drawn;
  int notifications = 0;
};

struct ShortHelpFile : Navigation {
  ShortHelpFile() : Navigation(12) {}
};

// Lines beyond 22 exist, so a wrong lookup would find something to show.
struct LongHelpFile : Navigation {
  LongHelpFile() : Navigation(30) {}
};

}  // namespace

TEST_F(Navigation, SubTopicsShowTheirOwnEntries) {
  window.cmdTema_Click(3);
  window.cmdMarcoTema_Click(3);
  EXPECT_EQ(m().lblAyuda, "línea 22");

  window.cmdTema_Click(2);
  window.cmdMarcoTema_Click(8);
  EXPECT_EQ(m().lblAyuda, "línea 17");
  window.cmdMarcoTema_Click(1);
  EXPECT_EQ(m().lblAyuda, "línea 10");

  window.cmdTema_Click(1);
  window.cmdMarcoTema_Click(1);
  EXPECT_EQ(m().lblAyuda, "línea 1");
}

TEST_F(Navigation, ChoosingATopicFillsShowsAndGrows) {
  window.cmdTema_Click(2);
  EXPECT_EQ(m().fraMarcoCaption, "Menús y botones");
  EXPECT_TRUE(m().fraMarcoVisible);
  EXPECT_EQ(m().height, 5775);
  EXPECT_EQ(m().rowCaption(8), "Botón -> Responder");
  for (int row = 1; row <= 8; ++row) EXPECT_TRUE(m().isRowVisible(row)) << row;

  window.cmdTema_Click(1);
  EXPECT_EQ(m().fraMarcoCaption, "Instrucciones generales");
  EXPECT_EQ(m().rowCaption(1), "¿Cómo se juega?");
  EXPECT_EQ(m().rowCaption(2), "Añadir nuevas filmotas");
  EXPECT_EQ(m().rowCaption(3), "Borrar filmotas");
  EXPECT_EQ(m().rowCaption(4), "Opciones -> Mostrar opciones");   // hidden, topic 2's
  EXPECT_EQ(m().rowCaption(7), "Ayuda -> Acerca de..");
  for (int row = 4; row <= 8; ++row) EXPECT_FALSE(m().isRowVisible(row)) << row;
  EXPECT_EQ(m().lblAyuda, "Elige alguna opción.");   // a topic click leaves the text
}

TEST_F(LongHelpFile, ClicksWithoutAMatchingTopicDoNothing) {
  window.cmdMarcoTema_Click(1);   // no topic chosen yet: the frame reads "Marco"
  EXPECT_EQ(m().lblAyuda, "Elige alguna opción.");

  window.cmdTema_Click(3);
  window.cmdMarcoTema_Click(4);   // rows 4 to 8 never try the third topic
  EXPECT_EQ(m().lblAyuda, "Elige alguna opción.");
}

TEST_F(ShortHelpFile, EntriesBeyondTheFileLeaveTheText) {
  window.cmdTema_Click(2);
  window.cmdMarcoTema_Click(3);
  EXPECT_EQ(m().lblAyuda, "línea 12");
  window.cmdMarcoTema_Click(4);
  EXPECT_EQ(m().lblAyuda, "línea 12");
  window.cmdTema_Click(3);
  window.cmdMarcoTema_Click(1);
  EXPECT_EQ(m().lblAyuda, "línea 12");
}

TEST_F(Navigation, HoverHighlightsAndPreviewsOnlyOverThePrompt) {
  window.cmdTema_Click(2);
  window.cmdMarcoTema_MouseMove(2);
  EXPECT_EQ(m().rowBullet(2), kHighlightColor);
  EXPECT_EQ(m().lblAyuda, "Archivo -> Agregar filmotas");

  window.cmdMarcoTema_MouseMove(3);   // a fast move: no surface in between
  EXPECT_EQ(m().rowBullet(2), kHighlightColor);
  EXPECT_EQ(m().rowBullet(3), kHighlightColor);
  EXPECT_EQ(m().lblAyuda, "Archivo -> Agregar filmotas");   // a preview is never replaced

  window.cmdTema_MouseMove(1);
  window.fraMarco_MouseMove();
  for (int row = 1; row <= 8; ++row) EXPECT_EQ(m().rowBullet(row), kRestingColor) << row;
  EXPECT_EQ(m().topicBullet(1), kHighlightColor);   // the frame leaves topic bullets alone
  EXPECT_EQ(m().lblAyuda, "Elige alguna opción.");

  window.cmdMarcoTema_MouseMove(5);
  window.Form_MouseMove();
  EXPECT_EQ(m().topicBullet(1), kRestingColor);
  EXPECT_EQ(m().rowBullet(5), kHighlightColor);   // the window leaves row bullets alone
  EXPECT_EQ(m().lblAyuda, "Elige alguna opción.");
}

TEST_F(Navigation, AnEntryStaysUntilThePointerCrossesASurface) {
  window.cmdTema_Click(3);
  window.cmdMarcoTema_MouseMove(1);
  window.cmdMarcoTema_Click(1);
  EXPECT_EQ(m().lblAyuda, "línea 20");
  window.cmdMarcoTema_MouseMove(2);
  window.cmdTema_MouseMove(3);
  EXPECT_EQ(m().lblAyuda, "línea 20");
  window.Form_MouseMove();
  EXPECT_EQ(m().lblAyuda, "Elige alguna opción.");
}

TEST_F(Navigation, HoverWhileCompactPreviewsTheTopicBeforeItIsChosen) {
  window.cmdTema_MouseMove(2);
  EXPECT_EQ(m().topicBullet(2), kHighlightColor);
  EXPECT_EQ(m().lblAyuda, "Menús y botones");
  window.cmdTema_Click(2);
  EXPECT_EQ(m().lblAyuda, "Menús y botones");
}

TEST_F(Navigation, ReopeningStartsFromTheDesignWithTheFirstTexts) {
  window.cmdTema_Click(2);
  window.cmdMarcoTema_MouseMove(4);
  window.cmdTema_MouseMove(2);
  window.cmdMarcoTema_Click(8);
  folder.write("Ayuda.dat", "otra\r\n");

  ASSERT_TRUE(window.Form_Load());

  HelpWindowModel expected;   // the design values…
  expected.fraMarcoVisible = false;   // …with the load's two changes
  expected.height = 2000;
  EXPECT_EQ(m(), expected);
  window.cmdTema_Click(1);
  window.cmdMarcoTema_Click(1);
  EXPECT_EQ(m().lblAyuda, "línea 1");
}

TEST_F(Navigation, TheObserverHearsEveryChangeAndOnlyChanges) {
  drawn = m();
  window.cmdTema_Click(2);
  window.cmdMarcoTema_MouseMove(6);
  window.cmdTema_MouseMove(1);
  window.cmdMarcoTema_Click(6);
  window.cmdTema_Click(3);
  window.fraMarco_MouseMove();
  EXPECT_EQ(drawn, m());
  window.Form_Load();
  EXPECT_EQ(drawn, m());

  const int before = notifications;
  window.Form_MouseMove();
  window.Form_MouseMove();   // nothing left to change
  EXPECT_EQ(notifications, before);
}

TEST(BulletColors, ToolkitValuesAndTheirRgb) {
  EXPECT_EQ(toRgb(kRestingColor), 0x000080u);
  EXPECT_EQ(toRgb(kHighlightColor), 0x0000FFu);
  EXPECT_EQ(toRgb(0x123456), 0x563412u);
}
