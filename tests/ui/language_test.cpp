#include "ui/language.h"

#include "graphwindow/graphwindow.h"
#include "harness/harness.h"
#include "numbers/conversionerror.h"
#include "problems/kinds.h"
#include "problemwindow/fileexistsdialog.h"
#include "problemwindow/problemwindow.h"
#include "pseudolanguage.h"
#include "toolswindow/toolseditor.h"
#include "ui/ui.h"
#include "working/integerworking.h"
#include "workingwindow/workingwindow.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTranslator>
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace tessaro {
namespace {

struct LanguageRow {
  const char* why;
  std::initializer_list<std::pair<const char*, const char*>> env;
  const char* language;
};

TEST(DesktopLanguage, FollowsLanguageThenTheLocaleAndEnglishWhenNoneFits) {
  const LanguageRow rows[] = {
      {"nothing set: English", {}, ""},
      {"the locale alone", {{"LANG", "es_ES.UTF-8"}}, "es"},
      {"C means English", {{"LANG", "C"}}, ""},
      {"C.UTF-8 too", {{"LANG", "C.UTF-8"}}, ""},
      {"under C, LANGUAGE is not read", {{"LANG", "C"}, {"LANGUAGE", "es"}}, ""},
      {"without a locale, LANGUAGE is not read", {{"LANGUAGE", "de"}}, ""},
      {"LANGUAGE before the locale", {{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "de:fr"}}, "de"},
      {"LC_ALL before LANG", {{"LC_ALL", "de_DE.UTF-8"}, {"LANG", "es_ES.UTF-8"}}, "de"},
      {"LC_MESSAGES before LANG", {{"LC_MESSAGES", "fr_CA"}, {"LANG", "es_ES"}}, "fr"},
      {"a language not spoken", {{"LANG", "it_IT.UTF-8"}}, ""},
      {"the first one spoken", {{"LANG", "it_IT.UTF-8"}, {"LANGUAGE", "it:pt:es"}}, "es"},
      {"English asked for first", {{"LANG", "es_ES.UTF-8"}, {"LANGUAGE", "en_GB:es"}}, ""},
      {"a modifier", {{"LANG", "de_DE@euro"}}, "de"},
      {"upper case", {{"LANG", "FR_fr"}}, "fr"},
  };
  for (const LanguageRow& row : rows) {
    QProcessEnvironment env;
    for (const auto& [name, value] : row.env)
      env.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    EXPECT_EQ(DesktopLanguage(env), QString::fromLatin1(row.language)) << row.why;
  }
}

// The pseudo language of the tests as a Qt translator, for the program's own texts: Qt's
// dialogs keep their words.
class PseudoTranslator : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (!context || context[0] == 'Q') return {};
    return QString::fromStdString(test::Pseudo(source));
  }
  bool isEmpty() const override { return false; }
};

// Speaks the pseudo language as the program speaks another one: UseLanguage's translators,
// the pseudo translator in front of them.
class PseudoWindows {
 public:
  PseudoWindows() {
    UseLanguage(QStringLiteral("es"));
    QCoreApplication::installTranslator(&translator_);
  }
  ~PseudoWindows() {
    QCoreApplication::removeTranslator(&translator_);
    UseLanguage(QString());
  }

 private:
  PseudoTranslator translator_;
};

QString NameOf(QWidget* w) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
  return iface ? iface->text(QAccessible::Name) : QString();
}

TEST(WindowsInAnotherLanguage, TranslateTheirWordsAndKeepNumbersAndNotation) {
  using test::Find;
  using test::TextOf;
  PseudoWindows pseudo;
  // The pure libraries speak through Qt's translators.
  EXPECT_STREQ(ConversionError("1a").what(), "⟦'1a' IS NOT A VALID INTEGER VALUE⟧");
  EXPECT_EQ(CannotCreateFile(QStringLiteral("a1.txt")), "⟦CANNOT CREATE FILE a1.txt⟧");

  TFPrbl problem;
  EXPECT_EQ(problem.windowTitle(), "⟦PROBLEM⟧");
  EXPECT_EQ(TextOf(&problem, "EtEn"), "⟦QUESTION⟧");
  EXPECT_EQ(NameOf(Find(&problem, "IdE")), "⟦QUESTION⟧") << "a field is named by its label";
  EXPECT_EQ(NameOf(Find(&problem, "BtGrd")), "⟦SAVE⟧");
  const MadeProblem made = MakeProblem(IntegerListParams{{12, 18}});
  ASSERT_TRUE(made.texts);
  problem.Show({*made.texts, {{IntegerListParams{{12, 18}}, *made.texts}}});
  EXPECT_EQ(TextOf(&problem, "IdE"), "⟦CALCULATE THE ⟦HCD⟧ AND ⟦LCM⟧ OF 12, 18⟧");
  EXPECT_EQ(TextOf(&problem, "IdR"), "⟦HCD⟧(12, 18) = 6\n⟦LCM⟧(12, 18) = 36\n");

  TFOps fileExists;
  EXPECT_EQ(TextOf(&fileExists, "BtAdd"), "⟦ADD TO IT⟧");

  TFTools tools;
  EXPECT_EQ(NameOf(Find(&tools, "LT")), "⟦TOOLS⟧");
  EXPECT_EQ(NameOf(Find(&tools, "BtNou")), "⟦NEW TOOL⟧");

  TFGraph graph;
  Polynomial p{};
  PolFromText("x^2-1", p);
  graph.FollowPolynomial(p, QStringLiteral("A"));
  EXPECT_EQ(TextOf(&graph, "IdFacts"),
            "A(x) = x^2-1\n⟦REAL ROOTS: -1, 1.⟧\n⟦TURNING POINT: (0, -1).⟧");
  EXPECT_EQ(NameOf(Find(&graph, "PGraph")), "⟦GRAPH OF A(x) = x^2-1⟧");

  TFWork work;
  work.ShowWorking(QStringLiteral("t"), HcdLcmWorking(12, 18));
  EXPECT_EQ(work.windowTitle(), "⟦WORKING: t⟧");
  EXPECT_EQ(work.PlainText(), QString::fromUtf8("18 = 1·12 + 6\n12 = 2·6 + 0\n⟦HCD⟧(12,18) = 6\n"
                                                "⟦LCM⟧(12,18) = 12·18 ÷ 6 = 36"));
  work.hide();
}

TEST(WindowsInAnotherLanguage, SpeakEnglishAgainWithoutTheTranslator) {
  { PseudoWindows pseudo; }
  TFPrbl problem;
  EXPECT_EQ(problem.windowTitle(), "Problem");
  EXPECT_STREQ(ConversionError("1a").what(), "'1a' is not a valid integer value");
}

}  // namespace
}  // namespace tessaro
