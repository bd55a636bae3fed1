// Renders the program's windows, with realistic contents, to PNG files.
// Usage: tessaro_screenshots <output folder> [--dark]   (run on the offscreen platform)
// --dark renders them on a dark desktop palette; QT_SCALE_FACTOR=2 renders them at 200 %.

#include "ui/keyboard.h"
#include "app/startup.h"
#include "ui/ui.h"
#include "toolswindow/toolseditor.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest/QTest>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool Save(QWidget* window, const QDir& folder, const QString& name) {
  window->show();
  QApplication::processEvents();
  const QString path = folder.filePath(name + QStringLiteral(".png"));
  if (!window->grab().save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

// A window of the run by its object name.
QWidget* Window(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QString::fromUtf8(name)) return w;
  std::fprintf(stderr, "no window %s\n", name);
  std::exit(1);
}

QWidget* Control(QWidget* window, const char* name) {
  QWidget* control = window->findChild<QWidget*>(QString::fromUtf8(name));
  if (!control) std::fprintf(stderr, "no control %s\n", name);
  return control;
}

// The user's gestures, by object name.
void Type(QWidget* window, const char* name, const char* text) {
  QWidget* field = Control(window, name);
  if (auto* combo = qobject_cast<QComboBox*>(field)) field = combo->lineEdit();
  auto* edit = qobject_cast<QLineEdit*>(field);
  if (!edit) return;
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, QString::fromUtf8(text));
}

void Enter(QWidget* window, const char* name, const char* text) {
  Type(window, name, text);
  if (QWidget* field = Control(window, name)) QTest::keyClick(field, Qt::Key_Return);
}

void Press(QWidget* window, const char* name) {
  if (auto* button = qobject_cast<QAbstractButton*>(Control(window, name))) button->click();
}

void Trigger(QWidget* window, const char* name) {
  if (auto* action = window->findChild<QAction*>(QString::fromUtf8(name))) action->trigger();
}

void Choose(QWidget* window, const char* name, int index) {
  if (auto* combo = qobject_cast<QComboBox*>(Control(window, name))) combo->setCurrentIndex(index);
}

void ClickRow(QWidget* window, const char* name, int row,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  auto* list = qobject_cast<QListWidget*>(Control(window, name));
  if (!list || !list->item(row)) return;
  list->scrollToItem(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                    list->visualItemRect(list->item(row)).center());
}

void FillIntegers(QWidget* w) {
  for (const char* n : {"12", "18", "30", "360"}) Enter(w, "IdN", n);
  Type(w, "IdA", "7");
  Type(w, "IdB", "-2");
  Press(w, "OkOps");
  Type(w, "IdOC", "a+b/c^2");
  Press(w, "OkOC");
  for (int row = 0; row < 3; ++row) ClickRow(w, "LN", row, Qt::ControlModifier);
}

void FillFractions(QWidget* w) {
  for (auto [n, d] : {std::pair{"1", "2"}, {"3", "4"}, {"5", "6"}, {"10", "4"}}) {
    Type(w, "IdN", n);
    Type(w, "IdD", d);
    Press(w, "BtOk");
  }
  Choose(w, "LB", 1);
  Press(w, "Ok2");
  Type(w, "IdOC", "a+b*c");
  Press(w, "OkOC");
}

void FillPolynomials(QWidget* w) {
  for (const char* p : {"x^3-x", "x^2-1", "2x+1/2"}) {
    Type(w, "IdPol", p);
    Press(w, "BtaL");
  }
  // The unary panel for A at x = 2, the binary results of A and B, and A/B+C.
  ClickRow(w, "LPols", 0);
  if (auto* list = qobject_cast<QListWidget*>(Control(w, "LPols")))
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                       list->visualItemRect(list->item(0)).center());
  Enter(w, "IdX", "2");
  ClickRow(w, "L1", 0);
  if (auto* chooser = qobject_cast<QListWidget*>(Control(w, "L2"))) chooser->setCurrentRow(1);
  Press(w, "BtBin");
  Type(w, "IdOC", "A/B+C");
  Press(w, "OkOC");
}

// A dark desktop palette, as a dark theme gives it.
QPalette DarkPalette() {
  QPalette p;
  const QColor window(53, 53, 53), text(230, 230, 230), base(35, 35, 35);
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, window);
  p.setColor(QPalette::ToolTipBase, base);
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::PlaceholderText, QColor(140, 140, 140));
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, window);
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::BrightText, Qt::red);
  p.setColor(QPalette::Light, QColor(80, 80, 80));
  p.setColor(QPalette::Midlight, QColor(66, 66, 66));
  p.setColor(QPalette::Mid, QColor(40, 40, 40));
  p.setColor(QPalette::Dark, QColor(25, 25, 25));
  p.setColor(QPalette::Shadow, Qt::black);
  p.setColor(QPalette::Link, QColor(90, 160, 230));
  p.setColor(QPalette::Highlight, QColor(42, 130, 218));
  p.setColor(QPalette::HighlightedText, Qt::white);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
  return p;
}

// The offscreen platform cannot raise windows or size them to hints; saying so for every
// window only buries the list of files written.
void Quiet(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (!message.startsWith(QStringLiteral("This plugin does not support")))
    qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(Quiet);
  // The pictures show a fresh start, whatever the user running this asked to be remembered.
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
  QApplication app(argc, argv);
  QApplication::setWindowIcon(tessaro::AppIcon());
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  if (!folder.exists() && !QDir().mkpath(folder.path())) return 1;
  tessaro::UseKeyboardStyle();
  if (argc > 2 && std::strcmp(argv[2], "--dark") == 0) QApplication::setPalette(DarkPalette());

  // Tools.rel and the problem files are read from the working directory.
  QTemporaryDir work;
  QDir::setCurrent(work.path());
  QFile tools(QStringLiteral("Tools.rel"));
  if (tools.open(QIODevice::WriteOnly))
    tools.write("Calculator\r\ngalculator\r\n\r\n\r\nText editor\r\nmousepad\r\n\r\n\r\n");
  tools.close();

  using namespace tessaro;
  StartUp();
  bool ok = Save(Window("FMI"), folder, QStringLiteral("main-window"));

  Press(Window("FMI"), "BtInt");
  QWidget* integers = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QStringLiteral("FAritm")) integers = w;
  if (integers) {
    FillIntegers(integers);
    ok = Save(integers, folder, QStringLiteral("integers")) && ok;
    integers->hide();
  }

  Window("FFracc")->show();
  FillFractions(Window("FFracc"));
  ok = Save(Window("FFracc"), folder, QStringLiteral("fractions")) && ok;

  // The Problem window with what the Fractions window's "All" makes of it.
  Trigger(Window("FFracc"), "OpAll");
  Window("FFracc")->hide();
  Window("FPrbl")->resize(Window("FPrbl")->minimumSize().expandedTo(QSize(460, 400)));
  ok = Save(Window("FPrbl"), folder, QStringLiteral("problem-window")) && ok;

  // The Worksheet window with that problem added, and its preview drawn.
  Press(Window("FPrbl"), "BtAddSheet");
  Window("FPrbl")->hide();
  Type(Window("FSheet"), "IdTitle", "Fractions, week 3");
  Window("FSheet")->resize(Window("FSheet")->minimumSize().expandedTo(QSize(900, 600)));
  QTest::qWait(600);
  ok = Save(Window("FSheet"), folder, QStringLiteral("worksheet-window")) && ok;
  Window("FSheet")->hide();

  Window("FP")->show();
  FillPolynomials(Window("FP"));
  ok = Save(Window("FP"), folder, QStringLiteral("polynomials")) && ok;
  Window("FP")->hide();

  // A fixed, ordinary name: the working folder's own would change at every run.
  Window("FOps")->findChild<QLabel*>(QStringLiteral("EtF"))
      ->setText(QStringLiteral("/home/teacher/Prbls/p1.txt"));
  ok = Save(Window("FOps"), folder, QStringLiteral("file-exists")) && ok;
  Window("FOps")->hide();

  Trigger(Window("FMI"), "About1");
  ok = Save(Window("FAbout"), folder, QStringLiteral("about")) && ok;
  Window("FAbout")->hide();

  TFTools editor;
  editor.show();
  ClickRow(&editor, "LT", 0);
  ok = Save(&editor, folder, QStringLiteral("tools-editor")) && ok;
  editor.hide();

  ShutDown();
  return ok ? 0 : 1;
}
