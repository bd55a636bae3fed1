#pragma once

#include "numbers/numbers.h"
#include "problems/kinds.h"
#include "problems/fractionproblems.h"

#include <QMainWindow>

#include <string>
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
// a problem on request. Created once at start-up; it keeps its state while hidden.
class TFFracc : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFFracc(ShowProblem showProblem, QWidget* parent = nullptr);

  // The last problem built by a problem command.
  const TPrbl& Prbl() const { return Prbl_; }

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
  void BrrFr(int i);
  void SelectRow(QListWidget* clicked, QListWidget* other);
  void BtRstClick();
  void OpsBin();
  void OpsCmb();
  void EtsBin(const QString& first, const QString& second);
  std::vector<std::string> ShownList() const;
  FractionTexts ShownTexts() const;
  void FesPrbl(FractionProblemMode mode);
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
  // POC
  QLineEdit* IdOC = nullptr;
  QPushButton* OkOC = nullptr;
  QLineEdit* IdROC = nullptr;
  QLabel* EtOC = nullptr;
  QToolButton* BtPrC = nullptr;
  // Problem menu
  QMenu* Problem1 = nullptr;
  QAction* OpBin = nullptr;
  QAction* OpCmb = nullptr;
  QAction* OpAll = nullptr;

  std::vector<Rational> Frs;  // the list, in entry order
  int Sel = -1;               // selected item, -1 when none
  std::string TxtOC;          // the expression as typed at the last evaluation
  TPrbl Prbl_;
  ShowProblem showProblem_;
};

}  // namespace tessaro
