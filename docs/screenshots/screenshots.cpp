// Renders the program's windows, with realistic contents, to PNG files.
// Usage: tessaro_screenshots <output folder>   (run on the offscreen platform)

#include "app/aboutbox.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "app/ui.h"
#include "problems/fileexistsdialog.h"
#include "themes/fractionswindow.h"
#include "themes/integerswindow.h"
#include "problems/problemwindow.h"
#include "tools/toolseditor.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest/QTest>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

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

// The user's gestures, by object name.
void Type(QWidget* window, const char* name, const char* text) {
  QWidget* field = window->findChild<QWidget*>(QString::fromUtf8(name));
  if (auto* combo = qobject_cast<QComboBox*>(field)) field = combo->lineEdit();
  auto* edit = qobject_cast<QLineEdit*>(field);
  if (!edit) return;
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, QString::fromUtf8(text));
}

void Press(QWidget* window, const char* name) {
  if (auto* button = window->findChild<QAbstractButton*>(QString::fromUtf8(name))) button->click();
}

void SelectAllRows(QWidget* window, const char* name) {
  auto* list = window->findChild<QListWidget*>(QString::fromUtf8(name));
  if (!list) return;
  for (int row = 0; row < list->count(); ++row)
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(list->item(row)).center());
}

void FillIntegers(QWidget* w) {
  for (const char* n : {"12", "18", "30", "360"}) {
    Type(w, "IdN", n);
    Press(w, "Ok1");
  }
  Type(w, "IdA", "7");
  Type(w, "IdB", "-2");
  Press(w, "OkOps");
  Type(w, "IdOC", "a+b/c^2");
  Press(w, "OkOC");
  SelectAllRows(w, "LN");
}

void FillFractions(QWidget* w) {
  for (auto [n, d] : {std::pair{"1", "2"}, {"3", "4"}, {"5", "6"}, {"2", "4"}}) {
    Type(w, "IdN", n);
    Type(w, "IdD", d);
    Press(w, "BtOk");
  }
  Press(w, "Ok2");
  Type(w, "IdOC", "a+b*c");
  Press(w, "OkOC");
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setWindowIcon(tessaro::AppIcon());
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  if (!folder.exists() && !QDir().mkpath(folder.path())) return 1;

  // Tools.rel and the problem files are read from the working directory.
  QTemporaryDir work;
  QDir::setCurrent(work.path());
  QFile tools(QStringLiteral("Tools.rel"));
  if (tools.open(QIODevice::WriteOnly))
    tools.write("Calculator\r\ngalculator\r\n\r\n\r\nText editor\r\nmousepad\r\n\r\n\r\n");
  tools.close();

  using namespace tessaro;
  StartUp();
  bool ok = Save(FMI, folder, QStringLiteral("main-window"));

  FPrbl->MostraPrbl(QStringLiteral("If a= 7  b= 2 calculate:\r\na\u00B7b, a/b, hcd(a,b), LCM(a,b)\r\n"),
                    QStringLiteral("a\u00B7b= 14\r\na/b= 3.5 (Q= 3, R= 1)\r\nhcd(a,b)= 1\r\nLCM(a,b)= 14\r\n"));
  ok = Save(FPrbl, folder, QStringLiteral("problem-window")) && ok;

  FOps->findChild<QLabel*>(QStringLiteral("EtF"))->setText(work.filePath(QStringLiteral("Prbls/p1.txt")));
  ok = Save(FOps, folder, QStringLiteral("file-exists")) && ok;
  FOps->hide();

  FAbout->ShowAbout(QStringLiteral("TESSARO"), QStringLiteral("Mathematics of rational numbers"),
                    QStringLiteral("2020"), QStringLiteral("1"));
  ok = Save(FAbout, folder, QStringLiteral("about")) && ok;

  Press(FMI, "BtInt");
  QWidget* integers = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QStringLiteral("FAritm")) integers = w;
  if (integers) {
    FillIntegers(integers);
    ok = Save(integers, folder, QStringLiteral("integers")) && ok;
    integers->hide();
  }

  FFracc->show();
  FillFractions(FFracc);
  ok = Save(FFracc, folder, QStringLiteral("fractions")) && ok;
  FFracc->hide();

  TFTools editor;
  ok = Save(&editor, folder, QStringLiteral("tools-editor")) && ok;
  editor.hide();

  ShutDown();
  return ok ? 0 : 1;
}
