#pragma once

#include "problems/kinds.h"
#include "problems/problemfile.h"
#include "worksheets/worksheet.h"

#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QFileDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace tessaro {

class TFOps;

// The Problem window: a question and its answer, editable, saved on request.
class TFPrbl : public QWidget {
  Q_OBJECT

 public:
  explicit TFPrbl(QWidget* parent = nullptr);

  // The window that asks what to do with a file that already exists.
  void UseFileExistsDialog(TFOps* dialog) { fileExists_ = dialog; }

  // Where "Add to worksheet" puts the problems: the start-up hands over the Worksheet window's.
  using AddToSheet = std::function<void(const std::vector<SheetProblem>&)>;
  void UseWorksheet(AddToSheet add) { addToSheet_ = std::move(add); }

  // Shows the window in front with these texts, replacing whatever it held.
  void MostraPrbl(const QString& question, const QString& answer);
  // The same for a theme's problem, keeping the sections it was made of for the worksheet.
  void Show(const ShownProblem& problem);

  // Save: asks for a file, and for an existing one whether to overwrite or add to it.
  void BtGrdClick();
  // Add to worksheet: the problem as it stands, edits included.
  void BtAddSheetClick();
  // With working: the answers of the problems shown from now on end with their working;
  // the answer on display follows unless the user edited it.
  void CbWorkingClick(bool on);

  // True when the areas hold texts the user edited and neither saved nor added to a sheet.
  bool HasUnsavedEdit() const;
  // Before the program ends: asks about an unsaved edit. False when the user cancelled
  // (or the save did not happen).
  bool ConfirmClose();
  // Writes the problem the two areas hold now to `fileName` (GrdMtx or GrdAdd); false
  // (after the message) when it could not.
  bool GrdPrbl(const QString& fileName, SaveMode mode);

 private:
  QFileDialog* SaveDialog();
  bool SaveFlow();
  TPrbl AreaTexts() const;
  // Shows shown_, its answer with its working when asked for.
  void Display();
  // Brings the window up with these texts in its areas, as the texts an edit differs from.
  void Put(const QString& question, const QString& answer);

  QLabel* EtEn = nullptr;
  QPlainTextEdit* IdE = nullptr;
  QLabel* EtR = nullptr;
  QPlainTextEdit* IdR = nullptr;
  QToolButton* BtGrd = nullptr;
  QPushButton* BtAddSheet = nullptr;
  QCheckBox* CbWorking = nullptr;
  QFileDialog* DlgGrd = nullptr;
  QString lastFile_;
  TFOps* fileExists_ = nullptr;
  AddToSheet addToSheet_;
  ShownProblem shown_;
  bool withWorking_ = false;  // the choice of CbWorking, kept for the run
  TPrbl kept_;  // the texts last shown, saved or added, CR LF: what an edit differs from
};

}  // namespace tessaro
