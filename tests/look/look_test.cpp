#include "harness/harness.h"

#include "harness/windows.h"
#include "toolswindow/toolseditor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>

#include <cmath>
#include <functional>
#include <memory>

namespace tessaro::test {
namespace {

// Every window of the program, shown; the tools editor is made for the test.
class LookTest : public AppTest {
 protected:
  QList<QWidget*> Windows() {
    MainWin()->show();
    Click(Find(MainWin(), "BtInt"));
    editor_ = std::make_unique<TFTools>();
    return {MainWin(), FindWindow("FAritm"), FractionsWin(), PolynomialsWin(), ProblemWin(), FileExistsWin(), AboutWin(), editor_.get()};
  }
  std::unique_ptr<TFTools> editor_;
};

QString Describe(const QWidget* w) {
  return w->objectName().isEmpty() ? QString(w->metaObject()->className()) + " \"" +
                                         Text(w) + "\""
                                   : w->objectName();
}

// The controls of `window` that cannot show their whole caption in the room they have.
QStringList Clipped(const QWidget* window) {
  QStringList clipped;
  for (const QWidget* w : window->findChildren<QWidget*>()) {
    // A drop-down list's edit line is measured with the list.
    if (!w->isVisibleTo(window) || qobject_cast<const QMenuBar*>(w->parentWidget()) ||
        qobject_cast<const QComboBox*>(w->parentWidget()))
      continue;
    const QFontMetrics fm = w->fontMetrics();
    bool fits = true;
    if (auto* label = qobject_cast<const QLabel*>(w)) {
      // A label that may cut its text says so by ignoring its width.
      if (label->text().isEmpty() ||
          label->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
        continue;
      if (label->wordWrap())
        fits = label->heightForWidth(label->width()) <= label->height();
      else
        fits = label->sizeHint().width() <= label->width() &&
               label->sizeHint().height() <= label->height();
    } else if (auto* box = qobject_cast<const QCheckBox*>(w)) {
      fits = box->sizeHint().width() <= box->width();
    } else if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
      if (button->text().isEmpty()) continue;
      const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
      fits = fm.horizontalAdvance(button->text()) + icon + 4 <= button->width() &&
             fm.height() <= button->height();
    } else if (auto* group = qobject_cast<const QGroupBox*>(w)) {
      fits = fm.horizontalAdvance(group->title()) + 8 <= group->width();
    } else if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w)) {
      fits = w->minimumSizeHint().height() <= w->height();
    }
    if (!fits) clipped << Describe(w) + QString(" %1x%2").arg(w->width()).arg(w->height());
  }
  return clipped;
}

TEST_F(LookTest, EveryWindowKeepsAtLeastItsDesignedSize) {
  const struct {
    const char* name;
    QSize designed;
  } designs[] = {{"FMI", {298, 263}}, {"FTools", {410, 280}}, {"FAbout", {337, 258}}};
  for (QWidget* window : Windows()) {
    SCOPED_TRACE(window->objectName().toStdString());
    window->show();
    // The layout's own minimum is what shows every control: the window never goes below it.
    const QSize layoutMinimum = window->layout() ? window->layout()->minimumSize() : QSize();
    EXPECT_GE(window->minimumWidth(), layoutMinimum.width());
    EXPECT_GE(window->minimumHeight(), layoutMinimum.height());
    for (const auto& d : designs) {
      if (window->objectName() != d.name) continue;
      EXPECT_GE(window->minimumWidth(), d.designed.width());
      EXPECT_GE(window->minimumHeight(), d.designed.height());
    }
  }
  // The About box places its labels by pixel: it keeps its size.
  EXPECT_EQ(AboutWin()->minimumSize(), QSize(337, 258));
  EXPECT_EQ(AboutWin()->maximumSize(), QSize(337, 258));
}

// Also run at QT_SCALE_FACTOR=2 (ctest tessaro_tests_look_2x); a larger desktop font
// stands for the text scaling of a large screen.
TEST_F(LookTest, NoCaptionIsCutAtTheSmallestSizeEvenWithALargerFont) {
  const QFont font = QApplication::font();
  for (double scale : {1.0, 1.5}) {
    SCOPED_TRACE(scale);
    QFont larger = font;
    larger.setPointSizeF(font.pointSizeF() * scale);
    QApplication::setFont(larger);
    StartUp();
    for (QWidget* window : Windows()) {
      SCOPED_TRACE(window->objectName().toStdString());
      AboutWin()->ShowAbout("TESSARO", "Mathematics of rational numbers", "2020", "1");
      window->show();
      window->resize(window->minimumSize());
      if (window->layout()) window->layout()->activate();
      EXPECT_EQ(Clipped(window), QStringList());
    }
    editor_.reset();
  }
  QApplication::setFont(font);
}

double Luminance(const QColor& c) {
  auto channel = [](double v) {
    v /= 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark desktop palette, as a dark theme gives it.
QPalette Dark() {
  QPalette p(QColor(53, 53, 53), QColor(53, 53, 53));
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(role, QColor(230, 230, 230));
  p.setColor(QPalette::Base, QColor(35, 35, 35));
  return p;
}

TEST_F(LookTest, DesignColoursKeepTheirValueAndStayReadableOnALightAndADarkPalette) {
  const QPalette light = QApplication::palette();
  const struct {
    std::function<QWidget*()> window;
    const char* control;
    QPalette::ColorRole text;
    QPalette::ColorRole background;
    QColor design;  // invalid: the desktop's colour, on a design background
  } cases[] = {
      {[] { return FileExistsWin(); }, "Label1", QPalette::WindowText, QPalette::Window, Qt::red},
      {[] { return AboutWin(); }, "Tit", QPalette::WindowText, QPalette::Window, Qt::blue},
      {[] { return AboutWin(); }, "EtV", QPalette::WindowText, QPalette::Window, Qt::red},
      {[] { return AboutWin(); }, "EtAutor", QPalette::WindowText, QPalette::Window, QColor(0, 0, 128)},
      {[] { return AboutWin(); }, "D", QPalette::WindowText, QPalette::Window, QColor()},
      {[] { return AboutWin(); }, "EdW", QPalette::Text, QPalette::Base, QColor(0, 128, 128)},
      {[this] { return editor_.get(); }, "EtLT", QPalette::WindowText, QPalette::Window,
       QColor(0, 0, 128)},
      {[this] { return editor_.get(); }, "EtPET", QPalette::WindowText, QPalette::Window,
       QColor(128, 0, 0)},
      {[this] { return editor_.get(); }, "EtTit", QPalette::WindowText, QPalette::Window, QColor()},
      {[this] { return editor_.get(); }, "BtOK", QPalette::ButtonText, QPalette::Button, Qt::blue},
      {[this] { return editor_.get(); }, "BtNou", QPalette::ButtonText, QPalette::Button,
       Qt::black},
      {[this] { return editor_.get(); }, "BtBrr", QPalette::ButtonText, QPalette::Button, Qt::red},
      {[] { return MainWin(); }, "Client", QPalette::WindowText, QPalette::Window, QColor()},
      {[] { return PolynomialsWin(); }, "IdROC", QPalette::Text, QPalette::Base, QColor(150, 0, 0)},
  };
  for (const QPalette& palette : {light, Dark()}) {
    SCOPED_TRACE(palette.color(QPalette::Window).name().toStdString());
    QApplication::setPalette(palette);
    StartUp();
    editor_ = std::make_unique<TFTools>();
    // A combined operation naming no item of the list: its message in its design colour.
    PolynomialsWin()->show();
    Type(Find(PolynomialsWin(), "IdPol"), "x^2-1");
    Click(Find(PolynomialsWin(), "BtaL"));
    Type(Find(PolynomialsWin(), "IdOC"), "A^B");
    Click(Find(PolynomialsWin(), "OkOC"));
    for (const auto& c : cases) {
      SCOPED_TRACE(c.control);
      QWidget* w = Find(c.window(), c.control);
      ASSERT_NE(w, nullptr);
      const QColor text = w->palette().color(c.text);
      if (c.design.isValid()) {
        EXPECT_EQ(text, c.design);
      }
      EXPECT_GE(Contrast(text, w->palette().color(c.background)), 3.0)
          << text.name().toStdString() << " on "
          << w->palette().color(c.background).name().toStdString();
    }
  }
  QApplication::setPalette(light);
}

}  // namespace
}  // namespace tessaro::test
