// Every editable field of every window takes each text of a hostile list, then its command
// is pressed. Whatever the text: no crash and no hang; either a result or one of the
// program's own messages; and where a message says the command failed, the window's list
// and earlier results are as they were. A well-formed input afterwards still gives the
// right result.

#include "harness/harness.h"

#include "harness/windows.h"
#include "polynomials/polynomials.h"
#include "problems/problemfile.h"
#include "toolswindow/toolseditor.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTableWidget>

#include <algorithm>
#include <functional>
#include <vector>

namespace tessaro::test {
namespace {

struct Hostile {
  QString text;
  const char* what;
};

const std::vector<Hostile>& HostileTexts() {
  static const std::vector<Hostile> texts = {
      {"", "empty"},
      {"   ", "blanks"},
      {"-", "a lone sign"},
      {"--", "two signs"},
      {"2147483647", "the largest 32-bit integer"},
      {"2147483648", "one past it"},
      {"-2147483649", "one below the smallest"},
      {"$FFFFFFFF", "hexadecimal -1"},
      {"0x", "a prefix without digits"},
      {"1/0", "zero denominator"},
      {"0/0", "nothing over nothing"},
      {"1/-0", "negative zero denominator"},
      {"abcXYZ", "letters"},
      {"x^", "a power without exponent"},
      {"x^12", "a two-digit exponent"},
      {QString(500, '(') + "1" + QString(500, ')'), "500 parentheses deep"},
      {QString(1000, '9'), "1,000 digits"},
      {QString::fromUtf8("\xC3\xB1" "and\xC3\xBA \xE2\x82\xAC \xF0\x9F\x98\x80"),
       "non-ASCII and an emoji"},
      {"1\t2", "a tab"},
      {QString::fromUtf8("7\x01") + QChar(0) + "7", "control characters"},
  };
  return texts;
}

// A paste brings what the keyboard cannot type (control characters move focus or are
// dropped); everything else is typed key by key.
void Enter(QWidget* field, const QString& text) {
  const bool typeable = std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
  if (typeable)
    Type(field, text);
  else
    SetText(field, text);
}

// The texts of the controls that hold a window's state: list rows and grid cells in full.
QStringList StateOf(const QWidget* window, const QStringList& names) {
  QStringList state;
  for (const QString& name : names) {
    QWidget* control = Find(window, name);
    if (auto* list = qobject_cast<QListWidget*>(control)) {
      QStringList rows;
      for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
      state << name + "=" + rows.join('|');
    } else if (auto* grid = qobject_cast<QTableWidget*>(control)) {
      QStringList cells;
      for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
          cells << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
      state << name + "=" + cells.join('|');
    } else {
      state << name + "=" + Text(control);
    }
  }
  return state;
}

// A field, the command it feeds, and what a failed command may still change.
struct FieldCase {
  QString field;
  std::function<void(QWidget* window)> command;
  QStringList mayChange;                          // state a failure may rewrite
  std::function<void(QWidget* window)> prepare;   // before each text
  // Types the text where `field` alone cannot say (a grid cell); by default into `field`.
  std::function<void(QWidget* window, const QString& text)> enter = {};
  std::function<void(QWidget* window)> after = {};  // checks after a command, if any
};

struct Message {
  QRegularExpression text;
  QString caption;
};

// Feeds every hostile text through every case of a window and checks the outcome.
void Barrage(QWidget* window, const std::vector<FieldCase>& cases, const QStringList& state,
            const std::vector<Message>& messages) {
  AllowMessages([messages](const SeenMessage& seen) {
    return std::any_of(messages.begin(), messages.end(), [&](const Message& m) {
      return m.caption == seen.caption && m.text.match(seen.text).hasMatch();
    });
  });
  for (const FieldCase& c : cases) {
    for (const Hostile& h : HostileTexts()) {
      SCOPED_TRACE(c.field.toStdString() + " <- " + h.what);
      if (c.prepare) c.prepare(window);
      if (c.enter) {
        c.enter(window, h.text);
      } else {
        QWidget* field = Find(window, c.field);
        Enter(field, h.text);
        EXPECT_LE(Text(field).size(), MaxEntryLength);
      }
      QStringList kept = state;
      for (const QString& name : c.mayChange) kept.removeAll(name);
      const QStringList before = StateOf(window, kept);
      const std::size_t seen = SeenMessages().size();
      c.command(window);
      const std::size_t shown = SeenMessages().size() - seen;
      EXPECT_LE(shown, 1u) << "one message at most";
      if (shown == 1) {
        EXPECT_EQ(StateOf(window, kept), before) << "a failure changes nothing";
      }
      if (c.after) c.after(window);
    }
  }
  AllowMessages(nullptr);
}

// After the barrage the window still computes: each control given its text, the button
// pressed, and the result field shows what it should.
struct SoundCase {
  std::vector<std::pair<const char*, QString>> texts;
  const char* press;
  const char* result;
  QString expected;
};

void ExpectStillSound(QWidget* window, const std::vector<SoundCase>& cases) {
  for (const SoundCase& c : cases) {
    for (const auto& [name, text] : c.texts) SetText(Find(window, name), text);
    Click(Find(window, c.press));
    EXPECT_EQ(TextOf(window, c.result), c.expected) << c.result;
  }
}

Message Conversion() {
  return {QRegularExpression("^'.*' is not a valid integer value$",
                             QRegularExpression::DotMatchesEverythingOption),
          AppTitle};
}
Message Exactly(const QString& text, const QString& caption) {
  return {QRegularExpression("^" + QRegularExpression::escape(text) + "$"), caption};
}

auto ClickOn(const char* button) {
  return [button](QWidget* w) { Click(Find(w, button)); };
}
auto EnterIn(const char* field) {
  return [field](QWidget* w) { Press(Find(w, field), Qt::Key_Return); };
}

using HostileInput = AppTest;

TEST_F(HostileInput, IntegersWindowRefusesOrComputesEveryText) {
  MainWin()->show();
  Click(Find(MainWin(), "BtInt"));
  QWidget* w = FindWindow("FAritm");
  ASSERT_NE(w, nullptr);
  for (const char* n : {"12", "18"}) {
    SetText(Find(w, "IdN"), n);
    Click(Find(w, "Ok1"));
  }
  const QStringList state = {"LN", "LL", "IdPot", "IdDF", "IdFctr", "IdHex", "IdBin", "IdOct",
                             "IdX", "EtErr", "IdS", "IdRs", "IdM", "IdD", "IdQ", "IdR", "IdMCD",
                             "IdMCM", "EtOC", "IdROC1", "IdROC2", "EtMCDn", "EtMCMn"};
  const auto basis = [](QWidget* win) { SetText(Find(win, "IdBX"), "12"); };
  const auto operands = [](QWidget* win) {
    SetText(Find(win, "IdA"), "7");
    SetText(Find(win, "IdB"), "2");
  };
  const std::vector<FieldCase> cases = {
      {"IdN", ClickOn("Ok1"), {}, {}},
      {"IdHex", EnterIn("IdHex"), {}, {}},
      {"IdBin", EnterIn("IdBin"), {}, {}},
      {"IdBin", [](QWidget* win) { DoubleClick(Find(win, "IdBin")); }, {}, {}},
      {"IdOct", EnterIn("IdOct"), {}, {}},
      {"IdX", EnterIn("IdX"), {}, basis},
      {"IdBX", EnterIn("IdBX"), {}, {}},
      {"IdA", ClickOn("OkOps"), {}, operands},
      {"IdB", ClickOn("OkOps"), {}, operands},
      // A failed evaluation shows the replaced text and "  ---" as results.
      {"IdOC", ClickOn("OkOC"), {"EtOC", "IdROC1", "IdROC2"}, {}},
  };
  Barrage(w, cases, state,
                            {Conversion(),
                             {QRegularExpression("^.* isn't a valid integer$",
                                                 QRegularExpression::DotMatchesEverythingOption),
                              AppTitle},
                             Exactly("Division by 0 or >Long_Max in any step", "Not calculable"),
                             Exactly("List full (23 numbers)", "Wrong entry")});

  // The basis field still holds the last hostile text, which no N is accepted with.
  ExpectStillSound(w, {{{{"IdBX", "12"}, {"IdN", "12"}}, "Ok1", "IdDF",
                        QString::fromUtf8("2^2 \xC2\xB7 3")},
                       {{{"IdA", "7"}, {"IdB", "-2"}}, "OkOps", "IdQ", "-3"},
                       {{{"IdOC", "a*b"}}, "OkOC", "IdROC1", "216"}});
}

TEST_F(HostileInput, FractionsWindowRefusesOrComputesEveryText) {
  MainWin()->show();
  Click(Find(MainWin(), "BtFrac"));
  QWidget* w = FindWindow("FFracc");
  ASSERT_NE(w, nullptr);
  for (const auto& [n, d] : {std::pair{"1", "2"}, std::pair{"3", "4"}}) {
    SetText(Find(w, "IdN"), n);
    SetText(Find(w, "IdD"), d);
    Click(Find(w, "BtOk"));
  }
  const QStringList state = {"LF", "LL", "Id1", "IdS", "TOpsBin", "EtOC", "IdROC"};
  const std::vector<FieldCase> cases = {
      {"IdN", ClickOn("BtOk"), {}, [](QWidget* win) { SetText(Find(win, "IdD"), "7"); }},
      {"IdD", ClickOn("BtOk"), {}, [](QWidget* win) { SetText(Find(win, "IdN"), "5"); }},
      {"LA", ClickOn("Ok2"), {}, [](QWidget* win) { SetText(Find(win, "LB"), "3/4"); }},
      {"LB", ClickOn("Ok2"), {}, [](QWidget* win) { SetText(Find(win, "LA"), "1/2"); }},
      // A failed evaluation shows the replaced text.
      {"IdOC", ClickOn("OkOC"), {"EtOC"}, {}},
  };
  Barrage(w, cases, state,
                            {Conversion(), Exactly("Denominator can't be zero", "Wrong entry"),
                             Exactly("Wrong entry", "Error"),
                             Exactly("List full (22 fractions)", "Wrong entry")});

  ExpectStillSound(w, {{{{"IdOC", "a+b"}}, "OkOC", "IdROC", "5/4"}});
  SetText(Find(w, "LA"), "1/2");
  SetText(Find(w, "LB"), "1/3");
  Click(Find(w, "Ok2"));
  EXPECT_EQ(Find<QTableWidget>(w, "TOpsBin")->item(1, 0)->text(), "5/6");
}

// Types into a cell of the coefficient grid the way the user does: open its editor, type,
// and Enter to keep the text.
void EnterCell(QWidget* window, int column, const QString& text) {
  auto* grid = Find<QTableWidget>(window, "LCoefs");
  grid->setCurrentCell(0, column);
  grid->editItem(grid->item(0, column));
  QLineEdit* editor = nullptr;
  for (QLineEdit* open : grid->viewport()->findChildren<QLineEdit*>())
    if (open->isVisible()) editor = open;
  ASSERT_NE(editor, nullptr);
  Enter(editor, text);
  EXPECT_LE(editor->text().size(), MaxEntryLength);
  Press(editor, Qt::Key_Return);
  QApplication::processEvents();  // the grid keeps the text and closes its editor queued
  EXPECT_FALSE(editor->isVisible()) << "Enter keeps the text and closes the editor";
}

TEST_F(HostileInput, PolynomialsWindowRefusesOrComputesEveryText) {
  MainWin()->show();
  Click(Find(MainWin(), "BtPol"));
  QWidget* w = FindWindow("FP");
  ASSERT_NE(w, nullptr);
  for (const char* p : {"x+1", "x-1", "1/2x^2-3"}) {
    SetText(Find(w, "IdPol"), p);
    Click(Find(w, "BtaL"));
  }
  const QStringList state = {"LPols", "LL",  "IdVN", "IdRoots", "IdFctr", "IdDer", "IdPrim", "IdS",
                             "IdD",   "IdM", "IdQ",  "IdR",     "IdMCD",  "IdMCM", "IdROC"};
  // Entries that succeed fill the list: keep it to the three above, and the grid empty.
  const auto fresh = [](QWidget* win) {
    auto* list = Find<QListWidget>(win, "LPols");
    while (list->count() > 3) {
      ClickRow(list, list->count() - 1);
      Click(Find(win, "BtBrr"));
    }
    Click(Find(win, "BtRst"));
  };
  std::vector<FieldCase> cases = {
      {"IdPol", EnterIn("IdPol"), {}, {}},
      {"IdPol", ClickOn("BtaL"), {}, fresh},
      {"IdX", EnterIn("IdX"), {}, {}},
      {"IdP1", ClickOn("BtBin"), {}, [](QWidget* win) { SetText(Find(win, "IdP2"), "x-1"); }},
      {"IdP2", ClickOn("BtBin"), {}, [](QWidget* win) { SetText(Find(win, "IdP1"), "x^2-1"); }},
      {"IdOC", ClickOn("OkOC"), {}, {}},
  };
  // Every cell of the grid, then OK. An item the grid adds reads back from the text the
  // list shows for it.
  const auto readsBack = [](QWidget* win) {
    auto* list = Find<QListWidget>(win, "LPols");
    Polynomial back{};
    EXPECT_TRUE(PolFromText(ToStd(list->item(list->count() - 1)->text()), back));
  };
  for (int k = 0; k < 10; ++k) {
    cases.push_back({"LCoefs cell " + QString::number(k), ClickOn("BtOk"), {}, fresh,
                     [k](QWidget* win, const QString& text) { EnterCell(win, k, text); },
                     readsBack});
  }
  Barrage(w, cases, state,
          {Conversion(), Exactly("Not a rational polynomial", AppTitle),
           Exactly("List full (24 polynomials)", "Wrong entry")});

  fresh(w);
  EnterCell(w, 0, "-1");
  EnterCell(w, 2, "1");
  Click(Find(w, "BtOk"));
  auto* list = Find<QListWidget>(w, "LPols");
  EXPECT_EQ(list->item(list->count() - 1)->text(), "x^2-1");
  ExpectStillSound(w, {{{{"IdP1", "x^2-1"}, {"IdP2", "x-1"}}, "BtBin", "IdQ", "x+1"},
                       {{{"IdOC", "A*B"}}, "OkOC", "IdROC", "x^2-1"}});
}

TEST_F(HostileInput, ToolsEditorTakesEveryTextIntoAToolThatReadsBack) {
  TFTools editor;
  editor.show();
  const QStringList state = {"LT"};
  // Each text goes into a new tool whose other fields are ordinary.
  const auto fresh = [](QWidget* win) {
    auto* list = Find<QListWidget>(win, "LT");
    if (list->count() > 0) {
      ClickRow(list, list->count() - 1);
      Click(Find(win, "BtBrr"));
    }
    for (const char* name : {"IdTit", "IdFtx", "IdDir", "IdPars"}) SetText(Find(win, name), "t");
  };
  std::vector<FieldCase> cases;
  for (const char* field : {"IdTit", "IdFtx", "IdDir", "IdPars"})
    cases.push_back({field, ClickOn("BtInc"), {}, fresh});
  Barrage(&editor, cases, state, {Exactly("A tool needs a title", "Wrong entry")});

  // The last tool, written and read back, is what the list shows.
  Click(Find(&editor, "BtOK"));
  TFTools reread;
  reread.show();
  EXPECT_EQ(StateOf(&reread, state), StateOf(&editor, state));
}

TEST_F(HostileInput, ProblemWindowSavesEveryTextLineByLine) {
  ProblemWin()->MostraPrbl("q", "a");
  const QString path = QDir::current().absoluteFilePath("p.txt");
  for (const char* area : {"IdE", "IdR"}) {
    for (const Hostile& h : HostileTexts()) {
      SCOPED_TRACE(std::string(area) + " <- " + h.what);
      SetText(Find(ProblemWin(), area), h.text);
      // What Save does once the file is chosen.
      ProblemWin()->GrdPrbl(path, GrdMtx);
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::ReadOnly));
      EXPECT_EQ(file.readAll().toStdString(),
                ProblemFileText(GrdMtx, "", ToStd(TextOf(ProblemWin(), "IdE")),
                                ToStd(TextOf(ProblemWin(), "IdR"))));
    }
  }
}

}  // namespace
}  // namespace tessaro::test
