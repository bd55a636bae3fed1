#pragma once

#include "panels/fractionstate.h"
#include "problems/fractionproblems.h"
#include "problems/kinds.h"
#include "themes/panelworking.h"

#include <QMainWindow>

#include <cstddef>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace tessaro {

// The Fractions theme window: entry and generation of fractions, a lettered list, the four
// binary operations of two fractions and a combined operation over the list, each turned into
// a problem on request. Created once at start-up; it keeps its state while hidden. Its state
// lives in a FractionState that its handlers change and then write to the controls; a problem
// is made from the last computations that succeeded.
class TFFracc : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFFracc(ShowProblem showProblem, ShowWorking showWorking = {},
                   QWidget* parent = nullptr);

  // The last problem built by a problem command.
  const TPrbl& Prbl() const { return Prbl_; }

  // The list and its selected item, to remember between runs, and taken back as the
  // window's own commands show them (see FractionState::Restore).
  ListSession Session() const { return state_.Session(); }
  void Restore(const ListSession& session);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildDataPanel(QWidget* PData);
  void BuildUnitPanel(QWidget* PUN);
  void BuildListPanel(QWidget* PLF);
  void BuildBinaryPanel(QWidget* PBin);
  void BuildCombinedPanel(QWidget* POC);
  void BuildProblemMenu();
  void Connect();

  void OkF();
  void BtRndClick();
  void LlistaFrs();
  void BrrFr(std::size_t i);
  void BrrSelected();
  void SelectRow(QListWidget* clicked, QListWidget* other);
  void BtRstClick();
  void OpsBin();
  void OpsCmb();
  void EtsBin(const QString& first, const QString& second);
  void EnableProblems();
  std::vector<ProblemParams> Sections(FractionProblemMode mode) const;
  // The title and working of what the binary ("2") or combined ("C") panel shows now.
  std::pair<QString, Working> PanelWorkingOf(const QString& panel) const;
  std::optional<ShownProblem> FesPrbl(FractionProblemMode mode) const;
  static QString ZeroDenominator();
  static QString ErrorCaption();
  void ProblemCommand(FractionProblemMode mode);

  // PData
  QLineEdit* IdN = nullptr;
  QFrame* Shape1 = nullptr;
  QLineEdit* IdD = nullptr;
  QPushButton* BtOk = nullptr;
  QToolButton* BtRnd = nullptr;
  // PUN
  QLineEdit* Id1 = nullptr;
  QLineEdit* IdS = nullptr;
  QCheckBox* OpS = nullptr;
  // PLF
  QListWidget* LL = nullptr;
  QListWidget* LF = nullptr;
  QPushButton* BtBrr = nullptr;
  QPushButton* BtRst = nullptr;
  // PBin
  QLabel* EtF1 = nullptr;
  QLabel* EtF2 = nullptr;
  QComboBox* LA = nullptr;
  QComboBox* LB = nullptr;
  QPushButton* Ok2 = nullptr;
  QTableWidget* TOpsBin = nullptr;
  QToolButton* BtPr2 = nullptr;
  QToolButton* BtWork2 = nullptr;
  // POC
  QLineEdit* IdOC = nullptr;
  QPushButton* OkOC = nullptr;
  QLineEdit* IdROC = nullptr;
  QLabel* EtOC = nullptr;
  QToolButton* BtPrC = nullptr;
  QToolButton* BtWorkC = nullptr;
  // Problem menu
  QMenu* Problem1 = nullptr;
  QAction* OpBin = nullptr;
  QAction* OpCmb = nullptr;
  QAction* OpAll = nullptr;

  FractionState state_;
  TPrbl Prbl_;
  ShowProblem showProblem_;
  PanelWorking working_;
};

}  // namespace tessaro
