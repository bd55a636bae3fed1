#pragma once

#include "panels/integerstate.h"
#include "problems/kinds.h"
#include "themes/panelworking.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <tuple>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QToolButton;
class QWidget;

namespace tessaro {

struct IntegersRun;

// What every Integers window of a run shares: the one list. The start-up makes it and hands
// it to each window it opens.
std::shared_ptr<IntegersRun> NewIntegersRun();

// The run's list and its selection, to remember between runs, and taken back into every
// Integers window (see IntegerShared::Restore).
ListSession IntegersSession(const IntegersRun& run);
void RestoreIntegers(IntegersRun& run, const ListSession& session);

// The Integers theme window: one integer N, two integers n1 and n2, a lettered list
// with the hcd and LCM of a selection, and a combined operation over the list. Every
// Integers command makes a new one; all of them show one list.
class TFAritm : public QMainWindow {
  Q_OBJECT

 public:
  TFAritm(ShowProblem showProblem, std::shared_ptr<IntegersRun> run,
          ShowWorking showWorking = {}, QWidget* parent = nullptr);
  ~TFAritm() override;

  // The decimals this window's drop-down lists show, to remember between runs, and taken
  // back; a number outside 1 to 9 gives the default.
  IntegerDecimals Decimals() const;
  void UseDecimals(IntegerDecimals decimals);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend void RestoreIntegers(IntegersRun& run, const ListSession& session);

  QGroupBox* BuildPN();
  QGroupBox* BuildPOps();
  QGroupBox* BuildPL();
  QGroupBox* BuildPOC();
  void BuildMenu();
  void ConnectHandlers();

  // Every handler runs a command on the models, then writes every Integers window from
  // them (also when the command stops at a text that is no integer).
  void Act(const std::function<void()>& command);
  void Show();
  void ShowSingle();
  void ShowPair();
  void ShowCombined();
  void ShowList();
  void ShowKinds();

  // Single integer.
  void AcceptN();
  void BtLClick();
  // A command of the model that takes nothing but what the model holds.
  void Apply(void (IntegerWindowState::*command)());
  void LexpChange();
  // Two integers.
  void OkOpsClick();
  void BtRndClick();
  // The list.
  void Report(ListAdd added);
  void BtRndLClick();
  void EraseFocused();
  void LNClick();
  void LLClick();
  void LNDblClick();
  // Combined operation.
  void OpsCmb();
  // Problems: one kind, or "All" (no kind).
  void ProblemCommand(std::optional<IntegerSection> kind);
  // Each kind's button and menu item.
  using ProblemControls = std::tuple<QToolButton*, QAction*, IntegerSection>;
  std::array<ProblemControls, IntegerSectionCount> KindControls() const;
  // The Working button of each kind's panel and the name the Working window follows it by.
  using WorkingControls = std::tuple<QToolButton*, IntegerSection, const char*>;
  std::array<WorkingControls, IntegerSectionCount> WorkingButtons() const;
  // The title of a kind's problem command, which is also its working's.
  static QString SectionTitle(IntegerSection section);
  static QString ProblemHint();
  static QString Hex();
  static QString DecimalsCaption();
  std::pair<QString, Working> PanelWorkingOf(const QString& panel) const;

  // PN
  QLineEdit* IdN = nullptr;
  QPushButton* Ok1 = nullptr;
  QToolButton* BtL = nullptr;
  QComboBox* Lexp = nullptr;
  QLabel* IdBs = nullptr;
  QLineEdit* IdPot = nullptr;
  QLineEdit* IdDF = nullptr;
  QLineEdit* IdFctr = nullptr;
  QToolButton* BtPrbl1 = nullptr;
  QToolButton* BtWork1 = nullptr;
  QLineEdit* IdHex = nullptr;
  QLineEdit* IdBin = nullptr;
  QLineEdit* IdOct = nullptr;
  QLineEdit* IdX = nullptr;
  QLineEdit* IdBX = nullptr;
  QLabel* EtErr = nullptr;
  // POps
  QComboBox* IdA = nullptr;
  QComboBox* IdB = nullptr;
  QToolButton* BtRnd = nullptr;
  QPushButton* OkOps = nullptr;
  QLineEdit* IdS = nullptr;
  QLineEdit* IdRs = nullptr;
  QLineEdit* IdM = nullptr;
  QLineEdit* IdD = nullptr;
  QComboBox* Idpq = nullptr;
  QLabel* IdDd = nullptr;
  QLabel* IdDr = nullptr;
  QLineEdit* IdQ = nullptr;
  QLineEdit* IdR = nullptr;
  QLineEdit* IdMCD = nullptr;
  QLineEdit* IdMCM = nullptr;
  QToolButton* BtPrbl2 = nullptr;
  QToolButton* BtWork2 = nullptr;
  // PL
  QToolButton* BtRndL = nullptr;
  QListWidget* LL = nullptr;
  QListWidget* LN = nullptr;
  QPushButton* BtUnSel = nullptr;
  QPushButton* BtRstL = nullptr;
  QPushButton* BtBrrL = nullptr;
  QLineEdit* EtMCDn = nullptr;
  QLineEdit* EtMCMn = nullptr;
  QToolButton* BtPrblN = nullptr;
  QToolButton* BtWorkN = nullptr;
  // POC
  QLineEdit* IdOC = nullptr;
  QPushButton* OkOC = nullptr;
  QLabel* EtOC = nullptr;
  QLineEdit* IdROC1 = nullptr;
  QLineEdit* IdROC2 = nullptr;
  QComboBox* Idp = nullptr;
  QToolButton* BtPrblOC = nullptr;
  QToolButton* BtWorkOC = nullptr;
  // The "Problem" menu.
  QMenu* OpsPrbl = nullptr;
  QAction* OpPr1 = nullptr;
  QAction* OpPr2 = nullptr;
  QAction* OpPrCO = nullptr;
  QAction* OpPrN = nullptr;
  QAction* OpPrAll = nullptr;

  ShowProblem showProblem_;
  PanelWorking working_;
  // The list and the windows every Integers window shares, then this window's own state.
  std::shared_ptr<IntegersRun> run_;
  IntegerWindowState state_;
};

}  // namespace tessaro
