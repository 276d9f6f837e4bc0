#include "ui/help_window_layout.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "help/help_window_model.h"
#include "ui/accessible_roles.h"
#include "ui/bullet_widget.h"
#include "ui/control_names.h"
#include "ui/fonts.h"
#include "ui/twips.h"

namespace filmotas::ui {

namespace {

// Rows lie 360 twips apart; a bullet sits 60 below its button's top.
constexpr int kRowSpacing = 360;
constexpr int kBulletDrop = 60;
constexpr int kSquare = 255;     // a navigation button
constexpr int kBulletSize = 135;
// Sub-topic rows: four to a column, the right column 3240 twips right of the left one.
constexpr int kRowsPerColumn = 4;
constexpr int kColumnShift = 3240;

QPushButton* blankSquare(QWidget* parent, const char* name, int number, int left, int top) {
  auto* button = new QPushButton(parent);
  nameControl(*button, name, number);
  button->setGeometry(rectAt(left, top, kSquare, kSquare));
  button->setAutoDefault(true);   // Enter presses the button that holds the focus
  return button;
}

BulletWidget* bullet(QWidget* parent, const char* name, int number, int left, int top) {
  auto* shape = new BulletWidget(parent);
  nameControl(*shape, name, number);
  shape->setAccessibleName(QString::fromUtf8("Viñeta"));
  shape->setGeometry(rectAt(left, top + kBulletDrop, kBulletSize, kBulletSize));
  return shape;
}

// Left-aligned, wrapped at word boundaries and cut off at its height.
QLabel* caption(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
  auto* label = new QLabel(text, parent);
  nameControl(*label, name);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  label->setGeometry(place);
  return label;
}

QString fromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void buildTopicRows(QWidget& window, HelpWindowControls& c) {
  for (int n = 1; n <= help::kTopicCount; ++n) {
    const auto i = static_cast<std::size_t>(n - 1);
    const int top = 240 + kRowSpacing * (n - 1);
    c.cmdTema[i] = blankSquare(&window, "cmdTema", n, 240, top);
    c.cmdTema[i]->setFont(dialogFont(8.25));
    c.cmdTema[i]->setAccessibleName(fromView(help::topicCaption(n)));
    // One topic at a time is chosen, as with radio buttons; the button looks the same.
    setAccessibleRole(*c.cmdTema[i], QAccessible::RadioButton);
    setAccessibleChecked(*c.cmdTema[i], false);
    c.shpTema[i] = bullet(&window, "shpTema", n, 600, top);
    c.lblTema[i] = caption(&window, QStringLiteral("lblTema%1").arg(n),
                           fromView(help::topicCaption(n)), rectAt(840, top, 2295, 255));
  }
}

void buildSubTopicRows(HelpWindowControls& c) {
  for (int n = 1; n <= help::kRowCount; ++n) {
    const auto i = static_cast<std::size_t>(n - 1);
    const int shift = kColumnShift * ((n - 1) / kRowsPerColumn);
    const int top = 360 + kRowSpacing * ((n - 1) % kRowsPerColumn);
    c.cmdMarcoTema[i] = blankSquare(c.fraMarco, "cmdMarcoTema", n, 240 + shift, top);
    c.shpMarcoTema[i] = bullet(c.fraMarco, "shpMarcoTema", n, 600 + shift, top);
    c.lblMarcoTema[i] = caption(c.fraMarco, QStringLiteral("lblMarcoTema%1").arg(n),
                                QStringLiteral("Tema%1").arg(n), rectAt(840 + shift, top, 2600, 500));
    c.lblMarcoTema[i]->setFont(arial(8.25));
  }
}

// The white box with the help text inside the frame.
void buildTextBox(HelpWindowControls& c) {
  c.Picture1 = new QFrame(c.fraMarco);
  c.Picture1->setFocusPolicy(Qt::StrongFocus);
  nameControl(*c.Picture1, "Picture1");
  c.Picture1->setAccessibleName(QStringLiteral("Texto de ayuda"));
  c.Picture1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  c.Picture1->setGeometry(rectAt(120, 1920, 6615, 1935));
  // The box forces its white, so it forces dark text too: under a dark scheme the
  // system's text colour is light. The help label inherits both.
  QPalette white = c.Picture1->palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::WindowText, Qt::black);
  c.Picture1->setPalette(white);
  c.Picture1->setAutoFillBackground(true);

  c.lblAyuda = caption(c.Picture1, QStringLiteral("lblAyuda"), QString::fromUtf8(help::kPrompt),
                       rectAt(120, 120, 6255, 1575));
  c.lblAyuda->setAutoFillBackground(true);   // opaque, white like its box
}

// cmdTema1..3, "Aceptar", then the frame's rows with the text box after row 3.
void setFocusOrder(const HelpWindowControls& c) {
  QList<QWidget*> chain(c.cmdTema.begin(), c.cmdTema.end());
  chain << c.cmdAceptar << c.cmdMarcoTema[0] << c.cmdMarcoTema[1] << c.cmdMarcoTema[2]
        << c.Picture1;
  for (std::size_t i = 3; i < c.cmdMarcoTema.size(); ++i) chain << c.cmdMarcoTema[i];
  for (qsizetype i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace

HelpWindowControls buildHelpWindowControls(QWidget& window) {
  window.setFont(arial(9));
  HelpWindowControls c;
  buildTopicRows(window, c);

  c.cmdAceptar = new QPushButton(QStringLiteral("Aceptar"), &window);
  nameControl(*c.cmdAceptar, "cmdAceptar");
  c.cmdAceptar->setGeometry(rectAt(5640, 840, 1215, 375));
  c.cmdAceptar->setAutoDefault(true);

  c.fraMarco = new QGroupBox(QString::fromUtf8(help::kFrameDesignCaption), &window);
  nameControl(*c.fraMarco, "fraMarco");
  c.fraMarco->setGeometry(rectAt(120, 1320, 6855, 3975));
  buildSubTopicRows(c);
  buildTextBox(c);

  setFocusOrder(c);
  return c;
}

}  // namespace filmotas::ui
