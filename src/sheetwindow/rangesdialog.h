#pragma once

#include "problems/kinds.h"
#include "renewal/ranges.h"
#include "worksheets/rangesform.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLineEdit;

namespace tessaro {

// The ranges of one problem of the sheet (DlgRanges): the fields its kind has, showing its
// ranges or the defaults. OK keeps them only when they can hold; otherwise it says which
// field of which problem is at fault and the dialog stays open.
class TDlgRanges : public QDialog {
  Q_OBJECT

 public:
  // `number` is the problem's number in the sheet, from 1.
  TDlgRanges(const ProblemParams& params, const Ranges& ranges, int number,
             QWidget* parent = nullptr);

  // The ranges accepted: only the fields that differ from the defaults.
  const Ranges& Result() const { return result_; }

  void accept() override;

 private:
  // One row of the form: its entry and the controls that show it.
  struct Row {
    RangeEntry entry;
    QLineEdit* lo = nullptr;
    QLineEdit* hi = nullptr;
    QCheckBox* flag = nullptr;
  };

  void WriteEntries(const std::vector<RangeEntry>& entries);
  std::vector<RangeEntry> Entered() const;

  ProblemParams params_;
  int number_;
  Ranges result_;
  std::vector<Row> rows_;
};

}  // namespace tessaro
