#pragma once

#include "problems/kinds.h"

#include <QMainWindow>

#include <cstdint>

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

// The Integers theme window: one integer N, two integers n1 and n2, a lettered list
// with the hcd and LCM of a selection, and a combined operation over the list. Every
// Integers command makes a new one; the values they work on are shared by all of them.
class TFAritm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFAritm(ShowProblem showProblem, QWidget* parent = nullptr);
  ~TFAritm() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QGroupBox* BuildPN();
  QGroupBox* BuildPOps();
  QGroupBox* BuildPL();
  QGroupBox* BuildPOC();
  void BuildMenu();
  void ConnectHandlers();

  // Single integer.
  void AcceptN(bool addToList);
  bool EsNValid(const QString& text);
  void Ops1();
  void Bases(std::int32_t v);
  void MostraBX();
  void CalcPot();
  void LexpChange();
  bool NShown() const;
  void Rst1();
  void BtLClick();
  void IdHexEnter();
  void IdOctEnter();
  void IdXEnter();
  void IdBinEnter();
  void IdBinDblClick();

  // Two integers.
  void OkOpsClick();
  void BtRndClick();
  void Rst2();

  // The list.
  void AddN(std::int32_t v);
  void LlistaN();
  void BrrN(int k);
  void EraseFocused();
  void BtRstLClick();
  void BtUnSelClick();
  void LNClick();
  void LLClick();
  void LNDblClick();
  void mcdMCM();
  void BtRndLClick();
  void ShowSharedList();

  // Combined operation.
  void OpsCmb();
  void IdOCChange();

  // Problems.
  void SetKind(int flag, bool available);
  void ReevaluateAll();
  void FesPrbl(int kind);
  void ProblemCommand(int kind);

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
  // POC
  QLineEdit* IdOC = nullptr;
  QPushButton* OkOC = nullptr;
  QLabel* EtOC = nullptr;
  QLineEdit* IdROC1 = nullptr;
  QLineEdit* IdROC2 = nullptr;
  QComboBox* Idp = nullptr;
  QToolButton* BtPrblOC = nullptr;
  // The "Problem" menu.
  QMenu* OpsPrbl = nullptr;
  QAction* OpPr1 = nullptr;
  QAction* OpPr2 = nullptr;
  QAction* OpPrCO = nullptr;
  QAction* OpPrN = nullptr;
  QAction* OpPrAll = nullptr;

  // Set while the window copies a selection from one list box to the other.
  bool syncing_ = false;
  ShowProblem showProblem_;
};

}  // namespace tessaro
